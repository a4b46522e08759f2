#pragma once

#include <cstddef>
#include <functional>

#include "codec/CCodec.h"

namespace cli {

// Runs job(0) .. job(count - 1) on up to `workers` threads. The codec is
// single-threaded, so every worker has its own, set up with prepareCodec.
// `finished` is called after each job, one call at a time, with the number
// of jobs done so far.
void runInParallel(size_t count, int workers,
                   const std::function<void(size_t index, codec::CCodec& codec)>& job,
                   const std::function<void(size_t done)>& finished);

// The number of workers to use when none is asked for.
int defaultWorkerCount();

}  // namespace cli
