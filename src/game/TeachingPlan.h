#pragma once

#include "game/MonotonicTime.h"

#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace lumari {

class RandomNumbers;

// How a learner's prompts fade, by the procedure's name as stored and typed.
enum class Procedure { None, Errorless, ConstantDelay, ProgressiveDelay, LeastToMost, DistractorFading };
// The prompt on the game window: the distractors dimmed, or hidden.
enum class PromptForm { Dim, Hide };

QString ProcedureName(Procedure procedure);  // "none", "errorless", "constant-delay", ...
std::optional<Procedure> ProcedureNamed(const QString& name);
QString PromptFormName(PromptForm form);  // "dim", "hide"
std::optional<PromptForm> PromptFormNamed(const QString& name);

// Distractor fading's levels: the distractors' opacity in percent.
constexpr int kFirstDistractorLevel = 20;
constexpr int kDistractorLevelStep = 20;
constexpr int kFullDistractorLevel = 100;
// The distractors' opacity while a prompt dims them.
constexpr int kDimmedOpacity = 20;

// The plan handed to one game. Without a procedure the game is the described
// game: no prompt, positions and pictures drawn as always.
struct TeachingPlan {
    Procedure procedure = Procedure::None;
    int delayMs = 0;  // this session's delay for the delay procedures
    PromptForm promptForm = PromptForm::Dim;
    int distractorLevel = kFirstDistractorLevel;  // distractor fading's level for this learner and set
    // By image file name: the pictures due for a check, and those mastered
    // and not due (kept ones too). The others are the ones being taught, new
    // ones included; they and the due ones are drawn first, and a due
    // picture's round shows no prompt.
    QSet<QString> due{};
    QSet<QString> learnt{};

    bool Active() const { return procedure != Procedure::None; }
};

// The images a round is drawn from, with a plan: those left that are not
// learnt, while there are any; otherwise all of them (learnt pictures still
// serve as distractors, and as images once nothing else is left). Without a
// plan, all of them. Keeps the given order.
QStringList DrawFirst(const TeachingPlan& plan, const QStringList& images);

// What the round shows of the plan now: the distractors' opacity, and
// whether that is a prompt. Distractor fading's levels are the procedure's
// own stimulus, not a prompt: were they one, no answer below 100 % could be
// unprompted and the level could never rise.
struct PromptState {
    int distractorOpacity = kFullDistractorLevel;  // percent: 100 as described, 0 hidden
    bool prompt = false;

    bool operator==(const PromptState&) const = default;
};

// The prompts of one game, round by round, on the game's monotonic time. It
// holds no timer: the window asks when the next change is due, arms its own
// timer, and tells the coach when time has passed; then it draws State().
class PromptCoach {
public:
    explicit PromptCoach(TeachingPlan plan);

    // A new round of that image is on show.
    void RoundShown(MonotonicTime at, const QString& image);
    // The window's timer fired, or it looks again: a prompt due by now shows.
    void TimePassed(MonotonicTime now);
    // An answer by click or key, right or wrong; the first one of the round
    // settles whether the round was prompted, and cancels a prompt still
    // pending (the delay procedures prompt only a child who has not answered).
    // Distractor fading's level moves on first answers only, never on a check.
    void Answered(MonotonicTime at, bool right);

    // When the round's prompt is due, while it is pending.
    std::optional<MonotonicTime> PromptDue() const;
    PromptState State() const { return state_; }
    // For the round's record: ms from the image's appearance to the prompt,
    // none when no prompt was shown before the first answer.
    std::optional<qint64> PromptMs() const { return promptMs_; }
    // The round's first answer was right with a prompt shown before it.
    bool FirstAnswerPrompted() const { return firstRight_ && promptMs_.has_value(); }
    bool CheckRound() const { return check_; }
    // Distractor fading's level now, to keep for the learner and set.
    int DistractorLevel() const { return level_; }
    const TeachingPlan& Plan() const { return plan_; }

private:
    void Prompt(MonotonicTime at, int opacity);

    TeachingPlan plan_;
    int level_;
    int rightInARow_ = 0;  // distractor fading's unprompted right first answers
    MonotonicTime shownAt_{};
    std::optional<MonotonicTime> due_;
    PromptState state_;
    std::optional<qint64> promptMs_;
    int wrongAnswers_ = 0;
    bool answered_ = false;
    bool firstRight_ = false;
    bool check_ = false;
};

// The right symbol's place round after round, with a plan: a fresh random
// order of the places for each block of as many rounds as places. The right
// symbol is then never in the same place 3 rounds running, and any 12 rounds
// in a row hold 2 whole blocks, so with 4 places each is used at least twice.
class PositionPlan {
public:
    explicit PositionPlan(RandomNumbers& random) : random_(random) {}
    // The next round's place, 0 the leftmost, among that many places. A new
    // number of places starts a new block.
    int Next(int places);

private:
    RandomNumbers& random_;
    std::vector<int> block_;
    std::size_t used_ = 0;
};

// What a session on the set came to, for the next session's delay.
struct SessionOutcome {
    Procedure procedure = Procedure::None;
    std::optional<int> delayMs;  // the delay in force
    int firstAnswers = 0;        // rounds with a first answer
    int unpromptedRight = 0;     // of those, right with no prompt before
};

// The delay procedures' settings, in seconds.
struct DelayRule {
    int delaySeconds = 4;         // D
    int zeroDelaySessions = 2;    // constant delay: sessions at 0 s first
};
// D when the learner's plan does not set it: 5 s for progressive delay, 4 s otherwise.
int DefaultDelaySeconds(Procedure procedure);

// This session's delay in ms, from the learner's previous sessions on the
// set, oldest first. Constant delay: 0 for the first zeroDelaySessions
// sessions played with it, then D. Progressive delay: 0 at first; then the
// last progressive session's delay, 1 s longer after one with at least 90 %
// unprompted right first answers (up to D), 1 s shorter after one below
// 50 % (down to 0). Other procedures: 0.
int SessionDelayMs(Procedure procedure, const DelayRule& rule, const std::vector<SessionOutcome>& previous);

}  // namespace lumari
