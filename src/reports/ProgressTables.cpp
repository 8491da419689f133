#include "reports/ProgressTables.h"

#include "reports/PictureStages.h"
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

void AddColumn(ProgressTable& table, const QString& header, bool numeric)
{
    table.headers << header;
    table.numeric.push_back(numeric);
}

// The delay in seconds for the delay procedures, "–" for the others.
TableCell DelayCell(const SessionSummary& s)
{
    const bool delayed = s.procedure == QLatin1String("constant-delay") || s.procedure == QLatin1String("progressive-delay");
    if (!delayed || !s.delayMs) return {QString::fromUtf8(kNone), -1};
    return {ReportText::tr("%1 s").arg(double(*s.delayMs) / 1000), *s.delayMs};
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
    // A plan's columns only where some game had one: for the others prompts
    // never came, and right first answers are all unprompted.
    const bool planned = progress.planned;
    ProgressTable table;
    AddColumn(table, ReportText::tr("Date"), false);
    AddColumn(table, ReportText::tr("Set"), false);
    // The task only where some game was "Find the one I say": the others all matched.
    if (progress.spoken) AddColumn(table, ReportText::tr("Task"), false);
    if (planned) {
        AddColumn(table, ReportText::tr("Plan"), false);
        AddColumn(table, ReportText::tr("Delay"), true);
    }
    AddColumn(table, ReportText::tr("Shown"), true);
    AddColumn(table, ReportText::tr("Right first"), true);
    if (planned) AddColumn(table, ReportText::tr("Unprompted right"), true);
    AddColumn(table, ReportText::tr("Median time"), true);
    for (const SessionSummary& s : progress.sessions) {
        std::vector<TableCell> row = {{s.started.toString(QStringLiteral("yyyy-MM-dd HH:mm")), s.started.toMSecsSinceEpoch()},
                                      {s.setName, s.setName.toLower()}};
        if (progress.spoken)
            row.push_back({s.spoken ? ReportText::tr("Find the one I say") : ReportText::tr("Match"), int(s.spoken)});
        if (planned) {
            row.push_back({s.procedure.isEmpty() ? QString::fromUtf8(kNone) : s.procedure, s.procedure});
            row.push_back(DelayCell(s));
        }
        row.push_back(Number(s.shown));
        row.push_back(Share(s.firstRight, s.firstAnswered));
        if (planned) row.push_back(Share(s.unpromptedRight, s.firstAnswered));
        row.push_back({SecondsText(s.medianResponseMs), s.medianResponseMs.value_or(-1)});
        table.rows.push_back(std::move(row));
    }
    return table;
}

ProgressTable ImagesTable(const Progress& progress)
{
    const bool planned = progress.planned;
    ProgressTable table;
    AddColumn(table, ReportText::tr("Picture"), false);
    AddColumn(table, ReportText::tr("Set"), false);
    AddColumn(table, ReportText::tr("Times shown"), true);
    AddColumn(table, ReportText::tr("First answers right"), true);
    if (planned) AddColumn(table, ReportText::tr("Unprompted right"), true);
    AddColumn(table, ReportText::tr("Last seen"), false);
    AddColumn(table, ReportText::tr("Stage"), false);
    AddColumn(table, ReportText::tr("Next check"), false);
    for (const ImageProgress& p : progress.images) {
        std::vector<TableCell> row = {{p.image, p.image.toLower()}, {p.setName, p.setName.toLower()}, Number(p.timesShown),
                                      Share(p.firstRight, p.firstAnswered)};
        if (planned) row.push_back(Share(p.unpromptedRight, p.firstAnswered));
        const QString check = NextCheckText(p.mastery);
        row.push_back({DayText(p.lastSeen), p.lastSeen.toMSecsSinceEpoch()});
        // New before teaching, both still to learn.
        row.push_back({StageText(p.mastery.stage), 2 * LearningOrder(p.mastery.stage) + (p.mastery.stage == Stage::Teaching)});
        row.push_back({check, check.isEmpty() ? -1 : p.mastery.nextCheck.toJulianDay()});
        table.rows.push_back(std::move(row));
    }
    return table;
}

}  // namespace lumari
