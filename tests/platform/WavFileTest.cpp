// Reading WAV files: what plays, and every kind of damage refused before it
// reaches the audio output.
#include "platform/WavFile.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>

namespace lumari {
namespace {

void Put16(QByteArray& b, int v)
{
    b += char(v & 0xff);
    b += char((v >> 8) & 0xff);
}
void Put32(QByteArray& b, qint64 v)
{
    Put16(b, int(v & 0xffff));
    Put16(b, int((v >> 16) & 0xffff));
}

QByteArray Chunk(const char* id, const QByteArray& body, qint64 claimed = -1)
{
    QByteArray c(id, 4);
    Put32(c, claimed < 0 ? body.size() : claimed);
    c += body;
    if (body.size() % 2) c += '\0';
    return c;
}

QByteArray Fmt(int tag, int channels, int rate, int bits, int blockAlign = -1)
{
    QByteArray f;
    Put16(f, tag);
    Put16(f, channels);
    Put32(f, rate);
    const int align = blockAlign < 0 ? channels * bits / 8 : blockAlign;
    Put32(f, qint64(rate) * align);
    Put16(f, align);
    Put16(f, bits);
    return f;
}

QByteArray Extensible(int subTag, int channels, int rate, int bits)
{
    QByteArray f = Fmt(0xFFFE, channels, rate, bits);
    Put16(f, 22);    // extension size
    Put16(f, bits);  // valid bits
    Put32(f, 0);     // channel mask
    Put16(f, subTag);
    f += QByteArray("\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 14);
    return f;
}

QByteArray Riff(const QByteArray& chunks)
{
    QByteArray w("RIFF");
    Put32(w, 4 + chunks.size());
    return w + "WAVE" + chunks;
}

TEST(WavFile, PlayableFormats)
{
    const QByteArray pcm4("\x01\x02\x03\x04", 4);
    struct Case {
        const char* what;
        QByteArray file;
        QAudioFormat::SampleFormat format;
        int channels, rate;
        QByteArray samples;
    } cases[] = {
        {"16-bit mono", Riff(Chunk("fmt ", Fmt(1, 1, 44100, 16)) + Chunk("data", pcm4)), QAudioFormat::Int16, 1,
         44100, pcm4},
        {"8-bit stereo", Riff(Chunk("fmt ", Fmt(1, 2, 8000, 8)) + Chunk("data", pcm4)), QAudioFormat::UInt8, 2, 8000,
         pcm4},
        {"32-bit float", Riff(Chunk("fmt ", Fmt(3, 1, 48000, 32)) + Chunk("data", pcm4)), QAudioFormat::Float, 1,
         48000, pcm4},
        {"32-bit PCM", Riff(Chunk("fmt ", Fmt(1, 1, 22050, 32)) + Chunk("data", pcm4)), QAudioFormat::Int32, 1, 22050,
         pcm4},
        {"24-bit widened to 32", Riff(Chunk("fmt ", Fmt(1, 1, 44100, 24)) + Chunk("data", "\x11\x22\x33\xAA\xBB\xCC")),
         QAudioFormat::Int32, 1, 44100, QByteArray("\x00\x11\x22\x33\x00\xAA\xBB\xCC", 8)},
        {"extensible header", Riff(Chunk("fmt ", Extensible(1, 2, 44100, 16)) + Chunk("data", pcm4)),
         QAudioFormat::Int16, 2, 44100, pcm4},
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
    const QByteArray good = Riff(Chunk("fmt ", Fmt(1, 1, 44100, 16)) + Chunk("data", "\x01\x02\x03\x04"));
    struct Case {
        const char* what;
        QByteArray file;
    } cases[] = {
        {"empty", ""},
        {"text", "this is not a sound"},
        {"RIFF header only", good.left(12)},
        {"cut inside the format", good.left(30)},
        {"no sound chunk", good.left(36)},
        {"sound before format", Riff(Chunk("data", "\x01\x02") + Chunk("fmt ", Fmt(1, 1, 44100, 16)))},
        {"not WAVE", QByteArray(good).replace(8, 4, "AVI ")},
        {"compressed", Riff(Chunk("fmt ", Fmt(7, 1, 8000, 8)) + Chunk("data", "\x01\x02"))},
        {"no channels", Riff(Chunk("fmt ", Fmt(1, 0, 44100, 16, 2)) + Chunk("data", "\x01\x02"))},
        {"12 bits", Riff(Chunk("fmt ", Fmt(1, 1, 44100, 12, 2)) + Chunk("data", "\x01\x02"))},
        {"frame size wrong", Riff(Chunk("fmt ", Fmt(1, 2, 44100, 16, 3)) + Chunk("data", "\x01\x02\x03"))},
        {"absurd rate", Riff(Chunk("fmt ", Fmt(1, 1, 7, 16)) + Chunk("data", "\x01\x02"))},
        {"format too short", Riff(Chunk("fmt ", Fmt(1, 1, 44100, 16).left(12)) + Chunk("data", "\x01\x02"))},
        {"extensible too short", Riff(Chunk("fmt ", Fmt(0xFFFE, 1, 44100, 16)) + Chunk("data", "\x01\x02"))},
        {"chunk length past the end", Riff(Chunk("LIST", "ab", 0x7ffffff0) + Chunk("fmt ", Fmt(1, 1, 44100, 16)))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_FALSE(ReadWav(c.file).has_value());
    }
}

TEST(WavFile, MangledFilesNeverReadOutsideTheirBytes)
{
    // Bytes changed, cut and lengths scrambled at random (fixed seed): every
    // answer is either nothing or samples taken from inside the file.
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

TEST(WavFile, AnOversizedFileIsNotRead)
{
    QByteArray huge = Riff(Chunk("fmt ", Fmt(1, 1, 44100, 16))) + "data";
    Put32(huge, kMaxWavBytes);
    huge.resize(kMaxWavBytes + 1);
    EXPECT_FALSE(ReadWav(huge).has_value());
}

}  // namespace
}  // namespace lumari
