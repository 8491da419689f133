#pragma once

#include "game/GameEvents.h"

namespace lumari {

// The game's events timed by the machine's monotonic clock.
class SteadyStopwatch : public Stopwatch {
public:
    MonotonicTime Now() const noexcept override { return std::chrono::steady_clock::now(); }
};

}  // namespace lumari
