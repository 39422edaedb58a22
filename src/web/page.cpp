// SPDX-License-Identifier: MIT
// The page's calculator: its controls carry the window's names, and each event runs what the
// window runs for it. The page's script (page.js) hands the events over; the core decides.
#include <emscripten/em_js.h>
#include <emscripten/emscripten.h>

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "calc/entered_calculation.h"
#include "calc/result_boxes.h"
#include "calc/tariff_listing.h"
#include "entry/amount_field.h"
#include "entry/calcular.h"
#include "money/amount_text.h"
#include "tariffs/periods.h"
#include "tariffs/table_sets.h"
#include "web/amount_input.h"
#include "web/dom.h"

// Functions of page.js.
EM_JS(void, js_bind_amount_input, (const char* id, int index),
      { bindAmountInput(document.getElementById(UTF8ToString(id)), index); });
EM_JS(void, js_page_loaded, (), { pageLoaded(); });
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

constexpr const char* kPeriodList = "cmbTarifa";
constexpr const char* kTableSetList = "cmbTablas";
constexpr const char* kTableSetHeading = "lblTablas";
constexpr const char* kListing = "Text1";
// The gross-up's outputs, named after the command line's keys.
constexpr const char* kNetReached = "txtNeto";
constexpr const char* kExact = "txtExacto";
constexpr const char* kGrossUpMessage = "lblNeto";

struct BoxId {
    ResultBox box;
    const char* id;
};

// In the order of kResultBoxes, so that a box is also its entry's index.
constexpr std::array<BoxId, 9> kResultBoxIds = {{
    {ResultBox::kIsrLowerLimit, "txtISR08-0"},
    {ResultBox::kIsrExcess, "txtISR08-1"},
    {ResultBox::kIsrRate, "txtISR08-2"},
    {ResultBox::kIsrFixedFee, "txtISR08-3"},
    {ResultBox::kDeterminedTax, "txtISR08-4"},
    {ResultBox::kSubsidyLowerLimit, "txtSUB08-0"},
    {ResultBox::kSubsidyUpperLimit, "txtSUB08-1"},
    {ResultBox::kSubsidy, "txtSUB08-2"},
    {ResultBox::kResult, "txtRet08-0"},
}};
static_assert(NamesEveryBoxOnceInOrder(kResultBoxIds),
              "one id per result box, in the boxes' order");

AmountInput txtBase("txtBase");
AmountInput txtPagos("txtPagos");
DomSwitch lbl13("lbl-13");  // the caption of txtPagos
AmountInput txtNetoBuscado("txtNetoBuscado");

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

// The listing and the line that says which tables are in use follow the chosen set at once;
// the result boxes keep the last calculation until the next click, as they do for any change.
void cmbTablas_Click() {
    const TableSet& tables = ChosenTables();
    dom::SetText(kTableSetHeading, tables.Title());
    dom::SetText(kListing, TariffListing(tables));
}

void ShowBox(ResultBox box, std::string_view text) {
    dom::SetValue(kResultBoxIds[static_cast<std::size_t>(box)].id, text);
}

void cmdCalc_Click() {
    Calcular(ChosenTables(), dom::SelectedIndex(kPeriodList), txtBase, txtPagos, ShowBox);
}

// What the gross-up's message says of a target it finds no income for.
std::string NoIncomeFound(std::string_view targetText) {
    if (ReadAmount(targetText).kind == TypedAmount::Kind::kBeyondRange) {
        return "El neto buscado está fuera de rango: a lo sumo " +
               AmountText(Cents::Largest()).String() + ".";
    }
    return "El neto buscado está más allá de las tablas: ningún ingreso lo alcanza.";
}

// The income found goes into txtBase and its calculation into the boxes, as if typed and
// calculated; beside them, the net it leaves and whether that is the target itself. For a
// target that no income reaches, a message instead, and the boxes stay as they were.
void cmdNeto_Click() {
    AmountFieldBeforeCalculation(txtNetoBuscado);
    AmountFieldBeforeCalculation(txtPagos);
    const auto period = PeriodAt(dom::SelectedIndex(kPeriodList));
    if (!period) return;
    const auto found =
        GrossUpEntered(ChosenTables(), *period, txtNetoBuscado.Text(), txtPagos.Text());
    if (!found) {
        dom::SetValue(kNetReached, "");
        dom::SetValue(kExact, "");
        dom::SetText(kGrossUpMessage, NoIncomeFound(txtNetoBuscado.Text()));
        return;
    }
    txtBase.SetText(AmountText(found->base).String());
    ShowBoxes(found->withholding, ShowBox);
    dom::SetValue(kNetReached, AmountText(found->net));
    dom::SetValue(kExact, found->exact ? "sí" : "no");
    dom::SetText(kGrossUpMessage, "");
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
    js_page_loaded();
}
