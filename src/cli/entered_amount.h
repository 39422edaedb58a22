// SPDX-License-Identifier: MIT
// An amount given on the command line or in a CSV cell, read as the window reads a typed amount.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace isr::cli {

// The text the window would hold after the user typed `text` and left the field: the amount
// rounded to cents and formatted ("12000.5" gives "12,000.50"), or nothing when the window would
// not take the text as a number.
std::optional<std::string> EnteredAmount(std::string_view text);

}  // namespace isr::cli
