// SPDX-License-Identifier: MIT
#include "batch/calculation_input.h"

#include "calc/brackets.h"
#include "calc/gross_up.h"

namespace isr {

std::variant<CalculationInput, InputError> ReadCalculationInput(const TableSet& tables,
                                                                AmountRole role,
                                                                std::string_view period,
                                                                std::string_view amount,
                                                                std::string_view subsidySum) {
    const auto foundPeriod = FindPeriod(period);
    if (!foundPeriod) return InputError{InputField::kPeriod, InputProblem::kUnknownPeriod};
    const TypedAmount typedAmount = ReadAmount(amount);
    if (typedAmount.kind == TypedAmount::Kind::kNotAnAmount) {
        return InputError{InputField::kAmount, InputProblem::kNotAnAmount};
    }
    // A value that rounds to zero has no sign, so "-0.004" passes as 0.00.
    if (typedAmount.cents < Cents()) {
        return InputError{InputField::kAmount, InputProblem::kNegative};
    }
    const Cents top = TariffTop(tables.IsrTariff(*foundPeriod));
    if (role == AmountRole::kBase && typedAmount.cents > top) {
        return InputError{InputField::kAmount, InputProblem::kBeyondTariff, *foundPeriod, top};
    }
    // Cut to the largest amount, a target would be met by a net it is not.
    if (typedAmount.kind == TypedAmount::Kind::kBeyondRange) {
        return InputError{InputField::kAmount, InputProblem::kBeyondRange};
    }
    TypedAmount typedSum{TypedAmount::Kind::kAmount, Cents()};
    if (!subsidySum.empty()) typedSum = ReadAmount(subsidySum);
    if (typedSum.kind == TypedAmount::Kind::kNotAnAmount) {
        return InputError{InputField::kSubsidySum, InputProblem::kNotAnAmount};
    }
    if (typedSum.cents < Cents()) {
        return InputError{InputField::kSubsidySum, InputProblem::kNegative};
    }
    if (typedSum.kind == TypedAmount::Kind::kBeyondRange) {
        return InputError{InputField::kSubsidySum, InputProblem::kBeyondRange};
    }
    return CalculationInput{*foundPeriod, typedAmount.cents, typedSum.cents};
}

void AppendProblem(std::string& message, const InputError& error) {
    switch (error.problem) {
        case InputProblem::kUnknownPeriod:
            message += "periodo desconocido";
            return;
        case InputProblem::kNotAnAmount:
            message += "no es un importe";
            return;
        case InputProblem::kNegative:
            message += "no puede ser negativo";
            return;
        case InputProblem::kBeyondRange:
            message += "importe fuera de rango (a lo sumo ";
            message += AmountText(Cents::Largest()).View();
            message += ')';
            return;
        case InputProblem::kBeyondTariff:
            message += "más allá de la tarifa ";
            message += PeriodName(error.period);
            message += " (a lo sumo ";
            message += AmountText(error.tariffTop).View();
            message += ')';
            return;
    }
}

void AppendBeyondTables(std::string& message, const TableSet& tables,
                        const CalculationInput& input) {
    message += "más allá de las tablas (el mayor neto ";
    message += PeriodName(input.period);
    message += " es ";
    message += AmountText(HighestNet(tables, input.period, input.subsidySum)).View();
    message += ')';
}

}  // namespace isr
