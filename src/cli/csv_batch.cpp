// SPDX-License-Identifier: MIT
#include "cli/csv_batch.h"

#include <algorithm>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "batch/batch_chunk.h"
#include "cli/descriptor_output.h"
#include "cli/diagnostics.h"
#include "cli/exit_status.h"
#include "cli/system_error_text.h"
#include "parallel/worker_pool.h"

namespace isr::cli {

std::optional<BatchLayout> ReadBatchHeader(CsvReader& reader, std::ostream& err) {
    std::string problem;
    auto layout = isr::ReadBatchHeader(reader, problem);
    if (!layout) {
        if (reader.Error() != 0) problem += ": " + SystemErrorText(reader.Error());
        Message(err) << problem << '\n';
    }
    return layout;
}

int RunBatch(CsvReader& reader, const BatchLayout& layout, std::ostream& out, std::ostream& err,
             const BatchOptions& options) {
    // The output keeps the input's byte order mark and line ends, for the program that made it.
    const auto lineEnd = reader.FirstLineEnd();
    ByteBuffer header;
    WriteOutputStart(reader, layout, header);
    out.write(header.Data(), static_cast<std::streamsize>(header.Size()));

    std::vector<RowScratch> scratch(std::max(1U, options.workers));
    // Enough chunks for every worker to have one in hand while the oldest is written and the
    // next read: with blocks of thousands of rows, more only hold more memory.
    const std::size_t ring = options.workers == 0 ? 1 : std::size_t{options.workers} + 2;
    std::vector<BatchChunk> chunks(ring);
    std::vector<PoolJob> jobs;
    jobs.reserve(ring);
    const auto figures = options.summary ? RowFigures::kSummed : RowFigures::kCounted;
    for (BatchChunk& chunk : chunks) {
        jobs.emplace_back([&, chunk = &chunk](unsigned worker) {
            ProcessBlock(*options.tables, layout, lineEnd, kMessagePrefix, figures, *chunk,
                         scratch[worker]);
        });
    }
    // Last, so that it joins its threads before anything they use goes away.
    WorkerPool pool(options.workers);
    std::uint64_t submitted = 0;
    std::uint64_t written = 0;
    BatchSummary summary;
    const auto writeOldest = [&] {
        const BatchChunk& chunk = chunks[written % ring];
        pool.Wait(jobs[written % ring]);
        if (!chunk.messages.empty()) {
            if (options.progress) options.progress->Hide();
            err.write(chunk.messages.data(), static_cast<std::streamsize>(chunk.messages.size()));
        }
        out.write(chunk.out.Data(), static_cast<std::streamsize>(chunk.out.Size()));
        summary.Add(chunk.summary);
        ++written;
        if (options.progress) options.progress->Update(summary.Rows());
    };

    const auto chunkLineEnds = std::max<std::size_t>(options.chunkRecords, 1);
    // Before the reading thread waits for a slow writer, every row read so far is written out.
    const auto finishAll = [&] {
        while (written < submitted) writeOldest();
        out.flush();
    };
    using BlockEnd = CsvReader::BlockEnd;
    // With the ring full, the reading thread waits for half of it at once rather than wake for
    // every chunk; the workers have the other half to go on with meanwhile.
    const std::size_t waitedTogether = std::max<std::size_t>(ring / 2, 1);
    while (out) {
        if (submitted - written == ring) {
            pool.Wait(jobs[(written + waitedTogether - 1) % ring]);
            while (written < submitted && pool.Done(jobs[written % ring])) writeOldest();
            if (submitted - written == ring) writeOldest();
        }
        BatchChunk& chunk = chunks[submitted % ring];
        chunk.Clear();
        auto end = reader.ReadBlock(chunk.block, chunkLineEnds, BatchChunk::kBlockBytes, false);
        if (end == BlockEnd::kNothingReady) {
            finishAll();
            end = reader.ReadBlock(chunk.block, chunkLineEnds, BatchChunk::kBlockBytes, true);
        }
        // A record longer than the reader's buffer is parsed here, as far as the record limit.
        if (end == BlockEnd::kLongRecord) reader.ReadRecord(chunk.records);
        if (chunk.block.Empty() && chunk.records.empty()) break;
        pool.Submit(jobs[submitted % ring]);
        ++submitted;
        if (end == BlockEnd::kWaiting) finishAll();
        while (written < submitted && pool.Done(jobs[written % ring])) writeOldest();
    }
    while (written < submitted) writeOldest();
    out.flush();
    if (options.progress) options.progress->Finish(summary.Rows());
    if (options.summary) *options.summary = summary;

    if (reader.Failed()) {
        Message(err) << kReadFailure;
        if (reader.Error() != 0) err << ": " << SystemErrorText(reader.Error());
        err << '\n';
        return kExitUsage;
    }
    if (!out) {
        Message(err) << WriteFailure(out) << '\n';
        return kExitUsage;
    }
    return summary.BadRows() == 0 ? kExitOk : kExitBadRows;
}

}  // namespace isr::cli
