// SPDX-License-Identifier: MIT
// The page's card for an aguinaldo, PTU or prima: its amount inputs follow the entry rules of
// every amount field, its button runs the core's calculation of both methods with the tables of
// the page's Tablas list, and its boxes show the texts the command line gives. The card's script
// (payment.js) hands the events over.
#include <emscripten/em_js.h>
#include <emscripten/emscripten.h>

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <variant>

#include "batch/payment_input.h"
#include "calc/extraordinary_payment.h"
#include "entry/amount_field.h"
#include "money/amount_text.h"
#include "presentation/payment_figures.h"
#include "presentation/problem_text.h"
#include "tariffs/table_sets.h"
#include "web/amount_input.h"
#include "web/dom.h"

// A function of payment.js.
EM_JS(void, js_bind_payment_input, (const char* id, int index),
      { bindPaymentInput(document.getElementById(UTF8ToString(id)), index); });

namespace isr {
namespace {

constexpr const char* kConceptList = "cmbConcepto";
constexpr const char* kSundaysList = "cmbDomingos";
constexpr const char* kTableSetList = "cmbTablas";
constexpr const char* kMessage = "lblPago";
constexpr const char* kLess = "lblPagoMenor";
constexpr const char* kTablesUsed = "lblPagoTablas";

// In the order of PaymentConcept.
constexpr std::array<std::string_view, 4> kConceptCaptions = {
    "Aguinaldo", "PTU", "Prima vacacional", "Prima dominical"};

AmountInput txtIngresoMensual("txtIngresoMensual");
AmountInput txtImporte("txtImporte");
AmountInput txtSalarioMinimo("txtSalarioMinimo");
DomSwitch lblDomingos("lblDomingos");
DomSwitch cmbDomingos(kSundaysList);

// payment.js names an amount input by its place here.
constexpr std::array<AmountInput*, 3> kAmountInputs = {&txtIngresoMensual, &txtImporte,
                                                       &txtSalarioMinimo};

AmountInput& AmountInputAt(int index) {
    return *kAmountInputs[static_cast<std::size_t>(index)];
}

PaymentConcept ChosenConcept() {
    return static_cast<PaymentConcept>(dom::SelectedIndex(kConceptList));
}

void cmbConcepto_Click() {
    const bool sundays = ChosenConcept() == PaymentConcept::kPrimaDominical;
    cmbDomingos.SetEnabled(sundays);
    lblDomingos.SetEnabled(sundays);
}

// In the order of PaymentField.
constexpr std::array<std::string_view, 5> kFieldCaptions = {"Concepto", "Ingreso Mensual Ordinario",
                                                            "Importe", "Domingos Trabajados",
                                                            "Salario Mínimo Diario"};

std::string CaptionOf(PaymentField field) {
    return std::string(kFieldCaptions[static_cast<std::size_t>(field)]) + ": ";
}

// A field's caption and what is wrong with it, in the words of the command line and the batch.
// Typed amounts are never negative nor anything but an amount; a paste the entry rules let
// through is read as the calculation reads it.
std::string Problem(const TableSet& tables, const PaymentError& error) {
    std::string message = CaptionOf(error.field);
    AppendPaymentProblem(message, tables, error);
    message += '.';
    return message;
}

// The payment's caption names the amount: the shared words follow it alone.
std::string PaymentBeyondRangeMessage() {
    std::string message = CaptionOf(PaymentField::kPayment);
    AppendBeyondRange(message);
    message += '.';
    return message;
}

// An amount beyond what an amount holds reads as the largest: beyond the tariff, or for the
// minimum wage out of range, as the core then says.
Cents Entered(const AmountInput& field) {
    return ReadAmount(field.Text()).cents;
}

// Cut to the largest amount, a payment could be all exempt under a large minimum wage: it is
// refused, unless the income, the field before it, is at fault.
bool PaymentBeyondRange(const TableSet& tables, const PaymentInput& input) {
    const TypedAmount typed = ReadAmount(txtImporte.Text());
    return typed.kind == TypedAmount::Kind::kBeyondRange && typed.cents > Cents() &&
           !OrdinaryIncomeError(tables, input.ordinaryIncome);
}

void ShowFigures(const ExtraordinaryPayment* payment) {
    for (const auto& label : kPaymentFigureLabels) {
        if (label.figure == PaymentFigure::kWithholdsLess) continue;
        dom::SetValue(PaymentFigureId(label).c_str(),
                      payment ? PaymentFigureText(*payment, label.figure) : std::string());
    }
}

void cmdPago_Click() {
    for (AmountInput* field : kAmountInputs) AmountFieldBeforeCalculation(*field);
    const TableSet& tables =
        *AllTableSets()[static_cast<std::size_t>(dom::SelectedIndex(kTableSetList))];
    PaymentInput input{ChosenConcept(), Entered(txtIngresoMensual), Entered(txtImporte)};
    if (cmbDomingos.Enabled()) input.sundays = dom::SelectedIndex(kSundaysList);
    input.minimumWage = Entered(txtSalarioMinimo);
    const auto result = CalculateExtraordinaryPayment(tables, input);
    dom::SetText(kTablesUsed, "Tablas: " + std::string(tables.Name()));
    const auto* error = std::get_if<PaymentError>(&result);
    const bool beyondRange = PaymentBeyondRange(tables, input);
    if (error || beyondRange) {
        ShowFigures(nullptr);
        dom::SetText(kLess, "");
        dom::SetText(kMessage, beyondRange ? PaymentBeyondRangeMessage() : Problem(tables, *error));
        return;
    }
    const auto& payment = std::get<ExtraordinaryPayment>(result);
    ShowFigures(&payment);
    dom::SetText(kLess, WithholdsLessSentence(payment));
    dom::SetText(kMessage, "");
}

}  // namespace
}  // namespace isr

extern "C" {

EMSCRIPTEN_KEEPALIVE int isr_payment_key_typed(int field, int key) {
    return isr::AmountFieldKeyTyped(isr::AmountInputAt(field), static_cast<char32_t>(key)) ? 1 : 0;
}
EMSCRIPTEN_KEEPALIVE void isr_payment_text_changed(int field) {
    isr::AmountFieldTextChanged(isr::AmountInputAt(field));
}
EMSCRIPTEN_KEEPALIVE void isr_payment_focus_in(int field) {
    isr::AmountFieldFocusIn(isr::AmountInputAt(field));
}
EMSCRIPTEN_KEEPALIVE void isr_payment_focus_out(int field) {
    isr::AmountFieldFocusOut(isr::AmountInputAt(field));
}
EMSCRIPTEN_KEEPALIVE void isr_payment_concept_chosen() {
    isr::cmbConcepto_Click();
}
EMSCRIPTEN_KEEPALIVE void isr_payment_calculate() {
    isr::cmdPago_Click();
}

// The lists filled from the core, the Sundays enabled for the first concept and the amount
// inputs bound.
EMSCRIPTEN_KEEPALIVE void isr_payment_loaded() {
    using namespace isr;
    for (const std::string_view caption : kConceptCaptions) dom::AddOption(kConceptList, caption);
    for (int sundays = 0; sundays <= kMostSundays; ++sundays) {
        dom::AddOption(kSundaysList, std::to_string(sundays));
    }
    cmbConcepto_Click();
    for (std::size_t i = 0; i < kAmountInputs.size(); ++i) {
        js_bind_payment_input(kAmountInputs[i]->Id(), static_cast<int>(i));
    }
}

}  // extern "C"
