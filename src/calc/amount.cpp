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

std::string FormatCents(bool negative, std::uint64_t cents) {
    std::array<char, 24> digits{};
    const auto [end, ec] = std::to_chars(digits.data(), digits.data() + digits.size(), cents / 100);
    const auto fraction = static_cast<char>(cents % 100);
    return Compose(negative && cents != 0, std::string_view(digits.data(), end - digits.data()),
                   static_cast<char>('0' + fraction / 10), static_cast<char>('0' + fraction % 10));
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

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
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
    std::size_t pos = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (negative) ++pos;

    // Integer part: digits and group separators; then an optional point and decimals.
    std::uint64_t mantissa = 0;
    int mantissaDigits = 0;  // significant digits held in `mantissa`
    int decimalCount = 0;
    int digitCount = 0;
    bool nonZeroIntegerDigit = false;
    bool seenPoint = false;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (IsDigit(c)) {
            ++digitCount;
            if (seenPoint) {
                ++decimalCount;
            } else if (c != '0') {
                nonZeroIntegerDigit = true;
            }
            if (mantissa != 0 || c != '0') ++mantissaDigits;
            if (mantissaDigits <= 19) mantissa = mantissa * 10 + static_cast<unsigned>(c - '0');
        } else if (c == ',' && !seenPoint) {
            continue;
        } else if (c == '.' && !seenPoint) {
            seenPoint = true;
        } else {
            return std::nullopt;
        }
    }
    if (digitCount == 0) return std::nullopt;

    // Exact integer over an exact power of ten: one correctly rounded division.
    constexpr std::uint64_t kExactIntegerLimit = std::uint64_t{1} << 53;
    constexpr std::array<double, 23> kPowersOfTen = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                     1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                     1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    if (mantissaDigits <= 19 && mantissa < kExactIntegerLimit &&
        decimalCount < static_cast<int>(kPowersOfTen.size())) {
        const double value = static_cast<double>(mantissa) / kPowersOfTen[decimalCount];
        return negative ? -value : value;
    }

    // Long texts: drop the separators and let the standard conversion round correctly.
    std::string plain;
    plain.reserve(text.size());
    for (std::size_t i = negative ? 1 : 0; i < text.size(); ++i) {
        if (text[i] != ',') plain += text[i];
    }
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
