// SPDX-License-Identifier: MIT
#include "calc/calculation.h"

#include "calc/amount.h"
#include "tariffs/periods.h"

namespace isr {

namespace {

// The tariffs hold 11 rows; the scan is told the bound 11 and stops at the last row by itself.
constexpr std::int16_t kIsrScanBound = 11;

double AmountOf(std::string_view text) {
    return ParseAmount(text).value_or(0.0);
}

}  // namespace

void clear_calc(ResultBoxes& boxes) {
    for (auto& text : boxes.txtISR08) text = "0";
    for (auto& text : boxes.txtSUB08) text = "0";
}

void tarifaISR(std::span<const IsrBracket> Tabla, std::int16_t nRows, std::string_view txtBase,
               ResultBoxes& boxes) {
    const double base = AmountOf(txtBase);
    const auto match = FindIsrBracket(Tabla, nRows, base);
    if (!match) return;
    const auto& row = match->bracket;
    boxes.txtISR08[0] = FormatAmount(row.lowerLimit);
    boxes.txtISR08[1] = FormatAmount(base - row.lowerLimit);
    boxes.txtISR08[2] = FormatAmount(row.ratePercent);
    boxes.txtISR08[3] = FormatAmount(row.fixedFee);
}

void tarifaSubsidio_2008(std::span<const EmploymentSubsidyBracket> Tabla, std::string_view txtBase,
                         ResultBoxes& boxes) {
    const auto match = FindEmploymentSubsidyBracket(Tabla, AmountOf(txtBase));
    if (!match) return;
    const auto& row = match->bracket;
    boxes.txtSUB08[0] = FormatAmount(row.lowerLimit);
    boxes.txtSUB08[1] = FormatAmount(row.upperLimit);
    boxes.txtSUB08[2] = FormatAmount(row.subsidyAmount);
}

IsrBreakdown ShownIsrBreakdown(const ResultBoxes& boxes) {
    return {AmountOf(boxes.txtISR08[0]), AmountOf(boxes.txtISR08[1]), AmountOf(boxes.txtISR08[2]),
            AmountOf(boxes.txtISR08[3])};
}

void Calculate(int period, std::string_view txtBase, std::string_view txtPagos,
               ResultBoxes& boxes) {
    clear_calc(boxes);
    tarifaISR(IsrBracketsOf(period), kIsrScanBound, txtBase, boxes);
    if (period != kAnual) tarifaSubsidio_2008(SubsidyBracketsOf(period), txtBase, boxes);

    // Each figure is read back as shown, so the tax is made of the cent-rounded figures.
    const auto shown = ShownIsrBreakdown(boxes);
    boxes.txtISR08[4] = FormatAmount(shown.excess * shown.ratePercent / 100 + shown.fixedFee);

    const double tax = AmountOf(boxes.txtISR08[4]);
    const double subsidy = period == kAnual ? AmountOf(txtPagos) : AmountOf(boxes.txtSUB08[2]);
    boxes.txtRet08[0] = FormatAmount(tax - subsidy);
}

}  // namespace isr
