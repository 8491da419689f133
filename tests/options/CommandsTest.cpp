// The five commands of the options window: clear statistics, create a set,
// open the current set, and play either chosen sound.
#include "OptionsFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QTest>

namespace lumari::test {
namespace {

const QStringList kStatisticsKeys = {"Shown", "CorrectAnswers", "WrongAnswers", "Used"};

class CommandsTest : public OptionsTest {
protected:
    void StoreStatistics()
    {
        for (const QString& key : kStatisticsKeys) Store(keys::kStatistics, key, QStringLiteral("17"));
    }
    QMap<QString, QString> File() { return ParseSettingsFile(ReadSettingsFile()); }
};

TEST_F(CommandsTest, ClearStatisticsAnsweredYesZeroesTheFourCountsInOrder)
{
    StoreStatistics();
    Load();
    runtime.msgBoxAnswers = {mb::Yes};
    QTest::mouseClick(window->cmdCancellaStatistiche, Qt::LeftButton);
    ASSERT_EQ(runtime.boxes.size(), 1u);
    EXPECT_EQ(runtime.boxes[0].prompt, QStringLiteral("All statistical data will be reset to 0. Proceed ?"));
    EXPECT_EQ(runtime.boxes[0].title, QStringLiteral("Confirm stats reset"));
    EXPECT_EQ(runtime.boxes[0].style, mb::YesNo);
    EXPECT_EQ(runtime.writes, (QStringList{"Statistics/Shown=0", "Statistics/CorrectAnswers=0",
                                           "Statistics/WrongAnswers=0", "Statistics/Used=0"}));
    for (const QString& key : kStatisticsKeys) EXPECT_EQ(File().value("Statistics/" + key), QStringLiteral("0"));
    // The options are untouched.
    EXPECT_FALSE(File().contains("GeneralSettings/ShowLabels"));
}

TEST_F(CommandsTest, ClearStatisticsAnsweredNoChangesNothing)
{
    StoreStatistics();
    const QByteArray before = ReadSettingsFile();
    Load();
    runtime.msgBoxAnswers = {mb::No};
    window->cmdCancellaStatistiche_Click();
    EXPECT_EQ(runtime.boxes.size(), 1u);
    EXPECT_TRUE(runtime.writes.isEmpty());
    EXPECT_EQ(ReadSettingsFile(), before);
}

TEST_F(CommandsTest, ClearStatisticsThenClosingCountsThisRunOnly)
{
    StoreStatistics();
    Load();
    window->cmdCancellaStatistiche_Click();  // Yes by default
    window->close();
    const auto file = File();
    EXPECT_EQ(file.value("Statistics/Used"), QStringLiteral("1"));
    EXPECT_EQ(file.value("Statistics/Shown"), QStringLiteral("0"));
}

TEST_F(CommandsTest, CreateSetCancelledCreatesNothingAndKeepsTheList)
{
    app.MakeFolder(QStringLiteral("Set_Zoo"));
    Load();
    window->cboImagesSet->setCurrentIndex(window->cboImagesSet->findText(QStringLiteral("Zoo")));
    const QStringList before = QDir(app.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    // A rebuild would go back to the stored set; the list stays as the user left it.
    QDir(app.path()).mkdir(QStringLiteral("Set_Later"));
    runtime.inputAnswers = {QString()};
    QTest::mouseClick(window->cmdCreateSet, Qt::LeftButton);
    ASSERT_EQ(runtime.inputBoxes.size(), 1u);
    EXPECT_EQ(runtime.inputBoxes[0].first, QStringLiteral("Insert new set name"));
    EXPECT_EQ(runtime.inputBoxes[0].second, QStringLiteral("Create new images set"));
    QStringList expected = before + QStringList{"Set_Later"};
    expected.sort();
    QStringList after = QDir(app.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    after.sort();
    EXPECT_EQ(after, expected);
    EXPECT_EQ(window->cboImagesSet->count(), 2);
    EXPECT_EQ(window->cboImagesSet->currentText(), QStringLiteral("Zoo"));
    EXPECT_EQ(module1.ImagesSet, QStringLiteral("Zoo"));
    EXPECT_TRUE(Boxes().isEmpty());
}

TEST_F(CommandsTest, CreateSetPassesTheNameAsTypedAndRebuildsTheList)
{
    app.MakeFolder(QStringLiteral("Set_Zoo"));
    Load();
    window->cboImagesSet->setCurrentIndex(window->cboImagesSet->findText(QStringLiteral("Zoo")));
    ASSERT_EQ(module1.ImagesSet, QStringLiteral("Zoo"));
    runtime.inputAnswers = {QStringLiteral("  My Set ")};
    window->cmdCreateSet_Click();
    // Created as typed by the set creation, listed but not selected: the
    // selection returns to the stored set ("Default" names Set_default).
    EXPECT_TRUE(QFileInfo(app(QStringLiteral("Set_  My Set /Images"))).isDir());
    EXPECT_TRUE(QFileInfo(app(QStringLiteral("Set_  My Set /Symbols"))).isDir());
    QStringList entries;
    for (int i = 0; i < window->cboImagesSet->count(); ++i) entries << window->cboImagesSet->itemText(i);
    EXPECT_EQ(entries, (QStringList{"  My Set ", "default", "Zoo"}));
    EXPECT_EQ(window->cboImagesSet->currentText(), QStringLiteral("default"));
    EXPECT_EQ(module1.ImagesSet, QStringLiteral("default"));
}

TEST_F(CommandsTest, CreateSetWithAnExistingNameStillRebuildsTheList)
{
    Load();
    window->cboImagesSet->setCurrentIndex(-1);
    ASSERT_EQ(module1.ImagesSet, QString());
    const QStringList before = QDir(app.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    runtime.inputAnswers = {QStringLiteral("DEFAULT")};
    window->cmdCreateSet_Click();
    ASSERT_EQ(Boxes().size(), 1);
    EXPECT_TRUE(Boxes()[0].startsWith(QStringLiteral("Cannot create set \"DEFAULT\"."))) << Boxes()[0].toStdString();
    EXPECT_EQ(QDir(app.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
    EXPECT_EQ(window->cboImagesSet->count(), 1);
    // Rebuilt: the stored set is selected again.
    EXPECT_EQ(window->cboImagesSet->currentText(), QStringLiteral("default"));
    EXPECT_EQ(module1.ImagesSet, QStringLiteral("default"));
}

TEST_F(CommandsTest, OpenCurrentSetOpensTheFolderOfImagesSet)
{
    app.MakeFolder(QStringLiteral("Set_x; touch pwned $(touch pwned2)"));
    Load();
    const struct {
        const char* pick;  // entry to select, nullptr: none
        const char* opened;
    } cases[] = {
        {"default", "\\Set_default"},
        {"x; touch pwned $(touch pwned2)", "\\Set_x; touch pwned $(touch pwned2)"},
    };
    for (const auto& c : cases) {
        runtime.openedFolders.clear();
        window->cboImagesSet->setCurrentIndex(window->cboImagesSet->findText(QString::fromUtf8(c.pick)));
        QTest::mouseClick(window->cmdOpenSet, Qt::LeftButton);
        EXPECT_EQ(runtime.openedFolders, QStringList{app.path() + QString::fromUtf8(c.opened)});
    }
    // No set selected: the folder "Set_" is named all the same, without a report.
    runtime.openedFolders.clear();
    module1.ImagesSet.clear();
    window->cmdOpenSet_Click();
    EXPECT_EQ(runtime.openedFolders, QStringList{app.path() + QStringLiteral("\\Set_")});
    EXPECT_TRUE(Boxes().isEmpty());
}

TEST_F(CommandsTest, OpenCurrentSetRefusesANameLeadingOutOfTheProgramFolder)
{
    Load();
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

TEST_F(CommandsTest, PlayingNoSoundOnTheRealPlayerIsSilentWithoutAMessage)
{
    Load();
    runtime.realSound = true;
    window->cboSoundOK->setCurrentIndex(0);
    window->cmdPlayOk_Click();
    app.WriteFile(QStringLiteral("Sounds/broken.wav"), "not a wave at all");
    window->cboSoundWrong->addItem(QStringLiteral("broken.wav"));
    window->cboSoundWrong->setCurrentIndex(window->cboSoundWrong->count() - 1);
    window->cmdPlayWrong_Click();
    EXPECT_EQ(runtime.playedSounds.size(), 2);
    EXPECT_TRUE(Boxes().isEmpty());
}

}  // namespace
}  // namespace lumari::test
