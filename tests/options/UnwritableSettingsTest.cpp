// A run whose settings file cannot be written: every write is reported, yet
// the options chosen are in force for the game and the results window's
// totals include the session.
#include "options/frmApertura.h"
#include "results/Reports.h"
#include "support/TestServices.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <tuple>

namespace lumari::test {

TEST(Options, ChoicesAndTotalsHoldWhenNothingCanBeWritten)
{
    World w;
    w.app.MakeSet("Set_default", {"a.jpg"}, {"a.jpg"});
    for (const char* sound : {"Sounds/ok.wav", "Sounds/error.wav"}) w.app.WriteFile(sound, "RIFF");
    QPointer<frmApertura> window = frmApertura::Start(w.services(), w.module1);
    ASSERT_TRUE(window);
    window->findChild<QCheckBox*>("chkMostraNomi")->setChecked(false);
    window->findChild<QRadioButton*>("opt2")->setChecked(true);
    window->findChild<QComboBox*>("cboSimboli")->setCurrentIndex(2);
    window->findChild<QComboBox*>("cboSoundOK")->setCurrentText("error.wav");
    window->findChild<QComboBox*>("cboSoundWrong")->setCurrentText("ok.wav");
    ASSERT_TRUE(QDir().mkpath(SettingsFilePath()));  // a folder where the file belongs
    window->close();
    const Module1& m = w.module1;
    EXPECT_EQ(std::tuple(m.ShowLabels, m.WayToWork, m.MaxPlaceholders, m.SoundOk, m.SoundWrong),
              std::tuple(kFalse, kControlledRandom, 4, QString("error.wav"), QString("ok.wav")));

    std::tie(w.module1.SessionShown, w.module1.SessionCorrect, w.module1.SessionWrong) = std::tuple(5, 3, 1);
    const ResultsTexts results = LoadResults(w.services(), w.module1);
    QDir(SettingsFilePath()).removeRecursively();
    EXPECT_EQ(w.boxes.Texts(), QStringList(12, "Error \"Path/File access error\" in FormUnload() routine") +
                                   QStringList(3, "Error \"Path/File access error\" in Form_Load() routine"));
    EXPECT_EQ(results.statistics.toStdString(), "Statistical results:\r\nProgram used 0 times\r\nShown: 5 (answered: 4)"
                                                "\r\nCorrect answers: 3\r\nWrong answers: 1\r\n% of success: 75%");
}

}  // namespace lumari::test
