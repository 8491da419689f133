#include "reports/ReportCommand.h"

#include "history/HistoryFile.h"
#include "history/Learners.h"
#include "history/SqlSteps.h"
#include "reports/ProgressTables.h"
#include "reports/ReportPage.h"
#include "reports/ReportText.h"

#include <QCommandLineParser>
#include <QDir>
#include <QTextStream>

namespace lumari {

namespace {

using namespace report_status;

QString Usage()
{
    return ReportText::tr("Usage: lumari-teacher report --learner NAME [--from DATE] [--to DATE] [--csv FILE] [--pdf FILE]\n"
                          "DATE is YYYY-MM-DD; both days are included.");
}

// A day given on the command line; a null date when not given, nothing when not a day.
std::optional<QDate> Day(const QCommandLineParser& parser, const QString& option)
{
    if (!parser.isSet(option)) return QDate();
    const QDate day = QDate::fromString(parser.value(option), Qt::ISODate);
    if (!day.isValid() || parser.value(option).size() != 10) return std::nullopt;
    return day;
}

}  // namespace

int RunReportCommand(const QStringList& arguments, const QString& historyPath, QTextStream& out, QTextStream& err)
{
    QCommandLineParser parser;
    const QString learner = QStringLiteral("learner"), from = QStringLiteral("from"), to = QStringLiteral("to"),
                  csv = QStringLiteral("csv"), pdf = QStringLiteral("pdf");
    for (const QString& name : {learner, from, to, csv, pdf}) parser.addOption(QCommandLineOption(name, QString(), name.toUpper()));
    auto usage = [&](const QString& problem) {
        err << problem << '\n' << Usage() << Qt::endl;
        return kUsage;
    };
    if (!parser.parse(QStringList{QStringLiteral("report")} + arguments)) return usage(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return usage(ReportText::tr("Unexpected argument: %1").arg(parser.positionalArguments().first()));
    if (!parser.isSet(learner) || parser.value(learner).trimmed().isEmpty()) return usage(ReportText::tr("A learner must be named."));
    const auto first = Day(parser, from), last = Day(parser, to);
    if (!first || !last) return usage(ReportText::tr("A date must be written YYYY-MM-DD."));
    if (first->isValid() && last->isValid() && *first > *last) return usage(ReportText::tr("The period ends before it starts."));

    const OpenedHistory history = OpenHistory(historyPath);
    if (!history.keptAside.isEmpty())
        err << ReportText::tr("The learners' history could not be read; it was kept aside as %1.").arg(QDir::toNativeSeparators(history.keptAside)) << Qt::endl;
    if (!history.connection) {
        err << ReportText::tr("The learners' history cannot be opened: %1").arg(history.failure) << Qt::endl;
        return kCannotWrite;
    }
    const QSqlDatabase db = history.connection->db();
    try {
        const auto found = FindLearner(db, parser.value(learner));
        if (!found) {
            err << ReportText::tr("There is no learner named \"%1\".").arg(parser.value(learner).trimmed()) << Qt::endl;
            return kUnknownLearner;
        }
        const Period period{*first, *last};
        const ReportContent content{found->name, period, LoadProgress(db, found->id, period, QDate::currentDate())};
        const Progress& p = content.progress;
        const QString games = p.sessions.size() == 1 ? ReportText::tr("1 game") : ReportText::tr("%1 games").arg(p.sessions.size());
        out << ReportText::tr("%1, %2: %3, %4 rounds shown, first answers right %5, median response time %6.")
                   .arg(found->name, PeriodText(period, p), games).arg(p.shown)
                   .arg(PercentText(p.firstRight, p.firstAnswered), SecondsText(p.medianResponseMs)) << Qt::endl;
        int status = kDone;
        auto written = [&](const QString& path, const QString& failure) {
            if (failure.isEmpty()) {
                out << ReportText::tr("Written: %1").arg(QDir::toNativeSeparators(path)) << Qt::endl;
            } else {
                err << ReportText::tr("%1 cannot be written: %2").arg(QDir::toNativeSeparators(path), failure) << Qt::endl;
                status = kCannotWrite;
            }
        };
        if (parser.isSet(csv)) written(parser.value(csv), WriteCsvReport(parser.value(csv), found->name, LoadRounds(db, found->id, period)));
        if (parser.isSet(pdf)) written(parser.value(pdf), WritePdfReport(parser.value(pdf), content));
        return status;
    } catch (const HistoryError& error) {
        err << ReportText::tr("The learners' history cannot be read: %1").arg(error.text()) << Qt::endl;
        return kCannotWrite;
    }
}

}  // namespace lumari
