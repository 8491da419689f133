// The five commands of the options window: clear statistics, create a set,
// open the current set, and play either chosen sound.
#include "OptionsFixture.h"

#include <QDir>
#include <QTest>

namespace lumari::test {
namespace {

class CommandsTest : public OptionsTest {
protected:
    void SetUp() override
    {
        OptionsTest::SetUp();
        app.MakeFolder(QStringLiteral("Set_Zoo"));
    }
    QStringList OnDisk() const { return QDir(app.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot); }
    void SelectSet(const QString& name)
    {
        window->cboImagesSet->setCurrentIndex(window->cboImagesSet->findText(name));
        ASSERT_EQ(module1.ImagesSet, name);
    }
};

TEST_F(CommandsTest, ClearStatisticsZeroesTheFourCountsInOrderOnYesOnly)
{
    for (const char* key : {"Shown", "CorrectAnswers", "WrongAnswers", "Used"})
        Store(keys::kStatistics, QString::fromLatin1(key), QStringLiteral("17"));
    const QByteArray before = ReadSettingsFile();
    Load();
    runtime.msgBoxAnswers = {mb::No, mb::Yes};
    QTest::mouseClick(window->cmdCancellaStatistiche, Qt::LeftButton);
    EXPECT_TRUE(runtime.writes.isEmpty());
    EXPECT_EQ(ReadSettingsFile(), before);

    QTest::mouseClick(window->cmdCancellaStatistiche, Qt::LeftButton);
    ASSERT_EQ(runtime.boxes.size(), 2u);
    EXPECT_EQ(runtime.boxes[1].prompt, QStringLiteral("All statistical data will be reset to 0. Proceed ?"));
    EXPECT_EQ(runtime.boxes[1].title, QStringLiteral("Confirm stats reset"));
    EXPECT_EQ(runtime.boxes[1].style, mb::YesNo);  // Yes is the default button of this style
    EXPECT_EQ(runtime.writes, (QStringList{"Statistics/Shown=0", "Statistics/CorrectAnswers=0",
                                           "Statistics/WrongAnswers=0", "Statistics/Used=0"}));
    EXPECT_EQ(FileValue("Statistics/CorrectAnswers"), QStringLiteral("0"));

    // The closing then counts this run only.
    window->close();
    EXPECT_EQ(FileValue("Statistics/Used"), QStringLiteral("1"));
    EXPECT_EQ(FileValue("Statistics/Shown"), QStringLiteral("0"));
}

// Cancel creates nothing and leaves the list as it is; a name goes to the set
// creation exactly as typed, and the list is rebuilt after every attempt,
// which selects the stored set again.
TEST_F(CommandsTest, CreateSetUsesTheNameAsTypedAndRebuildsTheListAfterEveryAttempt)
{
    Load();
    SelectSet(QStringLiteral("Zoo"));
    app.MakeFolder(QStringLiteral("Set_Later"));  // a rebuild would list it
    QStringList before = OnDisk();
    runtime.inputAnswers = {QString(), QStringLiteral("  My Set "), QStringLiteral("DEFAULT")};
    QTest::mouseClick(window->cmdCreateSet, Qt::LeftButton);
    ASSERT_EQ(runtime.inputBoxes.size(), 1u);
    EXPECT_EQ(runtime.inputBoxes[0].first, QStringLiteral("Insert new set name"));
    EXPECT_EQ(runtime.inputBoxes[0].second, QStringLiteral("Create new images set"));
    EXPECT_EQ(OnDisk(), before);
    EXPECT_EQ(Entries(window->cboImagesSet), (QStringList{"default", "Zoo"}));
    EXPECT_EQ(module1.ImagesSet, QStringLiteral("Zoo"));

    window->cmdCreateSet_Click();
    EXPECT_TRUE(QFileInfo(app(QStringLiteral("Set_  My Set /Images"))).isDir());
    EXPECT_EQ(Entries(window->cboImagesSet), (QStringList{"  My Set ", "default", "Later", "Zoo"}));
    EXPECT_EQ(module1.ImagesSet, QStringLiteral("default"));
    EXPECT_TRUE(Boxes().isEmpty());

    SelectSet(QStringLiteral("Zoo"));
    before = OnDisk();
    window->cmdCreateSet_Click();
    ASSERT_EQ(Boxes().size(), 1);
    EXPECT_TRUE(Boxes()[0].startsWith(QStringLiteral("Cannot create set \"DEFAULT\"."))) << Boxes()[0].toStdString();
    EXPECT_EQ(OnDisk(), before);
    EXPECT_EQ(window->cboImagesSet->count(), 4);
    EXPECT_EQ(module1.ImagesSet, QStringLiteral("default"));
}

// The current set's name may come from a hand-edited store: it is opened
// as one folder name and never leads out of the program's folder.
TEST_F(CommandsTest, OpenCurrentSetOpensThatFolderOnlyInsideTheProgramFolder)
{
    const QString odd = QStringLiteral("x; touch pwned $(touch pwned2)");
    app.MakeFolder("Set_" + odd);
    Load();
    SelectSet(odd);
    QTest::mouseClick(window->cmdOpenSet, Qt::LeftButton);
    EXPECT_EQ(runtime.openedFolders, QStringList{app.path() + "\\Set_" + odd});
    EXPECT_TRUE(Boxes().isEmpty());

    for (const char* name : {"../..", "a/b", "..\\..\\etc", "/etc"}) {
        SCOPED_TRACE(name);
        runtime.boxes.clear();
        runtime.openedFolders.clear();
        module1.ImagesSet = QString::fromLatin1(name);
        window->cmdOpenSet_Click();
        EXPECT_TRUE(runtime.openedFolders.isEmpty());
        EXPECT_EQ(Boxes(), QStringList{"Error \"Path not found\" in cmdOpenSet_Click() routine"});
    }
}

TEST_F(CommandsTest, PlayButtonsPlayTheListedSoundWhateverPlaySoundsSays)
{
    WriteSound(QStringLiteral("B.wav"));
    Load();
    window->chkSuoni->setChecked(false);
    window->cboSoundWrong->setCurrentIndex(window->cboSoundWrong->findText(QStringLiteral("B.wav")));
    QTest::mouseClick(window->cmdPlayOk, Qt::LeftButton);
    QTest::mouseClick(window->cmdPlayWrong, Qt::LeftButton);
    window->cboSoundOK->setCurrentIndex(0);
    QTest::mouseClick(window->cmdPlayOk, Qt::LeftButton);
    EXPECT_EQ(runtime.playedSounds, (QStringList{app.path() + "\\Sounds\\ok.wav", app.path() + "\\Sounds\\B.wav",
                                                 app.path() + "\\Sounds\\*** NO SOUND ***"}));
    EXPECT_TRUE(Boxes().isEmpty());
    EXPECT_TRUE(runtime.writes.isEmpty());  // no option changes
}

}  // namespace
}  // namespace lumari::test
