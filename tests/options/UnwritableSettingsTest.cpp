// A run whose settings file cannot be written: every write is reported, yet
// the options chosen are in force for the game and the results window's
// totals include the session.
#include "OptionsFixture.h"

#include "results/Reports.h"

#include <QDir>

#include <tuple>

namespace lumari::test {

TEST_F(OptionsTest, ChoicesAndTotalsHoldWhenNothingCanBeWritten)
{
    Load();
    window->chkMostraNomi->setChecked(false);
    window->opt2->setChecked(true);
    window->cboSimboli->setCurrentIndex(2);
    window->cboSoundOK->setCurrentText("error.wav");
    window->cboSoundWrong->setCurrentText("ok.wav");
    ASSERT_TRUE(QDir().mkpath(SettingsFilePath()));  // a folder where the file belongs
    window->close();
    const Module1& m = module1;
    EXPECT_EQ(std::tuple(m.ShowLabels, m.WayToWork, m.MaxPlaceholders, m.SoundOk, m.SoundWrong),
              std::tuple(kFalse, kControlledRandom, 4, QString("error.wav"), QString("ok.wav")));

    std::tie(module1.SessionShown, module1.SessionCorrect, module1.SessionWrong) = std::tuple(5, 3, 1);
    const ResultsTexts results = LoadResults(runtime, module1);
    QDir(SettingsFilePath()).removeRecursively();
    EXPECT_EQ(Boxes(), QStringList(12, "Error \"Path/File access error\" in FormUnload() routine") +
                           QStringList(3, "Error \"Path/File access error\" in Form_Load() routine"));
    EXPECT_EQ(results.statistics.toStdString(), "Statistical results:\r\nProgram used 0 times\r\nShown: 5 (answered: 4)"
                                                "\r\nCorrect answers: 3\r\nWrong answers: 1\r\n% of success: 75%");
}

}  // namespace lumari::test
