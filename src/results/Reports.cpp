#include "results/Reports.h"

#include "platform/AppInfo.h"
#include "platform/Conversions.h"
#include "platform/ErrorTrap.h"
#include "platform/SettingsUpdate.h"
#include "state/Module1.h"
#include "state/SettingsKeys.h"

#include <QLocale>

#include <optional>

namespace lumari {
namespace {

const QString kCrLf = QStringLiteral("\r\n");

// Reads one stored total; a damaged text is reported and the total stays 0.
void ReadTotal(Settings& settings, ErrorTrap& trap, const QString& key, std::int32_t& total)
{
    trap([&] { total = TextToInt32(settings.Get(keys::kApp, keys::kStatistics, key, keys::kCountDefault)); });
}

// correct + wrong; nothing when the sum overflows (reported). A report whose
// answered count is unknown still lists the counts it can.
std::optional<std::int32_t> Answered(ErrorTrap& trap, std::int32_t correct, std::int32_t wrong)
{
    std::optional<std::int32_t> answered;
    trap([&] { answered = AddInt32(correct, wrong); });
    return answered;
}

bool HasAnswers(const std::optional<std::int32_t>& answered) { return !answered || *answered > 0; }

// The four count lines of a report. A line whose arithmetic overflows is
// reported and left out; the others still appear.
void AppendCounts(QStringList& lines, ErrorTrap& trap, std::int32_t shown, std::int32_t correct, std::int32_t wrong,
                  const std::optional<std::int32_t>& answered)
{
    if (answered) {
        lines << QStringLiteral("Shown: %1 (answered: %2)").arg(shown).arg(*answered);
    }
    lines << QStringLiteral("Correct answers: %1").arg(correct);
    lines << QStringLiteral("Wrong answers: %1").arg(wrong);
    if (answered) {
        trap([&] { lines << QStringLiteral("% of success: ") + SuccessRate(correct, *answered) + u'%'; });
    }
}

// Adds the session's count to one total, then stores the sum. On overflow the
// stored text and the total stay as they were; a sum that cannot be stored
// still counts in the report of the totals as they now stand.
void Fold(Settings& settings, ErrorTrap& trap, const QString& key, std::int32_t& total, std::int32_t count)
{
    if (!trap([&] { total = AddInt32(total, count); })) return;
    trap([&] { settings.Save(keys::kApp, keys::kStatistics, key, QString::number(total)); });
}

}  // namespace

QString SuccessRate(std::int32_t correct, std::int32_t answered)
{
    const double rate = double(MulInt32(correct, 100)) / double(answered);
    return FormatShortest(RoundHalfEven(rate, 2), QLocale());
}

QString VersionText()
{
    return QStringLiteral("Version %1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision);
}

QString CreditsText()
{
    // The web site without its scheme: so the contact line fits its label on
    // one line, where the whole address would be broken after one of its "/".
    const QString website = QString(keys::kWebsiteValue).remove(QStringLiteral("http://"));
    const QStringList lines{
        QStringLiteral("Developed by %1, %2").arg(keys::kAuthorValue, keys::kYearValue),
        QStringLiteral("%1 - %2").arg(keys::kContactValue, website),
        QString(),
        QStringLiteral("Sound routine thanks to www.example.org/vbsound"),
    };
    return lines.join(kCrLf);
}

ResultsTexts LoadResults(const Services& services, const Module1& module1)
{
    ErrorTrap outer(services.boxes, QStringLiteral("Form_Load"));
    ResultsTexts texts;

    // From reading the totals to storing them, no other copy of the program
    // folds its session in between.
    std::optional<SettingsUpdate> update;
    update.emplace(services, outer, keys::kApp);
    ErrorTrap& held = update->trap();
    StatTotals totals;
    ReadTotal(services.settings, held, keys::kShown, totals.shown);
    ReadTotal(services.settings, held, keys::kCorrectAnswers, totals.correct);
    ReadTotal(services.settings, held, keys::kWrongAnswers, totals.wrong);

    texts.credits = CreditsText();
    texts.caption = QStringLiteral("About ") + kAppTitle;
    texts.version = VersionText();
    texts.title = kAppTitle;

    // The session, and its folding into the stored totals.
    QStringList session{QStringLiteral("This session results:")};
    const auto sessionAnswered = Answered(held, module1.SessionCorrect, module1.SessionWrong);
    if (!HasAnswers(sessionAnswered)) {
        session << QStringLiteral("*** No answers given ***");
    } else {
        AppendCounts(session, held, module1.SessionShown, module1.SessionCorrect, module1.SessionWrong,
                     sessionAnswered);
        Fold(services.settings, held, keys::kShown, totals.shown, module1.SessionShown);
        Fold(services.settings, held, keys::kCorrectAnswers, totals.correct, module1.SessionCorrect);
        Fold(services.settings, held, keys::kWrongAnswers, totals.wrong, module1.SessionWrong);
    }
    update.reset();  // the reports held meanwhile are shown
    texts.session = session.join(kCrLf);

    // The totals as they now stand; "Used" is shown exactly as stored.
    QStringList statistics{QStringLiteral("Statistical results:")};
    outer([&] {
        statistics << QStringLiteral("Program used ") +
                          services.settings.Get(keys::kApp, keys::kStatistics, keys::kUsed, keys::kCountDefault) +
                          QStringLiteral(" times");
    });
    const auto totalAnswered = Answered(outer, totals.correct, totals.wrong);
    if (!HasAnswers(totalAnswered)) {
        statistics << QStringLiteral("*** No stats available ***");
    } else {
        AppendCounts(statistics, outer, totals.shown, totals.correct, totals.wrong, totalAnswered);
    }
    texts.statistics = statistics.join(kCrLf);
    return texts;
}

}  // namespace lumari
