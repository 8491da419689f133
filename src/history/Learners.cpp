#include "history/Learners.h"

#include "history/HistoryText.h"
#include "history/SqlSteps.h"
#include "history/WallClock.h"
#include "platform/Services.h"
#include "settings/StoredKeys.h"

namespace lumari {

namespace {

constexpr int kLongestName = 64;
constexpr int kConstraint = 19;  // SQLITE_CONSTRAINT

// The name as stored, or HistoryError naming what is wrong with it.
QString Checked(const QString& name)
{
    if (const QString problem = LearnerNameProblem(name); !problem.isEmpty()) throw HistoryError(problem);
    return name.trimmed();
}

// A write that breaks the unique name says whose name it is.
template <typename Write> void Naming(const QString& name, Write&& write)
{
    try {
        write();
    } catch (const HistoryError& error) {
        if (error.code() != kConstraint) throw;
        throw HistoryError(HistoryText::tr("There is already a learner named \"%1\".").arg(name), error.code());
    }
}

Learner FromRow(const QSqlQuery& row)
{
    return {row.value(0).toLongLong(), row.value(1).toString(), row.value(2).toString(), row.value(3).toInt() != 0};
}

// Names are one learner's whatever their letter case, in any script (Léa,
// LÉA, léa): SQLite's NOCASE folds ASCII letters only, so they are compared here.
QString Folded(const QString& name) { return name.trimmed().normalized(QString::NormalizationForm_C).toCaseFolded(); }

std::optional<Learner> FindFolded(const QSqlDatabase& db, const QString& name, qint64 except = 0)
{
    const QString wanted = Folded(name);
    QSqlQuery rows = RunSql(db, QStringLiteral("SELECT id, name, created, archived FROM learners"), {});
    while (rows.next())
        if (rows.value(0).toLongLong() != except && Folded(rows.value(1).toString()) == wanted) return FromRow(rows);
    return std::nullopt;
}

// Refuses a name another learner has, in another letter case too.
void Unique(const QSqlDatabase& db, const QString& name, qint64 except = 0)
{
    if (const auto other = FindFolded(db, name, except))
        throw HistoryError(HistoryText::tr("There is already a learner named \"%1\".").arg(name), kConstraint);
}

}  // namespace

std::vector<Learner> ListLearners(const QSqlDatabase& db, bool withArchived)
{
    QSqlQuery rows = RunSql(db, QStringLiteral("SELECT id, name, created, archived FROM learners WHERE archived = 0 OR ? "
                                            "ORDER BY name"),
                         {withArchived ? 1 : 0});
    std::vector<Learner> learners;
    while (rows.next()) learners.push_back(FromRow(rows));
    return learners;
}

std::optional<Learner> FindLearner(const QSqlDatabase& db, const QString& name)
{
    return FindFolded(db, name);
}

QString LearnerNameProblem(const QString& name)
{
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty()) return HistoryText::tr("A learner needs a name.");
    if (trimmed.size() > kLongestName) return HistoryText::tr("A learner's name has at most %1 characters.").arg(kLongestName);
    return QString();
}

qint64 AddLearner(const QSqlDatabase& db, const QString& name, const QDateTime& now)
{
    const QString checked = Checked(name);
    Unique(db, checked);
    qint64 id = 0;
    Naming(checked, [&] {
        id = RunSql(db, QStringLiteral("INSERT INTO learners(name, created) VALUES (?, ?)"), {checked, IsoWithOffset(now)})
                 .lastInsertId().toLongLong();
    });
    return id;
}

void RenameLearner(const QSqlDatabase& db, qint64 id, const QString& name)
{
    const QString checked = Checked(name);
    Unique(db, checked, id);
    Naming(checked, [&] { RunSql(db, QStringLiteral("UPDATE learners SET name = ? WHERE id = ?"), {checked, id}); });
}

void SetArchived(const QSqlDatabase& db, qint64 id, bool archived)
{
    RunSql(db, QStringLiteral("UPDATE learners SET archived = ? WHERE id = ?"), {archived ? 1 : 0, id});
}

qint64 LearnerNamed(const QSqlDatabase& db, const QString& name, const QDateTime& now)
{
    if (const auto found = FindLearner(db, name)) return found->id;
    return AddLearner(db, name, now);
}

void ReassignSession(const QSqlDatabase& db, qint64 session, std::optional<qint64> learner)
{
    RunSql(db, QStringLiteral("UPDATE sessions SET learner_id = ? WHERE id = ?"),
        {learner ? QVariant(*learner) : QVariant(QMetaType(QMetaType::LongLong)), session});
}

QString CurrentLearner(Settings& settings) { return stored::CurrentLearner.Get(settings).trimmed(); }

void ChooseCurrentLearner(Settings& settings, const QString& name) { stored::CurrentLearner.Set(settings, name); }

}  // namespace lumari
