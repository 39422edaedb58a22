// SPDX-License-Identifier: MIT
#include "batch/batch_row.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <optional>
#include <string_view>
#include <variant>

#include "batch/calculation_input.h"
#include "batch/days_batch.h"
#include "batch/payment_batch.h"
#include "batch/quoted_argument.h"
#include "calc/gross_up.h"
#include "calc/result_boxes.h"
#include "calc/withholding.h"
#include "money/text_helpers.h"
#include "presentation/box_labels.h"
#include "presentation/payment_figures.h"

namespace isr {

namespace {

// The columns a payroll of gross-ups adds, named like the keys of --json --neto; its neto column
// holds the target, and comes out as neto_buscado.
constexpr std::string_view kSoughtNetColumn = "neto_buscado";
constexpr std::string_view kNetColumn = "neto";
constexpr std::string_view kExactColumn = "exacto";
constexpr std::string_view kErrorColumn = "error";

void AppendNumber(std::string& out, std::uint64_t n) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, n).ptr;
    out.append(digits, end);
}

}  // namespace

void StartRowMessage(std::string& message, const BatchLayout& layout, std::uint64_t line,
                     std::size_t column) {
    message += "línea ";
    AppendNumber(message, line);
    message += ", columna ";
    AppendNumber(message, column);
    if (column >= 1 && column <= layout.columnNames.size()) {
        message += " (";
        message += EscapedText(layout.columnNames[column - 1]);
        message += ')';
    }
    message += ": ";
}

bool CheckRecordShape(const BatchLayout& layout, const CsvRecordBatch& batch,
                      const CsvRecordBatch::Record& record, std::string& message) {
    if (record.fault) {
        StartRowMessage(message, layout, record.fault->line, record.fault->field);
        message += record.fault->what;
        return false;
    }
    const auto columns = layout.columnNames.size();
    if (record.fieldCount != columns) {
        const auto column = std::min(record.fieldCount, columns) + 1;
        StartRowMessage(message, layout, batch.FieldLine(record, column - 1), column);
        message += record.fieldCount < columns ? "falta el campo" : "campo de más";
        message += " (la fila tiene ";
        AppendNumber(message, record.fieldCount);
        message += " campos y el encabezado ";
        AppendNumber(message, columns);
        message += ')';
        return false;
    }
    return true;
}

namespace {

// Reads the row's inputs as the single calculation reads its arguments; or says what is wrong
// with the row in `message`.
std::optional<CalculationInput> ReadRow(const TableSet& tables, const BatchLayout& layout,
                                        const CsvRecordBatch& batch,
                                        const CsvRecordBatch::Record& record, RowScratch& scratch) {
    auto& message = scratch.message;
    if (!CheckRecordShape(layout, batch, record, message)) return std::nullopt;

    const auto subsidySum = layout.subsidySum ? batch.Field(record, *layout.subsidySum) : "";
    const auto role = layout.grossUps ? AmountRole::kTargetNet : AmountRole::kBase;
    InputErrors errors;
    const auto input = ReadCalculationInput(tables, role, batch.Field(record, layout.period),
                                            batch.Field(record, layout.amount), subsidySum, errors);
    const std::size_t columnsByField[] = {layout.period, layout.amount,
                                          layout.subsidySum.value_or(0)};
    for (const InputError& error : errors.All()) {
        const auto column = columnsByField[static_cast<std::size_t>(error.field)];
        if (!message.empty()) message += kProblemSeparator;
        StartRowMessage(message, layout, batch.FieldLine(record, column), column + 1);
        AppendProblem(message, error);
        message += ": ";
        message += QuotedArgument(batch.Field(record, column));
    }
    return input;
}

}  // namespace

std::vector<std::string_view> OutputColumns(const BatchLayout& layout) {
    std::vector<std::string_view> names(layout.columnNames.begin(), layout.columnNames.end());
    if (layout.payments) {
        for (const auto& label : kPaymentFigureLabels) names.push_back(label.csvColumn);
    } else if (layout.days) {
        AppendDaysOutputColumns(names);
    } else {
        if (layout.grossUps) {
            names[layout.amount] = kSoughtNetColumn;
            names.push_back(kIncomeColumn);
        }
        for (const auto& box : kBoxLabels) names.push_back(box.csvColumn);
        for (const auto& label : kSettlementLabels) names.push_back(label.csvColumn);
        if (layout.grossUps) {
            names.push_back(kNetColumn);
            names.push_back(kExactColumn);
        }
    }
    names.push_back(kErrorColumn);
    return names;
}

