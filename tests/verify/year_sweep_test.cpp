// SPDX-License-Identifier: MIT
// The annual check: it passes the program's calculation and catches faulty ones.
#include "verify/year_sweep.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <mutex>
#include <string>
#include <vector>

#include "tariffs/table_sets.h"

namespace isr::verify {
namespace {

struct Outcome {
    SweepCount count;
    std::vector<YearMismatch> mismatches;
};

Outcome Check(const YearGrid& grid, const YearCalculator& calculate) {
    Outcome outcome;
    std::mutex mutex;
    outcome.count = YearSweep(
        DefaultTableSet(), grid, 1, 2, calculate,
        [&](const YearMismatch& m) {
            const std::scoped_lock lock(mutex);
            outcome.mismatches.push_back(m);
        },
        [](std::int64_t) {}, std::chrono::milliseconds(5000));
    return outcome;
}

// Months of pay around the published table's rows at 3,472.84 / 3,472.85 (406.62, then 392.77)
// and far above it (no subsidy), with subsidies below, at and above those caps; one year above
// 400,000.00.
YearGrid SmallGrid() {
    return {{0, 1, 347'284, 347'285, 1'000'000, 3'400'000}, {0, 39'277, 40'662, 40'663, 100'000}};
}

// The program's calculation with one fault, to be caught.
YearCalculator Faulty(void (*fault)(AnnualCalculation&)) {
    return [fault](const TableSet& tables, const std::vector<YearPayment>& payments) {
        auto result = ProgramYear(tables, payments);
        if (auto* year = std::get_if<AnnualCalculation>(&result)) fault(*year);
        return result;
    };
}

TEST(YearSweep, PassesTheProgramsCalculation) {
    const auto grid = SmallGrid();
    const auto outcome = Check(grid, ProgramYear);
    EXPECT_EQ(outcome.count.checked, grid.Size());
    EXPECT_EQ(outcome.count.mismatches, 0);
}

struct FaultCase {
    std::string name;
    void (*fault)(AnnualCalculation&);
    std::string figure;  // the first figure that tells
};

TEST(YearSweep, CatchesAFaultInAnyFigure) {
    const FaultCase cases[] = {
        {"no cap: the payments' subsidies credited whole",
         [](AnnualCalculation& y) { y.months[0].credited = y.months[0].subsidies; },
         "subsidio_causado_mes"},
        {"the cap a row late",
         [](AnnualCalculation& y) {
             if (y.months[0].taxable == *Cents::FromCount(347'285))
                 y.months[0].cap = *Cents::FromCount(40'662);
         },
         "subsidio_tope"},
        {"a year's tax that pays out the subsidy",
         [](AnnualCalculation& y) { y.isrYear = y.isrTariff - y.subsidy; }, "isr_ejercicio"},
        {"the difference turned round",
         [](AnnualCalculation& y) { y.difference = y.withheld - y.isrYear; }, "diferencia"},
        {"the year always calculated",
         [](AnnualCalculation& y) {
             if (y.result == AnnualResult::kNoCorresponde) y.result = AnnualResult::kAFavor;
         },
         "resultado"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto outcome = Check(SmallGrid(), Faulty(c.fault));
        EXPECT_GT(outcome.count.mismatches, 0);
        EXPECT_TRUE(std::any_of(outcome.mismatches.begin(), outcome.mismatches.end(),
                                [&](const YearMismatch& m) { return m.figure == c.figure; }));
    }
}

TEST(YearSweep, GridMeetsEveryRowsLimitsAndSubsidies) {
    const auto grid = PlanYearGrid(DefaultTableSet());
    const auto has = [](const std::vector<std::int64_t>& v, std::int64_t x) {
        return std::binary_search(v.begin(), v.end(), x);
    };
    // The published monthly table: 3,472.84 / 3,472.85 and 7,382.33 / 7,382.34 bound rows.
    for (const std::int64_t pay : {0, 347'284, 347'285, 738'233, 738'234, 1'738'234}) {
        EXPECT_TRUE(has(grid.monthPays, pay)) << pay;
    }
    EXPECT_FALSE(has(grid.monthPays, 1'738'235));
    for (const std::int64_t subsidy : {0, 1, 40'661, 40'662, 40'663, 39'277, 40'702}) {
        EXPECT_TRUE(has(grid.subsidies, subsidy)) << subsidy;
    }
}

}  // namespace
}  // namespace isr::verify
