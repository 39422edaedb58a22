// SPDX-License-Identifier: MIT
#include "cli/single_calculation.h"

#include <ostream>
#include <string_view>

#include "calc/calculation.h"
#include "tariffs/periods.h"

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

}  // namespace

SingleCalculation CalculateSingle(int period, std::string base, std::string pagos) {
    SingleCalculation calc{period, std::move(base), std::move(pagos), {}};
    Calculate(calc.period, calc.base, calc.pagos, calc.boxes);
    return calc;
}

void WriteText(const SingleCalculation& calc, std::ostream& out) {
    Line(out, "Tipo de Tarifa", kPeriodNames[static_cast<std::size_t>(calc.period)]);
    Line(out, "Ingreso Gravable", calc.base);
    if (calc.period == kAnual) Line(out, "Suma Subsidio para el Empleo", calc.pagos);
    std::string_view group;
    for (const auto& box : kResultBoxes) {
        if (box.group != group) {
            group = box.group;
            out << '\n';
            if (group == "isr") out << "Cálculo del ISR 2016\n";
            if (group == "subsidio") out << "Subsidio para el Empleo\n";
        }
        Line(out, box.caption, BoxText(calc.boxes, box));
    }
}

void WriteJson(const SingleCalculation& calc, std::ostream& out) {
    // Every value is a period name or an amount text: nothing in them needs escaping.
    out << "{\"periodo\":\"" << kPeriodNames[static_cast<std::size_t>(calc.period)]
        << "\",\"ingreso_gravable\":\"" << calc.base << "\",\"suma_subsidio\":\"" << calc.pagos
        << '"';
    std::string_view group;
    for (const auto& box : kResultBoxes) {
        if (box.group != group) {
            if (!group.empty()) out << '}';
            group = box.group;
            if (!group.empty()) out << ",\"" << group << "\":{";
        } else {
            out << ',';
        }
        if (group.empty()) out << ',';
        out << '"' << box.key << "\":\"" << BoxText(calc.boxes, box) << '"';
    }
    if (!group.empty()) out << '}';
    out << "}\n";
}

}  // namespace isr::cli
