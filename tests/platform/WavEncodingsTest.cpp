// Every WAV encoding of teachers' sound collections, through the real player
// to the test's own PulseAudio server whose null sink parec records: a 660 Hz
// sox tone is heard in each; the file with its header cut or its numbers
// zeroed, and other containers under a .wav name, are silence.
#include "platform/WavePlayer.h"
#include "support/TestFiles.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace lumari {
namespace {

// The peak of a recording (of full scale), and its swings from below to above
// a tenth of full scale: a 0.5 s tone of 660 Hz makes 330.
struct Heard {
    double peak = 0;
    int swings = 0;
};

Heard Measure(const QByteArray& raw)
{
    const auto* s = reinterpret_cast<const qint16*>(raw.constData());
    Heard h;
    for (qsizetype i = 0, low = 0; i < raw.size() / 2; ++i) {
        h.peak = std::max(h.peak, std::abs(s[i]) / 32768.0);
        if (std::abs(s[i]) < 3277) continue;
        h.swings += low && s[i] > 0;
        low = s[i] < 0;
    }
    return h;
}

TEST(WavEncodings, EachIsHeardAndItsDamagedCopiesAreSilent)
{
    for (const char* tool : {"pulseaudio", "parec", "pactl", "sox"})
        if (QStandardPaths::findExecutable(tool).isEmpty()) GTEST_SKIP() << tool << " is not installed";
    test::AppFolder dir;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* var : {"HOME", "XDG_RUNTIME_DIR"}) env.insert(var, dir.path());
    env.insert("PULSE_SERVER", "unix:" + dir("native"));
    qputenv("PULSE_SERVER", env.value("PULSE_SERVER").toLocal8Bit());  // this process plays there too
    QProcess pulse, parec, tool;
    for (QProcess* p : {&pulse, &parec, &tool}) p->setProcessEnvironment(env);
    const auto stop = qScopeGuard([&] {
        for (QProcess* p : {&parec, &pulse}) p->terminate(), p->waitForFinished(5000);
    });
    pulse.start("pulseaudio", {"--daemonize=no", "--exit-idle-time=-1", "-n", "--use-pid-file=false",
                               "--disable-shm=yes", "--load=module-null-sink sink_name=t rate=44100 channels=1",
                               "--load=module-native-protocol-unix socket=" + dir("native") + " auth-anonymous=1"});
    auto run = [&](const QString& program, const QStringList& args) {
        tool.start(program, args);
        return tool.waitForFinished(20000) && tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0;
    };
    for (QDeadlineTimer up(20000); !run("pactl", {"info"}); QTest::qWait(100)) ASSERT_FALSE(up.hasExpired());
    parec.start("parec",
                {"-d", "t.monitor", "--format=s16le", "--channels=1", "--rate=44100", "--raw", "--latency-msec=20"});
    // The next `ms` of the recording; the monitor streams silence too.
    auto record = [&](int ms) {
        QByteArray got;
        for (QDeadlineTimer limit(ms + 10000); got.size() < ms * 882 / 10 && !limit.hasExpired(); QTest::qWait(5))
            got += parec.readAllStandardOutput();
        EXPECT_GE(got.size(), ms * 882 / 10) << "parec records nothing";
        return Measure(got.left(ms * 882 / 10));
    };
    WavePlayer player;
    auto play = [&](const QString& file, int ms) {
        for (QDeadlineTimer limit(10000); record(100).peak > 0.01 && !limit.hasExpired();) {  // from silence
        }
        player.Play(file);
        return record(ms);
    };

    const struct {
        const char *what, *sox;  // the name, sox's format options
    } cases[] = {
        {"AIFF named .wav", "-t aiff -e signed -b 16"}, {"FLAC named .wav", "-t flac"},  // silent, the rest heard
        {"PCM 8-bit", "-e unsigned -b 8"}, {"PCM 16-bit stereo", "-c 2 -e signed -b 16"},
        {"PCM 24-bit", "-e signed -b 24"}, {"PCM 32-bit", "-e signed -b 32"}, {"float", "-e floating-point -b 32"},
        {"IMA ADPCM", "-e ima-adpcm"}, {"Microsoft ADPCM", "-e ms-adpcm"}, {"mu-law", "-e u-law"},
        {"A-law", "-e a-law"}, {"GSM 6.10", "-r 8000 -e gsm-full-rate"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(run("sox", QStringList{"-n", "-r", "22050", "-c", "1"} + QString(c.sox).split(' ') +
                                   QStringList{dir("tone.wav"), "synth", "0.5", "sine", "660", "vol", "0.8"}));
        const Heard h = play(dir("tone.wav"), 1000);
        std::printf("%-18s peak %.3f, %3d swings\n", c.what, h.peak, h.swings);
        if (QByteArray(c.what).endsWith(".wav")) {
            EXPECT_LT(h.peak, 0.01);
            continue;
        }
        EXPECT_TRUE(h.peak > 0.5 && h.swings > 300 && h.swings < 345);  // the edges of the tone may blur
        QFile file(dir("tone.wav"));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        const QByteArray zeroed = QByteArray(bytes).replace(bytes.indexOf("fmt ") + 10, 14, QByteArray(14, 0));
        for (const QByteArray& bad : {bytes.left(30), zeroed}) {
            dir.WriteFile("damaged.wav", bad);
            EXPECT_LT(play(dir("damaged.wav"), 400).peak, 0.01);
        }
    }
}

}  // namespace
}  // namespace lumari
