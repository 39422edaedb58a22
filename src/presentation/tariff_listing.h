// SPDX-License-Identifier: MIT
// The plain-text listing of the tariffs in force that the window's tariffs panel shows.
#pragma once

#include <string>

#include "tariffs/table_set.h"

namespace isr {

// Columns of the listing, in characters. Figures are right-aligned in their column; the columns
// start on multiples of kListingTabWidth, where a text box with tab stops every eight characters
// puts them, so "\t" and blanks line up alike.
inline constexpr int kListingTabWidth = 8;
inline constexpr int kListingLimitWidth = 12;
inline constexpr int kListingFigureWidth = 10;
inline constexpr int kListingRuleWidth = 58;

// The monthly income-tax tariff, the monthly employment-subsidy table and the annual income-tax
// tariff, read from the tariff tables and formatted like every other amount ("#,0.00"). Lines are
// separated by "\n"; the income-tax rows separate their columns with tabs, the subsidy rows with
// blanks.
std::string TariffListing(const TableSet& tables);

}  // namespace isr
