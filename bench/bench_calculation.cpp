// SPDX-License-Identifier: MIT
// One calculation: period and amounts in, the typed result out, then with every box text; and the
// two edges where text becomes money and money text.
#include <benchmark/benchmark.h>

#include <array>
#include <cstddef>
#include <string_view>

#include "presentation/box_text.h"
#include "calc/withholding.h"
#include "money/amount_text.h"
#include "tariffs/table_sets.h"

namespace {

using isr::Period;
using isr::TableAmount;

struct Input {
    Period period;
    isr::Cents base;
    isr::Cents subsidySum;
};

// A spread of periods and brackets, so the figure is not one lucky row.
constexpr std::array<Input, 8> kInputs = {{
    {Period::kMensual, TableAmount("3000"), {}},
    {Period::kMensual, TableAmount("10000"), {}},
    {Period::kAnual, TableAmount("100000"), TableAmount("1200")},
    {Period::kSemanal, TableAmount("1000"), {}},
    {Period::kDecenal, TableAmount("25000"), {}},
    {Period::kCatorcenal, TableAmount("150000"), {}},
    {Period::kQuincenal, TableAmount("41118.42"), {}},
    {Period::kMensual, TableAmount("83333.59"), {}},
}};

void BM_Calculate(benchmark::State& state) {
    const isr::TableSet& tables = isr::DefaultTableSet();
    std::size_t i = 0;
    for (auto _ : state) {
        const auto& in = kInputs[i++ % kInputs.size()];
        const isr::Withholding w = isr::Calculate(tables, in.period, in.base, in.subsidySum);
        benchmark::DoNotOptimize(w);
    }
}
BENCHMARK(BM_Calculate);

// What a click costs the window before it sets its nine boxes.
void BM_CalculateWithBoxTexts(benchmark::State& state) {
    const isr::TableSet& tables = isr::DefaultTableSet();
    std::size_t i = 0;
    for (auto _ : state) {
        const auto& in = kInputs[i++ % kInputs.size()];
        const isr::Withholding w = isr::Calculate(tables, in.period, in.base, in.subsidySum);
        for (const isr::ResultBox box : isr::kResultBoxes) {
            const isr::AmountText text = isr::BoxText(w, box);
            benchmark::DoNotOptimize(text);
        }
    }
}
BENCHMARK(BM_CalculateWithBoxTexts);

void BM_ReadAmount(benchmark::State& state) {
    constexpr std::array<std::string_view, 8> kTexts = {
        "3,000.00",  "21,737.66", "100,000.00", "1,200.00",
        "41,118.42", "83,333.59", "0.00",       "1,234,901.23",
    };
    std::size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(isr::ReadAmount(kTexts[i++ % kTexts.size()]));
}
BENCHMARK(BM_ReadAmount);

void BM_AmountText(benchmark::State& state) {
    constexpr std::array<isr::Cents, 8> kAmounts = {
        TableAmount("169.77"),  TableAmount("1037.15"),     TableAmount("8923.59"),
        -TableAmount("236.85"), TableAmount("21737.66"),    TableAmount("510619.66"),
        TableAmount("0.01"),    TableAmount("99999999.99"),
    };
    std::size_t i = 0;
    for (auto _ : state) {
        const isr::AmountText text(kAmounts[i++ % kAmounts.size()]);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_AmountText);

}  // namespace

BENCHMARK_MAIN();
