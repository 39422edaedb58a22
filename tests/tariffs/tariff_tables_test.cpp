// SPDX-License-Identifier: MIT
// Invariants of the published tables, checked on the row texts themselves.
#include "tariffs/tariff_tables.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "calc/amount.h"
#include "tariffs/periods.h"
#include "tariffs/row_fields.h"

namespace isr {
namespace {

// Amounts in whole cents, so "one cent apart" is an exact comparison.
long long Cents(std::string_view field) {
    const auto value = ParseAmount(field);
    EXPECT_TRUE(value.has_value()) << field;
    return std::llround(value.value_or(0) * 100);
}

struct NamedTable {
    std::string name;
    TariffTable table;
    bool isr;
    long long sentinelCents;
};

std::vector<NamedTable> AllTables() {
    const long long big = 9999999999LL;   // 99,999,999.99
    const long long small = 999999999LL;  // 9,999,999.99
    return {
        {"tabISR_Men", tabISR_Men, true, big},
        {"tabISR_Anu", tabISR_Anu, true, big},
        {"tabISR_Sem", tabISR_Sem, true, small},
        {"tabISR_Dec", tabISR_Dec, true, small},
        {"tabISR_Cat", tabISR_Cat, true, small},
        {"tabISR_Qui", tabISR_Qui, true, small},
        {"tabSubEmp_Men", tabSubEmp_Men, false, big},
        {"tabSubEmp_Sem", tabSubEmp_Sem, false, small},
        {"tabSubEmp_Dec", tabSubEmp_Dec, false, small},
        {"tabSubEmp_Cat", tabSubEmp_Cat, false, small},
        {"tabSubEmp_Qui", tabSubEmp_Qui, false, small},
    };
}

TEST(TariffTables, BracketsStartAtOneCentFollowWithoutGapAndEndAtTheSentinel) {
    for (const auto& t : AllTables()) {
        SCOPED_TRACE(t.name);
        ASSERT_EQ(t.table.size(), 11u);
        long long previousUpper = 0;
        for (std::size_t i = 0; i < t.table.size(); ++i) {
            SCOPED_TRACE("row " + std::to_string(i));
            const auto row = t.table[i];
            EXPECT_EQ(std::count(row.begin(), row.end(), '|'), t.isr ? 3 : 2);
            const auto fields = SplitIsrRow(row);
            const long long lower = Cents(fields[0]);
            const long long upper = Cents(fields[1]);
            EXPECT_EQ(lower, previousUpper + 1);
            EXPECT_LT(lower, upper);
            previousUpper = upper;
        }
        EXPECT_EQ(previousUpper, t.sentinelCents);
    }
}

TEST(TariffTables, AllSixTariffsShareTheRates) {
    const std::vector<std::string> rates = {"1.92",  "6.4", "10.88", "16", "17.92", "21.36",
                                            "23.52", "30",  "32",    "34", "35"};
    for (int period = 0; period < 6; ++period) {
        SCOPED_TRACE(kPeriodNames[period]);
        const auto table = IsrTariffOf(period);
        ASSERT_EQ(table.size(), rates.size());
        for (std::size_t i = 0; i < table.size(); ++i) {
            EXPECT_EQ(ParseAmount(SplitIsrRow(table[i])[3]), ParseAmount(rates[i])) << table[i];
        }
    }
}

TEST(TariffTables, PeriodsChooseTheirTablesAndAnnualHasNoSubsidyTable) {
    EXPECT_EQ(IsrTariffOf(kMensual).data(), tabISR_Men.data());
    EXPECT_EQ(IsrTariffOf(kAnual).data(), tabISR_Anu.data());
    EXPECT_EQ(IsrTariffOf(kQuincenal).data(), tabISR_Qui.data());
    EXPECT_EQ(SubsidyTableOf(kSemanal).data(), tabSubEmp_Sem.data());
    EXPECT_EQ(SubsidyTableOf(kCatorcenal).data(), tabSubEmp_Cat.data());
    EXPECT_TRUE(SubsidyTableOf(kAnual).empty());
    EXPECT_TRUE(IsrTariffOf(6).empty());
    EXPECT_TRUE(SubsidyTableOf(-1).empty());
}

TEST(RowFields, TheLastFieldRunsToTheEndOfTheRow) {
    EXPECT_EQ(SplitIsrRow("0.01|496.07|0|1.92"),
              (std::array<std::string_view, 4>{"0.01", "496.07", "0", "1.92"}));
    EXPECT_EQ(SplitSubsidyRow("0.01|1768.96|407.02"),
              (std::array<std::string_view, 3>{"0.01", "1768.96", "407.02"}));
    EXPECT_EQ(SplitSubsidyRow("1|2|3|4"), (std::array<std::string_view, 3>{"1", "2", "3|4"}));
    EXPECT_EQ(SplitIsrRow("1|2"), (std::array<std::string_view, 4>{"1", "2", "", ""}));
}

TEST(Periods, NamesMatchWithoutRegardToCase) {
    struct Case {
        std::string_view name;
        std::optional<int> period;
    };
    for (const auto& c : std::vector<Case>{{"Mensual", 0},
                                           {"mensual", 0},
                                           {"ANUAL", 1},
                                           {"semanal", 2},
                                           {"DeCeNaL", 3},
                                           {"catorcenal", 4},
                                           {"Quincenal", 5},
                                           {"", std::nullopt},
                                           {"mensua", std::nullopt},
                                           {"mensual ", std::nullopt},
                                           {"monthly", std::nullopt}}) {
        EXPECT_EQ(FindPeriod(c.name), c.period) << "\"" << c.name << "\"";
    }
}

}  // namespace
}  // namespace isr
