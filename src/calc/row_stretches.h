// SPDX-License-Identifier: MIT
// Where the withholding changes its rows: between two neighbouring breakpoints neither the tariff
// row nor the subsidy row of the base changes, so the tax and the net are linear in the base up to
// the rounding of one cent. A chart needs only each stretch's ends, and a step is two points one
// cent apart; the gross-up solves for its target inside one stretch at a time.
#pragma once

#include <algorithm>
#include <cstddef>
#include <span>
#include <vector>

#include "money/cents.h"
#include "tariffs/periods.h"
#include "tariffs/table_set.h"

namespace isr {

// Bases from `first` to `last`, both included, that share their tariff row and their subsidy row
// (or share having none).
struct RowStretch {
    Cents first;
    Cents last;

    bool operator==(const RowStretch&) const = default;
};

// A stretch with the rows its bases lie in, each nothing where no row encloses them.
struct StretchRows {
    RowStretch bases;
    const IsrRow* isr;
    const SubsidyRow* subsidy;
};

// Calls `visit` on each stretch that covers the bases from `from` to `to`, in order, until it
// returns true: the first starts at `from`, the last ends at `to`, each starts one cent after the
// one before, and every other end is where a row of the period's tariff or subsidy table begins or
// ends. The rows of each table ascend without overlap, as their checks at load ensure.
template <class Visit>
void ForEachRowStretch(const TableSet& tables, Period period, Cents from, Cents to, Visit visit) {
    const std::span<const IsrRow> tariff = tables.IsrTariff(period);
    const std::span<const SubsidyRow> subsidy = tables.SubsidyTable(period);
    std::size_t t = 0;
    std::size_t s = 0;
    for (Cents at = from; at <= to;) {
        Cents last = to;
        // The row of `rows` that holds `at`, from the k-th on; `last` is cut where that row ends,
        // or where the next one begins.
        const auto rowAt = [&](auto rows, std::size_t& k) -> decltype(rows.data()) {
            while (k < rows.size() && rows[k].upperLimit < at) ++k;
            if (k == rows.size()) return nullptr;
            if (at < rows[k].lowerLimit) {
                last = std::min(last, rows[k].lowerLimit - kOneCent);
                return nullptr;
            }
            last = std::min(last, rows[k].upperLimit);
            return &rows[k];
        };
        const IsrRow* isrRow = rowAt(tariff, t);
        const SubsidyRow* subsidyRow = rowAt(subsidy, s);
        if (visit(StretchRows{{at, last}, isrRow, subsidyRow}) || last == to) return;
        at = last + kOneCent;
    }
}

// The stretches of ForEachRowStretch, by their ends. Empty when `to` is below `from`.
std::vector<RowStretch> RowStretches(const TableSet& tables, Period period, Cents from, Cents to);

// Where a chart of the period's net shows every step of the subsidy: the lower limit of the
// subsidy table's last row. The annual period has no subsidy table, and its net no steps; its
// first six tariff rows stand in, which reach about as far into its incomes as the subsidy's
// rows reach into the other periods'.
Cents SubsidyStepsEnd(const TableSet& tables, Period period);

}  // namespace isr
