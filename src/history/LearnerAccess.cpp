#include "history/LearnerAccess.h"

#include "history/SqlSteps.h"

namespace lumari {

using namespace access_limits;

AccessOptions LoadLearnerAccess(const QSqlDatabase& db, qint64 learner)
{
    QSqlQuery row = RunSql(db,
        QStringLiteral("SELECT screen, scan_ms, scan_mode, scan_keys, debounce_ms, dwell_ms, speak, task "
                       "FROM learner_access WHERE learner_id = ?"),
        {learner});
    AccessOptions access;
    if (!row.next()) return access;
    access.screen = ScreenModeNamed(row.value(0).toString()).value_or(access.screen);
    access.scanMs = StoredNumber(row.value(1), kShortestStepMs, kLongestStepMs);
    access.scanMode = ScanModeNamed(row.value(2).toString()).value_or(access.scanMode);
    access.scanKeys = ScanKeysNamed(row.value(3).toString()).value_or(access.scanKeys);
    access.debounceMs = StoredNumber(row.value(4), 0, kLongestDebounceMs).value_or(access.debounceMs);
    access.dwellMs = StoredNumber(row.value(5), kShortestStepMs, kLongestStepMs);
    access.speech = SpeechNamed(row.value(6).toString()).value_or(access.speech);
    access.task = TaskNamed(row.value(7).toString()).value_or(access.task);
    return access;
}

void SaveLearnerAccess(const QSqlDatabase& db, qint64 learner, const AccessOptions& access)
{
    RunSql(db,
        QStringLiteral("INSERT OR REPLACE INTO learner_access(learner_id, screen, scan_ms, scan_mode, scan_keys, "
                       "debounce_ms, dwell_ms, speak, task) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
        {learner, ScreenModeName(access.screen), Nullable(access.scanMs), ScanModeName(access.scanMode),
         ScanKeysName(access.scanKeys), access.debounceMs, Nullable(access.dwellMs), SpeechName(access.speech),
         TaskName(access.task)});
}

}  // namespace lumari
