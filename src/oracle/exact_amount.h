// SPDX-License-Identifier: MIT
// Amounts held as whole hundredths: cents of money, hundredths of a percent for rates. Integer
// arithmetic only, so every result is exact and every rounding is the one written here.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace isr::oracle {

// A plain table number ("0", "6.4", "496.08", "103218") in hundredths. Digits with an optional
// "." and at most two decimals; nothing for any other text, including sign, grouping or a third
// decimal, since those never occur in a tariff row and could not be held exactly.
std::optional<std::int64_t> ParseHundredths(std::string_view text);

// "#,0.00" of a number of hundredths: "-1,234.56" for -123456, "0.00" for 0.
std::string FormatHundredths(std::int64_t hundredths);

// numerator / denominator rounded to the nearest integer, halves away from zero. The denominator
// must be positive.
std::int64_t DivideRoundingHalfAway(std::int64_t numerator, std::int64_t denominator);

}  // namespace isr::oracle
