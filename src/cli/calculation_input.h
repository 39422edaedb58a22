// SPDX-License-Identifier: MIT
// The one way into a calculation from the command line: the period, the base and the year's
// subsidy sum as texts (arguments or CSV cells) in, the typed inputs or what is wrong with which
// field out. The single calculation, --json and --csv all read through it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "money/amount_text.h"
#include "tariffs/periods.h"

namespace isr::cli {

// kAmount is the amount after the period: the base of a calculation, or the target net of a
// gross-up (--neto, the "neto" column); each caller names it as its own input does.
enum class InputField : std::uint8_t { kPeriod, kAmount, kSubsidySum };

enum class InputProblem : std::uint8_t {
    kUnknownPeriod,
    kNotAnAmount,
    kBeyondRange,  // a subsidy sum too large to be held to the cent
};

struct InputError {
    InputField field;
    InputProblem problem;
};

struct CalculationInput {
    Period period;
    // The amount after the period: the base, or the target net of a gross-up. Rounded
    // to cents; a base beyond the range of an amount lies above every table and matches no row, as
    // any base above a table's top row does, and a target beyond it is beyond every net.
    Cents amount;
    Cents subsidySum;
};

// Amounts are read as the window reads a typed amount (see ReadAmount), a target net exactly as a
// base. An empty subsidy sum, like an omitted one, is zero.
std::variant<CalculationInput, InputError> ReadCalculationInput(std::string_view period,
                                                                std::string_view amount,
                                                                std::string_view subsidySum);

// What is wrong, in the words every message uses ("no es un importe"), appended to `message`.
void AppendProblem(std::string& message, InputProblem problem);

}  // namespace isr::cli
