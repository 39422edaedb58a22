// SPDX-License-Identifier: MIT
// The withholding calculation behind "&Calcular": the tariff bracket of the base, the determined
// tax, the employment subsidy of the period and the result of the 2016 procedure, in cents.
#pragma once

#include <cstddef>
#include <optional>
#include <span>

#include "money/cents.h"
#include "tariffs/periods.h"
#include "tariffs/table_set.h"

namespace isr {

// The income-tax row that encloses the base, and the excess of the base over its lower limit.
struct IsrBreakdown {
    std::size_t row;
    Cents lowerLimit;
    Cents excess;
    Rate rate;
    Cents fixedFee;

    bool operator==(const IsrBreakdown&) const = default;
};

struct SubsidyBreakdown {
    std::size_t row;
    Cents lowerLimit;
    Cents upperLimit;
    Cents subsidy;

    bool operator==(const SubsidyBreakdown&) const = default;
};

struct Withholding {
    std::optional<IsrBreakdown> isr;  // nothing when no row encloses the base
    // Nothing when no row encloses the base, and always for "Anual", which has no subsidy table.
    std::optional<SubsidyBreakdown> subsidy;
    // excess x rate / 100 rounded to cents, plus the fixed fee; zero without an ISR row.
    Cents determinedTax;
    // The tax minus the period's subsidy, or for "Anual" minus the year's subsidy sum; below zero
    // when the subsidy is the larger. Nothing when a typed subsidy sum was beyond what an amount
    // can hold (see CalculateEntered), or the difference is.
    std::optional<Cents> result;

    bool operator==(const Withholding&) const = default;
};

// One calculation with a tariff and a subsidy table of one period (empty when it has none): the
// result is the tax minus the subsidy of the base's row.
Withholding CalculateWithTables(std::span<const IsrRow> tariff,
                                std::span<const SubsidyRow> subsidyTable, Cents base);

// One calculation with the tables of `tables`. The subsidy sum counts for "Anual" only.
Withholding Calculate(const TableSet& tables, Period period, Cents base, Cents subsidySum);

}  // namespace isr
