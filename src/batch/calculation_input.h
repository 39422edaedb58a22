// SPDX-License-Identifier: MIT
// The one way into a calculation from the command line: the period, the base and the year's
// subsidy sum as texts (arguments or CSV cells) in, the typed inputs or what is wrong with which
// field out. The single calculation, --json, --neto and --csv all read through it, so that they
// refuse the same amounts.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "money/amount_text.h"
#include "tariffs/periods.h"
#include "tariffs/table_set.h"

namespace isr {

// kAmount is the amount after the period: the base of a calculation, or the target net of a
// gross-up (--neto, the "neto" column); each caller names it as its own input does.
enum class InputField : std::uint8_t { kPeriod, kAmount, kSubsidySum };

// What the amount after the period is: a base must lie within the period's tariff, a target net
// within the nets of those bases (which the gross-up itself tells).
enum class AmountRole : std::uint8_t { kBase, kTargetNet };

enum class InputProblem : std::uint8_t {
    kUnknownPeriod,
    kNotAnAmount,
    kNegative,      // below zero after rounding to cents: "-0.004" is 0.00 and no problem
    kBeyondRange,   // a target net or a subsidy sum too large to be held to the cent
    kBeyondTariff,  // a base above the top row of the period's tariff
};

struct InputError {
    InputField field;
    InputProblem problem;
    // For kBeyondTariff: the period and the top of its tariff, which the message gives.
    Period period = Period::kMensual;
    Cents tariffTop{};
};

struct CalculationInput {
    Period period;
    // The amount after the period, rounded to cents: a base from 0.00 to the top of the period's
    // tariff, or a target net from 0.00 to the largest amount.
    Cents amount;
    Cents subsidySum;  // from 0.00 up
};

// Amounts are read as the window reads a typed amount (see ReadAmount), a target net exactly as a
// base. An empty subsidy sum, like an omitted one, is zero. The fields are checked in order:
// period, amount, subsidy sum.
std::variant<CalculationInput, InputError> ReadCalculationInput(const TableSet& tables,
                                                                AmountRole role,
                                                                std::string_view period,
                                                                std::string_view amount,
                                                                std::string_view subsidySum);

// What is wrong, in the words every message uses ("no es un importe"), appended to `message`.
void AppendProblem(std::string& message, const InputError& error);

// Why a target net has no gross-up, appended to `message`: "más allá de las tablas (el mayor neto
// Mensual es 65,009,095.77)".
void AppendBeyondTables(std::string& message, const TableSet& tables,
                        const CalculationInput& input);

}  // namespace isr
