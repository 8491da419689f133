#pragma once

#include <QDateTime>
#include <QString>

#include <optional>
#include <vector>

class QSqlDatabase;

namespace lumari {

class Settings;

struct Learner {
    qint64 id = 0;
    QString name;
    QString created;  // ISO 8601 with the UTC offset
    bool archived = false;
};

// The learners by name, letter case ignored; archived ones only when asked.
std::vector<Learner> ListLearners(const QSqlDatabase& db, bool withArchived);
// The learner of that name, letter case ignored.
std::optional<Learner> FindLearner(const QSqlDatabase& db, const QString& name);

// Why a name cannot be a learner's ("" when it can): empty, or too long.
// Blanks around it are dropped first.
QString LearnerNameProblem(const QString& name);

// The operations below throw HistoryError with a sentence for the adult: a
// name that is empty, too long or another learner's (letter case ignored).
qint64 AddLearner(const QSqlDatabase& db, const QString& name, const QDateTime& now);
void RenameLearner(const QSqlDatabase& db, qint64 id, const QString& name);
// Archived learners are kept with their sessions, and listed only when asked.
void SetArchived(const QSqlDatabase& db, qint64 id, bool archived);
// The learner of that name, added when not there yet.
qint64 LearnerNamed(const QSqlDatabase& db, const QString& name, const QDateTime& now);
// Gives a session to another learner, or to none ("No learner chosen").
void ReassignSession(const QSqlDatabase& db, qint64 session, std::optional<qint64> learner);

// The learner who plays next, as the settings file keeps it (section
// "Learners", key "Current"); "" when none is chosen.
QString CurrentLearner(Settings& settings);
// Throws when the settings file cannot be written (ReasonOf tells why).
void ChooseCurrentLearner(Settings& settings, const QString& name);

}  // namespace lumari
