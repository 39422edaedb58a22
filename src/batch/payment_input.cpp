// SPDX-License-Identifier: MIT
#include "batch/payment_input.h"

#include <charconv>
#include <tuple>

#include "batch/calculation_input.h"
#include "batch/quoted_argument.h"
#include "money/amount_text.h"

namespace isr {

namespace {

using enum PaymentInputField;
using enum PaymentInputProblem;

PaymentInputField FieldOf(PaymentField field) {
    switch (field) {
        case PaymentField::kOrdinaryIncome:
            return kIncome;
        case PaymentField::kPayment:
            return kPayment;
        case PaymentField::kSundays:
            return kSundays;
        case PaymentField::kMinimumWage:
            return kMinimumWage;
    }
    return kIncome;
}

PaymentInputProblem ProblemOf(PaymentProblem problem) {
    switch (problem) {
        case PaymentProblem::kNegative:
            return kNegative;
        case PaymentProblem::kBeyondTariff:
            return kBeyondTariff;
        case PaymentProblem::kOutOfRange:
            return kOutOfRange;
        case PaymentProblem::kNotForConcept:
            return kNotForConcept;
    }
    return kOutOfRange;
}

}  // namespace

std::variant<ExtraordinaryPayment, PaymentInputError> CalculatePaymentTexts(
    const TableSet& tables, PaymentInput& input, std::string_view concept_, std::string_view income,
    std::string_view payment, std::string_view sundays, std::string_view minimumWage) {
    const auto found = FindPaymentConcept(concept_);
    if (!found) return PaymentInputError{kConcept, kUnknownConcept};
    input.paymentConcept = *found;
    for (auto [text, field, amount] : {std::tuple{income, kIncome, &input.ordinaryIncome},
                                       std::tuple{payment, kPayment, &input.payment}}) {
        const TypedAmount typed = ReadAmount(text);
        if (typed.kind == TypedAmount::Kind::kNotAnAmount) {
            return PaymentInputError{field, kNotAnAmount};
        }
        // Beyond the range, the largest amount: an income beyond it is beyond the tariff.
        *amount = typed.cents;
        // Cut to the largest amount, a payment could be all exempt under a large minimum wage.
        if (field == kPayment && typed.kind == TypedAmount::Kind::kBeyondRange &&
            typed.cents > Cents()) {
            if (const auto error = OrdinaryIncomeError(tables, input.ordinaryIncome)) {
                return PaymentInputError{kIncome, ProblemOf(error->problem)};
            }
            return PaymentInputError{kPayment, kBeyondRange};
        }
    }
    input.sundays = 0;
    if (!sundays.empty()) {
        const auto [end, ec] =
            std::from_chars(sundays.data(), sundays.data() + sundays.size(), input.sundays);
        if (end != sundays.data() + sundays.size() ||
            (ec != std::errc{} && ec != std::errc::result_out_of_range)) {
            return PaymentInputError{kSundays, kNotSundays};
        }
        if (ec == std::errc::result_out_of_range) return PaymentInputError{kSundays, kOutOfRange};
    }
    input.minimumWage = kMinimumWage2016;
    if (!minimumWage.empty()) {
        const TypedAmount typed = ReadAmount(minimumWage);
        if (typed.kind == TypedAmount::Kind::kNotAnAmount) {
            return PaymentInputError{kMinimumWage, kNotAnAmount};
        }
        if (typed.kind == TypedAmount::Kind::kBeyondRange) {
            return PaymentInputError{kMinimumWage, kBeyondRange};
        }
        input.minimumWage = typed.cents;
    }
    auto result = CalculateExtraordinaryPayment(tables, input);
    if (const auto* error = std::get_if<PaymentError>(&result)) {
        return PaymentInputError{FieldOf(error->field), ProblemOf(error->problem)};
    }
    return std::get<ExtraordinaryPayment>(std::move(result));
}

void AppendPaymentProblem(std::string& message, const TableSet& tables,
                          const PaymentInputError& error) {
    const Cents top = tables.IsrTariff(Period::kMensual).back().upperLimit;
    switch (error.problem) {
        case kUnknownConcept:
            message += "concepto desconocido";
            return;
        case kNotAnAmount:
            AppendProblem(message, {InputField::kAmount, InputProblem::kNotAnAmount});
            return;
        case kBeyondRange:
            AppendProblem(message, {InputField::kAmount, InputProblem::kBeyondRange});
            return;
        case kNotSundays:
            message += "no es un número entero de domingos";
            return;
        case kNegative:
            AppendProblem(message, {InputField::kAmount, InputProblem::kNegative});
            return;
        case kBeyondTariff:
            message += error.field == kIncome
                           ? "más allá de la tarifa mensual (a lo sumo "
                           : "lleva el ingreso más la parte gravada más allá de la tarifa mensual "
                             "(a lo sumo ";
            message += AmountText(top).View();
            message += ')';
            return;
        case kOutOfRange:
            if (error.field == kSundays) {
                message += "fuera de rango (de 0 a " + std::to_string(kMostSundays) + ')';
            } else {
                message += "fuera de rango (mayor que 0.00 y a lo sumo ";
                message +=
                    AmountText(*Cents::FromCount(Cents::kLargestCount / kMostSundays)).View();
                message += ')';
            }
            return;
        case kNotForConcept:
            message += "sólo cuentan para la prima-dominical";
            return;
    }
}

}  // namespace isr
