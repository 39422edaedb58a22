// SPDX-License-Identifier: MIT
#include "cli/calculation_input.h"

namespace isr::cli {

std::variant<CalculationInput, InputError> ReadCalculationInput(std::string_view period,
                                                                std::string_view amount,
                                                                std::string_view subsidySum) {
    const auto foundPeriod = FindPeriod(period);
    if (!foundPeriod) return InputError{InputField::kPeriod, InputProblem::kUnknownPeriod};
    const TypedAmount typedAmount = ReadAmount(amount);
    if (typedAmount.kind == TypedAmount::Kind::kNotAnAmount) {
        return InputError{InputField::kAmount, InputProblem::kNotAnAmount};
    }
    TypedAmount typedSum{TypedAmount::Kind::kAmount, Cents()};
    if (!subsidySum.empty()) typedSum = ReadAmount(subsidySum);
    switch (typedSum.kind) {
        case TypedAmount::Kind::kNotAnAmount:
            return InputError{InputField::kSubsidySum, InputProblem::kNotAnAmount};
        case TypedAmount::Kind::kBeyondRange:
            return InputError{InputField::kSubsidySum, InputProblem::kBeyondRange};
        case TypedAmount::Kind::kAmount:
            break;
    }
    return CalculationInput{*foundPeriod, typedAmount.cents, typedSum.cents};
}

void AppendProblem(std::string& message, InputProblem problem) {
    switch (problem) {
        case InputProblem::kUnknownPeriod:
            message += "periodo desconocido";
            return;
        case InputProblem::kNotAnAmount:
            message += "no es un importe";
            return;
        case InputProblem::kBeyondRange:
            message += "importe fuera de rango (a lo sumo ";
            message += AmountText(Cents::Largest()).View();
            message += ')';
            return;
    }
}

}  // namespace isr::cli
