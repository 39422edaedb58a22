// SPDX-License-Identifier: MIT
#include "calc/entered_calculation.h"

#include "money/amount_text.h"
#include "tariffs/table_checks.h"

namespace isr {

// Every table set ends at one of the two sentinels, far below the largest amount.
static_assert(table_checks::TopSentinel(Period::kMensual, false) < Cents::Largest());

namespace {

// The subsidy sum as typed; nothing when the period takes it ("Anual") and is beyond what an amount
// can hold, so that no result would be exact.
std::optional<Cents> EnteredSubsidySum(Period period, std::string_view text) {
    const TypedAmount sum = ReadAmount(text);
    if (TakesSubsidySum(period) && sum.kind == TypedAmount::Kind::kBeyondRange) {
        return std::nullopt;
    }
    return sum.cents;
}

}  // namespace

Withholding CalculateEntered(const TableSet& tables, Period period, std::string_view baseText,
                             std::string_view subsidySumText) {
    // Beyond the range, ReadAmount gives the largest amount of the text's sign: outside every
    // table, so the lookups find what the exact value would find.
    const Cents base = ReadAmount(baseText).cents;
    const auto sum = EnteredSubsidySum(period, subsidySumText);
    Withholding w = Calculate(tables, period, base, sum.value_or(Cents()));
    if (!sum) w.result.reset();
    return w;
}

std::optional<GrossUpResult> GrossUpEntered(const TableSet& tables, Period period,
                                            std::string_view targetText,
                                            std::string_view subsidySumText) {
    const auto sum = EnteredSubsidySum(period, subsidySumText);
    const TypedAmount target = ReadAmount(targetText);
    // A sum below zero is paid back, not a subsidy: nets near the largest amount would pass it.
    if (!sum || (TakesSubsidySum(period) && *sum < Cents()) ||
        target.kind == TypedAmount::Kind::kBeyondRange) {
        return std::nullopt;
    }
    return GrossUp(tables, period, target.cents, *sum);
}

}  // namespace isr
