// SPDX-License-Identifier: MIT
// Amounts as exact rationals: read from decimal text, rounded to cents and shown as "#,0.00",
// with GMP's arithmetic rather than the program's.
#pragma once

#include <gmpxx.h>

#include <optional>
#include <string>
#include <string_view>

namespace isr::oracle {

// A plain table figure ("0", "6.4", "496.08") as the rational it writes; throws std::logic_error
// for any other text.
mpq_class PlainDecimal(std::string_view text);

// The value of an amount text as typed: an optional "-", digits with "," among the integer
// digits, an optional "." and decimals, at least one digit. Nothing for any other text.
std::optional<mpq_class> TypedDecimal(std::string_view text);

// The nearest multiple of 1/100, halves away from zero.
mpq_class RoundedToCents(const mpq_class& value);

// "#,0.00" of a value that is a whole number of cents; throws std::logic_error otherwise.
std::string ShownCents(const mpq_class& value);

// A whole number of cents as the amount it is.
mpq_class FromCents(const mpz_class& cents);

}  // namespace isr::oracle
