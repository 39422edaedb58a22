// SPDX-License-Identifier: MIT
// One calculation from the command line, and its text and JSON forms.
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

#include "calc/withholding.h"
#include "cli/calculation_input.h"

namespace isr::cli {

struct SingleCalculation {
    Period period;
    // The amounts as the window shows them after leaving each field: "12,000.50". Made from the
    // texts themselves, so that an amount of any length shows every digit it was given.
    std::string base;
    std::string subsidySum;
    Withholding withholding;
    // The table set's name when the output should show it (it was chosen), empty otherwise.
    std::string_view tablesName;
};

// The calculation of inputs read from `baseText` and `subsidySumText`.
SingleCalculation CalculateSingle(const TableSet& tables, const CalculationInput& input,
                                  std::string_view baseText, std::string_view subsidySumText);

// Caption and value per line, aligned.
void WriteText(const SingleCalculation& calc, std::ostream& out);

// One JSON object on one line; every value is the box's text as a string.
void WriteJson(const SingleCalculation& calc, std::ostream& out);

}  // namespace isr::cli
