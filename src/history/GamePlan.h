#pragma once

#include "game/TeachingPlan.h"

#include <QDate>
#include <QString>

namespace lumari {

class Settings;

// The current learner's plan on the set, read from the history at path
// without changing it: none for "No learner chosen", a learner the history
// does not hold, no history yet, or a history that cannot be read (the
// game's recording deals with that file at the game's end). Never throws.
TeachingPlan PlanForCurrentLearner(Settings& settings, const QString& historyPath, const QString& set, const QDate& today);

}  // namespace lumari
