// SPDX-License-Identifier: MIT
#include "verify/sweep.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <mutex>
#include <set>
#include <sstream>

#include "calc/amount.h"
#include "calc/calculation.h"
#include "oracle/exact_amount.h"
#include "oracle/exact_calculation.h"
#include "tariffs/periods.h"
#include "verify/run.h"

namespace isr::verify {
namespace {

SweepHooks Collect(std::vector<Mismatch>& found) {
    SweepHooks hooks;
    hooks.onMismatch = [&found](const Mismatch& m) { found.push_back(m); };
    hooks.onProgress = [](std::int64_t) {};
    return hooks;
}

TEST(Sweep, EveryBaseOfTheStrideOnceAcrossThreads) {
    // More bases than one chunk, so both threads take several. The boxes come from the exact
    // calculation itself: this is about which bases are run, and it keeps the test quick.
    const Job job{kSemanal, 0, 400'000};
    const std::int64_t stride = 3;
    std::mutex mutex;
    std::multiset<std::string> seen;
    const Calculator recording = [&](int period, std::string_view base, std::string_view,
                                     ResultBoxes& boxes) {
        std::string digits(base);
        std::erase(digits, ',');
        const auto exact = oracle::ExactCalculate(period, *oracle::ParseHundredths(digits), 0);
        boxes.txtISR08 = exact.txtISR08;
        boxes.txtSUB08 = exact.txtSUB08;
        boxes.txtRet08 = exact.txtRet08;
        const std::scoped_lock lock(mutex);
        seen.emplace(base);
    };
    std::vector<Mismatch> found;
    const auto count = Sweep(job, stride, 2, recording, Collect(found));

    std::multiset<std::string> expected;
    for (std::int64_t base = 0; base <= job.lastBaseCents; base += stride) {
        expected.insert(oracle::FormatHundredths(base));
    }
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(count.checked, static_cast<std::int64_t>(expected.size()));
    EXPECT_EQ(count.checked, BasesToCheck(job, stride));
    EXPECT_EQ(count.mismatches, 0);
    EXPECT_TRUE(found.empty());
}

// The tax shown with its cents cut off rather than rounded.
void TruncatedTax(int period, std::string_view base, std::string_view pagos, ResultBoxes& boxes) {
    Calculate(period, base, pagos, boxes);
    const auto shown = ShownIsrBreakdown(boxes);
    const double tax =
        std::trunc((shown.excess * shown.ratePercent / 100 + shown.fixedFee) * 100) / 100;
    boxes.txtISR08[4] = FormatAmount(tax);
    boxes.txtRet08[0] = FormatAmount(tax - ParseAmount(boxes.txtSUB08[2]).value_or(0));
}

void SubsidySumIgnored(int period, std::string_view base, std::string_view, ResultBoxes& boxes) {
    Calculate(period, base, "0", boxes);
}

void ClearedToTwoDecimals(int period, std::string_view base, std::string_view pagos,
                          ResultBoxes& boxes) {
    Calculate(period, base, pagos, boxes);
    for (auto& text : boxes.txtISR08) {
        if (text == "0") text = "0.00";
    }
    for (auto& text : boxes.txtSUB08) {
        if (text == "0") text = "0.00";
    }
}

TEST(Sweep, ReportsEachFaultyBoxWithBothTexts) {
    struct Case {
        std::string name;
        Calculator calculate;
        Job job;
        std::int64_t stride;
        std::vector<std::string> expected;  // "base box production exact"
    };
    const Case cases[] = {
        {"half cent of tax truncated",
         TruncatedTax,
         {kMensual, 0, 8'333'359},
         8'333'359,  // bases 0.00 and 83,333.59
         {"8333359 txtISR08(4) 21,737.65 21,737.66", "8333359 txtRet08(0) 21,737.65 21,737.66"}},
        {"annual sum not subtracted",
         SubsidySumIgnored,
         {kAnual, 123'456, 200'000},
         100'000,
         {"0 txtRet08(0) 0.00 -1,234.56", "100000 txtRet08(0) 19.20 -1,215.36",
          "200000 txtRet08(0) 38.40 -1,196.16"}},
        {"unwritten boxes not left at a bare zero",
         ClearedToTwoDecimals,
         {kSemanal, 0, 100},
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
            reported.push_back(std::to_string(m.baseCents) + " " + m.box + " " + m.production +
                               " " + m.exact);
        }
        std::ranges::sort(reported);
        EXPECT_EQ(reported, c.expected);
        EXPECT_EQ(count.mismatches, static_cast<std::int64_t>(c.expected.size()));
    }
}

TEST(PlanJobs, RangesEndTenThousandAboveTheLastBracket) {
    const auto all = PlanJobs(std::nullopt);
    ASSERT_FALSE(all.empty());
    EXPECT_EQ(all.front().lastBaseCents, 26'000'001);  // "Mensual": 250,000.01 + 10,000.00
    const auto annual = PlanJobs(kAnual);
    ASSERT_GT(annual.size(), 1U);
    for (const auto& job : annual) {
        EXPECT_EQ(job.period, kAnual);
        EXPECT_EQ(job.lastBaseCents, 301'000'001);
    }
    EXPECT_EQ(JobLabel(annual[1]), "Anual, subsidy sum 0.01");
    EXPECT_EQ(all.size(), kPeriodNames.size() + annual.size() - 1);
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
        {{"--period", "semanal", "--stride", "1000"},
         Calculate,
         kExitAgree,
         "checked 6757 bases, 0 mismatches"},
        // Four bases in each of the five annual runs; all but the first have a sum to subtract.
        {{"--period", "anual", "--stride", "100000000"},
         SubsidySumIgnored,
         kExitMismatch,
         "checked 20 bases, 16 mismatches"},
        {{"--stride", "0"}, Calculate, kExitUsage, ""}};
    for (const auto& c : cases) {
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(verify::Run(c.args, c.calculate, 2, out, err), c.status) << err.str();
        EXPECT_EQ(LastLine(out.str()), c.lastLine);
    }
}

}  // namespace
}  // namespace isr::verify
