// SPDX-License-Identifier: MIT
#include "parallel/worker_pool.h"

#include <algorithm>
#include <utility>

namespace isr {

WorkerPool::WorkerPool(unsigned threads) {
    for (unsigned i = 0; i < threads; ++i) threads_.emplace_back([this, i] { Work(i); });
}

WorkerPool::~WorkerPool() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    jobReady_.notify_all();
    for (auto& thread : threads_) thread.join();
}

unsigned WorkerPool::Workers() const {
    return std::max<unsigned>(1, static_cast<unsigned>(threads_.size()));
}

void WorkerPool::Submit(PoolJob& job) {
    if (threads_.empty()) {
        job.run_(0);
        return;
    }
    {
        const std::lock_guard lock(mutex_);
        job.done_ = false;
        queue_.push_back(&job);
    }
    jobReady_.notify_one();
}

bool WorkerPool::Done(const PoolJob& job) {
    const std::lock_guard lock(mutex_);
    return job.done_;
}

void WorkerPool::Wait(const PoolJob& job) {
    std::unique_lock lock(mutex_);
    if (job.done_) return;
    job.waited_ = true;
    jobDone_.wait(lock, [&] { return job.done_; });
}

bool WorkerPool::WaitFor(const PoolJob& job, std::chrono::milliseconds timeout) {
    std::unique_lock lock(mutex_);
    if (job.done_) return true;
    job.waited_ = true;
    return jobDone_.wait_for(lock, timeout, [&] { return job.done_; });
}

void WorkerPool::Work(unsigned worker) {
    std::unique_lock lock(mutex_);
    for (;;) {
        jobReady_.wait(lock, [&] { return stopping_ || !queue_.empty(); });
        if (queue_.empty()) return;
        PoolJob& job = *queue_.front();
        queue_.pop_front();
        lock.unlock();
        job.run_(worker);
        lock.lock();
        job.done_ = true;
        // A thread waiting for a later job is not woken for this one: the batch waits for several
        // chunks at once, and each wake-up costs more than a chunk's handing over.
        if (std::exchange(job.waited_, false)) jobDone_.notify_all();
    }
}

}  // namespace isr
