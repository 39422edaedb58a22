// SPDX-License-Identifier: MIT
// What each result box shows of a calculation, for every front end alike: calc gives the
// figures, this puts them in the form every amount takes.
#pragma once

#include "calc/result_boxes.h"
#include "calc/withholding.h"
#include "money/amount_text.h"

namespace isr {

// "#,0.00" of the box's figure; the bare "0" that every box shows before its first calculation
// when the lookup behind it found no row (or the result could not be figured).
AmountText BoxText(const Withholding& withholding, ResultBox box);

}  // namespace isr
