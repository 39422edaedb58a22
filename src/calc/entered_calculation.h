// SPDX-License-Identifier: MIT
// The calculation as "&Calcular" runs it on the texts of the two entry fields.
#pragma once

#include <string_view>

#include "calc/withholding.h"

namespace isr {

// The entry fields hold amount texts, rounded to cents by the time of a click; each is read
// exactly. A base beyond what an amount can hold lies above every table's top row and matches no
// row; a subsidy sum beyond it leaves the result without a figure rather than show a wrong one.
// A text that is no amount at all reads as zero.
Withholding CalculateEntered(const TableSet& tables, Period period, std::string_view baseText,
                             std::string_view subsidySumText);

}  // namespace isr
