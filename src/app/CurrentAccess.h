#pragma once

#include "game/AccessOptions.h"

#include <QString>

namespace lumari {

class Settings;

// The access settings of the learner who plays next, read from the history
// at historyPath. "No learner chosen", a learner not in the history, and a
// history that is missing or cannot be read all give the defaults: the
// described game. Never throws, and never makes or changes the history.
AccessOptions CurrentLearnerAccess(Settings& settings, const QString& historyPath);

}  // namespace lumari
