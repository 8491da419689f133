// The image set list and the sound lists: what is listed, in which order,
// and which entry the stored options select.
#include "OptionsFixture.h"

#include "options/NameTable.h"
#include "options/SetList.h"
#include "options/SoundList.h"
#include "platform/ErrorTrap.h"

#include <QComboBox>

namespace lumari::test {
namespace {

QStringList Entries(const QComboBox* list)
{
    QStringList entries;
    for (int i = 0; i < list->count(); ++i) entries << list->itemText(i);
    return entries;
}

TEST(SortOrder, SetsIgnoreCaseAndKeepTheListingOrderOfEqualNames)
{
    const struct {
        QStringList listed, sorted;
    } cases[] = {
        {{"b", "A", "c"}, {"A", "b", "c"}},
        {{"x", "X", "a", "A"}, {"a", "A", "x", "X"}},
        {{"X", "x"}, {"X", "x"}},
        {{"Zoo", "", "zebra", "ZEBRA"}, {"", "zebra", "ZEBRA", "Zoo"}},
        {{"a_b", "aB"}, {"aB", "a_b"}},  // by code after upper-casing: "B" (66) before "_" (95)
    };
    for (const auto& c : cases) {
        QStringList names = c.listed;
        SortSetNames(names);
        EXPECT_EQ(names, c.sorted) << c.listed.join(u',').toStdString();
    }
}

TEST(SortOrder, SoundsByCharacterCodeWithCaseCounting)
{
    const struct {
        QStringList listed, sorted;
    } cases[] = {
        {{"c.wav", "a.wav", "B.wav"}, {"B.wav", "a.wav", "c.wav"}},
        {{"a_b.wav", "aB.wav", "ab.wav"}, {"aB.wav", "a_b.wav", "ab.wav"}},
        {{"ok.wav", "OK.wav", "error.wav"}, {"OK.wav", "error.wav", "ok.wav"}},
    };
    for (const auto& c : cases) {
        QStringList names = c.listed;
        SortSoundNames(names);
        EXPECT_EQ(names, c.sorted) << c.listed.join(u',').toStdString();
    }
}

class SetListTest : public OptionsTest {};

TEST_F(SetListTest, OnlyFoldersBeginningWithSetInAnyCaseAreListed)
{
    for (const char* folder : {"Set_b", "SET_A", "set_c", "Setup", "Sets", "Set_", "Images", "xSet_d"})
        app.MakeFolder(QString::fromLatin1(folder));
    app.WriteJpeg(QStringLiteral("Set_Animals.jpg"));
    app.WriteFile(QStringLiteral("Set_notes"), "text");
    Load();
    EXPECT_EQ(Entries(window->cboImagesSet), (QStringList{"", "A", "b", "c", "default"}));
    EXPECT_TRUE(Boxes().isEmpty());
}

TEST_F(SetListTest, StoredSetSelectsItsEntryIgnoringCaseAndImagesSetFollows)
{
    const struct {
        const char* stored;  // nullptr: no key at all
        int selected;
        const char* imagesSet;
    } cases[] = {
        {nullptr, 1, "default"},      // "Default" by default names Set_default
        {"DEFAULT", 1, "default"},
        {"zoo", 2, "Zoo"},
        {"", -1, ""},                 // "" is a value, not the default
        {"Gone", -1, "Gone"},         // no such set: nothing selected, the name kept
    };
    app.MakeFolder(QStringLiteral("Set_Zoo"));
    app.MakeFolder(QStringLiteral("Set_Alpha"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored ? c.stored : "(missing)");
        ClearSettings();
        if (c.stored) Store(keys::kGeneral, keys::kImagesSet, QString::fromLatin1(c.stored));
        module1 = Module1();
        Load();
        EXPECT_EQ(window->cboImagesSet->currentIndex(), c.selected);
        EXPECT_EQ(module1.ImagesSet, QString::fromLatin1(c.imagesSet));
    }
}

TEST_F(SetListTest, EverySelectionChangeUpdatesImagesSetAndARebuildReturnsToTheStoredSet)
{
    app.MakeFolder(QStringLiteral("Set_Zoo"));
    Load();
    ASSERT_EQ(window->cboImagesSet->currentText(), QStringLiteral("default"));
    window->cboImagesSet->setCurrentIndex(window->cboImagesSet->findText(QStringLiteral("Zoo")));
    EXPECT_EQ(module1.ImagesSet, QStringLiteral("Zoo"));

    app.MakeFolder(QStringLiteral("Set_New"));
    window->CaricaSetImmagini();
    EXPECT_EQ(Entries(window->cboImagesSet), (QStringList{"default", "New", "Zoo"}));
    EXPECT_EQ(window->cboImagesSet->currentText(), QStringLiteral("default"));
    EXPECT_EQ(module1.ImagesSet, QStringLiteral("default"));
}

TEST_F(SetListTest, RebuildWithTheStoredSetGoneSelectsNothingAndKeepsTheName)
{
    app.MakeFolder(QStringLiteral("Set_Zoo"));
    Store(keys::kGeneral, keys::kImagesSet, QStringLiteral("Zoo"));
    Load();
    ASSERT_EQ(window->cboImagesSet->currentText(), QStringLiteral("Zoo"));
    QDir(app(QStringLiteral("Set_Zoo"))).removeRecursively();
    window->CaricaSetImmagini();
    EXPECT_EQ(window->cboImagesSet->currentIndex(), -1);
    EXPECT_EQ(module1.ImagesSet, QStringLiteral("Zoo"));
}

TEST_F(SetListTest, AtMostAThousandSetsAreListed)
{
    for (int i = 0; i < 1004; ++i) app.MakeFolder(QStringLiteral("Set_%1").arg(i, 4, 10, QChar(u'0')));
    Load();
    EXPECT_EQ(window->cboImagesSet->count(), kMaxListedNames);
    EXPECT_TRUE(Boxes().isEmpty());
}

TEST_F(SetListTest, UnreadableAttributesAreReportedAndTheEntryJudgedAsAFolder)
{
    // A runtime whose attribute reading fails for two entries.
    class FailingAttributes : public RecordingRuntime {
    public:
        using RecordingRuntime::RecordingRuntime;
        int GetAttr(const QString& path) override
        {
            if (path.endsWith(QStringLiteral("Set_file.txt")) || path.endsWith(QStringLiteral("other.txt")))
                throw RuntimeError(err::PermissionDenied);
            return RecordingRuntime::GetAttr(path);
        }
    } failing(app.path());
    app.WriteFile(QStringLiteral("Set_file.txt"), "x");
    app.WriteFile(QStringLiteral("other.txt"), "x");
    frmApertura w(failing, module1);
    w.CaricaSetImmagini();
    EXPECT_EQ(Entries(w.cboImagesSet), (QStringList{"default", "file.txt"}));
    const QString report = QStringLiteral("Error \"Permission denied\" in CaricaSetImmagini() routine");
    EXPECT_EQ(failing.BoxTexts(), (QStringList{report, report}));
    EXPECT_EQ(failing.boxes.front().style, mb::Critical);
}

class SoundListTest : public OptionsTest {};

TEST_F(SoundListTest, WavFilesInAnyCaseAfterNoSoundInCharacterCodeOrder)
{
    for (const char* name : {"c.wav", "a.wav", "B.wav", "loud.WAV", "song.mp3", "notes.txt", "wav"})
        WriteSound(QString::fromLatin1(name));
    app.MakeFolder(QStringLiteral("Sounds/folder.wav"));
    Load();
    const QStringList expected = {kNoSound, "B.wav", "a.wav", "c.wav", "error.wav", "loud.WAV", "ok.wav"};
    EXPECT_EQ(Entries(window->cboSoundOK), expected);
    EXPECT_EQ(Entries(window->cboSoundWrong), expected);
}

TEST_F(SoundListTest, TheSoundsFolderInAnotherLetterCaseIsFound)
{
    QDir(app.path()).rename(QStringLiteral("Sounds"), QStringLiteral("SOUNDS"));
    Load();
    EXPECT_EQ(Entries(window->cboSoundOK), (QStringList{kNoSound, "error.wav", "ok.wav"}));
}

TEST_F(SoundListTest, StoredSoundsSelectIgnoringCaseOrFallBackToNoSound)
{
    const struct {
        const char* storedOk;     // nullptr: no key
        const char* storedWrong;
        const char* shownOk;
        const char* shownWrong;
    } cases[] = {
        {nullptr, nullptr, "ok.wav", "error.wav"},
        {"OK.WAV", "Error.Wav", "ok.wav", "error.wav"},
        {"error.wav", "ok.wav", "error.wav", "ok.wav"},
        {"", "", "*** NO SOUND ***", "*** NO SOUND ***"},
        {"gone.wav", "ok.wav", "*** NO SOUND ***", "ok.wav"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.storedOk ? c.storedOk : "(missing)");
        ClearSettings();
        if (c.storedOk) Store(keys::kGeneral, keys::kSoundOk, QString::fromLatin1(c.storedOk));
        if (c.storedWrong) Store(keys::kGeneral, keys::kSoundWrong, QString::fromLatin1(c.storedWrong));
        Load();
        EXPECT_EQ(window->cboSoundOK->currentText(), QString::fromLatin1(c.shownOk));
        EXPECT_EQ(window->cboSoundWrong->currentText(), QString::fromLatin1(c.shownWrong));
    }
}

TEST_F(SoundListTest, OnlyOkPresentLeavesTheWrongListOnNoSound)
{
    QFile::remove(app(QStringLiteral("Sounds/error.wav")));
    Load();
    EXPECT_EQ(window->cboSoundOK->currentText(), QStringLiteral("ok.wav"));
    EXPECT_EQ(window->cboSoundWrong->currentIndex(), 0);
    EXPECT_EQ(window->cboSoundWrong->currentText(), kNoSound);
}

TEST_F(SoundListTest, NoSoundsFolderLeavesOnlyNoSoundSelected)
{
    QDir(app(QStringLiteral("Sounds"))).removeRecursively();
    Load();
    for (QComboBox* list : {window->cboSoundOK, window->cboSoundWrong}) {
        EXPECT_EQ(Entries(list), QStringList{kNoSound});
        EXPECT_EQ(list->currentIndex(), 0);
    }
    EXPECT_TRUE(Boxes().isEmpty());
}

TEST_F(SoundListTest, AtMostAThousandSoundsBesidesNoSound)
{
    for (int i = 0; i < 1003; ++i) WriteSound(QStringLiteral("s%1.wav").arg(i, 4, 10, QChar(u'0')));
    Load();
    EXPECT_EQ(window->cboSoundOK->count(), kMaxListedNames + 1);
    EXPECT_EQ(window->cboSoundWrong->count(), kMaxListedNames + 1);
    EXPECT_TRUE(Boxes().isEmpty());
}

}  // namespace
}  // namespace lumari::test
