// SPDX-License-Identifier: MIT
#include "calc/result_boxes.h"

namespace isr {

const std::array<ResultBoxInfo, 9> kResultBoxes = {{
    {"txtISR08", 0, "Límite Inferior", "isr", "limite_inferior", "isr_limite_inferior"},
    {"txtISR08", 1, "Excedente del Límite Inferior", "isr", "excedente", "isr_excedente"},
    {"txtISR08", 2, "Porcentaje sobre Límite Inferior", "isr", "porcentaje", "isr_porcentaje"},
    {"txtISR08", 3, "Cuota Fija", "isr", "cuota_fija", "isr_cuota_fija"},
    {"txtISR08", 4, "Impuesto Determinado", "isr", "impuesto_determinado",
     "isr_impuesto_determinado"},
    {"txtSUB08", 0, "Límite Inferior", "subsidio", "limite_inferior", "subsidio_limite_inferior"},
    {"txtSUB08", 1, "Límite Superior", "subsidio", "limite_superior", "subsidio_limite_superior"},
    {"txtSUB08", 2, "Subsidio para el Empleo", "subsidio", "subsidio", "subsidio"},
    {"txtRet08", 0, "Procedimiento 2016", "", "procedimiento_2016", "procedimiento_2016"},
}};

const std::string& BoxText(const ResultBoxes& boxes, const ResultBoxInfo& box) {
    const auto i = static_cast<std::size_t>(box.index);
    if (box.array == "txtISR08") return boxes.txtISR08.at(i);
    if (box.array == "txtSUB08") return boxes.txtSUB08.at(i);
    return boxes.txtRet08.at(i);
}

}  // namespace isr
