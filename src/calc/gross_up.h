// SPDX-License-Identifier: MIT
// From a net pay back to the taxable income that pays it: the gross-up, exact to the cent.
//
// The net of a base is the base minus the result of the 2016 procedure (a result below zero, a
// subsidy above the tax, adds to it); a base of 0.00 matches no row and nets 0.00, or for "Anual"
// the subsidy sum. The net is not monotone in the base: where the employment subsidy falls a step
// (monthly, from 7,382.33 to 7,382.34 it drops by 217.61) the net falls with it.
#pragma once

#include <optional>

#include "calc/withholding.h"
#include "money/cents.h"
#include "tariffs/periods.h"
#include "tariffs/table_set.h"

namespace isr {

struct GrossUpResult {
    // The smallest base from 0.00 up whose net is at least the target: the cheapest income that
    // pays it.
    Cents base;
    Withholding withholding;  // Calculate's result for that base
    Cents net;                // what the base nets
    // The net is the target itself; otherwise no base nets the target, and `net` is the next
    // net above it that any base reaches.
    bool exact;
};

// The gross-up of `targetNet` with the tables of `tables`; the subsidy sum, from 0.00 up, counts
// for "Anual" only, as in Calculate. Nothing when the target is above the net of every base the
// period's tariff covers (from 0.00 to its top row's upper limit).
std::optional<GrossUpResult> GrossUp(const TableSet& tables, Period period, Cents targetNet,
                                     Cents subsidySum);

// The highest net of any base the period's tariff covers, or the largest amount when it is beyond
// it: every target up to it has a gross-up.
Cents HighestNet(const TableSet& tables, Period period, Cents subsidySum);

}  // namespace isr
