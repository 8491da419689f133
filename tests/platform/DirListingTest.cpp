// Directory listing, attributes and case-insensitive paths on real folders.
#include "platform/PathResolver.h"
#include "platform/QtRuntime.h"
#include "platform/RuntimeError.h"
#include "support/TestFiles.h"

#include <QFile>

#include <gtest/gtest.h>
#include <unistd.h>

namespace lumari {
namespace {

using test::AppFolder;

QStringList ListAll(Runtime& rt, const QString& pattern, int attributes)
{
    QStringList names;
    for (QString n = rt.Dir(pattern, attributes); !n.isEmpty(); n = rt.DirNext()) {
        names << n;
        if (names.size() > 10000) break;  // a listing that never ends is a failure, not a hang
    }
    return names;
}

int ErrorOf(const std::function<void()>& f)
{
    try {
        f();
    } catch (const RuntimeError& e) {
        return e.number();
    }
    return 0;
}

class DirListingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        app.MakeFolder("Set_Animals/Images");
        app.MakeFolder("Set_Animals/Symbols");
        app.WriteFile("Set_Animals/Images/b.jpg", "x");
        app.WriteFile("Set_Animals/Images/a.jpg", "x");
        app.WriteFile("Set_Animals/Images/C.JPG", "x");
        app.WriteFile("Set_Animals/Images/notes.txt", "x");
        app.WriteFile("Set_Animals/Images/.hidden.jpg", "x");
        app.MakeFolder("Set_Animals/Images/x.jpg");  // a folder that looks like a picture
        app.WriteFile("Sounds/ok.wav", "x");
        app.WriteFile("Sounds/Error.WAV", "x");
        app.WriteFile("readme", "x");
    }
    AppFolder app;
    QtRuntime rt{app.path()};
};

TEST_F(DirListingTest, FilePatternsMatchIgnoringCaseInEveryComponent)
{
    struct Case {
        QString pattern;
        int attributes;
        QStringList expected;
    } cases[] = {
        // Folder components spelt in another case, the pattern too; order stable by name.
        {"\\set_animals\\images\\*.jpg", 0, {"a.jpg", "b.jpg", "C.JPG"}},
        {"/SET_ANIMALS/IMAGES/*.JPG", 0, {"a.jpg", "b.jpg", "C.JPG"}},
        {"\\Set_Animals\\Images\\?.jpg", 0, {"a.jpg", "b.jpg", "C.JPG"}},
        {"\\sounds\\*.wav", 0, {"Error.WAV", "ok.wav"}},
        // Attribute 16 adds the folders and "." and "..", which come first.
        {"\\Set_Animals\\Images\\*.jpg", 16, {"a.jpg", "b.jpg", "C.JPG", "x.jpg"}},
        {"\\Set_Animals\\Images\\*", 16, {".", "..", "a.jpg", "b.jpg", "C.JPG", "notes.txt", "x.jpg"}},
        {"\\Set_Animals\\Images\\", 0, {"a.jpg", "b.jpg", "C.JPG", "notes.txt"}},
        {"\\*.*", 0, {"readme"}},
        {"\\*", 16, {".", "..", "readme", "Set_Animals", "Sounds"}},
        {"\\set_*", 16, {"Set_Animals"}},
        {"\\set_*", 0, {}},
        // A missing folder lists nothing, without an error.
        {"\\Set_Missing\\Images\\*.jpg", 0, {}},
        {"\\Set_Animals\\Images\\*.png", 0, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pattern.toStdString() + " attr " + std::to_string(c.attributes));
        EXPECT_EQ(ListAll(rt, app.path() + c.pattern, c.attributes), c.expected);
    }
}

TEST_F(DirListingTest, NextAfterTheEndIsAnInvalidCall)
{
    EXPECT_EQ(rt.Dir(app.path() + "\\Sounds\\ok.*", 0), "ok.wav");
    EXPECT_EQ(rt.DirNext(), "");
    EXPECT_EQ(ErrorOf([&] { rt.DirNext(); }), err::InvalidCall);
    // A new listing starts over, and an empty one ends at once.
    EXPECT_EQ(rt.Dir(app.path() + "\\Sounds\\none*", 0), "");
    EXPECT_EQ(ErrorOf([&] { rt.DirNext(); }), err::InvalidCall);
}

