// SPDX-License-Identifier: MIT
// The published set's 7-, 10-, 15- and 14-day tables are written out as data; here they are
// worked out again from SAT's daily tariff and daily subsidy table, multiplied by the days, to
// show that the transcription holds every figure.
#include "tariffs/anexo8_tables.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <span>

#include "tariffs/days_tables.h"
#include "tariffs/program_tables.h"

namespace isr {
namespace {

// The published daily tariff: upper limits of rows 0-9, fixed fees of rows 0-10, in cents.
constexpr std::array<std::int64_t, 10> kDailyUpper = {1632,  13850,  24340,  28294,  33876,
                                                      68323, 107687, 205592, 274123, 822368};
constexpr std::array<std::int64_t, 11> kDailyFee = {0,     31,    813,   1955,  2587,  3588,
                                                    10945, 20204, 49575, 71505, 257909};
// The published daily subsidy table: upper limits of rows 0-9, subsidy of rows 0-10, in cents.
constexpr std::array<std::int64_t, 10> kDailySubsidyUpper = {5819,  8728,  11424, 11638, 14625,
                                                             15517, 17551, 20476, 23401, 24284};
constexpr std::array<std::int64_t, 11> kDailySubsidy = {1339, 1338, 1338, 1292, 1258, 1165,
                                                        1069, 969,  834,  716,  0};

struct Multiple {
    Period period;
    std::int64_t days;
};
constexpr Multiple kMultiples[] = {{Period::kSemanal, 7},
                                   {Period::kDecenal, 10},
                                   {Period::kQuincenal, 15},
                                   {Period::kCatorcenal, 14}};

TEST(PublishedTables, ShortPeriodTariffsAreTheDailyTariffTimesTheDays) {
    for (const auto& m : kMultiples) {
        SCOPED_TRACE(PeriodName(m.period));
        const auto tariff = kAnexo8Tables.IsrTariff(m.period);
        for (std::size_t row = 0; row < tariff.size(); ++row) {
            SCOPED_TRACE(row);
            if (row < kDailyUpper.size()) {
                EXPECT_EQ(tariff[row].upperLimit.Count(), kDailyUpper[row] * m.days);
            }
            EXPECT_EQ(tariff[row].fixedFee.Count(), kDailyFee[row] * m.days);
        }
    }
}

// The weekly, ten-day and fifteen-day subsidy tables are the program's; the 14-day one differs
// from the program's in row 0. All four are the published daily table times the days.
TEST(PublishedTables, ShortPeriodSubsidyTablesAreTheDailyTableTimesTheDays) {
    for (const auto& m : kMultiples) {
        SCOPED_TRACE(PeriodName(m.period));
        const auto table = kAnexo8Tables.SubsidyTable(m.period);
        ASSERT_EQ(table.size(), kDailySubsidy.size());
        for (std::size_t row = 0; row < table.size(); ++row) {
            SCOPED_TRACE(row);
            if (row < kDailySubsidyUpper.size()) {
                EXPECT_EQ(table[row].upperLimit.Count(), kDailySubsidyUpper[row] * m.days);
            }
            EXPECT_EQ(table[row].subsidy.Count(), kDailySubsidy[row] * m.days);
        }
    }
}

// The set's daily tables are the published ones, and a table of any N from 1 to 31 days is theirs
// times N: every upper limit, fee and subsidy, each lower limit a cent above the row before.
TEST(PublishedTables, TablesOfAnyDaysAreTheDailyTablesTimesTheDays) {
    ASSERT_TRUE(kAnexo8Tables.HasDailyTables());
    for (int days = 1; days <= kMostTableDays; ++days) {
        SCOPED_TRACE(days);
        const auto tables = TablesForDays(kAnexo8Tables, days);
        ASSERT_TRUE(tables);
        std::int64_t lower = 1;
        for (std::size_t row = 0; row < kRowsPerTable; ++row) {
            SCOPED_TRACE(row);
            const bool top = row + 1 == kRowsPerTable;
            const auto& isr = tables->isr[row];
            EXPECT_EQ(isr.lowerLimit.Count(), lower);
            EXPECT_EQ(isr.upperLimit.Count(), top ? 999'999'999 : kDailyUpper[row] * days);
            EXPECT_EQ(isr.fixedFee.Count(), kDailyFee[row] * days);
            lower = isr.upperLimit.Count() + 1;
            const auto& subsidy = tables->subsidy[row];
            EXPECT_EQ(subsidy.upperLimit.Count(),
                      top ? 999'999'999 : kDailySubsidyUpper[row] * days);
            EXPECT_EQ(subsidy.subsidy.Count(), kDailySubsidy[row] * days);
        }
    }
    EXPECT_FALSE(TablesForDays(kAnexo8Tables, 0));
    EXPECT_FALSE(TablesForDays(kAnexo8Tables, kMostTableDays + 1));
}

// The program publishes no daily tables: it has the tables of its own periods' days and no other.
TEST(ProgramTables, HaveOnlyTheTablesOfTheirOwnPeriodsOfDays) {
    EXPECT_FALSE(kProgramTables.HasDailyTables());
    for (int days = 1; days <= kMostTableDays; ++days) {
        SCOPED_TRACE(days);
        const auto tables = TablesForDays(kProgramTables, days);
        const bool own = days == 7 || days == 10 || days == 14 || days == 15;
        ASSERT_EQ(tables.has_value(), own);
        if (own) {
            EXPECT_EQ(tables->isr[1].lowerLimit, tables->isr[0].upperLimit + kOneCent);
        }
    }
    EXPECT_EQ(TablesForDays(kProgramTables, 14)->subsidy[0].subsidy.Count(), 18744);
}

// The published set differs from the program's in 40 cells of six tables, the monthly one by row
// 2's fee alone (247.23 in the program's is the figure of 2010 to 2013).
TEST(PublishedTables, DifferFromTheProgramsInFortyCellsOfSixTables) {
    const struct {
        Period period;
        int isrCells;
        int subsidyCells;
    } cases[] = {
        {Period::kMensual, 1, 0}, {Period::kAnual, 0, 0},       {Period::kSemanal, 9, 0},
        {Period::kDecenal, 9, 0}, {Period::kCatorcenal, 11, 1}, {Period::kQuincenal, 9, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(PeriodName(c.period));
        int isrCells = 0;
        const auto published = kAnexo8Tables.IsrTariff(c.period);
        const auto program = kProgramTables.IsrTariff(c.period);
        for (std::size_t row = 0; row < published.size(); ++row) {
            const auto& a = published[row];
            const auto& b = program[row];
            isrCells += (a.lowerLimit != b.lowerLimit) + (a.upperLimit != b.upperLimit) +
                        (a.fixedFee != b.fixedFee) + (a.rate != b.rate);
        }
        int subsidyCells = 0;
        const auto publishedSubsidy = kAnexo8Tables.SubsidyTable(c.period);
        const auto programSubsidy = kProgramTables.SubsidyTable(c.period);
        ASSERT_EQ(publishedSubsidy.size(), programSubsidy.size());
        for (std::size_t row = 0; row < publishedSubsidy.size(); ++row) {
            const auto& a = publishedSubsidy[row];
            const auto& b = programSubsidy[row];
            subsidyCells += (a.lowerLimit != b.lowerLimit) + (a.upperLimit != b.upperLimit) +
                            (a.subsidy != b.subsidy);
        }
        EXPECT_EQ(isrCells, c.isrCells);
        EXPECT_EQ(subsidyCells, c.subsidyCells);
    }
    EXPECT_EQ(kAnexo8Tables.IsrTariff(Period::kMensual)[2].fixedFee.Count(), 24724);
}

}  // namespace
}  // namespace isr
