#pragma once

#include <QDateTime>
#include <QString>

#include <memory>

class QSoundEffect;

namespace lumari {

// Plays one WAV file at a time in the background through Qt Multimedia. The
// player is created on first use; a new sound cuts off the one playing and
// starts from its beginning, the same file included.
class WavePlayer {
public:
    WavePlayer();
    ~WavePlayer();
    // Returns at once; a missing, empty or damaged file, or a machine without
    // audio output, is silence. Error 48 only when the sound service itself
    // cannot be set up.
    void Play(const QString& resolvedPath);

private:
    std::unique_ptr<QSoundEffect> effect_;
    // The file as it was when last loaded: a file changed on disk since is read again.
    QDateTime loadedModified_;
    qint64 loadedSize_ = -1;
};

}  // namespace lumari
