// SPDX-License-Identifier: MIT
#include "calc/brackets.h"

#include <gtest/gtest.h>

#include <string>

#include "calc/amount.h"
#include "tariffs/periods.h"

namespace isr {
namespace {

TEST(BracketLookups, EveryRowIsReachedFromItsLimitsAndFromInside) {
    for (int period = 0; period < 6; ++period) {
        SCOPED_TRACE(kPeriodNames[period]);
        const auto isr = IsrBracketsOf(period);
        ASSERT_EQ(isr.size(), 11u);
        for (int i = 0; i < 11; ++i) {
            const auto& row = isr[i];
            for (const double base :
                 {row.lowerLimit, row.upperLimit,
                  (row.lowerLimit + std::min(row.upperLimit, row.lowerLimit + 1e6)) / 2}) {
                const auto match = FindIsrBracket(isr, 11, base);
                ASSERT_TRUE(match.has_value()) << base;
                EXPECT_EQ(match->row, i) << base;
            }
        }
        const auto subsidy = SubsidyBracketsOf(period);
        ASSERT_EQ(subsidy.size(), period == kAnual ? 0u : 11u);
        for (int i = 0; i < static_cast<int>(subsidy.size()); ++i) {
            const auto& row = subsidy[i];
            for (const double base :
                 {row.lowerLimit, row.upperLimit,
                  (row.lowerLimit + std::min(row.upperLimit, row.lowerLimit + 1e6)) / 2}) {
                const auto match = FindEmploymentSubsidyBracket(subsidy, base);
                ASSERT_TRUE(match.has_value()) << base;
                EXPECT_EQ(match->row, i) << base;
            }
        }
    }
}

TEST(BracketLookups, BoundaryPairsAndBasesInNoRow) {
    struct Case {
        std::string name;
        int period;
        bool subsidy;
        double base;
        std::optional<int> row;
    };
    const Case cases[] = {
        {"monthly upper limit stays in row 0", kMensual, false, 496.07, 0},
        {"one cent more takes row 1", kMensual, false, 496.08, 1},
        {"base 0.01 takes row 0", kSemanal, false, 0.01, 0},
        {"subsidy upper limit stays in row 0", kMensual, true, 1768.96, 0},
        {"subsidy one cent more takes row 1", kMensual, true, 1768.97, 1},
        {"quincenal upper limit of row 8", kQuincenal, false, 41118.42, 8},
        {"quincenal next cent takes row 9", kQuincenal, false, 41118.43, 9},
        {"a fraction of a cent between rows", kMensual, false, 496.075, std::nullopt},
        {"subsidy between rows", kMensual, true, 1768.965, std::nullopt},
        {"zero", kMensual, false, 0, std::nullopt},
        {"half a cent", kDecenal, true, 0.005, std::nullopt},
        {"negative", kCatorcenal, false, -5, std::nullopt},
        {"weekly above the top", kSemanal, false, 10000000, std::nullopt},
        {"weekly subsidy above the top", kSemanal, true, 10000000, std::nullopt},
        {"monthly top row reaches ten million", kMensual, false, 10000000, 10},
        {"monthly subsidy top row", kMensual, true, 10000000, 10},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto row =
            c.subsidy ? [&] {
                const auto m = FindEmploymentSubsidyBracket(SubsidyBracketsOf(c.period), c.base);
                return m ? std::optional<int>(m->row) : std::nullopt;
            }()
                      : [&] {
                            const auto m = FindIsrBracket(IsrBracketsOf(c.period), 11, c.base);
                            return m ? std::optional<int>(m->row) : std::nullopt;
                        }();
        EXPECT_EQ(row, c.row);
    }
}

TEST(BracketLookups, TheScanStopsAtTheBoundAndAtTheLastRow) {
    const auto table = IsrBracketsOf(kMensual);
    EXPECT_FALSE(FindIsrBracket(table, 3, 10000).has_value());  // row 4 lies past the bound
    EXPECT_EQ(FindIsrBracket(table, 4, 10000)->row, 4);
    EXPECT_EQ(FindIsrBracket(table, 32000, 300000)->row, 10);
    EXPECT_FALSE(FindIsrBracket(table, -1, 100).has_value());
    EXPECT_FALSE(FindIsrBracket({}, 11, 100).has_value());
}

TEST(BracketLookups, TheEarlierOfTwoEnclosingRowsWins) {
    const IsrBracket overlapping[] = {ParseIsrRow("0.01|100|1|10"), ParseIsrRow("50|200|2|20")};
    EXPECT_EQ(FindIsrBracket(overlapping, 11, 75)->row, 0);
    EXPECT_EQ(FindIsrBracket(overlapping, 11, 150)->row, 1);
}

TEST(BracketLookups, RowsParseFieldByField) {
    const auto isr = ParseIsrRow("103218.01|123580.2|9438.47|17.92");
    EXPECT_EQ(isr.lowerLimit, 103218.01);
    EXPECT_EQ(isr.upperLimit, 123580.2);
    EXPECT_EQ(isr.fixedFee, 9438.47);
    EXPECT_EQ(isr.ratePercent, 17.92);
    const auto sub = ParseSubsidyRow("7382.34|99999999.99|0");
    EXPECT_EQ(sub.lowerLimit, 7382.34);
    EXPECT_EQ(sub.upperLimit, 99999999.99);
    EXPECT_EQ(sub.subsidyAmount, 0);
}

}  // namespace
}  // namespace isr
