// SPDX-License-Identifier: MIT
// Text to money: an amount text read to cents.
#include "money/amount_text.h"

namespace isr {

namespace {

// Integer digits beyond which no amount fits: Cents::kLargestCount has 16 before its two decimals.
constexpr int kLargestIntegerDigits = 16;

}  // namespace

// One pass that checks the grammar of Cut as it reads the digits (every amount of a batch is read
// here, and cutting first read each text twice); the tests hold the two to the same texts.
TypedAmount ReadAmount(std::string_view text) {
    constexpr TypedAmount kNotAnAmount{TypedAmount::Kind::kNotAnAmount, {}};
    const char* p = text.data();
    const char* const end = p + text.size();
    const bool negative = p != end && *p == '-';
    if (negative) ++p;

    std::int64_t whole = 0;
    int significant = 0;  // integer digits from the first one that is not zero
    bool anyDigit = false;
    for (; p != end && *p != '.'; ++p) {
        const auto digit = static_cast<unsigned>(*p - '0');
        if (digit > 9) {
            if (*p != ',') return kNotAnAmount;
            continue;
        }
        anyDigit = true;
        if (significant == 0 && digit == 0) continue;
        // Past the largest amount's digits `whole` stops growing; the text is still checked.
        if (++significant <= kLargestIntegerDigits) whole = whole * 10 + digit;
    }
    unsigned decimals[3] = {};  // the first three; the rest cannot change the rounding
    if (p != end) {
        ++p;  // the point
        for (std::size_t i = 0; p != end; ++p, ++i) {
            const auto digit = static_cast<unsigned>(*p - '0');
            if (digit > 9) return kNotAnAmount;
            if (i < 3) decimals[i] = digit;
            anyDigit = true;
        }
    }
    if (!anyDigit) return kNotAnAmount;

    const auto beyond = TypedAmount{TypedAmount::Kind::kBeyondRange,
                                    negative ? -Cents::Largest() : Cents::Largest()};
    if (significant > kLargestIntegerDigits) return beyond;
    // A third decimal of 5 or more leaves at least half a cent: the magnitude rounds up.
    const std::int64_t count =
        whole * 100 + decimals[0] * 10 + decimals[1] + (decimals[2] >= 5 ? 1 : 0);
    const auto cents = Cents::FromCount(negative ? -count : count);
    if (!cents) return beyond;
    return {TypedAmount::Kind::kAmount, *cents};
}

}  // namespace isr
