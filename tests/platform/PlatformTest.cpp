// The platform services on real files, the real settings file and real processes.
#include "platform/Conversions.h"
#include "platform/HeldBoxes.h"
#include "platform/SettingsUpdate.h"
#include "state/SettingsKeys.h"
#include "support/TestServices.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QPainter>
#include <QSettings>
#include <QTimer>


#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lumari::test {
namespace {

// A call's result as text, or "E<number>" for the run-time error it raised.
template <typename F> QString Outcome(F&& f) try {
    if constexpr (std::is_void_v<std::invoke_result_t<F>>) return f(), QStringLiteral("ok");
    else return QVariant::fromValue(f()).toString();
} catch (const RuntimeError& e) {
    return "E" + QString::number(e.number());
}

struct Row { const char* what; QString got, want; };
// Rows are evaluated in the order written, so a table can be a sequence of steps.
#define R(expr, want) Row{#expr, Outcome([&] { return expr; }), want}
void Check(std::initializer_list<Row> rows) { for (const Row& r : rows) EXPECT_EQ(r.got.toStdString(), r.want.toStdString()) << r.what; }

TEST(Conversions, TextToNumbersCheckedArithmeticRoundingAndFormatting)
{
    const QLocale c(QLocale::C), de(QLocale::German), us(QLocale::English, QLocale::UnitedStates);
    // Each text as a 16-bit and as a 32-bit number.
    const char* const texts[][3] = {
        {" 42 ", "42", "42"}, {"\t-7\t", "-7", "-7"}, {"+5", "5", "5"}, {"2.5", "2", "2"}, {"3.5", "4", "4"}, {"-2.5", "-2", "-2"},
        {".5", "0", "0"}, {"2.51", "3", "3"}, {"5.", "5", "5"}, {"1e3", "1000", "1000"}, {"25E-1", "2", "2"}, {"32767", "32767", "32767"},
        {"32767.5", "E6", "32768"}, {"-32768.5", "-32768", "-32768"}, {"-32769", "E6", "-32769"}, {"2147483647", "E6", "2147483647"},
        {"2147483647.5", "E6", "E6"}, {"-2147483648.5", "E6", "-2147483648"}, {"1e400", "E6", "E6"}, {"", "E13", "E13"},
        {"  ", "E13", "E13"}, {"12a", "E13", "E13"}, {"1 2", "E13", "E13"}, {".", "E13", "E13"}, {"-", "E13", "E13"},
        {"1e", "E13", "E13"}, {"1,5", "E13", "E13"}, {"\u0663", "E13", "E13"}};
    for (const auto& [text, as16, as32] : texts) { SCOPED_TRACE(text); Check({R(TextToInt16(text), as16), R(TextToInt32(text), as32)}); }
    Check({R(AddInt16(32000, 767), "32767"), R(AddInt16(32767, 1), "E6"),
           R(AddInt16(-32768, -1), "E6"), R(AddInt32(-2147483647, -1), "-2147483648"), R(AddInt32(2147483647, 1), "E6"),
           R(MulInt32(-46340, 46340), "-2147395600"), R(MulInt32(46341, 46341), "E6"), R(MulInt32(-1, -2147483647), "2147483647"),
           R(RoundHalfEven(0.125, 2), "0.12"), R(RoundHalfEven(0.375, 2), "0.38"), R(RoundHalfEven(-0.625, 2), "-0.62"),
           R(RoundHalfEven(12.5, 0), "12"), R(RoundHalfEven(200.0 / 3, 2), "66.67"), R(FormatShortest(66.67, de), "66,67"),
           R(FormatShortest(1234567.89, de), "1234567,89"), R(FormatShortest(1234.5, us), "1234.5"), R(FormatShortest(100, c), "100"),
           R(FormatShortest(0, c), "0"), R(FormatShortest(RoundHalfEven(0.1 + 0.2, 2), c), "0.3")});
}

TEST(Files, CaseInsensitivePathsListingsAttributesFoldersAndTheLog)
{
    AppFolder app;
    for (const char* name : {"b.jpg", "A.JPG", "ab.jpg", "c.png", "noext", ".hidden.jpg", "Sub/x.jpg"})
        app.WriteFile(QString("Pics/") + name, "x");
    QtFiles files(app.path() + "/");
    const QString p = app.path() + "\\PICS\\";
    const QString all = "A.JPG|ab.jpg|b.jpg|c.png|noext|";
    auto list = [&](const QString& pattern, int attributes) {
        QStringList names{files.Dir(p + pattern, attributes)};
        while (!names.last().isEmpty()) names << files.DirNext();
        return names.join('|');
    };
    Check({R(files.AppPath(), app.path()), R(QtFiles(app.path()).DirNext(), "E5"), R(list("*", 0), all),
           R(list("*", 16), ".|..|A.JPG|ab.jpg|b.jpg|c.png|noext|Sub|"), R(list("*.JPG", 0), "A.JPG|ab.jpg|b.jpg|"),
           R(list("?.jpg", 0), "A.JPG|b.jpg|"), R(list("*.*", 0), all), R(list("", 0), all), R(list("s*", 16), "Sub|"),
           R(list("s*", 0), ""), R(list("*.gif", 16), ""), R(files.DirNext(), "E5"),
           // The folder is read once: a file removed during a listing still comes.
           R(files.Dir(p + "*.jpg", 0), "A.JPG"), R(QFile::remove(app("Pics/ab.jpg")), "true"), R(files.DirNext(), "ab.jpg"),
           R(files.DirNext(), "b.jpg"), R(files.DirNext(), ""), R(files.DirNext(), "E5"),
           R(files.GetAttr(app.path() + "\\pics"), "16"), R(files.GetAttr(p + "a.jpg"), "0"), R(files.GetAttr(p + "SUB\\X.JPG"), "0"),
           R(files.GetAttr(p + ".HIDDEN.jpg"), "2"), R(files.GetAttr(p + "ab.jpg"), "E53"),
           R(files.CreateFolder(p + "SUB"), "E58"), R(files.CreateFolder(p + "B.JPG"), "E58"), R(files.CreateFolder(p + "no\\New"), "E76"),
           R(files.CreateFolder(p + "New"), "ok"), R(files.CreateFolder(p + "sub\\Deep"), "ok"),
           R(Tree(app("Pics")).join('|'), ".hidden.jpg|A.JPG|New|Sub|Sub/Deep|Sub/x.jpg|b.jpg|c.png|noext")});

    // The log: 8-bit text in lines ending CR LF, one file open at a time.
    TextOutput out;
    Check({R(out.Print("x"), "E52"), R(out.Open(p + "run.txt"), "ok"), R(out.Print("Ab"), "ok"), R(out.Print(QString::fromUtf8("é€…ÿŸ")), "ok"),
           R(out.Print(QString::fromUtf8("Ω😀x\u0081")), "ok"), R(out.Print(""), "ok"), R(out.Close(), "ok")});
    EXPECT_EQ(ReadBytes(app("Pics/run.txt")), QByteArray("Ab\r\n\xe9\x80\x85\xff\x9f\r\n??x?\r\n\r\n"));
    Check({R(out.Print("late"), "E52"), R(out.Open(p + "run.txt"), "ok"), R(out.Print("z"), "ok"), R(out.Open(app.path() + "\\pics"), "E75"),
           R(out.Print("y"), "E52"), R(out.Open(app.path() + "\\none\\x.txt"), "E76"), R(out.Close(), "ok")});
    EXPECT_EQ(ReadBytes(app("Pics/run.txt")), "z\r\n");
}

TEST(Pictures, UprightAtTheShownSizeAndDamageByItsKind)
{
    AppFolder app;
    QImage halves(40, 20, QImage::Format_RGB32);  // red left half, blue right half
    halves.fill(Qt::blue);
    QPainter(&halves).fillRect(0, 0, 20, 20, Qt::red);
    app.MakeFolder("Set/dir.jpg");
    halves.save(app("Set/png.jpg"), "PNG");
    halves.save(app("Set/plain.jpg"), "JPG", 95);
    const QByteArray jpeg = ReadBytes(app("Set/plain.jpg"));
    // An EXIF block, big-endian, with one entry: Orientation (SHORT) = 6, a quarter turn clockwise.
    const QByteArray exif("\xff\xe1\x00\x22" "Exif\0\0MM\0*\0\0\0\x08\0\x01\x01\x12\0\x03\0\0\0\x01\0\x06\0\0\0\0\0\0", 36);
    const QByteArray huge = QByteArray(jpeg).replace(jpeg.indexOf("\xff\xc0") + 5, 4, "\xea\x60\xea\x60");  // claims 60000 x 60000
    const std::pair<const char*, QByteArray> files[] = {{"turned.jpg", jpeg.left(2) + exif + jpeg.mid(2)},
        {"text.jpg", "not a picture"}, {"empty.jpg", ""}, {"cut.jpg", jpeg.left(jpeg.indexOf("\xff\xda"))}, {"huge.jpg", huge}};
    for (const auto& [name, bytes] : files) app.WriteFile(QString("Set/") + name, bytes);
    app.WriteJpeg("Set/big.jpg", Qt::green, QSize(1600, 1200));
    auto size = [&](const QString& name, QSize shown = {}) {  // and whether red is at the top left
        const QImage image = QtPictures().Load(app.path() + "\\SET\\" + name, shown);
        const QRgb topLeft = image.pixel(image.width() / 4, image.height() / 4);
        return QString("%1x%2%3").arg(image.width()).arg(image.height()).arg(qRed(topLeft) > 200 && qBlue(topLeft) < 60 ? " red" : "");
    };
    Check({R(size("TURNED.jpg"), "20x40 red"), R(size("turned.jpg", QSize(10, 20)), "10x20 red"),
           R(size("png.JPG"), "40x20 red"), R(size("png.jpg", QSize(80, 40)), "40x20 red"),
           R(size("big.jpg", QSize(160, 120)), "160x120"), R(size("big.jpg"), "1600x1200"),
           R(size("missing.jpg"), "E53"), R(size("dir.jpg"), "E75"), R(size("text.jpg"), "E481"),
           R(size("empty.jpg", QSize(8, 8)), "E481"), R(size("cut.jpg"), "E481"), R(size("huge.jpg"), "E481"),
           R(size("huge.jpg", QSize(100, 100)), "E481")});
}

TEST(SettingsStore, TextsRoundTripDamageIsKeptAndAFailedSaveLeavesTheFile)
{
    World w;
    const QString app = keys::kApp, g = keys::kGeneral, odd = "a,b; c=d \"q\" \\";
    auto get = [&](const QString& key) { return w.settings.Get(app, g, key, "<default>"); };
    auto save = [&](const QString& key, const QString& value) { w.settings.Save(app, g, key, value); };
    Check({R(get("K"), "<default>"), R(save("K", ""), "ok"), R(get("K"), ""), R(save("K", odd), "ok"), R(get("K"), odd),
           R(w.settings.Get(app, keys::kStatistics, "K", "s"), "s")});
    WriteSettingsFile("[GeneralSettings]\nImagesSet=a,b\nSoundOk= x, y \n");
    Check({R(get("ImagesSet"), "a,b"), R(get("SoundOk"), "x, y"), R(save("WayToWork", "2"), "ok"), R(get("ImagesSet"), "a,b"),
           R(get("SoundOk"), "x, y"), R(get("WayToWork"), "2")});

    const QByteArray damaged = QByteArrayLiteral("[Statistics]\nUsed=41\n\x00\xff\xfe junk\x01\n[GeneralSettings]\nSoundOk=a.wav\n");
    WriteSettingsFile(damaged);
    const QDir folder = QFileInfo(SettingsFilePath()).absoluteDir();
    auto copies = [&] { return folder.entryList({"K.Orvel-Lumari.ini.damaged-*"}, QDir::Files); };
    Check({R(save("ImagesSet", "Animals"), "ok"), R(copies().size(), "1"), R(get("ImagesSet"), "Animals"), R(get("SoundOk"), "a.wav"),
           R(w.settings.Get(app, keys::kStatistics, "Used", "0"), "41"), R(save("ImagesSet", "B"), "ok"), R(copies().size(), "1")});
    EXPECT_EQ(ReadBytes(folder.filePath(copies().value(0))), damaged);
    QFile::remove(folder.filePath(copies().value(0)));

    // A read-only settings folder.
    w.app.WriteFile("cfg/K.Orvel-Lumari.ini", "[GeneralSettings]\nK=old\n");
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, w.app("cfg"));
    const int status = InReadOnlyFolder(w.app("cfg"), [&] {
        return get("K") != "old" ? 2 : Outcome([&] { save("K", "new"); }).mid(1).toInt();
    });
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, qEnvironmentVariable("XDG_CONFIG_HOME"));
    Check({R(status, "70"), R(Tree(w.app("cfg")).join('|'), "K.Orvel-Lumari.ini"),
           R(ReadBytes(w.app("cfg/K.Orvel-Lumari.ini")), "[GeneralSettings]\nK=old\n")});
}

