// The results window's load without its widgets: the reports, the folding of
// the session into the real settings file, and the damaged-total and overflow
// cases.
#include "results/Reports.h"

#include "state/Module1.h"
#include "state/SettingsKeys.h"
#include "support/TestFiles.h"
#include "support/TestRuntime.h"

#include <QFile>
#include <QLocale>
#include <QSettings>

#include <gtest/gtest.h>

namespace lumari {
namespace {

// Shown, CorrectAnswers, WrongAnswers and Used as the settings file holds them.
QStringList StoredTotals()
{
    QSettings file(test::SettingsFilePath(), QSettings::IniFormat);
    file.beginGroup(keys::kStatistics);
    QStringList values;
    for (const QString& key : {keys::kShown, keys::kCorrectAnswers, keys::kWrongAnswers, keys::kUsed})
        values << file.value(key, "-").toString();
    return values;
}

TEST(LoadResults, ReportsTheSessionAndTheTotalsAndStoresTheNewTotals)
{
    const QString overflow = "Error \"Overflow\" in Form_Load() routine";
    const QStringList session{"This session results:", "Shown: 10 (answered: 8)", "Correct answers: 6",
                              "Wrong answers: 2", "% of success: 75%"};
    const QStringList noAnswers{"This session results:", "*** No answers given ***"};
    const QString head = "Statistical results:";
    struct Case {
        const char* name;
        QByteArray stored;  // the Statistics section; none: no settings file at all
        std::int32_t shown, correct, wrong;
        QStringList session, statistics;  // the reports' lines
        QStringList after;                // the stored totals; none: the file is left byte for byte
        QStringList boxes;
    };
    const Case cases[] = {
        {"worked example", "Shown=20\nCorrectAnswers=15\nWrongAnswers=3\nUsed=4\n", 10, 6, 2, session,
         {head, "Program used 4 times", "Shown: 30 (answered: 26)", "Correct answers: 21", "Wrong answers: 5",
          "% of success: 80.77%"},
         {"30", "21", "5", "4"}},
        // "Used" is shown exactly as stored.
        {"skips only", "Shown=20\nCorrectAnswers=15\nWrongAnswers=3\nUsed=seven\n", 5, 0, 0, noAnswers,
         {head, "Program used seven times", "Shown: 20 (answered: 18)", "Correct answers: 15", "Wrong answers: 3",
          "% of success: 83.33%"}},
        {"nothing stored, no answers", "", 5, 0, 0, noAnswers,
         {head, "Program used 0 times", "*** No stats available ***"}},
        // A damaged total counts as 0: the session's own count replaces it.
        {"damaged total", "Shown=x\nCorrectAnswers=15\nWrongAnswers=3\n", 10, 6, 2, session,
         {head, "Program used 0 times", "Shown: 10 (answered: 26)", "Correct answers: 21", "Wrong answers: 5",
          "% of success: 80.77%"},
         {"10", "21", "5", "-"}, {"Error \"Type mismatch\" in Form_Load() routine"}},
        // An overflowing sum or rate is reported and that step skipped; every
        // other key is still stored.
        {"shown sum overflows", "Shown=2147483640\nCorrectAnswers=15\nWrongAnswers=3\n", 10, 6, 2, session,
         {head, "Program used 0 times", "Shown: 2147483640 (answered: 26)", "Correct answers: 21",
          "Wrong answers: 5", "% of success: 80.77%"},
         {"2147483640", "21", "5", "-"}, {overflow}},
        // The answered total overflows as well: the lines needing it are left out.
        {"wrong sum overflows", "Shown=20\nCorrectAnswers=15\nWrongAnswers=2147483647\n", 10, 6, 2, session,
         {head, "Program used 0 times", "Correct answers: 21", "Wrong answers: 2147483647"},
         {"30", "21", "2147483647", "-"}, {overflow, overflow}},
        {"rate of the totals overflows", "Shown=30000000\nCorrectAnswers=30000000\nWrongAnswers=0\n", 10, 6, 2,
         session,
         {head, "Program used 0 times", "Shown: 30000010 (answered: 30000008)", "Correct answers: 30000006",
          "Wrong answers: 2"},
         {"30000010", "30000006", "2", "-"}, {overflow}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::ClearSettings();
        if (!c.stored.isEmpty()) test::WriteSettingsFile("[Statistics]\n" + c.stored);
        const QByteArray before = test::ReadSettingsFile();
        test::AppFolder app;
        test::TestRuntime runtime(app.path());

        const Module1 module1{.SessionShown = c.shown, .SessionCorrect = c.correct, .SessionWrong = c.wrong};
        const ResultsTexts texts = LoadResults(runtime, module1);
        EXPECT_EQ(texts.session, c.session.join("\r\n"));
        EXPECT_EQ(texts.statistics, c.statistics.join("\r\n"));
        if (c.after.isEmpty()) {
            EXPECT_EQ(test::ReadSettingsFile(), before);
            EXPECT_EQ(QFile::exists(test::SettingsFilePath()), !c.stored.isEmpty());
        } else {
            EXPECT_EQ(StoredTotals(), c.after);
        }
        EXPECT_EQ(runtime.BoxTexts(), c.boxes);
        for (const test::ShownBox& box : runtime.boxes) EXPECT_EQ(box.style, 16);
    }
    test::ClearSettings();
}

TEST(SuccessRate, RoundsHalfToEvenInTheShortestFormWithTheUsersSeparator)
{
    struct Row {
        int correct, answered;
        const char* text;
    };
    for (const Row& r :
         {Row{1, 3, "33.33"}, Row{2, 3, "66.67"}, Row{1, 8, "12.5"}, Row{1, 800, "0.12"}, Row{3, 4, "75"}})
        EXPECT_EQ(SuccessRate(r.correct, r.answered), QString::fromLatin1(r.text)) << r.correct << "/" << r.answered;

    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German));
    const QString german = SuccessRate(2, 3);
    QLocale::setDefault(saved);
    EXPECT_EQ(german, "66,67");
}

}  // namespace
}  // namespace lumari
