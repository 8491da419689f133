// The settings file shared by copies of the program running at once, and by
// a copy killed while it writes. The copies are real processes (forked), on
// the real settings file.
#include "options/StoredOptions.h"
#include "platform/ErrorTrap.h"
#include "platform/QtRuntime.h"
#include "results/Reports.h"
#include "state/Module1.h"
#include "state/SettingsKeys.h"
#include "support/TestFiles.h"
#include "support/TestRuntime.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSettings>

#include <gtest/gtest.h>

#include <csignal>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace lumari {
namespace {

using namespace test;

// The keys of one section as the INI reader of a fresh copy sees them; fails
// the test when the file is not wholly sound.
QMap<QString, QString> ReadSection(const QString& section)
{
    QMap<QString, QString> values;
    const QByteArray bytes = ReadSettingsFile();
    EXPECT_FALSE(bytes.contains('\0'));
    // A copy of the file under a name never used before, so that no cached
    // reading answers.
    static int checks = 0;
    const QString copy = SettingsFilePath() + QStringLiteral(".check-%1.ini").arg(++checks);
    QFile::remove(copy);
    {
        QFile out(copy);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
    }
    {
        QSettings settings(copy, QSettings::IniFormat);
        EXPECT_EQ(settings.status(), QSettings::NoError);
        settings.beginGroup(section);
        for (const QString& key : settings.childKeys()) values[key] = settings.value(key).toString();
    }
    QFile::remove(copy);
    return values;
}

// Folder entries beside the settings file other than the file itself and its
// lock: what a killed writer may leave behind.
QStringList Leftovers()
{
    const QString name = QFileInfo(SettingsFilePath()).fileName();
    QStringList found;
    for (const QString& entry : QDir(QFileInfo(SettingsFilePath()).absolutePath()).entryList(QDir::Files)) {
        if (entry != name && !entry.endsWith(QStringLiteral(".lock")) && !entry.endsWith(QStringLiteral("-lock")))
            found << entry;
    }
    return found;
}

class SettingsConcurrencyTest : public ::testing::Test {
protected:
    void SetUp() override { ClearSettings(); }
    void TearDown() override
    {
        for (const QString& entry : Leftovers()) QFile::remove(QFileInfo(SettingsFilePath()).absolutePath() + u'/' + entry);
        ClearSettings();
    }
    AppFolder app;
};

TEST_F(SettingsConcurrencyTest, CopiesClosingTogetherEachCountTheirRunAndTheirSession)
{
    constexpr int kCopies = 20;
    WriteSettingsFile("[Statistics]\nShown=100\nCorrectAnswers=50\nWrongAnswers=3\nUsed=7\n");
    // This copy has read the file too, as a copy started earlier would have.
    QtRuntime reader(app.path());
    ASSERT_EQ(reader.GetSetting(keys::kApp, keys::kStatistics, keys::kUsed, "0"), "7");

    int barrier[2];
    ASSERT_EQ(::pipe(barrier), 0);
    std::vector<pid_t> copies;
    for (int i = 0; i < kCopies; ++i) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            ::close(barrier[1]);
            char c;
            while (::read(barrier[0], &c, 1) > 0) {
            }
            // The options window closes, one right answer, the results window loads.
            TestRuntime runtime(app.path(), 1000 + i);
            Module1 module1;
            ErrorTrap closing(runtime, QStringLiteral("FormUnload"));
            StoreChosenOptions(runtime, module1, closing, ChosenOptions{});
            module1.SessionShown = 1;
            module1.SessionCorrect = 1;
            LoadResults(runtime, module1);
            ::_exit(int(std::min<size_t>(runtime.boxes.size(), 100)));
        }
        copies.push_back(pid);
    }
    ::close(barrier[0]);
    ::close(barrier[1]);  // all start at once
    for (const pid_t pid : copies) {
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status)) << status;
        EXPECT_EQ(WEXITSTATUS(status), 0) << "boxes shown by a copy";
    }

    const auto totals = ReadSection(keys::kStatistics);
    EXPECT_EQ(totals.value(keys::kUsed).toInt(), 7 + kCopies);
    EXPECT_EQ(totals.value(keys::kShown).toInt(), 100 + kCopies);
    EXPECT_EQ(totals.value(keys::kCorrectAnswers).toInt(), 50 + kCopies);
    EXPECT_EQ(totals.value(keys::kWrongAnswers).toInt(), 3);
    // And the copy that was running all along sees them.
    EXPECT_EQ(reader.GetSetting(keys::kApp, keys::kStatistics, keys::kUsed, "0").toInt(), 7 + kCopies);
}

