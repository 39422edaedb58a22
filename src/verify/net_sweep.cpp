// SPDX-License-Identifier: MIT
#include "verify/net_sweep.h"

#include <algorithm>
#include <vector>

#include "calc/withholding.h"
#include "money/amount_text.h"

namespace isr::verify {

namespace {

// The jobs' bases, sums and nets lie far inside the range of an amount.
Cents C(std::int64_t count) {
    return *Cents::FromCount(count);
}

class NetChecker {
  public:
    NetChecker(const Job& job, std::int64_t stride, const GrossUpFunction& grossUp)
        : job_(job), stride_(stride), grossUp_(grossUp), subsidySum_(C(job.subsidySumCents)) {}

    std::int64_t NetOf(std::int64_t base) const {
        const Withholding w = Calculate(*job_.tables, job_.period, C(base), subsidySum_);
        return base - w.result->Count();
    }

    // What is wrong with the gross-up of `target`, which the pass first reached at `passBase`;
    // empty when nothing is.
    std::string Fault(std::int64_t target, std::int64_t passBase) const {
        const auto found = grossUp_(*job_.tables, job_.period, C(target), subsidySum_);
        if (!found) return "beyond the tables";
        const Withholding w = Calculate(*job_.tables, job_.period, found->base, subsidySum_);
        const auto base = found->base.Count();
        const auto net = found->net.Count();
        const char* fault = nullptr;
        if (found->withholding != w || net != base - w.result->Count()) {
            fault = "not the calculation of that base";
        } else if (base > passBase) {
            fault = "a lower base reaches the target";
        } else if (net < target) {
            fault = "its net is below the target";
        } else if (found->exact != (net == target)) {
            fault = found->exact ? "said exact" : "said not exact";
        } else if (stride_ > 1 && base > 0 && NetOf(base - 1) >= target) {
            // A pass over every cent has met the base below with a lower net; a strided one
            // may have passed over it.
            fault = "the base a cent lower reaches the target";
        }
        if (fault == nullptr) return {};
        return "base " + AmountText(found->base).String() + ", net " +
               AmountText(found->net).String() + (found->exact ? " (exact)" : " (not exact)") +
               ": " + fault;
    }

  private:
    const Job& job_;
    std::int64_t stride_;
    const GrossUpFunction& grossUp_;
    Cents subsidySum_;
};

}  // namespace

SweepCount NetSweep(const Job& job, std::int64_t stride, unsigned threads,
                    const GrossUpFunction& grossUp, const NetSweepHooks& hooks) {
    const NetChecker checker(job, stride, grossUp);
    const std::int64_t bases = BasesToCheck(job, stride);
    const std::int64_t chunks = (bases + kChunk - 1) / kChunk;
    const auto chunkBases = [&](std::int64_t c) {
        return std::pair{c * kChunk, std::min(bases, (c + 1) * kChunk)};
    };
    SweepTally tally;
    const auto progress = [&] { hooks.onProgress(tally.Checked()); };

    // The highest net of each chunk, then the running maximum before each: the chunks can then be
    // walked at the same time, each from the maximum that the bases before it left.
    std::vector<std::int64_t> highest(static_cast<std::size_t>(chunks));
    OverChunks(
        chunks, threads, hooks.progressEvery,
        [&](std::int64_t c) {
            auto [first, end] = chunkBases(c);
            std::int64_t top = checker.NetOf(first * stride);
            for (std::int64_t i = first + 1; i < end; ++i) {
                top = std::max(top, checker.NetOf(i * stride));
            }
            highest[static_cast<std::size_t>(c)] = top;
        },
        progress);
    // Targets from 0.00, or from the net of the base 0.00 when that is lower: the first base
    // meets them all, and running maxima are kept from just below them.
    const std::int64_t firstTarget = std::min<std::int64_t>(0, checker.NetOf(0));
    std::vector<std::int64_t> before(static_cast<std::size_t>(chunks));
    std::int64_t running = firstTarget - 1;
    for (std::size_t c = 0; c < before.size(); ++c) {
        before[c] = running;
        running = std::max(running, highest[c]);
    }

    OverChunks(
        chunks, threads, hooks.progressEvery,
        [&](std::int64_t c) {
            auto [first, end] = chunkBases(c);
            std::int64_t reached = before[static_cast<std::size_t>(c)];
            std::int64_t targets = 0;
            std::vector<NetMismatch> found;
            for (std::int64_t i = first; i < end; ++i) {
                const std::int64_t base = i * stride;
                const std::int64_t net = checker.NetOf(base);
                if (net <= reached) continue;
                // The targets of the stride in (reached, net]: firstTarget + k x stride.
                const std::int64_t k0 =
                    reached < firstTarget ? 0 : (reached - firstTarget) / stride + 1;
                for (std::int64_t k = k0; k <= (net - firstTarget) / stride; ++k) {
                    const std::int64_t target = firstTarget + k * stride;
                    ++targets;
                    auto what = checker.Fault(target, base);
                    if (!what.empty()) found.push_back({target, base, net, std::move(what)});
                }
                reached = net;
            }
            tally.ChunkDone(targets, found, hooks.onMismatch);
        },
        progress);
    return tally.Count();
}

}  // namespace isr::verify
