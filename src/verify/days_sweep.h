// SPDX-License-Identifier: MIT
// Checks the pay of N days, by table and through the month, for every cent of base against the
// exact calculation, whose tables of N days are its own.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "calc/days_paid.h"
#include "verify/sweep.h"

namespace isr::verify {

// The nine boxes, the monthly base ("" by table), the period's tax, its subsidy and the result.
using DaysTexts = std::array<std::string, 13>;

// The program's figures for a base, or a text saying why it gave none.
using DaysCalculator = std::function<void(const TableSet& tables, DaysMethod method, DaysPaid days,
                                          Cents base, DaysTexts& texts)>;

void ProgramDaysPaid(const TableSet& tables, DaysMethod method, DaysPaid days, Cents base,
                     DaysTexts& texts);

struct DaysJob {
    const TableSet* tables;
    DaysMethod method;
    DaysPaid days;
    std::int64_t lastBaseCents;
};

// By table, every N from 1 to 31 for a set with daily tables (the others' tables of days are
// their periods', which the ordinary sweep checks); through the month, a grid of N from half a
// day to a year. Bases from 0.00 to 10,000.00 above the last row's lower limit (of the monthly
// tariff brought back to N days, for the month).
std::vector<DaysJob> PlanDaysJobs(const TableSet& tables);

// "anexo8, tabla, 16 días", "programa, mensual, 15.2 días".
std::string DaysJobLabel(const DaysJob& job);

struct DaysMismatch {
    std::int64_t baseCents;
    std::string figure;  // "isr_periodo", or "txtISR08(1)" for a box
    std::string program;
    std::string exact;
};

SweepCount DaysSweep(const DaysJob& job, std::int64_t stride, unsigned threads,
                     const DaysCalculator& calculate,
                     const std::function<void(const DaysMismatch&)>& onMismatch,
                     const std::function<void(std::int64_t checked)>& onProgress,
                     std::chrono::milliseconds progressEvery);

}  // namespace isr::verify
