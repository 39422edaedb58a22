// SPDX-License-Identifier: MIT
// The figures around the result boxes: what a calculation echoes of its input, and what the
// gross-up adds. Each has its caption, its JSON key and the control that holds it (the window's
// object name, or the page's own id for a control the page alone has).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace isr {

struct FigureLabel {
    std::string_view caption;
    std::string_view jsonKey;
    std::string_view control;
};

enum class EnteredFigure : std::uint8_t { kTables, kPeriod, kBase, kSubsidySum };

// In the order of EnteredFigure.
inline constexpr std::array<FigureLabel, 4> kEnteredLabels = {{
    {"Tablas", "tablas", "cmbTablas"},
    {"Tipo de Tarifa", "periodo", "cmbTarifa"},
    {"Ingreso Gravable", "ingreso_gravable", "txtBase"},
    {"Suma Subsidio para el Empleo", "suma_subsidio", "txtPagos"},
}};

// The income found has the base's caption and key; on the page it has a box of its own.
enum class GrossUpFigure : std::uint8_t { kTarget, kIncome, kNet, kExact };

// In the order of GrossUpFigure.
inline constexpr std::array<FigureLabel, 4> kGrossUpLabels = {{
    {"Neto Buscado", "neto_buscado", "txtNetoBuscado"},
    {"Ingreso Gravable", "ingreso_gravable", "txtNetoIngreso"},
    {"Neto", "neto", "txtNeto"},
    {"Exacto", "exacto", "txtExacto"},
}};

constexpr const FigureLabel& LabelOf(EnteredFigure figure) {
    return kEnteredLabels[static_cast<std::size_t>(figure)];
}

constexpr const FigureLabel& LabelOf(GrossUpFigure figure) {
    return kGrossUpLabels[static_cast<std::size_t>(figure)];
}

// The page's words for whether the net reached is the target itself, as the text output's.
constexpr std::string_view ExactText(bool exact) {
    return exact ? "sí" : "no";
}

}  // namespace isr
