// SPDX-License-Identifier: MIT
#include "oracle/exact_annual.h"

#include "oracle/exact_calculation.h"

namespace isr::oracle {

ExactMonthSubsidy ExactMonthCap(const ExactTables& tables, const mpq_class& monthTaxable,
                                const mpq_class& subsidies) {
    ExactMonthSubsidy month;
    month.cap = ExactCalculateOn(tables.Of(Period::kMensual), monthTaxable).subsidy;
    month.credited = subsidies < month.cap ? subsidies : month.cap;
    month.beyond = subsidies - month.credited;
    return month;
}

ExactYear ExactAnnual(const ExactTables& tables, const mpq_class& yearTaxable,
                      const mpq_class& credited, const mpq_class& withheld) {
    ExactYear year;
    year.isrTariff = ExactCalculateOn(tables.Of(Period::kAnual), yearTaxable).tax;
    year.isrYear = year.isrTariff - credited;
    if (year.isrYear < 0) year.isrYear = 0;
    year.difference = year.isrYear - withheld;
    return year;
}

}  // namespace isr::oracle
