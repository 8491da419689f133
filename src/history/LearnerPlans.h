#pragma once

#include "game/TeachingPlan.h"
#include "history/Mastery.h"

#include <QDate>
#include <QString>

#include <optional>
#include <vector>

class QSqlDatabase;

namespace lumari {

// A learner's teaching plan as the adult sets it. The default is no plan:
// the described game.
struct LearnerPlan {
    Procedure procedure = Procedure::None;
    std::optional<int> delaySeconds;  // D; none: the procedure's default
    int zeroDelaySessions = 2;
    PromptForm promptForm = PromptForm::Dim;
    MasteryRule mastery;

    int DelaySeconds() const { return delaySeconds.value_or(DefaultDelaySeconds(procedure)); }
    bool operator==(const LearnerPlan&) const = default;
};

// The values a plan accepts; a stored value outside them reads as the
// nearest one.
namespace plan_limits {
constexpr int kLongestDelaySeconds = 60;
constexpr int kMostZeroDelaySessions = 100;
constexpr int kMostMasterySessions = 20;
constexpr int kMostMasteryRounds = 1000;
}  // namespace plan_limits

// The learner's plan, the default when none is stored. Throws HistoryError.
LearnerPlan LoadLearnerPlan(const QSqlDatabase& db, qint64 learner);
void SaveLearnerPlan(const QSqlDatabase& db, qint64 learner, const LearnerPlan& plan);

// Distractor fading's level for the learner on the set, 20 at first.
int LoadDistractorLevel(const QSqlDatabase& db, qint64 learner, const QString& set);
void SaveDistractorLevel(const QSqlDatabase& db, qint64 learner, const QString& set, int level);

// The learner's sessions on the set, oldest first, as the delay procedures
// read them.
std::vector<SessionOutcome> LoadSessionOutcomes(const QSqlDatabase& db, qint64 learner, const QString& set);

// The plan handed to the learner's next game on the set, played `today`:
// the procedure, this session's delay, the prompt form, the distractor
// level, and the pictures due or learnt by the learner's mastery rule.
TeachingPlan PlanForGame(const QSqlDatabase& db, qint64 learner, const QString& set, const QDate& today);

}  // namespace lumari
