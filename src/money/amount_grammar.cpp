// SPDX-License-Identifier: MIT
#include "money/amount_grammar.h"

#include <string>

#include "money/amount_text.h"

namespace isr {

using amount_grammar::IsDigit;

std::string SignificantIntegerDigits(std::string_view text) {
    std::string digits;
    for (const char c : text.substr(0, text.find('.'))) {
        if (IsDigit(c) && !(digits.empty() && c == '0')) digits += c;
    }
    return digits;
}

}  // namespace isr
