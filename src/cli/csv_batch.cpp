// SPDX-License-Identifier: MIT
#include "cli/csv_batch.h"

#include <algorithm>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include "cli/batch_row.h"
#include "cli/csv_writer.h"
#include "cli/exit_status.h"

namespace isr::cli {

namespace {

// A chunk also ends at this much field text, so that long pass-through fields stay bounded too.
constexpr std::size_t kChunkTextBytes = std::size_t{1} << 20;

struct Chunk {
    CsvRecordBatch records;
    std::string out;
    std::string errors;
    std::uint64_t badRows = 0;
    bool done = false;  // under the processor's mutex
};

class ChunkProcessor {
  public:
    ChunkProcessor(const BatchLayout& layout, std::string_view lineEnd, unsigned workers)
        : layout_(layout), lineEnd_(lineEnd) {
        for (unsigned i = 0; i < workers; ++i) threads_.emplace_back([this] { Work(); });
    }

    ~ChunkProcessor() {
        {
            const std::lock_guard lock(mutex_);
            stopping_ = true;
        }
        workReady_.notify_all();
        for (auto& thread : threads_) thread.join();
    }

    ChunkProcessor(const ChunkProcessor&) = delete;
    ChunkProcessor& operator=(const ChunkProcessor&) = delete;

    void Submit(Chunk& chunk) {
        if (threads_.empty()) {
            Process(chunk, scratch_);
            chunk.done = true;
            return;
        }
        {
            const std::lock_guard lock(mutex_);
            queue_.push_back(&chunk);
        }
        workReady_.notify_one();
    }

    bool Done(const Chunk& chunk) {
        const std::lock_guard lock(mutex_);
        return chunk.done;
    }

    void WaitFor(const Chunk& chunk) {
        std::unique_lock lock(mutex_);
        chunkDone_.wait(lock, [&] { return chunk.done; });
    }

  private:
    void Process(Chunk& chunk, RowScratch& scratch) const {
        CsvRecordWriter writer(chunk.out, lineEnd_);
        for (std::size_t i = 0; i < chunk.records.size(); ++i) {
            if (WriteBatchRow(layout_, chunk.records, chunk.records[i], scratch, writer)) continue;
            ++chunk.badRows;
            chunk.errors += "isr2016-cli: ";
            chunk.errors += scratch.message;
            chunk.errors += '\n';
        }
    }

    void Work() {
        RowScratch scratch;
        std::unique_lock lock(mutex_);
        for (;;) {
            workReady_.wait(lock, [&] { return stopping_ || !queue_.empty(); });
            if (queue_.empty()) return;
            Chunk& chunk = *queue_.front();
            queue_.pop_front();
            lock.unlock();
            Process(chunk, scratch);
            lock.lock();
            chunk.done = true;
            chunkDone_.notify_all();
        }
    }

    const BatchLayout& layout_;
    std::string_view lineEnd_;
    RowScratch scratch_;  // for calculating on the reading thread
    std::mutex mutex_;
    std::condition_variable workReady_;
    std::condition_variable chunkDone_;
    std::deque<Chunk*> queue_;
    bool stopping_ = false;
    std::vector<std::thread> threads_;
};

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
    }
    if (!layout) err << "isr2016-cli: " << problem << '\n';
    return layout;
}

int RunBatch(CsvReader& reader, const BatchLayout& layout, std::ostream& out, std::ostream& err,
             const BatchOptions& options) {
    // The output keeps the input's byte order mark and line ends, for the program that made it.
    const auto lineEnd = reader.FirstLineEnd();
    std::string header = reader.HadByteOrderMark() ? "\xEF\xBB\xBF" : "";
    {
        CsvRecordWriter headerWriter(header, lineEnd);
        WriteBatchHeader(layout, headerWriter);
    }
    out.write(header.data(), static_cast<std::streamsize>(header.size()));

    // Enough chunks for every worker to have one in hand and one waiting while the oldest is
    // written.
    const std::size_t ring = options.workers == 0 ? 1 : 2 * std::size_t{options.workers} + 2;
    std::vector<Chunk> chunks(ring);
    ChunkProcessor processor(layout, lineEnd, options.workers);
    std::uint64_t submitted = 0;
    std::uint64_t written = 0;
    std::uint64_t rows = 0;
    std::uint64_t badRows = 0;
    const auto writeOldest = [&] {
        const Chunk& chunk = chunks[written % ring];
        processor.WaitFor(chunk);
        if (!chunk.errors.empty()) {
            if (options.progress) options.progress->Hide();
            err.write(chunk.errors.data(), static_cast<std::streamsize>(chunk.errors.size()));
        }
        out.write(chunk.out.data(), static_cast<std::streamsize>(chunk.out.size()));
        rows += chunk.records.size();
        badRows += chunk.badRows;
        ++written;
        if (options.progress) options.progress->Update(rows);
    };

    const auto chunkRecords = std::max<std::size_t>(options.chunkRecords, 1);
    while (out) {
        if (submitted - written == ring) writeOldest();
        Chunk& chunk = chunks[submitted % ring];
        chunk.records.Clear();
        chunk.out.clear();
        chunk.errors.clear();
        chunk.badRows = 0;
        chunk.done = false;
        while (chunk.records.size() < chunkRecords && chunk.records.TextBytes() < kChunkTextBytes &&
               reader.ReadRecord(chunk.records)) {
        }
        if (chunk.records.empty()) break;
        processor.Submit(chunk);
        ++submitted;
        while (written < submitted && processor.Done(chunks[written % ring])) writeOldest();
    }
    while (written < submitted) writeOldest();
    out.flush();
    if (options.progress) options.progress->Finish(rows);

    if (reader.Failed()) {
        err << "isr2016-cli: no se pudo leer la entrada hasta el final\n";
        return kExitUsage;
    }
    if (!out) {
        err << "isr2016-cli: no se pudo escribir la salida\n";
        return kExitUsage;
    }
    return badRows == 0 ? kExitOk : kExitBadRows;
}

}  // namespace isr::cli
