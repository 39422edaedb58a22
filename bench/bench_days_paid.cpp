// SPDX-License-Identifier: MIT
// One pay of N days, by its table and through the month, with the published set.
#include <benchmark/benchmark.h>

#include <array>
#include <cstddef>

#include "calc/days_paid.h"
#include "tariffs/anexo8_tables.h"

namespace {

using isr::DaysMethod;
using isr::TableAmount;

struct Input {
    isr::DaysPaid days;
    isr::Cents base;
};

// Days and bases across the rows, so the figure is not one lucky row.
constexpr std::array<Input, 8> kInputs = {{
    {{1'000}, TableAmount("150.00")},
    {{7'000}, TableAmount("1200.00")},
    {{14'000}, TableAmount("4165.56")},
    {{15'000}, TableAmount("7500.05")},
    {{16'000}, TableAmount("2500.00")},
    {{24'000}, TableAmount("60000.00")},
    {{30'000}, TableAmount("9000.00")},
    {{31'000}, TableAmount("300000.00")},
}};

void BM_DaysPaid(benchmark::State& state) {
    const auto method = static_cast<DaysMethod>(state.range(0));
    std::size_t i = 0;
    for (auto _ : state) {
        const auto& in = kInputs[i++ % kInputs.size()];
        benchmark::DoNotOptimize(
            isr::CalculateDaysPaid(isr::kAnexo8Tables, in.days, method, in.base));
    }
    state.SetLabel(method == DaysMethod::kTabla ? "tabla" : "mensual");
}
BENCHMARK(BM_DaysPaid)
    ->Arg(static_cast<int>(DaysMethod::kTabla))
    ->Arg(static_cast<int>(DaysMethod::kMensual));

}  // namespace

BENCHMARK_MAIN();
