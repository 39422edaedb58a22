// SPDX-License-Identifier: MIT
#include "cli/single_calculation.h"

#include <ostream>
#include <string_view>

#include "batch/box_labels.h"
#include "batch/calculation_input.h"
#include "calc/gross_up.h"
#include "calc/result_boxes.h"
#include "money/amount_text.h"
#include "money/written_name.h"

namespace isr::cli {

namespace {

constexpr std::size_t kCaptionWidth = 34;
constexpr std::size_t kValueWidth = 16;

// Characters, not bytes: the captions carry accented letters in UTF-8.
std::size_t DisplayWidth(std::string_view text) {
    std::size_t width = 0;
    for (const char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++width;
    }
    return width;
}

void Line(std::ostream& out, std::string_view caption, std::string_view value) {
    out << caption;
    const auto used = DisplayWidth(caption) + DisplayWidth(value);
    const auto room = kCaptionWidth + kValueWidth;
    out << std::string(used < room ? room - used : 1, ' ') << value << '\n';
}

// The subsidy sum as the output echoes it; an empty one is 0.00.
std::string ShownSubsidySum(std::string_view text) {
    return TrimBlanks(text).empty() ? AmountText(Cents()).String()
                                    : RoundedAmountText(WrittenAmountText(text)).value_or("");
}

}  // namespace

void CaptionLine(std::ostream& out, std::string_view caption, std::string_view value) {
    Line(out, caption, value);
}

SingleCalculation CalculateSingle(const TableSet& tables, const CalculationInput& input,
                                  std::string_view baseText, std::string_view subsidySumText) {
    return {input.period,
            RoundedAmountText(WrittenAmountText(baseText)).value_or(""),
            ShownSubsidySum(subsidySumText),
            Calculate(tables, input.period, input.amount, input.subsidySum),
            {},
            std::nullopt};
}

std::optional<SingleCalculation> GrossUpSingle(const TableSet& tables,
                                               const CalculationInput& input,
                                               std::string_view targetText,
                                               std::string_view subsidySumText) {
    const auto found = GrossUp(tables, input.period, input.amount, input.subsidySum);
    if (!found) return std::nullopt;
    return SingleCalculation{input.period,
                             AmountText(found->base).String(),
                             ShownSubsidySum(subsidySumText),
                             found->withholding,
                             {},
                             NetPay{RoundedAmountText(WrittenAmountText(targetText)).value_or(""),
                                    found->net, found->exact}};
}

void WriteText(const SingleCalculation& calc, std::ostream& out) {
    if (!calc.tablesName.empty()) Line(out, "Tablas", calc.tablesName);
    Line(out, "Tipo de Tarifa", PeriodName(calc.period));
    if (calc.netPay) Line(out, "Neto Buscado", calc.netPay->target);
    Line(out, "Ingreso Gravable", calc.base);
    if (TakesSubsidySum(calc.period)) Line(out, "Suma Subsidio para el Empleo", calc.subsidySum);
    std::string_view group;
    for (const auto& box : kBoxLabels) {
        if (box.jsonGroup != group) {
            group = box.jsonGroup;
            out << '\n';
            if (group == "isr") out << "Cálculo del ISR 2016\n";
            if (group == "subsidio") out << "Subsidio para el Empleo\n";
        }
        Line(out, box.caption, BoxText(calc.withholding, box.box));
    }
    if (calc.netPay) {
        out << '\n';
        Line(out, "Neto", AmountText(calc.netPay->net));
        Line(out, "Exacto", calc.netPay->exact ? "sí" : "no");
    }
}

void WriteJson(const SingleCalculation& calc, std::ostream& out) {
    // Every value is a period name or an amount text: nothing in them needs escaping.
    out << '{';
    if (!calc.tablesName.empty()) out << "\"tablas\":\"" << calc.tablesName << "\",";
    out << "\"periodo\":\"" << PeriodName(calc.period) << "\",\"ingreso_gravable\":\"" << calc.base
        << "\",\"suma_subsidio\":\"" << calc.subsidySum << '"';
    std::string_view group;
    for (const auto& box : kBoxLabels) {
        if (box.jsonGroup != group) {
            if (!group.empty()) out << '}';
            group = box.jsonGroup;
            if (!group.empty()) out << ",\"" << group << "\":{";
        } else {
            out << ',';
        }
        if (group.empty()) out << ',';
        out << '"' << box.jsonKey << "\":\"" << BoxText(calc.withholding, box.box).View() << '"';
    }
    if (!group.empty()) out << '}';
    if (calc.netPay) {
        out << ",\"neto_buscado\":\"" << calc.netPay->target << "\",\"neto\":\""
            << AmountText(calc.netPay->net).View()
            << "\",\"exacto\":" << (calc.netPay->exact ? "true" : "false");
    }
    out << "}\n";
}

}  // namespace isr::cli
