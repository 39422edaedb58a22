// SPDX-License-Identifier: MIT
#include "batch/batch_row.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <optional>
#include <string_view>
#include <type_traits>
#include <variant>

#include "batch/calculation_input.h"
#include "batch/days_batch.h"
#include "batch/payment_batch.h"
#include "batch/quoted_argument.h"
#include "calc/gross_up.h"
#include "calc/result_boxes.h"
#include "calc/withholding.h"
#include "money/amount_text.h"
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

void AppendRecordShapeProblem(const BatchLayout& layout, const CsvRecordBatch& batch,
                              const CsvRecordBatch::Record& record, std::string& message) {
    if (const CsvFault* fault = batch.Fault(record)) {
        StartRowMessage(message, layout, fault->line, fault->field);
        message += fault->what;
        return;
    }
    const auto columns = layout.columnNames.size();
    const auto column = std::min(record.fieldCount, columns) + 1;
    StartRowMessage(message, layout, batch.FieldLine(record, column - 1), column);
    message += record.fieldCount < columns ? "falta el campo" : "campo de más";
    message += " (la fila tiene ";
    AppendNumber(message, record.fieldCount);
    message += " campos y el encabezado ";
    AppendNumber(message, columns);
    message += ')';
}

namespace {

template <class Writer>
void WriteInputFieldsWith(const BatchLayout& layout, const CsvRecordBatch& batch,
                          const CsvRecordBatch::Record& record, Writer& writer) {
    // Parted by commas, a field read without quotes has nothing to quote: it is not looked at.
    const bool commas = layout.separator == ',';
    const std::size_t columns = layout.columnNames.size();
    const std::size_t present = std::min(record.fieldCount, columns);
    batch.ForEachField(record, present, [&](std::string_view text, bool hadQuotes) {
        if (commas && !hadQuotes) {
            writer.UnquotedField(text);
        } else {
            writer.Field(text);
        }
    });
    for (std::size_t i = present; i < columns; ++i) writer.UnquotedField({});
}

}  // namespace

void WriteInputFields(const BatchLayout& layout, const CsvRecordBatch& batch,
                      const CsvRecordBatch::Record& record, CsvRecordWriter& writer) {
    WriteInputFieldsWith(layout, batch, record, writer);
}

