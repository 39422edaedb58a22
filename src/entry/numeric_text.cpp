// SPDX-License-Identifier: MIT
#include "entry/numeric_text.h"

#include "calc/amount.h"

namespace isr {

bool IsNumeric(std::string_view text) {
    return ParseAmount(text).has_value();
}

}  // namespace isr
