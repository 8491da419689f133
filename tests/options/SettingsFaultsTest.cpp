// A run of the program over a settings file that is damaged in every way a
// disk or a hand can damage it: the options window comes up with the
// defaults, what the routines meet is reported through their traps, the
// damaged bytes stay on disk, and a run after the repair counts as usual.
#include "OptionsFixture.h"

#include "options/StoredOptions.h"
#include "platform/ErrorTrap.h"
#include "results/Reports.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace lumari::test {
namespace {

QByteArray RandomBytes(qsizetype size, quint32 seed)
{
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator random(seed);
    random.fillRange(reinterpret_cast<quint32*>(bytes.data()), size / 4);
    return bytes;
}

QString SettingsFolder() { return QFileInfo(SettingsFilePath()).absolutePath(); }

QStringList DamagedCopies()
{
    return QDir(SettingsFolder()).entryList({"K.Orvel-Lumari.ini.damaged-*"}, QDir::Files);
}

// Whether these bytes are still on disk: the settings file itself or a copy
// kept beside it.
bool StillOnDisk(const QByteArray& bytes)
{
    if (QFileInfo(SettingsFilePath()).isFile() && ReadSettingsFile() == bytes) return true;
    for (const QString& name : DamagedCopies()) {
        QFile copy(SettingsFolder() + u'/' + name);
        if (copy.open(QIODevice::ReadOnly) && copy.readAll() == bytes) return true;
    }
    return false;
}

QString TrapText(const QString& description, const QString& routine)
{
    return ErrorTrap::MessageText(description, routine);
}

class SettingsFaultsTest : public OptionsTest {
protected:
    void TearDown() override
    {
        ::chmod(QFile::encodeName(SettingsFolder()).constData(), 0700);
        ::chmod(QFile::encodeName(SettingsFilePath()).constData(), 0644);
        QDir(SettingsFilePath()).removeRecursively();
        for (const QString& name : DamagedCopies()) QFile::remove(SettingsFolder() + u'/' + name);
        OptionsTest::TearDown();
    }

    // A run as the user makes it: the options window starts and is closed
    // with "Start program"'s own closing (the close box), then a session of
    // one right answer in one shown image is reported and folded.
    void Run()
    {
        frmApertura* options = frmApertura::Start(runtime, module1);
        ASSERT_NE(options, nullptr) << "the options window did not come up";
        reachedDefaults = options->chkMostraNomi->isChecked() && options->chkSuoni->isChecked() &&
                          options->opt1->isChecked() && options->cboSimboli->currentText() == "2" &&
                          options->cboImagesSet->currentText() == "default" &&
                          options->cboSoundOK->currentText() == "ok.wav" &&
                          options->cboSoundWrong->currentText() == "error.wav";
        options->close();
        QApplication::processEvents();  // its deferred deletion
        module1.SessionShown = 1;
        module1.SessionCorrect = 1;
        module1.SessionWrong = 0;
        results = LoadResults(runtime, module1);
    }

    QString Stored(const QString& key)
    {
        return QtRuntime(app.path()).GetSetting(keys::kApp, keys::kStatistics, key, "<none>");
    }

