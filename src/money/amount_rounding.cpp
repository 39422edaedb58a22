// SPDX-License-Identifier: MIT
// An amount text rounded to cents on its own digits, however long.
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

    std::string out;
    out.reserve(cents.size() + whole.size() / 3 + 2);
    if (parts->negative && !zero) out += '-';
    for (std::size_t i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0) out += ',';
        out += whole[i];
    }
    out += '.';
    out.append(cents, cents.size() - 2, 2);
    return out;
}

}  // namespace isr
