// SPDX-License-Identifier: MIT
// The page's calculator: its controls carry the window's names, and each event runs what the
// window runs for it. The page's script (page.js) hands the events over; the core decides.
#include <emscripten/em_js.h>
#include <emscripten/emscripten.h>

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "batch/calculation_input.h"
#include "calc/brackets.h"
#include "calc/entered_calculation.h"
#include "calc/result_boxes.h"
#include "entry/amount_field.h"
#include "entry/calcular.h"
#include "money/amount_text.h"
#include "presentation/box_labels.h"
#include "presentation/calculation_labels.h"
#include "presentation/page_id.h"
#include "presentation/tariff_listing.h"
#include "tariffs/periods.h"
#include "tariffs/table_sets.h"
#include "web/amount_input.h"
#include "web/dom.h"

// Functions of page.js.
EM_JS(void, js_bind_amount_input, (const char* id, int index),
      { bindAmountInput(document.getElementById(UTF8ToString(id)), index); });
// The ids of the boxes read out after a calculation and after a gross-up, each list
// space-separated.
EM_JS(void, js_page_loaded, (const char* calculated, const char* grossUp),
      { pageLoaded(UTF8ToString(calculated).split(' '), UTF8ToString(grossUp).split(' ')); });
// The same program runs a payroll in a worker, which has no page: there it only waits for the
// file (payroll.js).
EM_JS(int, js_in_payroll_worker, (), {
    if (typeof document == 'undefined') {
        payrollWorkerReady();
        return 1;
    }
    return 0;
});

namespace isr {
namespace {

constexpr const char* kPeriodList = LabelOf(EnteredFigure::kPeriod).control.data();
constexpr const char* kTableSetList = LabelOf(EnteredFigure::kTables).control.data();
constexpr const char* kTableSetHeading = "lblTablas";
constexpr const char* kListing = "Text1";
// The gross-up's outputs.
constexpr const char* kIncomeFound = LabelOf(GrossUpFigure::kIncome).control.data();
constexpr const char* kNetReached = LabelOf(GrossUpFigure::kNet).control.data();
constexpr const char* kExact = LabelOf(GrossUpFigure::kExact).control.data();
constexpr const char* kGrossUpMessage = "lblNeto";
// Under the boxes: why they show no row.
constexpr const char* kBeyondTariffNote = "lblFueraDeTarifa";

// The boxes' ids, in the order of kResultBoxes.
const std::array<std::string, kResultBoxes.size()> kResultBoxIds = [] {
    std::array<std::string, kResultBoxes.size()> ids;
    for (const BoxLabel& label : kBoxLabels) {
        ids[static_cast<std::size_t>(label.box)] = PageId(label.control);
    }
    return ids;
}();

const std::string& BoxId(ResultBox box) {
    return kResultBoxIds[static_cast<std::size_t>(box)];
}

AmountInput txtBase(LabelOf(EnteredFigure::kBase).control.data());
AmountInput txtPagos(LabelOf(EnteredFigure::kSubsidySum).control.data());
DomSwitch lbl13("lbl-13");  // the caption of txtPagos
AmountInput txtNetoBuscado(LabelOf(GrossUpFigure::kTarget).control.data());

// page.js names an amount input by its place here.
constexpr std::array<AmountInput*, 3> kAmountInputs = {&txtBase, &txtPagos, &txtNetoBuscado};

AmountInput& AmountInputAt(int index) {
    return *kAmountInputs[static_cast<std::size_t>(index)];
}

const TableSet& ChosenTables() {
    return *AllTableSets()[static_cast<std::size_t>(dom::SelectedIndex(kTableSetList))];
}

void cmbTarifa_Click() {
    EnableSubsidySumFor(dom::SelectedIndex(kPeriodList), txtPagos, lbl13);
}

void ShowBox(ResultBox box, std::string_view text) {
    dom::SetValue(BoxId(box).c_str(), text);
}

void ClearGrossUp() {
    for (const char* id : {kIncomeFound, kNetReached, kExact}) dom::SetValue(id, "");
}

// What the gross-up's message says of a target it finds no income for.
std::string NoIncomeFound(std::string_view targetText) {
    if (ReadAmount(targetText).kind == TypedAmount::Kind::kBeyondRange) {
        return "El neto buscado está fuera de rango: a lo sumo " +
               AmountText(Cents::Largest()).String() + ".";
    }
    return "El neto buscado está más allá de las tablas: ningún ingreso lo alcanza.";
}

// The listing and the line that says which tables are in use follow the chosen set at once, and
// no figure of another set stays beside them: the boxes go back to "0", as before a calculation.
void cmbTablas_Click() {
    const TableSet& tables = ChosenTables();
    dom::SetText(kTableSetHeading, tables.Title());
    dom::SetText(kListing, TariffListing(tables));
    for (const ResultBox box : kResultBoxes) ShowBox(box, AmountText::BareZero());
    ClearGrossUp();
    dom::SetText(kGrossUpMessage, "");
    dom::SetText(kBeyondTariffNote, "");
}

// The boxes show what the window shows for a base beyond the period's tariff: no row, "0". The
// note under them says why, in the command line's words.
void cmdCalc_Click() {
    const TableSet& tables = ChosenTables();
    Calcular(tables, dom::SelectedIndex(kPeriodList), txtBase, txtPagos, ShowBox);
    std::string note;
    if (const auto period = PeriodAt(dom::SelectedIndex(kPeriodList))) {
        const Cents top = TariffTop(tables.IsrTariff(*period));
        if (ReadAmount(txtBase.Text()).cents > top) {
            note = "El Ingreso Gravable está ";
            AppendProblem(note, {InputField::kAmount, InputProblem::kBeyondTariff, *period, top});
            note += ": ninguna fila lo abarca.";
        }
    }
    dom::SetText(kBeyondTariffNote, note);
}

// The income found shows in the card, and goes into txtBase with its calculation in the boxes, as
// if typed and calculated; beside it, the net it leaves and whether that is the target itself.
// For a target that no income reaches, a message instead, and the boxes stay as they were.
void cmdNeto_Click() {
    AmountFieldBeforeCalculation(txtNetoBuscado);
    AmountFieldBeforeCalculation(txtPagos);
    const auto period = PeriodAt(dom::SelectedIndex(kPeriodList));
    if (!period) return;
    const auto found =
        GrossUpEntered(ChosenTables(), *period, txtNetoBuscado.Text(), txtPagos.Text());
    if (!found) {
        ClearGrossUp();
        dom::SetText(kGrossUpMessage, NoIncomeFound(txtNetoBuscado.Text()));
        return;
    }
    const AmountText base(found->base);
    txtBase.SetText(base.String());
    ShowBoxes(found->withholding, ShowBox);
    dom::SetValue(kIncomeFound, base);
    dom::SetValue(kNetReached, AmountText(found->net));
    dom::SetValue(kExact, ExactText(found->exact));
    dom::SetText(kGrossUpMessage, "");
    dom::SetText(kBeyondTariffNote, "");
}

}  // namespace
}  // namespace isr

