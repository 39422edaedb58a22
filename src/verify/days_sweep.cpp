// SPDX-License-Identifier: MIT
#include "verify/days_sweep.h"

#include <algorithm>
#include <string_view>
#include <variant>

#include "presentation/box_text.h"
#include "oracle/exact_days_paid.h"
#include "oracle/rational_amount.h"

namespace isr::verify {

namespace {

constexpr std::int64_t kRangeAboveLastRow = 1'000'000;  // 10,000.00

// Days through the month: below a day, the days of each short period, a quincena of 15.2 days,
// a month, one of 31 days, an odd thousandth, a leap year.
constexpr std::int32_t kMensualThousandths[] = {500,    1'000,  7'000,  10'000, 14'000, 15'000,
                                                15'200, 16'000, 30'400, 31'000, 45'625, 366'000};

constexpr std::array<std::string_view, 13> kFigureNames = {
    "txtISR08(0)", "txtISR08(1)",      "txtISR08(2)",        "txtISR08(3)", "txtISR08(4)",
    "txtSUB08(0)", "txtSUB08(1)",      "txtSUB08(2)",        "txtRet08(0)", "ingreso_mensual",
    "isr_periodo", "subsidio_periodo", "procedimiento_2016",
};

mpq_class ExactDays(DaysPaid days) {
    mpq_class exact(days.thousandths, kThousandthsPerDay);
    exact.canonicalize();
    return exact;
}

std::string DaysText(DaysPaid days) {
    std::string text = std::to_string(days.thousandths / kThousandthsPerDay);
    std::int32_t rest = days.thousandths % kThousandthsPerDay;
    if (rest == 0) return text;
    std::string decimals = std::to_string(kThousandthsPerDay + rest).substr(1);
    while (decimals.back() == '0') decimals.pop_back();
    return text + "." + decimals;
}

}  // namespace

void ProgramDaysPaid(const TableSet& tables, DaysMethod method, DaysPaid days, Cents base,
                     DaysTexts& texts) {
    const auto outcome = CalculateDaysPaid(tables, days, method, base);
    const auto* r = std::get_if<DaysPaidResult>(&outcome);
    if (r == nullptr) {
        texts.fill("refused");
        return;
    }
    for (std::size_t i = 0; i < kResultBoxes.size(); ++i) {
        texts[i] = BoxText(r->withholding, kResultBoxes[i]).View();
    }
    texts[9] = r->monthlyBase ? AmountText(*r->monthlyBase).String() : std::string();
    texts[10] = AmountText(r->periodTax).View();
    texts[11] = AmountText(r->periodSubsidy).View();
    texts[12] = AmountText(r->result).View();
}

std::vector<DaysJob> PlanDaysJobs(const TableSet& tables) {
    const oracle::ExactTables exact(tables.Text());
    const auto lastCents = [](const mpq_class& lower) {
        return mpz_class(lower * 100).get_si() + kRangeAboveLastRow;
    };
    std::vector<DaysJob> jobs;
    for (int days = 1; tables.HasDailyTables() && days <= 31; ++days) {
        const auto n = oracle::ExactTablesForDays(exact, days);
        jobs.push_back({&tables,
                        DaysMethod::kTabla,
                        {days * kThousandthsPerDay},
                        lastCents(n->isr.back().lower)});
    }
    const std::int64_t monthlyLast = lastCents(exact.Of(Period::kMensual).isr.back().lower);
    for (const std::int32_t n : kMensualThousandths) {
        // The base whose monthly base is the monthly range's last, rounded up.
        const mpz_class last =
            (mpz_class(monthlyLast) * n + kMonthThousandths - 1) / mpz_class(kMonthThousandths);
        jobs.push_back({&tables, DaysMethod::kMensual, {n}, last.get_si()});
    }
    return jobs;
}

std::string DaysJobLabel(const DaysJob& job) {
    return std::string(job.tables->Name()) +
           (job.method == DaysMethod::kTabla ? ", tabla, " : ", mensual, ") + DaysText(job.days) +
           " días";
}

SweepCount DaysSweep(const DaysJob& job, std::int64_t stride, unsigned threads,
                     const DaysCalculator& calculate,
                     const std::function<void(const DaysMismatch&)>& onMismatch,
                     const std::function<void(std::int64_t checked)>& onProgress,
                     std::chrono::milliseconds progressEvery) {
    const oracle::ExactTables exact(job.tables->Text());
    const bool mensual = job.method == DaysMethod::kMensual;
    const mpq_class days = ExactDays(job.days);
    const std::int64_t total = job.lastBaseCents / stride + 1;
    SweepTally tally;
    const auto work = [&](std::int64_t chunk) {
        const std::int64_t first = chunk * kChunk;
        const std::int64_t end = std::min(total, first + kChunk);
        DaysTexts program;
        std::vector<DaysMismatch> found;
        for (std::int64_t i = first; i < end; ++i) {
            const std::int64_t base = i * stride;
            calculate(*job.tables, job.method, job.days, *Cents::FromCount(base), program);
            const auto expected =
                oracle::ExactDaysPaid(exact, mensual, days, oracle::FromCents(base));
            for (std::size_t f = 0; f < program.size(); ++f) {
                const std::string want = expected ? (*expected)[f] : "refused";
                if (program[f] != want) {
                    found.push_back({base, std::string(kFigureNames[f]), program[f], want});
                }
            }
        }
        tally.ChunkDone(end - first, found, onMismatch);
    };
    OverChunks((total + kChunk - 1) / kChunk, threads, progressEvery, work,
               [&] { onProgress(tally.Checked()); });
    return tally.Count();
}

}  // namespace isr::verify
