// SPDX-License-Identifier: MIT
// The withholding calculation behind "&Calcular": the tariff bracket of the base, the determined
// tax, the employment subsidy of the period and the result of the 2016 procedure, in cents.
#pragma once

#include <cstddef>
#include <optional>
#include <span>

#include "calc/brackets.h"
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
    Cents base{};
    // What the result subtracts from the tax: the subsidy of the period's row (zero without one),
    // or for "Anual" the year's subsidy sum.
    Cents credit{};

    // What the employee keeps: the base less the result. Nothing without a result, or when the
    // difference is beyond what an amount can hold.
    std::optional<Cents> Net() const {
        return result ? Cents::Difference(base, *result) : std::nullopt;
    }

    bool operator==(const Withholding&) const = default;
};

// The calculation once the rows of the base are found, or not: the result is the tax minus the
// subsidy of the row.
Withholding WithholdingOfRows(const std::optional<BracketMatch<IsrRow>>& isrRow,
                              const std::optional<BracketMatch<SubsidyRow>>& subsidyRow,
                              Cents base);

// One calculation with the tables of `tables`. The subsidy sum counts for "Anual" only.
Withholding Calculate(const TableSet& tables, Period period, Cents base, Cents subsidySum);

}  // namespace isr
