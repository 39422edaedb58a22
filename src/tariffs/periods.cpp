// SPDX-License-Identifier: MIT
#include "tariffs/periods.h"

#include <algorithm>

namespace isr {

namespace {

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

}  // namespace

std::optional<int> FindPeriod(std::string_view name) {
    for (std::size_t i = 0; i < kPeriodNames.size(); ++i) {
        if (EqualsIgnoringCase(name, kPeriodNames[i])) return static_cast<int>(i);
    }
    return std::nullopt;
}

}  // namespace isr
