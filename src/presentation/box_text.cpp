// SPDX-License-Identifier: MIT
#include "presentation/box_text.h"

namespace isr {

namespace {

template <class Breakdown, class Figure>
AmountText FigureOf(const std::optional<Breakdown>& breakdown, Figure Breakdown::*figure) {
    return breakdown ? AmountText((*breakdown).*figure) : AmountText::BareZero();
}

}  // namespace

AmountText BoxText(const Withholding& w, ResultBox box) {
    switch (box) {
        case ResultBox::kIsrLowerLimit:
            return FigureOf(w.isr, &IsrBreakdown::lowerLimit);
        case ResultBox::kIsrExcess:
            return FigureOf(w.isr, &IsrBreakdown::excess);
        case ResultBox::kIsrRate:
            return FigureOf(w.isr, &IsrBreakdown::rate);
        case ResultBox::kIsrFixedFee:
            return FigureOf(w.isr, &IsrBreakdown::fixedFee);
        case ResultBox::kDeterminedTax:
            return AmountText(w.determinedTax);
        case ResultBox::kSubsidyLowerLimit:
            return FigureOf(w.subsidy, &SubsidyBreakdown::lowerLimit);
        case ResultBox::kSubsidyUpperLimit:
            return FigureOf(w.subsidy, &SubsidyBreakdown::upperLimit);
        case ResultBox::kSubsidy:
            return FigureOf(w.subsidy, &SubsidyBreakdown::subsidy);
        case ResultBox::kResult:
            return w.result ? AmountText(*w.result) : AmountText::BareZero();
    }
    return AmountText::BareZero();
}

}  // namespace isr
