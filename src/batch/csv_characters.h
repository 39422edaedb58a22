// SPDX-License-Identifier: MIT
// Sets of characters as tables of 256 flags: the CSV reader and writer test every byte.
#pragma once

#include <array>
#include <string_view>

namespace isr {

constexpr std::array<bool, 256> CharacterTable(std::string_view characters) {
    std::array<bool, 256> table{};
    for (const char c : characters) table[static_cast<unsigned char>(c)] = true;
    return table;
}

// The separator, the quote and the line ends: a field holding one is written quoted, and a run
// of unquoted field text ends at one.
inline constexpr auto kCsvSpecial = CharacterTable(",\"\n\r");

}  // namespace isr
