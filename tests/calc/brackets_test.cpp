// SPDX-License-Identifier: MIT
#include "calc/brackets.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "tariffs/program_tables.h"

namespace isr {
namespace {

const TableSet& kTables = kProgramTables;

TEST(BracketLookups, EveryRowIsFoundFromBothItsLimits) {
    for (const Period period : kPeriods) {
        const auto isr = kTables.IsrTariff(period);
        const auto subsidy = kTables.SubsidyTable(period);
        for (std::size_t r = 0; r < kRowsPerTable; ++r) {
            SCOPED_TRACE(std::string(PeriodName(period)) + ", row " + std::to_string(r));
            for (const Cents base : {isr[r].lowerLimit, isr[r].upperLimit}) {
                const auto match = FindIsrBracket(isr, base);
                ASSERT_TRUE(match.has_value());
                EXPECT_EQ(match->row, r);
                EXPECT_EQ(match->bracket.lowerLimit, isr[r].lowerLimit);
            }
            if (subsidy.empty()) continue;
            for (const Cents base : {subsidy[r].lowerLimit, subsidy[r].upperLimit}) {
                const auto match = FindEmploymentSubsidyBracket(subsidy, base);
                ASSERT_TRUE(match.has_value());
                EXPECT_EQ(match->row, r);
                EXPECT_EQ(match->bracket.subsidy, subsidy[r].subsidy);
            }
        }
    }
}

TEST(BracketLookups, BoundaryPairsAndBasesInNoRow) {
    enum Table : bool { kIsr, kSubsidy };
    struct Case {
        std::string_view name;
        Period period;
        Table table;
        Cents base;
        std::optional<std::size_t> row;
    };
    using enum Period;
    const Case cases[] = {
        {"the monthly upper limit stays in row 0", kMensual, kIsr, TableAmount("496.07"), 0},
        {"one cent more takes row 1", kMensual, kIsr, TableAmount("496.08"), 1},
        {"one cent is in row 0", kSemanal, kIsr, TableAmount("0.01"), 0},
        {"the subsidy upper limit stays in row 0", kMensual, kSubsidy, TableAmount("1768.96"), 0},
        {"one cent more takes subsidy row 1", kMensual, kSubsidy, TableAmount("1768.97"), 1},
        {"the fortnightly upper limit of row 8", kQuincenal, kIsr, TableAmount("41118.42"), 8},
        {"one cent more takes row 9", kQuincenal, kIsr, TableAmount("41118.43"), 9},
        {"zero is in no row", kMensual, kIsr, Cents(), std::nullopt},
        {"nor in a subsidy row", kDecenal, kSubsidy, Cents(), std::nullopt},
        {"minus one cent is in no row", kCatorcenal, kIsr, -TableAmount("0.01"), std::nullopt},
        {"a negative base is in no subsidy row", kCatorcenal, kSubsidy, -TableAmount("5"),
         std::nullopt},
        {"the weekly sentinel is in the top row", kSemanal, kIsr, TableAmount("9999999.99"), 10},
        {"ten million a week is above the tariff", kSemanal, kIsr, TableAmount("10000000"),
         std::nullopt},
        {"and above the subsidy table", kSemanal, kSubsidy, TableAmount("10000000"), std::nullopt},
        {"ten million a month is in the top row", kMensual, kIsr, TableAmount("10000000"), 10},
        {"and in the top subsidy row", kMensual, kSubsidy, TableAmount("10000000"), 10},
        {"a cent above the annual sentinel", kAnual, kIsr, TableAmount("100000000"), std::nullopt},
        {"the largest amount is in no row", kMensual, kIsr, Cents::Largest(), std::nullopt},
        {"nor its negative", kMensual, kIsr, -Cents::Largest(), std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::optional<std::size_t> row;
        if (c.table == kIsr) {
            if (const auto m = FindIsrBracket(kTables.IsrTariff(c.period), c.base)) row = m->row;
        } else {
            const auto m = FindEmploymentSubsidyBracket(kTables.SubsidyTable(c.period), c.base);
            if (m) row = m->row;
        }
        EXPECT_EQ(row, c.row);
    }
}

TEST(BracketLookups, TheEarlierOfTwoEnclosingRowsWins) {
    constexpr IsrRow kOverlapping[] = {
        {TableAmount("0.01"), TableAmount("100"), TableAmount("1"), TableRate("10")},
        {TableAmount("50"), TableAmount("200"), TableAmount("2"), TableRate("20")},
    };
    EXPECT_EQ(FindIsrBracket(kOverlapping, TableAmount("75"))->row, 0u);
    EXPECT_EQ(FindIsrBracket(kOverlapping, TableAmount("150"))->row, 1u);
    EXPECT_FALSE(FindIsrBracket({}, TableAmount("75")).has_value());
}

}  // namespace
}  // namespace isr
