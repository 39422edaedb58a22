// SPDX-License-Identifier: MIT
// Timing a program as a whole process, for the benches that measure start-up and throughput as
// a user would meet them.
#pragma once

#include <string>
#include <vector>

namespace isr::bench {

struct ChildTiming {
    double wallSeconds;
    double cpuSeconds;  // user and system time of the child, all its threads
    double peakMiB;     // peak resident memory (ru_maxrss from wait4)
    int status;         // exit status, -1 when the child did not exit normally
};

// Runs `argv` (argv[0] is the program's path) and waits for it. With `quietStderr` the child's
// standard error goes to /dev/null: notices printed at start-up would bury the figures.
ChildTiming TimeChild(const std::vector<std::string>& argv, bool quietStderr = false);

double Median(std::vector<double> values);

}  // namespace isr::bench
