#pragma once

#include <QAudioFormat>
#include <QByteArray>

#include <optional>

class QIODevice;

namespace lumari {

// The sound of a WAV file, ready for an audio output: 16-bit samples,
// channels interleaved.
struct WavSound {
    QAudioFormat format;
    QByteArray samples;
};

// The most samples (frames x channels) read from one file: three minutes of
// 48 kHz stereo. A longer sound plays its beginning; a file claiming more
// cannot make the program take more memory than this.
constexpr qint64 kMaxWavSamples = 3ll * 60 * 48000 * 2;

// Decodes a WAV file, read from the device's current contents, with
// libsndfile: every encoding it reads in a RIFF/WAVE container (PCM of 8 to
// 32 bits, float, IMA and Microsoft ADPCM, mu-law, A-law, GSM 6.10, ...),
// 1 to 8 channels. Nothing when the bytes are no such file (empty, damaged
// header, another container) or hold no sound; a sound cut short gives the
// part that is there.
std::optional<WavSound> ReadWav(QIODevice& device);

}  // namespace lumari
