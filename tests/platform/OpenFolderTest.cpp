// Opening a folder in the file browser: the real start of a program, with a
// recording browser placed first on PATH.
#include "platform/QtRuntime.h"
#include "support/TestFiles.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

namespace lumari {
namespace {

class OpenFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The fake browser writes each argument it got, NUL-terminated, then
        // renames the record into place so a reader never sees half of it.
        tools.WriteFile("bin/xdg-open", "#!/bin/sh\nprintf '%s\\0' \"$@\" > \"$LUMARI_TEST_RECORD.part\"\n"
                                        "mv \"$LUMARI_TEST_RECORD.part\" \"$LUMARI_TEST_RECORD\"\n");
        QFile::setPermissions(tools("bin/xdg-open"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("PATH", QFile::encodeName(tools("bin")) + ':' + oldPath);
        qputenv("LUMARI_TEST_RECORD", QFile::encodeName(tools("record")));
    }
    void TearDown() override
    {
        qputenv("PATH", oldPath);
        qunsetenv("LUMARI_TEST_RECORD");
    }
    // The arguments the browser got, once it has run.
    QStringList Received()
    {
        const QDeadlineTimer deadline(20000);
        while (!QFileInfo::exists(tools("record")) && !deadline.hasExpired()) QTest::qWait(20);
        QFile f(tools("record"));
        if (!f.open(QIODevice::ReadOnly)) return {"<the browser never ran>"};
        QStringList args;
        for (const QByteArray& a : f.readAll().split('\0')) args << QFile::decodeName(a);
        args.removeLast();  // after the last terminator
        QFile::remove(tools("record"));
        return args;
    }
    test::AppFolder app, tools;
    QByteArray oldPath = qgetenv("PATH");
};

TEST_F(OpenFolderTest, EachFolderReachesTheBrowserAsOneArgumentAndNothingElseRuns)
{
    QtRuntime rt(app.path());
    app.MakeFolder("Set_default");
    // Given, and the folder the browser is told: found in any letter case; one that does not
    // exist (no set chosen) is passed on all the same.
    std::vector<std::pair<QString, QString>> cases{{"SET_DEFAULT", "Set_default"}, {"Set_", "Set_"}};
    for (const QString name : {"Set_two words", "Set_\"quoted\" 'single'", "Set_a;touch made-by-shell",
                               "Set_$(touch made-by-shell)", "Set_`touch made-by-shell`", "Set_line\nbreak", "Set_-n",
                               "Set_|&><*"}) {
        app.MakeFolder(name);
        cases.emplace_back(name, name);
    }
    for (const auto& [given, folder] : cases) {
        SCOPED_TRACE(given.toStdString());
        rt.OpenFolder(app.path() + "\\" + given);
        EXPECT_EQ(Received(), QStringList{app(folder)});
    }
    for (const QString& folder : {app.path(), QDir::currentPath(), tools.path()})
        EXPECT_FALSE(QFileInfo::exists(folder + "/made-by-shell")) << folder.toStdString();
}

}  // namespace
}  // namespace lumari
