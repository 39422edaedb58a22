// SPDX-License-Identifier: MIT
#include "batch/payment_input.h"

#include <charconv>
#include <tuple>

#include "batch/calculation_input.h"
#include "batch/quoted_argument.h"
#include "money/amount_text.h"
#include "money/written_name.h"

namespace isr {

namespace {

using enum PaymentField;
using enum InputProblem;

}  // namespace

std::variant<ExtraordinaryPayment, PaymentErrors> CalculatePaymentTexts(
    const TableSet& tables, PaymentInput& input, std::string_view concept_, std::string_view income,
    std::string_view payment, std::string_view sundays, std::string_view minimumWage) {
    PaymentErrors errors;
    const auto found = FindPaymentConcept(concept_);
    if (found) {
        input.paymentConcept = *found;
    } else {
        errors.Add({kConcept, kUnknownConcept});
    }
    for (auto [text, field, amount] : {std::tuple{income, kOrdinaryIncome, &input.ordinaryIncome},
                                       std::tuple{payment, kPayment, &input.payment}}) {
        const auto typed = ReadWrittenAmount(text);
        if (!typed) {
            errors.Add({field, kMisplacedComma});
        } else if (typed->kind == TypedAmount::Kind::kNotAnAmount) {
            errors.Add({field, kNotAnAmount});
        } else {
            // Beyond the range, the largest amount: an income beyond it is beyond the tariff.
            *amount = typed->cents;
            // Cut to the largest amount, a payment could be all exempt under a large minimum
            // wage; an income at fault too is named first.
            if (field == kPayment && typed->kind == TypedAmount::Kind::kBeyondRange &&
                typed->cents > Cents()) {
                if (const auto error = OrdinaryIncomeError(tables, input.ordinaryIncome);
                    error && errors.count == 0) {
                    errors.Add(*error);
                }
                errors.Add({kPayment, kBeyondRange});
            }
        }
    }
    input.sundays = 0;
    if (const auto days = TrimBlanks(sundays); !days.empty()) {
        const auto [end, ec] =
            std::from_chars(days.data(), days.data() + days.size(), input.sundays);
        if (end != days.data() + days.size() ||
            (ec != std::errc{} && ec != std::errc::result_out_of_range)) {
            errors.Add({kSundays, kNotSundays});
        } else if (ec == std::errc::result_out_of_range) {
            errors.Add({kSundays, kOutOfRange});
        }
    }
    input.minimumWage = kMinimumWage2016;
    if (!TrimBlanks(minimumWage).empty()) {
        const auto typed = ReadWrittenAmount(minimumWage);
        if (!typed) {
            errors.Add({kMinimumWage, kMisplacedComma});
        } else if (typed->kind == TypedAmount::Kind::kNotAnAmount) {
            errors.Add({kMinimumWage, kNotAnAmount});
        } else if (typed->kind == TypedAmount::Kind::kBeyondRange) {
            errors.Add({kMinimumWage, kBeyondRange});
        } else {
            input.minimumWage = typed->cents;
        }
    }
    if (errors.count > 0) return errors;
    auto result = CalculateExtraordinaryPayment(tables, input);
    if (const auto* error = std::get_if<PaymentError>(&result)) {
        errors.Add(*error);
        return errors;
    }
    return std::get<ExtraordinaryPayment>(std::move(result));
}

void AppendPaymentProblem(std::string& message, const TableSet& tables, const PaymentError& error) {
    const Cents top = tables.IsrTariff(Period::kMensual).back().upperLimit;
    switch (error.problem) {
        case kBeyondTariff:
            message += error.field == kOrdinaryIncome
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
        default:
            // The words every input's problem takes.
            AppendProblem(message, {InputField::kAmount, error.problem});
            return;
    }
}

}  // namespace isr
