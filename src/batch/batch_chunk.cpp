// SPDX-License-Identifier: MIT
#include "batch/batch_chunk.h"

#include <variant>

#include "batch/csv_writer.h"
#include "batch/days_batch.h"
#include "batch/payment_batch.h"

namespace isr {

void BatchChunk::Clear() {
    block.Clear();
    records.Clear();
    out.Clear();
    messages.clear();
    summary.Clear();
}

std::optional<BatchLayout> ReadBatchHeader(CsvReader& reader, std::string& problem) {
    CsvRecordBatch header;
    if (reader.ReadRecord(header, CsvReader::AfterLongRecord::kStop)) {
        return BatchLayoutOfHeader(reader, header, problem);
    }
    problem = HeaderProblem(reader);
    return std::nullopt;
}

std::optional<BatchLayout> BatchLayoutOfHeader(const CsvReader& reader,
                                               const CsvRecordBatch& header, std::string& problem) {
    auto layout = LayoutFromHeader(header, header[0], problem);
    if (layout) layout->separator = reader.Separator();
    if (layout && NamesAnOutputColumn(*layout, problem)) return std::nullopt;
    return layout;
}

std::string HeaderProblem(const CsvReader& reader) {
    return reader.Failed() ? "no se pudo leer la entrada"
                           : "la entrada está vacía: falta el encabezado";
}

void WriteOutputStart(const CsvReader& reader, const BatchLayout& layout, ByteBuffer& out) {
    if (reader.HadByteOrderMark()) out.Append("\xEF\xBB\xBF", 3);
    CsvRecordWriter writer(out, reader.FirstLineEnd(), layout.separator);
    WriteBatchHeader(layout, writer);
}

void ProcessChunk(const TableSet& tables, const BatchLayout& layout, std::string_view lineEnd,
                  std::string_view messagePrefix, RowFigures figures, BatchChunk& chunk,
                  RowScratch& scratch) {
    CsvRecordWriter writer(chunk.out, lineEnd, layout.separator);
    std::uint64_t countedRows = 0;
    // The row kind is told once a chunk: its rows are written by its own writer, called directly.
    std::visit(
        [&](const auto& columns) {
            for (std::size_t i = 0; i < chunk.records.size(); ++i) {
                if (WriteRow(tables, layout, columns, chunk.records, chunk.records[i], scratch,
                             writer)) {
                    if (figures == RowFigures::kSummed) {
                        chunk.summary.AddGoodRow(scratch.totals);
                    } else {
                        ++countedRows;
                    }
                    continue;
                }
                chunk.summary.AddBadRow(scratch.message);
                chunk.messages += messagePrefix;
                chunk.messages += scratch.message;
                chunk.messages += '\n';
            }
        },
        layout.columns);
    chunk.summary.CountGoodRows(countedRows);
}

void ProcessBlock(const TableSet& tables, const BatchLayout& layout, std::string_view lineEnd,
                  std::string_view messagePrefix, RowFigures figures, BatchChunk& chunk,
                  RowScratch& scratch) {
    if (!chunk.records.empty()) {
        ProcessChunk(tables, layout, lineEnd, messagePrefix, figures, chunk, scratch);
    }
    // Parsed a chunk's worth at a time: a block of empty fields parses into far more memory
    // than it takes as text.
    CsvReader reader(chunk.block, layout.separator);
    for (;;) {
        chunk.records.Clear();
        while (!chunk.Full() && reader.ReadRecord(chunk.records)) {
        }
        if (chunk.records.empty()) return;
        ProcessChunk(tables, layout, lineEnd, messagePrefix, figures, chunk, scratch);
    }
}

}  // namespace isr
