// SPDX-License-Identifier: MIT
// Window start-up as whole processes, offscreen: bench_startup_probe showing frmMain against the
// same program showing an empty 603 x 546 window (the goal's reference) and that window with one
// line of text, in turns, and the medians of wall time, child CPU time and peak resident memory
// (ru_maxrss from wait4) of each.
//
//   bench_window_startup [--runs N] [--probe PATH]
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "child_timing.h"

namespace {

using isr::bench::Median;

struct Runs {
    std::vector<double> wallMs;
    std::vector<double> cpuMs;
    std::vector<double> peakMiB;
};

// Returns false when the probe did not exit with status 0.
bool RunOnce(const std::string& probe, const char* mode, Runs& runs) {
    // Qt's start-up notices (no XDG_RUNTIME_DIR) would bury the figures; a failing probe is
    // reported by its status, and run by hand it shows its messages.
    const auto run = isr::bench::TimeChild({probe, mode}, true);
    if (run.status != 0) {
        std::fprintf(stderr, "%s %s failed with status %d\n", probe.c_str(), mode, run.status);
        return false;
    }
    runs.wallMs.push_back(run.wallSeconds * 1e3);
    runs.cpuMs.push_back(run.cpuSeconds * 1e3);
    runs.peakMiB.push_back(run.peakMiB);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    int runs = 21;
    std::string probe = ISR2016_STARTUP_PROBE_PATH;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string_view option = argv[i];
        if (option == "--runs") runs = std::max(1, std::atoi(argv[i + 1]));
        if (option == "--probe") probe = argv[i + 1];
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 1);

    const char* const modes[] = {"frmMain", "empty", "text"};
    Runs results[3];
    // In turns, so that a change in the machine's load hits all alike.
    for (int i = 0; i < runs; ++i) {
        std::printf("run %2d:", i + 1);
        for (int m = 0; m < 3; ++m) {
            if (!RunOnce(probe, modes[m], results[m])) return 1;
            std::printf("  %s %.1f ms %.1f CPU ms %.1f MiB", modes[m], results[m].wallMs.back(),
                        results[m].cpuMs.back(), results[m].peakMiB.back());
        }
        std::printf("\n");
    }
    std::printf("medians of %d runs each:\n", runs);
    for (int m = 0; m < 3; ++m) {
        std::printf("  %-8s %6.1f ms wall %6.1f ms CPU  peak RSS %5.1f MiB\n", modes[m],
                    Median(results[m].wallMs), Median(results[m].cpuMs),
                    Median(results[m].peakMiB));
    }
    const Runs& window = results[0];
    for (int m = 1; m < 3; ++m) {
        const double wallRatio = Median(window.wallMs) / Median(results[m].wallMs);
        const double cpuRatio = Median(window.cpuMs) / Median(results[m].cpuMs);
        const double extraMiB = Median(window.peakMiB) - Median(results[m].peakMiB);
        std::printf("frmMain against %s: wall time %.2fx, CPU time %.2fx, peak RSS %+.1f MiB\n",
                    modes[m], wallRatio, cpuRatio, extraMiB);
        if (m == 1) {
            std::printf("  goals: wall time <= 1.3x %s, peak RSS <= +5 MiB %s\n",
                        wallRatio <= 1.3 ? "met" : "missed", extraMiB <= 5 ? "met" : "missed");
        }
    }
    return 0;
}
