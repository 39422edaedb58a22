// SPDX-License-Identifier: MIT
// Small helpers over texts and whole ranges, shared by the core, the front ends and the tools.
// The core is compiled for the page too, and the libc++ of its toolchain (Emscripten 3.1.6) lacks
// the std::ranges algorithms and <=> for strings: these stand in for them, here only.
#pragma once

#include <algorithm>
#include <compare>
#include <iterator>
#include <string>
#include <string_view>

namespace isr {

template <class Range, class Predicate>
constexpr bool AllOf(const Range& range, Predicate predicate) {
    return std::all_of(std::begin(range), std::end(range), predicate);
}

// Same length and `equal` for each pair of elements.
template <class RangeA, class RangeB, class Equal>
constexpr bool EqualRanges(const RangeA& a, const RangeB& b, Equal equal) {
    return std::equal(std::begin(a), std::end(a), std::begin(b), std::end(b), equal);
}

constexpr std::strong_ordering CompareTexts(std::string_view a, std::string_view b) {
    return a.compare(b) <=> 0;
}

constexpr char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Equal but for the case of ASCII letters ("mensual" is "Mensual"); other bytes must match.
constexpr bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return EqualRanges(a, b, [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

// "\xNN", in lower-case hex: how a message shows a byte it cannot show as itself.
inline void AppendHexEscape(std::string& out, unsigned char byte) {
    static constexpr char kHex[] = "0123456789abcdef";
    out += "\\x";
    out += kHex[byte >> 4];
    out += kHex[byte & 0xF];
}

}  // namespace isr
