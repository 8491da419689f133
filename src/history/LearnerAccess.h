#pragma once

#include "game/AccessOptions.h"

class QSqlDatabase;

namespace lumari {

// The learner's access settings, the defaults (the described game) when none
// are stored. A stored value this program cannot use (a later version's, a
// hand edit) reads as its default, a number out of range as the nearest one
// allowed. Throw HistoryError.
AccessOptions LoadLearnerAccess(const QSqlDatabase& db, qint64 learner);
void SaveLearnerAccess(const QSqlDatabase& db, qint64 learner, const AccessOptions& access);

}  // namespace lumari
