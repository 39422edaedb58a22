// SPDX-License-Identifier: MIT
#include "cli/batch_row.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <string_view>

#include "calc/calculation.h"
#include "cli/entered_amount.h"
#include "cli/quoted_argument.h"
#include "tariffs/periods.h"

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
bool Calculated(const BatchLayout& layout, const CsvRecordBatch& batch,
                const CsvRecordBatch::Record& record, RowScratch& scratch) {
    auto& message = scratch.message;
    if (record.fault) {
        StartMessage(message, layout, record.fault->line, record.fault->field);
        message += record.fault->what;
        return false;
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
        return false;
    }
    const auto bad = [&](std::size_t column, std::string_view what) {
        StartMessage(message, layout, batch.FieldLine(record, column), column + 1);
        message += what;
        message += QuotedArgument(batch.Field(record, column));
        return false;
    };

    const auto period = FindPeriod(batch.Field(record, layout.period));
    if (!period) return bad(layout.period, "periodo desconocido: ");
    const auto base = EnteredAmount(batch.Field(record, layout.income));
    if (!base) return bad(layout.income, "no es un importe: ");
    // An empty subsidy cell counts as an omitted SUMA_SUBSIDIO argument: zero.
    const auto subsidyText = layout.subsidySum ? batch.Field(record, *layout.subsidySum) : "";
    const auto pagos = EnteredAmount(subsidyText.empty() ? "0" : subsidyText);
    if (!pagos) return bad(*layout.subsidySum, "no es un importe: ");

    Calculate(*period, *base, *pagos, scratch.boxes);
    return true;
}

}  // namespace

RowScratch::RowScratch() : boxTexts{} {
    for (std::size_t i = 0; i < kResultBoxes.size(); ++i)
        boxTexts[i] = &BoxText(boxes, kResultBoxes[i]);
}

void WriteBatchHeader(const BatchLayout& layout, CsvRecordWriter& writer) {
    for (const auto& name : layout.columnNames) writer.Field(name);
    for (const auto& box : kResultBoxes) writer.Field(box.csvColumn);
    writer.Field("error");
    writer.EndRecord();
}

bool WriteBatchRow(const BatchLayout& layout, const CsvRecordBatch& batch,
                   const CsvRecordBatch::Record& record, RowScratch& scratch,
                   CsvRecordWriter& writer) {
    scratch.message.clear();
    const bool good = Calculated(layout, batch, record, scratch);
    for (std::size_t i = 0; i < layout.columnNames.size(); ++i) {
        writer.Field(i < record.fieldCount ? batch.Field(record, i) : std::string_view{});
    }
    for (const auto* text : scratch.boxTexts) {
        writer.Field(good ? std::string_view(*text) : std::string_view{});
    }
    writer.Field(scratch.message);
    writer.EndRecord();
    return good;
}

}  // namespace isr::cli
