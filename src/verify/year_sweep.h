// SPDX-License-Identifier: MIT
// Checks the employer's annual calculation against the exact one over a grid: a year of twelve
// equal months, each of two payments, for every month's pay from 0.00 to far above the monthly
// subsidy table (each row's limits and their neighbours among them) and for subsidy sums below, at
// and above every cap. The month's cap, what it credits and what goes beyond it, and the year's
// tariff, tax and difference are compared as the report shows them.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <variant>
#include <vector>

#include "annual/employee_year.h"
#include "verify/sweep.h"

namespace isr::verify {

using YearCalculator = std::function<std::variant<AnnualCalculation, AnnualProblem>(
    const TableSet& tables, const std::vector<YearPayment>& payments)>;

// The program's: an employee's year of 2016 made of the payments.
std::variant<AnnualCalculation, AnnualProblem> ProgramYear(
    const TableSet& tables, const std::vector<YearPayment>& payments);

struct YearGrid {
    std::vector<std::int64_t> monthPays;  // cents, ascending
    std::vector<std::int64_t> subsidies;  // a month's subsidies, cents

    std::int64_t Size() const;
};

YearGrid PlanYearGrid(const TableSet& tables);

struct YearMismatch {
    std::int64_t monthPayCents;
    std::int64_t subsidyCents;
    std::string figure;  // "subsidio_tope", "diferencia", ...
    std::string program;
    std::string exact;
};

// Every stride-th point of the grid, in pay, subsidy order.
SweepCount YearSweep(const TableSet& tables, const YearGrid& grid, std::int64_t stride,
                     unsigned threads, const YearCalculator& calculate,
                     const std::function<void(const YearMismatch&)>& onMismatch,
                     const std::function<void(std::int64_t checked)>& onProgress,
                     std::chrono::milliseconds progressEvery);

}  // namespace isr::verify
