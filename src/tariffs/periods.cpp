// SPDX-License-Identifier: MIT
#include "tariffs/periods.h"

#include <algorithm>

namespace isr {

namespace {

constexpr char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// What FindPeriod relies on to pick its one candidate.
static_assert(
    [] {
        for (std::size_t i = 0; i < kPeriodNames.size(); ++i) {
            for (std::size_t j = 0; j < i; ++j) {
                if (kPeriodNames[i].substr(0, 2) == kPeriodNames[j].substr(0, 2)) return false;
            }
        }
        return true;
    }(),
    "period names differ in their first two letters");

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

}  // namespace

std::optional<Period> FindPeriod(std::string_view name) {
    // Every row of a batch names its period. The names differ in their first two letters, so
    // those pick the one candidate; the whole name must then match it.
    if (name.size() < 2) return std::nullopt;
    const auto key = [](std::string_view text) {
        return LowerAscii(text[0]) * 256 + LowerAscii(text[1]);
    };
    const int wanted = key(name);
    for (const Period period : kPeriods) {
        const auto candidate = PeriodName(period);
        if (key(candidate) == wanted) {
            if (EqualsIgnoringCase(name, candidate)) return period;
            return std::nullopt;
        }
    }
    return std::nullopt;
}

}  // namespace isr
