// SPDX-License-Identifier: MIT
// One whole calculation: period and entry texts in, every box text out.
#include <benchmark/benchmark.h>

#include <array>
#include <string_view>

#include "calc/amount.h"
#include "calc/calculation.h"

namespace {

struct Input {
    int period;
    std::string_view base;
    std::string_view pagos;
};

// A spread of periods and brackets, so the figure is not one lucky row.
constexpr std::array<Input, 8> kInputs = {{
    {0, "3,000.00", "0.00"},
    {0, "10,000.00", "0.00"},
    {1, "100,000.00", "1,200.00"},
    {2, "1,000.00", "0.00"},
    {3, "25,000.00", "0.00"},
    {4, "150,000.00", "0.00"},
    {5, "41,118.42", "0.00"},
    {0, "83,333.59", "0.00"},
}};

void BM_Calculate(benchmark::State& state) {
    isr::ResultBoxes boxes;
    std::size_t i = 0;
    for (auto _ : state) {
        const auto& in = kInputs[i++ % kInputs.size()];
        isr::Calculate(in.period, in.base, in.pagos, boxes);
        benchmark::DoNotOptimize(boxes);
    }
}
BENCHMARK(BM_Calculate);

void BM_FormatAmount(benchmark::State& state) {
    double x = 1234.5;
    for (auto _ : state) {
        benchmark::DoNotOptimize(isr::FormatAmount(x));
        x += 0.37;
    }
}
BENCHMARK(BM_FormatAmount);

void BM_ParseAmount(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(isr::ParseAmount("21,737.66"));
}
BENCHMARK(BM_ParseAmount);

}  // namespace

BENCHMARK_MAIN();
