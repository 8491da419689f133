// The totals the results window reports include the session even when the
// settings file cannot take them.
#include "results/Reports.h"

#include "state/Module1.h"
#include "support/TestFiles.h"
#include "support/TestRuntime.h"

#include <QDir>

#include <gtest/gtest.h>

namespace lumari {
namespace {

TEST(UnsavedTotals, TheTotalsAsTheyNowStandHoldTheSession)
{
    test::AppFolder app;
    test::TestRuntime runtime(app.path());
    test::ClearSettings();
    ASSERT_TRUE(QDir().mkpath(test::SettingsFilePath()));  // a folder where the file belongs
    const ResultsTexts texts = LoadResults(runtime, Module1{.SessionShown = 5, .SessionCorrect = 3, .SessionWrong = 1});
    QDir(test::SettingsFilePath()).removeRecursively();
    EXPECT_EQ(runtime.BoxTexts(), QStringList(3, "Error \"Path/File access error\" in Form_Load() routine"));
    EXPECT_EQ(texts.statistics.toStdString(), "Statistical results:\r\nProgram used 0 times\r\nShown: 5 (answered: 4)\r\n"
                                              "Correct answers: 3\r\nWrong answers: 1\r\n% of success: 75%");
}

}  // namespace
}  // namespace lumari
