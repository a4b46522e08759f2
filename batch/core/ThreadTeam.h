#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace batch {

// Threads started ahead of the work they will share, so that their start
// overlaps whatever the caller does before the work. The team's threads run
// one job at a time, the calling thread with them. Between jobs a thread
// first watches for the next one for a short while before it sleeps: a
// processor left idle may take milliseconds to wake again (seen on virtual
// machines), far longer than the work it was woken for.
class ThreadTeam {
public:
    // How many jobs the team is given. A team for one job lets its threads
    // end as soon as each has done its part, while the caller goes on.
    enum class Jobs { one, many };

    // Starts `extraThreads` threads beside the caller's; fewer when the
    // system gives no more.
    explicit ThreadTeam(size_t extraThreads, Jobs jobs = Jobs::many);
    ~ThreadTeam();
    ThreadTeam(const ThreadTeam&) = delete;
    ThreadTeam& operator=(const ThreadTeam&) = delete;

    // The threads that run a job: the team's and the caller's.
    size_t size() const { return threads_.size() + 1; }

    // Runs job on every thread of the team and on the calling thread, and
    // returns once all have finished it. The first exception a job threw
    // is thrown here, after all have finished. A team for one job refuses
    // a second (std::logic_error).
    void runOnAll(const std::function<void()>& job);

private:
    void serve();
    // Returns once a job after `seen` was given or the team ends.
    void awaitJob(unsigned seen);

    const Jobs jobs_;
    std::mutex mutex_;
    std::condition_variable changed_;
    const std::function<void()>* job_ = nullptr;  // guarded by mutex_
    size_t running_ = 0;                          // guarded: team threads still in the job
    std::exception_ptr failure_;                  // guarded
    // Changed under mutex_, also read without it while watching.
    std::atomic<unsigned> generation_{0};  // counts the jobs given
    std::atomic<bool> ending_{false};
    // The threads moved to their first processor so far.
    std::atomic<size_t> placed_{0};
    std::vector<std::thread> threads_;
};

}  // namespace batch
