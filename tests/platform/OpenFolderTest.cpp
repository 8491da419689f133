// Opening a folder in the file browser: the real start of a program, with a
// recording browser placed first on PATH.
#include "platform/QtRuntime.h"
#include "support/TestFiles.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <gtest/gtest.h>

namespace lumari {
namespace {

class OpenFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The fake browser writes each argument it got, NUL-terminated, then
        // renames the record into place so a reader never sees half of it.
        tools.WriteFile("bin/xdg-open",
                        "#!/bin/sh\n"
                        "printf '%s\\0' \"$@\" > \"$LUMARI_TEST_RECORD.part\"\n"
                        "mv \"$LUMARI_TEST_RECORD.part\" \"$LUMARI_TEST_RECORD\"\n");
        QFile::setPermissions(tools("bin/xdg-open"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        oldPath = qgetenv("PATH");
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
    QByteArray oldPath;
};

TEST_F(OpenFolderTest, HostileFolderNamesReachTheBrowserAsOneArgument)
{
    const QString names[] = {
        "Set_Animals", "Set_two words", "Set_\"quoted\" 'single'", "Set_a;touch made-by-shell",
        "Set_$(touch made-by-shell)", "Set_`touch made-by-shell`", "Set_line\nbreak", "Set_-n", "Set_|&><*",
    };
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        app.MakeFolder(name);
        QtRuntime rt(app.path());
        rt.OpenFolder(app.path() + "\\" + name);
        EXPECT_EQ(Received(), QStringList{app(name)});
    }
    // Nothing else ran: no file appeared anywhere the names point at.
    for (const QString& folder : {app.path(), QDir::currentPath(), tools.path()})
        EXPECT_FALSE(QFileInfo::exists(folder + "/made-by-shell")) << folder.toStdString();
}

TEST_F(OpenFolderTest, FolderFoundIgnoringCaseAndMissingOneStillPassedOn)
{
    app.MakeFolder("Set_default");
    QtRuntime rt(app.path());
    rt.OpenFolder(app.path() + "\\SET_DEFAULT");
    EXPECT_EQ(Received(), QStringList{app("Set_default")});
    // No set selected: the folder "Set_" does not exist; the browser is told all the same.
    rt.OpenFolder(app.path() + "\\Set_");
    EXPECT_EQ(Received(), QStringList{app("Set_")});
}

}  // namespace
}  // namespace lumari
