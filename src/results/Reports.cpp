#include "results/Reports.h"

#include "platform/AppInfo.h"
#include "platform/Conversions.h"
#include "platform/ErrorTrap.h"
#include "state/SettingsKeys.h"

#include <QLocale>

#include <optional>

namespace lumari {
namespace {

const QString kCrLf = QStringLiteral("\r\n");

// Boxes that become steps of the results' load, in the order they are given.
class StepBoxes : public Boxes {
public:
    explicit StepBoxes(std::vector<ResultsStep>& steps) : steps_(steps) {}
    int MsgBox(const QString& prompt, int style, const QString& title) noexcept override
    {
        steps_.push_back({HeldBox{prompt, style, title}, {}, {}});
        return mb::Ok;
    }
    QString InputBox(const QString&, const QString&) noexcept override { return QString(); }

private:
    std::vector<ResultsStep>& steps_;
};

// Reads one stored total; a damaged text is reported and the total stays 0.
void ReadTotal(ErrorTrap& trap, const QString& text, std::int32_t& total)
{
    trap([&] { total = TextToInt32(text); });
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
void Fold(std::vector<ResultsStep>& steps, ErrorTrap& trap, const QString& key, std::int32_t& total,
          std::int32_t count)
{
    if (!trap([&] { total = AddInt32(total, count); })) return;
    steps.push_back({std::nullopt, key, QString::number(total)});
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

StoredStatistics ReadStatistics(Settings& settings)
{
    auto stored = [&](const QString& key) {
        return settings.Get(keys::kApp, keys::kStatistics, key, keys::kCountDefault);
    };
    return {stored(keys::kShown), stored(keys::kCorrectAnswers), stored(keys::kWrongAnswers), stored(keys::kUsed)};
}

ResultsPlan PlanResults(const StoredStatistics& stored, const GameTally& tally)
{
    ResultsPlan plan;
    StepBoxes boxes(plan.steps);
    ErrorTrap trap(boxes, QStringLiteral("Form_Load"));
    ResultsTexts& texts = plan.texts;

    StatTotals totals;
    ReadTotal(trap, stored.shown, totals.shown);
    ReadTotal(trap, stored.correct, totals.correct);
    ReadTotal(trap, stored.wrong, totals.wrong);

    texts.credits = CreditsText();
    texts.caption = QStringLiteral("About ") + kAppTitle;
    texts.version = VersionText();
    texts.title = kAppTitle;

    // The session, and its folding into the stored totals.
    QStringList session{QStringLiteral("This session results:")};
    const auto sessionAnswered = Answered(trap, tally.SessionCorrect, tally.SessionWrong);
    if (!HasAnswers(sessionAnswered)) {
        session << QStringLiteral("*** No answers given ***");
    } else {
        AppendCounts(session, trap, tally.SessionShown, tally.SessionCorrect, tally.SessionWrong, sessionAnswered);
        Fold(plan.steps, trap, keys::kShown, totals.shown, tally.SessionShown);
        Fold(plan.steps, trap, keys::kCorrectAnswers, totals.correct, tally.SessionCorrect);
        Fold(plan.steps, trap, keys::kWrongAnswers, totals.wrong, tally.SessionWrong);
    }
    texts.session = session.join(kCrLf);

    // The totals as they now stand; "Used" is shown exactly as stored.
    QStringList statistics{QStringLiteral("Statistical results:")};
    statistics << QStringLiteral("Program used ") + stored.used + QStringLiteral(" times");
    const auto totalAnswered = Answered(trap, totals.correct, totals.wrong);
    if (!HasAnswers(totalAnswered)) {
        statistics << QStringLiteral("*** No stats available ***");
    } else {
        AppendCounts(statistics, trap, totals.shown, totals.correct, totals.wrong, totalAnswered);
    }
    texts.statistics = statistics.join(kCrLf);
    return plan;
}

ResultsTexts PlayResults(const Services& services, const GameTally& tally)
{
    // Held from the reading to the last total stored, so that copies ending
    // their games together each count; boxes met meanwhile (a damaged or
    // overflowing total) are shown at their step all the same.
    std::unique_ptr<SettingsLock> lock = services.settings.Lock(keys::kApp);
    const ResultsPlan plan = PlanResults(ReadStatistics(services.settings), tally);
    std::size_t lastSave = 0;
    for (std::size_t i = 0; i < plan.steps.size(); ++i)
        if (!plan.steps[i].box) lastSave = i + 1;
    if (lastSave == 0) lock.reset();

    ErrorTrap trap(services.boxes, QStringLiteral("Form_Load"));
    for (std::size_t i = 0; i < plan.steps.size(); ++i) {
        const ResultsStep& step = plan.steps[i];
        if (step.box) services.boxes.MsgBox(step.box->prompt, step.box->style, step.box->title);
        else trap([&] { services.settings.Save(keys::kApp, keys::kStatistics, step.key, step.value); });
        if (i + 1 == lastSave) lock.reset();
    }
    return plan.texts;
}

}  // namespace lumari
