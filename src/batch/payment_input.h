// SPDX-License-Identifier: MIT
// The inputs of an extraordinary payment (--pago, and a batch with a concepto column) read from
// texts, arguments or CSV cells, with the amounts read as every other amount is, and what is
// wrong with which field said in the words of every message.
#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "batch/calculation_input.h"
#include "calc/extraordinary_payment.h"

namespace isr {

// A payment's texts add the problems of reading them to the calculation's own: a concept not
// known (kUnknownConcept), a text that is no amount (kNotAnAmount, kMisplacedComma), a payment or
// a minimum wage too large to be held to the cent (kBeyondRange), Sundays that are no whole number
// (kNotSundays) or too many to count (kOutOfRange).
using PaymentErrors = FieldErrors<PaymentError, 5>;

// The calculation of the texts with `tables`, their amounts read by ReadWrittenAmount. An empty
// Sundays text is 0 and an empty minimum wage the 2016 one; an income or payment beyond the range
// of an amount is beyond the tariff. Every text that cannot be read is said; only texts that all
// read are calculated, and then the calculation's one problem is said.
std::variant<ExtraordinaryPayment, PaymentErrors> CalculatePaymentTexts(
    const TableSet& tables, PaymentInput& input, std::string_view concept_, std::string_view income,
    std::string_view payment, std::string_view sundays, std::string_view minimumWage);

// What is wrong ("no puede ser negativo"), appended to `message`: the words of every front end,
// whether a text could not be read or the calculation found the problem, as the page, which
// reads no text, meets it.
void AppendPaymentProblem(std::string& message, const TableSet& tables, const PaymentError& error);

}  // namespace isr
