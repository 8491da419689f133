// Real audio, end to end: the test starts its own PulseAudio server with a
// null sink, records the sink's monitor with parec, and runs the sound-making
// scenario (SoundTest.cpp) in a process of its own attached to that server.
// Skipped only where PulseAudio or its tools are not installed at all.
#include "SoundWaves.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
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

// The RMS of a sine wave at the given fraction of full scale.
double SineLevel(double amplitude) { return amplitude * 32767 / std::sqrt(2.0); }

class SoundOnTheSink : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* tool : {"pulseaudio", "parec", "pactl"})
            if (QStandardPaths::findExecutable(tool).isEmpty()) GTEST_SKIP() << tool << " is not installed";
        QFile::setPermissions(home.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const QString socket = home.filePath("native");
        env.insert("HOME", home.path());
        env.insert("XDG_RUNTIME_DIR", home.path());
        env.insert("XDG_CONFIG_HOME", home.filePath("config"));
        env.insert("PULSE_SERVER", "unix:" + socket);
        env.remove("DISPLAY");  // no session bus or X11 properties to look for
        server.setProcessEnvironment(env);
        server.setProcessChannelMode(QProcess::MergedChannels);
        // -n: no default script; the server needs only the sink and its socket.
        server.start("pulseaudio", {"--daemonize=no", "--exit-idle-time=-1", "-n", "--use-pid-file=false",
                                    "--disable-shm=yes", "--log-target=stderr",
                                    "--load=module-null-sink sink_name=lumari_test rate=44100 channels=1",
                                    "--load=module-native-protocol-unix socket=" + socket + " auth-anonymous=1"});
        for (const QDeadlineTimer ready(20000); !ready.hasExpired() && server.state() != QProcess::NotRunning;
             QTest::qWait(100)) {
            QProcess info;
            info.setProcessEnvironment(env);
            if (!QFileInfo::exists(socket)) continue;
            info.start("pactl", {"info"});
            if (info.waitForFinished(5000) && info.exitCode() == 0) return;
        }
        FAIL() << "the test's PulseAudio server did not come up:\n" << server.readAll().toStdString();
    }

    void TearDown() override
    {
        for (QProcess* p : {&recorder, &server}) {
            p->terminate();
            if (!p->waitForFinished(5000)) p->kill();
            p->waitForFinished(5000);
        }
    }

    // Reads what the recorder has for a while.
    void Collect(int times, int ms)
    {
        for (int i = 0; i < times; ++i) {
            recorder.waitForReadyRead(ms);
            raw += recorder.readAllStandardOutput();
        }
    }

    // Everything that reaches the sink while the scenario plays, as RMS levels of 10 ms windows.
    std::vector<double> Record(const QString& scenario)
    {
        recorder.setProcessEnvironment(env);
        recorder.start("parec", {"-d", "lumari_test.monitor", "--format=s16le", "--channels=1", "--rate=44100",
                                 "--raw", "--latency-msec=20"});
        // The monitor streams even in silence: the first bytes mean the recording runs.
        for (const QDeadlineTimer started(20000); raw.size() < 4 * kWindow && !started.hasExpired() &&
                                                  recorder.state() != QProcess::NotRunning;)
            Collect(1, 100);
        EXPECT_GE(raw.size(), 4 * kWindow) << "parec recorded nothing";
        raw.clear();  // the silence before the scenario starts

        QProcess player;
        QProcessEnvironment playerEnv = env;
        playerEnv.insert("LUMARI_SOUND_SCENARIO", scenario);
        playerEnv.insert("QT_QPA_PLATFORM", "offscreen");
        player.setProcessEnvironment(playerEnv);
        player.setProcessChannelMode(QProcess::MergedChannels);
        player.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=SoundScenario.Plays"});
        while (!player.waitForFinished(50) && player.state() != QProcess::NotRunning) Collect(1, 10);
        const std::string playerOutput = player.readAll().toStdString();
        EXPECT_EQ(player.exitCode(), 0) << playerOutput;
        EXPECT_NE(playerOutput.find("[  PASSED  ] 1 test"), std::string::npos) << playerOutput;
        Collect(5, 100);  // what was still on its way to the sink

        std::vector<double> levels;
        const auto* samples = reinterpret_cast<const qint16*>(raw.constData());
        for (qsizetype w = 0; w + kWindow <= raw.size() / 2; w += kWindow) {
            double sum = 0;
            for (int i = 0; i < kWindow; ++i) sum += double(samples[w + i]) * samples[w + i];
            levels.push_back(std::sqrt(sum / kWindow));
        }
        return levels;
    }

    QTemporaryDir home;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    QProcess server, recorder;
    QByteArray raw;
};

// Windows heard, first to last, and the silent windows between them.
struct Heard {
    qsizetype first = -1, last = -1, silentInside = 0;
};

Heard Span(const std::vector<double>& levels)
{
    Heard h;
    for (qsizetype i = 0; i < qsizetype(levels.size()); ++i) {
        if (levels[i] < kSilence) continue;
        if (h.first < 0) h.first = i;
        h.last = i;
    }
    for (qsizetype i = h.first; h.first >= 0 && i <= h.last; ++i) h.silentInside += levels[i] < kSilence;
    return h;
}

double Peak(const std::vector<double>& levels, qsizetype from = 0, qsizetype to = -1)
{
    if (to < 0) to = qsizetype(levels.size());
    return from < to ? *std::max_element(levels.begin() + std::max<qsizetype>(from, 0), levels.begin() + to) : 0;
}

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
    const double steadyLevel = SineLevel(test::kSteadyLevel);
    const auto steady = std::count_if(levels.begin() + h.first, levels.begin() + h.last + 1,
                                      [&](double l) { return std::abs(l - steadyLevel) < 0.1 * steadyLevel; });
    EXPECT_GE(steady, qsizetype(test::kSteadySeconds * 100) - 5);
    EXPECT_LE(h.silentInside, 3);
    // Nothing of the first sound after the second: the last windows are the steady level.
    EXPECT_GT(levels[h.last - 2], 0.9 * steadyLevel);
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
