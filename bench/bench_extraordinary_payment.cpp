// SPDX-License-Identifier: MIT
// One withholding on an extraordinary payment by both methods: concept, income, payment, Sundays
// and minimum wage in, every figure out (three monthly calculations and the art. 174 quotients).
#include <benchmark/benchmark.h>

#include <array>
#include <cstddef>

#include "calc/extraordinary_payment.h"
#include "tariffs/table_sets.h"

namespace {

using isr::PaymentConcept;
using isr::TableAmount;

// Every concept, incomes from the first rows to the top one, payments below and far above the
// caps, so the figure is not one lucky row.
const std::array<isr::PaymentInput, 8> kInputs = {{
    {PaymentConcept::kAguinaldo, TableAmount("10000"), TableAmount("5000")},
    {PaymentConcept::kAguinaldo, TableAmount("3000"), TableAmount("1500")},
    {PaymentConcept::kPtu, TableAmount("7000"), TableAmount("2000")},
    {PaymentConcept::kPtu, TableAmount("45000"), TableAmount("60000")},
    {PaymentConcept::kPrimaVacacional, TableAmount("8000"), TableAmount("1500")},
    {PaymentConcept::kPrimaDominical, TableAmount("9000"), TableAmount("500"), 3},
    {PaymentConcept::kAguinaldo, TableAmount("300000"), TableAmount("900000"), 0,
     TableAmount("80.04")},
    {PaymentConcept::kPrimaDominical, TableAmount("1200"), TableAmount("80"), 0},
}};

void BM_ExtraordinaryPayment(benchmark::State& state) {
    const isr::TableSet& tables = isr::DefaultTableSet();
    std::size_t i = 0;
    for (auto _ : state) {
        const auto result =
            isr::CalculateExtraordinaryPayment(tables, kInputs[i++ % kInputs.size()]);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_ExtraordinaryPayment);

}  // namespace

BENCHMARK_MAIN();
