// SPDX-License-Identifier: MIT
#include "tariffs/periods.h"

#include "money/text_helpers.h"

namespace isr {

std::optional<Period> FindPeriod(std::string_view name) {
    // Names of other lengths are passed over at once: the lengths are compared first.
    for (const Period period : kPeriods) {
        if (EqualsIgnoringAsciiCase(name, PeriodName(period))) return period;
    }
    return std::nullopt;
}

}  // namespace isr
