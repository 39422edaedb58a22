// SPDX-License-Identifier: MIT
// Bracket lookups: which row of a tariff encloses a taxable base.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace isr {

// One income-tax tariff row, fields in row order.
struct IsrBracket {
    double lowerLimit;
    double upperLimit;
    double fixedFee;
    double ratePercent;  // 1.92 means 1.92 %
};

// One employment-subsidy row, fields in row order.
struct EmploymentSubsidyBracket {
    double lowerLimit;
    double upperLimit;
    double subsidyAmount;  // for one pay period of the table's period
};

// What the income-tax lookup shows, each figure as displayed (rounded to cents).
struct IsrBreakdown {
    double lowerLimit;
    double excess;  // base minus lower limit
    double ratePercent;
    double fixedFee;
};

template <class Bracket>
struct BracketMatch {
    int row;
    Bracket bracket;
};

IsrBracket ParseIsrRow(std::string_view row);
EmploymentSubsidyBracket ParseSubsidyRow(std::string_view row);

// The tables of a period, parsed once from their row texts on first use. The annual period has
// no subsidy table (empty span); so has a position outside the period list.
std::span<const IsrBracket> IsrBracketsOf(int period);
std::span<const EmploymentSubsidyBracket> SubsidyBracketsOf(int period);

// The first row, in index order, with lowerLimit <= base <= upperLimit; nothing when no row
// encloses the base (zero or below, above the top, or between two rows by a fraction of a cent).
// Rows 0 through nRows are examined, never past the table's last row.
std::optional<BracketMatch<IsrBracket>> FindIsrBracket(std::span<const IsrBracket> table,
                                                       std::int16_t nRows, double base);
std::optional<BracketMatch<EmploymentSubsidyBracket>> FindEmploymentSubsidyBracket(
    std::span<const EmploymentSubsidyBracket> table, double base);

}  // namespace isr
