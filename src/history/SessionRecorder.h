#pragma once

#include "game/GameEvents.h"
#include "history/SessionRecord.h"

#include <optional>

namespace lumari {

class Settings;
class WallClock;

// Follows one game and keeps its rounds: the image, the symbols and the right
// place when shown; each answer counted, the first one judged and timed from
// the round shown; "Change set" marks the round skipped. The round on show
// when the game ends is a round too.
class SessionRecorder : public GameObserver {
public:
    // settings: where the learner who plays is read, as the game starts. Both
    // must outlive the recorder.
    SessionRecorder(const WallClock& clock, Settings& settings);

    void GameStarted(const GameStartedEvent& event) noexcept override;
    void RoundShown(const RoundShownEvent& event) noexcept override;
    void Answered(const AnswerEvent& event) noexcept override;
    void PromptShown(const PromptShownEvent& event) noexcept override;
    void RoundSkipped(const RoundSkippedEvent& event) noexcept override;
    void GameEnded(const GameEndedEvent& event) noexcept override;

    // The game as played, with the options of its start and the tally of its
    // end, the statistics' own counts. Nothing before its end, or when it had
    // no answer: such a game is recorded neither here nor in the statistics.
    std::optional<SessionRecord> Session() const;

private:
    const WallClock& clock_;
    Settings& settings_;
    GameOptions options_;
    std::optional<GameTally> tally_;  // told at the game's end
    std::optional<int> distractorLevel_;
    QString learner_;
    QDateTime started_;
    QDateTime ended_;
    std::vector<RoundRecord> rounds_;
    MonotonicTime shownAt_{};
    bool roundOn_ = false;  // a round is on show and may still be answered
};

}  // namespace lumari
