// The log file output: bytes on disk, errors by number.
#include "platform/QtRuntime.h"
#include "support/TestFiles.h"

#include "RaisedError.h"

#include <QFile>

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace lumari {
namespace {

using test::ErrorOf;

class TextOutput : public ::testing::Test {
protected:
    QByteArray Bytes(const QString& relative)
    {
        QFile f(app(relative));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
    }
    test::AppFolder app;
    QtRuntime rt{app.path()};
};

TEST_F(TextOutput, EachPrintEndsInCrLfAsWindowsEightBitTextAndOpeningStartsOver)
{
    rt.FileOpenOutput(app.path() + "\\LumariCheck.log");
    rt.FilePrint("\r\nData check on 06/12/2026\r\n");
    rt.FilePrint("");
    rt.FilePrint(QString::fromUtf8("caf\u00e9 \u20ac \u65e5 \U0001F600 \u201a\u0192\u2122\u0178\u017e\u00ff\x7f"));
    rt.FileClose();
    EXPECT_EQ(Bytes("LumariCheck.log"),
              QByteArray("\r\nData check on 06/12/2026\r\n\r\n\r\ncaf\xe9 \x80 ? ? \x82\x83\x99\x9f\x9e\xff\x7f\r\n"));
    // Opening again, in any letter case, starts the file over.
    rt.FileOpenOutput(app.path() + "\\LUMARICHECK.LOG");
    rt.FilePrint("new");
    rt.FileClose();
    rt.FileClose();  // closing twice does nothing
    EXPECT_EQ(Bytes("LumariCheck.log"), QByteArray("new\r\n"));
}

TEST_F(TextOutput, FailuresAreRunTimeErrors)
{
    app.MakeFolder("Folder.log");
    EXPECT_EQ(ErrorOf([&] { rt.FilePrint("nothing open"); }), err::BadFileNameOrNumber);
    EXPECT_EQ(ErrorOf([&] { rt.FileOpenOutput(app.path() + "\\Folder.log"); }), err::PathFileAccessError);
    EXPECT_EQ(ErrorOf([&] { rt.FilePrint("still nothing open"); }), err::BadFileNameOrNumber);
    EXPECT_EQ(ErrorOf([&] { rt.FileOpenOutput(app.path() + "\\Missing\\x.log"); }), err::PathNotFound);
    // A pipe that nobody reads: an error, not a program waiting for ever.
    ASSERT_EQ(::mkfifo(QFile::encodeName(app("pipe.log")).constData(), 0600), 0);
    EXPECT_EQ(ErrorOf([&] { rt.FileOpenOutput(app.path() + "\\pipe.log"); }), err::PathFileAccessError);
}

}  // namespace
}  // namespace lumari
