// SPDX-License-Identifier: MIT
// How a row text is cut into its fields. The last field runs to the end of the row, so a row
// "a|b|c|d" read as an income-tax row gives four fields and a row "a|b|c" as a subsidy row three.
#pragma once

#include <array>
#include <string_view>

namespace isr {

// Lower limit, upper limit, fixed fee, rate in percent.
std::array<std::string_view, 4> SplitIsrRow(std::string_view row);

// Lower limit, upper limit, subsidy amount.
std::array<std::string_view, 3> SplitSubsidyRow(std::string_view row);

}  // namespace isr
