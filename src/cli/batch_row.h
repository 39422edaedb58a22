// SPDX-License-Identifier: MIT
// One row of a batch: an input record in, its output record out, with the result boxes of the
// single calculation or the reason the row could not be calculated.
#pragma once

#include <array>
#include <string>
#include <tuple>

#include "calc/result_boxes.h"
#include "cli/batch_layout.h"
#include "cli/csv_reader.h"
#include "cli/csv_writer.h"

namespace isr::cli {

// Kept from row to row, so that rows stop allocating once the buffers have grown.
struct RowScratch {
    RowScratch();
    RowScratch(const RowScratch&) = delete;
    RowScratch& operator=(const RowScratch&) = delete;

    ResultBoxes boxes;
    std::string message;
    // The text of each box of kResultBoxes in `boxes`, looked up once rather than per row.
    std::array<const std::string*, std::tuple_size_v<decltype(kResultBoxes)>> boxTexts;
};

// The output header: the input's columns, one per result box, then "error".
void WriteBatchHeader(const BatchLayout& layout, CsvRecordWriter& writer);

// The output record of `record`: its fields in place, then the box texts and an empty error; or,
// for a bad row, empty result columns and the error. Returns false for a bad row and leaves its
// message (line, column, what) in `scratch.message`.
bool WriteBatchRow(const BatchLayout& layout, const CsvRecordBatch& batch,
                   const CsvRecordBatch::Record& record, RowScratch& scratch,
                   CsvRecordWriter& writer);

}  // namespace isr::cli
