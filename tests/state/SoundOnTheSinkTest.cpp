// Real audio, end to end: the test starts its own PulseAudio server with a
// null sink, records the sink's monitor with parec, and runs the sound-making
// scenario (SoundTest.cpp) in a process of its own attached to that server.
// Skipped only where pulseaudio or parec is not installed at all.
#include "SoundWaves.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace lumari {
namespace {

constexpr int kWindow = test::kSoundRate / 100;  // 10 ms of samples
constexpr double kSilence = 150;                  // RMS below this is nothing heard
constexpr double kFull = 32767;

class SoundOnTheSink : public ::testing::Test {
protected:
    void SetUp() override
    {
        pulseaudio = QStandardPaths::findExecutable("pulseaudio");
        parec = QStandardPaths::findExecutable("parec");
        if (pulseaudio.isEmpty() || parec.isEmpty()) GTEST_SKIP() << "pulseaudio or parec is not installed";
        ASSERT_TRUE(home.isValid());
        QFile::setPermissions(home.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        socket = home.filePath("native");
        env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", home.path());
        env.insert("XDG_RUNTIME_DIR", home.path());
        env.insert("XDG_CONFIG_HOME", home.filePath("config"));
        env.insert("PULSE_SERVER", "unix:" + socket);
        env.remove("DISPLAY");  // no session bus or X11 properties to look for

        server.setProcessEnvironment(env);
        server.setProcessChannelMode(QProcess::MergedChannels);
        // -n: no default script; the server needs only the sink and its socket.
        // Running as root is allowed for a server that is not the system one.
        server.start(pulseaudio, {"--daemonize=no", "--exit-idle-time=-1", "-n", "--use-pid-file=false",
                                  "--disable-shm=yes", "--log-target=stderr",
                                  "--load=module-null-sink sink_name=lumari_test rate=44100 channels=1",
                                  "--load=module-native-protocol-unix socket=" + socket + " auth-anonymous=1"});
        ASSERT_TRUE(server.waitForStarted(10000)) << "pulseaudio did not start";
        const QDeadlineTimer ready(20000);
        while (!Answers() && !ready.hasExpired() && server.state() == QProcess::Running) QTest::qWait(100);
        ASSERT_TRUE(Answers()) << "the test's PulseAudio server did not come up:\n"
                               << server.readAll().toStdString();
    }

    void TearDown() override
    {
        for (QProcess* p : {&recorder, &server}) {
            if (p->state() == QProcess::NotRunning) continue;
            p->terminate();
            if (!p->waitForFinished(5000)) p->kill();
            p->waitForFinished(5000);
        }
    }

    bool Answers()
    {
        if (!QFileInfo::exists(socket)) return false;
        QProcess info;
        info.setProcessEnvironment(env);
        info.start(QStandardPaths::findExecutable("pactl").isEmpty() ? parec : QStringLiteral("pactl"),
                   QStandardPaths::findExecutable("pactl").isEmpty() ? QStringList{"--version"}
                                                                      : QStringList{"info"});
        return info.waitForFinished(5000) && info.exitCode() == 0;
    }

    // Everything that reaches the sink while the scenario plays, as RMS levels of 10 ms windows.
    std::vector<double> Record(const QString& scenario)
    {
        recorder.setProcessEnvironment(env);
        recorder.start(parec, {"-d", "lumari_test.monitor", "--format=s16le", "--channels=1", "--rate=44100",
                               "--raw", "--latency-msec=20"});
        EXPECT_TRUE(recorder.waitForStarted(10000));
        // The monitor streams even in silence: the first bytes mean the recording runs.
        QByteArray raw;
        const QDeadlineTimer started(20000);
        while (raw.size() < 4 * kWindow && !started.hasExpired() && recorder.state() == QProcess::Running) {
            recorder.waitForReadyRead(100);
            raw += recorder.readAllStandardOutput();
        }
        EXPECT_GE(raw.size(), 4 * kWindow) << "parec recorded nothing";
        raw.clear();  // the silence before the scenario starts

        QProcess player;
        QProcessEnvironment playerEnv = env;
        playerEnv.insert("LUMARI_SOUND_SCENARIO", scenario);
        playerEnv.insert("QT_QPA_PLATFORM", "offscreen");
        player.setProcessEnvironment(playerEnv);
        player.setProcessChannelMode(QProcess::MergedChannels);
        player.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=SoundScenario.Plays"});
        while (player.state() != QProcess::NotRunning) {
            player.waitForFinished(50);
            recorder.waitForReadyRead(10);
            raw += recorder.readAllStandardOutput();
        }
        const QByteArray playerOutput = player.readAll();
        EXPECT_EQ(player.exitCode(), 0) << playerOutput.toStdString();
        EXPECT_TRUE(playerOutput.contains("[  PASSED  ] 1 test")) << playerOutput.toStdString();
        // What was still on its way to the sink.
        for (int i = 0; i < 5; ++i) {
            recorder.waitForReadyRead(100);
            raw += recorder.readAllStandardOutput();
        }
        recorder.terminate();
        recorder.waitForFinished(5000);

        std::vector<double> levels;
        const auto* samples = reinterpret_cast<const qint16*>(raw.constData());
        const qsizetype count = raw.size() / 2;
        for (qsizetype w = 0; w + kWindow <= count; w += kWindow) {
            double sum = 0;
            for (int i = 0; i < kWindow; ++i) sum += double(samples[w + i]) * samples[w + i];
            levels.push_back(std::sqrt(sum / kWindow));
        }
        return levels;
    }

    QString pulseaudio, parec, socket;
    QTemporaryDir home;
    QProcessEnvironment env;
    QProcess server, recorder;
};

// Windows heard, first to last.
struct Heard {
    qsizetype first = -1, last = -1;
    qsizetype silentInside = 0;  // silent windows between the first and the last
};

Heard Span(const std::vector<double>& levels)
{
    Heard h;
    for (qsizetype i = 0; i < qsizetype(levels.size()); ++i) {
        if (levels[i] < kSilence) continue;
        if (h.first < 0) h.first = i;
        h.last = i;
    }
    for (qsizetype i = h.first; h.first >= 0 && i <= h.last; ++i)
        if (levels[i] < kSilence) ++h.silentInside;
    return h;
}

double Peak(const std::vector<double>& levels, qsizetype from = 0, qsizetype to = -1)
{
    if (to < 0) to = qsizetype(levels.size());
    double peak = 0;
    for (qsizetype i = std::max<qsizetype>(from, 0); i < to; ++i) peak = std::max(peak, levels[i]);
    return peak;
}

// The RMS of a sine wave at the given fraction of full scale.
double SineLevel(double amplitude) { return amplitude * kFull / std::sqrt(2.0); }

TEST_F(SoundOnTheSink, TheRightAnswerSoundIsHeard)
{
    const std::vector<double> levels = Record("ok");
    const Heard h = Span(levels);
    ASSERT_GE(h.first, 0) << "nothing reached the sink";
    EXPECT_GT(Peak(levels), SineLevel(0.1));  // clearly above silence
    EXPECT_GE(h.last - h.first, 20);           // a sound, not a click
}

TEST_F(SoundOnTheSink, TheSameSoundAgainStartsOverAtOnce)
{
    const std::vector<double> levels = Record("restart");
    const Heard h = Span(levels);
    ASSERT_GE(h.first, 0) << "nothing reached the sink";
    // The climb falls back to its quiet start where the second call came.
    qsizetype fall = -1;
    for (qsizetype i = h.first + 10; i <= h.last && fall < 0; ++i)
        if (levels[i] < 0.6 * Peak(levels, i - 5, i) && levels[i] >= kSilence) fall = i;
    ASSERT_GE(fall, 0) << "the first sound was not cut off by the second";
    // Before the fall the first had not got far; after it the second climbs to its end.
    EXPECT_LT(Peak(levels, h.first, fall), SineLevel(0.7));
    EXPECT_GT(Peak(levels, fall, h.last + 1), SineLevel(0.8));
    // At once: no silence between the two, and the second plays whole after the fall.
    EXPECT_LE(h.silentInside, 3);
    EXPECT_GE(h.last - fall + 1, qsizetype(test::kRampSeconds * 100) - 5);
}

TEST_F(SoundOnTheSink, AnotherSoundReplacesTheOnePlaying)
{
    const std::vector<double> levels = Record("switch");
    const Heard h = Span(levels);
    ASSERT_GE(h.first, 0) << "nothing reached the sink";
    // The climb never reaches its top: the steady sound took over and played whole.
    EXPECT_LT(Peak(levels), SineLevel(0.75));
    qsizetype steady = 0;
    for (qsizetype i = h.first; i <= h.last; ++i)
        if (std::abs(levels[i] - SineLevel(test::kSteadyLevel)) < 0.1 * SineLevel(test::kSteadyLevel)) ++steady;
    EXPECT_GE(steady, qsizetype(test::kSteadySeconds * 100) - 5);
    EXPECT_LE(h.silentInside, 3);
    // Nothing of the first sound after the second: the last windows are the steady level.
    EXPECT_GT(levels[h.last - 2], 0.9 * SineLevel(test::kSteadyLevel));
}

TEST_F(SoundOnTheSink, DamagedAndMissingFilesAreSilence)
{
    const std::vector<double> levels = Record("silent");
    ASSERT_GT(levels.size(), 100u) << "the recording is too short to tell";
    EXPECT_LT(Peak(levels), kSilence);
}

TEST_F(SoundOnTheSink, AFileThatCannotPlayStillEndsTheSoundPlaying)
{
    const std::vector<double> levels = Record("cut-by-silence");
    const Heard h = Span(levels);
    ASSERT_GE(h.first, 0) << "nothing reached the sink";
    // Cut after about half a second of three: the climb never got high.
    EXPECT_LT(Peak(levels), SineLevel(0.6));
    EXPECT_LT(h.last - h.first, qsizetype(test::kRampSeconds * 100) / 2);
}

}  // namespace
}  // namespace lumari