bool NamesAnOutputColumn(const BatchLayout& layout, std::string& problem) {
    const auto names = OutputColumns(layout);
    const std::size_t inputs = layout.columnNames.size();
    const auto written = [&](std::size_t i) {
        return i >= inputs || (layout.grossUps && !layout.payments && i == layout.amount);
    };
    for (std::size_t i = 0; i < inputs; ++i) {
        if (written(i)) continue;
        for (std::size_t j = 0; j < names.size(); ++j) {
            if (!written(j) || !EqualsIgnoringAsciiCase(names[i], names[j])) continue;
            problem = "la columna " + QuotedArgument(names[i]) +
                      " de la entrada se llama como una de los resultados: cámbiele el nombre "
                      "(¿es ya un archivo de resultados?)";
            return true;
        }
    }
    return false;
}

void WriteBatchHeader(const BatchLayout& layout, CsvRecordWriter& writer) {
    for (const auto name : OutputColumns(layout)) writer.Field(name);
    writer.EndRecord();
}

bool WriteBatchRow(const TableSet& tables, const BatchLayout& layout, const CsvRecordBatch& batch,
                   const CsvRecordBatch::Record& record, RowScratch& scratch,
                   CsvRecordWriter& writer) {
    if (layout.payments) {
        return WritePaymentBatchRow(tables, layout, batch, record, scratch, writer);
    }
    if (layout.days) return WriteDaysBatchRow(tables, layout, batch, record, scratch, writer);
    scratch.message.clear();
    std::optional<Withholding> calculated;
    std::optional<GrossUpResult> grossUp;
    const Withholding* shown = nullptr;  // what the boxes show; nothing for a bad row
    Period period{};
    if (const auto input = ReadRow(tables, layout, batch, record, scratch)) {
        period = input->period;
        if (!layout.grossUps) {
            calculated = Calculate(tables, input->period, input->amount, input->subsidySum);
            shown = &*calculated;
        } else if ((grossUp = GrossUp(tables, input->period, input->amount, input->subsidySum))) {
            shown = &grossUp->withholding;
        } else {
            auto& message = scratch.message;
            StartRowMessage(message, layout, batch.FieldLine(record, layout.amount),
                            layout.amount + 1);
            AppendBeyondTables(message, tables, *input);
            message += ": ";
            message += QuotedArgument(batch.Field(record, layout.amount));
        }
    }
    if (shown) {
        // As the boxes show them: a subsidy or a result that is not there is 0.
        const auto settlement = Settlement(*shown);
        scratch.totals = {shown->determinedTax, shown->subsidy ? shown->subsidy->subsidy : Cents{},
                          shown->result.value_or(Cents{}), settlement[0], settlement[1]};
    }
    for (std::size_t i = 0; i < layout.columnNames.size(); ++i) {
        writer.Field(i < record.fieldCount ? batch.Field(record, i) : std::string_view{});
    }
    if (layout.grossUps) {
        if (grossUp) {
            writer.AmountField(AmountText(grossUp->base));
        } else {
            writer.Field({});
        }
    }
    if (shown) {
        scratch.boxFields.Write(period, *shown, writer);
    } else {
        for (std::size_t i = 0; i < kResultBoxes.size(); ++i) writer.Field({});
    }
    for (const auto figure : shown ? Settlement(*shown) : std::array<Cents, 2>{}) {
        if (shown) {
            writer.AmountField(AmountText(figure));
        } else {
            writer.Field({});
        }
    }
    if (layout.grossUps) {
        if (grossUp) {
            writer.AmountField(AmountText(grossUp->net));
            writer.Field(grossUp->exact ? "true" : "false");
        } else {
            writer.Field({});
            writer.Field({});
        }
    }
    writer.Field(scratch.message);
    writer.EndRecord();
    return shown != nullptr;
}

}  // namespace isr
