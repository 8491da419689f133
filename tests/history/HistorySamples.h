#pragma once

#include "history/SessionRecord.h"
#include "history/WallClock.h"

#include <QTemporaryDir>

namespace lumari::test {

struct FixedWallClock : WallClock {
    QDateTime Now() const noexcept override { return now; }
    QDateTime now;
};

// "2026-12-07T10:00:00" at a UTC offset of that many hours.
QDateTime At(const QString& local, int offsetHours = 1);

// A round of a recorded game: its image and first answer; answers counted
// from it, a made-up response time when answered.
RoundRecord Round(const QString& image, FirstAnswer first, qint64 responseMs = 1000);
// A learner's game of those rounds on a set, its counts taken from them.
SessionRecord Game(const QDateTime& started, const QString& set, std::vector<RoundRecord> rounds, const QString& learner);

// A folder of its own for a history file.
class HistoryFolder {
public:
    QString path() const { return dir_.path(); }
    QString file() const { return dir_.filePath(QStringLiteral("lumari/history.sqlite")); }

private:
    QTemporaryDir dir_;
};

}  // namespace lumari::test
