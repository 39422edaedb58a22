// SPDX-License-Identifier: MIT
// One calculation from the command line, and its text and JSON forms.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

#include "batch/calculation_input.h"
#include "calc/withholding.h"

namespace isr::cli {

// What a gross-up (--neto) adds to the calculation of the base it found.
struct NetPay {
    std::string target;  // the target net as typed, shown as "#,0.00" like the other amounts
    Cents net;           // what the base nets
    bool exact;          // the net is the target itself
};

struct SingleCalculation {
    Period period;
    // The amounts as the window shows them after leaving each field: "12,000.50". Made from the
    // texts themselves, so that an amount of any length shows every digit it was given.
    std::string base;
    std::string subsidySum;
    Withholding withholding;
    // The table set's name when the output should show it (it was chosen), empty otherwise.
    std::string_view tablesName;
    std::optional<NetPay> netPay;  // for a gross-up only
};

// The calculation of inputs read from `baseText` and `subsidySumText`.
SingleCalculation CalculateSingle(const TableSet& tables, const CalculationInput& input,
                                  std::string_view baseText, std::string_view subsidySumText);

// The gross-up of the target net read from `targetText` (held in `input.amount`): the calculation
// of the base found, shown as "#,0.00". Nothing when the target is beyond the tables.
std::optional<SingleCalculation> GrossUpSingle(const TableSet& tables,
                                               const CalculationInput& input,
                                               std::string_view targetText,
                                               std::string_view subsidySumText);

// One line of the text output: the caption, then the value aligned with every other line's.
void CaptionLine(std::ostream& out, std::string_view caption, std::string_view value);

// Caption and value per line, aligned.
void WriteText(const SingleCalculation& calc, std::ostream& out);

// One JSON object on one line; every value is the box's text as a string.
void WriteJson(const SingleCalculation& calc, std::ostream& out);

}  // namespace isr::cli
