// SPDX-License-Identifier: MIT
#include "presentation/payment_figures.h"

#include "money/amount_text.h"

namespace isr {

namespace {

std::string Shown(Cents amount) {
    return AmountText(amount).String();
}

}  // namespace

std::string PercentText(const PercentFraction& rate) {
    const std::int64_t t = rate.TenThousandths();
    const std::int64_t magnitude = t < 0 ? -t : t;
    // The whole percent grouped as an amount shows it, "#,0", then four decimals.
    const AmountText whole(*Cents::FromCount(magnitude / 10'000 * 100));
    std::string text = t < 0 ? "-" : "";
    text += whole.View().substr(0, whole.View().size() - 3);
    const auto decimals = std::to_string(magnitude % 10'000);
    text += '.';
    text.append(4 - decimals.size(), '0');
    return text + decimals;
}

std::string PaymentFigureText(const ExtraordinaryPayment& p, PaymentFigure figure) {
    using enum PaymentFigure;
    switch (figure) {
        case kExemptCap:
            return Shown(p.exemptCap);
        case kExempt:
            return Shown(p.exempt);
        case kTaxable:
            return Shown(p.taxable);
        case kMonthlyShare:
            return Shown(p.spread.monthlyShare);
        case kBaseWithShare:
            return Shown(p.spread.baseWithShare);
        case kTaxWithShare:
            return Shown(p.spread.taxWithShare);
        case kTaxWithout:
            return Shown(p.spread.taxWithout);
        case kTaxDifference:
            return Shown(p.spread.taxDifference);
        case kRate:
            return PercentText(p.spread.rate);
        case kSpreadWithholding:
            return Shown(p.spread.withholding);
        case kBaseWithPayment:
            return Shown(p.monthly.baseWithPayment);
        case kProcedureWithPayment:
            return Shown(p.monthly.procedureWithPayment);
        case kProcedureWithout:
            return Shown(p.monthly.procedureWithout);
        case kMonthlyWithholding:
            return Shown(p.monthly.withholding);
        case kWithholdsLess:
            switch (WithholdsLess(p)) {
                case PaymentMethod::kSpread:
                    return "art174";
                case PaymentMethod::kMonthly:
                    return "art96";
                case PaymentMethod::kNeither:
                    return "ninguno";
            }
    }
    return {};
}

std::string PaymentFigureId(const PaymentFigureLabel& label) {
    std::string id = "pago-";
    if (!label.section->jsonGroup.empty()) (id += label.section->jsonGroup) += '-';
    return id += label.jsonKey;
}

std::string WithholdsLessSentence(const ExtraordinaryPayment& payment) {
    const std::string spread = Shown(payment.spread.withholding);
    const std::string monthly = Shown(payment.monthly.withholding);
    switch (WithholdsLess(payment)) {
        case PaymentMethod::kSpread:
            return "Retiene menos el art. 174 RLISR: " + spread + " frente a " + monthly + ".";
        case PaymentMethod::kMonthly:
            return "Retiene menos el art. 96 LISR: " + monthly + " frente a " + spread + ".";
        case PaymentMethod::kNeither:
            break;
    }
    return "Los dos métodos retienen lo mismo: " + spread + ".";
}

}  // namespace isr
