// SPDX-License-Identifier: MIT
// Text to money: an amount text read to cents.
#include "money/amount_grammar.h"
#include "money/amount_text.h"

namespace isr {

using namespace amount_grammar;

namespace {

// Integer digits beyond which no amount fits: Cents::kLargestCount has 16 before its two decimals.
constexpr int kLargestIntegerDigits = 16;

}  // namespace

// The text is checked by Cut, the one reader of the grammar, and its parts read to cents.
TypedAmount ReadAmount(std::string_view text) {
    const auto parts = Cut(text);
    if (!parts) return {TypedAmount::Kind::kNotAnAmount, {}};
    const auto beyond = TypedAmount{TypedAmount::Kind::kBeyondRange,
                                    parts->negative ? -Cents::Largest() : Cents::Largest()};

    std::int64_t whole = 0;
    int significant = 0;  // integer digits from the first one that is not zero
    for (const char c : parts->integerPart) {
        if (c == ',' || (significant == 0 && c == '0')) continue;
        if (++significant > kLargestIntegerDigits) return beyond;
        whole = whole * 10 + (c - '0');
    }
    const auto decimal = [&](std::size_t i) { return Decimal(parts->decimals, i) - '0'; };
    const std::int64_t count =
        whole * 100 + decimal(0) * 10 + decimal(1) + (RoundsUp(parts->decimals) ? 1 : 0);
    const auto cents = Cents::FromCount(parts->negative ? -count : count);
    if (!cents) return beyond;
    return {TypedAmount::Kind::kAmount, *cents};
}

}  // namespace isr
