// SPDX-License-Identifier: MIT
// The tables of a pay of N whole days. A set with daily tables has them for every N from 1 to 31:
// each upper limit, fixed fee and subsidy of the daily tables times N, exactly, each lower limit
// one cent above the previous upper limit, the top rows ending at the daily tables' sentinel. A set
// without daily tables has only those of its own periods of whole days (7, 10, 14 and 15).
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>

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

// The period whose tables are of that many days, if any.
constexpr std::optional<Period> PeriodOfDaysCount(int days) {
    for (const PeriodOfDays& p : kPeriodsOfDays) {
        if (p.days == days) return p.period;
    }
    return std::nullopt;
}

namespace detail {

constexpr Cents TimesDays(Cents amount, int days) {
    return *Cents::FromCount(amount.Count() * days);
}
constexpr void ScaleFigures(IsrRow& row, int days) {
    row.fixedFee = TimesDays(row.fixedFee, days);
}
constexpr void ScaleFigures(SubsidyRow& row, int days) {
    row.subsidy = TimesDays(row.subsidy, days);
}

}  // namespace detail

// Row r of the table of `days` days made from a daily table (IsrRow or SubsidyRow rows), without
// making the others.
template <class Row>
constexpr Row RowForDays(std::span<const Row> daily, int days, std::size_t r) {
    Row row = daily[r];
    if (r > 0) row.lowerLimit = detail::TimesDays(daily[r - 1].upperLimit, days) + kOneCent;
    if (r + 1 < daily.size()) row.upperLimit = detail::TimesDays(daily[r].upperLimit, days);
    detail::ScaleFigures(row, days);
    return row;
}

// Nothing when the set has no table of that many days.
constexpr std::optional<DaysTables> TablesForDays(const TableSet& set, int days) {
    if (days < 1 || days > kMostTableDays) return std::nullopt;
    DaysTables tables{};
    if (set.HasDailyTables()) {
        for (std::size_t r = 0; r < kRowsPerTable; ++r) {
            tables.isr[r] = RowForDays(set.DailyIsrTariff(), days, r);
            tables.subsidy[r] = RowForDays(set.DailySubsidyTable(), days, r);
        }
        return tables;
    }
    const auto period = PeriodOfDaysCount(days);
    if (!period) return std::nullopt;
    const auto isr = set.IsrTariff(*period);
    const auto subsidy = set.SubsidyTable(*period);
    for (std::size_t r = 0; r < kRowsPerTable; ++r) {
        tables.isr[r] = isr[r];
        tables.subsidy[r] = subsidy[r];
    }
    return tables;
}

}  // namespace isr
