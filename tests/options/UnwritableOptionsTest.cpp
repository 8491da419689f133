// The options chosen are in force for the game even when the settings file
// cannot take them.
#include "OptionsFixture.h"

#include <QDir>

namespace lumari::test {
namespace {

TEST_F(OptionsTest, EveryChoiceIsInForceWhenNoKeyCanBeWritten)
{
    Load();
    window->chkMostraNomi->setChecked(false);
    window->opt2->setChecked(true);
    window->cboSimboli->setCurrentIndex(2);
    window->cboSoundOK->setCurrentText("error.wav");
    window->cboSoundWrong->setCurrentText("ok.wav");
    ASSERT_TRUE(QDir().mkpath(SettingsFilePath()));  // a folder where the file belongs
    window->close();
    QDir(SettingsFilePath()).removeRecursively();
    EXPECT_EQ(Boxes(), QStringList(12, "Error \"Path/File access error\" in FormUnload() routine"));
    EXPECT_EQ(module1.ShowLabels, kFalse);
    EXPECT_EQ(module1.WayToWork, kControlledRandom);
    EXPECT_EQ(module1.MaxPlaceholders, 4);
    EXPECT_EQ(module1.SoundOk, "error.wav");
    EXPECT_EQ(module1.SoundWrong, "ok.wav");
}

}  // namespace
}  // namespace lumari::test
