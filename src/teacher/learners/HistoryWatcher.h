#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QSqlDatabase>
#include <QTimer>

#include <optional>

namespace lumari {

// Tells when another program (the game, another window) has committed a
// change to the history: SQLite's data version on this page's own connection
// moves with every commit made through any other connection. The file and its
// write-ahead log are watched so that a game shows at once; a slow poll
// catches what the watcher misses (a log made after it started, a file
// system that does not report changes).
class HistoryWatcher : public QObject {
    Q_OBJECT
public:
    // db: the page's connection, open for as long as the watcher lives.
    HistoryWatcher(const QSqlDatabase& db, const QString& path, QObject* parent = nullptr);

    // Compares the data version with the one last seen; emits changed() when
    // it moved. The watcher and the poll call it; so may a test.
    void Check();

signals:
    void changed();

private:
    std::optional<qint64> Version() const;
    void Watch();

    QSqlDatabase db_;
    QString path_;
    std::optional<qint64> seen_;
    QFileSystemWatcher files_;
    QTimer poll_;
    QTimer soon_;  // gathers the bursts of a commit's writes into one check
};

}  // namespace lumari
