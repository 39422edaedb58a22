// SPDX-License-Identifier: MIT
// Window start-up as whole processes, offscreen: bench_startup_probe showing frmMain against the
// same program showing an empty 603 x 546 window (the goal's reference) and that window with one
// line of text, in turns, and the medians of wall time, child CPU time and peak resident memory
// (ru_maxrss from wait4) of each.
//
//   bench_window_startup [--runs N] [--probe PATH]
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct Runs {
    std::vector<double> wallMs;
    std::vector<double> cpuMs;
    std::vector<double> peakMiB;
};

double Ms(const timeval& t) {
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3;
}

// Returns false when the probe did not exit with status 0.
bool RunOnce(const std::string& probe, const char* mode, Runs& runs) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        // Qt's start-up notices (no XDG_RUNTIME_DIR) would bury the figures; a failing probe is
        // reported by its status, and run by hand it shows its messages.
        freopen("/dev/null", "w", stderr);
        execl(probe.c_str(), probe.c_str(), mode, static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const std::chrono::duration<double, std::milli> elapsed =
        std::chrono::steady_clock::now() - start;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s %s failed with status %d\n", probe.c_str(), mode, status);
        return false;
    }
    runs.wallMs.push_back(elapsed.count());
    runs.cpuMs.push_back(Ms(usage.ru_utime) + Ms(usage.ru_stime));
    runs.peakMiB.push_back(static_cast<double>(usage.ru_maxrss) / 1024);
    return true;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const auto n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
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
