// SPDX-License-Identifier: MIT
// What every table set must satisfy, checked while compiling: a set that breaks any of these does
// not build.
#pragma once

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <limits>
#include <span>

#include "money/text_helpers.h"
#include "tariffs/days_tables.h"
#include "tariffs/table_set.h"

namespace isr::table_checks {

// The sentinel upper limit of a table's top row: the monthly and annual tariffs and the monthly
// subsidy table end at 99,999,999.99, every other table at 9,999,999.99.
constexpr Cents TopSentinel(Period period, bool subsidy) {
    const bool wide = period == Period::kMensual || (!subsidy && period == Period::kAnual);
    return wide ? TableAmount("99999999.99") : TableAmount("9999999.99");
}

template <class Row>
constexpr bool Chained(std::span<const Row> rows, Cents sentinel) {
    if (rows.front().lowerLimit != kOneCent || rows.back().upperLimit != sentinel) return false;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        if (rows[r].lowerLimit > rows[r].upperLimit) return false;
        if (r > 0 && rows[r].lowerLimit != rows[r - 1].upperLimit + kOneCent) return false;
    }
    return true;
}

// From 0.01 to the sentinel, each row one cent above the previous one, in every table.
constexpr bool BracketsChainFromOneCentToTheSentinel(const TableSet& set) {
    return AllOf(kPeriods, [&](Period period) {
        return Chained(std::span<const IsrRow>(set.IsrTariff(period)),
                       TopSentinel(period, false)) &&
               (!HasSubsidyTable(period) ||
                Chained(set.SubsidyTable(period), TopSentinel(period, true)));
    });
}

// The rates of the 2016 tariffs, row by row, the same for every period.
inline constexpr std::array<Rate, kRowsPerTable> kRates = {
    TableRate("1.92"),  TableRate("6.4"),   TableRate("10.88"), TableRate("16"),
    TableRate("17.92"), TableRate("21.36"), TableRate("23.52"), TableRate("30"),
    TableRate("32"),    TableRate("34"),    TableRate("35"),
};

constexpr bool EveryTariffHasTheRatesOf2016(const TableSet& set) {
    return AllOf(kPeriods, [&](Period period) {
        const auto tariff = set.IsrTariff(period);
        return EqualRanges(tariff, kRates,
                           [](const IsrRow& row, Rate rate) { return row.rate == rate; });
    });
}

// The top row of a subsidy table pays none. (No fee or subsidy can be below zero: a table figure
// with a sign does not build.)
constexpr bool TopSubsidyRowsPayNothing(const TableSet& set) {
    return AllOf(kPeriods, [&](Period period) {
        const auto subsidy = set.SubsidyTable(period);
        return subsidy.empty() || subsidy.back().subsidy == Cents();
    });
}

// The excess within any row times the highest rate stays within 64 bits (see PercentOf).
constexpr bool ExcessTimesRateFits(const TableSet& set) {
    return AllOf(kPeriods, [&](Period period) {
        const auto top = set.IsrTariff(period).back();
        return top.upperLimit.Count() <= std::numeric_limits<std::int64_t>::max() / 10'000;
    });
}

// A set's daily tables, when it has them, chain like a short period's, carry the rates of 2016 and
// pay no subsidy in the top row.
constexpr bool DailyTablesAreSound(const TableSet& set) {
    if (!set.HasDailyTables()) return true;
    const Cents sentinel = TopSentinel(Period::kSemanal, false);
    return Chained(set.DailyIsrTariff(), sentinel) && Chained(set.DailySubsidyTable(), sentinel) &&
           EqualRanges(set.DailyIsrTariff(), kRates,
                       [](const IsrRow& row, Rate rate) { return row.rate == rate; }) &&
           set.DailySubsidyTable().back().subsidy == Cents();
}

constexpr bool SameIsrRow(const IsrRow& a, const IsrRow& b) {
    return a.lowerLimit == b.lowerLimit && a.upperLimit == b.upperLimit &&
           a.fixedFee == b.fixedFee && a.rate == b.rate;
}
constexpr bool SameSubsidyRow(const SubsidyRow& a, const SubsidyRow& b) {
    return a.lowerLimit == b.lowerLimit && a.upperLimit == b.upperLimit && a.subsidy == b.subsidy;
}

// The 7-, 10-, 14- and 15-day tables of the daily tables are the set's own period tables, cell for
// cell (for a set without daily tables, they are those tables by definition).
constexpr bool DaysTablesAreThePeriodTables(const TableSet& set) {
    return AllOf(kPeriodsOfDays, [&](const PeriodOfDays& p) {
        const auto tables = TablesForDays(set, p.days);
        return tables && EqualRanges(tables->isr, set.IsrTariff(p.period), SameIsrRow) &&
               EqualRanges(tables->subsidy, set.SubsidyTable(p.period), SameSubsidyRow);
    });
}

// Every check above, for a set's static_assert: a failing check stops the build at its own line.
consteval bool EveryCheckHolds(const TableSet& set) {
    if (!BracketsChainFromOneCentToTheSentinel(set)) throw "brackets leave a gap or overlap";
    if (!EveryTariffHasTheRatesOf2016(set)) throw "a tariff has other rates";
    if (!TopSubsidyRowsPayNothing(set)) throw "a top subsidy row pays something";
    if (!ExcessTimesRateFits(set)) throw "an excess times its rate may pass 64 bits";
    if (!DailyTablesAreSound(set)) throw "the daily tables break a rule of the others";
    if (!DaysTablesAreThePeriodTables(set)) throw "daily rows times the days are not the tables";
    return true;
}

}  // namespace isr::table_checks
