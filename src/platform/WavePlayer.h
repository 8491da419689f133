#pragma once

#include "platform/Services.h"

#include <QByteArray>
#include <QString>

#include <memory>

class QAudioSink;
class QBuffer;

namespace lumari {

// Plays one WAV file at a time in the background on the default audio output.
// Each call decodes the file itself (ReadWav, libsndfile) and gives the audio
// output only well-formed 16-bit samples: Qt 6.4's sample cache behind QSoundEffect
// never finishes loading an empty or cut-short file, and the next sound then
// hangs the program.
class WavePlayer : public SoundOutput {
public:
    WavePlayer();
    ~WavePlayer() override;
    // Cuts off the sound playing and starts this one from its beginning, the
    // same file included; returns at once. A missing, empty, damaged or
    // non-WAV file, or a machine without audio output, is silence. Error 48
    // only when the audio output itself cannot be set up.
    void Play(const QString& path) override;

private:
    void Stop();

    QByteArray samples_;
    std::unique_ptr<QBuffer> buffer_;
    std::unique_ptr<QAudioSink> sink_;  // after the buffer: destroyed before it
};

}  // namespace lumari
