#include "history/GamePlan.h"

#include "history/HistoryFile.h"
#include "history/LearnerPlans.h"
#include "history/Learners.h"
#include "history/SqlSteps.h"

#include <QFileInfo>

namespace lumari {

GamePlan PlanForCurrentLearner(Settings& settings, const QString& historyPath, const QString& set, const QDate& today)
{
    GamePlan game;
    const QString learner = CurrentLearner(settings);
    // Without a learner, or before any history, the game is the described one.
    if (learner.isEmpty() || !QFileInfo::exists(historyPath)) return game;
    const OpenedHistory history = OpenHistory(historyPath);
    game.keptAside = history.keptAside;
    if (!history.connection) return game;
    try {
        if (const std::optional<Learner> found = FindLearner(history.connection->db(), learner))
            game.plan = PlanForGame(history.connection->db(), found->id, set, today);
    } catch (const HistoryError&) {
        game.plan = {};
    }
    return game;
}

}  // namespace lumari
