// SPDX-License-Identifier: MIT
// The check of the gross-up: it passes the program's own and catches faulty ones, counting the
// targets a pass covers. Nets here are worked out by hand from the Semanal tables.
#include "verify/net_sweep.h"

#include <gtest/gtest.h>

#include <mutex>
#include <sstream>
#include <string>
#include <vector>

#include "tariffs/table_sets.h"
#include "verify/run.h"

namespace isr::verify {
namespace {

struct Outcome {
    SweepCount count;
    std::vector<NetMismatch> mismatches;
};

Outcome Check(const Job& job, std::int64_t stride, unsigned threads,
              const GrossUpFunction& grossUp) {
    Outcome outcome;
    std::mutex mutex;
    NetSweepHooks hooks;
    hooks.onMismatch = [&](const NetMismatch& m) {
        const std::scoped_lock lock(mutex);
        outcome.mismatches.push_back(m);
    };
    hooks.onProgress = [](std::int64_t) {};
    outcome.count = NetSweep(job, stride, threads, grossUp, hooks);
    return outcome;
}

// Semanal up to 969.50, the end of the row from 114.25 (fee 2.17, 6.40 %), with a subsidy of
// 88.06: tax 54.74 + 2.17, net 1,000.65, the highest of the range (each earlier subsidy step
// takes less than the base adds before the next). Two chunks of bases, one per thread.
TEST(NetSweep, EveryTargetOnceAcrossChunksAndThreads) {
    const Job job{&DefaultTableSet(), Period::kSemanal, 0, 96'950};
    const auto outcome = Check(job, 1, 2, GrossUp);
    EXPECT_EQ(outcome.count.checked, 100'066);  // 0.00 to 1,000.65
    EXPECT_EQ(outcome.count.mismatches, 0);
    EXPECT_TRUE(outcome.mismatches.empty());
}

GrossUpFunction Altered(std::function<void(GrossUpResult&, Cents target)> alter) {
    return [alter](const TableSet& tables, Period period, Cents target, Cents subsidySum) {
        auto found = GrossUp(tables, period, target, subsidySum);
        if (found) alter(*found, target);
        return found;
    };
}

// Semanal up to 407.33, the end of the first subsidy row (93.73): the row from 114.25 gives tax
// 18.76 + 2.17 and net 480.13, so 48,014 targets from 0.00. The nets skip 0.01 to 93.73 (0.01
// nets 93.74) and, at the row limit 114.24/114.25 (tax 2.17 then the fee 2.17 alone), 205.79 and
// 205.80 (nets 205.78 and 205.81): 9,375 targets with no exact base.
TEST(NetSweep, CatchesFaultyGrossUps) {
    const TableSet& tables = DefaultTableSet();
    const Job job{&tables, Period::kSemanal, 0, 40'733};
    const GrossUpFunction aCentTooHigh = Altered([&](GrossUpResult& r, Cents target) {
        r.base = r.base + kOneCent;
        r.withholding = Calculate(tables, Period::kSemanal, r.base, Cents());
        r.net = r.base - *r.withholding.result;
        r.exact = r.net == target;
    });
    struct Case {
        std::string name;
        std::int64_t stride;
        GrossUpFunction grossUp;
        std::int64_t mismatches;
        std::string what;  // the end of each mismatch's description
    };
    const Case cases[] = {
        {"the program's own is clean at a stride too", 7, GrossUp, 0, ""},
        {"a base a cent too high, with its own figures", 1, aCentTooHigh, 48'014,
         "a lower base reaches the target"},
        {"the same at a stride, where the pass runs every 7th base only", 7, aCentTooHigh, 6'860,
         ""},  // every 7th target: 0.00 to 480.13
        {"a net that is not its base's", 1,
         Altered([&](GrossUpResult& r, Cents) { r.net = r.net + kOneCent; }), 48'014,
         "not the calculation of that base"},
        {"every answer said exact", 1, Altered([](GrossUpResult& r, Cents) { r.exact = true; }),
         9'375, "said exact"},
        {"nothing above 400.00", 1,
         [](const TableSet& t, Period p, Cents target, Cents sum) -> std::optional<GrossUpResult> {
             if (target > *Cents::FromCount(40'000)) return std::nullopt;
             return GrossUp(t, p, target, sum);
         },
         8'013, "beyond the tables"},  // 400.01 to 480.13
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto outcome = Check(job, c.stride, 2, c.grossUp);
        EXPECT_EQ(outcome.count.mismatches, c.mismatches);
        EXPECT_EQ(outcome.mismatches.size(), static_cast<std::size_t>(c.mismatches));
        for (const auto& m : outcome.mismatches) {
            ASSERT_TRUE(m.what.ends_with(c.what)) << m.what;
        }
    }
}

TEST(NetSweep, RunsFromTheCommandLineWithEitherTableSet) {
    const auto parsed = ParseOptions(std::vector<std::string_view>{
        "--neto", "--tablas", "anexo8", "--period", "decenal", "--stride", "1009"});
    ASSERT_TRUE(std::holds_alternative<Options>(parsed)) << std::get<std::string>(parsed);
    const auto& options = std::get<Options>(parsed);
    EXPECT_TRUE(options.grossUp);
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunNetSweeps(options, 2, out, err), kExitAgree);
    const std::string text = out.str();
    EXPECT_TRUE(text.starts_with("anexo8, Decenal: checked ")) << text;
    const auto last = text.substr(text.rfind('\n', text.size() - 2) + 1);
    EXPECT_TRUE(last.starts_with("checked ") && last.ends_with(" targets, 0 mismatches\n")) << text;
}

}  // namespace
}  // namespace isr::verify
