#pragma once

#include "history/Progress.h"

#include <QString>
#include <QStringList>
#include <QVariant>

#include <vector>

namespace lumari {

// A table as the page and the report show it: each cell's text, and the
// value it sorts by (numbers as numbers, times in milliseconds, names in
// lower case; -1 where there is no value, so that it sorts first, with the
// pictures still to learn).
struct TableCell {
    QString text;
    QVariant sortKey;
};
struct ProgressTable {
    QStringList headers;
    std::vector<bool> numeric;  // per column: its cells are numbers, aligned right
    std::vector<std::vector<TableCell>> rows;
};

// Date, set, [task,] [plan, delay,] rounds shown, first answers right (%),
// [unprompted right (%),] median response time; row i is
// progress.sessions[i], oldest first. The task is there when some game was
// "Find the one I say" (progress.spoken); the plan's columns when some game
// was played with a teaching plan (progress.planned).
ProgressTable SessionsTable(const Progress& progress);
// Picture, set, times shown, first answers right (%), [unprompted right
// (%),] last seen, stage, next check; the pictures still to learn first.
ProgressTable ImagesTable(const Progress& progress);

// "75 %" (whole percent), "–" when nothing was answered.
QString PercentText(int right, int answered);
// "2.4 s", "–" for none.
QString SecondsText(std::optional<qint64> ms);
// The day of a recorded time as its computer counted it: "2026-12-07".
QString DayText(const QDateTime& time);
// "2026-11-01 to 2026-12-07"; an open end takes the day of the first or
// last game, "all games" when both are open and there is none.
QString PeriodText(const Period& period, const Progress& progress);

}  // namespace lumari
