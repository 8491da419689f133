// Directory listing, attributes and case-insensitive paths on real folders.
#include "platform/PathResolver.h"
#include "platform/QtRuntime.h"
#include "support/TestFiles.h"

#include "RaisedError.h"

#include <QFile>

#include <gtest/gtest.h>
#include <unistd.h>

namespace lumari {
namespace {

using test::ErrorOf;

class DirListingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* file : {"Set_Animals/Images/b.jpg", "Set_Animals/Images/a.jpg", "Set_Animals/Images/C.JPG",
                                 "Set_Animals/Images/notes.txt", "Set_Animals/Images/.hidden.jpg", "Sounds/ok.wav",
                                 "Sounds/Error.WAV", "readme"})
            app.WriteFile(file, "x");
        app.MakeFolder("Set_Animals/Symbols");
        app.MakeFolder("Set_Animals/Images/x.jpg");  // a folder that looks like a picture
    }
    QStringList ListAll(const QString& pattern, int attributes)
    {
        QStringList names;
        for (QString n = rt.Dir(app.path() + pattern, attributes); !n.isEmpty() && names.size() < 1000;
             n = rt.DirNext())
            names << n;  // a listing that never ends is a failure, not a hang
        return names;
    }
    test::AppFolder app;
    QtRuntime rt{app.path()};
};

TEST_F(DirListingTest, PatternsMatchIgnoringCaseInEveryComponent)
{
    struct Case {
        QString pattern;
        int attributes;
        QStringList expected;
    } cases[] = {
        // Folder components spelt in another case, the pattern too; order stable by name.
        {"\\set_animals\\images\\*.jpg", 0, {"a.jpg", "b.jpg", "C.JPG"}},
        {"/SET_ANIMALS/IMAGES/?.JPG", 0, {"a.jpg", "b.jpg", "C.JPG"}},
        {"\\sounds\\*.wav", 0, {"Error.WAV", "ok.wav"}},
        // Attribute 16 adds the folders, and "." and ".." first; no folder matches with 0.
        {"\\Set_Animals\\Images\\*.jpg", 16, {"a.jpg", "b.jpg", "C.JPG", "x.jpg"}},
        {"\\Set_Animals\\Images\\*", 16, {".", "..", "a.jpg", "b.jpg", "C.JPG", "notes.txt", "x.jpg"}},
        {"\\Set_Animals\\Images\\", 0, {"a.jpg", "b.jpg", "C.JPG", "notes.txt"}},
        {"\\*.*", 0, {"readme"}},
        {"\\set_*", 16, {"Set_Animals"}},
        {"\\set_*", 0, {}},
        {"\\Set_Missing\\Images\\*.jpg", 0, {}},  // a missing folder lists nothing, without an error
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pattern.toStdString() + " attr " + std::to_string(c.attributes));
        EXPECT_EQ(ListAll(c.pattern, c.attributes), c.expected);
    }
}

TEST_F(DirListingTest, NextAfterTheEndIsAnInvalidCall)
{
    EXPECT_EQ(rt.Dir(app.path() + "\\Sounds\\ok.*", 0), "ok.wav");
    EXPECT_EQ(rt.DirNext(), "");
    EXPECT_EQ(ErrorOf([&] { rt.DirNext(); }), err::InvalidCall);
    EXPECT_EQ(rt.Dir(app.path() + "\\Sounds\\none*", 0), "");  // an empty listing ends at once
    EXPECT_EQ(ErrorOf([&] { rt.DirNext(); }), err::InvalidCall);
}

TEST_F(DirListingTest, LinksLoopsAndOddNamesNeverHangNorList)
{
    const QString images = app("Set_Animals/Images");
    for (const auto& [target, link] : {std::pair{"loop.jpg", "loop.jpg"}, {"gone.jpg", "broken.jpg"},
                                       {"a.jpg", "link.jpg"}, {".", "self"}})
        ASSERT_EQ(::symlink(target, QFile::encodeName(images + "/" + link).constData()), 0);
    app.WriteFile("Set_Animals/Images/back\\slash.jpg", "x");
    app.WriteFile("Set_Animals/Images/two words 'q' \"dq\".jpg", "x");
    EXPECT_EQ(ListAll("/Set_Animals/Images/*", 16),
              (QStringList{".", "..", "a.jpg", "b.jpg", "C.JPG", "link.jpg", "notes.txt", "self",
                           "two words 'q' \"dq\".jpg", "x.jpg"}));
}

TEST_F(DirListingTest, AttributesAndCreatingAFolderOnceOnly)
{
    EXPECT_EQ(rt.GetAttr(app.path() + "\\set_animals") & attr::Directory, attr::Directory);
    EXPECT_EQ(rt.GetAttr(app.path() + "\\SET_ANIMALS\\images\\a.JPG") & attr::Directory, 0);
    EXPECT_EQ(rt.GetAttr(app.path() + "\\Set_Animals\\Images\\.hidden.jpg") & attr::Hidden, attr::Hidden);
    EXPECT_EQ(ErrorOf([&] { rt.GetAttr(app.path() + "\\nothing"); }), err::FileNotFound);

    rt.CreateFolder(app.path() + "\\set_animals\\Extra");  // the parent found in any letter case
    EXPECT_TRUE(QFileInfo(app("Set_Animals/Extra")).isDir());
    EXPECT_EQ(ErrorOf([&] { rt.CreateFolder(app.path() + "\\SET_ANIMALS"); }), err::FileAlreadyExists);
    EXPECT_EQ(ErrorOf([&] { rt.CreateFolder(app.path() + "\\readme"); }), err::FileAlreadyExists);
    EXPECT_EQ(ErrorOf([&] { rt.CreateFolder(app.path() + "\\No\\Parent"); }), err::PathNotFound);
}

TEST(PathResolver, TheExactSpellingWinsThenAStableOne)
{
    test::AppFolder app;
    app.WriteFile("Sounds/ok.wav", "x");
    app.WriteFile("Sounds/OK.wav", "y");
    EXPECT_EQ(ResolvePath(app.path() + "\\sounds\\ok.wav"), app("Sounds/ok.wav"));
    EXPECT_EQ(ResolvePath(app.path() + "/SOUNDS/OK.wav"), app("Sounds/OK.wav"));
    EXPECT_EQ(ResolvePath(app.path() + "/Sounds/Ok.Wav"), app("Sounds/OK.wav"));
}

TEST(PathResolver, WildcardsIgnoreCase)
{
    const std::tuple<const char*, const char*, bool> cases[] = {
        {"cat.jpg.txt", "*.jpg", false}, {"ab.jpg", "?.jpg", false}, {"Setup", "set_*", false}, {"x", "x.*", true},
        {"é.jpg", "É.JPG", true},        {"aXbXc", "a*b*c", true},   {"abc", "a*b*c*d", false}, {"", "*", true},
    };
    for (const auto& [name, pattern, match] : cases)
        EXPECT_EQ(MatchesPattern(QString::fromUtf8(name), QString::fromUtf8(pattern)), match) << name << " ~ " << pattern;
}

}  // namespace
}  // namespace lumari
