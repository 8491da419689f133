#include "history/LearnerPlans.h"

#include "history/SqlSteps.h"

#include <algorithm>

namespace lumari {

namespace {

using namespace plan_limits;

int Bounded(const QVariant& value, int fallback, int least, int most)
{
    return StoredNumber(value, least, most).value_or(fallback);
}

}  // namespace

LearnerPlan LoadLearnerPlan(const QSqlDatabase& db, qint64 learner)
{
    QSqlQuery row = RunSql(db,
        QStringLiteral("SELECT procedure, delay_s, zero_delay_sessions, prompt_form, mastery_percent, mastery_sessions, "
                       "mastery_rounds FROM learner_plans WHERE learner_id = ?"),
        {learner});
    LearnerPlan plan;
    if (!row.next()) return plan;
    // A value this program does not know (a later version's, a hand edit) reads as the default.
    plan.procedure = ProcedureNamed(row.value(0).toString()).value_or(plan.procedure);
    if (!row.value(1).isNull()) plan.delaySeconds = Bounded(row.value(1), plan.DelaySeconds(), 0, kLongestDelaySeconds);
    plan.zeroDelaySessions = Bounded(row.value(2), plan.zeroDelaySessions, 0, kMostZeroDelaySessions);
    plan.promptForm = PromptFormNamed(row.value(3).toString()).value_or(plan.promptForm);
    plan.mastery.percent = Bounded(row.value(4), plan.mastery.percent, 1, 100);
    plan.mastery.sessions = Bounded(row.value(5), plan.mastery.sessions, 1, kMostMasterySessions);
    plan.mastery.rounds = Bounded(row.value(6), plan.mastery.rounds, 1, kMostMasteryRounds);
    return plan;
}

void SaveLearnerPlan(const QSqlDatabase& db, qint64 learner, const LearnerPlan& plan)
{
    RunSql(db,
        QStringLiteral("INSERT OR REPLACE INTO learner_plans(learner_id, procedure, delay_s, zero_delay_sessions, "
                       "prompt_form, mastery_percent, mastery_sessions, mastery_rounds) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
        {learner, ProcedureName(plan.procedure), Nullable(plan.delaySeconds), plan.zeroDelaySessions,
         PromptFormName(plan.promptForm), plan.mastery.percent, plan.mastery.sessions, plan.mastery.rounds});
}

int LoadDistractorLevel(const QSqlDatabase& db, qint64 learner, const QString& set)
{
    const QVariant level = SqlValue(db, QStringLiteral("SELECT level FROM distractor_levels WHERE learner_id = ? AND set_name = ?"),
                                    {learner, set});
    return Bounded(level, kFirstDistractorLevel, kFirstDistractorLevel, kFullDistractorLevel);
}

void SaveDistractorLevel(const QSqlDatabase& db, qint64 learner, const QString& set, int level)
{
    RunSql(db, QStringLiteral("INSERT OR REPLACE INTO distractor_levels(learner_id, set_name, level) VALUES (?, ?, ?)"),
        {learner, set, std::clamp(level, kFirstDistractorLevel, kFullDistractorLevel)});
}

std::vector<SessionOutcome> LoadSessionOutcomes(const QSqlDatabase& db, qint64 learner, const QString& set)
{
    QSqlQuery rows = RunSql(db,
        QStringLiteral("SELECT s.procedure, s.delay_ms, sum(r.first_answer != 'none'), "
                       "sum(r.first_answer = 'right' AND r.prompt_ms IS NULL) "
                       "FROM sessions s LEFT JOIN rounds r ON r.session_id = s.id "
                       "WHERE s.learner_id = ? AND s.set_name = ? GROUP BY s.id ORDER BY s.started_ms, s.id"),
        {learner, set});
    std::vector<SessionOutcome> outcomes;
    while (rows.next()) {
        SessionOutcome outcome;
        outcome.procedure = ProcedureNamed(rows.value(0).toString()).value_or(Procedure::None);
        if (!rows.value(1).isNull()) outcome.delayMs = rows.value(1).toInt();
        outcome.firstAnswers = rows.value(2).toInt();
        outcome.unpromptedRight = rows.value(3).toInt();
        outcomes.push_back(outcome);
    }
    return outcomes;
}

TeachingPlan PlanForGame(const QSqlDatabase& db, qint64 learner, const QString& set, const QDate& today)
{
    const LearnerPlan stored = LoadLearnerPlan(db, learner);
    TeachingPlan plan;
    plan.procedure = stored.procedure;
    if (!plan.Active()) return plan;
    plan.delayMs = SessionDelayMs(plan.procedure, {stored.DelaySeconds(), stored.zeroDelaySessions},
                                  LoadSessionOutcomes(db, learner, set));
    plan.promptForm = stored.promptForm;
    plan.distractorLevel = LoadDistractorLevel(db, learner, set);
    for (const auto& [key, picture] : MasteryOf(LoadMasteryRounds(db, learner), stored.mastery, today)) {
        if (key.first != set) continue;
        if (picture.stage == Stage::CheckDue) plan.due << key.second;
        if (picture.stage == Stage::Mastered || picture.stage == Stage::Kept) plan.learnt << key.second;
    }
    return plan;
}

}  // namespace lumari
