// SPDX-License-Identifier: MIT
#include "tariffs/periods.h"

#include <algorithm>

namespace isr {

namespace {

constexpr char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    // std::equal rather than std::ranges::equal, which the libc++ of the page's toolchain lacks.
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

}  // namespace

std::optional<Period> FindPeriod(std::string_view name) {
    // Names of other lengths are passed over at once: std::equal compares the lengths first.
    for (const Period period : kPeriods) {
        if (EqualsIgnoringCase(name, PeriodName(period))) return period;
    }
    return std::nullopt;
}

}  // namespace isr
