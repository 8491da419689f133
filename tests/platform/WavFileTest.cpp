// WAV files decoded to 16-bit samples, and the sounds decoded off the asking call. (The end-to-end
// audio journey hears them through the real output.)
#include "platform/DecodedSounds.h"
#include "platform/WavFile.h"
#include "support/TestServices.h"

#include <QBuffer>
#include <QDataStream>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include <algorithm>
#include <vector>

namespace lumari::test {

TEST(WavFile, EachEncodingDecodesAndDamagedCopiesGiveNothing)
{
    if (QStandardPaths::findExecutable("sox").isEmpty()) GTEST_SKIP() << "sox is not installed";
    AppFolder dir;
    auto decode = [](QByteArray bytes) { QBuffer b(&bytes); b.open(QIODevice::ReadOnly); return ReadWav(b); };
    const struct { const char* sox; bool decoded; int rate, channels; } encodings[] = {
        {"wav -e unsigned -b 8", true, 22050, 1}, {"wav -c 2 -e signed -b 16", true, 22050, 2},
        {"wav -e signed -b 24", true, 22050, 1}, {"wav -e signed -b 32", true, 22050, 1},
        {"wav -e floating-point -b 32", true, 22050, 1}, {"wav -e ima-adpcm", true, 22050, 1},
        {"wav -e ms-adpcm", true, 22050, 1}, {"wav -e u-law", true, 22050, 1}, {"wav -e a-law", true, 22050, 1},
        {"wav -r 8000 -e gsm-full-rate", true, 8000, 1},
        {"wav -B -e signed -b 16", false, 0, 0},  // big-endian: "RIFX", not "RIFF"
        {"aiff", false, 0, 0}, {"flac", false, 0, 0}, {"wav -t raw", false, 0, 0},
    };
    for (const auto& e : encodings) {
        SCOPED_TRACE(e.sox);
        ASSERT_EQ(QProcess::execute("sox", QStringList{"-n", "-r", "22050", "-c", "1", "-t"} + QString(e.sox).split(' ') +
                                               QStringList{dir("tone"), "synth", "0.5", "sine", "660", "vol", "0.8"}), 0);
        const QByteArray bytes = ReadBytes(dir("tone"));
        const std::optional<WavSound> sound = decode(bytes);
        ASSERT_EQ(sound.has_value(), e.decoded);
        for (const QByteArray& bad : {bytes.left(30), QByteArray(bytes).replace(20, 16, QByteArray(16, 0))})
            EXPECT_FALSE(decode(bad) && !decode(bad)->samples.isEmpty());
        if (!sound) continue;
        const QAudioFormat& f = sound->format;
        EXPECT_EQ(f.sampleFormat(), QAudioFormat::Int16);
        EXPECT_EQ(f.sampleRate(), e.rate);
        EXPECT_EQ(f.channelCount(), e.channels);
        const auto* s = reinterpret_cast<const qint16*>(sound->samples.constData());
        const qsizetype n = sound->samples.size() / 2;
        EXPECT_TRUE(n >= e.rate * e.channels / 2 && n < e.rate * e.channels * 0.6) << n;  // the half second, whole blocks
        EXPECT_NEAR(*std::max_element(s, s + n) / 32768.0, 0.8, 0.08);  // GSM blurs the peak
    }
}

// A 16-bit mono PCM WAV file of `frames` samples.
QByteArray Wav(int frames)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4), out << quint32(36 + frames * 2);
    out.writeRawData("WAVEfmt ", 8), out << quint32(16) << quint16(1) << quint16(1) << quint32(22050) << quint32(44100);
    out << quint16(2) << quint16(16);
    out.writeRawData("data", 4), out << quint32(frames * 2);
    for (int i = 0; i < frames; ++i) out << qint16(i % 200 * 100);
    return bytes;
}

TEST(DecodedSounds, DecodedOnceOffTheAskingCallAndTheNewestAskedStarts)
{
    AppFolder dir;
    for (const auto& [name, frames] : {std::pair{"a.wav", 1000}, {"b.wav", 2000}, {"c.wav", 3000}, {"d.wav", 4000}})
        dir.WriteFile(name, Wav(frames));
    dir.WriteFile("damaged.wav", "RIFX garbage");
    std::vector<int> started;  // each sound started, by its frames
    constexpr qsizetype kBound = 12000;  // six thousand frames
    DecodedSounds sounds([&](const DecodedSounds::Sound& s) { started.push_back(int(s->samples.size() / 2)); }, kBound);
    auto ask = [&](const char* name) { sounds.Ask(dir(name)); };
    // std::vector: comparing two empty QLists passes a null pointer to memcmp.
    const struct { const char* what; std::function<void()> act; std::vector<int> atOnce, whenDecoded; int decodings; } steps[] = {
        {"a sound asked for the first time", [&] { ask("a.wav"); }, {}, {1000}, 1},
        {"the same sound again", [&] { ask("a.wav"); }, {1000}, {}, 1},
        {"two sounds asked for before either is decoded", [&] { ask("b.wav"), ask("c.wav"); }, {}, {3000}, 3},
        {"a missing file", [&] { ask("gone.wav"); }, {}, {}, 3},
        {"a file that holds no sound", [&] { ask("damaged.wav"); }, {}, {}, 4},
        {"a sound changed on disk", [&] { dir.WriteFile("a.wav", Wav(1500)), ask("a.wav"); }, {}, {1500}, 5},
        {"a sound past the room left", [&] { ask("d.wav"); }, {}, {4000}, 6},
        {"the sound asked for last, again", [&] { ask("d.wav"); }, {4000}, {}, 6},
        {"a sound dropped for room", [&] { ask("b.wav"); }, {}, {2000}, 7},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.what);
        started.clear();
        s.act();
        EXPECT_EQ(started, s.atOnce);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !sounds.busy(); }, 30000));
        std::vector<int> all = s.atOnce;
        all.insert(all.end(), s.whenDecoded.begin(), s.whenDecoded.end());
        EXPECT_EQ(started, all);
        EXPECT_EQ(sounds.decodings(), s.decodings);
        EXPECT_LE(sounds.keptBytes(), kBound);
    }
}

}  // namespace lumari::test
