// SPDX-License-Identifier: MIT
// The nine result boxes of a calculation and the text each shows. Front ends name and place the
// boxes themselves; what a box shows is decided here, once.
#pragma once

#include <array>
#include <cstddef>
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

// Every box once, in the enum's order: kResultBoxes[i] is box number i.
static_assert([] {
    for (std::size_t i = 0; i < kResultBoxes.size(); ++i) {
        if (static_cast<std::size_t>(kResultBoxes[i]) != i) return false;
    }
    return static_cast<std::size_t>(ResultBox::kResult) + 1 == kResultBoxes.size();
}());

// Whether a front end's table of names (entries with a `box` member) names every box exactly
// once, in the order of kResultBoxes; each such table static_asserts it.
template <class Named, std::size_t N>
constexpr bool NamesEveryBoxOnceInOrder(const std::array<Named, N>& names) {
    if (N != kResultBoxes.size()) return false;
    for (std::size_t i = 0; i < N; ++i) {
        if (names[i].box != kResultBoxes[i]) return false;
    }
    return true;
}

// "#,0.00" of the box's figure; the bare "0" that every box shows before its first calculation
// when the lookup behind it found no row (or the result could not be figured).
AmountText BoxText(const Withholding& withholding, ResultBox box);

}  // namespace isr