namespace {

// A payroll of incomes and one of nets differ only in what the amount after the period is.
constexpr std::size_t AmountColumn(const IncomeColumns& columns) {
    return columns.income;
}
constexpr std::size_t AmountColumn(const NetColumns& columns) {
    return columns.targetNet;
}
template <class Columns>
constexpr AmountRole kRoleOf =
    std::is_same_v<Columns, NetColumns> ? AmountRole::kTargetNet : AmountRole::kBase;

// Reads the row's inputs as the single calculation reads its arguments; or says what is wrong
// with the row in `message`.
template <class Columns>
std::optional<CalculationInput> ReadRow(const TableSet& tables, const BatchLayout& layout,
                                        const Columns& columns, const CsvRecordBatch& batch,
                                        const CsvRecordBatch::Record& record, RowScratch& scratch) {
    auto& message = scratch.message;
    if (!CheckRecordShape(layout, batch, record, message)) return std::nullopt;

    const auto subsidySum = columns.subsidySum ? batch.Field(record, *columns.subsidySum) : "";
    InputErrors errors;
    const auto input =
        ReadCalculationInput(tables, kRoleOf<Columns>, batch.Field(record, columns.period),
                             batch.Field(record, AmountColumn(columns)), subsidySum, errors);
    const std::size_t columnsByField[] = {columns.period, AmountColumn(columns),
                                          columns.subsidySum.value_or(0)};
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

// A row of incomes, or one of nets, once read: the input's fields, then for a good row its
// figures (`shown`, and for a gross-up `grossUp`), for a bad one empty figures and its message.
// The income found comes before the boxes, the net and whether it is exact after them. One copy
// for each, with no test of the kind left in a row.
template <class Columns>
bool WriteWithholdingRecord(const BatchLayout& layout, const CsvRecordBatch& batch,
                            const CsvRecordBatch::Record& record, Period period,
                            const Withholding* shown, const GrossUpResult* grossUp,
                            RowScratch& scratch, CsvRecordWriter& recordWriter) {
    constexpr bool grossUps = std::is_same_v<Columns, NetColumns>;
    if (shown) {
        // As the boxes show them: a subsidy or a result that is not there is 0.
        const auto settlement = Settlement(*shown);
        scratch.totals = {shown->determinedTax, shown->subsidy ? shown->subsidy->subsidy : Cents{},
                          shown->result.value_or(Cents{}), settlement[0], settlement[1]};
    }
    // The most the record can take: every input field quoted with its quotes doubled, the
    // message too, and every figure an amount of the longest text (the nine boxes, the two
    // settlement figures, and a gross-up's income, net and "false", shorter than any).
    constexpr std::size_t kAmounts = kResultBoxes.size() + 2 + (grossUps ? 3 : 0);
    const std::size_t mostBytes = 2 * batch.TextBytes(record) +
                                  CsvRowWriter::kFieldOverhead * (layout.columnNames.size() + 1) +
                                  2 * scratch.message.size() +
                                  kAmounts * CsvRowWriter::kAmountFieldBytes;
    CsvRowWriter writer(recordWriter, mostBytes);
    WriteInputFieldsWith(layout, batch, record, writer);
    if constexpr (grossUps) {
        if (grossUp) {
            writer.AmountField(AmountText(grossUp->base));
        } else {
            writer.Field({});
        }
    }
    if (shown) {
        scratch.boxFields.Write(period, *shown, writer);
    } else {
        for (std::size_t i = 0; i < kResultBoxes.size() + kSettlementLabels.size(); ++i) {
            writer.UnquotedField({});
        }
    }
    if constexpr (grossUps) {
        if (grossUp) {
            writer.AmountField(AmountText(grossUp->net));
            writer.Field(grossUp->exact ? "true" : "false");
        } else {
            writer.Field({});
            writer.Field({});
        }
    }
    if (scratch.message.empty()) {
        writer.UnquotedField({});  // a good row's error: every row but the bad ones
    } else {
        writer.Field(scratch.message);
    }
    writer.EndRecord();
    return shown != nullptr;
}

// The row read and calculated, then written. Each figure is made where it is known, not in an
// optional declared for every row (which GCC clears whole each time).
template <class Columns>
bool WriteWithholdingRow(const TableSet& tables, const BatchLayout& layout, const Columns& columns,
                         const CsvRecordBatch& batch, const CsvRecordBatch::Record& record,
                         RowScratch& scratch, CsvRecordWriter& recordWriter) {
    scratch.message.clear();
    const auto input = ReadRow(tables, layout, columns, batch, record, scratch);
    if (!input) {
        return WriteWithholdingRecord<Columns>(layout, batch, record, {}, nullptr, nullptr, scratch,
                                               recordWriter);
    }
    if constexpr (std::is_same_v<Columns, IncomeColumns>) {
        const Withholding calculated =
            Calculate(tables, input->period, input->amount, input->subsidySum);
        return WriteWithholdingRecord<Columns>(layout, batch, record, input->period, &calculated,
                                               nullptr, scratch, recordWriter);
    } else {
        const auto grossUp = GrossUp(tables, input->period, input->amount, input->subsidySum);
        if (!grossUp) {
            const std::size_t amountColumn = AmountColumn(columns);
            auto& message = scratch.message;
            StartRowMessage(message, layout, batch.FieldLine(record, amountColumn),
                            amountColumn + 1);
            AppendBeyondTables(message, tables, *input);
            message += ": ";
            message += QuotedArgument(batch.Field(record, amountColumn));
            return WriteWithholdingRecord<Columns>(layout, batch, record, input->period, nullptr,
                                                   nullptr, scratch, recordWriter);
        }
        return WriteWithholdingRecord<Columns>(layout, batch, record, input->period,
                                               &grossUp->withholding, &*grossUp, scratch,
                                               recordWriter);
    }
}

void AppendBoxColumns(std::vector<std::string_view>& names) {
    for (const auto& box : kBoxLabels) names.push_back(box.csvColumn);
    for (const auto& label : kSettlementLabels) names.push_back(label.csvColumn);
}

// The input column the output writes under another name: a payroll of nets' neto, which the
// output's own neto would repeat.
std::optional<std::size_t> RenamedInputColumn(const BatchLayout& layout) {
    if (const auto* nets = std::get_if<NetColumns>(&layout.columns)) return nets->targetNet;
    return std::nullopt;
}

}  // namespace

void AppendOutputColumns(const IncomeColumns&, std::vector<std::string_view>& names) {
    AppendBoxColumns(names);
}

void AppendOutputColumns(const NetColumns& columns, std::vector<std::string_view>& names) {
    names[columns.targetNet] = kSoughtNetColumn;
    names.push_back(kIncomeColumn);
    AppendBoxColumns(names);
    names.push_back(kNetColumn);
    names.push_back(kExactColumn);
}

bool WriteRow(const TableSet& tables, const BatchLayout& layout, const IncomeColumns& columns,
              const CsvRecordBatch& batch, const CsvRecordBatch::Record& record,
              RowScratch& scratch, CsvRecordWriter& writer) {
    return WriteWithholdingRow(tables, layout, columns, batch, record, scratch, writer);
}

bool WriteRow(const TableSet& tables, const BatchLayout& layout, const NetColumns& columns,
              const CsvRecordBatch& batch, const CsvRecordBatch::Record& record,
              RowScratch& scratch, CsvRecordWriter& writer) {
    return WriteWithholdingRow(tables, layout, columns, batch, record, scratch, writer);
}

std::vector<std::string_view> OutputColumns(const BatchLayout& layout) {
    std::vector<std::string_view> names(layout.columnNames.begin(), layout.columnNames.end());
    std::visit([&](const auto& columns) { AppendOutputColumns(columns, names); }, layout.columns);
    names.push_back(kErrorColumn);
    return names;
}

bool NamesAnOutputColumn(const BatchLayout& layout, std::string& problem) {
    const auto names = OutputColumns(layout);
    const std::size_t inputs = layout.columnNames.size();
    const auto renamed = RenamedInputColumn(layout);
    const auto written = [&](std::size_t i) { return i >= inputs || i == renamed; };
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
    return std::visit(
        [&](const auto& columns) {
            return WriteRow(tables, layout, columns, batch, record, scratch, writer);
        },
        layout.columns);
}

}  // namespace isr
