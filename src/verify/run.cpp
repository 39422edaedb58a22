// SPDX-License-Identifier: MIT
#include "verify/run.h"

#include <chrono>
#include <ostream>
#include <string>

#include "calc/gross_up.h"
#include "oracle/rational_amount.h"
#include "tariffs/table_sets.h"
#include "verify/net_sweep.h"
#include "verify/options.h"

namespace isr::verify {

namespace {

std::int64_t SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() -
                                                            start)
        .count();
}

std::string Shown(std::int64_t cents) {
    return oracle::ShownCents(oracle::FromCents(cents));
}

}  // namespace

int Run(std::span<const std::string_view> args, const Calculator& calculate,
        const AmountReaders& readers, unsigned threads, std::ostream& out, std::ostream& err) {
    const auto parsed = ParseOptions(args);
    if (const auto* message = std::get_if<std::string>(&parsed)) {
        err << *message << '\n' << kUsage << '\n';
        return kExitUsage;
    }
    const auto& options = std::get<Options>(parsed);
    if (options.grossUp) return RunNetSweeps(options, threads, out, err);
    if (options.payments) return RunPaymentSweeps(options, threads, out, err);
    if (options.days) return RunDaysSweeps(options, threads, out, err);
    if (options.annual) return RunYearSweeps(options, threads, out, err);

    SweepCount total;
    for (const auto& job : PlanJobs(*options.tables, options.period)) {
        const auto label = JobLabel(job);
        const auto bases = BasesToCheck(job, options.stride);
        const auto start = std::chrono::steady_clock::now();
        err << label << ": " << bases << " bases from 0.00 to " << Shown(job.lastBaseCents)
            << ", every " << options.stride << " cent(s), " << threads << " thread(s)" << std::endl;

        SweepHooks hooks;
        hooks.onMismatch = [&](const Mismatch& m) {
            out << "mismatch: " << label << ", base " << Shown(m.baseCents) << ", " << m.box
                << ": program \"" << m.program << "\", exact \"" << m.exact << "\"\n";
        };
        hooks.onProgress = [&](std::int64_t checked) {
            err << label << ": " << checked << " of " << bases << " (" << checked * 100 / bases
                << " %), " << SecondsSince(start) << " s" << std::endl;
        };
        const auto count = Sweep(job, options.stride, threads, calculate, hooks);

        err << label << ": done in " << SecondsSince(start) << " s" << std::endl;
        out << label << ": checked " << count.checked << " bases, " << count.mismatches
            << " mismatches" << std::endl;
        total.checked += count.checked;
        total.mismatches += count.mismatches;
    }
    // The rounding of typed amounts, on random texts drawn the same way every run, so that a run
    // repeats.
    constexpr std::uint64_t kTextStream = 2016;
    const auto texts =
        CheckAmountTexts(options.texts, kTextStream, readers, [&](const TextMismatch& m) {
            out << "mismatch: text \"" << m.text << "\", " << m.what << ": program \"" << m.program
                << "\", exact \"" << m.exact << "\"\n";
        });
    out << "amount texts: checked " << texts.checked << " texts, " << texts.mismatches
        << " mismatches" << std::endl;
    total.mismatches += texts.mismatches;

    out << "checked " << total.checked << " bases, " << total.mismatches << " mismatches"
        << std::endl;
    return total.mismatches == 0 ? kExitAgree : kExitMismatch;
}

int RunNetSweeps(const Options& options, unsigned threads, std::ostream& out, std::ostream& err) {
    SweepCount total;
    for (const auto& job : PlanJobs(*options.tables, options.period)) {
        const auto label = JobLabel(job);
        const auto start = std::chrono::steady_clock::now();
        err << label << ": gross-ups of the nets of " << BasesToCheck(job, options.stride)
            << " bases from 0.00 to " << Shown(job.lastBaseCents) << ", every " << options.stride
            << " cent(s), " << threads << " thread(s)" << std::endl;
        NetSweepHooks hooks;
        hooks.onMismatch = [&](const NetMismatch& m) {
            out << "mismatch: " << label << ", target " << Shown(m.targetCents) << ": program "
                << m.what << "; first reached at base " << Shown(m.passBaseCents) << ", net "
                << Shown(m.passNetCents) << '\n';
        };
        hooks.onProgress = [&](std::int64_t checked) {
            err << label << ": " << checked << " targets, " << SecondsSince(start) << " s"
                << std::endl;
        };
        const auto count = NetSweep(job, options.stride, threads, GrossUp, hooks);
        err << label << ": done in " << SecondsSince(start) << " s" << std::endl;
        out << label << ": checked " << count.checked << " targets, " << count.mismatches
            << " mismatches" << std::endl;
        total.checked += count.checked;
        total.mismatches += count.mismatches;
    }
    out << "checked " << total.checked << " targets, " << total.mismatches << " mismatches"
        << std::endl;
    return total.mismatches == 0 ? kExitAgree : kExitMismatch;
}

}  // namespace isr::verify
