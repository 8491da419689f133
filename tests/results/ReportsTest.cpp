// The results window's load without its widgets: the reports, the folding of
// the session into the real settings file, and the damaged-total and overflow
// cases.
#include "results/Reports.h"

#include "platform/RuntimeError.h"
#include "state/Module1.h"
#include "state/SettingsKeys.h"
#include "support/TestFiles.h"
#include "support/TestRuntime.h"

#include <QLocale>
#include <QSettings>

#include <gtest/gtest.h>

namespace lumari {
namespace {

using test::AppFolder;
using test::TestRuntime;

const QString kOverflowBox = QStringLiteral("Error \"Overflow\" in Form_Load() routine");

Module1 Session(std::int32_t shown, std::int32_t correct, std::int32_t wrong)
{
    Module1 m;
    m.SessionShown = shown;
    m.SessionCorrect = correct;
    m.SessionWrong = wrong;
    return m;
}

void StoreStatistics(const QByteArray& body) { test::WriteSettingsFile("[Statistics]\n" + body); }

// A stored statistic read back from the settings file itself.
QString Stored(const QString& key)
{
    QSettings file(test::SettingsFilePath(), QSettings::IniFormat);
    return file.value(keys::kStatistics + u'/' + key, QStringLiteral("<missing>")).toString();
}

QStringList Lines(const QString& report) { return report.split(QStringLiteral("\r\n")); }

class ReportsTest : public ::testing::Test {
protected:
    void SetUp() override { test::ClearSettings(); }
    void TearDown() override { test::ClearSettings(); }

