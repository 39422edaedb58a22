// SPDX-License-Identifier: MIT
// The tables of a pay of N whole days. A set with daily tables has them for every N from 1 to 31:
// each upper limit, fixed fee and subsidy of the daily tables times N, exactly, each lower limit
// one cent above the previous upper limit, the top rows ending at the daily tables' sentinel. A set
// without daily tables has only those of its own periods of whole days (7, 10, 14 and 15).
#pragma once

#include <array>
#include <optional>

#include "tariffs/table_set.h"

namespace isr {

inline constexpr int kMostTableDays = 31;

struct DaysTables {
    Table<IsrRow> isr;
    Table<SubsidyRow> subsidy;
};

struct PeriodOfDays {
    Period period;
    int days;
};

// The periods whose tables are a whole number of days.
inline constexpr std::array<PeriodOfDays, 4> kPeriodsOfDays = {{
    {Period::kSemanal, 7},
    {Period::kDecenal, 10},
    {Period::kCatorcenal, 14},
    {Period::kQuincenal, 15},
}};

namespace detail {

// Rows of daily limits times the days; `Row` is IsrRow or SubsidyRow.
template <class Row, class Scale>
constexpr Table<Row> TimesDays(std::span<const Row> daily, int days, Scale scale) {
    Table<Row> rows{};
    const auto times = [days](Cents c) { return *Cents::FromCount(c.Count() * days); };
    for (std::size_t r = 0; r < kRowsPerTable; ++r) {
        rows[r] = daily[r];
        rows[r].lowerLimit = r == 0 ? daily[r].lowerLimit : rows[r - 1].upperLimit + kOneCent;
        if (r + 1 < kRowsPerTable) rows[r].upperLimit = times(daily[r].upperLimit);
        scale(rows[r], times);
    }
    return rows;
}

}  // namespace detail

// Nothing when the set has no table of that many days.
constexpr std::optional<DaysTables> TablesForDays(const TableSet& set, int days) {
    if (days < 1 || days > kMostTableDays) return std::nullopt;
    if (set.HasDailyTables()) {
        return DaysTables{
            detail::TimesDays(set.DailyIsrTariff(), days,
                              [](IsrRow& row, auto times) { row.fixedFee = times(row.fixedFee); }),
            detail::TimesDays(
                set.DailySubsidyTable(), days,
                [](SubsidyRow& row, auto times) { row.subsidy = times(row.subsidy); }),
        };
    }
    for (const PeriodOfDays& p : kPeriodsOfDays) {
        if (p.days != days) continue;
        DaysTables tables{};
        const auto isr = set.IsrTariff(p.period);
        const auto subsidy = set.SubsidyTable(p.period);
        for (std::size_t r = 0; r < kRowsPerTable; ++r) {
            tables.isr[r] = isr[r];
            tables.subsidy[r] = subsidy[r];
        }
        return tables;
    }
    return std::nullopt;
}

}  // namespace isr