TEST_F(DirListingTest, LinksLoopsAndOddNamesNeverHangNorList)
{
    const QString images = app("Set_Animals/Images");
    ASSERT_EQ(::symlink("loop.jpg", QFile::encodeName(images + "/loop.jpg").constData()), 0);
    ASSERT_EQ(::symlink("gone.jpg", QFile::encodeName(images + "/broken.jpg").constData()), 0);
    ASSERT_EQ(::symlink("a.jpg", QFile::encodeName(images + "/link.jpg").constData()), 0);
    ASSERT_EQ(::symlink(".", QFile::encodeName(images + "/self").constData()), 0);
    app.WriteFile("Set_Animals/Images/back\\slash.jpg", "x");
    app.WriteFile("Set_Animals/Images/two words 'q' \"dq\".jpg", "x");
    EXPECT_EQ(ListAll(rt, images + "/*.jpg", 0),
              (QStringList{"a.jpg", "b.jpg", "C.JPG", "link.jpg", "two words 'q' \"dq\".jpg"}));
    EXPECT_EQ(ListAll(rt, images + "/*", 16),
              (QStringList{".", "..", "a.jpg", "b.jpg", "C.JPG", "link.jpg", "notes.txt", "self",
                           "two words 'q' \"dq\".jpg", "x.jpg"}));
}

TEST_F(DirListingTest, AttributesOfFilesAndFolders)
{
    EXPECT_EQ(rt.GetAttr(app.path() + "\\set_animals") & attr::Directory, attr::Directory);
    EXPECT_EQ(rt.GetAttr(app.path() + "\\SET_ANIMALS\\images\\a.JPG") & attr::Directory, 0);
    EXPECT_EQ(rt.GetAttr(app.path() + "\\Set_Animals\\Images\\.hidden.jpg") & attr::Hidden, attr::Hidden);
    EXPECT_EQ(ErrorOf([&] { rt.GetAttr(app.path() + "\\nothing"); }), err::FileNotFound);
}

TEST_F(DirListingTest, CreatingAFolderOnceOnly)
{
    rt.CreateFolder(app.path() + "\\Set_New");
    EXPECT_TRUE(QFileInfo(app("Set_New")).isDir());
    EXPECT_EQ(ErrorOf([&] { rt.CreateFolder(app.path() + "\\SET_NEW"); }), err::FileAlreadyExists);
    EXPECT_EQ(ErrorOf([&] { rt.CreateFolder(app.path() + "\\readme"); }), err::FileAlreadyExists);
    EXPECT_EQ(ErrorOf([&] { rt.CreateFolder(app.path() + "\\No\\Parent"); }), err::PathNotFound);
    rt.CreateFolder(app.path() + "\\set_new\\Images");  // the parent found in any letter case
    EXPECT_TRUE(QFileInfo(app("Set_New/Images")).isDir());
}

TEST(PathResolver, ResolvesEachComponentIgnoringCase)
{
    AppFolder app;
    app.WriteFile("Set_A/Images/Cat.JPG", "x");
    app.WriteFile("Sounds/ok.wav", "x");
    EXPECT_EQ(ResolvePath(app.path() + "\\set_a\\images\\cat.jpg"), app("Set_A/Images/Cat.JPG"));
    EXPECT_EQ(ResolvePath(app.path() + "/SOUNDS/OK.WAV"), app("Sounds/ok.wav"));
    // What does not exist keeps its spelling from the first missing component on.
    EXPECT_EQ(ResolvePath(app.path() + "\\sounds\\Missing\\X.wav"), app("Sounds/Missing/X.wav"));
    EXPECT_EQ(ResolvePath(app.path() + "\\Sounds\\*** NO SOUND ***"), app("Sounds/*** NO SOUND ***"));
    // Two spellings in one folder: the exact one wins, else a stable choice.
    app.WriteFile("Sounds/OK.wav", "y");
    EXPECT_EQ(ResolvePath(app.path() + "/Sounds/OK.wav"), app("Sounds/OK.wav"));
    EXPECT_EQ(ResolvePath(app.path() + "/Sounds/Ok.Wav"), app("Sounds/OK.wav"));
}

TEST(PathResolver, WildcardsIgnoreCase)
{
    struct Case {
        const char* name;
        const char* pattern;
        bool match;
    } cases[] = {
        {"cat.jpg", "*.jpg", true},    {"CAT.JPG", "*.jpg", true},     {"cat.jpeg", "*.jpg", false},
        {"cat.jpg.txt", "*.jpg", false}, {"a.jpg", "?.jpg", true},     {"ab.jpg", "?.jpg", false},
        {"Set_x", "SET_*", true},      {"Setup", "set_*", false},      {"readme", "*.*", true},
        {"a.b.c", "*.*", true},        {"x", "x.*", true},             {"é.jpg", "É.JPG", true},
        {"aXbXc", "a*b*c", true},      {"abc", "a*b*c*d", false},      {"", "*", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " ~ " + c.pattern);
        EXPECT_EQ(MatchesPattern(QString::fromUtf8(c.name), QString::fromUtf8(c.pattern)), c.match);
    }
}

}  // namespace
}  // namespace lumari
