// SPDX-License-Identifier: MIT
// A second opinion on amount texts, worked out on plain digit strings apart from src/money: the
// grammar read by a small state machine, rounding as "add half a cent to the magnitude and drop
// what lies below the cent", grouping built from the right, comparison on padded digits.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace isr::fuzz {

// The exact value of an amount text.
struct ExactAmount {
    bool negative = false;      // only when some digit is not zero
    std::string integerDigits;  // without leading zeros: "" is zero
    std::string decimals;       // every typed decimal, trailing zeros dropped
};

// Nothing unless the text is an optional "-", digits and "," before an optional ".", and digits
// after it, with at least one digit in all.
std::optional<ExactAmount> ReadExact(std::string_view text);

// An amount in whole cents: the magnitude's digits without leading zeros ("" is zero), and the
// sign, which zero never carries.
struct CentsDigits {
    bool negative = false;
    std::string digits;
};

// Rounded to cents, halves away from zero.
CentsDigits RoundToCents(const ExactAmount& amount);

// Any 64-bit count of cents.
CentsDigits DigitsOfCount(std::int64_t count);

// "#,0.00".
std::string Formatted(const CentsDigits& cents);

// The signed count, when its magnitude has at most 18 digits: up to 9,999,999,999,999,999.99,
// the largest amount the calculation holds.
std::optional<std::int64_t> CountOf(const CentsDigits& cents);

// Below zero, zero or above zero as `a` is below, equal to or above `b`.
int CompareExact(const ExactAmount& a, const ExactAmount& b);

}  // namespace isr::fuzz
