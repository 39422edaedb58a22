// SPDX-License-Identifier: MIT
#include "cli/payment_output.h"

#include <ostream>

#include "cli/single_calculation.h"
#include "money/amount_text.h"

namespace isr::cli {

namespace {

std::string Shown(Cents amount) {
    return AmountText(amount).String();
}

// The inputs as both outputs echo them: caption, key and text.
struct EchoedInput {
    std::string_view caption;
    std::string_view key;
    std::string text;
};

std::array<EchoedInput, 5> Echoed(const PaymentInput& input) {
    return {{{"Concepto", "concepto", std::string(PaymentConceptName(input.paymentConcept))},
             {"Ingreso Mensual Ordinario", "ingreso_mensual", Shown(input.ordinaryIncome)},
             {"Importe del Pago", "importe", Shown(input.payment)},
             {"Domingos Trabajados", "domingos", std::to_string(input.sundays)},
             {"Salario Mínimo Diario", "salario_minimo", Shown(input.minimumWage)}}};
}

}  // namespace

void WritePaymentText(const PaymentCalculation& calc, std::ostream& out) {
    if (!calc.tablesName.empty()) CaptionLine(out, "Tablas", calc.tablesName);
    for (const auto& echoed : Echoed(calc.input)) {
        // Sundays count for the prima dominical only.
        if (echoed.key == "domingos" &&
            calc.input.paymentConcept != PaymentConcept::kPrimaDominical) {
            continue;
        }
        CaptionLine(out, echoed.caption, echoed.text);
    }
    const FigureSection* section = nullptr;
    for (const auto& label : kPaymentFigureLabels) {
        if (label.figure == PaymentFigure::kWithholdsLess) break;
        if (label.section != section) {
            section = label.section;
            out << '\n' << section->heading << '\n';
        }
        CaptionLine(out, label.caption, PaymentFigureText(calc.result, label.figure));
    }
    out << '\n' << WithholdsLessSentence(calc.result) << '\n';
    out << "La exención supone que no se ha usado nada de la del año por este concepto.\n";
}

void WritePaymentJson(const PaymentCalculation& calc, std::ostream& out) {
    // Every value is a name, a whole number or an amount text: nothing in them needs escaping.
    out << '{';
    if (!calc.tablesName.empty()) out << "\"tablas\":\"" << calc.tablesName << "\",";
    bool first = true;
    for (const auto& echoed : Echoed(calc.input)) {
        out << (first ? "" : ",") << '"' << echoed.key << "\":\"" << echoed.text << '"';
        first = false;
    }
    std::string_view group;
    for (const auto& label : kPaymentFigureLabels) {
        if (label.section->jsonGroup != group) {
            if (!group.empty()) out << '}';
            group = label.section->jsonGroup;
            out << ',';
            if (!group.empty()) out << '"' << group << "\":{";
        } else {
            out << ',';
        }
        out << '"' << label.jsonKey << "\":\"" << PaymentFigureText(calc.result, label.figure)
            << '"';
    }
    if (!group.empty()) out << '}';
    out << "}\n";
}

}  // namespace isr::cli
