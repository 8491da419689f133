#pragma once

#include <QAudioFormat>
#include <QByteArray>

#include <optional>

namespace lumari {

// The sound of a WAV file, ready for an audio output.
struct WavSound {
    QAudioFormat format;
    QByteArray samples;
};

// Largest WAV file the program plays; a larger one is treated as unplayable
// rather than read into memory.
constexpr qint64 kMaxWavBytes = 64ll << 20;

// Reads the bytes of a WAV file: PCM of 8, 16, 24 or 32 bits or 32-bit float,
// plain or extensible header, 1 to 8 channels. 24-bit samples come out as
// 32-bit. Nothing when the bytes are not such a file (empty, cut short in its
// header, another format, nonsense values); a sound chunk shorter than its
// header claims gives the part that is there.
std::optional<WavSound> ReadWav(const QByteArray& bytes);

}  // namespace lumari
