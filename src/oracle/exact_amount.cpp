// SPDX-License-Identifier: MIT
#include "oracle/exact_amount.h"

#include <limits>

namespace isr::oracle {

std::optional<std::int64_t> ParseHundredths(std::string_view text) {
    constexpr std::int64_t kLimit = std::numeric_limits<std::int64_t>::max() / 1000;
    std::int64_t value = 0;
    int digits = 0;
    int decimals = 0;
    bool seenPoint = false;
    for (const char c : text) {
        if (c == '.' && !seenPoint) {
            seenPoint = true;
        } else if (c >= '0' && c <= '9') {
            if (seenPoint && ++decimals > 2) return std::nullopt;
            if (value > kLimit) return std::nullopt;
            value = value * 10 + (c - '0');
            ++digits;
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0) return std::nullopt;
    for (; decimals < 2; ++decimals) value *= 10;
    return value;
}

std::string FormatHundredths(std::int64_t hundredths) {
    // Work on the magnitude as unsigned so that the most negative value has one too.
    const bool negative = hundredths < 0;
    std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(hundredths)
                                       : static_cast<std::uint64_t>(hundredths);
    // Built backwards: two decimals, the point, then integer digits with a comma every three.
    char buffer[40];
    char* p = buffer + sizeof buffer;
    *--p = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
    *--p = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
    *--p = '.';
    int inGroup = 0;
    do {
        if (inGroup == 3) {
            *--p = ',';
            inGroup = 0;
        }
        *--p = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
        ++inGroup;
    } while (magnitude != 0);
    if (negative) *--p = '-';
    return std::string(p, buffer + sizeof buffer);
}

std::int64_t DivideRoundingHalfAway(std::int64_t numerator, std::int64_t denominator) {
    const std::int64_t quotient = numerator / denominator;  // truncates toward zero
    const std::int64_t remainder = numerator % denominator;
    const std::int64_t distance = remainder < 0 ? -remainder : remainder;
    if (distance < denominator - distance) return quotient;  // below the half: no overflow this way
    return numerator < 0 ? quotient - 1 : quotient + 1;
}

}  // namespace isr::oracle
