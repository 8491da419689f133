// API_PlaySound on the real player: it returns at once, never shows a box for
// a file it cannot play, and reports only a sound service that cannot start.
//
// SoundScenario.Plays is also the sound-making half of the real-audio tests
// (SoundOnTheSinkTest.cpp), which run it in a process of its own attached to
// their audio server and record what reaches the speakers.
#include "SoundWaves.h"

#include "platform/RuntimeError.h"
#include "state/Sound.h"
#include "support/TestFiles.h"
#include "support/TestRuntime.h"

#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <numbers>
#include <vector>

namespace lumari {
namespace {

using test::AppFolder;
using test::TestRuntime;

void PutLe(QByteArray& b, quint32 v, int bytes)
{
    for (int i = 0; i < bytes; ++i) b += char(v >> (8 * i));
}

// A 16-bit mono PCM WAV of a 440 Hz tone whose amplitude (0 to 1 of full scale) follows the envelope.
QByteArray ToneWav(double seconds, double (*envelope)(double t))
{
    static_assert(test::kSoundRate == 44100);
    QByteArray pcm;
    for (int i = 0; i < int(seconds * test::kSoundRate); ++i) {
        const double t = double(i) / test::kSoundRate;
        PutLe(pcm, quint16(qint16(std::lround(32767.0 * envelope(t) * std::sin(2 * std::numbers::pi * 440.0 * t)))), 2);
    }
    QByteArray wav("RIFF");
    PutLe(wav, 36 + pcm.size(), 4);
    // Format block of 16 bytes: PCM, mono, 44100 Hz, 88200 bytes a second, 2 bytes a frame, 16 bits.
    wav += QByteArray("WAVEfmt \x10\0\0\0\x01\0\x01\0\x44\xac\0\0\x88\x58\x01\0\x02\0\x10\0data", 32);
    PutLe(wav, pcm.size(), 4);
    return wav + pcm;
}

// The program's folder with its Sounds: the bundled right-answer sound, two
// tones, and files that exist but hold no playable sound.
void MakeSounds(const AppFolder& app)
{
    QFile bundled(QFileInfo(QStringLiteral(__FILE__)).absolutePath() + "/../../data/Sounds/ok.wav");
    ASSERT_TRUE(bundled.open(QIODevice::ReadOnly)) << "the bundled ok.wav is missing";
    app.WriteFile("Sounds/ok.wav", bundled.readAll());
    const QByteArray ramp = ToneWav(test::kRampSeconds, [](double t) { return 0.05 + 0.85 * t / test::kRampSeconds; });
    app.WriteFile("Sounds/ramp.wav", ramp);
    app.WriteFile("Sounds/steady.wav", ToneWav(test::kSteadySeconds, [](double) { return test::kSteadyLevel; }));
    app.WriteFile("Sounds/damaged.wav", ramp.left(20) + QByteArray("\x07\x00garbage", 9) + ramp.mid(400));
    app.WriteFile("Sounds/header-only.wav", QByteArray("RIFF\x24\x00\x00\x00WAVE", 12));
    app.WriteFile("Sounds/text.wav", "not a sound at all");
    app.WriteFile("Sounds/empty.wav", "");
    app.MakeFolder("Sounds/folder.wav");
}

// Each real-audio case: the files played in turn, each followed by a wait (ms) as a user's pause.
constexpr int kRampMs = int(test::kRampSeconds * 1000), kSteadyMs = int(test::kSteadySeconds * 1000);
const std::map<QString, std::vector<std::pair<const char*, int>>> kScenarios = {
    {"ok", {{"ok.wav", 1500}}},
    // The same file again while it still plays: it starts over.
    {"restart", {{"ramp.wav", 700}, {"RAMP.WAV", kRampMs + 1000}}},
    // Another file while the first still plays: the first stops, the second plays whole.
    {"switch", {{"ramp.wav", 700}, {"steady.wav", kSteadyMs + 1500}}},
    {"silent", {{"damaged.wav", 250}, {"header-only.wav", 250}, {"text.wav", 250}, {"empty.wav", 250},
                {"folder.wav", 250}, {"missing.wav", 250}, {"*** NO SOUND ***", 1250}}},
    // A sound that cannot play still ends the one playing.
    {"cut-by-silence", {{"ramp.wav", 500}, {"missing.wav", kRampMs}}},
};

TEST(SoundScenario, Plays)
{
    // Run alone, this is a machine without audio output: every case is
    // silence and none shows a box. Under the real-audio tests the variable
    // names the one case to play to their server.
    const QString only = qEnvironmentVariable("LUMARI_SOUND_SCENARIO");
    ASSERT_TRUE(only.isEmpty() || kScenarios.count(only)) << "unknown scenario " << only.toStdString();
    if (only.isEmpty()) qputenv("PULSE_SERVER", "unix:/nonexistent/lumari-no-audio");
    AppFolder app;
    MakeSounds(app);
    TestRuntime rt(app.path());
    rt.realSound = true;
    for (const auto& [name, steps] : kScenarios) {
        if (!only.isEmpty() && name != only) continue;
        SCOPED_TRACE(name.toStdString());
        for (const auto& [file, ms] : steps) {
            API_PlaySound(rt, app.path() + "\\sounds\\" + file);
            QTest::qWait(only.isEmpty() ? qMin(ms, 100) : ms);  // without a listener long waits prove no more
        }
        EXPECT_EQ(rt.BoxTexts(), QStringList{});
    }
}

// A runtime whose sound service cannot be set up.
class NoSoundService : public TestRuntime {
public:
    using TestRuntime::TestRuntime;
    void PlayWave(const QString&) override { throw RuntimeError(err::DllLoadError); }
};

TEST(Sound, OnlyAMissingSoundServiceIsReportedAndTheCallerGoesOn)
{
    AppFolder app;
    NoSoundService rt(app.path());
    API_PlaySound(rt, app.path() + "\\Sounds\\ok.wav");
    API_PlaySound(rt, app.path() + "\\Sounds\\ok.wav");
    EXPECT_EQ(rt.BoxTexts(), QStringList(2, "Error \"Error in loading DLL\" in API_PlaySound() routine"));
    EXPECT_TRUE(rt.boxes[0].style == mb::Critical && rt.boxes[0].title.isEmpty());
}

}  // namespace
}  // namespace lumari
