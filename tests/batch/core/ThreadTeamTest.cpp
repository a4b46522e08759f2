#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <set>
#include <stdexcept>
#include <thread>

#include "batch/core/ThreadTeam.h"

namespace {

// Every job runs once on each of the team's threads and the caller's, and
// the team serves job after job.
TEST(ThreadTeam, RunsEachJobOnEveryThreadAndTheCallers) {
    batch::ThreadTeam team(2);
    ASSERT_EQ(team.size(), 3u);
    for (int round = 0; round < 3; ++round) {
        std::mutex lock;
        std::set<std::thread::id> threads;
        std::atomic<int> runs{0};
        team.runOnAll([&] {
            ++runs;
            const std::lock_guard guard(lock);
            threads.insert(std::this_thread::get_id());
        });
        EXPECT_EQ(runs.load(), 3) << round;
        EXPECT_EQ(threads.size(), 3u) << round;
        EXPECT_EQ(threads.count(std::this_thread::get_id()), 1u) << round;
    }
}

// A job that throws on a team thread is reported to the caller once every
// thread has finished it; the team goes on serving.
TEST(ThreadTeam, AFailureComesBackAfterAllHaveFinished) {
    batch::ThreadTeam team(1);
    const std::thread::id caller = std::this_thread::get_id();
    std::atomic<bool> callerDone{false};
    EXPECT_THROW(team.runOnAll([&] {
        if (std::this_thread::get_id() != caller)
            throw std::runtime_error("worker failed");
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        callerDone = true;
    }),
                 std::runtime_error);
    EXPECT_TRUE(callerDone.load());
    std::atomic<int> runs{0};
    team.runOnAll([&] { ++runs; });
    EXPECT_EQ(runs.load(), 2);
}

// A team for one job runs it on every thread, and its threads are gone
// once it is done, so a second job is refused instead of waiting forever.
TEST(ThreadTeam, AOneJobTeamRefusesASecond) {
    batch::ThreadTeam team(2, batch::ThreadTeam::Jobs::one);
    std::atomic<int> runs{0};
    team.runOnAll([&] { ++runs; });
    EXPECT_EQ(runs.load(), 3);
    EXPECT_THROW(team.runOnAll([&] { ++runs; }), std::logic_error);
    EXPECT_EQ(runs.load(), 3);
}

}  // namespace
