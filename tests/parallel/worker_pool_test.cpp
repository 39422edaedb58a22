// SPDX-License-Identifier: MIT
#include "parallel/worker_pool.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>

namespace isr {
namespace {

using namespace std::chrono_literals;

// A job's end is told only to a thread that waits for that job: one waiting for a later job must
// still wake when it ends, whatever the earlier one is doing, and one that stopped waiting must
// find the job done later.
TEST(WorkerPool, AWaiterWakesForItsJobWhileAnEarlierOneRuns) {
    std::promise<void> release;
    const auto held = release.get_future().share();
    std::atomic<unsigned> workersSeen{0};
    PoolJob blocked([&](unsigned worker) {
        workersSeen |= 1U << worker;
        held.wait();
    });
    PoolJob quick([&](unsigned worker) { workersSeen |= 1U << worker; });
    WorkerPool pool(2);
    EXPECT_EQ(pool.Workers(), 2U);
    pool.Submit(blocked);
    pool.Submit(quick);
    pool.Wait(quick);
    EXPECT_TRUE(pool.Done(quick));
    EXPECT_FALSE(pool.Done(blocked));
    EXPECT_FALSE(pool.WaitFor(blocked, 20ms));
    release.set_value();
    EXPECT_TRUE(pool.WaitFor(blocked, 10s));
    pool.Wait(blocked);
    // Submitted again after a wait timed out: its end is still told.
    pool.Submit(quick);
    pool.Wait(quick);
    EXPECT_EQ(workersSeen.load(), 3U);  // both workers ran a job
}

TEST(WorkerPool, WithoutThreadsAJobRunsAtOnce) {
    unsigned runs = 0;
    PoolJob job([&](unsigned worker) {
        EXPECT_EQ(worker, 0U);
        ++runs;
    });
    WorkerPool pool(0);
    EXPECT_EQ(pool.Workers(), 1U);
    pool.Submit(job);
    EXPECT_EQ(runs, 1U);
    EXPECT_TRUE(pool.Done(job));
    pool.Wait(job);
}

}  // namespace
}  // namespace isr