TEST(SettingsStore, LockedIncrementsFromCopiesRunningAtOnceAllCount)
{
    constexpr int kCopies = 4, kTimes = 25;
    if (IsOtherCopy()) {
        SettingsStore settings;
        for (int n = 0; n < kTimes; ++n) {  // a lost update would show in the total
            const auto lock = settings.Lock(keys::kApp);
            settings.Save(keys::kApp, keys::kStatistics, "Used", QString::number(settings.Get(keys::kApp, keys::kStatistics, "Used", "0").toInt() + 1));
        }
        return;
    }
    World w;
    std::vector<std::unique_ptr<QProcess>> copies;
    for (int n = 0; n < kCopies; ++n) copies.push_back(StartOtherCopy());
    for (const auto& copy : copies) EXPECT_TRUE(Passed(*copy));
    EXPECT_EQ(w.Stored(keys::kStatistics, "Used"), QString::number(kCopies * kTimes));
}

// Gives a file one modification time (ms since the epoch).
bool Stamp(const QString& path, qint64 ms)
{
    const struct timespec at = {time_t(ms / 1000), long(ms % 1000) * 1000000}, times[2] = {at, at};
    return ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0) == 0;
}

// Another copy rewrites the file to the same size, and the file system stamps both versions with
// one time, as its clock does for writes within one tick: the copy holding the older version still
// reads the newer one when it takes the file to count on it.
TEST(SettingsStore, AVersionWrittenByAnotherCopyWithinOneTickIsReadAgain)
{
    if (IsOtherCopy()) return SettingsStore().Save(keys::kApp, keys::kStatistics, "Used", "42");
    World w;
    constexpr qint64 kTick = 1700000000000;
    w.Store(keys::kStatistics, "Used", "41");
    ASSERT_TRUE(Stamp(SettingsFilePath(), kTick));
    EXPECT_EQ(w.Stored(keys::kStatistics, "Used"), "41");  // this copy holds version 41 now
    ASSERT_TRUE(Passed(*StartOtherCopy()) && Stamp(SettingsFilePath(), kTick));
    const auto lock = w.settings.Lock(keys::kApp);
    EXPECT_EQ(w.Stored(keys::kStatistics, "Used"), "42");
}

