// SPDX-License-Identifier: MIT
// One gross-up: period, target net and subsidy sum in, the base with its calculation out.
#include <benchmark/benchmark.h>

#include <array>
#include <string_view>

#include "calc/gross_up.h"
#include "money/amount_text.h"
#include "tariffs/table_sets.h"

namespace {

struct Input {
    isr::Period period;
    std::string_view target;
    std::string_view subsidySum;
};

// A spread of periods and rows, from the low rows to the top stretch and beyond the tables (the
// longest walk), so the figure is not one lucky stretch.
constexpr std::array<Input, 8> kInputs = {{
    {isr::Period::kMensual, "7,000.00", "0"},
    {isr::Period::kMensual, "7,007.62", "0"},
    {isr::Period::kQuincenal, "3,457.78", "0"},
    {isr::Period::kSemanal, "150.00", "0"},
    {isr::Period::kAnual, "740,383.75", "1,234.56"},
    {isr::Period::kDecenal, "60,000.00", "0"},
    {isr::Period::kCatorcenal, "5,000,000.00", "0"},
    {isr::Period::kMensual, "90,000,000.00", "0"},
}};

void BM_GrossUp(benchmark::State& state) {
    struct Typed {
        isr::Period period;
        isr::Cents target;
        isr::Cents subsidySum;
    };
    std::array<Typed, kInputs.size()> inputs{};
    for (std::size_t i = 0; i < kInputs.size(); ++i) {
        inputs[i] = {kInputs[i].period, isr::ReadAmount(kInputs[i].target).cents,
                     isr::ReadAmount(kInputs[i].subsidySum).cents};
    }
    const isr::TableSet& tables = isr::DefaultTableSet();
    std::size_t i = 0;
    for (auto _ : state) {
        const auto& in = inputs[i++ % inputs.size()];
        benchmark::DoNotOptimize(isr::GrossUp(tables, in.period, in.target, in.subsidySum));
    }
}
BENCHMARK(BM_GrossUp);

}  // namespace

BENCHMARK_MAIN();
