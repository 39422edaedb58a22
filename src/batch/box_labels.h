// SPDX-License-Identifier: MIT
// How the command line names each result box: its caption in the text output, its key in the
// JSON object and its column in the batch output.
#pragma once

#include <array>
#include <string_view>

#include "calc/result_boxes.h"

namespace isr {

struct BoxLabel {
    ResultBox box;
    std::string_view caption;
    std::string_view jsonGroup;  // the JSON object holding the key, empty for the top level
    std::string_view jsonKey;
    std::string_view csvColumn;
};

// In the order of kResultBoxes.
inline constexpr std::array<BoxLabel, 9> kBoxLabels = {{
    {ResultBox::kIsrLowerLimit, "Límite Inferior", "isr", "limite_inferior", "isr_limite_inferior"},
    {ResultBox::kIsrExcess, "Excedente del Límite Inferior", "isr", "excedente", "isr_excedente"},
    {ResultBox::kIsrRate, "Porcentaje sobre Límite Inferior", "isr", "porcentaje",
     "isr_porcentaje"},
    {ResultBox::kIsrFixedFee, "Cuota Fija", "isr", "cuota_fija", "isr_cuota_fija"},
    {ResultBox::kDeterminedTax, "Impuesto Determinado", "isr", "impuesto_determinado",
     "isr_impuesto_determinado"},
    {ResultBox::kSubsidyLowerLimit, "Límite Inferior", "subsidio", "limite_inferior",
     "subsidio_limite_inferior"},
    {ResultBox::kSubsidyUpperLimit, "Límite Superior", "subsidio", "limite_superior",
     "subsidio_limite_superior"},
    {ResultBox::kSubsidy, "Subsidio para el Empleo", "subsidio", "subsidio", "subsidio"},
    {ResultBox::kResult, "Procedimiento 2016", "", "procedimiento_2016", "procedimiento_2016"},
}};

static_assert(NamesEveryBoxOnceInOrder(kBoxLabels),
              "one label per result box, in the boxes' order");

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
