// SPDX-License-Identifier: MIT
// Checks the gross-up against the nets of every base. One pass over the bases in order keeps the
// running maximum of their nets, each net from the program's own Calculate (which the ordinary
// sweep checks against the exact calculation); every target the maximum passes must get back the
// base at which it passed it. Nothing of how the gross-up finds its base is used here.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "calc/gross_up.h"
#include "verify/sweep.h"

namespace isr::verify {

using GrossUpFunction = std::function<std::optional<GrossUpResult>(
    const TableSet& tables, Period period, Cents targetNet, Cents subsidySum)>;

struct NetMismatch {
    std::int64_t targetCents;
    // The first base the pass met whose net reaches the target, and that net.
    std::int64_t passBaseCents;
    std::int64_t passNetCents;
    std::string what;  // the gross-up's answer and what is wrong with it
};

struct NetSweepHooks {
    // Called for every mismatch, one call at a time, from any of the workers.
    std::function<void(const NetMismatch&)> onMismatch;
    // Called from the calling thread every `progressEvery` while the job runs, with the targets
    // checked so far.
    std::function<void(std::int64_t checked)> onProgress;
    std::chrono::milliseconds progressEvery{5000};
};

// The targets from 0.00 (or the net of the base 0.00, when that is below zero) up to the highest
// net of the job's bases. With a stride of 1 every base and every target cent is checked, and the
// gross-up must answer each target with exactly the base the pass found. With a larger stride
// only every stride-th base is run and every stride-th target checked; then the gross-up's base
// must be no higher than the pass's, net the target, and be the first base that does so at least
// against the cent below it.
SweepCount NetSweep(const Job& job, std::int64_t stride, unsigned threads,
                    const GrossUpFunction& grossUp, const NetSweepHooks& hooks);

}  // namespace isr::verify
