// The directory test window on a real program folder: the walk that changes
// nothing, and the twenty numbered sets.
#include "dirtest/Form1.h"

#include "support/TestFiles.h"
#include "support/TestRuntime.h"

#include <QDir>
#include <QDirIterator>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace lumari {
namespace {

using test::Tree;

TEST(Form1, SecondClickOnCreaUnaDirReportsEverySetAsExisting)
{
    test::AppFolder app;
    test::TestRuntime runtime(app.path());
    Form1 form(runtime);
    QStringList folders, reports;
    for (int n = 1; n <= 20; ++n) {
        folders << QStringLiteral("Set_%1").arg(n) << QStringLiteral("Set_%1/Images").arg(n)
                << QStringLiteral("Set_%1/Symbols").arg(n);
        reports << QStringLiteral("Cannot create set \"%1\". Set already exists").arg(n);
    }
    folders.sort();

    ASSERT_EQ(form.Command2->text(), "Crea una dir");
    QTest::mouseClick(form.Command2, Qt::LeftButton);
    EXPECT_TRUE(runtime.boxes.empty());
    EXPECT_EQ(Tree(app.path()), folders);
    QTest::mouseClick(form.Command2, Qt::LeftButton);
    EXPECT_EQ(runtime.BoxTexts(), reports);
    EXPECT_EQ(Tree(app.path()), folders);
}

// The walk reads the attributes of every entry of the program's folder, not
// below it, and shows and changes nothing, even when an entry is removed by
// another program before its attributes are read.
TEST(Form1, WalkReadsEveryEntryAndHasNoVisibleEffect)
{
    struct WalkRuntime : test::TestRuntime {
        using TestRuntime::TestRuntime;
        int GetAttr(const QString& path) override
        {
            read << path;
            if (path.endsWith("b.txt")) QDir(AppPath()).remove("b.txt");
            return TestRuntime::GetAttr(path);
        }
        QStringList read;
    };
    test::AppFolder app;
    app.MakeSet("Set_default", {"a.jpg"}, {"a.jpg"});
    app.WriteFile("b.txt", "b");
    app.WriteFile("lumari", "program");
    WalkRuntime runtime(app.path());
    Form1 form(runtime);
    QStringList after = Tree(app.path());
    after.removeOne("b.txt");

    ASSERT_EQ(form.Command1->text(), "Controla le dir esistenti");
    QTest::mouseClick(form.Command1, Qt::LeftButton);
    EXPECT_EQ(runtime.read.size(), 3);  // neither "." nor ".."
    EXPECT_TRUE(runtime.read.last().endsWith("Set_default"));  // listed after b.txt
    EXPECT_TRUE(runtime.boxes.empty());
    EXPECT_EQ(Tree(app.path()), after);
}

}  // namespace
}  // namespace lumari
