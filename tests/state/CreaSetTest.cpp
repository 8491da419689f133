// Creating the folders of a new image set, on real folders: the three folders
// in order, one report on failure, and names that would reach outside the
// program's folder refused without creating anything.
#include "state/CreaSet.h"

#include "support/TestRuntime.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace lumari {
namespace {

using test::TestRuntime;

// Every path below a folder, relative to it, sorted.
QStringList Tree(const QString& root)
{
    QStringList paths;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) paths << QDir(root).relativeFilePath(it.next());
    paths.sort();
    return paths;
}

QString ErrorBox(const char* description)
{
    return QStringLiteral("Error \"%1\" in CreaSet() routine").arg(QLatin1String(description));
}

// The program's folder lives inside a folder of the test's own, so that
// anything created beside it shows.
class CreaSetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(outer.isValid());
        ASSERT_TRUE(QDir(outer.path()).mkdir("app"));
    }

    QString App() const { return outer.path() + "/app"; }
    void Make(const QString& relative) { ASSERT_TRUE(QDir(App()).mkpath(relative)); }

    QTemporaryDir outer;
    TestRuntime runtime{outer.path() + "/app"};
};

TEST_F(CreaSetTest, NewNameCreatesTheThreeFoldersSilently)
{
    CreaSet(runtime, "Birds");
    EXPECT_EQ(Tree(App()), (QStringList{"Set_Birds", "Set_Birds/Images", "Set_Birds/Symbols"}));
    EXPECT_TRUE(runtime.boxes.empty());
}

TEST_F(CreaSetTest, NameOfBlanksIsCreatedAsTyped)
{
    CreaSet(runtime, "  ");
    EXPECT_EQ(Tree(App()), (QStringList{"Set_  ", "Set_  /Images", "Set_  /Symbols"}));
    EXPECT_TRUE(runtime.boxes.empty());
}

TEST_F(CreaSetTest, ExistingSetInAnyCaseIsReportedWithTheNameAsTyped)
{
    Make("Set_Birds/Images");
    Make("Set_Birds/Symbols");
    for (const QString typed : {"Birds", "BIRDS", "birds"}) {
        runtime.boxes.clear();
        CreaSet(runtime, typed);
        ASSERT_EQ(runtime.boxes.size(), 1u) << typed.toStdString();
        EXPECT_EQ(runtime.boxes[0].prompt, "Cannot create set \"" + typed + "\". Set already exists");
        EXPECT_EQ(runtime.boxes[0].style, 16);
        EXPECT_EQ(runtime.boxes[0].title, "");
        EXPECT_EQ(Tree(App()), (QStringList{"Set_Birds", "Set_Birds/Images", "Set_Birds/Symbols"}));
    }
}

TEST_F(CreaSetTest, SetFolderWithoutImagesStillStopsAtTheFirstStep)
{
    Make("Set_half");
    CreaSet(runtime, "half");
    EXPECT_EQ(runtime.BoxTexts(), QStringList{"Cannot create set \"half\". Set already exists"});
    EXPECT_EQ(Tree(App()), QStringList{"Set_half"});
}

TEST_F(CreaSetTest, CreatesInOrderAndStopsAtTheFirstFailingStep)
{
    // Something takes the Images name right after the set folder is made:
    // the set folder stays, Symbols is never attempted.
    struct Recording : TestRuntime {
        using TestRuntime::TestRuntime;
        QStringList calls;
        void CreateFolder(const QString& path) override
        {
            calls << path;
            TestRuntime::CreateFolder(path);
            if (path.endsWith("Set_x")) {
                QFile taken(QString(path).replace(u'\\', u'/') + "/Images");
                taken.open(QIODevice::WriteOnly);
            }
        }
    } recording(App());
    CreaSet(recording, "x");
    EXPECT_EQ(recording.calls, (QStringList{App() + "\\Set_x", App() + "\\Set_x\\Images"}));
    EXPECT_EQ(recording.BoxTexts(), QStringList{"Cannot create set \"x\". Set already exists"});
    EXPECT_EQ(Tree(App()), (QStringList{"Set_x", "Set_x/Images"}));
    EXPECT_TRUE(QFileInfo(App() + "/Set_x/Images").isFile());

    recording.calls.clear();
    CreaSet(recording, "y");
    EXPECT_EQ(recording.calls.size(), 3);
    EXPECT_TRUE(recording.calls.last().endsWith("Set_y\\Symbols"));
}

TEST_F(CreaSetTest, ReadOnlyProgramFolderGivesTheSystemsReason)
{
    ASSERT_TRUE(QFile::setPermissions(App(), QFile::ReadOwner | QFile::ExeOwner));
    QFile probe(App() + "/probe");
    if (probe.open(QIODevice::WriteOnly)) {  // e.g. running as root
        probe.close();
        probe.remove();
        QFile::setPermissions(App(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        GTEST_SKIP() << "a read-only folder still takes writes here";
    }
    CreaSet(runtime, "Birds");
    QFile::setPermissions(App(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(runtime.BoxTexts(), QStringList{ErrorBox("Permission denied")});
    EXPECT_EQ(runtime.boxes[0].style, 16);
    EXPECT_TRUE(Tree(App()).isEmpty());
}

// Names that would reach into another folder or out of the program's folder:
// one report each, nothing created anywhere.
TEST_F(CreaSetTest, UnsafeNamesCreateNothingAnywhere)
{
    Make("Set_a");  // even with the parent there, a name with a separator is no set name
    QTemporaryDir elsewhere;
    const QString absolute = elsewhere.path() + "/abs";
    struct Case {
        QString name;
        const char* reason;
    };
    const Case cases[] = {{"a\\b", "Path not found"},  {"a/b", "Path not found"},     {"../x", "Path not found"},
                          {"x/../../y", "Path not found"}, {"a/../../y", "Path not found"}, {"a\\..\\..\\z", "Path not found"},
                          {"..", "Bad file name or number"}, {".", "Bad file name or number"},
                          {absolute, "Path not found"}};
    for (const Case& c : cases) {
        runtime.boxes.clear();
        CreaSet(runtime, c.name);
        EXPECT_EQ(runtime.BoxTexts(), QStringList{ErrorBox(c.reason)}) << c.name.toStdString();
        EXPECT_EQ(Tree(App()), QStringList{"Set_a"}) << c.name.toStdString();
        EXPECT_EQ(QDir(outer.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                  QStringList{"app"})
            << c.name.toStdString();
        EXPECT_TRUE(Tree(elsewhere.path()).isEmpty()) << c.name.toStdString();
    }
}

}  // namespace
}  // namespace lumari
