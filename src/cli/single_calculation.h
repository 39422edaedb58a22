// SPDX-License-Identifier: MIT
// One calculation from the command line: the inputs as the window would hold them after leaving
// each entry field, and the boxes it would show.
#pragma once

#include <iosfwd>
#include <string>

#include "calc/result_boxes.h"

namespace isr::cli {

struct SingleCalculation {
    int period;
    std::string base;   // as formatted on leaving the field, e.g. "3,000.00"
    std::string pagos;  // likewise; counts for "Anual" only
    ResultBoxes boxes;
};

// The calculation for already validated, formatted inputs.
SingleCalculation CalculateSingle(int period, std::string base, std::string pagos);

// Caption and value per line, aligned.
void WriteText(const SingleCalculation& calc, std::ostream& out);

// One JSON object on one line; every value is the box's text as a string.
void WriteJson(const SingleCalculation& calc, std::ostream& out);

}  // namespace isr::cli
