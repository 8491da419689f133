#pragma once

#include <QSqlDatabase>
#include <QString>

#include <memory>

namespace lumari {

// The learners' history of this computer account, for portable and installed
// copies alike: $XDG_DATA_HOME/lumari/history.sqlite.
QString DefaultHistoryPath();

// One connection to a history file. A connection serves only the thread that
// opened it: each has a name of its own, so every thread or window that
// needs the history opens one. Another program writing at the same time is
// waited for, up to a few seconds.
class HistoryConnection {
public:
    // Opens the file as it is, with no check. Throws HistoryError.
    explicit HistoryConnection(const QString& path);
    ~HistoryConnection();
    HistoryConnection(const HistoryConnection&) = delete;
    HistoryConnection& operator=(const HistoryConnection&) = delete;

    QSqlDatabase db() const;
    QString path() const;

private:
    QString name_;
};

// What opening the history came to.
struct OpenedHistory {
    std::unique_ptr<HistoryConnection> connection;  // null when the history cannot be used
    QString keptAside;  // where a damaged file was moved, "" when none was
    QString failure;    // why the history cannot be used, "" when it can
};

// Opens the history for writing, making its folder and file when missing:
// WAL journal, a quick integrity check, the tables brought to the current
// version. A file that SQLite cannot read as a database, or that fails the
// check, is renamed "<name>.damaged-<time>" with its journal files, and a new
// one is started. Never throws.
OpenedHistory OpenHistory(const QString& path);

}  // namespace lumari
