// SPDX-License-Identifier: MIT
#include "oracle/rational_amount.h"

#include <stdexcept>

namespace isr::oracle {

namespace {

mpz_class PowerOfTen(std::size_t exponent) {
    mpz_class power;
    mpz_ui_pow_ui(power.get_mpz_t(), 10, exponent);
    return power;
}

// Digits over a power of ten, canonical.
mpq_class Ratio(const std::string& digits, std::size_t decimals) {
    mpq_class value(mpz_class(digits.empty() ? "0" : digits, 10), PowerOfTen(decimals));
    value.canonicalize();
    return value;
}

// The value of unsigned decimal digits with at most one point; "," among the integer digits is
// skipped when `grouped`. Nothing for any other character, or without a digit.
std::optional<mpq_class> UnsignedDecimal(std::string_view text, bool grouped) {
    std::string digits;
    std::size_t decimals = 0;
    bool point = false;
    for (const char c : text) {
        if (c == '.' && !point) {
            point = true;
        } else if (c >= '0' && c <= '9') {
            digits += c;
            if (point) ++decimals;
        } else if (c != ',' || point || !grouped) {
            return std::nullopt;
        }
    }
    if (digits.empty()) return std::nullopt;
    return Ratio(digits, decimals);
}

}  // namespace

mpq_class PlainDecimal(std::string_view text) {
    const auto value = UnsignedDecimal(text, false);
    if (!value) throw std::logic_error("not a plain decimal: " + std::string(text));
    return *value;
}

std::optional<mpq_class> TypedDecimal(std::string_view text) {
    const bool negative = !text.empty() && text.front() == '-';
    if (negative) text.remove_prefix(1);
    const auto value = UnsignedDecimal(text, true);
    if (!value || !negative) return value;
    return mpq_class(-*value);
}

mpq_class RoundedToCents(const mpq_class& value) {
    // floor(|v| x 100 + 1/2) cents, with the sign of v.
    const mpq_class scaled = abs(value) * 100 + mpq_class(1, 2);
    mpz_class cents;
    mpz_fdiv_q(cents.get_mpz_t(), scaled.get_num_mpz_t(), scaled.get_den_mpz_t());
    if (sgn(value) < 0) cents = -cents;
    return FromCents(cents);
}

mpq_class FromCents(const mpz_class& cents) {
    // Built from a numerator and a denominator, a rational is not reduced by itself; GMP's
    // arithmetic and == expect it reduced.
    mpq_class value(cents, 100);
    value.canonicalize();
    return value;
}

std::string ShownCents(const mpq_class& value) {
    const mpq_class scaled = value * 100;
    if (scaled.get_den() != 1) throw std::logic_error("not whole cents: " + value.get_str());
    const mpz_class cents = scaled.get_num();
    std::string digits = mpz_class(abs(cents)).get_str();
    if (digits.size() < 3) digits.insert(0, 3 - digits.size(), '0');
    std::string whole = digits.substr(0, digits.size() - 2);
    // Commas put in from the right, every three digits.
    for (std::size_t at = whole.size(); at > 3; at -= 3) whole.insert(at - 3, 1, ',');
    return (sgn(cents) < 0 ? "-" : "") + whole + "." + digits.substr(digits.size() - 2);
}

}  // namespace isr::oracle
