// SPDX-License-Identifier: MIT
// Bracket lookups: which row of a table encloses a taxable base.
#pragma once

#include <cstddef>
#include <optional>
#include <span>

#include "money/cents.h"
#include "tariffs/days_tables.h"
#include "tariffs/table_set.h"

namespace isr {

template <class Row>
struct BracketMatch {
    std::size_t row;  // its index in the table, from 0
    Row bracket;
};

// The first row, in index order, with lowerLimit <= base <= upperLimit; nothing when no row
// encloses the base (zero or below, or above the top row's sentinel).
template <class Row>
constexpr std::optional<BracketMatch<Row>> FindBracket(std::span<const Row> table, Cents base) {
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (table[i].lowerLimit <= base && base <= table[i].upperLimit) return {{i, table[i]}};
    }
    return std::nullopt;
}

constexpr std::optional<BracketMatch<IsrRow>> FindIsrBracket(std::span<const IsrRow> tariff,
                                                             Cents base) {
    return FindBracket(tariff, base);
}

// The largest base a tariff covers: its top row's upper limit. No row encloses a base above it.
constexpr Cents TariffTop(std::span<const IsrRow> tariff) {
    return tariff.back().upperLimit;
}

constexpr std::optional<BracketMatch<SubsidyRow>> FindEmploymentSubsidyBracket(
    std::span<const SubsidyRow> table, Cents base) {
    return FindBracket(table, base);
}

// The row of the table of `days` days made from a daily table that encloses the base, found
// without making the table (see RowForDays). The rows chain (tariffs/table_checks.h): only the
// first whose upper limit reaches the base can enclose it.
template <class Row>
constexpr std::optional<BracketMatch<Row>> FindBracketForDays(std::span<const Row> daily, int days,
                                                              Cents base) {
    for (std::size_t i = 0; i < daily.size(); ++i) {
        if (i + 1 < daily.size() && base.Count() > daily[i].upperLimit.Count() * days) continue;
        const Row row = RowForDays(daily, days, i);
        if (row.lowerLimit <= base && base <= row.upperLimit) return {{i, row}};
        break;
    }
    return std::nullopt;
}

}  // namespace isr
