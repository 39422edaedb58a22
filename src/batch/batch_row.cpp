// SPDX-License-Identifier: MIT
#include "batch/batch_row.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <optional>
#include <string_view>
#include <variant>

#include "batch/box_labels.h"
#include "batch/calculation_input.h"
#include "batch/payment_batch.h"
#include "batch/quoted_argument.h"
#include "calc/gross_up.h"
#include "calc/result_boxes.h"
#include "calc/withholding.h"

namespace isr {

namespace {

// The columns a payroll of gross-ups adds, named like the keys of --json --neto; its neto column
// holds the target, and comes out as neto_buscado.
constexpr std::string_view kSoughtNetColumn = "neto_buscado";
constexpr std::string_view kNetColumn = "neto";
constexpr std::string_view kExactColumn = "exacto";

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
    const auto input = ReadCalculationInput(tables, role, batch.Field(record, layout.period),
                                            batch.Field(record, layout.amount), subsidySum);
    if (const auto* error = std::get_if<InputError>(&input)) {
        const std::size_t columnsByField[] = {layout.period, layout.amount,
                                              layout.subsidySum.value_or(0)};
        const auto column = columnsByField[static_cast<std::size_t>(error->field)];
        StartRowMessage(message, layout, batch.FieldLine(record, column), column + 1);
        AppendProblem(message, *error);
        message += ": ";
        message += QuotedArgument(batch.Field(record, column));
        return std::nullopt;
    }
    return std::get<CalculationInput>(input);
}

}  // namespace

void WriteBatchHeader(const BatchLayout& layout, CsvRecordWriter& writer) {
    if (layout.payments) {
        WritePaymentBatchHeader(layout, writer);
        return;
    }
    for (std::size_t i = 0; i < layout.columnNames.size(); ++i) {
        writer.Field(layout.grossUps && i == layout.amount ? kSoughtNetColumn
                                                           : layout.columnNames[i]);
    }
    if (layout.grossUps) writer.Field(kIncomeColumn);
    for (const auto& box : kBoxLabels) writer.Field(box.csvColumn);
    if (layout.grossUps) {
        writer.Field(kNetColumn);
        writer.Field(kExactColumn);
    }
    writer.Field("error");
    writer.EndRecord();
}

bool WriteBatchRow(const TableSet& tables, const BatchLayout& layout, const CsvRecordBatch& batch,
                   const CsvRecordBatch::Record& record, RowScratch& scratch,
                   CsvRecordWriter& writer) {
    if (layout.payments) {
        return WritePaymentBatchRow(tables, layout, batch, record, scratch, writer);
    }
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
        scratch.totals = {shown->determinedTax, shown->subsidy ? shown->subsidy->subsidy : Cents{},
                          shown->result.value_or(Cents{})};
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
