// SPDX-License-Identifier: MIT
#include "calc/amount.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <system_error>

namespace isr {

namespace {

constexpr int kSignificantDigits = 15;

// Below this magnitude a double times 100 still resolves far finer than the distance from a half
// cent at which the 15-digit decimal form could decide differently from the binary value.
constexpr double kFastPathLimit = 1e9;
constexpr double kHalfCentMargin = 1e-3;  // in cents

// The powers of ten that a double holds exactly.
constexpr std::array<double, 23> kExactPowersOfTen = {
    1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
    1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// "#,0.00" from a magnitude given as integer digits and two decimals.
std::string Compose(bool negative, std::string_view integerDigits, char tenths, char hundredths) {
    std::string out;
    out.reserve(integerDigits.size() + integerDigits.size() / 3 + 4);
    if (negative) out += '-';
    for (std::size_t i = 0; i < integerDigits.size(); ++i) {
        if (i > 0 && (integerDigits.size() - i) % 3 == 0) out += ',';
        out += integerDigits[i];
    }
    out += '.';
    out += tenths;
    out += hundredths;
    return out;
}

// "#,0.00" written backwards into a fixed buffer: this is the path nearly every amount takes, so
// it builds the text once instead of character by character.
std::string FormatCents(bool negative, std::uint64_t cents) {
    std::array<char, 32> buf;  // room for any count of cents with its commas, point and sign
    char* p = buf.data() + buf.size();
    *--p = static_cast<char>('0' + cents % 10);
    *--p = static_cast<char>('0' + cents / 10 % 10);
    *--p = '.';
    std::uint64_t whole = cents / 100;
    int written = 0;
    do {
        if (written > 0 && written % 3 == 0) *--p = ',';
        *--p = static_cast<char>('0' + whole % 10);
        whole /= 10;
        ++written;
    } while (whole != 0);
    if (negative && cents != 0) *--p = '-';
    return std::string(p, buf.data() + buf.size());
}

// The general path: the 15-significant-digit decimal form, rounded to cents half away from zero.
std::string FormatFromDecimalForm(bool negative, double magnitude) {
    // "d.dddddddddddddde+XXX"
    std::array<char, 32> buf{};
    const auto [end, ec] = std::to_chars(buf.data(), buf.data() + buf.size(), magnitude,
                                         std::chars_format::scientific, kSignificantDigits - 1);
    const std::string_view sci(buf.data(), end - buf.data());
    std::string mantissa;
    mantissa += sci[0];
    mantissa += sci.substr(2, kSignificantDigits - 1);
    int exponent = 0;
    const auto expText = sci.substr(sci.find('e') + 1);
    std::from_chars(expText.data() + (expText[0] == '+' ? 1 : 0), expText.data() + expText.size(),
                    exponent);

    // The 15-digit form of values just under the largest double rounds above it; cut it down so
    // that the text still reads back as a double.
    constexpr std::string_view kLargestMantissa = "179769313486231";
    if (exponent == std::numeric_limits<double>::max_exponent10 && mantissa > kLargestMantissa) {
        mantissa = kLargestMantissa;
    }

    // Lay the digits out around the decimal point: integer digits, then at least three decimals.
    std::string integerDigits;
    std::string decimals;
    if (exponent >= 0) {
        const auto integerCount = static_cast<std::size_t>(exponent) + 1;
        if (integerCount >= mantissa.size()) {
            integerDigits = mantissa + std::string(integerCount - mantissa.size(), '0');
        } else {
            integerDigits = mantissa.substr(0, integerCount);
            decimals = mantissa.substr(integerCount);
        }
    } else {
        integerDigits = "0";
        decimals = std::string(static_cast<std::size_t>(-exponent - 1), '0') + mantissa;
    }
    decimals.resize(std::max<std::size_t>(decimals.size(), 3), '0');

    // Half away from zero on the decimal form: a third decimal of 5 or more rounds the magnitude
    // up.
    std::string kept = integerDigits + decimals.substr(0, 2);
    if (decimals[2] >= '5') {
        std::size_t i = kept.size();
        while (i > 0 && kept[i - 1] == '9') kept[--i] = '0';
        if (i == 0) {
            kept.insert(kept.begin(), '1');
        } else {
            ++kept[i - 1];
        }
    }
    const std::string_view whole(kept.data(), kept.size() - 2);
    const bool zero = kept.find_first_not_of('0') == std::string::npos;
    return Compose(negative && !zero, whole, kept[kept.size() - 2], kept[kept.size() - 1]);
}

}  // namespace

std::string FormatAmount(double x) {
    if (std::isnan(x)) return FormatCents(false, 0);
    if (std::isinf(x)) x = std::copysign(std::numeric_limits<double>::max(), x);
    const bool negative = std::signbit(x);
    const double magnitude = std::fabs(x);
    if (magnitude < kFastPathLimit) {
        const double scaled = magnitude * 100.0;
        const double whole = std::floor(scaled);
        const double fraction = scaled - whole;
        if (std::fabs(fraction - 0.5) > kHalfCentMargin) {
            const auto cents = static_cast<std::uint64_t>(whole) + (fraction > 0.5 ? 1 : 0);
            return FormatCents(negative, cents);
        }
    }
    return FormatFromDecimalForm(negative, magnitude);
}

std::optional<double> ParseAmount(std::string_view text) {
    const char* p = text.data();
    const char* const end = p + text.size();
    const bool negative = p != end && *p == '-';
    if (negative) ++p;

    // The digits as one integer, saturating: once it reaches 2^53 it stops growing, which is all
    // the exact path below needs to know. Below 2^53 it has at most 16 digits and cannot overflow.
    constexpr std::uint64_t kExactIntegerLimit = std::uint64_t{1} << 53;
    std::uint64_t mantissa = 0;
    int digitCount = 0;
    int decimalCount = 0;
    const auto take = [&](char c) {
        const auto digit = static_cast<unsigned>(c - '0');
        if (digit > 9) return false;
        if (mantissa < kExactIntegerLimit) mantissa = mantissa * 10 + digit;
        ++digitCount;
        return true;
    };
    // Integer digits with group separators, then an optional point and decimals.
    for (; p != end && *p != '.'; ++p) {
        if (!take(*p) && *p != ',') return std::nullopt;
    }
    if (p != end) {
        for (++p; p != end; ++p) {
            if (!take(*p)) return std::nullopt;
            ++decimalCount;
        }
    }
    if (digitCount == 0) return std::nullopt;

    // Exact integer over an exact power of ten: one correctly rounded division.
    if (mantissa < kExactIntegerLimit &&
        decimalCount < static_cast<int>(kExactPowersOfTen.size())) {
        const double value = static_cast<double>(mantissa) / kExactPowersOfTen[decimalCount];
        return negative ? -value : value;
    }

    // Long texts: drop the separators and let the standard conversion round correctly.
    std::string plain;
    plain.reserve(text.size());
    for (std::size_t i = negative ? 1 : 0; i < text.size(); ++i) {
        if (text[i] != ',') plain += text[i];
    }
    const bool nonZeroIntegerDigit =
        plain.substr(0, plain.find('.')).find_first_not_of('0') != std::string::npos;
    if (plain.front() == '.') plain.insert(plain.begin(), '0');
    if (plain.back() == '.') plain += '0';
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (ec == std::errc::result_out_of_range) {
        if (nonZeroIntegerDigit) return std::nullopt;  // too large for a double
        value = 0.0;                                   // too small: reads as zero
    } else if (ec != std::errc{} || ptr != plain.data() + plain.size()) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

}  // namespace isr
