// SPDX-License-Identifier: MIT
// The nine result boxes of a calculation, in the window's order. Front ends name, place and fill
// the boxes from the presentation tables.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

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

}  // namespace isr
