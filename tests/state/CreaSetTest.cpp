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

#include "support/TestFiles.h"

#include <gtest/gtest.h>

namespace lumari {
namespace {

using test::Tree;

QStringList OneErrorBox(const char* description)
{
    return {QStringLiteral("Error \"%1\" in CreaSet() routine").arg(QLatin1String(description))};
}

// The program's folder lives inside a folder of the test's own, so that
// anything created beside it shows.
class CreaSetTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(QDir(outer.path()).mkdir("app")); }
    void Make(const QString& relative) { ASSERT_TRUE(QDir(app).mkpath(relative)); }

    QTemporaryDir outer;
    QString app = outer.path() + "/app";
    test::TestRuntime runtime{app};
};

TEST_F(CreaSetTest, NewNamesIncludingBlanksCreateTheThreeFoldersSilently)
{
    CreaSet(runtime, "Birds");
    CreaSet(runtime, "  ");
    EXPECT_EQ(Tree(app), (QStringList{"Set_  ", "Set_  /Images", "Set_  /Symbols", "Set_Birds", "Set_Birds/Images",
                                      "Set_Birds/Symbols"}));
    EXPECT_TRUE(runtime.boxes.empty());
}

// An existing set in any letter case, even one left without its Images
// folder, stops at the first step with the name as typed.
TEST_F(CreaSetTest, ExistingSetIsReportedAndLeftAsItWas)
{
    Make("Set_Birds/Images");
    Make("Set_Birds/Symbols");
    Make("Set_half");
    const QStringList before = Tree(app);
    QStringList reports;
    for (const char* typed : {"Birds", "bIRDS", "half"}) {
        CreaSet(runtime, typed);
        reports << QStringLiteral("Cannot create set \"%1\". Set already exists").arg(QLatin1String(typed));
    }
    EXPECT_EQ(runtime.BoxTexts(), reports);
    for (const test::ShownBox& box : runtime.boxes) EXPECT_TRUE(box.style == 16 && box.title.isEmpty());
    EXPECT_EQ(Tree(app), before);
}

// Something takes the Images name right after Set_x is made: Set_x stays,
// Symbols is never attempted, and the failure reads as an existing set.
TEST_F(CreaSetTest, StopsAtTheFirstFailingStep)
{
    struct ImagesTaken : test::TestRuntime {
        using TestRuntime::TestRuntime;
        void CreateFolder(const QString& path) override
        {
            TestRuntime::CreateFolder(path);
            if (path.endsWith("Set_x")) QFile(AppPath() + "/Set_x/Images").open(QIODevice::WriteOnly);
        }
    } imagesTaken(app);
    CreaSet(imagesTaken, "x");
    EXPECT_EQ(imagesTaken.BoxTexts(), QStringList{"Cannot create set \"x\". Set already exists"});
    EXPECT_EQ(Tree(app), (QStringList{"Set_x", "Set_x/Images"}));
    EXPECT_TRUE(QFileInfo(app + "/Set_x/Images").isFile());
}

TEST_F(CreaSetTest, ReadOnlyProgramFolderGivesTheSystemsReason)
{
    ASSERT_TRUE(QFile::setPermissions(app, QFile::ReadOwner | QFile::ExeOwner));
    if (QDir(app).mkdir("probe")) GTEST_SKIP() << "a read-only folder still takes writes here (root?)";
    CreaSet(runtime, "Birds");
    QFile::setPermissions(app, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(runtime.BoxTexts(), OneErrorBox("Permission denied"));
    EXPECT_TRUE(Tree(app).isEmpty());
}

// Names that would reach into another folder or out of the program's folder
// fail as they would where "\" separates folders: one report each, nothing
// created anywhere.
TEST_F(CreaSetTest, UnsafeNamesCreateNothingAnywhere)
{
    Make("Set_a");  // even with the first part there, a name with a separator is no set name
    QTemporaryDir elsewhere;
    const std::pair<QString, const char*> cases[] = {
        {"a\\b", "Path not found"},      {"a/b", "Path not found"},         {"../x", "Path not found"},
        {"x/../../y", "Path not found"}, {"a/../../y", "Path not found"},   {"a\\..\\..\\z", "Path not found"},
        {"..", "Bad file name or number"}, {elsewhere.path() + "/abs", "Path not found"}};
    for (const auto& [name, reason] : cases) {
        runtime.boxes.clear();
        CreaSet(runtime, name);
        EXPECT_EQ(runtime.BoxTexts(), OneErrorBox(reason)) << name.toStdString();
        EXPECT_EQ(Tree(outer.path()), (QStringList{"app", "app/Set_a"})) << name.toStdString();
        EXPECT_TRUE(Tree(elsewhere.path()).isEmpty()) << name.toStdString();
    }
}

}  // namespace
}  // namespace lumari
