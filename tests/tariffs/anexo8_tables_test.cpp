// SPDX-License-Identifier: MIT
// The published set's 7-, 10-, 15- and 14-day tables are written out as data; here they are
// worked out again from SAT's daily tariff and daily subsidy table, multiplied by the days, to
// show that the transcription holds every figure.
#include "tariffs/anexo8_tables.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <span>

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
                EXPECT_EQ(tariff[row + 1].lowerLimit.Count(), kDailyUpper[row] * m.days + 1);
            }
            EXPECT_EQ(tariff[row].fixedFee.Count(), kDailyFee[row] * m.days);
        }
    }
}

TEST(PublishedTables, FourteenDaySubsidyIsTheDailyTableTimesFourteen) {
    const auto table = kAnexo8Tables.SubsidyTable(Period::kCatorcenal);
    ASSERT_EQ(table.size(), kDailySubsidy.size());
    for (std::size_t row = 0; row < table.size(); ++row) {
        SCOPED_TRACE(row);
        if (row < kDailySubsidyUpper.size()) {
            EXPECT_EQ(table[row].upperLimit.Count(), kDailySubsidyUpper[row] * 14);
        }
        EXPECT_EQ(table[row].subsidy.Count(), kDailySubsidy[row] * 14);
    }
}

// The other subsidy tables and the annual tariff are the program's, and the published weekly,
// ten-day and fifteen-day subsidy tables are the daily one times the days too.
TEST(PublishedTables, SharedSubsidyTablesAreTheDailyTableTimesTheDays) {
    for (const auto& m : kMultiples) {
        if (m.period == Period::kCatorcenal) continue;
        SCOPED_TRACE(PeriodName(m.period));
        const auto table = kAnexo8Tables.SubsidyTable(m.period);
        for (std::size_t row = 0; row < kDailySubsidyUpper.size(); ++row) {
            SCOPED_TRACE(row);
            EXPECT_EQ(table[row].upperLimit.Count(), kDailySubsidyUpper[row] * m.days);
            EXPECT_EQ(table[row].subsidy.Count(), kDailySubsidy[row] * m.days);
        }
    }
}

// The one published monthly figure that differs from the program's: row 2's fee.
TEST(PublishedTables, MonthlyTariffRowTwoChargesTheFeeOf2014) {
    EXPECT_EQ(kAnexo8Tables.IsrTariff(Period::kMensual)[2].fixedFee.Count(), 24724);
}

}  // namespace
}  // namespace isr
