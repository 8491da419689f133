#include "history/GamePlan.h"

#include "history/LearnerPlans.h"
#include "history/Learners.h"
#include "history/SqlSteps.h"

#include <QFileInfo>
#include <QSqlDatabase>

namespace lumari {

TeachingPlan PlanForCurrentLearner(Settings& settings, const QString& historyPath, const QString& set, const QDate& today)
{
    const QString learner = CurrentLearner(settings);
    // Without a learner, or before any history, the game is the described one.
    if (learner.isEmpty() || !QFileInfo::exists(historyPath)) return {};
    const QString name = QStringLiteral("lumari-game-plan");
    TeachingPlan plan;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(historyPath);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=2000"));
        try {
            if (db.open())
                if (const std::optional<Learner> found = FindLearner(db, learner))
                    plan = PlanForGame(db, found->id, set, today);
        } catch (const HistoryError&) {
            plan = {};  // damaged, or of an older version: no plan this time
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return plan;
}

}  // namespace lumari
