// The options window's start-up: the default-set check and the stored
// options brought into the controls, with every failure the store can hold.
#include "OptionsFixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QRadioButton>

namespace lumari::test {
namespace {

class StartupTest : public OptionsTest {};

TEST_F(StartupTest, FirstRunShowsTheDefaults)
{
    Load();
    EXPECT_TRUE(window->chkMostraNomi->isChecked());
    EXPECT_TRUE(window->chkSuoni->isChecked());
    EXPECT_TRUE(window->opt1->isChecked());
    EXPECT_FALSE(window->opt2->isChecked());
    EXPECT_EQ(window->cboSimboli->currentText(), QStringLiteral("2"));
    EXPECT_EQ(window->cboSimboli->count(), 3);
    EXPECT_EQ(window->cboImagesSet->currentText(), QStringLiteral("default"));
    EXPECT_EQ(window->cboSoundOK->currentText(), QStringLiteral("ok.wav"));
    EXPECT_EQ(window->cboSoundWrong->currentText(), QStringLiteral("error.wav"));
    EXPECT_EQ(module1.WayToWork, 1);
    EXPECT_EQ(module1.MaxPlaceholders, 2);
    EXPECT_EQ(module1.ImagesSet, QStringLiteral("default"));
    // Only the closing sets these.
    EXPECT_EQ(module1.ShowLabels, 0);
    EXPECT_EQ(module1.SoundOk, QString());
    EXPECT_TRUE(Boxes().isEmpty());
    EXPECT_TRUE(runtime.writes.isEmpty());
    EXPECT_TRUE(ReadSettingsFile().isEmpty());
}

TEST_F(StartupTest, StoredCheckBoxStates)
{
    const struct {
        const char* showLabels;
        const char* playSounds;
        bool labelsChecked, soundsChecked;
        QStringList boxes;
    } cases[] = {
        {"0", "0", false, false, {}},
        {"1", "0", true, false, {}},
        {" 0 ", "1", false, true, {}},  // blanks around a number are allowed
        {"yes", "0", true, false, {"Error \"Type mismatch\" in Form_Load() routine"}},
        {"7", "x", true, true,
         {"Error \"Invalid property value\" in Form_Load() routine", "Error \"Type mismatch\" in Form_Load() routine"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.showLabels);
        ClearSettings();
        runtime.boxes.clear();
        Store(keys::kGeneral, keys::kShowLabels, QString::fromLatin1(c.showLabels));
        Store(keys::kGeneral, keys::kPlaySounds, QString::fromLatin1(c.playSounds));
        Load();
        EXPECT_EQ(window->chkMostraNomi->isChecked(), c.labelsChecked);
        EXPECT_EQ(window->chkSuoni->isChecked(), c.soundsChecked);
        EXPECT_EQ(Boxes(), c.boxes);
    }
}

TEST_F(StartupTest, StoredWayToWorkOtherThanOneSelectsControlledRandom)
{
    const struct {
        const char* stored;
        bool random;
        bool reported;
    } cases[] = {{"1", true, false}, {"2", false, false}, {"0", false, false}, {"3", false, false},
                 {"-1", false, false}, {"1.4", true, false}, {"abc", false, true}, {"", false, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        ClearSettings();
        runtime.boxes.clear();
        module1 = Module1();
        Store(keys::kGeneral, keys::kWayToWork, QString::fromLatin1(c.stored));
        Load();
        EXPECT_EQ(window->opt1->isChecked(), c.random);
        EXPECT_EQ(window->opt2->isChecked(), !c.random);
        EXPECT_EQ(module1.WayToWork, c.random ? 1 : 2);
        EXPECT_EQ(Boxes(), c.reported ? QStringList{"Error \"Type mismatch\" in Form_Load() routine"} : QStringList{});
    }
}

TEST_F(StartupTest, StoredMaxPlaceholdersSelectsItsEntryOrNothing)
{
    const QString invalid = QStringLiteral("Error \"Invalid property value\" in Form_Load() routine");
    const struct {
        const char* stored;
        int index;
        int maxPlaceholders;
        QStringList boxes;
    } cases[] = {
        {"2", 0, 2, {}},
        {"3", 1, 3, {}},
        {"4", 2, 4, {}},
        {"1", -1, 1, {}},
        {"0", -1, 0, {invalid}},
        {"5", -1, 5, {invalid}},
        {"40000", -1, 40000, {"Error \"Overflow\" in Form_Load() routine"}},  // index beyond 16 bits
        {"many", -1, 7, {"Error \"Type mismatch\" in Form_Load() routine"}},  // the earlier value stays
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        ClearSettings();
        runtime.boxes.clear();
        module1 = Module1();
        module1.MaxPlaceholders = 7;
        Store(keys::kGeneral, keys::kMaxPlaceholders, QString::fromLatin1(c.stored));
        Load();
        EXPECT_EQ(window->cboSimboli->currentIndex(), c.index);
        EXPECT_EQ(module1.MaxPlaceholders, c.maxPlaceholders);
        QStringList expected = c.boxes;
        if (QByteArray(c.stored) == "many") expected << invalid;  // index 7 - 2 is outside the list
        EXPECT_EQ(Boxes(), expected);
        // The lists after a failing step are still filled.
        EXPECT_EQ(window->cboSoundOK->currentText(), QStringLiteral("ok.wav"));
    }
}

TEST_F(StartupTest, DefaultSetFolderInAnyLetterCasePassesTheCheck)
{
    QDir(app.path()).rename(QStringLiteral("Set_default"), QStringLiteral("SET_DEFAULT"));
    QDir(app(QStringLiteral("SET_DEFAULT"))).rename(QStringLiteral("Images"), QStringLiteral("images"));
    QFile::rename(app(QStringLiteral("SET_DEFAULT/images/cat.jpg")), app(QStringLiteral("SET_DEFAULT/images/CAT.JPG")));
    Load();
    EXPECT_FALSE(window->loadRefused());
    EXPECT_TRUE(Boxes().isEmpty());
    EXPECT_EQ(window->cboImagesSet->currentText(), QStringLiteral("DEFAULT"));
}

// Without a picture in the default set the program refuses to run, touches
// no stored option and does not count the run.
TEST_F(StartupTest, NoPictureInTheDefaultSetRefusesToRunAndStoresNothing)
{
    const struct {
        const char* name;
        std::function<void(const AppFolder&)> damage;
    } cases[] = {
        {"no set folder", [](const AppFolder& a) { QDir(a(QStringLiteral("Set_default"))).removeRecursively(); }},
        {"no Images folder",
         [](const AppFolder& a) { QDir(a(QStringLiteral("Set_default/Images"))).removeRecursively(); }},
        {"empty Images folder",
         [](const AppFolder& a) { QFile::remove(a(QStringLiteral("Set_default/Images/cat.jpg"))); }},
        {"only other picture types",
         [](const AppFolder& a) {
             QFile::rename(a(QStringLiteral("Set_default/Images/cat.jpg")), a(QStringLiteral("Set_default/Images/cat.png")));
             a.WriteFile(QStringLiteral("Set_default/Images/cat.jpeg"), "x");
             a.MakeFolder(QStringLiteral("Set_default/Images/folder.jpg"));
             a.MakeSet(QStringLiteral("Set_Other"), {QStringLiteral("a.jpg")}, {QStringLiteral("a.jpg")});
         }},
    };
    const QByteArray stored = "[GeneralSettings]\nShowLabels=0\nMaxPlaceholders=4\nImagesSet=Other\nSoundOk=\n"
                              "[Statistics]\nUsed=41\n";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        AppFolder fresh;
        fresh.MakeSet(QStringLiteral("Set_default"), {QStringLiteral("cat.jpg")}, {QStringLiteral("cat.jpg")});
        c.damage(fresh);
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
        EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty() ||
                    std::none_of(QApplication::topLevelWidgets().begin(), QApplication::topLevelWidgets().end(),
                                 [](QWidget* w) { return w->isVisible(); }));
        // Nothing was read into the shared state either.
        EXPECT_EQ(state.MaxPlaceholders, 0);
        EXPECT_EQ(state.ImagesSet, QString());
    }
}

}  // namespace
}  // namespace lumari::test
