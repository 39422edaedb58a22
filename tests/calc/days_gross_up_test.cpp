// SPDX-License-Identifier: MIT
// The days-paid gross-up against the plainest search there is: every base from 0.00 up, one cent
// at a time, remembering where the net first reached each height.
#include "calc/days_gross_up.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string_view>
#include <variant>
#include <vector>

#include "tariffs/anexo8_tables.h"
#include "tariffs/program_tables.h"

namespace isr {
namespace {

Cents Of(std::int64_t count) {
    return *Cents::FromCount(count);
}

std::int64_t NetOf(const TableSet& tables, DaysPaid days, DaysMethod method, std::int64_t base) {
    return base - std::get<DaysPaidResult>(CalculateDaysPaid(tables, days, method, Of(base)))
                      .result.Count();
}

// Each case covers the subsidy's steps (where the net falls) and the first tariff rows.
TEST(GrossUpDays, FindsTheSmallestBaseTheCentByCentSearchFinds) {
    struct Case {
        std::string_view name;
        const TableSet* tables;
        std::int32_t thousandths;
        DaysMethod method;
        std::int64_t scannedTo;  // bases from 0.00 to this, in cents
    };
    const Case cases[] = {
        {"16 days by the daily table", &kAnexo8Tables, 16'000, DaysMethod::kTabla, 600'000},
        {"1 day by the daily table", &kAnexo8Tables, 1'000, DaysMethod::kTabla, 60'000},
        {"7 days by the program's own weekly table", &kProgramTables, 7'000, DaysMethod::kTabla,
         300'000},
        {"15.2 days through the month", &kAnexo8Tables, 15'200, DaysMethod::kMensual, 600'000},
        // A cent of base moves the monthly base by 30 cents: the steps are coarse.
        {"1 day through the month", &kAnexo8Tables, 1'000, DaysMethod::kMensual, 60'000},
        // A cent of monthly tax is twelve of the period's: the net falls between bases.
        {"366 days through the month", &kProgramTables, 366'000, DaysMethod::kMensual, 900'000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const DaysPaid days{c.thousandths};
        // firstReaching[i] is the smallest base whose net is at least heights[i].
        std::vector<std::int64_t> heights;
        std::vector<std::int64_t> firstReaching;
        std::int64_t highest = -1;
        for (std::int64_t base = 0; base <= c.scannedTo; ++base) {
            const auto net = NetOf(*c.tables, days, c.method, base);
            if (net <= highest) continue;
            heights.push_back(net);
            firstReaching.push_back(base);
            highest = net;
        }
        ASSERT_GT(heights.size(), 100u);
        // Heights spread over the scan and every one reached past a fall of the net; each, a
        // cent below it (the same base, when the height before is lower) and a cent above it, up
        // to the last height, whose next one lies beyond the scan.
        std::size_t checked = 0;
        const std::size_t spread = heights.size() / 500 + 1;
        int falls = 0;
        for (std::size_t i = 0; i + 1 < heights.size(); ++i) {
            const bool afterFall = i > 0 && firstReaching[i] > firstReaching[i - 1] + 1;
            if (i % spread != 0 && !(afterFall && falls++ < 500)) continue;
            for (const std::int64_t target : {heights[i] - 1, heights[i], heights[i] + 1}) {
                std::size_t j = i;
                if (target < heights[i] && i > 0 && target <= heights[i - 1]) --j;
                if (target > heights[i]) ++j;
                const auto found = GrossUpDays(*c.tables, days, c.method, Of(target));
                const auto& result = std::get<std::optional<DaysGrossUpResult>>(found);
                ASSERT_TRUE(result.has_value()) << target;
                ASSERT_EQ(result->base.Count(), firstReaching[j]) << "target " << target;
                EXPECT_EQ(result->net.Count(), heights[j]) << "target " << target;
                EXPECT_EQ(result->exact, heights[j] == target) << "target " << target;
                EXPECT_EQ(result->calculation, std::get<DaysPaidResult>(CalculateDaysPaid(
                                                   *c.tables, days, c.method, result->base)));
                ++checked;
            }
        }
        EXPECT_GT(checked, 100u);
    }
}

TEST(GrossUpDays, RefusesWhatTheDaysPaidCalculationRefusesAndTargetsBeyondEveryNet) {
    struct Case {
        std::string_view name;
        const TableSet* tables;
        std::int32_t thousandths;
        DaysMethod method;
        std::int64_t target;
        std::optional<DaysProblem> problem;  // none: no base nets the target
    };
    const Case cases[] = {
        {"tabla takes whole days", &kAnexo8Tables, 15'500, DaysMethod::kTabla, 100,
         DaysProblem::kOutOfRange},
        {"the program's set has no 16-day table", &kProgramTables, 16'000, DaysMethod::kTabla, 100,
         DaysProblem::kNoTable},
        {"mensual takes up to 366 days", &kAnexo8Tables, 366'001, DaysMethod::kMensual, 100,
         DaysProblem::kOutOfRange},
        {"no N-day base nets the largest amount", &kAnexo8Tables, 16'000, DaysMethod::kTabla,
         Cents::kLargestCount, std::nullopt},
        {"no monthly base in the tariff nets the largest amount", &kAnexo8Tables, 15'000,
         DaysMethod::kMensual, Cents::kLargestCount, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto found = GrossUpDays(*c.tables, {c.thousandths}, c.method, Of(c.target));
        if (c.problem) {
            ASSERT_TRUE(std::holds_alternative<DaysProblem>(found));
            EXPECT_EQ(std::get<DaysProblem>(found), *c.problem);
        } else {
            ASSERT_TRUE(std::holds_alternative<std::optional<DaysGrossUpResult>>(found));
            EXPECT_FALSE(std::get<std::optional<DaysGrossUpResult>>(found).has_value());
        }
    }
}

// The receipts' examples, from their nets: each base is the one the receipt was paid on.
TEST(GrossUpDays, GivesBackTheBasesOfTheWorkedExamples) {
    struct Case {
        std::string_view name;
        std::int32_t thousandths;
        DaysMethod method;
        std::int64_t target;
        std::int64_t base;
    };
    const Case cases[] = {
        // 7,500.05 - 1,054.75 and 4,165.56 - 375.58.
        {"15 days through the month", 15'000, DaysMethod::kMensual, 644'530, 750'005},
        {"15 days by the table", 15'000, DaysMethod::kTabla, 378'998, 416'556},
        // 2,500.00 + 10.06: the subsidy is above the tax.
        {"16 days by the table", 16'000, DaysMethod::kTabla, 251'006, 250'000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto found = GrossUpDays(kAnexo8Tables, {c.thousandths}, c.method, Of(c.target));
        const auto& result = std::get<std::optional<DaysGrossUpResult>>(found);
        ASSERT_TRUE(result.has_value());
        EXPECT_EQ(result->base.Count(), c.base);
        EXPECT_TRUE(result->exact);
    }
}

}  // namespace
}  // namespace isr