// Writes "A", "B" and "C" of "GeneralSettings" in turn with 1, 2, 3, ... past
// the last value written whole (C's), until killed; tells `ready` when the
// writing begins and after each write.
[[noreturn]] void WriteUntilKilled(const QString& appPath, int ready)
{
    QtRuntime runtime(appPath);
    const auto lock = runtime.LockSettings(keys::kApp);
    int n = runtime.GetSetting(keys::kApp, keys::kGeneral, "C", "0").toInt();
    const char go = 1;
    if (::write(ready, &go, 1) != 1) ::_exit(1);
    for (;;) {
        ++n;
        for (const char* key : {"A", "B", "C"}) {
            runtime.SaveSetting(keys::kApp, keys::kGeneral, key, QString::number(n));
            if (::write(ready, &go, 1) != 1) ::_exit(1);
        }
    }
}

// Waits up to a second for a byte on a pipe.
bool WaitFor(int fd)
{
    struct pollfd ready = {fd, POLLIN, 0};
    char byte;
    return ::poll(&ready, 1, 1000) == 1 && ::read(fd, &byte, 1) == 1;
}

TEST_F(SettingsConcurrencyTest, AWriterKilledAtAnyMomentLeavesTheFileBeforeOrAfterAWrite)
{
    constexpr int kKills = 200;
    const QString padding(20000, u'x');  // a file that takes more than one write() to put down
    QtRuntime runtime(app.path());
    runtime.SaveSetting(keys::kApp, keys::kGeneral, "Padding", padding);
    for (const char* key : {"A", "B", "C"}) runtime.SaveSetting(keys::kApp, keys::kGeneral, key, "0");

    QRandomGenerator random(20261206);
    int last = 0;
    int killedMidWay = 0;  // kills that left the three keys unequal
    for (int i = 0; i < kKills; ++i) {
        int ready[2];
        ASSERT_EQ(::pipe(ready), 0);
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) WriteUntilKilled(app.path(), ready[1]);
        // A moment within the first few writes, however long the disk takes.
        const int writes = int(random.bounded(5u));  // of A, B, C, A, ...
        bool going = WaitFor(ready[0]);
        for (int w = 0; going && w < writes; ++w) going = WaitFor(ready[0]);
        if (going) ::usleep(random.bounded(1000u));
        ::kill(pid, SIGKILL);
        ::close(ready[0]);
        ::close(ready[1]);
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);

        SCOPED_TRACE(i);
        const auto values = ReadSection(keys::kGeneral);
        ASSERT_EQ(values.value("Padding"), padding);
        bool ok[3];
        const int a = values.value("A").toInt(&ok[0]);
        const int b = values.value("B").toInt(&ok[1]);
        const int c = values.value("C").toInt(&ok[2]);
        ASSERT_TRUE(ok[0] && ok[1] && ok[2]) << values.value("A").toStdString() << values.value("B").toStdString()
                                           << values.value("C").toStdString();
        // Each write came whole and in order: A, then B, then C.
        ASSERT_TRUE(a >= b && b >= c && c >= a - 1) << a << " " << b << " " << c;
        ASSERT_GE(c, last) << "a write went missing";
        if (a != c) ++killedMidWay;
        last = c;
    }
    EXPECT_GT(last, 0) << "the writers never wrote";
    EXPECT_GT(killedMidWay, 0) << "no writer was killed between two of its writes";
}

}  // namespace
}  // namespace lumari
