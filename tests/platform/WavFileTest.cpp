// Reading WAV files: what plays, and every kind of damage refused before it
// reaches the audio output.
#include "platform/WavFile.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>

namespace lumari {
namespace {

QByteArray Le(qint64 v, int bytes)
{
    QByteArray b;
    for (int i = 0; i < bytes; ++i) b += char((v >> (8 * i)) & 0xff);
    return b;
}

QByteArray Chunk(const char* id, const QByteArray& body, qint64 claimed = -1)
{
    return QByteArray(id, 4) + Le(claimed < 0 ? body.size() : claimed, 4) + body + QByteArray(body.size() % 2, '\0');
}

QByteArray Fmt(int tag, int channels, int rate, int bits, int blockAlign = -1)
{
    const int align = blockAlign < 0 ? channels * bits / 8 : blockAlign;
    return Le(tag, 2) + Le(channels, 2) + Le(rate, 4) + Le(qint64(rate) * align, 4) + Le(align, 2) + Le(bits, 2);
}

// The extensible header: extension size, valid bits, channel mask, then the sub-format GUID.
QByteArray Extensible(int subTag, int channels, int rate, int bits)
{
    return Fmt(0xFFFE, channels, rate, bits) + Le(22, 2) + Le(bits, 2) + Le(0, 4) + Le(subTag, 2) +
           QByteArray("\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 14);
}

QByteArray Riff(const QByteArray& chunks) { return "RIFF" + Le(4 + chunks.size(), 4) + "WAVE" + chunks; }
QByteArray Wav(const QByteArray& format, const QByteArray& samples)
{
    return Riff(Chunk("fmt ", format) + Chunk("data", samples));
}

TEST(WavFile, PlayableFormats)
{
    const QByteArray pcm4("\x01\x02\x03\x04", 4);
    const struct Case {
        const char* what;
        QByteArray file;
        QAudioFormat::SampleFormat format;
        int channels, rate;
        QByteArray samples;
    } cases[] = {
        {"16-bit mono", Wav(Fmt(1, 1, 44100, 16), pcm4), QAudioFormat::Int16, 1, 44100, pcm4},
        {"8-bit stereo", Wav(Fmt(1, 2, 8000, 8), pcm4), QAudioFormat::UInt8, 2, 8000, pcm4},
        {"32-bit float", Wav(Fmt(3, 1, 48000, 32), pcm4), QAudioFormat::Float, 1, 48000, pcm4},
        {"32-bit PCM", Wav(Fmt(1, 1, 22050, 32), pcm4), QAudioFormat::Int32, 1, 22050, pcm4},
        {"24-bit widened to 32", Wav(Fmt(1, 1, 44100, 24), "\x11\x22\x33\xAA\xBB\xCC"), QAudioFormat::Int32, 1, 44100,
         QByteArray("\x00\x11\x22\x33\x00\xAA\xBB\xCC", 8)},
        {"extensible header", Wav(Extensible(1, 2, 44100, 16), pcm4), QAudioFormat::Int16, 2, 44100, pcm4},
        {"other chunks of odd length first",
         Riff(Chunk("LIST", "odd") + Chunk("fmt ", Fmt(1, 1, 44100, 16)) + Chunk("fact", "x") + Chunk("data", pcm4)),
         QAudioFormat::Int16, 1, 44100, pcm4},
        {"sound cut short: the whole frames that are there",
         Riff(Chunk("fmt ", Fmt(1, 1, 44100, 16)) + Chunk("data", "\x01\x02\x03", 1000)).left(44 + 3),
         QAudioFormat::Int16, 1, 44100, QByteArray("\x01\x02", 2)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::optional<WavSound> sound = ReadWav(c.file);
        ASSERT_TRUE(sound.has_value());
        EXPECT_EQ(sound->format.sampleFormat(), c.format);
        EXPECT_EQ(sound->format.channelCount(), c.channels);
        EXPECT_EQ(sound->format.sampleRate(), c.rate);
        EXPECT_EQ(sound->samples, c.samples);
    }
}

TEST(WavFile, DamageIsRefused)
{
    const QByteArray fmt = Chunk("fmt ", Fmt(1, 1, 44100, 16)), two("\x01\x02", 2);
    const QByteArray good = Wav(Fmt(1, 1, 44100, 16), "\x01\x02\x03\x04");
    QByteArray oversized = Riff(fmt) + "data" + Le(kMaxWavBytes, 4);
    oversized.resize(kMaxWavBytes + 1);
    const std::pair<const char*, QByteArray> cases[] = {
        {"empty", ""},
        {"text", "this is not a sound"},
        {"RIFF header only", good.left(12)},
        {"cut inside the format", good.left(30)},
        {"no sound chunk", good.left(36)},
        {"sound before format", Riff(Chunk("data", two) + fmt)},
        {"not WAVE", QByteArray(good).replace(8, 4, "AVI ")},
        {"compressed", Wav(Fmt(7, 1, 8000, 8), two)},
        {"no channels", Wav(Fmt(1, 0, 44100, 16, 2), two)},
        {"12 bits", Wav(Fmt(1, 1, 44100, 12, 2), two)},
        {"frame size wrong", Wav(Fmt(1, 2, 44100, 16, 3), "\x01\x02\x03")},
        {"absurd rate", Wav(Fmt(1, 1, 7, 16), two)},
        {"format too short", Wav(Fmt(1, 1, 44100, 16).left(12), two)},
        {"extensible too short", Wav(Fmt(0xFFFE, 1, 44100, 16), two)},
        {"chunk length past the end", Riff(Chunk("LIST", "ab", 0x7ffffff0) + fmt)},
        {"oversized file", oversized},
    };
    for (const auto& [what, file] : cases) EXPECT_FALSE(ReadWav(file).has_value()) << what;
}

TEST(WavFile, MangledFilesNeverReadOutsideTheirBytes)
{
    // Bytes changed, cut and lengths scrambled at random (fixed seed): every
    // answer is either nothing or whole frames no larger than the file allows.
    const QByteArray good = Riff(Chunk("LIST", "abc") + Chunk("fmt ", Extensible(1, 2, 44100, 24)) +
                                 Chunk("data", QByteArray(600, '\x11')));
    std::mt19937 random(20260612);
    int played = 0;
    for (int round = 0; round < 3000; ++round) {
        QByteArray file = good;
        const int changes = 1 + int(random() % 6);
        for (int c = 0; c < changes; ++c) file[int(random() % file.size())] = char(random());
        if (random() % 3 == 0) file.truncate(int(random() % file.size()));
        const std::optional<WavSound> sound = ReadWav(file);
        if (!sound) continue;
        ++played;
        EXPECT_LE(sound->samples.size(), file.size() * 4 / 3);
        EXPECT_EQ(sound->samples.size() % (sound->format.bytesPerFrame()), 0);
    }
    EXPECT_GT(played, 0);  // the mangling left some files playable: the test reached the reading
}

}  // namespace
}  // namespace lumari
