// SPDX-License-Identifier: MIT
#include "cli/payment_arguments.h"

#include <variant>

#include "batch/quoted_argument.h"
#include "cli/help.h"

namespace isr::cli {

using enum PaymentField;

std::optional<PaymentCalculation> PaymentFromArguments(const TableSet& tables,
                                                       std::span<const std::string_view> operands,
                                                       std::string_view minimumWage,
                                                       std::string& problem) {
    PaymentInput input{};
    const auto result = CalculatePaymentTexts(tables, input, operands[0], operands[1], operands[2],
                                              operands.size() > 3 ? operands[3] : "", minimumWage);
    if (const auto* payment = std::get_if<ExtraordinaryPayment>(&result)) {
        return PaymentCalculation{input, *payment, {}};
    }
    const PaymentError& error = std::get<PaymentErrors>(result).list[0];
    constexpr std::string_view kNames[] = {"CONCEPTO", "INGRESO_MENSUAL", "IMPORTE", "DOMINGOS",
                                           "--salario-minimo"};
    const auto field = static_cast<std::size_t>(error.field);
    // A concept, like a period, is named by what is wrong with it: "concepto desconocido".
    problem = error.field == kConcept ? std::string() : std::string(kNames[field]) + ' ';
    AppendPaymentProblem(problem, tables, error);
    problem += ": ";
    problem += QuotedArgument(error.field == kMinimumWage ? minimumWage
                              : field < operands.size()   ? operands[field]
                                                          : std::string_view{});
    if (error.field == kConcept) problem += " (" + ListedWithOr(kConceptNames) + ')';
    return std::nullopt;
}

}  // namespace isr::cli
