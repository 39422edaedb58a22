// SPDX-License-Identifier: MIT
// The program's one display format for money and its inverse. Both are independent of the
// user's locale: "." is always the decimal point and "," the digit-group separator.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace isr {

// Formats with the pattern "#,0.00": digits grouped in threes by ",", "." and exactly two
// decimals, at least one integer digit, a leading "-" for values below zero. A value that rounds
// to zero cents shows as "0.00", never "-0.00".
//
// Rounding: the value's decimal form at 15 significant digits (what a spreadsheet shows) is
// rounded to cents half away from zero. So 21737.655, held in binary just below the half cent,
// shows 21,737.66; 2.675 shows 2.68 and -0.125 shows -0.13.
//
// Every finite double formats without an exponent: 1e300 shows its 15 significant digits followed
// by zeros, grouped. From 1e13 on, 15 significant digits no longer reach the cents, so the text is
// the value at 15 significant digits (its last digits and the decimals are zeros). Values whose
// 15-digit form would round past the largest double are cut down to it instead, so the text
// always parses back. NaN shows "0.00"; an infinity shows as the largest double of its sign.
std::string FormatAmount(double x);

// Reads an amount: an optional leading "-", digits with "," group separators anywhere among the
// integer digits, and an optional "." followed by zero or more decimals ("0." and ".5" read fine).
// At least one digit is required. Returns nothing for any other text (blanks, "+", exponents,
// currency signs, trailing signs, a second point) and for values too large for a double; values
// too small for one read as zero. The result is the double nearest to the decimal value.
//
// ParseAmount(FormatAmount(x)) is x rounded to cents for every |x| below 1e13, and x at 15
// significant digits above that.
std::optional<double> ParseAmount(std::string_view text);

}  // namespace isr
