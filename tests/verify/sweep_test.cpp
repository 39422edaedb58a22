// SPDX-License-Identifier: MIT
#include "verify/sweep.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <mutex>
#include <set>
#include <sstream>

#include "calc/entered_calculation.h"
#include "presentation/box_text.h"
#include "oracle/exact_calculation.h"
#include "oracle/rational_amount.h"
#include "tariffs/anexo8_tables.h"
#include "tariffs/table_sets.h"
#include "verify/run.h"

namespace isr::verify {
namespace {

SweepHooks Collect(std::vector<Mismatch>& found) {
    SweepHooks hooks;
    hooks.onMismatch = [&found](const Mismatch& m) { found.push_back(m); };
    hooks.onProgress = [](std::int64_t) {};
    return hooks;
}

TEST(Sweep, EveryBaseOfTheStrideOnceAcrossWorkers) {
    // More bases than one chunk, so both workers take several. The boxes come from the exact
    // calculation itself: this is about which bases are run, and it keeps the test quick.
    const Job job{&DefaultTableSet(), Period::kSemanal, 0, 400'000};
    const std::int64_t stride = 3;
    const oracle::ExactTables exact(DefaultTableSet().Text());
    std::mutex mutex;
    std::multiset<std::string> seen;
    const Calculator recording = [&](const TableSet&, Period period, std::string_view base,
                                     std::string_view subsidySum, BoxTexts& boxes) {
        boxes = oracle::ExactCalculate(exact, period, *oracle::TypedDecimal(base),
                                       *oracle::TypedDecimal(subsidySum));
        const std::scoped_lock lock(mutex);
        seen.emplace(base);
    };
    std::vector<Mismatch> found;
    const auto count = Sweep(job, stride, 2, recording, Collect(found));

    std::multiset<std::string> expected;
    for (std::int64_t base = 0; base <= job.lastBaseCents; base += stride) {
        expected.insert(oracle::ShownCents(oracle::FromCents(base)));
    }
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(count.checked, static_cast<std::int64_t>(expected.size()));
    EXPECT_EQ(count.checked, BasesToCheck(job, stride));
    EXPECT_EQ(count.mismatches, 0);
    EXPECT_TRUE(found.empty());
}

void ShowBoxes(const Withholding& w, BoxTexts& boxes) {
    for (std::size_t i = 0; i < kResultBoxes.size(); ++i) {
        boxes[i] = BoxText(w, kResultBoxes[i]).View();
    }
}

// The tax with the cents of excess x rate cut off rather than rounded.
void TruncatedTax(const TableSet& tables, Period period, std::string_view base,
                  std::string_view subsidySum, BoxTexts& boxes) {
    Withholding w = CalculateEntered(tables, period, base, subsidySum);
    if (w.isr) {
        const Cents product = *Cents::FromCount(w.isr->excess.Count() * w.isr->rate.Hundredths() /
                                                10'000);  // hundredths of a percent of cents
        const Cents tax = product + w.isr->fixedFee;
        w.result = *w.result + (tax - w.determinedTax);
        w.determinedTax = tax;
    }
    ShowBoxes(w, boxes);
}

void SubsidySumIgnored(const TableSet& tables, Period period, std::string_view base,
                       std::string_view, BoxTexts& boxes) {
    ProgramCalculation(tables, period, base, "0", boxes);
}

void ClearedToTwoDecimals(const TableSet& tables, Period period, std::string_view base,
                          std::string_view subsidySum, BoxTexts& boxes) {
    ProgramCalculation(tables, period, base, subsidySum, boxes);
    for (std::size_t i = 0; i + 1 < boxes.size(); ++i) {
        if (boxes[i] == "0") boxes[i] = "0.00";
    }
}

TEST(Sweep, ReportsEachFaultyBoxWithBothTexts) {
    struct Case {
        std::string name;
        Calculator calculate;
        Job job;
        std::int64_t stride;
        std::vector<std::string> expected;  // "base box program exact"
    };
    const TableSet* tables = &DefaultTableSet();
    const Case cases[] = {
        {"half cent of tax truncated",
         TruncatedTax,
         {tables, Period::kMensual, 0, 8'333'359},
         8'333'359,  // bases 0.00 and 83,333.59
         {"8333359 txtISR08(4) 21,737.65 21,737.66", "8333359 txtRet08(0) 21,737.65 21,737.66"}},
        {"annual sum not subtracted",
         SubsidySumIgnored,
         {tables, Period::kAnual, 123'456, 200'000},
         100'000,
         {"0 txtRet08(0) 0.00 -1,234.56", "100000 txtRet08(0) 19.20 -1,215.36",
          "200000 txtRet08(0) 38.40 -1,196.16"}},
        {"unwritten boxes not left at a bare zero",
         ClearedToTwoDecimals,
         {tables, Period::kSemanal, 0, 100},
         100,
         {"0 txtISR08(0) 0.00 0", "0 txtISR08(1) 0.00 0", "0 txtISR08(2) 0.00 0",
          "0 txtISR08(3) 0.00 0", "0 txtSUB08(0) 0.00 0", "0 txtSUB08(1) 0.00 0",
          "0 txtSUB08(2) 0.00 0"}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<Mismatch> found;
        const auto count = Sweep(c.job, c.stride, 2, c.calculate, Collect(found));
        std::vector<std::string> reported;
        for (const auto& m : found) {
            reported.push_back(std::to_string(m.baseCents) + " " + m.box + " " + m.program + " " +
                               m.exact);
        }
        std::ranges::sort(reported);
        EXPECT_EQ(reported, c.expected);
        EXPECT_EQ(count.mismatches, static_cast<std::int64_t>(c.expected.size()));
    }
}

TEST(PlanJobs, RangesEndTenThousandAboveTheLastBracket) {
    const auto all = PlanJobs(DefaultTableSet(), std::nullopt);
    ASSERT_FALSE(all.empty());
    EXPECT_EQ(all.front().lastBaseCents, 26'000'001);  // "Mensual": 250,000.01 + 10,000.00
    const auto annual = PlanJobs(DefaultTableSet(), Period::kAnual);
    ASSERT_GT(annual.size(), 1U);
    for (const auto& job : annual) {
        EXPECT_EQ(job.period, Period::kAnual);
        EXPECT_EQ(job.lastBaseCents, 301'000'001);
    }
    EXPECT_EQ(JobLabel(annual[1]), "anexo8, Anual, subsidy sum 0.01");
    EXPECT_EQ(JobLabel(PlanJobs(kAnexo8Tables, Period::kSemanal).front()), "anexo8, Semanal");
    EXPECT_EQ(all.size(), kPeriodCount + annual.size() - 1);
}

std::string LastLine(std::string_view text) {
    if (text.ends_with('\n')) text.remove_suffix(1);
    const auto newline = text.rfind('\n');
    return std::string(newline == std::string_view::npos ? text : text.substr(newline + 1));
}

TEST(VerifyRun, LastLineCountsAndStatusTellsTheOutcome) {
    struct Case {
        std::vector<std::string_view> args;
        Calculator calculate;
        int status;
        std::string lastLine;
    };
    const Case cases[] = {
        {{"--period", "semanal", "--stride", "1000", "--texts", "100"},
         ProgramCalculation,
         kExitAgree,
         "checked 6757 bases, 0 mismatches"},
        // Four bases in each of the five annual runs; all but the first have a sum to subtract.
        {{"--period", "anual", "--stride", "100000000", "--texts", "0"},
         SubsidySumIgnored,
         kExitMismatch,
         "checked 20 bases, 16 mismatches"},
        {{"--stride", "0"}, ProgramCalculation, kExitUsage, ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lastLine);
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(verify::Run(c.args, c.calculate, ProgramAmountReaders(), 2, out, err), c.status)
            << err.str();
        EXPECT_EQ(LastLine(out.str()), c.lastLine);
    }
}

}  // namespace
}  // namespace isr::verify
