#include "teacher/learners/HistoryWatcher.h"

#include <QFileInfo>
#include <QSqlQuery>

namespace lumari {
namespace {

constexpr int kPollMs = 2000;
constexpr int kSettleMs = 150;

}  // namespace

HistoryWatcher::HistoryWatcher(const QSqlDatabase& db, const QString& path, QObject* parent)
    : QObject(parent), db_(db), path_(path), seen_(Version())
{
    soon_.setSingleShot(true);
    soon_.setInterval(kSettleMs);
    connect(&soon_, &QTimer::timeout, this, &HistoryWatcher::Check);
    connect(&files_, &QFileSystemWatcher::fileChanged, &soon_, qOverload<>(&QTimer::start));
    // The log is made and removed as connections come and go: the folder tells.
    connect(&files_, &QFileSystemWatcher::directoryChanged, this, [this] {
        Watch();
        soon_.start();
    });
    poll_.setInterval(kPollMs);
    connect(&poll_, &QTimer::timeout, this, &HistoryWatcher::Check);
    poll_.start();
    Watch();
}

void HistoryWatcher::Watch()
{
    QStringList paths{QFileInfo(path_).absolutePath()};
    for (const QString& file : {path_, path_ + QStringLiteral("-wal")})
        if (QFileInfo::exists(file)) paths << file;
    for (const QString& p : paths)
        if (!files_.files().contains(p) && !files_.directories().contains(p)) files_.addPath(p);
}

std::optional<qint64> HistoryWatcher::Version() const
{
    QSqlQuery query(db_);
    if (!query.exec(QStringLiteral("PRAGMA data_version")) || !query.next()) return std::nullopt;
    return query.value(0).toLongLong();
}

void HistoryWatcher::Check()
{
    const std::optional<qint64> now = Version();
    if (!now || now == seen_) return;
    seen_ = now;
    emit changed();
}

}  // namespace lumari
