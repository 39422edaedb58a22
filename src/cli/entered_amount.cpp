// SPDX-License-Identifier: MIT
#include "cli/entered_amount.h"

#include "calc/amount.h"
#include "entry/numeric_text.h"

namespace isr::cli {

std::optional<std::string> EnteredAmount(std::string_view text) {
    if (!IsNumeric(text)) return std::nullopt;
    return FormatAmount(ParseAmount(text).value_or(0.0));
}

}  // namespace isr::cli
