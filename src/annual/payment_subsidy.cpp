// SPDX-License-Identifier: MIT
#include "annual/payment_subsidy.h"

#include "calc/withholding.h"

namespace isr {

Cents PeriodSubsidy(const TableSet& tables, Period period, Cents taxable) {
    const auto w = Calculate(tables, period, taxable, Cents());
    return w.subsidy ? w.subsidy->subsidy : Cents();
}

std::optional<Cents> DaysSubsidy(const TableSet& tables, DaysPaid days, Cents taxable) {
    const auto result = CalculateDaysPaid(tables, days, DaysMethod::kMensual, taxable);
    if (const auto* figures = std::get_if<DaysPaidResult>(&result)) return figures->periodSubsidy;
    return std::nullopt;
}

}  // namespace isr
