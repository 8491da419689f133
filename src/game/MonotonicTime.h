#pragma once

#include <chrono>

namespace lumari {

// Monotonic time of the game's events: response times are differences of
// these, unaffected by changes of the wall clock.
using MonotonicTime = std::chrono::steady_clock::time_point;

}  // namespace lumari
