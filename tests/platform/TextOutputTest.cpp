// The log file output: bytes on disk, errors by number.
#include "platform/QtRuntime.h"
#include "platform/RuntimeError.h"
#include "platform/TextOutput.h"
#include "support/TestFiles.h"

#include <QFile>

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace lumari {
namespace {

using test::AppFolder;

QByteArray Bytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
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

TEST(TextOutput, EachPrintEndsInCrLfAsEightBitText)
{
    AppFolder app;
    QtRuntime rt(app.path());
    rt.FileOpenOutput(app.path() + "\\LumariCheck.log");
    rt.FilePrint("\r\nData check on 06/12/2026\r\n");
    rt.FilePrint("");
    rt.FilePrint(QString::fromUtf8("caf\u00e9 \u20ac \u65e5 \U0001F600"));
    rt.FileClose();
    EXPECT_EQ(Bytes(app("LumariCheck.log")),
              QByteArray("\r\nData check on 06/12/2026\r\n\r\n\r\ncaf\xe9 \x80 ? ?\r\n"));
}

TEST(TextOutput, OpeningEmptiesAndResolvesCase)
{
    AppFolder app;
    app.WriteFile("Sub/old.log", "a much longer earlier content\r\n");
    QtRuntime rt(app.path());
    rt.FileOpenOutput(app.path() + "\\sub\\OLD.log");
    rt.FilePrint("new");
    rt.FileClose();
    rt.FileClose();  // closing twice does nothing
    EXPECT_EQ(Bytes(app("Sub/old.log")), QByteArray("new\r\n"));
}

TEST(TextOutput, FailuresAreRunTimeErrors)
{
    AppFolder app;
    app.MakeFolder("Folder.log");
    QtRuntime rt(app.path());
    EXPECT_EQ(ErrorOf([&] { rt.FilePrint("nothing open"); }), err::BadFileNameOrNumber);
    EXPECT_EQ(ErrorOf([&] { rt.FileOpenOutput(app.path() + "\\Folder.log"); }), err::PathFileAccessError);
    EXPECT_EQ(ErrorOf([&] { rt.FilePrint("still nothing open"); }), err::BadFileNameOrNumber);
    EXPECT_EQ(ErrorOf([&] { rt.FileOpenOutput(app.path() + "\\Missing\\x.log"); }), err::PathNotFound);
    // A pipe that nobody reads: an error, not a program waiting for ever.
    ASSERT_EQ(::mkfifo(QFile::encodeName(app("pipe.log")).constData(), 0600), 0);
    EXPECT_EQ(ErrorOf([&] { rt.FileOpenOutput(app.path() + "\\pipe.log"); }), err::PathFileAccessError);
}

TEST(TextOutput, WindowsCodePage)
{
    struct Case {
        const char* utf8;
        QByteArray ansi;
    } cases[] = {
        {"plain ASCII ~", "plain ASCII ~"},
        {"\u00a0\u00ff\u00e0", "\xa0\xff\xe0"},
        {"\u20ac\u201a\u0192\u2122\u0178\u017e", "\x80\x82\x83\x99\x9f\x9e"},
        {"\u0100\u4e2d", "??"},
        {"\U0001F600x", "?x"},
        {"\x7f", "\x7f"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.utf8);
        EXPECT_EQ(ToAnsi(QString::fromUtf8(c.utf8)), c.ansi);
    }
}

}  // namespace
}  // namespace lumari
