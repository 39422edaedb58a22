// SPDX-License-Identifier: MIT
#include "calc/entered_calculation.h"

#include "money/amount_text.h"
#include "tariffs/table_checks.h"

namespace isr {

// Every table set ends at one of the two sentinels, far below the largest amount.
static_assert(table_checks::TopSentinel(Period::kMensual, false) < Cents::Largest());

Withholding CalculateEntered(const TableSet& tables, Period period, std::string_view baseText,
                             std::string_view subsidySumText) {
    // Beyond the range, ReadAmount gives the largest amount of the text's sign: outside every
    // table, so the lookups find what the exact value would find.
    const Cents base = ReadAmount(baseText).cents;
    const TypedAmount sum = ReadAmount(subsidySumText);
    Withholding w = Calculate(tables, period, base, sum.cents);
    if (period == Period::kAnual && sum.kind == TypedAmount::Kind::kBeyondRange) w.result.reset();
    return w;
}

std::optional<GrossUpResult> GrossUpEntered(const TableSet& tables, Period period,
                                            std::string_view targetText,
                                            std::string_view subsidySumText) {
    const TypedAmount sum = ReadAmount(subsidySumText);
    if (period == Period::kAnual && sum.kind == TypedAmount::Kind::kBeyondRange) {
        return std::nullopt;
    }
    return GrossUp(tables, period, ReadAmount(targetText).cents, sum.cents);
}

}  // namespace isr
