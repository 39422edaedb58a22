// SPDX-License-Identifier: MIT
#include "entry/calcular.h"

#include "calc/entered_calculation.h"
#include "entry/amount_field.h"
#include "presentation/box_text.h"
#include "tariffs/periods.h"

namespace isr {

void ShowBoxes(const Withholding& withholding, const ShowBox& show) {
    for (const ResultBox box : kResultBoxes) show(box, BoxText(withholding, box));
}

void Calcular(const TableSet& tables, int periodListIndex, TextField& base, TextField& subsidySum,
              const ShowBox& show) {
    AmountFieldBeforeCalculation(base);
    AmountFieldBeforeCalculation(subsidySum);
    const auto period = PeriodAt(periodListIndex);
    if (!period) return;
    ShowBoxes(CalculateEntered(tables, *period, base.Text(), subsidySum.Text()), show);
}

}  // namespace isr
