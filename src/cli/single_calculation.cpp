// SPDX-License-Identifier: MIT
#include "cli/single_calculation.h"

#include <ostream>
#include <string_view>

#include "batch/calculation_input.h"
#include "calc/gross_up.h"
#include "presentation/box_text.h"
#include "money/amount_text.h"
#include "money/written_name.h"
#include "presentation/box_labels.h"
#include "presentation/calculation_labels.h"

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
    using enum EnteredFigure;
    using enum GrossUpFigure;
    if (!calc.tablesName.empty()) Line(out, LabelOf(kTables).caption, calc.tablesName);
    Line(out, LabelOf(kPeriod).caption, PeriodName(calc.period));
    if (calc.netPay) Line(out, LabelOf(kTarget).caption, calc.netPay->target);
    Line(out, LabelOf(kBase).caption, calc.base);
    if (TakesSubsidySum(calc.period)) Line(out, LabelOf(kSubsidySum).caption, calc.subsidySum);
    const FigureSection* section = nullptr;
    for (const auto& box : kBoxLabels) {
        if (box.section != section) {
            section = box.section;
            out << '\n';
            if (!section->heading.empty()) out << section->heading << '\n';
        }
        Line(out, box.caption, BoxText(calc.withholding, box.box));
    }
    if (calc.netPay) {
        out << '\n';
        Line(out, LabelOf(kNet).caption, AmountText(calc.netPay->net));
        Line(out, LabelOf(kExact).caption, ExactText(calc.netPay->exact));
    }
}

void WriteJson(const SingleCalculation& calc, std::ostream& out) {
    // Every value is a period name or an amount text: nothing in them needs escaping.
    out << '{';
    using enum EnteredFigure;
    using enum GrossUpFigure;
    const auto key = [&](const FigureLabel& label) -> std::ostream& {
        return out << '"' << label.jsonKey << "\":";
    };
    if (!calc.tablesName.empty()) key(LabelOf(kTables)) << '"' << calc.tablesName << "\",";
    key(LabelOf(kPeriod)) << '"' << PeriodName(calc.period) << "\",";
    key(LabelOf(kBase)) << '"' << calc.base << "\",";
    key(LabelOf(kSubsidySum)) << '"' << calc.subsidySum << '"';
    std::string_view group;
    for (const auto& box : kBoxLabels) {
        if (box.section->jsonGroup != group) {
            if (!group.empty()) out << '}';
            group = box.section->jsonGroup;
            if (!group.empty()) out << ",\"" << group << "\":{";
        } else {
            out << ',';
        }
        if (group.empty()) out << ',';
        out << '"' << box.jsonKey << "\":\"" << BoxText(calc.withholding, box.box).View() << '"';
    }
    if (!group.empty()) out << '}';
    if (calc.netPay) {
        out << ',';
        key(LabelOf(kTarget)) << '"' << calc.netPay->target << "\",";
        key(LabelOf(kNet)) << '"' << AmountText(calc.netPay->net).View() << "\",";
        key(LabelOf(kExact)) << (calc.netPay->exact ? "true" : "false");
    }
    out << "}\n";
}

}  // namespace isr::cli
