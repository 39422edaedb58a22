// SPDX-License-Identifier: MIT
#include "calc/amount.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
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

// "00" to "99", for writing two digits at a time.
constexpr auto kDigitPairs = [] {
    std::array<char, 200> pairs{};
    for (int i = 0; i < 100; ++i) {
        pairs[2 * i] = static_cast<char>('0' + i / 10);
        pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
    }
    return pairs;
}();

// "#,0.00" written backwards into a fixed buffer, two digits and a group at a time: nearly every
// amount takes this path, a dozen times per calculation.
std::string FormatCents(bool negative, std::uint64_t cents) {
    std::array<char, 32> buf;  // room for any count of cents with its commas, point and sign
    char* const end = buf.data() + buf.size();
    char* p = end;
    const auto twoDigits = [&](std::uint64_t n) {
        p -= 2;
        std::memcpy(p, &kDigitPairs[2 * n], 2);
    };
    twoDigits(cents % 100);
    *--p = '.';
    std::uint64_t whole = cents / 100;
    for (; whole >= 1000; whole /= 1000) {
        const auto group = whole % 1000;
        twoDigits(group % 100);
        *--p = static_cast<char>('0' + group / 100);
        *--p = ',';
    }
    if (whole >= 100) {
        twoDigits(whole % 100);
        *--p = static_cast<char>('0' + whole / 100);
    } else if (whole >= 10) {
        twoDigits(whole);
    } else {
        *--p = static_cast<char>('0' + whole);
    }
    if (negative && cents != 0) *--p = '-';
    return std::string(p, end);
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

// Texts beyond the exact path: drop the separators and let the standard conversion round
// correctly. Kept out of line so that the common path stays small.
[[gnu::noinline]] std::optional<double> ParseLongText(std::string_view text, bool negative) {
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

    // Integer digits with group separators, then an optional point and decimals, gathered as one
    // integer. Up to 19 digits it cannot overflow; longer texts take the general path.
    const char* const integerStart = p;
    std::uint64_t mantissa = 0;
    std::ptrdiff_t separators = 0;
    for (; p != end; ++p) {
        const auto digit = static_cast<unsigned>(*p - '0');
        if (digit <= 9) {
            mantissa = mantissa * 10 + digit;
        } else if (*p == ',') {
            ++separators;
        } else if (*p == '.') {
            break;
        } else {
            return std::nullopt;
        }
    }
    const auto integerDigits = p - integerStart - separators;
    std::ptrdiff_t decimalCount = 0;
    if (p != end) {
        const char* const decimalStart = ++p;
        for (; p != end; ++p) {
            const auto digit = static_cast<unsigned>(*p - '0');
            if (digit > 9) return std::nullopt;
            mantissa = mantissa * 10 + digit;
        }
        decimalCount = end - decimalStart;
    }
    const auto digitCount = integerDigits + decimalCount;
    if (digitCount == 0) return std::nullopt;

    // Exact integer over an exact power of ten: one correctly rounded division. The general path
    // rounds correctly too, so which one a text takes never changes its value.
    constexpr std::uint64_t kExactIntegerLimit = std::uint64_t{1} << 53;
    if (digitCount <= 19 && mantissa < kExactIntegerLimit &&
        decimalCount < static_cast<std::ptrdiff_t>(kExactPowersOfTen.size())) {
        // Whole numbers ("0" is the most common text of all) need no division.
        const double value = decimalCount == 0
                                 ? static_cast<double>(mantissa)
                                 : static_cast<double>(mantissa) /
                                       kExactPowersOfTen[static_cast<std::size_t>(decimalCount)];
        return negative ? -value : value;
    }
    return ParseLongText(text, negative);
}

}  // namespace isr
