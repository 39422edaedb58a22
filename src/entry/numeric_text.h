// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace isr {

// Whether a text reads as a number the program can hold: an optional leading "-", digits with at
// most one "." (which may stand first or last), "," separators among the integer digits ignored
// wherever they stand, and at least one digit. The empty text, a lone point or minus, blanks,
// "+", exponents, currency signs, trailing signs and values too large for a double (from about
// 1.8e308 on) are not. Every numeric text is an amount for ReadAmount.
bool IsNumeric(std::string_view text);

}  // namespace isr
