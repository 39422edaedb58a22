// SPDX-License-Identifier: MIT
#include "tariffs/periods.h"

#include "money/written_name.h"

namespace isr {

std::optional<Period> FindPeriod(std::string_view name) {
    for (const Period period : kPeriods) {
        if (SameWrittenName(name, PeriodName(period))) return period;
    }
    return std::nullopt;
}

}  // namespace isr