// A lock left by a copy killed on another computer sharing the home folder: its holder cannot be
// asked, so the lock is taken over once it is older than the stale time, and not before.
TEST(SettingsStore, ALockLeftByACopyElsewhereIsTakenOverAfterTheStaleTime)
{
    World w;
    WriteSettingsFile("[Statistics]\nUsed=1\n");
    const QString lockFile = SettingsLock::LockFileName(SettingsFilePath());
    WriteBytes(lockFile, "4242\nlumari\nanother-computer\n");
    constexpr qint64 kLeftFor = 2000;  // until the lock is stale
    ASSERT_TRUE(Stamp(lockFile, QDateTime::currentMSecsSinceEpoch() - SettingsLock::kStaleMs + kLeftFor));
    const qint64 stale = QFileInfo(lockFile).lastModified().toMSecsSinceEpoch() + SettingsLock::kStaleMs;
    const auto lock = w.settings.Lock(keys::kApp);
    EXPECT_TRUE(lock && lock->held());
    EXPECT_GE(QDateTime::currentMSecsSinceEpoch(), stale);  // taken once stale, not before
}

TEST(ErrorTrap, ReportsLetTheRoutineGoOnAndHeldBoxesWaitForTheirRelease)
{
    World w;
    auto boxes = [&] { return w.boxes.Take().join('\n'); };
    ErrorTrap routine(w.boxes, "Cambia"), function(w.boxes, "Calc", ErrorTrap::Kind::Function);
    int steps = 0;
    Check({R(routine([] { throw RuntimeError(err::FileNotFound); }), "false"), R(routine([&] { ++steps; }), "true"),
           R(function([] { AddInt16(32767, 1); }), "false"), R(function([] { throw std::bad_alloc(); }), "false"),
           R(routine([] { throw RuntimeError(1001, "Own text"); }), "false"), R(steps, "1"),
           R(boxes(), "Error \"File not found\" in Cambia() routine|16|\nError \"Overflow\" in Calc() function|16|\n"
                      "Error \"Out of memory\" in Calc() function|16|\nError \"Own text\" in Cambia() routine|16|")});
    // An untrapped error is reported as the platform does, and the program ends.
    QObject bound;  // ends the wait should the program not end
    QTimer::singleShot(20000, &bound, [] { QCoreApplication::exit(99); });
    QTimer::singleShot(0, [&] { Untrapped(w.boxes, [&] { ++steps; }), Untrapped(w.boxes, [] { TextToInt32("x"); }); });
    EXPECT_EQ(QCoreApplication::exec(), 1);
    Check({R(steps, "2"), R(boxes(), "Run-time error '13':\r\n\r\nType mismatch|16|")});

    HeldBoxes held(w.boxes);
    w.boxes.replies = {"typed"};
    Check({R(held.MsgBox("one", mb::Information, "T"), "1"), R(held.MsgBox("two", mb::YesNo), "1"),
           R(held.InputBox("name?", "T"), "typed"), R(boxes(), ""), R(held.Release(), "ok"), R(held.Release(), "ok"),
           R(boxes(), "one|64|T\ntwo|4|")});

    const QString lockFile = SettingsLock::LockFileName(SettingsFilePath());
    int lockedWhileShown = 0;
    w.boxes.whileOpen = [&](const ShownBox&) { lockedWhileShown += QFileInfo::exists(lockFile); };
    std::optional<SettingsUpdate> update(std::in_place, w.services(), ErrorTrap(w.boxes, "LoadResults"), keys::kApp);
    Check({R(update->trap()([] { throw RuntimeError(err::PermissionDenied); }), "false"),
           R(update->trap()([] { throw RuntimeError(err::DeviceIoError); }), "false"), R(QFileInfo::exists(lockFile), "true"),
           R(boxes(), ""), R(update.reset(), "ok"), R(lockedWhileShown, "0"),
           R(boxes(), "Error \"Permission denied\" in LoadResults() routine|16|\n"
                      "Error \"Device I/O error\" in LoadResults() routine|16|")});
}

}  // namespace
}  // namespace lumari::test
