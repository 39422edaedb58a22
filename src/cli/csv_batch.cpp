// SPDX-License-Identifier: MIT
#include "cli/csv_batch.h"

#include <algorithm>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "cli/batch_row.h"
#include "cli/csv_writer.h"
#include "cli/descriptor_output.h"
#include "cli/exit_status.h"
#include "cli/system_error_text.h"
#include "parallel/worker_pool.h"

namespace isr::cli {

namespace {

// A chunk also ends once its records take this much memory, so that long pass-through fields,
// or rows of empty fields, stay bounded too.
constexpr std::size_t kChunkBytes = std::size_t{1} << 20;

struct Chunk {
    CsvRecordBatch records;
    ByteBuffer out;
    std::string errors;
    std::uint64_t badRows = 0;
};

// Calculates and formats every record of a chunk, with the worker's own scratch space.
void Process(const TableSet& tables, const BatchLayout& layout, std::string_view lineEnd,
             Chunk& chunk, RowScratch& scratch) {
    CsvRecordWriter writer(chunk.out, lineEnd);
    for (std::size_t i = 0; i < chunk.records.size(); ++i) {
        if (WriteBatchRow(tables, layout, chunk.records, chunk.records[i], scratch, writer)) {
            continue;
        }
        ++chunk.badRows;
        chunk.errors += "isr2016-cli: ";
        chunk.errors += scratch.message;
        chunk.errors += '\n';
    }
}

}  // namespace

std::optional<BatchLayout> ReadBatchHeader(CsvReader& reader, std::ostream& err) {
    CsvRecordBatch header;
    std::string problem;
    std::optional<BatchLayout> layout;
    if (reader.ReadRecord(header)) {
        layout = LayoutFromHeader(header, header[0], problem);
    } else {
        problem = reader.Failed() ? "no se pudo leer la entrada"
                                  : "la entrada está vacía: falta el encabezado";
        if (reader.Error() != 0) problem += ": " + SystemErrorText(reader.Error());
    }
    if (!layout) err << "isr2016-cli: " << problem << '\n';
    return layout;
}

int RunBatch(CsvReader& reader, const BatchLayout& layout, std::ostream& out, std::ostream& err,
             const BatchOptions& options) {
    // The output keeps the input's byte order mark and line ends, for the program that made it.
    const auto lineEnd = reader.FirstLineEnd();
    ByteBuffer header;
    if (reader.HadByteOrderMark()) header.Append("\xEF\xBB\xBF", 3);
    CsvRecordWriter headerWriter(header, lineEnd);
    WriteBatchHeader(layout, headerWriter);
    out.write(header.Data(), static_cast<std::streamsize>(header.Size()));

    std::vector<RowScratch> scratch(std::max(1U, options.workers));
    // Enough chunks for every worker to have one in hand and one waiting while the oldest is
    // written.
    const std::size_t ring = options.workers == 0 ? 1 : 2 * std::size_t{options.workers} + 2;
    std::vector<Chunk> chunks(ring);
    std::vector<PoolJob> jobs;
    jobs.reserve(ring);
    for (Chunk& chunk : chunks) {
        jobs.emplace_back([&, chunk = &chunk](unsigned worker) {
            Process(*options.tables, layout, lineEnd, *chunk, scratch[worker]);
        });
    }
    // Last, so that it joins its threads before anything they use goes away.
    WorkerPool pool(options.workers);
    std::uint64_t submitted = 0;
    std::uint64_t written = 0;
    std::uint64_t rows = 0;
    std::uint64_t badRows = 0;
    const auto writeOldest = [&] {
        const Chunk& chunk = chunks[written % ring];
        pool.Wait(jobs[written % ring]);
        if (!chunk.errors.empty()) {
            if (options.progress) options.progress->Hide();
            err.write(chunk.errors.data(), static_cast<std::streamsize>(chunk.errors.size()));
        }
        out.write(chunk.out.Data(), static_cast<std::streamsize>(chunk.out.Size()));
        rows += chunk.records.size();
        badRows += chunk.badRows;
        ++written;
        if (options.progress) options.progress->Update(rows);
    };

    const auto chunkRecords = std::max<std::size_t>(options.chunkRecords, 1);
    // Before the reading thread waits for a slow writer, every row read so far is written out.
    const auto finishAll = [&] {
        while (written < submitted) writeOldest();
        out.flush();
    };
    while (out) {
        if (submitted - written == ring) writeOldest();
        Chunk& chunk = chunks[submitted % ring];
        chunk.records.Clear();
        chunk.out.Clear();
        chunk.errors.clear();
        chunk.badRows = 0;
        bool waiting = false;
        while (chunk.records.size() < chunkRecords && chunk.records.Bytes() < kChunkBytes) {
            if (reader.WouldWait()) {
                waiting = !chunk.records.empty();
                if (waiting) break;
                finishAll();
            }
            if (!reader.ReadRecord(chunk.records)) break;
        }
        if (chunk.records.empty()) break;
        pool.Submit(jobs[submitted % ring]);
        ++submitted;
        if (waiting) finishAll();
        while (written < submitted && pool.Done(jobs[written % ring])) writeOldest();
    }
    while (written < submitted) writeOldest();
    out.flush();
    if (options.progress) options.progress->Finish(rows);

    if (reader.Failed()) {
        err << "isr2016-cli: no se pudo leer la entrada hasta el final";
        if (reader.Error() != 0) err << ": " << SystemErrorText(reader.Error());
        err << '\n';
        return kExitUsage;
    }
    if (!out) {
        err << "isr2016-cli: " << WriteFailure(out) << '\n';
        return kExitUsage;
    }
    return badRows == 0 ? kExitOk : kExitBadRows;
}

}  // namespace isr::cli
