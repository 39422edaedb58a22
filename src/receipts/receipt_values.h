// SPDX-License-Identifier: MIT
// The attribute values of a receipt read once into the program's figures: the schema's plain
// decimals (no sign, no group separators) to cents, days to thousandths, dates checked.
#pragma once

#include <optional>
#include <string_view>

#include "money/cents.h"
#include "receipts/receipt_figures.h"

namespace isr {

// The value without the spaces the schemas collapse around a code, a decimal or a name.
std::string_view TrimmedValue(std::string_view text);

// An amount as the schemas write it ("1054.75", "0.5", "15200.104"), through the program's
// amount reading: halves of a cent away from zero. Nothing for a sign, a "," or no digits.
std::optional<Cents> ReceiptAmount(std::string_view text);

// NumDiasPagados: above zero, at most five integer digits and three decimals.
std::optional<DaysPaid> ReceiptDays(std::string_view text);

// Whether the text is a date YYYY-MM-DD with a month 01-12 and a day 01-31.
bool IsReceiptDate(std::string_view text);

}  // namespace isr
