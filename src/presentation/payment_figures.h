// SPDX-License-Identifier: MIT
// An extraordinary payment's figures as every front end shows them: one table of captions, JSON
// keys and CSV columns, and the text of each figure.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "calc/extraordinary_payment.h"
#include "presentation/figure_section.h"

namespace isr {

enum class PaymentFigure : std::uint8_t {
    kExemptCap,
    kExempt,
    kTaxable,
    kMonthlyShare,
    kBaseWithShare,
    kTaxWithShare,
    kTaxWithout,
    kTaxDifference,
    kRate,
    kSpreadWithholding,
    kBaseWithPayment,
    kProcedureWithPayment,
    kProcedureWithout,
    kMonthlyWithholding,
    kWithholdsLess,
};

inline constexpr FigureSection kExemptionSection{"Exención (art. 93 fracción XIV LISR)", ""};
inline constexpr FigureSection kSpreadSection{"Art. 174 RLISR (pago anualizado)", "art174"};
inline constexpr FigureSection kMonthlySection{"Art. 96 LISR (pago sumado al mes)", "art96"};
// Which method withholds less: a key of its own, said as a sentence in the text output.
inline constexpr FigureSection kVerdictSection{"", ""};

struct PaymentFigureLabel {
    PaymentFigure figure;
    std::string_view caption;
    const FigureSection* section;
    std::string_view jsonKey;
    std::string_view csvColumn;
};

inline constexpr std::array<PaymentFigureLabel, 15> kPaymentFigureLabels = {{
    {PaymentFigure::kExemptCap, "Tope Exento", &kExemptionSection, "tope_exento", "tope_exento"},
    {PaymentFigure::kExempt, "Parte Exenta", &kExemptionSection, "exento", "exento"},
    {PaymentFigure::kTaxable, "Parte Gravada", &kExemptionSection, "gravado", "gravado"},
    {PaymentFigure::kMonthlyShare, "Pago Mensualizado", &kSpreadSection, "mensualizado",
     "art174_mensualizado"},
    {PaymentFigure::kBaseWithShare, "Ingreso más Pago Mensualizado", &kSpreadSection, "base",
     "art174_base"},
    {PaymentFigure::kTaxWithShare, "ISR con Pago Mensualizado", &kSpreadSection, "isr_con_pago",
     "art174_isr_con_pago"},
    {PaymentFigure::kTaxWithout, "ISR del Ingreso Mensual", &kSpreadSection, "isr_sin_pago",
     "art174_isr_sin_pago"},
    {PaymentFigure::kTaxDifference, "Diferencia de ISR", &kSpreadSection, "diferencia",
     "art174_diferencia"},
    {PaymentFigure::kRate, "Tasa (%)", &kSpreadSection, "tasa", "art174_tasa"},
    {PaymentFigure::kSpreadWithholding, "Retención", &kSpreadSection, "retencion",
     "art174_retencion"},
    {PaymentFigure::kBaseWithPayment, "Ingreso más Parte Gravada", &kMonthlySection, "base",
     "art96_base"},
    {PaymentFigure::kProcedureWithPayment, "Procedimiento 2016 con el Pago", &kMonthlySection,
     "procedimiento_con_pago", "art96_procedimiento_con_pago"},
    {PaymentFigure::kProcedureWithout, "Procedimiento 2016 sin el Pago", &kMonthlySection,
     "procedimiento_sin_pago", "art96_procedimiento_sin_pago"},
    {PaymentFigure::kMonthlyWithholding, "Retención", &kMonthlySection, "retencion",
     "art96_retencion"},
    {PaymentFigure::kWithholdsLess, "Retiene Menos", &kVerdictSection, "menor_retencion",
     "menor_retencion"},
}};

// Every figure once, in the enum's order: kPaymentFigureLabels[i] is figure number i.
static_assert([] {
    for (std::size_t i = 0; i < kPaymentFigureLabels.size(); ++i) {
        if (static_cast<std::size_t>(kPaymentFigureLabels[i].figure) != i) return false;
    }
    return static_cast<std::size_t>(PaymentFigure::kWithholdsLess) + 1 ==
           kPaymentFigureLabels.size();
}());

// The percentage with four decimals, "#,0.0000": "17.9191", "-100.0000".
std::string PercentText(const PercentFraction& rate);

// The page's box of a figure: "pago-", its JSON group and its key, "pago-art174-tasa".
std::string PaymentFigureId(const PaymentFigureLabel& label);

// "#,0.00" of an amount, "#,0.0000" of the rate, and for kWithholdsLess &kSpreadSection, "art96" or
// "ninguno".
std::string PaymentFigureText(const ExtraordinaryPayment& payment, PaymentFigure figure);

// Which method withholds less and by how much, as the command line and the page say it:
// "Retiene menos el art. 174 RLISR: 503.31 frente a 589.69.", no line end.
std::string WithholdsLessSentence(const ExtraordinaryPayment& payment);

}  // namespace isr
