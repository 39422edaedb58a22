// SPDX-License-Identifier: MIT
// The nine result boxes of a calculation and the text each shows. Front ends name and place the
// boxes themselves; what a box shows is decided here, once.
#pragma once

#include <array>
#include <cstdint>

#include "calc/withholding.h"
#include "money/amount_text.h"

namespace isr {

enum class ResultBox : std::uint8_t {
    kIsrLowerLimit,
    kIsrExcess,
    kIsrRate,
    kIsrFixedFee,
    kDeterminedTax,
    kSubsidyLowerLimit,
    kSubsidyUpperLimit,
    kSubsidy,
    kResult,
};

// In the order the window lists them.
inline constexpr std::array<ResultBox, 9> kResultBoxes = {
    ResultBox::kIsrLowerLimit,     ResultBox::kIsrExcess,     ResultBox::kIsrRate,
    ResultBox::kIsrFixedFee,       ResultBox::kDeterminedTax, ResultBox::kSubsidyLowerLimit,
    ResultBox::kSubsidyUpperLimit, ResultBox::kSubsidy,       ResultBox::kResult,
};

// "#,0.00" of the box's figure; the bare "0" that every box shows before its first calculation
// when the lookup behind it found no row (or the result could not be figured).
AmountText BoxText(const Withholding& withholding, ResultBox box);

}  // namespace isr
