// SPDX-License-Identifier: MIT
// A whole payroll, a chunk of records at a time: the header that names the layout, the output
// header, and each chunk's records calculated and written. The caller reads the chunks and sends
// their bytes on; the command line hands blocks of the input to a pool of threads to parse and
// calculate, the page hands parsed chunks to a worker.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "batch/batch_layout.h"
#include "batch/batch_row.h"
#include "batch/batch_summary.h"
#include "batch/byte_buffer.h"
#include "batch/csv_reader.h"
#include "tariffs/table_set.h"

namespace isr {

// On cache lines of its own: a worker writes its buffers' sizes on every field, while the
// chunks next to it are another thread's.
struct alignas(64) BatchChunk {
    // A chunk ends at this many records, or once its records take kChunkBytes of memory, so that
    // long pass-through fields, or rows of empty fields, stay bounded too.
    static constexpr std::size_t kRecords = 4096;
    static constexpr std::size_t kBytes = std::size_t{1} << 20;

    // The command line's reading thread cuts the input into blocks of whole records, as written,
    // for its workers to parse (ProcessBlock): a block ends at this many line ends or once it
    // holds this many bytes. Every block handed over may wake a thread, so blocks are as long in
    // records as a chunk; the bytes keep a block, its records and its output near the size of a
    // core's cache.
    static constexpr std::size_t kBlockLineEnds = kRecords;
    static constexpr std::size_t kBlockBytes = std::size_t{1} << 17;

    CsvBlock block;
    CsvRecordBatch records;
    ByteBuffer out;
    std::string messages;  // every bad row's message, each after `messagePrefix` and on its line
    BatchSummary summary;

    bool Full(std::size_t mostRecords = kRecords) const {
        return records.size() >= mostRecords || records.Bytes() >= kBytes;
    }
    void Clear();
};

// The layout named by the header row; nothing, with `problem` set ("la entrada está vacía: falta
// el encabezado"), when the input cannot be used. A read error's own words are the caller's.
std::optional<BatchLayout> ReadBatchHeader(CsvReader& reader, std::string& problem);
// The same of a header already read from `reader`, and why there was none to read.
std::optional<BatchLayout> BatchLayoutOfHeader(const CsvReader& reader,
                                               const CsvRecordBatch& header, std::string& problem);
std::string HeaderProblem(const CsvReader& reader);

// The output's byte order mark, if the input had one, and its header, ending as the input's first
// line ends: the output keeps both, for the program that made the input.
void WriteOutputStart(const CsvReader& reader, const BatchLayout& layout, ByteBuffer& out);

// Whether a chunk's summary sums the figures of its good rows or only counts them: summing
// costs every row, and only a summary asked for shows the sums.
enum class RowFigures : bool { kCounted, kSummed };

// Calculates and writes every record of the chunk into its output, with `scratch` of the calling
// thread's own.
void ProcessChunk(const TableSet& tables, const BatchLayout& layout, std::string_view lineEnd,
                  std::string_view messagePrefix, RowFigures figures, BatchChunk& chunk,
                  RowScratch& scratch);

// The same for a block: its records parsed a chunk's worth at a time, each part calculated and
// written after the last into the chunk's output, messages and summary. Records already in the
// chunk (one too long for a block, parsed by the reading thread) come first.
void ProcessBlock(const TableSet& tables, const BatchLayout& layout, std::string_view lineEnd,
                  std::string_view messagePrefix, RowFigures figures, BatchChunk& chunk,
                  RowScratch& scratch);

// Said when the input could not be read to its end; a read error's own words are the caller's.
inline constexpr std::string_view kReadFailure = "no se pudo leer la entrada hasta el final";

}  // namespace isr
