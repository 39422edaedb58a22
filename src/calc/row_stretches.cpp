// SPDX-License-Identifier: MIT
#include "calc/row_stretches.h"

namespace isr {

std::vector<RowStretch> RowStretches(const TableSet& tables, Period period, Cents from, Cents to) {
    std::vector<RowStretch> stretches;
    ForEachRowStretch(tables, period, from, to, [&](const StretchRows& stretch) {
        stretches.push_back(stretch.bases);
        return false;
    });
    return stretches;
}

Cents SubsidyStepsEnd(const TableSet& tables, Period period) {
    const auto subsidy = tables.SubsidyTable(period);
    if (!subsidy.empty()) return subsidy.back().lowerLimit;
    constexpr std::size_t kStandInRows = 6;
    return tables.IsrTariff(period)[kStandInRows - 1].lowerLimit;
}

}  // namespace isr
