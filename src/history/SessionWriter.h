#pragma once

#include "history/SessionRecord.h"

class QSqlDatabase;

namespace lumari {

// Adds a game to the history in one transaction: its learner when not there
// yet, its sessions row and one rounds row per round; or nothing at all.
// Returns the session's id. Throws HistoryError.
qint64 WriteSession(const QSqlDatabase& db, const SessionRecord& session);

}  // namespace lumari
