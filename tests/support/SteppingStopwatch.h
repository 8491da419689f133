#pragma once

#include "game/GameEvents.h"

namespace lumari::test {

// Time that moves only when the test steps it, so each event's time is known.
struct SteppingStopwatch : Stopwatch {
    MonotonicTime Now() const noexcept override { return now; }
    void Step(std::chrono::milliseconds by) { now += by; }
    MonotonicTime now{};
};

}  // namespace lumari::test
