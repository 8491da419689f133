#pragma once

#include "history/Progress.h"

namespace lumari::bench {

// The plain way to read a learner's progress: the games in one query, then
// one query per game for its rounds, on a file without indexes. The same
// figures as LoadProgress.
Progress PlainProgress(const QSqlDatabase& db, qint64 learner);

}  // namespace lumari::bench
