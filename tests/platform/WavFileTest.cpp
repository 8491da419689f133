// Every WAV encoding decodes to 16-bit samples of the whole tone; other containers named .wav and
// damaged copies give nothing. (The end-to-end audio journey hears them through the real output.)
#include "platform/WavFile.h"
#include "support/TestServices.h"

#include <QBuffer>
#include <QProcess>
#include <QStandardPaths>


#include <algorithm>

namespace lumari::test {

TEST(WavFile, EachEncodingDecodesAndDamagedCopiesGiveNothing)
{
    if (QStandardPaths::findExecutable("sox").isEmpty()) GTEST_SKIP() << "sox is not installed";
    AppFolder dir;
    auto decode = [](QByteArray bytes) { QBuffer b(&bytes); b.open(QIODevice::ReadOnly); return ReadWav(b); };
    for (const char* sox : {"wav -e unsigned -b 8", "wav -c 2 -e signed -b 16", "wav -e signed -b 24", "wav -e signed -b 32",
                            "wav -e floating-point -b 32", "wav -e ima-adpcm", "wav -e ms-adpcm", "wav -e u-law",
                            "wav -e a-law", "wav -r 8000 -e gsm-full-rate", "aiff", "flac", "wav -t raw"}) {
        SCOPED_TRACE(sox);
        ASSERT_EQ(QProcess::execute("sox", QStringList{"-n", "-r", "22050", "-c", "1", "-t"} + QString(sox).split(' ') +
                                               QStringList{dir("tone"), "synth", "0.5", "sine", "660", "vol", "0.8"}), 0);
        QFile file(dir("tone"));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        const std::optional<WavSound> sound = decode(bytes);
        ASSERT_EQ(sound.has_value(), QByteArray(sox).startsWith("wav -") && !QByteArray(sox).contains("raw"));
        for (const QByteArray& bad : {bytes.left(30), QByteArray(bytes).replace(20, 16, QByteArray(16, 0))})
            EXPECT_FALSE(decode(bad) && !decode(bad)->samples.isEmpty());
        if (!sound) continue;
        const QAudioFormat& f = sound->format;
        const int rate = QByteArray(sox).contains("8000") ? 8000 : 22050, channels = QByteArray(sox).contains("-c 2") ? 2 : 1;
        EXPECT_EQ(std::tuple(f.sampleFormat(), f.sampleRate(), f.channelCount()), std::tuple(QAudioFormat::Int16, rate, channels));
        const auto* s = reinterpret_cast<const qint16*>(sound->samples.constData());
        const qsizetype n = sound->samples.size() / 2;
        EXPECT_TRUE(n >= rate * channels / 2 && n < rate * channels * 0.6) << n;  // the half second, whole blocks
        EXPECT_NEAR(*std::max_element(s, s + n) / 32768.0, 0.8, 0.08);  // GSM blurs the peak
    }
}

}  // namespace lumari::test
