// SPDX-License-Identifier: MIT
#include "calc/extraordinary_payment.h"

#include <algorithm>
#include <array>
#include <numeric>

#include "calc/rounded_quotient.h"
#include "calc/withholding.h"
#include "money/written_name.h"

namespace isr {

namespace {

// Days' worth of minimum wage exempt per paymentConcept (art. 93 XIV LISR); the prima dominical's
// is per Sunday.
constexpr std::array<int, 4> kExemptDays = {30, 15, 15, 1};

Cents FromCount(std::int64_t count) {
    return *Cents::FromCount(count);
}

}  // namespace

std::string_view PaymentConceptName(PaymentConcept paymentConcept) {
    return kConceptNames[static_cast<std::size_t>(paymentConcept)];
}

std::optional<PaymentConcept> FindPaymentConcept(std::string_view name) {
    for (std::size_t i = 0; i < kConceptNames.size(); ++i) {
        if (SameWrittenName(name, kConceptNames[i])) return static_cast<PaymentConcept>(i);
    }
    return std::nullopt;
}

std::int64_t PercentFraction::TenThousandths() const {
    // Percent ten-thousandths: 100 x 10,000 x numerator / denominator.
    return RoundedProductQuotient(numerator, 1'000'000, denominator);
}

PaymentMethod WithholdsLess(const ExtraordinaryPayment& payment) {
    if (payment.spread.withholding < payment.monthly.withholding) return PaymentMethod::kSpread;
    if (payment.monthly.withholding < payment.spread.withholding) return PaymentMethod::kMonthly;
    return PaymentMethod::kNeither;
}

std::optional<PaymentError> OrdinaryIncomeError(const TableSet& tables, Cents ordinaryIncome) {
    using enum InputProblem;
    if (ordinaryIncome < Cents()) return PaymentError{PaymentField::kOrdinaryIncome, kNegative};
    if (ordinaryIncome > tables.IsrTariff(Period::kMensual).back().upperLimit) {
        return PaymentError{PaymentField::kOrdinaryIncome, kBeyondTariff};
    }
    return std::nullopt;
}

std::variant<ExtraordinaryPayment, PaymentError> CalculateExtraordinaryPayment(
    const TableSet& tables, const PaymentInput& input) {
    using enum PaymentField;
    using enum InputProblem;
    const Cents top = tables.IsrTariff(Period::kMensual).back().upperLimit;
    if (const auto error = OrdinaryIncomeError(tables, input.ordinaryIncome)) return *error;
    if (input.payment < Cents()) return PaymentError{kPayment, kNegative};
    if (input.sundays < 0) return PaymentError{kSundays, kNegative};
    if (input.sundays > kMostSundays) return PaymentError{kSundays, kOutOfRange};
    if (input.sundays != 0 && input.paymentConcept != PaymentConcept::kPrimaDominical) {
        return PaymentError{kSundays, kNotForConcept};
    }
    if (input.minimumWage < Cents()) return PaymentError{kMinimumWage, kNegative};
    // At most kMostSundays times the wage is taken, and it must stay an amount.
    if (input.minimumWage == Cents() ||
        input.minimumWage.Count() > Cents::kLargestCount / kMostSundays) {
        return PaymentError{kMinimumWage, kOutOfRange};
    }

    ExtraordinaryPayment p{};
    const auto conceptIndex = static_cast<std::size_t>(input.paymentConcept);
    const int days = input.paymentConcept == PaymentConcept::kPrimaDominical
                         ? input.sundays
                         : kExemptDays[conceptIndex];
    p.exemptCap = FromCount(input.minimumWage.Count() * days);
    p.exempt = std::min(input.payment, p.exemptCap);
    p.taxable = input.payment - p.exempt;
    // Both amounts are within range, so their sum fits in 64 bits.
    if (input.ordinaryIncome.Count() + p.taxable.Count() > top.Count()) {
        return PaymentError{kPayment, kBeyondTariff};
    }

    const Cents o = input.ordinaryIncome;
    const Cents g = p.taxable;
    SpreadMethod& s = p.spread;
    // G / 365 x 30.4 = G x 152 / 1,825, exactly.
    s.monthlyShare = FromCount(RoundedProductQuotient(g.Count(), 152, 1825));
    s.baseWithShare = o + s.monthlyShare;
    s.taxWithShare = Calculate(tables, Period::kMensual, s.baseWithShare, Cents()).determinedTax;
    const Withholding ofIncome = Calculate(tables, Period::kMensual, o, Cents());
    s.taxWithout = ofIncome.determinedTax;
    s.taxDifference = s.taxWithShare - s.taxWithout;
    s.rate = {0, 1};
    if (s.monthlyShare > Cents()) {
        const std::int64_t m = s.monthlyShare.Count();
        const std::int64_t d = s.taxDifference.Count();
        const std::int64_t divisor = std::gcd(d, m);
        s.rate = {d / divisor, m / divisor};
        s.withholding = FromCount(RoundedProductQuotient(g.Count(), d, m));
    }

    MonthlyMethod& monthly = p.monthly;
    monthly.baseWithPayment = o + g;
    // Monthly results are always figured: only an annual subsidy sum can leave one out.
    monthly.procedureWithPayment =
        *Calculate(tables, Period::kMensual, monthly.baseWithPayment, Cents()).result;
    monthly.procedureWithout = *ofIncome.result;
    monthly.withholding = monthly.procedureWithPayment - monthly.procedureWithout;
    return p;
}

}  // namespace isr
