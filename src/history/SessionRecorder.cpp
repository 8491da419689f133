#include "history/SessionRecorder.h"

#include "history/Learners.h"
#include "history/WallClock.h"
#include "state/Module1.h"

namespace lumari {

SessionRecorder::SessionRecorder(const Module1& module1, const WallClock& clock, Settings& settings)
    : module1_(module1), clock_(clock), settings_(settings)
{
}

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
    }
    // A right answer ends the round; the next one is shown at once.
    if (event.right) roundOn_ = false;
}

void SessionRecorder::RoundSkipped(const RoundSkippedEvent&) noexcept
{
    if (!roundOn_) return;
    rounds_.back().skipped = true;
    roundOn_ = false;
}

void SessionRecorder::GameEnded(const GameEndedEvent&) noexcept
{
    ended_ = clock_.Now();
    roundOn_ = false;
}

std::optional<SessionRecord> SessionRecorder::Session() const
{
    if (module1_.SessionCorrect + module1_.SessionWrong <= 0) return std::nullopt;
    SessionRecord session;
    session.learner = learner_;
    session.ended = ended_.isValid() ? ended_ : clock_.Now();
    session.started = started_.isValid() ? started_ : session.ended;
    session.setName = module1_.ImagesSet;
    session.placeholders = module1_.MaxPlaceholders;
    session.wayToWork = module1_.WayToWork;
    session.shown = module1_.SessionShown;
    session.correct = module1_.SessionCorrect;
    session.wrong = module1_.SessionWrong;
    session.rounds = rounds_;
    return session;
}

}  // namespace lumari
