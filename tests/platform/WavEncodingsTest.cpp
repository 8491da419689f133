// Every WAV encoding of teachers' old sound collections, through the real
// player to the test's own PulseAudio server, whose null sink is recorded
// with parec: a 660 Hz tone made by sox is heard in each; the same file with
// its header cut or its format numbers zeroed, and other containers under a
// .wav name, are silence.
#include "platform/WavePlayer.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace lumari {
namespace {

constexpr int kWindow = 441;  // 10 ms of the sink's 44.1 kHz mono

struct Heard {
    double peak = 0;  // of full scale
    int loudMs = 0;   // in 10 ms windows above a tenth of full scale
    double hertz = 0; // rising zero crossings a second in those windows
};

Heard Measure(const QByteArray& raw)
{
    const auto* s = reinterpret_cast<const qint16*>(raw.constData());
    Heard h;
    int crossings = 0;
    for (qsizetype w = 1; w + kWindow <= raw.size() / 2; w += kWindow) {
        double sum = 0;
        for (int i = 0; i < kWindow; ++i) {
            sum += double(s[w + i]) * s[w + i];
            h.peak = std::max(h.peak, std::abs(s[w + i]) / 32768.0);
        }
        if (std::sqrt(sum / kWindow) < 3277) continue;
        h.loudMs += 10;
        for (int i = 0; i < kWindow; ++i) crossings += s[w + i - 1] < 0 && s[w + i] >= 0;
    }
    h.hertz = h.loudMs ? crossings * 1000.0 / h.loudMs : 0;
    return h;
}

class WavEncodings : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* tool : {"pulseaudio", "parec", "pactl", "sox"})
            if (QStandardPaths::findExecutable(tool).isEmpty()) GTEST_SKIP() << tool << " is not installed";
        const QString socket = dir.filePath("native");
        for (const char* var : {"HOME", "XDG_RUNTIME_DIR"}) env.insert(var, dir.path());
        env.insert("PULSE_SERVER", "unix:" + socket);
        server.setProcessEnvironment(env);
        server.setProcessChannelMode(QProcess::MergedChannels);
        server.start("pulseaudio", {"--daemonize=no", "--exit-idle-time=-1", "-n", "--use-pid-file=false",
                                    "--disable-shm=yes", "--load=module-null-sink sink_name=t rate=44100 channels=1",
                                    "--load=module-native-protocol-unix socket=" + socket + " auth-anonymous=1"});
        QProcess info;
        info.setProcessEnvironment(env);
        for (QDeadlineTimer up(20000); !up.hasExpired() && server.state() != QProcess::NotRunning; QTest::qWait(100)) {
            info.start("pactl", {"info"});
            if (info.waitForFinished(5000) && info.exitCode() == 0) break;
        }
        ASSERT_EQ(info.exitCode(), 0) << "no PulseAudio server:\n" << server.readAll().toStdString();
        qputenv("PULSE_SERVER", env.value("PULSE_SERVER").toLocal8Bit());  // this process plays there
        recorder.setProcessEnvironment(env);
        recorder.start("parec", {"-d", "t.monitor", "--format=s16le", "--channels=1", "--rate=44100", "--raw",
                                 "--latency-msec=20"});
        ASSERT_EQ(Record(100).size(), 2 * 10 * kWindow) << "parec records nothing";
    }
    void TearDown() override
    {
        for (QProcess* p : {&recorder, &server}) {
            p->terminate();
            p->waitForFinished(5000);
        }
    }
    // The next `ms` of the recording: the monitor streams silence too.
    QByteArray Record(int ms)
    {
        QByteArray got;
        for (QDeadlineTimer limit(ms + 10000); got.size() < 2 * ms / 10 * kWindow && !limit.hasExpired();) {
            QTest::qWait(5);
            got += recorder.readAllStandardOutput();
        }
        return got.left(2 * ms / 10 * kWindow);
    }
    // What the sink gets after playing the file, from silence.
    Heard Play(const QString& file, int ms)
    {
        for (QDeadlineTimer limit(10000); Measure(Record(100)).peak > 0.01 && !limit.hasExpired();) {}
        player.Play(file);
        return Measure(Record(ms));
    }
    QTemporaryDir dir;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    QProcess server, recorder;
    WavePlayer player;
};

TEST_F(WavEncodings, EachIsHeardAndItsDamagedCopiesAreSilent)
{
    const struct {
        const char* what;
        const char* sox;  // format options
        bool heard;
    } cases[] = {
        {"PCM 8-bit", "-e unsigned -b 8", true},         {"PCM 16-bit stereo", "-c 2 -e signed -b 16", true},
        {"PCM 24-bit", "-e signed -b 24", true},         {"PCM 32-bit", "-e signed -b 32", true},
        {"float", "-e floating-point -b 32", true},      {"IMA ADPCM", "-e ima-adpcm", true},
        {"Microsoft ADPCM", "-e ms-adpcm", true},        {"mu-law", "-e u-law", true},
        {"A-law", "-e a-law", true},                     {"GSM 6.10", "-r 8000 -e gsm-full-rate", true},
        {"AIFF named .wav", "-t aiff -e signed -b 16", false}, {"FLAC named .wav", "-t flac", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QString wav = dir.filePath("tone.wav");
        QProcess sox;
        sox.start("sox", QStringList{"-n", "-r", "22050", "-c", "1"} + QString(c.sox).split(' ') +
                             QStringList{wav, "synth", "0.5", "sine", "660", "vol", "0.8"});
        ASSERT_TRUE(sox.waitForFinished(20000) && sox.exitCode() == 0) << sox.readAllStandardError().toStdString();
        const Heard h = Play(wav, 1000);
        std::printf("%-18s peak %.3f, %3d ms at %3.0f Hz\n", c.what, h.peak, h.loudMs, h.hertz);
        if (!c.heard) EXPECT_LT(h.peak, 0.01);
        if (!c.heard) continue;
        EXPECT_GT(h.peak, 0.5);
        EXPECT_GE(h.loudMs, 300);
        EXPECT_NEAR(h.hertz, 660, 66);  // the lossy encodings bend it a little

        QFile file(wav);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        const qsizetype fmt = bytes.indexOf("fmt ");
        for (const QByteArray& damaged : {bytes.left(30), QByteArray(bytes).replace(fmt + 10, 14, QByteArray(14, 0))}) {
            QFile out(dir.filePath("damaged.wav"));
            ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate) && out.write(damaged) == damaged.size());
            out.close();
            EXPECT_LT(Play(out.fileName(), 400).peak, 0.01);
        }
    }
}

}  // namespace
}  // namespace lumari
