// SPDX-License-Identifier: MIT
// isr2016-verify --dias: the pay of N days of each table set against the exact calculation.
#include <chrono>
#include <ostream>
#include <string>

#include "oracle/rational_amount.h"
#include "tariffs/table_sets.h"
#include "verify/days_sweep.h"
#include "verify/run.h"

namespace isr::verify {

int RunDaysSweeps(const Options& options, unsigned threads, std::ostream& out, std::ostream& err) {
    SweepCount total;
    for (const TableSet* tables : AllTableSets()) {
        if (options.tablesGiven && tables != options.tables) continue;
        for (const DaysJob& job : PlanDaysJobs(*tables)) {
            const std::string label = DaysJobLabel(job);
            const auto bases = job.lastBaseCents / options.stride + 1;
            const auto start = std::chrono::steady_clock::now();
            const auto seconds = [&] {
                return std::chrono::duration_cast<std::chrono::seconds>(
                           std::chrono::steady_clock::now() - start)
                    .count();
            };
            const auto shown = [](std::int64_t cents) {
                return oracle::ShownCents(oracle::FromCents(cents));
            };
            err << label << ": " << bases << " bases from 0.00 to " << shown(job.lastBaseCents)
                << ", every " << options.stride << " cent(s), " << threads << " thread(s)"
                << std::endl;
            const auto count = DaysSweep(
                job, options.stride, threads, ProgramDaysPaid,
                [&](const DaysMismatch& m) {
                    out << "mismatch: " << label << ", base " << shown(m.baseCents) << ", "
                        << m.figure << ": program \"" << m.program << "\", exact \"" << m.exact
                        << "\"\n";
                },
                [&](std::int64_t checked) {
                    err << label << ": " << checked << " of " << bases << " ("
                        << checked * 100 / bases << " %), " << seconds() << " s" << std::endl;
                },
                std::chrono::milliseconds(5000));
            err << label << ": done in " << seconds() << " s" << std::endl;
            out << label << ": checked " << count.checked << " bases, " << count.mismatches
                << " mismatches" << std::endl;
            total.checked += count.checked;
            total.mismatches += count.mismatches;
        }
    }
    out << "checked " << total.checked << " bases, " << total.mismatches << " mismatches"
        << std::endl;
    return total.mismatches == 0 ? kExitAgree : kExitMismatch;
}

}  // namespace isr::verify
