#pragma once

#include "game/TeachingPlan.h"

#include <QDate>
#include <QString>

namespace lumari {

class Settings;

// The plan of the game about to start, and where a damaged history was kept
// aside while it was read ("" when none was).
struct GamePlan {
    TeachingPlan plan;
    QString keptAside;
};

// The current learner's plan on the set, from the history at path: none for
// "No learner chosen", a learner the history does not hold, no history yet,
// or a history that cannot be read. Never throws.
GamePlan PlanForCurrentLearner(Settings& settings, const QString& historyPath, const QString& set, const QDate& today);

}  // namespace lumari