    AppFolder app;
    TestRuntime runtime{app.path()};
};

TEST_F(ReportsTest, WorkedExampleGivesBothReportsAndStoresTheNewTotals)
{
    StoreStatistics("Shown=20\nCorrectAnswers=15\nWrongAnswers=3\nUsed=4\n");
    const ResultsTexts texts = LoadResults(runtime, Session(10, 6, 2));

    EXPECT_EQ(texts.session, QStringLiteral("This session results:\r\n"
                                            "Shown: 10 (answered: 8)\r\n"
                                            "Correct answers: 6\r\n"
                                            "Wrong answers: 2\r\n"
                                            "% of success: 75%"));
    EXPECT_EQ(texts.statistics, QStringLiteral("Statistical results:\r\n"
                                               "Program used 4 times\r\n"
                                               "Shown: 30 (answered: 26)\r\n"
                                               "Correct answers: 21\r\n"
                                               "Wrong answers: 5\r\n"
                                               "% of success: 80.77%"));
    EXPECT_EQ(Stored(keys::kShown), "30");
    EXPECT_EQ(Stored(keys::kCorrectAnswers), "21");
    EXPECT_EQ(Stored(keys::kWrongAnswers), "5");
    EXPECT_EQ(Stored(keys::kUsed), "4");
    EXPECT_TRUE(runtime.boxes.empty());
}

TEST_F(ReportsTest, TitleVersionAndCredits)
{
    const ResultsTexts texts = LoadResults(runtime, Session(0, 0, 0));
    EXPECT_EQ(texts.caption, "About Lumari !");
    EXPECT_EQ(texts.title, "Lumari !");
    EXPECT_EQ(texts.version, "Version 3.0.0");

    const QStringList credits = Lines(texts.credits);
    ASSERT_EQ(credits.size(), 4);
    EXPECT_TRUE(credits[0].contains("K. Orvel") && credits[0].contains("2008")) << credits[0].toStdString();
    EXPECT_TRUE(credits[1].contains(keys::kContactValue) && credits[1].contains(keys::kWebsiteValue));
    EXPECT_TRUE(credits[2].isEmpty());
    EXPECT_TRUE(credits[3].contains("example.org") && credits[3].contains("sound"));
}

TEST_F(ReportsTest, FirstRunWithOneRightAnswer)
{
    const ResultsTexts texts = LoadResults(runtime, Session(1, 1, 0));
    const QStringList tail{"Shown: 1 (answered: 1)", "Correct answers: 1", "Wrong answers: 0", "% of success: 100%"};
    EXPECT_EQ(Lines(texts.session).mid(1), tail);
    EXPECT_EQ(Lines(texts.statistics).mid(2), tail);
    EXPECT_EQ(Lines(texts.statistics)[1], "Program used 0 times");
    EXPECT_EQ(Stored(keys::kShown), "1");
    EXPECT_EQ(Stored(keys::kCorrectAnswers), "1");
    EXPECT_EQ(Stored(keys::kWrongAnswers), "0");
}

TEST_F(ReportsTest, SessionWithoutAnswersStoresNothing)
{
    const QByteArray before = "[Statistics]\nShown=20\nCorrectAnswers=15\nWrongAnswers=3\nUsed=seven times over\n";
    test::WriteSettingsFile(before);
    const ResultsTexts texts = LoadResults(runtime, Session(6, 0, 0));

    EXPECT_EQ(texts.session, "This session results:\r\n*** No answers given ***");
    EXPECT_EQ(Lines(texts.statistics)[1], "Program used seven times over times");  // shown as stored
    EXPECT_EQ(Lines(texts.statistics)[2], "Shown: 20 (answered: 18)");
    EXPECT_EQ(test::ReadSettingsFile(), before);
    EXPECT_TRUE(runtime.boxes.empty());
}

TEST_F(ReportsTest, NothingStoredAndNoAnswers)
{
    const ResultsTexts texts = LoadResults(runtime, Session(1, 0, 0));
    EXPECT_EQ(texts.statistics, "Statistical results:\r\nProgram used 0 times\r\n*** No stats available ***");
    EXPECT_FALSE(QFile::exists(test::SettingsFilePath()));
}

TEST_F(ReportsTest, DamagedTotalIsReportedAndReplacedByTheSessionCount)
{
    StoreStatistics("Shown=x\nCorrectAnswers=15\nWrongAnswers=3\n");
    const ResultsTexts texts = LoadResults(runtime, Session(10, 6, 2));

    ASSERT_EQ(runtime.boxes.size(), 1u);
    EXPECT_EQ(runtime.boxes[0].prompt, "Error \"Type mismatch\" in Form_Load() routine");
    EXPECT_EQ(runtime.boxes[0].style, 16);
    EXPECT_EQ(runtime.boxes[0].title, "");
    EXPECT_EQ(Stored(keys::kShown), "10");
    EXPECT_EQ(Stored(keys::kCorrectAnswers), "21");
    EXPECT_EQ(Lines(texts.statistics)[2], "Shown: 10 (answered: 26)");
}

// A sum or a rate that leaves the 32-bit range is reported; that step is
// skipped and every other key still gets its new value.
struct OverflowCase {
    const char* name;
    QByteArray stored;
    std::int32_t shown, correct, wrong;
    QString shownAfter, correctAfter, wrongAfter;
    QStringList statisticsTail;  // the statistics report from its third line
    int overflows = 1;           // boxes shown
};

class ReportsOverflowTest : public ReportsTest, public ::testing::WithParamInterface<OverflowCase> {};

TEST_P(ReportsOverflowTest, ReportedOnceAndOtherKeysIntact)
{
    const OverflowCase& c = GetParam();
    StoreStatistics(c.stored);
    const ResultsTexts texts = LoadResults(runtime, Session(c.shown, c.correct, c.wrong));

    EXPECT_EQ(runtime.BoxTexts(), QStringList(c.overflows, kOverflowBox));
    EXPECT_EQ(Stored(keys::kShown), c.shownAfter);
    EXPECT_EQ(Stored(keys::kCorrectAnswers), c.correctAfter);
    EXPECT_EQ(Stored(keys::kWrongAnswers), c.wrongAfter);
    EXPECT_EQ(Lines(texts.statistics).mid(2), c.statisticsTail);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReportsOverflowTest,
    ::testing::Values(
        OverflowCase{"ShownSum", "Shown=2147483640\nCorrectAnswers=15\nWrongAnswers=3\n", 10, 6, 2, "2147483640",
                     "21", "5",
                     {"Shown: 2147483640 (answered: 26)", "Correct answers: 21", "Wrong answers: 5",
                      "% of success: 80.77%"}},
        OverflowCase{"WrongSum", "Shown=20\nCorrectAnswers=15\nWrongAnswers=2147483647\n", 10, 6, 2, "30", "21",
                     "2147483647",
                     // the answered total overflows as well: the lines that need it are left out
                     {"Correct answers: 21", "Wrong answers: 2147483647"}, 2},
        OverflowCase{"RateOfTotals", "Shown=30000000\nCorrectAnswers=30000000\nWrongAnswers=0\n", 2, 1, 1,
                     "30000002", "30000001", "1",
                     {"Shown: 30000002 (answered: 30000002)", "Correct answers: 30000001", "Wrong answers: 1"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SuccessRate, RoundsHalfToEvenAndPrintsTheShortestForm)
{
    struct Row {
        int correct, answered;
        const char* text;
    };
    for (const Row& r : {Row{1, 3, "33.33"}, Row{2, 3, "66.67"}, Row{1, 8, "12.5"}, Row{1, 800, "0.12"},
                         Row{3, 4, "75"}, Row{0, 5, "0"}, Row{7, 7, "100"}}) {
        EXPECT_EQ(SuccessRate(r.correct, r.answered), QString::fromLatin1(r.text)) << r.correct << "/" << r.answered;
    }
}

TEST(SuccessRate, UsesTheUsersDecimalSeparator)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German));
    const QString text = SuccessRate(2, 3);
    QLocale::setDefault(saved);
    EXPECT_EQ(text, "66,67");
}

TEST(SuccessRate, HundredfoldCorrectOverflows)
{
    EXPECT_THROW(SuccessRate(21474837, 21474837), RuntimeError);
    EXPECT_EQ(SuccessRate(21474836, 21474836), "100");
}

}  // namespace
}  // namespace lumari
