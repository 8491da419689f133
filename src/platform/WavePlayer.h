#pragma once

#include <QString>

#include <memory>

class QSoundEffect;

namespace lumari {

// Plays one WAV file at a time in the background through Qt Multimedia. The
// player is created on first use; a new sound cuts off the one playing.
class WavePlayer {
public:
    WavePlayer();
    ~WavePlayer();
    // Returns at once; a missing or unplayable file is silence.
    void Play(const QString& resolvedPath);

private:
    std::unique_ptr<QSoundEffect> effect_;
};

}  // namespace lumari
