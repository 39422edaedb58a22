// SPDX-License-Identifier: MIT
// An amount text rounded to cents on its own digits, however long.
#include <cstring>
#include <string>

#include "money/amount_grammar.h"
#include "money/amount_text.h"

namespace isr {

using namespace amount_grammar;

std::optional<std::string> RoundedAmountText(std::string_view text) {
    const auto parts = Cut(text);
    if (!parts) return std::nullopt;

    // The magnitude in cents as a digit string, then rounded on its digits.
    std::string cents = SignificantIntegerDigits(parts->integerPart);
    cents += Decimal(parts->decimals, 0);
    cents += Decimal(parts->decimals, 1);
    if (RoundsUp(parts->decimals)) {
        std::size_t i = cents.size();
        while (i > 0 && cents[i - 1] == '9') cents[--i] = '0';
        if (i == 0) {
            cents.insert(cents.begin(), '1');
        } else {
            ++cents[i - 1];
        }
    }
    // At least one integer digit: "5" cents is "0.05".
    if (cents.size() < 3) cents.insert(0, 3 - cents.size(), '0');
    const std::string_view whole(cents.data(), cents.size() - 2);
    const bool zero = cents.find_first_not_of('0') == std::string::npos;

    const bool minus = parts->negative && !zero;
    std::string out(std::size_t{minus} + GroupedLength(whole.size()) + 3, '.');
    char* const end = out.data() + out.size();
    std::memcpy(end - 2, cents.data() + cents.size() - 2, 2);
    char* const start = WriteGroupedBackward(whole, end - 3);
    if (minus) start[-1] = '-';
    return out;
}

}  // namespace isr
