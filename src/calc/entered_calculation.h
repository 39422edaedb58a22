// SPDX-License-Identifier: MIT
// The calculation as "&Calcular" runs it on the texts of the two entry fields, and the gross-up
// on the texts of a target net and the subsidy sum.
#pragma once

#include <optional>
#include <string_view>

#include "calc/gross_up.h"
#include "calc/withholding.h"

namespace isr {

// The entry fields hold amount texts, rounded to cents by the time of a click; each is read
// exactly. A base beyond what an amount can hold lies above every table's top row and matches no
// row; a subsidy sum beyond it leaves the result without a figure rather than show a wrong one.
// A text that is no amount at all reads as zero.
Withholding CalculateEntered(const TableSet& tables, Period period, std::string_view baseText,
                             std::string_view subsidySumText);

// The gross-up of a typed target net, both texts read as above. Nothing when no base nets the
// target, when the target is beyond what an amount can hold (cut to the largest amount it would
// be met by a net it is not) and, for "Anual", when the subsidy sum is below zero or beyond what
// an amount can hold: no figure rather than a wrong one.
std::optional<GrossUpResult> GrossUpEntered(const TableSet& tables, Period period,
                                            std::string_view targetText,
                                            std::string_view subsidySumText);

}  // namespace isr
