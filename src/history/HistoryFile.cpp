#include "history/HistoryFile.h"

#include "history/Schema.h"
#include "history/HistoryText.h"
#include "history/SqlSteps.h"

#include <QAtomicInteger>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QStandardPaths>

namespace lumari {

namespace {

QAtomicInteger<quint64> connections;

// Enough for a game's rounds written by the other program to end.
constexpr auto kBusyWaitOption = "QSQLITE_BUSY_TIMEOUT=10000";


// The file checked and made ready, or HistoryError.
std::unique_ptr<HistoryConnection> Prepare(const QString& path)
{
    auto connection = std::make_unique<HistoryConnection>(path);
    const QSqlDatabase db = connection->db();
    const QString verdict = SqlValue(db, QStringLiteral("PRAGMA quick_check")).toString();
    if (verdict != QLatin1String("ok")) throw HistoryError(HistoryText::tr("The integrity check found: %1").arg(verdict), 11);
    RunSql(db, QStringLiteral("PRAGMA journal_mode = WAL"));
    BringUpToDate(db);
    return connection;
}

// Moves the file and its journal files aside; the new name, "" when it could not be moved.
QString KeepAside(const QString& path)
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = path + QStringLiteral(".damaged-") + stamp;
    for (int n = 2; QFileInfo::exists(aside); ++n) aside = path + QStringLiteral(".damaged-%1-%2").arg(stamp).arg(n);
    if (!QFile::rename(path, aside)) return QString();
    for (const char* journal : {"-wal", "-shm", "-journal"})
        if (QFileInfo::exists(path + QLatin1String(journal))) QFile::rename(path + QLatin1String(journal), aside + QLatin1String(journal));
    return aside;
}

}  // namespace

QString DefaultHistoryPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/lumari/history.sqlite");
}

HistoryConnection::HistoryConnection(const QString& path)
    : name_(QStringLiteral("lumari-history-%1").arg(++connections))
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
    db.setDatabaseName(path);
    db.setConnectOptions(QString::fromLatin1(kBusyWaitOption));
    if (!db.open()) {
        const HistoryError error(db.lastError());
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(name_);
        throw error;
    }
    RunSql(db, QStringLiteral("PRAGMA foreign_keys = ON"));
}

HistoryConnection::~HistoryConnection()
{
    {
        QSqlDatabase db = QSqlDatabase::database(name_, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(name_);
}

QSqlDatabase HistoryConnection::db() const { return QSqlDatabase::database(name_, false); }

QString HistoryConnection::path() const { return db().databaseName(); }

OpenedHistory OpenHistory(const QString& path)
{
    OpenedHistory opened;
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        opened.failure = HistoryText::tr("The folder %1 cannot be made.").arg(QDir::toNativeSeparators(QFileInfo(path).absolutePath()));
        return opened;
    }
    try {
        opened.connection = Prepare(path);
        return opened;
    } catch (const HistoryError& error) {
        if (!error.damaged()) {
            opened.failure = error.text();
            return opened;
        }
    }
    opened.keptAside = KeepAside(path);
    if (opened.keptAside.isEmpty()) {
        opened.failure = HistoryText::tr("The damaged file %1 cannot be moved aside.").arg(QDir::toNativeSeparators(path));
        return opened;
    }
    try {
        opened.connection = Prepare(path);
    } catch (const HistoryError& error) {
        opened.failure = error.text();
    }
    return opened;
}

}  // namespace lumari
