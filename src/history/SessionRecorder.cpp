#include "history/SessionRecorder.h"

#include "history/Learners.h"
#include "history/WallClock.h"

namespace lumari {

SessionRecorder::SessionRecorder(const WallClock& clock, Settings& settings) : clock_(clock), settings_(settings) {}

void SessionRecorder::GameStarted(const GameStartedEvent& event) noexcept { options_ = event.options; }

void SessionRecorder::RoundShown(const RoundShownEvent& event) noexcept
{
    if (rounds_.empty()) {
        started_ = clock_.Now();
        learner_ = CurrentLearner(settings_);
    }
    RoundRecord round;
    round.image = event.image;
    round.symbols = event.symbols;
    round.rightPosition = event.rightPosition + 1;
    rounds_.push_back(std::move(round));
    shownAt_ = event.at;
    roundOn_ = true;
}

void SessionRecorder::Answered(const AnswerEvent& event) noexcept
{
    // A click while no round could be drawn belongs to no round.
    if (!roundOn_) return;
    RoundRecord& round = rounds_.back();
    ++round.answers;
    if (event.first && round.firstAnswer == FirstAnswer::None) {
        round.firstAnswer = event.right ? FirstAnswer::Right : FirstAnswer::Wrong;
        round.responseMs = std::chrono::duration_cast<std::chrono::milliseconds>(event.at - shownAt_).count();
        // The first answer's way, as its time: a scanned answer takes the scan's steps.
        round.answeredBy = event.by;
    }
    // A right answer ends the round; the next one is shown at once.
    if (event.right) roundOn_ = false;
}

void SessionRecorder::PromptShown(const PromptShownEvent& event) noexcept
{
    // Only a prompt before the round's first answer makes its answer prompted.
    if (!roundOn_ || rounds_.back().firstAnswer != FirstAnswer::None) return;
    rounds_.back().promptMs = std::chrono::duration_cast<std::chrono::milliseconds>(event.at - shownAt_).count();
}

void SessionRecorder::RoundSkipped(const RoundSkippedEvent&) noexcept
{
    if (!roundOn_) return;
    rounds_.back().skipped = true;
    roundOn_ = false;
}

void SessionRecorder::GameEnded(const GameEndedEvent& event) noexcept
{
    tally_ = event.tally;
    distractorLevel_ = event.distractorLevel;
    ended_ = clock_.Now();
    roundOn_ = false;
}

std::optional<SessionRecord> SessionRecorder::Session() const
{
    // Summed wide: counts whose 32-bit sum overflows still had answers, as the statistics take them.
    if (!tally_ || qint64(tally_->SessionCorrect) + tally_->SessionWrong <= 0) return std::nullopt;
    SessionRecord session;
    session.learner = learner_;
    session.ended = ended_;
    session.started = started_.isValid() ? started_ : session.ended;
    session.setName = options_.ImagesSet;
    session.placeholders = options_.MaxPlaceholders;
    session.wayToWork = options_.WayToWork == Drawing::ControlledRandom ? 2 : 1;
    session.shown = tally_->SessionShown;
    session.correct = tally_->SessionCorrect;
    session.wrong = tally_->SessionWrong;
    session.rounds = rounds_;
    if (options_.plan.Active()) {
        session.procedure = ProcedureName(options_.plan.procedure);
        session.delayMs = options_.plan.delayMs;
    }
    session.distractorLevel = distractorLevel_;
    session.task = options_.access.task;
    return session;
}

}  // namespace lumari
