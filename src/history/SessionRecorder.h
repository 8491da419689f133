#pragma once

#include "game/GameEvents.h"
#include "history/SessionRecord.h"

#include <optional>

namespace lumari {

struct Module1;
class Settings;
class WallClock;

// Follows one game and keeps its rounds: the image, the symbols and the right
// place when shown; each answer counted, the first one judged and timed from
// the round shown; "Change set" marks the round skipped. The round on show
// when the game ends is a round too.
class SessionRecorder : public GameObserver {
public:
    // module1: the game's shared state, whose options and counts the session
    // takes; settings: where the learner who plays is read, as the game
    // starts. All must outlive the recorder.
    SessionRecorder(const Module1& module1, const WallClock& clock, Settings& settings);

    void RoundShown(const RoundShownEvent& event) noexcept override;
    void Answered(const AnswerEvent& event) noexcept override;
    void RoundSkipped(const RoundSkippedEvent& event) noexcept override;
    void GameEnded(const GameEndedEvent& event) noexcept override;

    // The game as played up to now, with the shown, right and wrong counts of
    // the shared state, so they are the statistics' own. Nothing when it had
    // no answer: such a game is recorded neither here nor in the statistics.
    std::optional<SessionRecord> Session() const;

private:
    const Module1& module1_;
    const WallClock& clock_;
    Settings& settings_;
    QString learner_;
    QDateTime started_;
    QDateTime ended_;
    std::vector<RoundRecord> rounds_;
    MonotonicTime shownAt_{};
    bool roundOn_ = false;  // a round is on show and may still be answered
};

}  // namespace lumari
