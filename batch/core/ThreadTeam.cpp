#include "batch/core/ThreadTeam.h"

#include <pthread.h>
#include <sched.h>

#include <chrono>
#include <stdexcept>
#include <system_error>

namespace batch {

namespace {

// The processors of `allowed` but the one this thread runs on now; false
// when there is no other.
bool otherProcessors(const cpu_set_t& allowed, cpu_set_t& others) {
    others = allowed;
    const int current = ::sched_getcpu();
    if (current >= 0 && current < CPU_SETSIZE)
        CPU_CLR(current, &others);
    return CPU_COUNT(&others) > 0;
}

// Runs the job; what it threw, or null.
std::exception_ptr runCatching(const std::function<void()>& job) {
    try {
        job();
    } catch (...) {
        return std::current_exception();
    }
    return nullptr;
}

}  // namespace

ThreadTeam::ThreadTeam(size_t extraThreads, Jobs jobs) : jobs_(jobs) {
    // A new thread tends to wait on its creator's processor until the
    // system next balances its load, which can be milliseconds later. So
    // each thread is moved off it at once (leaving that processor out of
    // the thread's processors moves it), and lets itself go anywhere again
    // once it runs, after the move.
    cpu_set_t allowed;
    cpu_set_t others;
    const bool move =
        ::sched_getaffinity(0, sizeof allowed, &allowed) == 0 && otherProcessors(allowed, others);
    threads_.reserve(extraThreads);
    for (size_t i = 0; i < extraThreads; ++i) {
        try {
            threads_.emplace_back([this, i, move, allowed] {
                if (move) {
                    while (placed_.load(std::memory_order_acquire) <= i)
                        std::this_thread::yield();
                    ::pthread_setaffinity_np(::pthread_self(), sizeof allowed, &allowed);
                }
                serve();
            });
        } catch (const std::system_error&) {
            break;  // the threads started so far do the work
        }
        if (move)
            ::pthread_setaffinity_np(threads_.back().native_handle(), sizeof others, &others);
        placed_.store(i + 1, std::memory_order_release);
    }
}

ThreadTeam::~ThreadTeam() {
    {
        const std::lock_guard lock(mutex_);
        ending_.store(true, std::memory_order_release);
    }
    changed_.notify_all();
    for (auto& thread : threads_)
        thread.join();
}

void ThreadTeam::awaitJob(unsigned seen) {
    // Watching costs a processor that would otherwise be idle; a job given
    // later than this finds the thread asleep.
    constexpr auto kWatch = std::chrono::milliseconds(2);
    const auto until = std::chrono::steady_clock::now() + kWatch;
    const auto given = [&] {
        return ending_.load(std::memory_order_acquire) ||
               generation_.load(std::memory_order_acquire) != seen;
    };
    while (!given() && std::chrono::steady_clock::now() < until) {
#if defined(__x86_64__) || defined(__i386__)
        __builtin_ia32_pause();
#endif
    }
    std::unique_lock lock(mutex_);
    changed_.wait(lock, given);
}

void ThreadTeam::serve() {
    unsigned seen = 0;
    for (;;) {
        awaitJob(seen);
        std::unique_lock lock(mutex_);
        if (ending_)
            return;
        seen = generation_;
        const std::function<void()>& job = *job_;
        lock.unlock();
        const std::exception_ptr failure = runCatching(job);
        lock.lock();
        if (failure && !failure_)
            failure_ = failure;
        if (--running_ == 0)
            changed_.notify_all();
        if (jobs_ == Jobs::one)
            return;
    }
}

void ThreadTeam::runOnAll(const std::function<void()>& job) {
    {
        const std::lock_guard lock(mutex_);
        if (jobs_ == Jobs::one && generation_ > 0)
            throw std::logic_error("A team for one job was given a second");
        job_ = &job;
        running_ = threads_.size();
        failure_ = nullptr;
        generation_.fetch_add(1, std::memory_order_release);
    }
    changed_.notify_all();
    std::exception_ptr failure = runCatching(job);
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return running_ == 0; });
    job_ = nullptr;
    if (!failure)
        failure = failure_;
    lock.unlock();
    if (failure)
        std::rethrow_exception(failure);
}

}  // namespace batch
