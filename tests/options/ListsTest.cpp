// The image set list and the sound lists: what is listed, in which order,
// which entry the stored options select, and what the closing stores back.
#include "OptionsFixture.h"

#include <QDir>

namespace lumari::test {
namespace {

class ListsTest : public OptionsTest {};

// Sets: folders only, named "Set_" in any letter case, sorted without regard
// to it. Sounds: "*.wav" files in any letter case, in character-code order
// after "*** NO SOUND ***"; the Sounds folder too is found in any case.
TEST_F(ListsTest, WhatIsListedAndInWhichOrder)
{
    for (const char* folder : {"Set_b", "SET_A", "set_c", "Setup", "Sets", "Set_", "Images", "xSet_d"})
        app.MakeFolder(QString::fromLatin1(folder));
    app.WriteJpeg(QStringLiteral("Set_Animals.jpg"));
    for (const char* name : {"c.wav", "a.wav", "B.wav", "loud.WAV", "song.mp3", "wav"}) WriteSound(QString::fromLatin1(name));
    app.MakeFolder(QStringLiteral("Sounds/folder.wav"));
    QDir(app.path()).rename(QStringLiteral("Sounds"), QStringLiteral("SOUNDS"));
    Load();
    EXPECT_EQ(Entries(window->cboImagesSet), (QStringList{"", "A", "b", "c", "default"}));
    const QStringList sounds = {kNoSound, "B.wav", "a.wav", "c.wav", "error.wav", "loud.WAV", "ok.wav"};
    EXPECT_EQ(Entries(window->cboSoundOK), sounds);
    EXPECT_EQ(Entries(window->cboSoundWrong), sounds);
    EXPECT_TRUE(Boxes().isEmpty());
}

// The stored names select their entries without regard to letter case; a
// name that selects nothing is stored back as "" by the closing, and so is
// one placeholder (the number list holds no "1").
TEST_F(ListsTest, StoredNamesSelectIgnoringCaseAndWhatSelectsNothingIsStoredAsEmpty)
{
    app.MakeFolder(QStringLiteral("Set_Zoo"));
    const struct {
        const char *set, *ok, *wrong;  // stored texts
        int setIndex;
        const char *imagesSet, *shownOk, *shownWrong;  // after the start-up
        const char *storedSet, *storedOk, *storedWrong;  // after the closing
    } cases[] = {
        {"zoo", "OK.WAV", "Error.Wav", 1, "Zoo", "ok.wav", "error.wav", "Zoo", "ok.wav", "error.wav"},
        {"", "gone.wav", "ok.wav", -1, "", "*** NO SOUND ***", "ok.wav", "", "", "ok.wav"},
        {"Gone", "", "", -1, "Gone", "*** NO SOUND ***", "*** NO SOUND ***", "", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.set);
        ClearSettings();
        Store(keys::kGeneral, keys::kImagesSet, QString::fromUtf8(c.set));
        Store(keys::kGeneral, keys::kSoundOk, QString::fromUtf8(c.ok));
        Store(keys::kGeneral, keys::kSoundWrong, QString::fromUtf8(c.wrong));
        Store(keys::kGeneral, keys::kMaxPlaceholders, QStringLiteral("1"));
        Load();
        EXPECT_EQ(window->cboImagesSet->currentIndex(), c.setIndex);
        EXPECT_EQ(module1.ImagesSet, QString::fromUtf8(c.imagesSet));
        EXPECT_EQ(window->cboSoundOK->currentText(), QString::fromUtf8(c.shownOk));
        EXPECT_EQ(window->cboSoundWrong->currentText(), QString::fromUtf8(c.shownWrong));
        window->close();
        EXPECT_EQ(FileValue("GeneralSettings/ImagesSet"), QString::fromUtf8(c.storedSet));
        EXPECT_EQ(FileValue("GeneralSettings/SoundOk"), QString::fromUtf8(c.storedOk));
        EXPECT_EQ(FileValue("GeneralSettings/SoundWrong"), QString::fromUtf8(c.storedWrong));
        EXPECT_EQ(FileValue("GeneralSettings/MaxPlaceholders"), QStringLiteral("1"));
        EXPECT_EQ(module1.ImagesSet, QString::fromUtf8(c.imagesSet));  // as the start-up left it
        EXPECT_EQ(module1.SoundOk, QString::fromUtf8(c.storedOk));
        EXPECT_EQ(module1.MaxPlaceholders, 1);
        EXPECT_TRUE(Boxes().isEmpty());
    }
}

}  // namespace
}  // namespace lumari::test
