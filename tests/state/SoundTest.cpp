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

#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace lumari {
namespace {

using test::AppFolder;
using test::TestRuntime;

// The program's folder with its Sounds, made for the test.
void MakeSounds(const AppFolder& app)
{
    app.WriteFile("Sounds/ok.wav", test::BundledOkWav());
    app.WriteFile("Sounds/ramp.wav", test::RampWav());
    app.WriteFile("Sounds/steady.wav", test::SteadyWav());
    app.WriteFile("Sounds/damaged.wav", test::DamagedWav());
    app.WriteFile("Sounds/header-only.wav", QByteArray("RIFF\x24\x00\x00\x00WAVE", 12));
    app.WriteFile("Sounds/text.wav", "not a sound at all");
    app.WriteFile("Sounds/empty.wav", "");
    app.MakeFolder("Sounds/folder.wav");
}

// Plays as each real-audio case asks, waiting as a user would between calls.
void RunScenario(const QString& name, TestRuntime& rt, const QString& sounds, const std::function<void(int)>& wait)
{
    if (name == "ok") {
        API_PlaySound(rt, sounds + "ok.wav");
        wait(1500);
    } else if (name == "restart") {
        // The same file again while it still plays: it starts over.
        API_PlaySound(rt, sounds + "ramp.wav");
        wait(700);
        API_PlaySound(rt, sounds + "RAMP.WAV");
        wait(int(test::kRampSeconds * 1000) + 1000);
    } else if (name == "switch") {
        // Another file while the first still plays: the first stops, the second plays whole.
        API_PlaySound(rt, sounds + "ramp.wav");
        wait(700);
        API_PlaySound(rt, sounds + "steady.wav");
        wait(int(test::kSteadySeconds * 1000) + 1500);
    } else if (name == "silent") {
        for (const char* file : {"damaged.wav", "header-only.wav", "text.wav", "empty.wav", "folder.wav",
                                 "missing.wav", "*** NO SOUND ***"}) {
            API_PlaySound(rt, sounds + file);
            wait(250);
        }
        wait(1000);
    } else if (name == "cut-by-silence") {
        // A sound that cannot play still ends the one playing.
        API_PlaySound(rt, sounds + "ramp.wav");
        wait(500);
        API_PlaySound(rt, sounds + "missing.wav");
        wait(int(test::kRampSeconds * 1000));
    } else {
        FAIL() << "unknown scenario " << name.toStdString();
    }
}

const QStringList kScenarios{"ok", "restart", "switch", "silent", "cut-by-silence"};

TEST(SoundScenario, Plays)
{
    // Run alone, this is a machine without audio output: every case is
    // silence and none shows a box. Under the real-audio tests the variable
    // names the one case to play to their server.
    QString only = qEnvironmentVariable("LUMARI_SOUND_SCENARIO");
    if (only.isEmpty()) qputenv("PULSE_SERVER", "unix:/nonexistent/lumari-no-audio");
    AppFolder app;
    MakeSounds(app);
    TestRuntime rt(app.path());
    rt.realSound = true;
    const QString sounds = app.path() + "\\sounds\\";
    for (const QString& name : only.isEmpty() ? kScenarios : QStringList{only}) {
        SCOPED_TRACE(name.toStdString());
        // Without a listener the long waits prove nothing more than short ones.
        RunScenario(name, rt, sounds, [&](int ms) { QTest::qWait(only.isEmpty() ? qMin(ms, 100) : ms); });
        EXPECT_EQ(rt.BoxTexts(), QStringList{});
    }
}

TEST(Sound, EveryCallReachesThePlayerWithItsPathUnchanged)
{
    AppFolder app;
    MakeSounds(app);
    TestRuntime rt(app.path());
    rt.realSound = true;
    const QString paths[] = {app.path() + "\\Sounds\\ok.wav", app.path() + "\\Sounds\\*** NO SOUND ***",
                             app.path() + "\\Sounds\\damaged.wav", app.path() + "\\Sounds\\"};
    for (const QString& p : paths) API_PlaySound(rt, p);
    EXPECT_EQ(rt.playedSounds, QStringList(std::begin(paths), std::end(paths)));
    EXPECT_TRUE(rt.boxes.empty());
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
    ASSERT_EQ(rt.boxes.size(), 2u);
    EXPECT_EQ(rt.boxes[0].prompt, "Error \"Error in loading DLL\" in API_PlaySound() routine");
    EXPECT_EQ(rt.boxes[0].style, 16);
    EXPECT_EQ(rt.boxes[0].title, "");
}

TEST(Sound, TheFilesMadeForTheTestsAreWhatTheySayTheyAre)
{
    // A wrong generator would make the real-audio tests prove nothing.
    const QByteArray ramp = test::RampWav();
    EXPECT_TRUE(ramp.startsWith("RIFF"));
    EXPECT_EQ(ramp.size(), 44 + int(test::kRampSeconds * test::kSoundRate) * 2);
    auto sampleAt = [&](double t) {
        const int i = 44 + 2 * int(t * test::kSoundRate);
        return qint16(quint8(ramp[i]) | (quint8(ramp[i + 1]) << 8));
    };
    // 440 Hz: a crest every 1/440 s, at 1/1760 s after each start of a period.
    EXPECT_NEAR(sampleAt(1.0 / 1760), 32767 * 0.05, 400);
    EXPECT_NEAR(sampleAt(2.0 + 1.0 / 1760), 32767 * (0.05 + 0.85 * 2 / 3), 400);
    EXPECT_FALSE(test::DamagedWav().mid(20, 2) == QByteArray("\x01\x00", 2));
}

}  // namespace
}  // namespace lumari