    bool reachedDefaults = false;
    ResultsTexts results;
};

struct DamageCase {
    const char* name;
    QByteArray bytes;
    bool defaults;    // no stored option can be read
    bool keepsCopy;   // the bytes are worth a copy before the first write
    QString used;     // "Used" after the run
    QString correct;  // "CorrectAnswers" after the run
};

TEST_F(SettingsFaultsTest, ADamagedFileGivesTheDefaultsLosesNothingAndCountsAfterRepair)
{
    const QByteArray stats("[Statistics]\nShown=20\nCorrectAnswers=15\nWrongAnswers=3\nUsed=4\n");
    QByteArray huge = stats + RandomBytes(50 * 1024 * 1024, 7);
    const DamageCase cases[] = {
        {"garbage", RandomBytes(4096, 1), true, true, "1", "1"},
        {"truncated", stats + "[GeneralSettings]\nShowLabels=1\nImagesS", true, true, "5", "16"},
        // What is read of the cut line is the set's name as far as it goes: no set.
        {"cut inside a character", stats + "[GeneralSettings]\nImagesSet=caf\xc3", false, true, "5", "16"},
        {"empty", QByteArray(), true, false, "1", "1"},
        {"huge", huge, true, true, "5", "16"},
    };
    for (const DamageCase& damage : cases) {
        SCOPED_TRACE(damage.name);
        WriteSettingsFile(damage.bytes);
        runtime.boxes.clear();
        Run();
        EXPECT_EQ(reachedDefaults, damage.defaults);
        EXPECT_TRUE(runtime.BoxTexts().isEmpty()) << runtime.BoxTexts().join(" | ").left(400).toStdString();
        if (damage.keepsCopy) EXPECT_TRUE(StillOnDisk(damage.bytes));
        EXPECT_EQ(DamagedCopies().size(), damage.keepsCopy ? 1 : 0);
        EXPECT_EQ(Stored(keys::kUsed), damage.used);
        EXPECT_EQ(Stored(keys::kCorrectAnswers), damage.correct);
        EXPECT_LT(QFileInfo(SettingsFilePath()).size(), 4096) << "the damage was carried into the new file";

        // The next run reads the repaired file and counts on.
        runtime.boxes.clear();
        Run();
        EXPECT_TRUE(runtime.BoxTexts().isEmpty());
        EXPECT_EQ(Stored(keys::kUsed), QString::number(damage.used.toInt() + 1));
        EXPECT_EQ(Stored(keys::kCorrectAnswers), QString::number(damage.correct.toInt() + 1));
        EXPECT_EQ(DamagedCopies().size(), damage.keepsCopy ? 1 : 0) << "a sound file was set aside";
        for (const QString& name : DamagedCopies()) QFile::remove(SettingsFolder() + u'/' + name);
        ClearSettings();
    }
}

TEST_F(SettingsFaultsTest, StoredTextsThatAreNoNumberAreReportedByTheRoutinesThatReadThem)
{
    WriteSettingsFile("[GeneralSettings]\nWayToWork=random\nMaxPlaceholders=\n"
                      "[Statistics]\nUsed=many\nShown=20\nCorrectAnswers=lots\nWrongAnswers=3\n");
    Run();
    const QString mismatch = ErrorDescription(err::TypeMismatch);
    const QStringList expected{
        TrapText(mismatch, "Form_Load"),                               // WayToWork: controlled random
        TrapText(mismatch, "Form_Load"),                               // MaxPlaceholders: kept at 0,
        TrapText(ErrorDescription(err::InvalidPropertyValue), "Form_Load"),  // so no entry to select
        TrapText(mismatch, "FormUnload"),                              // Used counts from 0
        TrapText(mismatch, "Form_Load"),                               // CorrectAnswers counts from 0
    };
    EXPECT_EQ(runtime.BoxTexts().join(u'|').toStdString(), expected.join(u'|').toStdString());
    EXPECT_EQ(Stored(keys::kUsed), "1");
    EXPECT_EQ(Stored(keys::kShown), "21");
    EXPECT_EQ(Stored(keys::kCorrectAnswers), "1");
    EXPECT_EQ(Stored(keys::kWrongAnswers), "3");
}

// Every write of the closing and of the results window, in order.
QStringList FailedWrites(const QString& description)
{
    QStringList boxes;
    for (int i = 0; i < 12; ++i) boxes << TrapText(description, "FormUnload");
    for (int i = 0; i < 3; ++i) boxes << TrapText(description, "Form_Load");
    return boxes;
}

TEST_F(SettingsFaultsTest, AFolderInTheFilesPlaceIsReportedAtEveryWriteAndKeptAsItIs)
{
    ASSERT_TRUE(QDir().mkpath(SettingsFilePath()));
    const QString inside = SettingsFilePath() + QStringLiteral("/notes.txt");
    {
        QFile note(inside);
        ASSERT_TRUE(note.open(QIODevice::WriteOnly));
        note.write("mine");
    }
    Run();
    EXPECT_TRUE(reachedDefaults);  // what cannot be read reads as missing
    EXPECT_EQ(runtime.BoxTexts().join(u'|').toStdString(),
              FailedWrites(ErrorDescription(err::PathFileAccessError)).join(u'|').toStdString());
    EXPECT_TRUE(results.session.endsWith("% of success: 100%"));
    EXPECT_TRUE(QFileInfo(inside).isFile());
    EXPECT_TRUE(DamagedCopies().isEmpty());

    // Repaired: the folder moved away, the next run counts from scratch.
    QDir(SettingsFilePath()).removeRecursively();
    runtime.boxes.clear();
    Run();
    EXPECT_TRUE(runtime.BoxTexts().isEmpty());
    EXPECT_EQ(Stored(keys::kUsed), "1");
    EXPECT_EQ(Stored(keys::kCorrectAnswers), "1");
}

// Runs the closing and the results window in a child process as a user
// without root's rights over files, and returns the boxes it showed.
QStringList RunAsUser(const QString& appPath)
{
    int out[2];
    if (::pipe(out) != 0) return {"<pipe>"};
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(out[0]);
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(2);
        TestRuntime runtime(appPath);
        Module1 module1;
        ErrorTrap closing(runtime, QStringLiteral("FormUnload"));
        StoreChosenOptions(runtime, module1, closing, ChosenOptions{});
        module1.SessionShown = 1;
        module1.SessionCorrect = 1;
        LoadResults(runtime, module1);
        const QByteArray text = runtime.BoxTexts().join(u'\n').toUtf8();
        ssize_t written = ::write(out[1], text.constData(), size_t(text.size()));
        ::_exit(written == text.size() ? 0 : 3);
    }
    ::close(out[1]);
    QByteArray text;
    char buffer[4096];
    for (ssize_t n; (n = ::read(out[0], buffer, sizeof buffer)) > 0;) text.append(buffer, n);
    ::close(out[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return {QStringLiteral("<child status %1>").arg(status)};
    return text.isEmpty() ? QStringList() : QString::fromUtf8(text).split(u'\n');
}

TEST_F(SettingsFaultsTest, AnUnreadableFileOrAReadOnlyFolderIsReportedAtEveryWriteAndKept)
{
    const QByteArray stats("[Statistics]\nShown=20\nCorrectAnswers=15\nWrongAnswers=3\nUsed=4\n");
    const QByteArray folder = QFile::encodeName(SettingsFolder());
    const QByteArray file = QFile::encodeName(SettingsFilePath());
    // The child works as another user when this runs as root, who reads and
    // writes anything; the settings folder lets it in.

    // Unreadable file in a writable folder: nothing replaces what cannot be kept.
    WriteSettingsFile(stats);
    ::chmod(folder.constData(), 0777);
    ::chmod(file.constData(), 0);
    EXPECT_EQ(RunAsUser(app.path()).join(u'|').toStdString(),
              FailedWrites(ErrorDescription(err::PermissionDenied)).join(u'|').toStdString());
    ::chmod(file.constData(), 0644);
    EXPECT_EQ(ReadSettingsFile(), stats);
    EXPECT_TRUE(DamagedCopies().isEmpty());

    // Readable file in a read-only folder: no write can happen.
    ::chmod(file.constData(), 0666);
    ::chmod(folder.constData(), 0555);
    const QStringList boxes = RunAsUser(app.path());
    ::chmod(folder.constData(), 0700);
    ASSERT_EQ(boxes.size(), 15) << boxes.join(" | ").toStdString();
    for (qsizetype i = 0; i < boxes.size(); ++i) {
        const QString routine = i < 12 ? "FormUnload" : "Form_Load";
        EXPECT_TRUE(boxes[i] == TrapText(ErrorDescription(err::PermissionDenied), routine) ||
                    boxes[i] == TrapText(ErrorDescription(err::PathFileAccessError), routine))
            << boxes[i].toStdString();
    }
    EXPECT_EQ(ReadSettingsFile(), stats);

    // Repaired: rights given back, the next run counts on.
    runtime.boxes.clear();
    Run();
    EXPECT_TRUE(runtime.BoxTexts().isEmpty());
    EXPECT_EQ(Stored(keys::kUsed), "5");
    EXPECT_EQ(Stored(keys::kCorrectAnswers), "16");
}

}  // namespace
}  // namespace lumari::test
