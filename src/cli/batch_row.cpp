// SPDX-License-Identifier: MIT
#include "cli/batch_row.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <optional>
#include <string_view>
#include <variant>

#include "calc/result_boxes.h"
#include "calc/withholding.h"
#include "cli/box_labels.h"
#include "cli/calculation_input.h"
#include "cli/quoted_argument.h"

namespace isr::cli {

namespace {

void AppendNumber(std::string& out, std::uint64_t n) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, n).ptr;
    out.append(digits, end);
}

// "línea 7, columna 2 (ingreso_gravable): "
void StartMessage(std::string& message, const BatchLayout& layout, std::uint64_t line,
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

// Reads the row's inputs as the single calculation reads its arguments and calculates; or says
// what is wrong with the row in `message`.
std::optional<Withholding> Calculated(const TableSet& tables, const BatchLayout& layout,
                                      const CsvRecordBatch& batch,
                                      const CsvRecordBatch::Record& record, RowScratch& scratch) {
    auto& message = scratch.message;
    if (record.fault) {
        StartMessage(message, layout, record.fault->line, record.fault->field);
        message += record.fault->what;
        return std::nullopt;
    }
    const auto columns = layout.columnNames.size();
    if (record.fieldCount != columns) {
        const auto column = std::min(record.fieldCount, columns) + 1;
        StartMessage(message, layout, batch.FieldLine(record, column - 1), column);
        message += record.fieldCount < columns ? "falta el campo" : "campo de más";
        message += " (la fila tiene ";
        AppendNumber(message, record.fieldCount);
        message += " campos y el encabezado ";
        AppendNumber(message, columns);
        message += ')';
        return std::nullopt;
    }

    const auto subsidySum = layout.subsidySum ? batch.Field(record, *layout.subsidySum) : "";
    const auto input = ReadCalculationInput(batch.Field(record, layout.period),
                                            batch.Field(record, layout.income), subsidySum);
    if (const auto* error = std::get_if<InputError>(&input)) {
        const std::size_t columnsByField[] = {layout.period, layout.income,
                                              layout.subsidySum.value_or(0)};
        const auto column = columnsByField[static_cast<std::size_t>(error->field)];
        StartMessage(message, layout, batch.FieldLine(record, column), column + 1);
        AppendProblem(message, error->problem);
        message += ": ";
        message += QuotedArgument(batch.Field(record, column));
        return std::nullopt;
    }
    const auto& in = std::get<CalculationInput>(input);
    return Calculate(tables, in.period, in.base, in.subsidySum);
}

}  // namespace

void WriteBatchHeader(const BatchLayout& layout, CsvRecordWriter& writer) {
    for (const auto& name : layout.columnNames) writer.Field(name);
    for (const auto& box : kBoxLabels) writer.Field(box.csvColumn);
    writer.Field("error");
    writer.EndRecord();
}

bool WriteBatchRow(const TableSet& tables, const BatchLayout& layout, const CsvRecordBatch& batch,
                   const CsvRecordBatch::Record& record, RowScratch& scratch,
                   CsvRecordWriter& writer) {
    scratch.message.clear();
    const auto withholding = Calculated(tables, layout, batch, record, scratch);
    for (std::size_t i = 0; i < layout.columnNames.size(); ++i) {
        writer.Field(i < record.fieldCount ? batch.Field(record, i) : std::string_view{});
    }
    for (const ResultBox box : kResultBoxes) {
        if (withholding) {
            writer.AmountField(BoxText(*withholding, box));
        } else {
            writer.Field({});
        }
    }
    writer.Field(scratch.message);
    writer.EndRecord();
    return withholding.has_value();
}

}  // namespace isr::cli
