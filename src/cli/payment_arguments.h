// SPDX-License-Identifier: MIT
// --pago's arguments read into a calculation, for the text and JSON outputs.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "batch/payment_input.h"
#include "calc/extraordinary_payment.h"
#include "tariffs/table_set.h"

namespace isr::cli {

// A calculation with its inputs, for the text and JSON outputs.
struct PaymentCalculation {
    PaymentInput input;
    ExtraordinaryPayment result;
    // The table set's name when the output should show it (it was chosen), empty otherwise.
    std::string_view tablesName;
};

// The calculation of the arguments CONCEPTO INGRESO_MENSUAL IMPORTE [DOMINGOS] and the text of
// --salario-minimo (empty without it); nothing, with the message in `problem`, for a field at
// fault ("IMPORTE no puede ser negativo: "-5"").
std::optional<PaymentCalculation> PaymentFromArguments(const TableSet& tables,
                                                       std::span<const std::string_view> operands,
                                                       std::string_view minimumWage,
                                                       std::string& problem);

}  // namespace isr::cli
