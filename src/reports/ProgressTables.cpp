#include "reports/ProgressTables.h"

#include "reports/ReportText.h"

namespace lumari {

namespace {

constexpr auto kNone = "\u2013";

TableCell Number(int n) { return {QString::number(n), n}; }

TableCell Share(int right, int answered)
{
    const auto percent = Percent(right, answered);
    return {PercentText(right, answered), percent.value_or(-1.0)};
}

}  // namespace

QString PercentText(int right, int answered)
{
    const auto percent = Percent(right, answered);
    return percent ? ReportText::tr("%1 %").arg(qRound(*percent)) : QString::fromUtf8(kNone);
}

QString SecondsText(std::optional<qint64> ms)
{
    return ms ? ReportText::tr("%1 s").arg(double(*ms) / 1000, 0, 'f', 1) : QString::fromUtf8(kNone);
}

QString DayText(const QDateTime& time) { return time.date().toString(Qt::ISODate); }

QString PeriodText(const Period& period, const Progress& progress)
{
    const bool none = progress.sessions.empty();
    const QString from = period.from.isValid() ? period.from.toString(Qt::ISODate) : none ? QString() : DayText(progress.sessions.front().started);
    const QString to = period.to.isValid() ? period.to.toString(Qt::ISODate) : none ? QString() : DayText(progress.sessions.back().started);
    if (from.isEmpty() && to.isEmpty()) return ReportText::tr("all games");
    if (from.isEmpty()) return ReportText::tr("until %1").arg(to);
    if (to.isEmpty()) return ReportText::tr("from %1").arg(from);
    return ReportText::tr("%1 to %2").arg(from, to);
}

ProgressTable SessionsTable(const Progress& progress)
{
    ProgressTable table;
    table.headers = {ReportText::tr("Date"), ReportText::tr("Set"), ReportText::tr("Shown"), ReportText::tr("Right first"),
                     ReportText::tr("Median time")};
    table.numeric = {false, false, true, true, true};
    for (const SessionSummary& s : progress.sessions) {
        table.rows.push_back({{s.started.toString(QStringLiteral("yyyy-MM-dd HH:mm")), s.started.toMSecsSinceEpoch()},
                              {s.setName, s.setName.toLower()},
                              Number(s.shown),
                              Share(s.firstRight, s.firstAnswered),
                              {SecondsText(s.medianResponseMs), s.medianResponseMs.value_or(-1)}});
    }
    return table;
}

ProgressTable ImagesTable(const Progress& progress)
{
    ProgressTable table;
    table.headers = {ReportText::tr("Picture"), ReportText::tr("Set"), ReportText::tr("Times shown"),
                     ReportText::tr("First answers right"), ReportText::tr("Last seen"), ReportText::tr("Mastered")};
    table.numeric = {false, false, true, true, false, false};
    for (const ImageProgress& p : progress.images) {
        table.rows.push_back({{p.image, p.image.toLower()},
                              {p.setName, p.setName.toLower()},
                              Number(p.timesShown),
                              Share(p.firstRight, p.firstAnswered),
                              {DayText(p.lastSeen), p.lastSeen.toMSecsSinceEpoch()},
                              {p.mastered ? ReportText::tr("mastered") : QString(), p.mastered ? 1 : 0}});
    }
    return table;
}

}  // namespace lumari
