#pragma once

#include "game/GameEvents.h"

#include <chrono>
#include <optional>

namespace lumari {

// Selecting by resting the pointer on a symbol (eye-gaze and head pointers
// move the mouse pointer), on the game's monotonic time. It holds no timer:
// the window tells it where the pointer is, asks when the dwell completes,
// arms its own timer and tells it when time has passed; it draws a ring
// filled by Fill().
//
// The pointer resting on one symbol for the dwell time selects it. Leaving
// the symbol empties the ring. After a selection the symbol is not selected
// again until the pointer has left it or a new round has started.
class Dwell {
public:
    explicit Dwell(int dwellMs) : dwell_(std::chrono::milliseconds(dwellMs)) {}

    // A round is on show from `at`: the symbol under the pointer, if any,
    // starts its dwell afresh.
    void RoundShown(MonotonicTime at);
    // No round on show: nothing fills until the next one.
    void Stop();
    // The pointer is over that symbol (none: over no symbol) from `at`.
    // Returns the symbol selected, when a dwell completed before the move.
    std::optional<int> PointerAt(MonotonicTime at, std::optional<int> symbol);
    // The window's timer fired: the symbol selected, when its dwell is complete.
    std::optional<int> TimePassed(MonotonicTime now);

    // When the dwell under way completes, if one is.
    std::optional<MonotonicTime> NextDue() const;
    // The symbol whose ring fills, if one does.
    std::optional<int> Filling() const;
    // How full its ring is at `now`, 0 to 1; 0 when none fills.
    double Fill(MonotonicTime now) const;

private:
    std::chrono::microseconds dwell_;
    bool showing_ = false;
    std::optional<int> under_;  // the symbol under the pointer
    MonotonicTime since_{};     // when its dwell started
    bool spent_ = false;        // it was selected and the pointer has not left it
};

}  // namespace lumari
