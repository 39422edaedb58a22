// SPDX-License-Identifier: MIT
// The CSV batch on any input: either the whole input is refused (one message, no output) or every
// record the reader finds comes out as exactly one output record of the same width, and the bad
// ones, and only those, carry an error and a message and leave every result column empty; cut
// into blocks for the workers, as the command line does, it gives the same bytes. The first two
// bytes choose the reader's buffer size and the records per chunk (and line ends per block), so
// that records straddle refills, chunk ends and block ends.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "batch/batch_chunk.h"
#include "batch/csv_reader.h"
#include "byte_reader.h"
#include "calc/result_boxes.h"
#include "fuzz_check.h"
#include "tariffs/table_sets.h"

namespace isr::fuzz {
namespace {

struct OutputRecord {
    std::vector<std::size_t> fieldBytes{0};
    bool hasError = false;  // a non-empty last field
};

// An RFC 4180 reading of the output, line ends "\r\n", "\n" or "\r", kept apart from the reader
// under test.
std::vector<OutputRecord> ParseOutput(std::string_view csv) {
    if (csv.starts_with("\xEF\xBB\xBF")) csv.remove_prefix(3);
    std::vector<OutputRecord> records;
    OutputRecord record;
    bool quoted = false;
    for (std::size_t i = 0; i < csv.size(); ++i) {
        const char c = csv[i];
        if (quoted) {
            if (c == '"' && (i + 1 == csv.size() || csv[i + 1] != '"')) {
                quoted = false;
            } else {
                i += c == '"' ? 1 : 0;
                ++record.fieldBytes.back();
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            record.fieldBytes.push_back(0);
        } else if (c == '\n' || c == '\r') {
            if (c == '\r' && i + 1 < csv.size() && csv[i + 1] == '\n') ++i;
            record.hasError = record.fieldBytes.back() > 0;
            records.push_back(record);
            record = {};
        } else {
            ++record.fieldBytes.back();
        }
    }
    if (quoted || record.fieldBytes != std::vector<std::size_t>{0}) {
        Fail("output ends inside a record");
    }
    return records;
}

std::size_t CountLines(const std::string& text) {
    std::size_t lines = 0;
    for (const char c : text) lines += c == '\n' ? 1 : 0;
    if (!text.empty() && !text.ends_with('\n')) Fail("message without a line end");
    return lines;
}

// The records the reader finds after the header.
std::size_t CountRecords(std::string_view csv, std::size_t bufferBytes) {
    std::istringstream in{std::string(csv)};
    CsvReader reader(in, bufferBytes);
    CsvRecordBatch batch;
    std::size_t records = 0;
    while (reader.ReadRecord(batch)) {
        ++records;
        batch.Clear();
    }
    return records == 0 ? 0 : records - 1;
}

// The batch as the command line and the page drive it, a chunk at a time; the summary of every
// chunk in `summary`.
std::string RunBatch(CsvReader& reader, const BatchLayout& layout, std::size_t chunkRecords,
                     std::string& messages, BatchSummary& summary) {
    ByteBuffer out;
    WriteOutputStart(reader, layout, out);
    std::string csv(out.View());
    BatchChunk chunk;
    RowScratch scratch;
    for (;;) {
        chunk.Clear();
        while (!chunk.Full(chunkRecords) && reader.ReadRecord(chunk.records)) {
        }
        if (chunk.records.empty()) return csv;
        ProcessChunk(DefaultTableSet(), layout, reader.FirstLineEnd(), "", RowFigures::kSummed,
                     chunk, scratch);
        csv += chunk.out.View();
        messages += chunk.messages;
        summary.Add(chunk.summary);
    }
}

// The batch as the command line drives it: blocks of whole records as written, each parsed by a
// reader of its own, and a record too long for the buffer parsed by the reading one.
std::string RunBatchInBlocks(CsvReader& reader, const BatchLayout& layout,
                             std::size_t blockLineEnds, std::string& messages,
                             BatchSummary& summary) {
    ByteBuffer out;
    WriteOutputStart(reader, layout, out);
    std::string csv(out.View());
    BatchChunk chunk;
    RowScratch scratch;
    for (;;) {
        chunk.Clear();
        const auto end = reader.ReadBlock(chunk.block, blockLineEnds, blockLineEnds * 5, true);
        if (end == CsvReader::BlockEnd::kLongRecord) reader.ReadRecord(chunk.records);
        if (chunk.block.Empty() && chunk.records.empty()) return csv;
        ProcessBlock(DefaultTableSet(), layout, reader.FirstLineEnd(), "", RowFigures::kSummed,
                     chunk, scratch);
        csv += chunk.out.View();
        messages += chunk.messages;
        summary.Add(chunk.summary);
    }
}

void CheckBatch(std::string_view csv, std::size_t bufferBytes, std::size_t chunkRecords) {
    std::istringstream in{std::string(csv)};
    CsvReader reader(in, bufferBytes);
    std::string problem;
    const auto layout = ReadBatchHeader(reader, problem);
    if (!layout) {
        if (problem.empty() || problem.find('\n') != std::string::npos) {
            Fail("refused input with the message: ", problem);
        }
        return;
    }
    std::string messages;
    BatchSummary summary;
    const std::string out = RunBatch(reader, *layout, chunkRecords, messages, summary);

    const auto records = ParseOutput(out);
    const std::size_t expected = CountRecords(csv, bufferBytes);
    if (records.size() != expected + 1) {
        Fail(expected, " records in, ", records.size(), " out, with the header");
    }
    const std::size_t width = records[0].fieldBytes.size();
    if (width < kResultBoxes.size() + 1) Fail("a header of ", width, " columns");
    std::size_t bad = 0;
    for (std::size_t r = 1; r < records.size(); ++r) {
        const auto& record = records[r];
        if (record.fieldBytes.size() != width) Fail("records of different widths");
        bad += record.hasError ? 1 : 0;
        // A box shows at least "0": empty only where the row could not be calculated.
        for (std::size_t b = width - 1 - kResultBoxes.size(); b < width - 1; ++b) {
            if ((record.fieldBytes[b] == 0) != record.hasError) {
                Fail("record ", r, ": result column ", b + 1, " is ",
                     record.hasError ? "filled despite an error" : "empty without an error");
            }
        }
    }
    if (CountLines(messages) != bad) Fail(bad, " bad rows, messages: ", messages);
    if (summary.Rows() != expected || summary.BadRows() != bad) {
        Fail("a summary of ", summary.Rows(), " rows, ", summary.BadRows(), " bad, for ", expected,
             " rows, ", bad, " bad");
    }
    // Cut into blocks, the same bytes out, the same messages, the same summary.
    std::istringstream again{std::string(csv)};
    CsvReader blockReader(again, bufferBytes);
    std::string blockProblem;
    const auto blockLayout = ReadBatchHeader(blockReader, blockProblem);
    std::string blockMessages;
    BatchSummary blockSummary;
    if (!blockLayout || RunBatchInBlocks(blockReader, *blockLayout, chunkRecords, blockMessages,
                                         blockSummary) != out) {
        Fail("blocks give another output");
    }
    if (blockMessages != messages) Fail("blocks give other messages: ", blockMessages);
    if (blockSummary.Rows() != summary.Rows() || blockSummary.BadRows() != bad) {
        Fail("blocks give another summary");
    }
}

}  // namespace
}  // namespace isr::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    isr::fuzz::ByteReader input(data, size);
    const std::size_t bufferBytes = 1 + input.Byte();
    const std::size_t chunkRecords = 1 + input.Byte() % 8;
    isr::fuzz::CheckBatch(input.Bytes(size), bufferBytes, chunkRecords);
    return 0;
}
