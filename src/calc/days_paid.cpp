// SPDX-License-Identifier: MIT
#include "calc/days_paid.h"

#include "calc/rounded_quotient.h"
#include "tariffs/days_tables.h"

namespace isr {

namespace {

Cents FromCount(std::int64_t count) {
    return *Cents::FromCount(count);
}

std::variant<DaysPaidResult, DaysProblem> ByTable(const TableSet& tables, DaysPaid days,
                                                  Cents base) {
    if (days.thousandths % kThousandthsPerDay != 0) return DaysProblem::kOutOfRange;
    const int whole = days.thousandths / kThousandthsPerDay;
    if (whole < 1 || whole > kMostTableDays) return DaysProblem::kOutOfRange;
    const auto daysTables = TablesForDays(tables, whole);
    if (!daysTables) return DaysProblem::kNoTable;
    DaysPaidResult r{DaysMethod::kTabla,
                     CalculateWithTables(daysTables->isr, daysTables->subsidy, base),
                     std::nullopt,
                     Cents(),
                     Cents(),
                     Cents()};
    r.periodTax = r.withholding.determinedTax;
    r.periodSubsidy = r.withholding.subsidy ? r.withholding.subsidy->subsidy : Cents();
    r.result = *r.withholding.result;
    return r;
}

std::variant<DaysPaidResult, DaysProblem> ByMonth(const TableSet& tables, DaysPaid days,
                                                  Cents base) {
    const std::int64_t n = days.thousandths;
    if (n <= 0 || n > kMostMensualThousandths) return DaysProblem::kOutOfRange;
    // base / N whole thousandths times 30,400 stays within 64 bits; the rounded whole must be an
    // amount.
    const std::int64_t magnitude = base.Count() < 0 ? -base.Count() : base.Count();
    if (magnitude / n > Cents::kLargestCount / kMonthThousandths) return DaysProblem::kBeyondAmount;
    const auto monthly =
        Cents::FromCount(RoundedProductQuotient(base.Count(), kMonthThousandths, n));
    if (!monthly) return DaysProblem::kBeyondAmount;
    const Cents monthlyBase = *monthly;
    DaysPaidResult r{DaysMethod::kMensual,
                     Calculate(tables, Period::kMensual, monthlyBase, Cents()),
                     monthlyBase,
                     Cents(),
                     Cents(),
                     Cents()};
    const Cents subsidy = r.withholding.subsidy ? r.withholding.subsidy->subsidy : Cents();
    r.periodTax = FromCount(
        RoundedProductQuotient(r.withholding.determinedTax.Count(), n, kMonthThousandths));
    r.periodSubsidy = FromCount(RoundedProductQuotient(subsidy.Count(), n, kMonthThousandths));
    r.result = r.periodTax - r.periodSubsidy;
    return r;
}

}  // namespace

std::variant<DaysPaidResult, DaysProblem> CalculateDaysPaid(const TableSet& tables, DaysPaid days,
                                                            DaysMethod method, Cents base) {
    return method == DaysMethod::kTabla ? ByTable(tables, days, base) : ByMonth(tables, days, base);
}

}  // namespace isr
