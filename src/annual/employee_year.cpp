// SPDX-License-Identifier: MIT
#include "annual/employee_year.h"

#include <algorithm>

#include "calc/brackets.h"
#include "calc/withholding.h"

namespace isr {

namespace {

// a += b; false, leaving `a` as it was, when the sum is beyond what an amount holds.
bool AddTo(Cents& a, Cents b) {
    const auto sum = Cents::Sum(a, b);
    if (!sum) return false;
    a = *sum;
    return true;
}

}  // namespace

void EmployeeYear::Add(const YearPayment& payment) {
    ++payments_;
    const IsoDate start = payment.periodStart.value_or(payment.paid);
    const IsoDate end = payment.periodEnd.value_or(payment.paid);
    if (!payment.periodStart || !payment.periodEnd) periodsFromPaymentDates_ = true;
    if (!firstPeriod_ || start < *firstPeriod_) firstPeriod_ = start;
    if (!lastPeriod_ || end > *lastPeriod_) lastPeriod_ = end;
    auto& month = months_[static_cast<std::size_t>(payment.paid.month - 1)];
    ++month.payments;
    const bool within = AddTo(month.taxable, payment.taxable) &&
                        AddTo(month.subsidies, payment.subsidy) && AddTo(exempt_, payment.exempt) &&
                        AddTo(withheld_, payment.withheld);
    if (!within) beyondAmount_ = true;
}

std::variant<AnnualCalculation, AnnualProblem> EmployeeYear::Calculate(
    const TableSet& tables) const {
    if (year_ < kFirstTariffYear || year_ > kLastTariffYear) {
        return AnnualProblem::kOutsideTariffYears;
    }
    if (beyondAmount_) return AnnualProblem::kBeyondAmount;
    AnnualCalculation a{};
    a.year = year_;
    a.payments = payments_;
    a.firstPeriod = firstPeriod_.value_or(IsoDate{year_, 1, 1});
    a.lastPeriod = lastPeriod_.value_or(IsoDate{year_, 1, 1});
    a.periodsFromPaymentDates = periodsFromPaymentDates_;
    a.withheld = withheld_;
    const auto monthlyTable = tables.SubsidyTable(Period::kMensual);
    for (std::size_t m = 0; m < months_.size(); ++m) {
        const MonthSums& sums = months_[m];
        MonthSubsidy& month = a.months[m];
        month.payments = sums.payments;
        month.taxable = sums.taxable;
        month.subsidies = sums.subsidies;
        // No row below a cent (a month without taxable pay) nor above the table: no subsidy.
        if (const auto row = FindEmploymentSubsidyBracket(monthlyTable, sums.taxable)) {
            month.cap = row->bracket.subsidy;
        }
        month.credited = std::min(month.subsidies, month.cap);
        month.beyondCap = month.subsidies - month.credited;
        if (!AddTo(a.taxable, month.taxable) || !AddTo(a.subsidy, month.credited)) {
            return AnnualProblem::kBeyondAmount;
        }
    }
    const auto income = Cents::Sum(a.taxable, exempt_);
    if (!income) return AnnualProblem::kBeyondAmount;
    a.income = *income;
    const auto tariff = tables.IsrTariff(Period::kAnual);
    if (a.taxable > TariffTop(tariff)) return AnnualProblem::kBeyondTariff;
    a.isrTariff = isr::Calculate(tables, Period::kAnual, a.taxable, Cents()).determinedTax;
    a.isrYear = std::max(Cents(), a.isrTariff - a.subsidy);
    const auto difference = Cents::Difference(a.isrYear, a.withheld);
    if (!difference) return AnnualProblem::kBeyondAmount;
    a.difference = *difference;
    a.exclusions.incomeAbove = a.income > kMostIncomeCalculated;
    a.exclusions.startsLate = a.firstPeriod > IsoDate{year_, 1, 1};
    a.exclusions.endsEarly = a.lastPeriod < IsoDate{year_, 12, 1};
    if (a.exclusions.Any()) {
        a.result = AnnualResult::kNoCorresponde;
    } else if (a.difference > Cents()) {
        a.result = AnnualResult::kACargo;
    } else if (a.difference < Cents()) {
        a.result = AnnualResult::kAFavor;
    } else {
        a.result = AnnualResult::kSinDiferencia;
    }
    return a;
}

}  // namespace isr
