// SPDX-License-Identifier: MIT
// The employment subsidy a payment caused when nobody wrote it down: that of its own withholding
// calculation, by its pay period or by the days it paid.
#pragma once

#include <optional>

#include "calc/days_paid.h"
#include "money/cents.h"
#include "tariffs/periods.h"
#include "tariffs/table_set.h"

namespace isr {

// The subsidy table's row of the period for `taxable`; zero where no row encloses it and for a
// period without a subsidy table ("Anual").
Cents PeriodSubsidy(const TableSet& tables, Period period, Cents taxable);

// The subsidy of a pay of `days` days by the monthly method (LISR art. 96: through 30.4 days),
// which every table set can make and which takes any number of days up to a year's; nothing for
// days out of its range or a base it cannot bring to a month.
std::optional<Cents> DaysSubsidy(const TableSet& tables, DaysPaid days, Cents taxable);

}  // namespace isr
