// SPDX-License-Identifier: MIT
#include "cli/entered_amount.h"

#include "calc/amount.h"

namespace isr::cli {

// IsNumeric accepts exactly the texts that ParseAmount reads, so one parse both tests the text
// and reads it: this runs twice per row of a batch.
std::optional<std::string> EnteredAmount(std::string_view text) {
    const auto value = ParseAmount(text);
    if (!value) return std::nullopt;
    return FormatAmount(*value);
}

}  // namespace isr::cli
