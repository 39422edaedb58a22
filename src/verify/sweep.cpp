// SPDX-License-Identifier: MIT
#include "verify/sweep.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "oracle/exact_amount.h"
#include "oracle/exact_calculation.h"
#include "oracle/exact_tables.h"
#include "tariffs/periods.h"

namespace isr::verify {

namespace {

constexpr std::int64_t kRangeAboveLastBracket = 1'000'000;  // 10,000.00

// Sums for the annual runs besides nothing paid: a single cent, an ordinary sum, a large one and
// one above every tax of the range, so that the result crosses zero at different bases or never.
constexpr std::array<std::int64_t, 4> kExtraAnnualSubsidySums = {1, 123'456, 9'999'999,
                                                                 100'000'000};

// Bases are handed out in chunks of this many, so that both threads stay busy to the end.
constexpr std::int64_t kChunk = 1 << 16;

template <std::size_t N>
void CompareArray(std::string_view name, const std::array<std::string, N>& production,
                  const std::array<std::string, N>& exact, std::int64_t base,
                  std::vector<Mismatch>& found) {
    for (std::size_t i = 0; i < N; ++i) {
        if (production[i] != exact[i]) {
            found.push_back(
                {base, std::string(name) + "(" + std::to_string(i) + ")", production[i], exact[i]});
        }
    }
}

void CompareBoxes(const ResultBoxes& production, const oracle::ExactBoxes& exact, std::int64_t base,
                  std::vector<Mismatch>& found) {
    CompareArray("txtISR08", production.txtISR08, exact.txtISR08, base, found);
    CompareArray("txtSUB08", production.txtSUB08, exact.txtSUB08, base, found);
    CompareArray("txtRet08", production.txtRet08, exact.txtRet08, base, found);
}

}  // namespace

std::vector<Job> PlanJobs(std::optional<int> period) {
    std::vector<Job> jobs;
    for (int p = 0; p < static_cast<int>(kPeriodNames.size()); ++p) {
        if (period && *period != p) continue;
        const auto last = oracle::ExactTablesOf(p).isr.back().lower + kRangeAboveLastBracket;
        jobs.push_back({p, 0, last});
        if (p != kAnual) continue;
        for (const auto sum : kExtraAnnualSubsidySums) jobs.push_back({p, sum, last});
    }
    return jobs;
}

std::string JobLabel(const Job& job) {
    std::string label(kPeriodNames.at(static_cast<std::size_t>(job.period)));
    if (job.subsidySumCents != 0) {
        label += ", subsidy sum " + oracle::FormatHundredths(job.subsidySumCents);
    }
    return label;
}

std::int64_t BasesToCheck(const Job& job, std::int64_t stride) {
    return job.lastBaseCents / stride + 1;
}

SweepCount Sweep(const Job& job, std::int64_t stride, unsigned threads, const Calculator& calculate,
                 const SweepHooks& hooks) {
    const std::int64_t total = BasesToCheck(job, stride);
    const std::string pagos = oracle::FormatHundredths(job.subsidySumCents);
    std::atomic<std::int64_t> nextChunk{0};
    std::atomic<std::int64_t> checked{0};
    std::atomic<std::int64_t> mismatches{0};
    std::mutex mutex;  // guards `running` and the mismatch hook
    std::condition_variable finished;
    const unsigned workerCount = std::max(threads, 1U);
    unsigned running = workerCount;

    const auto work = [&] {
        ResultBoxes boxes;
        std::vector<Mismatch> found;
        for (;;) {
            const std::int64_t first = nextChunk.fetch_add(1) * kChunk;
            if (first >= total) break;
            const std::int64_t end = std::min(total, first + kChunk);
            for (std::int64_t i = first; i < end; ++i) {
                const std::int64_t base = i * stride;
                calculate(job.period, oracle::FormatHundredths(base), pagos, boxes);
                CompareBoxes(boxes, oracle::ExactCalculate(job.period, base, job.subsidySumCents),
                             base, found);
            }
            checked.fetch_add(end - first);
            if (!found.empty()) {
                mismatches.fetch_add(static_cast<std::int64_t>(found.size()));
                const std::scoped_lock lock(mutex);
                for (const auto& m : found) hooks.onMismatch(m);
                found.clear();
            }
        }
        const std::scoped_lock lock(mutex);
        if (--running == 0) finished.notify_one();
    };

    std::vector<std::jthread> workers;
    for (unsigned t = 0; t < workerCount; ++t) workers.emplace_back(work);
    {
        std::unique_lock lock(mutex);
        while (!finished.wait_for(lock, hooks.progressEvery, [&] { return running == 0; })) {
            lock.unlock();
            hooks.onProgress(checked.load());
            lock.lock();
        }
    }
    workers.clear();  // joins
    return {checked.load(), mismatches.load()};
}

}  // namespace isr::verify
