// SPDX-License-Identifier: MIT
// The employer's annual calculation in exact rationals: a month's subsidy capped at the monthly
// table's for the month's whole pay, and the year's tax, from the tables' texts.
#pragma once

#include <gmpxx.h>

#include "oracle/exact_tables.h"

namespace isr::oracle {

struct ExactMonthSubsidy {
    mpq_class cap;       // the monthly subsidy table's row for the month's pay; 0 without one
    mpq_class credited;  // the payments' subsidies, at most the cap
    mpq_class beyond;    // the payments' subsidies above the cap
};

ExactMonthSubsidy ExactMonthCap(const ExactTables& tables, const mpq_class& monthTaxable,
                                const mpq_class& subsidies);

struct ExactYear {
    mpq_class isrTariff;   // the annual tariff's tax, made of its figures as shown
    mpq_class isrYear;     // less the credited subsidy, never below 0
    mpq_class difference;  // less the withholdings
};

ExactYear ExactAnnual(const ExactTables& tables, const mpq_class& yearTaxable,
                      const mpq_class& credited, const mpq_class& withheld);

}  // namespace isr::oracle
