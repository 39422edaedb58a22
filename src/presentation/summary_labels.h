// SPDX-License-Identifier: MIT
// What a payroll's summary calls the figures it sums over the good rows, for the command line's
// summary and the page's alike: a payroll of incomes or of nets sums the determined tax, the
// subsidy, the 2016 procedure, the ISR to withhold and the subsidy to deliver; a payroll of
// extraordinary payments sums each method's withholding.
#pragma once

#include <array>
#include <string_view>

#include "presentation/box_labels.h"

namespace isr {

// The boxes' own captions, then the settlement's.
inline constexpr std::array<std::string_view, 5> kWithholdingTotalCaptions = {
    LabelOf(ResultBox::kDeterminedTax).caption, LabelOf(ResultBox::kSubsidy).caption,
    LabelOf(ResultBox::kResult).caption, kSettlementLabels[0].caption,
    kSettlementLabels[1].caption};

// The two methods' figures share the caption "Retención"; here they stand side by side.
inline constexpr std::array<std::string_view, 2> kPaymentTotalCaptions = {"Retención (art. 174)",
                                                                          "Retención (art. 96)"};

}  // namespace isr
