// SPDX-License-Identifier: MIT
// isr2016-verify --ejercicio: the month cap and the year's tax of each table set against the exact
// calculation.
#include <chrono>
#include <ostream>
#include <string>

#include "oracle/rational_amount.h"
#include "verify/run.h"
#include "verify/year_sweep.h"

namespace isr::verify {

int RunYearSweeps(const Options& options, unsigned threads, std::ostream& out, std::ostream& err) {
    const auto shown = [](std::int64_t cents) {
        return oracle::ShownCents(oracle::FromCents(cents));
    };
    SweepCount total;
    for (const TableSet* tables : AllTableSets()) {
        if (options.tablesGiven && tables != options.tables) continue;
        const std::string label = std::string(tables->Name()) + ", ejercicio";
        const YearGrid grid = PlanYearGrid(*tables);
        const auto points = (grid.Size() + options.stride - 1) / options.stride;
        const auto start = std::chrono::steady_clock::now();
        err << label << ": " << points << " years (" << grid.monthPays.size() << " monthly pays, "
            << grid.subsidies.size() << " subsidy sums), every " << options.stride
            << " of the grid, " << threads << " thread(s)" << std::endl;
        const auto seconds = [&] {
            return std::chrono::duration_cast<std::chrono::seconds>(
                       std::chrono::steady_clock::now() - start)
                .count();
        };
        const auto count = YearSweep(
            *tables, grid, options.stride, threads, ProgramYear,
            [&](const YearMismatch& m) {
                out << "mismatch: " << label << ", pago mensual " << shown(m.monthPayCents)
                    << ", subsidios " << shown(m.subsidyCents) << ", " << m.figure << ": program \""
                    << m.program << "\", exact \"" << m.exact << "\"\n";
            },
            [&](std::int64_t checked) {
                err << label << ": " << checked << " of " << points << " ("
                    << checked * 100 / points << " %), " << seconds() << " s" << std::endl;
            },
            std::chrono::milliseconds(5000));
        err << label << ": done in " << seconds() << " s" << std::endl;
        out << label << ": checked " << count.checked << " years, " << count.mismatches
            << " mismatches" << std::endl;
        total.checked += count.checked;
        total.mismatches += count.mismatches;
    }
    out << "checked " << total.checked << " years, " << total.mismatches << " mismatches"
        << std::endl;
    return total.mismatches == 0 ? kExitAgree : kExitMismatch;
}

}  // namespace isr::verify
