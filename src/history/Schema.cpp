#include "history/Schema.h"

#include "history/HistoryText.h"
#include "history/SqlSteps.h"


#include <array>
#include <vector>

namespace lumari {

namespace {

constexpr std::array kFirstVersion = {
    "CREATE TABLE learners(id INTEGER PRIMARY KEY, name TEXT NOT NULL UNIQUE COLLATE NOCASE, created TEXT NOT NULL, "
    "archived INTEGER NOT NULL DEFAULT 0)",
    "CREATE TABLE sessions(id INTEGER PRIMARY KEY, learner_id INTEGER REFERENCES learners(id), started TEXT NOT NULL, "
    "ended TEXT NOT NULL, set_name TEXT NOT NULL, placeholders INTEGER NOT NULL, way_to_work INTEGER NOT NULL, "
    "shown INTEGER NOT NULL, correct INTEGER NOT NULL, wrong INTEGER NOT NULL)",
    "CREATE TABLE rounds(id INTEGER PRIMARY KEY, session_id INTEGER NOT NULL REFERENCES sessions(id), seq INTEGER NOT NULL, "
    "image TEXT NOT NULL, symbols TEXT NOT NULL, right_position INTEGER NOT NULL, first_answer TEXT NOT NULL CHECK "
    "(first_answer IN ('right','wrong','none')), answers INTEGER NOT NULL, response_ms INTEGER, skipped INTEGER NOT NULL)",
};

// Entry n brings version n + 1 to version n + 2.
const std::vector<std::vector<const char*>> kMigrations = {
    {
        "ALTER TABLE sessions ADD COLUMN started_ms INTEGER",
        // SQLite reads the UTC offset of the stored text.
        "UPDATE sessions SET started_ms = CAST(strftime('%s', started) AS INTEGER) * 1000",
        "CREATE INDEX sessions_by_learner ON sessions(learner_id, started_ms)",
        "CREATE INDEX rounds_by_session ON rounds(session_id, seq)",
    },
    {
        "ALTER TABLE rounds ADD COLUMN prompt_ms INTEGER",
        "ALTER TABLE sessions ADD COLUMN procedure TEXT",
        "ALTER TABLE sessions ADD COLUMN delay_ms INTEGER",
        "CREATE TABLE learner_plans(learner_id INTEGER PRIMARY KEY REFERENCES learners(id), "
        "procedure TEXT NOT NULL DEFAULT 'none', delay_s INTEGER, zero_delay_sessions INTEGER NOT NULL DEFAULT 2, "
        "prompt_form TEXT NOT NULL DEFAULT 'dim', mastery_percent INTEGER NOT NULL DEFAULT 80, "
        "mastery_sessions INTEGER NOT NULL DEFAULT 3, mastery_rounds INTEGER NOT NULL DEFAULT 5)",
        "CREATE TABLE distractor_levels(learner_id INTEGER NOT NULL REFERENCES learners(id), set_name TEXT NOT NULL, "
        "level INTEGER NOT NULL, PRIMARY KEY(learner_id, set_name))",
        "CREATE TABLE learner_access(learner_id INTEGER PRIMARY KEY REFERENCES learners(id), "
        "screen TEXT NOT NULL DEFAULT 'window', scan_ms INTEGER, scan_mode TEXT NOT NULL DEFAULT 'auto', "
        "scan_keys TEXT NOT NULL DEFAULT 'default', debounce_ms INTEGER NOT NULL DEFAULT 300, dwell_ms INTEGER, "
        "speak TEXT NOT NULL DEFAULT 'off', task TEXT NOT NULL DEFAULT 'match')",
    },
    {
        "ALTER TABLE sessions ADD COLUMN task TEXT",
        "ALTER TABLE rounds ADD COLUMN answered_by TEXT",
    },
};
static_assert(kSchemaVersion == 4, "one migration per version after the first");

void SetVersion(const QSqlDatabase& db, int version)
{
    RunSql(db, QStringLiteral("PRAGMA user_version = %1").arg(version));
}

void Newer(int version)
{
    throw HistoryError(HistoryText::tr(
        "The learners' history was written by a newer version of Lumari (its version %1; this one reads up to %2).")
            .arg(version).arg(kSchemaVersion));
}

}  // namespace

int SchemaVersion(const QSqlDatabase& db) { return SqlValue(db, QStringLiteral("PRAGMA user_version")).toInt(); }

void CreateFirstVersion(const QSqlDatabase& db)
{
    for (const char* statement : kFirstVersion) RunSql(db, QString::fromLatin1(statement));
    SetVersion(db, 1);
}

void BringUpToDate(const QSqlDatabase& db, int target)
{
    int version = SchemaVersion(db);
    if (version == target) return;
    if (version > kSchemaVersion) Newer(version);
    WriteTransaction transaction(db);
    version = SchemaVersion(db);  // another program may have done it meanwhile
    if (version > kSchemaVersion) Newer(version);
    if (version == 0) {
        CreateFirstVersion(db);
        version = 1;
    }
    for (; version < target; ++version)
        for (const char* statement : kMigrations[std::size_t(version - 1)]) RunSql(db, QString::fromLatin1(statement));
    SetVersion(db, version);
    transaction.Commit();
}

}  // namespace lumari
