// SPDX-License-Identifier: MIT
// A fixed set of threads that run jobs handed to them, for the batch and the verifier. A job says
// which worker runs it, so that each worker can keep scratch space of its own, and can be waited
// for by itself: the batch writes its chunks in input order as each one is done.
#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace isr {

class WorkerPool;

class PoolJob {
  public:
    // `run` gets the index of the worker that runs it, from 0 to WorkerPool::Workers() - 1.
    explicit PoolJob(std::function<void(unsigned worker)> run) : run_(std::move(run)) {}

  private:
    friend class WorkerPool;
    std::function<void(unsigned)> run_;
    bool done_ = true;  // under the pool's mutex
    // Someone waits for it: only then is its end told (under the mutex; a waiter holds the job
    // as const).
    mutable bool waited_ = false;
};

class WorkerPool {
  public:
    // With no threads, Submit runs each job at once on the calling thread, as worker 0.
    explicit WorkerPool(unsigned threads);
    // Finishes the jobs already submitted, then joins the threads.
    ~WorkerPool();
    WorkerPool(const WorkerPool&) = delete;
    WorkerPool& operator=(const WorkerPool&) = delete;

    // How many workers may run jobs: the threads, or the calling thread when there are none.
    unsigned Workers() const;

    // The job must stay alive, and must not be submitted again, until it is done.
    void Submit(PoolJob& job);
    bool Done(const PoolJob& job);
    void Wait(const PoolJob& job);
    // Waits at most `timeout`; whether the job is done.
    bool WaitFor(const PoolJob& job, std::chrono::milliseconds timeout);

  private:
    void Work(unsigned worker);

    std::mutex mutex_;
    std::condition_variable jobReady_;
    std::condition_variable jobDone_;
    std::deque<PoolJob*> queue_;
    bool stopping_ = false;
    std::vector<std::thread> threads_;
};

}  // namespace isr
