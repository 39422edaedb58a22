// SPDX-License-Identifier: MIT
// The inputs of an extraordinary payment (--pago, and a batch with a concepto column) read from
// texts, arguments or CSV cells, with the amounts read as every other amount is, and what is
// wrong with which field said in the words of every message.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "calc/extraordinary_payment.h"

namespace isr {

// In the order of the arguments: CONCEPTO INGRESO_MENSUAL IMPORTE [DOMINGOS], then
// --salario-minimo.
enum class PaymentInputField : std::uint8_t { kConcept, kIncome, kPayment, kSundays, kMinimumWage };

enum class PaymentInputProblem : std::uint8_t {
    kUnknownConcept,
    kNotAnAmount,
    kBeyondRange,  // a payment or a minimum wage too large to be held to the cent
    kNotSundays,   // not a whole number
    kNegative,
    kBeyondTariff,
    kOutOfRange,
    kNotForConcept,
};

struct PaymentInputError {
    PaymentInputField field;
    PaymentInputProblem problem;
};

// The calculation of the texts with `tables`. An empty Sundays text is 0 and an empty minimum
// wage the 2016 one; an income beyond the range of an amount is beyond the tariff.
std::variant<ExtraordinaryPayment, PaymentInputError> CalculatePaymentTexts(
    const TableSet& tables, PaymentInput& input, std::string_view concept_, std::string_view income,
    std::string_view payment, std::string_view sundays, std::string_view minimumWage);

// What is wrong ("no puede ser negativo"), appended to `message`.
void AppendPaymentProblem(std::string& message, const TableSet& tables,
                          const PaymentInputError& error);

}  // namespace isr
