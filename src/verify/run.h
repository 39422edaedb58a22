// SPDX-License-Identifier: MIT
// isr2016-verify: compares the production calculation with the exact one for every cent of base.
#pragma once

#include <iosfwd>
#include <span>
#include <string_view>

#include "verify/options.h"
#include "verify/sweep.h"
#include "verify/text_rounding.h"

namespace isr::verify {

inline constexpr int kExitAgree = 0;
inline constexpr int kExitMismatch = 1;
inline constexpr int kExitUsage = 2;  // bad arguments, as for isr2016-cli

// Checks `calculate` over the bases and `readers` over random amount texts. Results and
// mismatches go to `out`, the last line "checked N bases, M mismatches" (M counts box texts and
// amount texts that differ); progress and usage errors go to `err`.
int Run(std::span<const std::string_view> args, const Calculator& calculate,
        const AmountReaders& readers, unsigned threads, std::ostream& out, std::ostream& err);

// isr2016-verify --neto: NetSweep over the jobs of PlanJobs with the program's GrossUp. Results and
// mismatches go to `out`, the last line "checked N targets, M mismatches"; progress goes to `err`.
// Returns kExitAgree or kExitMismatch.
int RunNetSweeps(const Options& options, unsigned threads, std::ostream& out, std::ostream& err);

// isr2016-verify --pago: PaymentSweep over the payment grid of every table set, or of the one
// --tablas names. Results and mismatches go to `out`, the last line "checked N payments, M
// mismatches"; progress goes to `err`. Returns kExitAgree or kExitMismatch.
int RunPaymentSweeps(const Options& options, unsigned threads, std::ostream& out,
                     std::ostream& err);

// isr2016-verify --dias: DaysSweep over the jobs of PlanDaysJobs of every table set, or of the one
// --tablas names. Results and mismatches go to `out`, the last line "checked N bases, M
// mismatches"; progress goes to `err`. Returns kExitAgree or kExitMismatch.
int RunDaysSweeps(const Options& options, unsigned threads, std::ostream& out, std::ostream& err);

// isr2016-verify --ejercicio: YearSweep over the grid of every table set, or of the one --tablas
// names. Results and mismatches go to `out`, the last line "checked N years, M mismatches";
// progress goes to `err`. Returns kExitAgree or kExitMismatch.
int RunYearSweeps(const Options& options, unsigned threads, std::ostream& out, std::ostream& err);

}  // namespace isr::verify
