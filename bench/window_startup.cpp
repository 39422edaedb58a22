// SPDX-License-Identifier: MIT
// Window start-up as whole processes, offscreen: bench_startup_probe showing frmMain against the
// same program showing an empty 603 x 546 window (the goal's reference) and that window with one
// line of text, in turns, and the medians of wall time, child CPU time and peak resident memory
// (ru_maxrss from wait4) of each. With --baseline, another build's probe (an earlier commit's,
// say) shows its frmMain in the same turns, so that before and after are measured at like load.
//
//   bench_window_startup [--runs N] [--probe PATH] [--baseline PATH]
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

// One kind of start: a probe program and the mode it is started in.
struct Start {
    std::string label;
    std::string probe;
    const char* mode;
    Runs runs;
};

// Returns false when the probe did not exit with status 0.
bool RunOnce(Start& start) {
    // Qt's start-up notices (no XDG_RUNTIME_DIR) would bury the figures; a failing probe is
    // reported by its status, and run by hand it shows its messages.
    const auto run = isr::bench::TimeChild({start.probe, start.mode}, true);
    if (run.status != 0) {
        std::fprintf(stderr, "%s %s failed with status %d\n", start.probe.c_str(), start.mode,
                     run.status);
        return false;
    }
    start.runs.wallMs.push_back(run.wallSeconds * 1e3);
    start.runs.cpuMs.push_back(run.cpuSeconds * 1e3);
    start.runs.peakMiB.push_back(run.peakMiB);
    return true;
}

void Compare(const Start& window, const Start& reference, bool goal) {
    const double wallRatio = Median(window.runs.wallMs) / Median(reference.runs.wallMs);
    const double cpuRatio = Median(window.runs.cpuMs) / Median(reference.runs.cpuMs);
    const double extraMiB = Median(window.runs.peakMiB) - Median(reference.runs.peakMiB);
    std::printf("%s against %s: wall time %.2fx, CPU time %.2fx, peak RSS %+.1f MiB\n",
                window.label.c_str(), reference.label.c_str(), wallRatio, cpuRatio, extraMiB);
    if (goal) {
        std::printf("  goals: wall and CPU time <= 1.3x %s, peak RSS <= +5 MiB %s\n",
                    wallRatio <= 1.3 && cpuRatio <= 1.3 ? "met" : "missed",
                    extraMiB <= 5 ? "met" : "missed");
    }
}

}  // namespace

int main(int argc, char** argv) {
    int runs = 21;
    std::string probe = ISR2016_STARTUP_PROBE_PATH;
    std::string baseline;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string_view option = argv[i];
        if (option == "--runs") runs = std::max(1, std::atoi(argv[i + 1]));
        if (option == "--probe") probe = argv[i + 1];
        if (option == "--baseline") baseline = argv[i + 1];
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 1);

    std::vector<Start> starts = {
        {"frmMain", probe, "frmMain", {}},
        {"empty", probe, "empty", {}},
        {"text", probe, "text", {}},
    };
    if (!baseline.empty()) starts.push_back({"baseline", baseline, "frmMain", {}});
    // In turns, so that a change in the machine's load hits all alike.
    for (int i = 0; i < runs; ++i) {
        std::printf("run %2d:", i + 1);
        for (Start& start : starts) {
            if (!RunOnce(start)) return 1;
            std::printf("  %s %.1f ms %.1f CPU ms %.1f MiB", start.label.c_str(),
                        start.runs.wallMs.back(), start.runs.cpuMs.back(),
                        start.runs.peakMiB.back());
        }
        std::printf("\n");
    }
    std::printf("medians of %d runs each:\n", runs);
    for (const Start& start : starts) {
        std::printf("  %-8s %6.1f ms wall %6.1f ms CPU  peak RSS %5.1f MiB\n", start.label.c_str(),
                    Median(start.runs.wallMs), Median(start.runs.cpuMs),
                    Median(start.runs.peakMiB));
    }
    for (const Start& window : starts) {
        if (window.mode != std::string_view("frmMain")) continue;
        Compare(window, starts[1], true);
        Compare(window, starts[2], false);
    }
    return 0;
}
