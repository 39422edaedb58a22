// SPDX-License-Identifier: MIT
// One row of a batch: an input record in, its output record out, with the result boxes of the
// single calculation or the reason the row could not be calculated.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "batch/batch_layout.h"
#include "batch/batch_summary.h"
#include "batch/box_fields.h"
#include "batch/csv_reader.h"
#include "batch/csv_writer.h"
#include "tariffs/table_set.h"

namespace isr {

// Kept from row to row, so that rows stop allocating once the buffer has grown. Each worker
// writes its own on every row: on a cache line of its own, or the workers' cores would pass the
// line shared by two of them back and forth.
struct alignas(64) RowScratch {
    std::string message;
    RowTotals totals{};  // of a good row, for the summary
    BoxFields boxFields;
};

// Between the problems of one row, each said as a whole ("línea 3, columna 2 (periodo): ...").
inline constexpr std::string_view kProblemSeparator = "; ";

// Starts `message` with "línea 7, columna 2 (ingreso_gravable): ", the column counted from 1.
void StartRowMessage(std::string& message, const BatchLayout& layout, std::uint64_t line,
                     std::size_t column);

// Appends to `message` why the record is not whole with as many fields as the header.
void AppendRecordShapeProblem(const BatchLayout& layout, const CsvRecordBatch& batch,
                              const CsvRecordBatch::Record& record, std::string& message);

// Whether the record was read whole with as many fields as the header; otherwise its message
// says why. Inline: nearly every record is, and is told so without a call.
inline bool CheckRecordShape(const BatchLayout& layout, const CsvRecordBatch& batch,
                             const CsvRecordBatch::Record& record, std::string& message) {
    if (batch.Fault(record) == nullptr && record.fieldCount == layout.columnNames.size()) {
        return true;
    }
    AppendRecordShapeProblem(layout, batch, record, message);
    return false;
}

// The input's fields as they came, one per column of the header (a short record's last ones
// empty): every row kind's output starts with them.
void WriteInputFields(const BatchLayout& layout, const CsvRecordBatch& batch,
                      const CsvRecordBatch::Record& record, CsvRecordWriter& writer);

// The output header's names: the input's columns (a payroll of nets' neto as neto_buscado), then
// those of the row kind (the result boxes or, for payments, the figures) and "error".
std::vector<std::string_view> OutputColumns(const BatchLayout& layout);

// Whether an input column is named, regardless of ASCII case, like one the program writes: its
// output would hold two columns of that name, as a results file run again would. Then `problem`
// names it.
bool NamesAnOutputColumn(const BatchLayout& layout, std::string& problem);

void WriteBatchHeader(const BatchLayout& layout, CsvRecordWriter& writer);

// The output record of `record`, calculated with `tables`: its fields in place, then the row
// kind's figures and an empty error; or, for a bad row, empty figures and the error. Returns false
// for a bad row and leaves its message (line, column, what) in `scratch.message`; for a good row,
// its figures for the summary in `scratch.totals`.
bool WriteBatchRow(const TableSet& tables, const BatchLayout& layout, const CsvRecordBatch& batch,
                   const CsvRecordBatch::Record& record, RowScratch& scratch,
                   CsvRecordWriter& writer);

// Each row kind's columns after the input's, and its rows, as WriteBatchRow says: a payroll of
// incomes writes the nine boxes and the settlement; one of nets the income found before them and
// the net and whether it is exact after.
void AppendOutputColumns(const IncomeColumns& columns, std::vector<std::string_view>& names);
void AppendOutputColumns(const NetColumns& columns, std::vector<std::string_view>& names);
bool WriteRow(const TableSet& tables, const BatchLayout& layout, const IncomeColumns& columns,
              const CsvRecordBatch& batch, const CsvRecordBatch::Record& record,
              RowScratch& scratch, CsvRecordWriter& writer);
bool WriteRow(const TableSet& tables, const BatchLayout& layout, const NetColumns& columns,
              const CsvRecordBatch& batch, const CsvRecordBatch::Record& record,
              RowScratch& scratch, CsvRecordWriter& writer);

}  // namespace isr
