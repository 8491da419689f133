#include "platform/WavFile.h"

#include <cstring>

namespace lumari {
namespace {

quint32 Le32(const char* p)
{
    return quint32(quint8(p[0])) | quint32(quint8(p[1])) << 8 | quint32(quint8(p[2])) << 16 |
           quint32(quint8(p[3])) << 24;
}
quint16 Le16(const char* p) { return quint16(quint8(p[0]) | quint8(p[1]) << 8); }

constexpr quint16 kPcm = 1;
constexpr quint16 kFloat = 3;
constexpr quint16 kExtensible = 0xFFFE;

}  // namespace

std::optional<WavSound> ReadWav(const QByteArray& bytes)
{
    const char* d = bytes.constData();
    const qint64 size = bytes.size();
    if (size < 12 || size > kMaxWavBytes || std::memcmp(d, "RIFF", 4) != 0 || std::memcmp(d + 8, "WAVE", 4) != 0)
        return std::nullopt;

    bool haveFormat = false;
    quint16 tag = 0, channels = 0, bits = 0, blockAlign = 0;
    quint32 rate = 0;
    qint64 pos = 12;
    while (pos + 8 <= size) {
        const char* chunk = d + pos;
        const qint64 length = Le32(chunk + 4);
        const qint64 body = pos + 8;
        if (std::memcmp(chunk, "fmt ", 4) == 0) {
            if (length < 16 || body + length > size) return std::nullopt;
            tag = Le16(d + body);
            channels = Le16(d + body + 2);
            rate = Le32(d + body + 4);
            blockAlign = Le16(d + body + 12);
            bits = Le16(d + body + 14);
            if (tag == kExtensible) {
                if (length < 40) return std::nullopt;
                tag = Le16(d + body + 24);  // the sub-format's leading number
            }
            haveFormat = true;
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            if (!haveFormat) return std::nullopt;
            if (channels < 1 || channels > 8 || rate < 1000 || rate > 384000) return std::nullopt;
            QAudioFormat::SampleFormat sampleFormat = QAudioFormat::Unknown;
            if (tag == kPcm && bits == 8) sampleFormat = QAudioFormat::UInt8;
            else if (tag == kPcm && bits == 16) sampleFormat = QAudioFormat::Int16;
            else if (tag == kPcm && (bits == 24 || bits == 32)) sampleFormat = QAudioFormat::Int32;
            else if (tag == kFloat && bits == 32) sampleFormat = QAudioFormat::Float;
            if (sampleFormat == QAudioFormat::Unknown || blockAlign != channels * (bits / 8)) return std::nullopt;

            const qint64 available = qMin(length, size - body);
            const qint64 whole = available - available % blockAlign;  // whole frames only
            WavSound sound;
            sound.format.setSampleFormat(sampleFormat);
            sound.format.setChannelCount(channels);
            sound.format.setSampleRate(int(rate));
            if (bits == 24) {
                // Widened to 32 bits: the low byte zero, the sign kept.
                sound.samples.resize(whole / 3 * 4);
                char* out = sound.samples.data();
                for (qint64 i = 0; i + 3 <= whole; i += 3, out += 4) {
                    out[0] = 0;
                    std::memcpy(out + 1, d + body + i, 3);
                }
            } else {
                sound.samples = bytes.mid(body, whole);
            }
            return sound;
        }
        pos = body + length + (length & 1);  // chunks are padded to even lengths
    }
    return std::nullopt;
}

}  // namespace lumari
