#pragma once

#include <QDateTime>
#include <QString>

namespace lumari {

// The date and time on the computer's clock, where the history needs the
// wall time (when a game started and ended); tests set it.
class WallClock {
public:
    virtual ~WallClock() = default;
    virtual QDateTime Now() const noexcept = 0;
};

class SystemWallClock : public WallClock {
public:
    QDateTime Now() const noexcept override { return QDateTime::currentDateTime(); }
};

// ISO 8601 to the second with the UTC offset always written out, as
// "2026-12-07T10:05:00+01:00" ("+00:00" for UTC, never "Z").
QString IsoWithOffset(const QDateTime& time);

}  // namespace lumari
