// SPDX-License-Identifier: MIT
// The grammar of amount texts, for the files that format, read, round and compare them: Cut is
// its one reader. Internal to money; the public forms are in money/amount_text.h.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace isr::amount_grammar {

// Writes integer digits so that they end at `end`, with "," before each group of three counted
// from the right ("1234567" as "1,234,567"), and returns where they start: the one grouping of
// every amount this program shows, whether its digits come from a count or from a text.
char* WriteGroupedBackward(std::string_view digits, char* end);

// The length of those digits once grouped.
constexpr std::size_t GroupedLength(std::size_t digits) {
    return digits == 0 ? 0 : digits + (digits - 1) / 3;
}

inline bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// An amount text cut into its parts, the grammar checked.
struct AmountParts {
    bool negative;
    std::string_view integerPart;  // digits and "," separators
    std::string_view decimals;     // digits only
};

// Whether the digits after the second decimal make the magnitude round up: the remainder is at
// least half a cent exactly when the third decimal is 5 or more.
inline bool RoundsUp(std::string_view decimals) {
    return decimals.size() > 2 && decimals[2] >= '5';
}

inline char Decimal(std::string_view decimals, std::size_t i) {
    return i < decimals.size() ? decimals[i] : '0';
}

// The parts of an amount text; nothing for a text outside the grammar of TypedAmount. Inline: every
// amount of a batch is read through it.
inline std::optional<AmountParts> Cut(std::string_view text) {
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

}  // namespace isr::amount_grammar