using isr::AmountInputAt;

extern "C" {

EMSCRIPTEN_KEEPALIVE int isr_key_typed(int field, int key) {
    return isr::AmountFieldKeyTyped(AmountInputAt(field), static_cast<char32_t>(key)) ? 1 : 0;
}
EMSCRIPTEN_KEEPALIVE void isr_text_changed(int field) {
    isr::AmountFieldTextChanged(AmountInputAt(field));
}
EMSCRIPTEN_KEEPALIVE void isr_focus_in(int field) {
    isr::AmountFieldFocusIn(AmountInputAt(field));
}
EMSCRIPTEN_KEEPALIVE void isr_focus_out(int field) {
    isr::AmountFieldFocusOut(AmountInputAt(field));
}
EMSCRIPTEN_KEEPALIVE void isr_period_chosen() {
    isr::cmbTarifa_Click();
}
EMSCRIPTEN_KEEPALIVE void isr_tables_chosen() {
    isr::cmbTablas_Click();
}
EMSCRIPTEN_KEEPALIVE void isr_calculate() {
    isr::cmdCalc_Click();
}
EMSCRIPTEN_KEEPALIVE void isr_gross_up() {
    isr::cmdNeto_Click();
}

}  // extern "C"

// As the window loads: the lists filled from the core, the first period and the default tables
// chosen, and the period's rule run for that choice.
int main() {
    using namespace isr;
    if (js_in_payroll_worker()) return 0;
    for (const std::string_view name : kPeriodNames) dom::AddOption(kPeriodList, name);
    for (const TableSet* tables : AllTableSets()) {
        dom::AddOption(kTableSetList, tables->Name());
    }
    cmbTablas_Click();
    cmbTarifa_Click();
    for (std::size_t i = 0; i < kAmountInputs.size(); ++i) {
        js_bind_amount_input(kAmountInputs[i]->Id(), static_cast<int>(i));
    }
    using enum ResultBox;
    const std::string calculated =
        BoxId(kDeterminedTax) + ' ' + BoxId(kSubsidy) + ' ' + BoxId(kResult);
    const std::string grossUp =
        std::string(txtBase.Id()) + ' ' + BoxId(kResult) + ' ' + kNetReached + ' ' + kExact;
    js_page_loaded(calculated.c_str(), grossUp.c_str());
}
