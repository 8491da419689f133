#pragma once

#include "platform/DecodedSounds.h"
#include "platform/Services.h"

#include <QBuffer>
#include <QString>

#include <memory>

class QAudioSink;

namespace lumari {

// Plays one WAV file at a time in the background on the default audio output.
// Each file is decoded once (ReadWav, libsndfile) on a thread of its own and
// kept while it is unchanged (DecodedSounds), so a long sound never holds up
// the caller; the audio output gets only well-formed 16-bit samples: Qt 6.4's
// sample cache behind QSoundEffect never finishes loading an empty or
// cut-short file, and the next sound then hangs the program.
class WavePlayer : public SoundOutput {
public:
    WavePlayer();
    ~WavePlayer() override;
    // Cuts off the sound playing and returns at once; this one starts from
    // its beginning as soon as it is decoded (at once when it was before),
    // unless another has been asked for by then. A missing, empty, damaged or
    // non-WAV file, or a machine without audio output, is silence. Error 48
    // only when the audio output itself cannot be set up for a sound decoded
    // before.
    void Play(const QString& path) override;

private:
    void Start(const DecodedSounds::Sound& sound);
    void Stop();

    DecodedSounds::Sound playing_;
    QBuffer buffer_;                    // reads the playing sound's samples, not a copy of them
    std::unique_ptr<QAudioSink> sink_;  // after the buffer: destroyed before it
    DecodedSounds sounds_;              // last: no decoded sound is started once the rest is gone
};

}  // namespace lumari
