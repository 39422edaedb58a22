// SPDX-License-Identifier: MIT
#include "money/amount_grammar.h"

#include <string>

#include "money/amount_text.h"

namespace isr {

namespace amount_grammar {

std::optional<AmountParts> Cut(std::string_view text) {
    AmountParts parts{};
    parts.negative = !text.empty() && text.front() == '-';
    if (parts.negative) text.remove_prefix(1);
    const auto point = text.find('.');
    parts.integerPart = text.substr(0, point);
    if (point != std::string_view::npos) parts.decimals = text.substr(point + 1);
    bool anyDigit = false;
    for (const char c : parts.integerPart) {
        if (IsDigit(c)) {
            anyDigit = true;
        } else if (c != ',') {
            return std::nullopt;
        }
    }
    for (const char c : parts.decimals) {
        if (!IsDigit(c)) return std::nullopt;
    }
    if (!anyDigit && parts.decimals.empty()) return std::nullopt;
    return parts;
}

}  // namespace amount_grammar

using amount_grammar::IsDigit;

std::string SignificantIntegerDigits(std::string_view text) {
    std::string digits;
    for (const char c : text.substr(0, text.find('.'))) {
        if (IsDigit(c) && !(digits.empty() && c == '0')) digits += c;
    }
    return digits;
}

}  // namespace isr
