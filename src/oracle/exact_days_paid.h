// SPDX-License-Identifier: MIT
// A pay of N days in exact rationals: by the table of N whole days, made here from the daily
// texts, or through the month (x 30.4 / N, the monthly tables, x N / 30.4).
#pragma once

#include <gmpxx.h>

#include <array>
#include <optional>
#include <string>

#include "oracle/exact_calculation.h"
#include "oracle/exact_tables.h"

namespace isr::oracle {

// The nine boxes, then the monthly base ("" by table), the period's tax, its subsidy and the
// result.
using ExactDaysFigures = std::array<std::string, 13>;

// The tables of N whole days: the daily rows times N, each lower limit a cent above the previous
// upper limit, the top rows' upper limits as they are. A set without daily tables has those of
// its 7-, 10-, 14- and 15-day periods only. Nothing for any other N.
std::optional<ExactPeriodTables> ExactTablesForDays(const ExactTables& tables, int days);

// By table (`mensual` false, `days` whole) or through the month. Nothing when the set has no
// table of that many days.
std::optional<ExactDaysFigures> ExactDaysPaid(const ExactTables& tables, bool mensual,
                                              const mpq_class& days, const mpq_class& base);

}  // namespace isr::oracle
