// The options window's start-up: the default-set check and the stored
// options brought into the controls, with every failure the store can hold.
#include "OptionsFixture.h"

#include <QApplication>

namespace lumari::test {
namespace {

class StartupTest : public OptionsTest {};

// Each stored text goes through its own step: a failing one is reported
// (in the order of the steps) and the next still runs.
TEST_F(StartupTest, StoredOptionsSelectTheirControlsAndEveryBadTextIsReported)
{
    const QString mismatch = QStringLiteral("Error \"Type mismatch\" in Form_Load() routine");
    const QString invalid = QStringLiteral("Error \"Invalid property value\" in Form_Load() routine");
    const struct {
        const char *showLabels, *playSounds, *wayToWork, *maxPlaceholders;  // as stored
        bool labels, sounds, random;
        int symbolsIndex, placeholders;
        QStringList boxes;
    } cases[] = {
        {"0", " 1 ", "1.4", "3", false, true, true, 1, 3, {}},  // blanks and fractions as numbers allow
        {" 0 ", "0", "3", "1", false, false, false, -1, 1, {}},  // any way but 1 is controlled random
        {"7", "x", "abc", "0", true, true, false, -1, 0, {invalid, mismatch, mismatch, invalid}},
        {"1", "1", "2", "5", true, true, false, -1, 5, {invalid}},
        {"1", "1", "1", "40000", true, true, true, -1, 40000, {"Error \"Overflow\" in Form_Load() routine"}},
        {"1", "1", "1", "many", true, true, true, -1, 7, {mismatch, invalid}},  // the earlier 7 stays: no entry
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.maxPlaceholders);
        ClearSettings();
        Store(keys::kGeneral, keys::kShowLabels, QString::fromLatin1(c.showLabels));
        Store(keys::kGeneral, keys::kPlaySounds, QString::fromLatin1(c.playSounds));
        Store(keys::kGeneral, keys::kWayToWork, QString::fromLatin1(c.wayToWork));
        Store(keys::kGeneral, keys::kMaxPlaceholders, QString::fromLatin1(c.maxPlaceholders));
        module1.MaxPlaceholders = 7;
        Load();
        EXPECT_EQ(window->chkMostraNomi->isChecked(), c.labels);
        EXPECT_EQ(window->chkSuoni->isChecked(), c.sounds);
        EXPECT_EQ(window->opt1->isChecked(), c.random);
        EXPECT_EQ(window->opt2->isChecked(), !c.random);
        EXPECT_EQ(module1.WayToWork, c.random ? 1 : 2);
        EXPECT_EQ(Entries(window->cboSimboli), (QStringList{"2", "3", "4"}));
        EXPECT_EQ(window->cboSimboli->currentIndex(), c.symbolsIndex);
        EXPECT_EQ(module1.MaxPlaceholders, c.placeholders);
        EXPECT_EQ(Boxes(), c.boxes);
        EXPECT_EQ(window->cboSoundOK->currentText(), QStringLiteral("ok.wav"));  // the lists still filled
    }
}

// Without a picture in the default set the program refuses to run, touches
// no stored option and does not count the run.
TEST_F(StartupTest, NoPictureInTheDefaultSetRefusesToRunAndStoresNothing)
{
    const QByteArray stored = "[GeneralSettings]\nShowLabels=0\nImagesSet=Other\nSoundOk=\n[Statistics]\nUsed=41\n";
    const struct {
        const char *folder, *file;
    } cases[] = {{"Set_default", nullptr}, {"Set_default/Images", nullptr}, {"Set_default/Images", "cat.png"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file ? c.file : c.folder);
        AppFolder fresh;
        fresh.MakeFolder(QString::fromLatin1(c.folder));
        if (c.file) fresh.WriteJpeg(QString::fromLatin1(c.folder) + u'/' + QString::fromLatin1(c.file));
        fresh.MakeSet(QStringLiteral("Set_Other"), {QStringLiteral("a.jpg")}, {QStringLiteral("a.jpg")});
        WriteSettingsFile(stored);
        RecordingRuntime rt(fresh.path());
        Module1 state;

        EXPECT_EQ(frmApertura::Start(rt, state), nullptr);
        ASSERT_EQ(rt.boxes.size(), 1u);
        EXPECT_EQ(rt.boxes[0].prompt, QStringLiteral("No images in Images Folder. Application cannot run."));
        EXPECT_EQ(rt.boxes[0].title, QStringLiteral("WARNING !!!"));
        EXPECT_EQ(rt.boxes[0].style, mb::Critical);
        EXPECT_TRUE(rt.writes.isEmpty());
        EXPECT_EQ(ReadSettingsFile(), stored);
        for (QWidget* w : QApplication::topLevelWidgets()) EXPECT_FALSE(w->isVisible()) << w->objectName().toStdString();
        EXPECT_EQ(state.ImagesSet, QString());  // nothing was read into the shared state
    }
}

}  // namespace
}  // namespace lumari::test
