// SPDX-License-Identifier: MIT
// The page's card "Días pagados": the pay of any number of days, by the daily tariff's table or
// through the month, with the tables of the page's Tablas list; its boxes carry the command line's
// JSON keys and texts (isr2016-cli --dias N --metodo METODO BASE). The card's script (days.js)
// hands the click over.
#include <emscripten/emscripten.h>

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <variant>

#include "calc/days_paid.h"
#include "money/amount_text.h"
#include "presentation/box_labels.h"
#include "presentation/box_text.h"
#include "presentation/days_text.h"
#include "tariffs/table_sets.h"
#include "web/dom.h"

namespace isr {
namespace {

constexpr const char* kBase = "txtDiasBase";
constexpr const char* kDays = "txtDias";
constexpr const char* kMethodList = "cmbMetodo";
constexpr const char* kTableSetList = "cmbTablas";
constexpr const char* kMessage = "lblDias";
constexpr const char* kTablesUsed = "lblDiasTablas";

// The methods in the list's order.
constexpr std::array<DaysMethod, 2> kMethods = {DaysMethod::kTabla, DaysMethod::kMensual};

// The card's figures after the boxes, by their JSON keys.
constexpr std::array<const char*, 4> kPeriodFigures = {
    "dias-ingreso_mensual", "dias-isr_periodo", "dias-subsidio_periodo", "dias-procedimiento_2016"};

// A box's element: "dias-" and its JSON group and key, "dias-isr-cuota_fija".
std::string BoxId(const BoxLabel& label) {
    return "dias-" + std::string(label.section->jsonGroup) + '-' + std::string(label.jsonKey);
}

void Clear() {
    for (const auto& label : kBoxLabels) {
        if (!label.section->jsonGroup.empty()) dom::SetValue(BoxId(label).c_str(), "");
    }
    for (const char* id : kPeriodFigures) dom::SetValue(id, "");
}

std::string Problem(DaysProblem problem, DaysMethod method, const TableSet& tables) {
    switch (problem) {
        case DaysProblem::kOutOfRange:
            return "Días Pagados: con el método " + std::string(DaysMethodName(method)) + ", " +
                   DaysRangeText(method) + '.';
        case DaysProblem::kNoTable:
            return "Días Pagados: " + NoDaysTableText(tables) +
                   "; elija las tablas anexo8 o el método mensual.";
        case DaysProblem::kBeyondAmount:
            break;
    }
    return "Ingreso Gravable: llevado a un mes pasa de " + AmountText(Cents::Largest()).String() +
           '.';
}

void cmdDias_Click() {
    const TableSet& tables =
        *AllTableSets()[static_cast<std::size_t>(dom::SelectedIndex(kTableSetList))];
    const DaysMethod method = kMethods[static_cast<std::size_t>(dom::SelectedIndex(kMethodList))];
    dom::SetText(kTablesUsed, "Tablas: " + std::string(tables.Name()));
    Clear();
    const auto days = ReadDaysPaid(dom::Value(kDays));
    if (!days) {
        dom::SetText(kMessage,
                     "Días Pagados: un número sin signo, con hasta tres decimales (15, 15.2).");
        return;
    }
    const TypedAmount base = ReadAmount(dom::Value(kBase));
    if (base.kind != TypedAmount::Kind::kAmount || base.cents < Cents()) {
        dom::SetText(kMessage, base.kind == TypedAmount::Kind::kBeyondRange
                                   ? "Ingreso Gravable: fuera de rango."
                                   : "Ingreso Gravable: escriba un importe de 0.00 en adelante.");
        return;
    }
    const auto outcome = CalculateDaysPaid(tables, *days, method, base.cents);
    if (const auto* problem = std::get_if<DaysProblem>(&outcome)) {
        dom::SetText(kMessage, Problem(*problem, method, tables));
        return;
    }
    const auto& r = std::get<DaysPaidResult>(outcome);
    dom::SetValue(kBase, AmountText(base.cents).View());
    for (const auto& label : kBoxLabels) {
        // The result is the period's, below.
        if (!label.section->jsonGroup.empty()) {
            dom::SetValue(BoxId(label).c_str(), BoxText(r.withholding, label.box).View());
        }
    }
    dom::SetValue(kPeriodFigures[0], r.monthlyBase ? AmountText(*r.monthlyBase).String() : "");
    dom::SetValue(kPeriodFigures[1], AmountText(r.periodTax).View());
    dom::SetValue(kPeriodFigures[2], AmountText(r.periodSubsidy).View());
    dom::SetValue(kPeriodFigures[3], AmountText(r.result).View());
    dom::SetText(kMessage, "");
}

}  // namespace
}  // namespace isr

extern "C" {

EMSCRIPTEN_KEEPALIVE void isr_days_calculate() {
    isr::cmdDias_Click();
}

// The methods' list, filled from the core.
EMSCRIPTEN_KEEPALIVE void isr_days_loaded() {
    for (const auto method : isr::kMethods) {
        isr::dom::AddOption(isr::kMethodList, isr::DaysMethodName(method));
    }
}

}  // extern "C"
