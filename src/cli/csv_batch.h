// SPDX-License-Identifier: MIT
// A whole payroll through the single calculation: CSV records in, the same records with the
// result boxes out, in input order. The reading thread cuts the input into blocks of whole
// records; the workers of a pool parse, calculate and format them; the reading thread writes
// finished chunks in order. A fixed ring of chunks bounds the memory, whatever the length of the
// input.
#pragma once

#include <cstddef>
#include <iosfwd>
#include <optional>

#include "batch/batch_chunk.h"
#include "batch/batch_layout.h"
#include "batch/batch_summary.h"
#include "batch/csv_reader.h"
#include "cli/batch_progress.h"
#include "tariffs/table_sets.h"

namespace isr::cli {

struct BatchOptions {
    unsigned workers = 0;  // calculating threads; 0 calculates on the reading thread
    // Line ends handed over at once (blank lines and those inside quotes count too).
    std::size_t chunkRecords = BatchChunk::kBlockLineEnds;
    ProgressLine* progress = nullptr;
    const TableSet* tables = &DefaultTableSet();
    BatchSummary* summary = nullptr;  // filled in at the end, when given; only then are rows summed
};

// The layout named by the header row; nothing, after telling `err` why, when the input cannot be
// used.
std::optional<BatchLayout> ReadBatchHeader(CsvReader& reader, std::ostream& err);

// Every record after the header: the output header and one output record per input record go to
// `out`, each bad row's message also to `err`. Returns kExitOk, kExitBadRows, or kExitUsage when
// the input could not be read to its end or the output not written.
int RunBatch(CsvReader& reader, const BatchLayout& layout, std::ostream& out, std::ostream& err,
             const BatchOptions& options);

}  // namespace isr::cli
