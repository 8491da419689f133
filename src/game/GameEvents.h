#pragma once

#include "game/GameOptions.h"
#include "game/GameTally.h"
#include "game/MonotonicTime.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace lumari {

// The source of that time; the real one reads steady_clock, tests step it.
class Stopwatch {
public:
    virtual ~Stopwatch() = default;
    virtual MonotonicTime Now() const noexcept = 0;
};

// A game begins, with the options it is played with.
struct GameStartedEvent {
    MonotonicTime at;
    GameOptions options;
};

// A round put on show: the image's file name (its tag), the symbols' file
// names in display order from the left (one per placeholder in use, "" for a
// placeholder left empty), and the placeholder of the image's own symbol
// (0 is the leftmost; -1 when none holds it, as for an image without a name).
struct RoundShownEvent {
    MonotonicTime at;
    QString image;
    QStringList symbols;
    int rightPosition = 0;
};

// How an answer was given: a click (or a touch) on the placeholder, its digit
// key, the switches' select on the scan's frame, or the pointer's dwell.
enum class AnsweredBy { Click, Key, Scan, Dwell };

// An answer: its placeholder (0 is the leftmost), whether it was right,
// whether it was the first answer of its round, and how it was given.
struct AnswerEvent {
    MonotonicTime at;
    int position = 0;
    bool right = false;
    bool first = false;
    AnsweredBy by = AnsweredBy::Click;
};

// With a teaching plan, the round on show prompts: its distractors dim or hide.
struct PromptShownEvent {
    MonotonicTime at;
};

// The round on show was left by "Change set".
struct RoundSkippedEvent {
    MonotonicTime at;
};

// The game is over: its window closed, or a set without repetitions ran out.
// roundOnShow: the last round shown was still on show, left neither by a
// right answer nor by "Change set" (a window closed during a round).
// tally: the game's counts as they stand at its end.
struct GameEndedEvent {
    MonotonicTime at;
    bool roundOnShow = false;
    GameTally tally;
    std::optional<int> distractorLevel{};  // distractor fading's level to keep for the learner and set
};

// Told what happens in a game, in the order it happens. Each call is made on
// the game window's thread and must not throw.
class GameObserver {
public:
    virtual ~GameObserver() = default;
    virtual void GameStarted(const GameStartedEvent&) noexcept {}
    virtual void RoundShown(const RoundShownEvent&) noexcept {}
    virtual void Answered(const AnswerEvent&) noexcept {}
    virtual void PromptShown(const PromptShownEvent&) noexcept {}
    virtual void RoundSkipped(const RoundSkippedEvent&) noexcept {}
    virtual void GameEnded(const GameEndedEvent&) noexcept {}
};

// Tells each of its observers in turn, in the order they were added; each
// must outlive it.
class GameObservers : public GameObserver {
public:
    void Add(GameObserver* observer) { observers_.push_back(observer); }

    void GameStarted(const GameStartedEvent& e) noexcept override { Tell(&GameObserver::GameStarted, e); }
    void RoundShown(const RoundShownEvent& e) noexcept override { Tell(&GameObserver::RoundShown, e); }
    void Answered(const AnswerEvent& e) noexcept override { Tell(&GameObserver::Answered, e); }
    void PromptShown(const PromptShownEvent& e) noexcept override { Tell(&GameObserver::PromptShown, e); }
    void RoundSkipped(const RoundSkippedEvent& e) noexcept override { Tell(&GameObserver::RoundSkipped, e); }
    void GameEnded(const GameEndedEvent& e) noexcept override { Tell(&GameObserver::GameEnded, e); }

private:
    template <typename Event>
    void Tell(void (GameObserver::*what)(const Event&) noexcept, const Event& event) const noexcept
    {
        for (GameObserver* observer : observers_) (observer->*what)(event);
    }

    std::vector<GameObserver*> observers_;
};

}  // namespace lumari
