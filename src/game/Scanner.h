#pragma once

#include "game/AccessOptions.h"
#include "game/GameEvents.h"

#include <chrono>
#include <optional>

namespace lumari {

// What the window draws of the scan: the framed symbol (0 the leftmost), or
// none while paused or with no round on show.
struct ScanState {
    std::optional<int> framed;
    bool paused = false;

    bool operator==(const ScanState&) const = default;
};

// Switch scanning over a round's symbols, on the game's monotonic time. It
// holds no timer: the window asks when the next step is due, arms its own
// timer, tells the scanner when time has passed and when a switch is
// pressed, then draws State().
//
// A round starts with the frame on the leftmost symbol, for 1.5 steps. One
// switch (auto): the frame moves on by itself every step, from the last
// symbol back to the first; a select key selects the framed symbol. Two
// switches (step): the frame moves only at a step key; a select key
// selects. In both, a step key moves the frame at once (and, one switch,
// the next move is a whole step later). A scan key pressed within the
// debounce time of the last press taken is ignored, whichever key it was.
// One switch: after three passes over the symbols with no press, the scan
// pauses; a press then starts it again from the left without selecting.
// After a selection the frame starts again from the left, as at a new round
// (a wrong answer leaves the round on show).
class Scanner {
public:
    Scanner(int stepMs, ScanMode mode, ScanKeys keys, int debounceMs);
    explicit Scanner(const AccessOptions& options)
        : Scanner(options.scanMs.value_or(access_limits::kShortestStepMs), options.scanMode, options.scanKeys,
                  options.debounceMs) {}

    // Whether the key is one of the switches': the window gives it to the
    // scanner, not to the digit answers or "Change set".
    bool Takes(int key) const { return IsSelect(key) || IsStep(key); }

    // A round of that many symbols is on show from `at`.
    void RoundShown(MonotonicTime at, int symbols);
    // No round on show (the game ends, or a box stands in front of it).
    void Stop();
    // The window's timer fired: the steps due by now are taken.
    void TimePassed(MonotonicTime now);
    // A scan key pressed at `at`: the symbol it selects, if it selects one.
    // A key the scanner does not take does nothing.
    std::optional<int> Pressed(MonotonicTime at, int key);

    // When the frame next moves by itself, if it does.
    std::optional<MonotonicTime> NextDue() const { return due_; }
    ScanState State() const { return state_; }

private:
    bool IsSelect(int key) const;
    bool IsStep(int key) const;
    void Restart(MonotonicTime at);
    void Step();

    std::chrono::microseconds step_;
    ScanMode mode_;
    ScanKeys keys_;
    std::chrono::milliseconds debounce_;
    int symbols_ = 0;
    int silentSteps_ = 0;
    std::optional<MonotonicTime> lastPress_;
    std::optional<MonotonicTime> due_;
    ScanState state_;
};

}  // namespace lumari
