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

std::optional<Period> FindPeriod(std::string_view name) {
    for (const Period period : kPeriods) {
        if (EqualsIgnoringCase(name, PeriodName(period))) return period;
    }
    return std::nullopt;
}

}  // namespace isr
