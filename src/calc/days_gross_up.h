// SPDX-License-Identifier: MIT
// From a net pay of N days back to the taxable income that pays it, by either method, exact to
// the cent: the smallest base whose net (base minus the days-paid result) reaches the target.
#pragma once

#include <optional>
#include <variant>

#include "calc/days_paid.h"

namespace isr {

struct DaysGrossUpResult {
    Cents base;                  // the smallest base from 0.00 up whose net reaches the target
    DaysPaidResult calculation;  // CalculateDaysPaid's result for that base
    Cents net;                   // what the base nets
    bool exact;                  // the net is the target itself, not the next net above it
};

// A bad N is CalculateDaysPaid's problem; nothing when the target is above the net of every base
// the tables cover: up to the top row of the N-day tariff (tabla), or the bases whose monthly base
// the monthly tariff covers (mensual).
std::variant<std::optional<DaysGrossUpResult>, DaysProblem> GrossUpDays(const TableSet& tables,
                                                                        DaysPaid days,
                                                                        DaysMethod method,
                                                                        Cents targetNet);

}  // namespace isr
