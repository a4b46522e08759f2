#include "cli/ParallelRunner.h"

#include <algorithm>
#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

#include "cli/Conversion.h"

namespace cli {

int defaultWorkerCount() {
    const unsigned cores = std::thread::hardware_concurrency();
    return static_cast<int>(std::clamp(cores, 1u, 8u));
}

void runInParallel(size_t count, int workers,
                   const std::function<void(size_t index, codec::CCodec& codec)>& job,
                   const std::function<void(size_t done)>& finished) {
    std::atomic<size_t> next{0};
    std::mutex reportLock;
    size_t done = 0;
    const auto work = [&] {
        codec::CCodec codec;
        prepareCodec(codec);
        for (size_t i = next++; i < count; i = next++) {
            job(i, codec);
            const std::lock_guard lock(reportLock);
            finished(++done);
        }
    };
    const size_t threads = std::min<size_t>(static_cast<size_t>(std::max(workers, 1)), count);
    if (threads <= 1) {
        work();
        return;
    }
    std::vector<std::jthread> pool;
    for (size_t t = 0; t < threads; ++t)
        pool.emplace_back(work);
}

}  // namespace cli
