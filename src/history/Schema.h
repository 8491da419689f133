#pragma once

class QSqlDatabase;

namespace lumari {

// The version of the history's tables this program writes, kept in
// PRAGMA user_version.
//   1: learners, sessions and rounds.
//   2: sessions.started_ms (the start as milliseconds since 1970 UTC, so that
//      sessions sort and filter by time across changes of the UTC offset),
//      and the indexes that find a learner's sessions and a session's rounds.
//   3: teaching plans: rounds.prompt_ms, sessions.procedure and delay_ms, the
//      learners' plans (learner_plans) and distractor fading's level per
//      learner and set (distractor_levels).
//   4: sessions.task (the task played: match, or spoken for "Find the one I
//      say"; NULL in older rows means match) and rounds.answered_by (how the
//      round's first answer was given: click, key, scan or dwell).
constexpr int kSchemaVersion = 4;

// The tables as version 1 made them, in a file without tables.
void CreateFirstVersion(const QSqlDatabase& db);

// Brings the file to kSchemaVersion in one transaction: the first version's
// tables in a new file, then each migration in turn. A file of a later
// version is left as it is and refused. Throws HistoryError.
// target: an earlier version, to make the files of earlier programs.
void BringUpToDate(const QSqlDatabase& db, int target = kSchemaVersion);

int SchemaVersion(const QSqlDatabase& db);

}  // namespace lumari
