#pragma once

#include "platform/BoundedCache.h"
#include "platform/WavFile.h"

#include <QObject>
#include <QSet>
#include <QString>
#include <QThreadPool>

#include <functional>
#include <memory>

namespace lumari {

// Room for the two answer sounds at their longest (three minutes of 48 kHz
// stereo each).
constexpr qsizetype kKeptSoundBytes = 2 * kMaxWavSamples * qsizetype(sizeof(qint16));

// Sounds decoded off the caller's thread, once, and kept while their file is
// unchanged (same path, and the same file with the same size and times of
// change), the least recently asked for dropped first beyond a number of bytes.
// Asking never waits for a decoding: a sound kept is started at once, one
// still to decode when it is ready, unless a newer sound has been asked for
// meanwhile. Used from one thread, which runs an event loop.
class DecodedSounds {
public:
    using Sound = std::shared_ptr<const WavSound>;
    // Starts a sound; a run-time error it raises reaches the caller of Ask
    // when the sound was kept, and is dropped when it comes from a decoding.
    using Starter = std::function<void(const Sound&)>;

    explicit DecodedSounds(Starter start, qsizetype maxBytes = kKeptSoundBytes);
    // Waits for a decoding under way; its sound is not started.
    ~DecodedSounds();
    DecodedSounds(const DecodedSounds&) = delete;
    DecodedSounds& operator=(const DecodedSounds&) = delete;

    // Asks for the sound of a file (a path on this file system). A missing
    // file, one that is no regular file, and one that holds no WAV sound
    // start nothing.
    void Ask(const QString& file);

    // Decodings begun, and whether one is under way.
    int decodings() const { return decodings_; }
    bool busy() const { return !decoding_.isEmpty(); }
    qsizetype keptBytes() const { return kept_.bytes(); }

private:
    void Decoded(const QString& key, const Sound& sound);

    Starter start_;
    BoundedCache<Sound> kept_;
    QSet<QString> decoding_;  // keys of the decodings under way
    QString wanted_;          // the key of the sound asked for last and not started yet
    int decodings_ = 0;
    QObject receiver_;        // where decoded sounds are handed back, on this thread
    QThreadPool pool_;
};

}  // namespace lumari
