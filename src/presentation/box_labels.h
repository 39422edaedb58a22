// SPDX-License-Identifier: MIT
// How every front end names each result box: its caption, its section, its key in the JSON
// object, its column in the batch output and the name of the control that shows it.
#pragma once

#include <array>
#include <string_view>

#include "calc/result_boxes.h"
#include "calc/withholding.h"
#include "presentation/figure_section.h"

namespace isr {

inline constexpr FigureSection kIsrSection{"Cálculo del ISR 2016", "isr"};
inline constexpr FigureSection kSubsidySection{"Subsidio para el Empleo", "subsidio"};
// The result stands alone, at the top level.
inline constexpr FigureSection kResultSection{"", ""};

struct BoxLabel {
    ResultBox box;
    const FigureSection* section;
    std::string_view caption;
    std::string_view jsonKey;
    std::string_view csvColumn;
    // The window's object name; the page's id is made from it (PageId).
    std::string_view control;
};

// In the order of kResultBoxes.
inline constexpr std::array<BoxLabel, 9> kBoxLabels = {{
    {ResultBox::kIsrLowerLimit, &kIsrSection, "Límite Inferior", "limite_inferior",
     "isr_limite_inferior", "txtISR08(0)"},
    {ResultBox::kIsrExcess, &kIsrSection, "Excedente del Límite Inferior", "excedente",
     "isr_excedente", "txtISR08(1)"},
    {ResultBox::kIsrRate, &kIsrSection, "Porcentaje sobre Límite Inferior", "porcentaje",
     "isr_porcentaje", "txtISR08(2)"},
    {ResultBox::kIsrFixedFee, &kIsrSection, "Cuota Fija", "cuota_fija", "isr_cuota_fija",
     "txtISR08(3)"},
    {ResultBox::kDeterminedTax, &kIsrSection, "Impuesto Determinado", "impuesto_determinado",
     "isr_impuesto_determinado", "txtISR08(4)"},
    {ResultBox::kSubsidyLowerLimit, &kSubsidySection, "Límite Inferior", "limite_inferior",
     "subsidio_limite_inferior", "txtSUB08(0)"},
    {ResultBox::kSubsidyUpperLimit, &kSubsidySection, "Límite Superior", "limite_superior",
     "subsidio_limite_superior", "txtSUB08(1)"},
    {ResultBox::kSubsidy, &kSubsidySection, "Subsidio para el Empleo", "subsidio", "subsidio",
     "txtSUB08(2)"},
    {ResultBox::kResult, &kResultSection, "Procedimiento 2016", "procedimiento_2016",
     "procedimiento_2016", "txtRet08(0)"},
}};

static_assert(NamesEveryBoxOnceInOrder(kBoxLabels),
              "one label per result box, in the boxes' order");

constexpr const BoxLabel& LabelOf(ResultBox box) {
    return kBoxLabels[static_cast<std::size_t>(box)];
}

// What a clerk reports of the result of the 2016 procedure: the ISR to withhold (the result when
// positive) and the subsidy to deliver (minus the result when negative), each 0.00 otherwise. The
// batch writes them after the result boxes, and its summary sums them.
struct SettlementLabel {
    std::string_view caption;
    std::string_view csvColumn;
};

inline constexpr std::array<SettlementLabel, 2> kSettlementLabels = {{
    {"ISR a Retener", "isr_a_retener"},
    {"Subsidio a Entregar", "subsidio_a_entregar"},
}};

// In the order of kSettlementLabels; a result that is not there is 0.00, as its box shows.
inline std::array<Cents, 2> Settlement(const Withholding& withholding) {
    const Cents result = withholding.result.value_or(Cents{});
    return {result > Cents{} ? result : Cents{}, result < Cents{} ? -result : Cents{}};
}

}  // namespace isr
