// The directory test window on a real program folder: its layout, the walk
// that changes nothing, and the twenty numbered sets.
#include "dirtest/Form1.h"

#include "support/TestFiles.h"
#include "support/TestRuntime.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace lumari {
namespace {

using test::AppFolder;
using test::TestRuntime;

QStringList Tree(const QString& root)
{
    QStringList paths;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) paths << QDir(root).relativeFilePath(it.next());
    paths.sort();
    return paths;
}

// Records the entries whose attributes the walk reads; can remove one entry
// just before its attributes are read, as if another program deleted it.
class WalkRuntime : public TestRuntime {
public:
    using TestRuntime::TestRuntime;
    int GetAttr(const QString& path) override
    {
        read << path;
        if (!removeBeforeReading.isEmpty() && path.endsWith(removeBeforeReading))
            QDir(AppPath()).remove(removeBeforeReading);
        return TestRuntime::GetAttr(path);
    }
    QStringList read;
    QString removeBeforeReading;
};

TEST(Form1, DesignedLayout)
{
    AppFolder app;
    TestRuntime runtime(app.path());
    Form1 form(runtime);
    form.show();
    EXPECT_EQ(form.windowTitle(), "Form1");
    EXPECT_EQ(form.size(), QSize(312, 206));  // 4680 x 3090 twips
    EXPECT_NE(form.minimumSize(), form.maximumSize());
    EXPECT_FALSE(form.testAttribute(Qt::WA_SetWindowIcon));
    EXPECT_EQ(form.Command1->text(), "Controla le dir esistenti");
    EXPECT_EQ(form.Command1->geometry(), QRect(16, 16, 145, 49));
    EXPECT_EQ(form.Command2->text(), "Crea una dir");
    EXPECT_EQ(form.Command2->geometry(), QRect(16, 80, 145, 41));
    EXPECT_EQ(form.Command1->nextInFocusChain(), form.Command2);
}

TEST(Form1, SecondClickOnCreaUnaDirReportsEverySetAsExisting)
{
    AppFolder app;
    TestRuntime runtime(app.path());
    Form1 form(runtime);
    QTest::mouseClick(form.Command2, Qt::LeftButton);
    EXPECT_TRUE(runtime.boxes.empty());
    QStringList expected;
    for (int n = 1; n <= 20; ++n) {
        const QString set = QStringLiteral("Set_%1").arg(n);
        expected << set << set + "/Images" << set + "/Symbols";
    }
    expected.sort();
    EXPECT_EQ(Tree(app.path()), expected);

    QTest::mouseClick(form.Command2, Qt::LeftButton);
    QStringList reports;
    for (int n = 1; n <= 20; ++n) reports << QStringLiteral("Cannot create set \"%1\". Set already exists").arg(n);
    EXPECT_EQ(runtime.BoxTexts(), reports);
    EXPECT_EQ(Tree(app.path()), expected);
}

TEST(Form1, WalkReadsEveryEntryAndChangesNothing)
{
    AppFolder app;
    app.MakeSet("Set_default", {"a.jpg"}, {"a.jpg"});
    app.WriteFile("lumari", "program");
    app.WriteFile("LumariCheck.log", "log");
    WalkRuntime runtime(app.path());
    Form1 form(runtime);
    const QStringList before = Tree(app.path());

    QTest::mouseClick(form.Command1, Qt::LeftButton);
    EXPECT_EQ(runtime.read.size(), 3);  // not "." nor ".."
    EXPECT_TRUE(runtime.boxes.empty());
    EXPECT_EQ(Tree(app.path()), before);
}

TEST(Form1, WalkGoesOnPastAnEntryRemovedMeanwhile)
{
    AppFolder app;
    app.WriteFile("a.txt", "a");
    app.WriteFile("b.txt", "b");
    app.WriteFile("c.txt", "c");
    WalkRuntime runtime(app.path());
    runtime.removeBeforeReading = "b.txt";
    Form1 form(runtime);

    QTest::mouseClick(form.Command1, Qt::LeftButton);
    EXPECT_EQ(runtime.read.size(), 3);
    EXPECT_TRUE(runtime.read.last().endsWith("c.txt"));
    EXPECT_TRUE(runtime.boxes.empty());
}

}  // namespace
}  // namespace lumari
