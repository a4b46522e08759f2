#pragma once

#include <cstddef>

// This test program replaces the global operator new so tests can see the
// largest single allocation a piece of code asked for.
namespace bmptest {

void resetLargestAllocation();
size_t largestAllocation();

}  // namespace bmptest
