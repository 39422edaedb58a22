// SPDX-License-Identifier: MIT
// Two amount texts compared by value, on their digits.
#include <compare>
#include <string>

#include "money/amount_grammar.h"
#include "money/amount_text.h"
#include "money/text_helpers.h"

namespace isr {

using namespace amount_grammar;

namespace {

// The value of an amount as a sign and a magnitude without leading or trailing zeros, so that
// two values compare by their digits.
struct Normalized {
    bool negative;
    std::string integerDigits;
    std::string_view decimals;
};

Normalized Normalize(const AmountParts& parts) {
    Normalized n{false, SignificantIntegerDigits(parts.integerPart), parts.decimals};
    while (!n.decimals.empty() && n.decimals.back() == '0') n.decimals.remove_suffix(1);
    n.negative = parts.negative && !(n.integerDigits.empty() && n.decimals.empty());
    return n;
}

std::strong_ordering CompareMagnitudes(const Normalized& a, const Normalized& b) {
    if (a.integerDigits.size() != b.integerDigits.size()) {
        return a.integerDigits.size() <=> b.integerDigits.size();
    }
    if (const auto order = CompareTexts(a.integerDigits, b.integerDigits); order != 0) return order;
    return CompareTexts(a.decimals, b.decimals);  // no trailing zeros: a longer tail is the larger
}

}  // namespace

std::optional<std::strong_ordering> CompareAmountTexts(std::string_view a, std::string_view b) {
    const auto partsA = Cut(a);
    const auto partsB = Cut(b);
    if (!partsA || !partsB) return std::nullopt;
    const auto na = Normalize(*partsA);
    const auto nb = Normalize(*partsB);
    if (na.negative != nb.negative) {
        return na.negative ? std::strong_ordering::less : std::strong_ordering::greater;
    }
    const auto magnitudes = CompareMagnitudes(na, nb);
    return na.negative ? 0 <=> magnitudes : magnitudes;
}

}  // namespace isr
