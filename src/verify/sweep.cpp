// SPDX-License-Identifier: MIT
#include "verify/sweep.h"

#include <algorithm>
#include <atomic>

#include "calc/entered_calculation.h"
#include "presentation/box_text.h"
#include "oracle/exact_calculation.h"
#include "oracle/rational_amount.h"
#include "parallel/worker_pool.h"

namespace isr::verify {

namespace {

constexpr std::int64_t kRangeAboveLastBracket = 1'000'000;  // 10,000.00

// Sums for the annual runs besides nothing paid: a single cent, an ordinary sum, a large one and
// one above every tax of the range, so that the result crosses zero at different bases or never.
constexpr std::array<std::int64_t, 4> kExtraAnnualSubsidySums = {1, 123'456, 9'999'999,
                                                                 100'000'000};

constexpr std::array<std::string_view, 9> kBoxNames = {
    "txtISR08(0)", "txtISR08(1)", "txtISR08(2)", "txtISR08(3)", "txtISR08(4)",
    "txtSUB08(0)", "txtSUB08(1)", "txtSUB08(2)", "txtRet08(0)",
};

}  // namespace

void ProgramCalculation(const TableSet& tables, Period period, std::string_view baseText,
                        std::string_view subsidySumText, BoxTexts& boxes) {
    const Withholding w = CalculateEntered(tables, period, baseText, subsidySumText);
    for (std::size_t i = 0; i < kResultBoxes.size(); ++i) {
        boxes[i] = BoxText(w, kResultBoxes[i]).View();
    }
}

std::vector<Job> PlanJobs(const TableSet& tables, std::optional<Period> period) {
    const oracle::ExactTables exact(tables.Text());
    std::vector<Job> jobs;
    for (const Period p : kPeriods) {
        if (period && *period != p) continue;
        // The last lower limit in cents, read by the oracle from its text.
        const mpq_class lastLower = exact.Of(p).isr.back().lower * 100;
        const std::int64_t last = mpz_class(lastLower).get_si() + kRangeAboveLastBracket;
        jobs.push_back({&tables, p, 0, last});
        if (!TakesSubsidySum(p)) continue;
        for (const auto sum : kExtraAnnualSubsidySums) jobs.push_back({&tables, p, sum, last});
    }
    return jobs;
}

std::string JobLabel(const Job& job) {
    std::string label(job.tables->Name());
    label += ", ";
    label += PeriodName(job.period);
    if (job.subsidySumCents != 0) {
        label += ", subsidy sum " + oracle::ShownCents(oracle::FromCents(job.subsidySumCents));
    }
    return label;
}

std::int64_t BasesToCheck(const Job& job, std::int64_t stride) {
    return job.lastBaseCents / stride + 1;
}

void OverChunks(std::int64_t chunks, unsigned threads, std::chrono::milliseconds every,
                const std::function<void(std::int64_t chunk)>& work,
                const std::function<void()>& progress) {
    std::atomic<std::int64_t> next{0};
    const auto run = [&](unsigned) {
        for (std::int64_t c = next.fetch_add(1); c < chunks; c = next.fetch_add(1)) work(c);
    };
    std::vector<PoolJob> jobs(std::max(threads, 1U), PoolJob(run));
    WorkerPool pool(std::max(threads, 1U));
    for (auto& j : jobs) pool.Submit(j);
    for (const auto& j : jobs) {
        while (!pool.WaitFor(j, every)) progress();
    }
}

SweepCount Sweep(const Job& job, std::int64_t stride, unsigned threads, const Calculator& calculate,
                 const SweepHooks& hooks) {
    const oracle::ExactTables exact(job.tables->Text());
    const std::int64_t total = BasesToCheck(job, stride);
    const mpq_class subsidySum = oracle::FromCents(job.subsidySumCents);
    const std::string subsidySumText = oracle::ShownCents(subsidySum);
    SweepTally tally;

    const auto work = [&](std::int64_t chunk) {
        const std::int64_t first = chunk * kChunk;
        const std::int64_t end = std::min(total, first + kChunk);
        BoxTexts program;
        std::vector<Mismatch> found;
        for (std::int64_t i = first; i < end; ++i) {
            const std::int64_t base = i * stride;
            const mpq_class exactBase = oracle::FromCents(base);
            calculate(*job.tables, job.period, oracle::ShownCents(exactBase), subsidySumText,
                      program);
            const auto expected = oracle::ExactCalculate(exact, job.period, exactBase, subsidySum);
            for (std::size_t b = 0; b < program.size(); ++b) {
                if (program[b] != expected[b]) {
                    found.push_back({base, std::string(kBoxNames[b]), program[b], expected[b]});
                }
            }
        }
        tally.ChunkDone(end - first, found, hooks.onMismatch);
    };
    OverChunks((total + kChunk - 1) / kChunk, threads, hooks.progressEvery, work,
               [&] { hooks.onProgress(tally.Checked()); });
    return tally.Count();
}

}  // namespace isr::verify
