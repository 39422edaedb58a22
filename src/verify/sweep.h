// SPDX-License-Identifier: MIT
// Runs a calculation for every cent of a range of bases and compares each box text with the exact
// computation, spread over the workers of a pool.
#pragma once

#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tariffs/table_set.h"

namespace isr::verify {

// The texts of the nine result boxes, in the window's order.
using BoxTexts = std::array<std::string, 9>;

// A calculation as the window runs it: the entry texts in, the box texts out.
using Calculator =
    std::function<void(const TableSet& tables, Period period, std::string_view baseText,
                       std::string_view subsidySumText, BoxTexts& boxes)>;

// The program's own calculation: what the window shows after a click on "&Calcular".
void ProgramCalculation(const TableSet& tables, Period period, std::string_view baseText,
                        std::string_view subsidySumText, BoxTexts& boxes);

// One period of one table set with one subsidy sum, over the bases 0.00 to lastBaseCents.
struct Job {
    const TableSet* tables;
    Period period;
    std::int64_t subsidySumCents;
    std::int64_t lastBaseCents;
};

// Every period from 0.00 to ten thousand above its last bracket's lower limit, or only `period`
// when given; "Anual" once more for each of a few subsidy sums.
std::vector<Job> PlanJobs(const TableSet& tables, std::optional<Period> period);

// "programa, Mensual", or "programa, Anual, subsidy sum 1,234.56" for the extra annual runs.
std::string JobLabel(const Job& job);

// How many bases a job checks: 0.00 and every stride-th cent after it, up to its last base.
std::int64_t BasesToCheck(const Job& job, std::int64_t stride);

// Bases (of the stride) per chunk: the workers take chunks in turn, so that all stay busy to the
// end.
inline constexpr std::int64_t kChunk = 1 << 16;

// Runs `work(chunk)` for every chunk from 0 to `chunks` - 1 on `threads` workers (one at least),
// calling `progress` from the calling thread every `every` until all are done.
void OverChunks(std::int64_t chunks, unsigned threads, std::chrono::milliseconds every,
                const std::function<void(std::int64_t chunk)>& work,
                const std::function<void()>& progress);

struct Mismatch {
    std::int64_t baseCents;
    std::string box;  // "txtISR08(4)"
    std::string program;
    std::string exact;
};

struct SweepHooks {
    // Called for every mismatch, one call at a time, from any of the workers.
    std::function<void(const Mismatch&)> onMismatch;
    // Called from the calling thread every `progressEvery` while the job runs.
    std::function<void(std::int64_t checked)> onProgress;
    std::chrono::milliseconds progressEvery{5000};
};

struct SweepCount {
    std::int64_t checked = 0;
    std::int64_t mismatches = 0;
};

// What the workers of a sweep have found so far: each chunk adds the points it checked, and hands
// its mismatches to the hook, one chunk's at a time.
class SweepTally {
  public:
    template <class Found>
    void ChunkDone(std::int64_t checked, const std::vector<Found>& found,
                   const std::function<void(const Found&)>& onMismatch) {
        checked_.fetch_add(checked);
        if (found.empty()) return;
        mismatches_.fetch_add(static_cast<std::int64_t>(found.size()));
        const std::scoped_lock lock(mutex_);
        for (const auto& m : found) onMismatch(m);
    }
    std::int64_t Checked() const { return checked_.load(); }
    SweepCount Count() const { return {checked_.load(), mismatches_.load()}; }

  private:
    std::atomic<std::int64_t> checked_{0};
    std::atomic<std::int64_t> mismatches_{0};
    std::mutex mutex_;
};

SweepCount Sweep(const Job& job, std::int64_t stride, unsigned threads, const Calculator& calculate,
                 const SweepHooks& hooks);

}  // namespace isr::verify
