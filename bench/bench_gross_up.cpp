// SPDX-License-Identifier: MIT
// One gross-up: period, target net and subsidy sum in, the base with its calculation out.
#include <benchmark/benchmark.h>

#include <array>
#include <cstddef>

#include "calc/gross_up.h"
#include "money/amount_text.h"
#include "tariffs/table_sets.h"

namespace {

using isr::Period;
using isr::TableAmount;

struct Input {
    Period period;
    isr::Cents target;
    isr::Cents subsidySum;
};

// A spread of periods and rows, from the low rows to the top stretch and beyond the tables (the
// longest walk), so the figure is not one lucky stretch.
constexpr std::array<Input, 8> kInputs = {{
    {Period::kMensual, TableAmount("7000.00"), {}},
    {Period::kMensual, TableAmount("7007.62"), {}},
    {Period::kQuincenal, TableAmount("3457.78"), {}},
    {Period::kSemanal, TableAmount("150.00"), {}},
    {Period::kAnual, TableAmount("740383.75"), TableAmount("1234.56")},
    {Period::kDecenal, TableAmount("60000.00"), {}},
    {Period::kCatorcenal, TableAmount("5000000.00"), {}},
    {Period::kMensual, TableAmount("90000000.00"), {}},
}};

void BM_GrossUp(benchmark::State& state) {
    const isr::TableSet& tables = isr::DefaultTableSet();
    std::size_t i = 0;
    for (auto _ : state) {
        const auto& in = kInputs[i++ % kInputs.size()];
        benchmark::DoNotOptimize(isr::GrossUp(tables, in.period, in.target, in.subsidySum));
    }
}
BENCHMARK(BM_GrossUp);

}  // namespace

BENCHMARK_MAIN();
