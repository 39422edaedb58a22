// SPDX-License-Identifier: MIT
// Where the withholding changes its rows: between two neighbouring breakpoints neither the tariff
// row nor the subsidy row of the base changes, so the tax and the net are linear in the base up to
// the rounding of one cent. A chart needs only each stretch's ends, and a step is two points one
// cent apart.
#pragma once

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

// The stretches that cover the bases from `from` to `to` in order, each one cent after the one
// before: the first starts at `from`, the last ends at `to`, and every other end is a row limit
// of the period's tariff or subsidy table. Empty when `to` is below `from`.
std::vector<RowStretch> RowStretches(const TableSet& tables, Period period, Cents from, Cents to);

}  // namespace isr
