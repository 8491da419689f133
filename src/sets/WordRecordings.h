#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

namespace lumari {

class SetFolder;
struct WavSound;

// A teacher's recording of a pair's word: 16-bit mono samples.
struct Recording {
    int sampleRate = 0;
    std::vector<qint16> samples;
};

// A recording is kept at most this long, after its silence is trimmed.
constexpr int kLongestRecordingMs = 15000;
// Quieter than this, in parts of full scale, is silence; a little of it is
// kept before the first sound and after the last, so no word is clipped.
constexpr double kSilenceThreshold = 0.02;
constexpr int kSilenceMarginMs = 30;

// The channels of a sound averaged into one.
Recording MonoOf(const WavSound& sound);
// 16-bit PCM as an audio input gives it, channels interleaved.
Recording MonoOf(const QByteArray& pcm16, int channels, int sampleRate);
// The silence trimmed at both ends (less the margin), then cut to the
// longest length. Empty when it is all silence.
Recording Trimmed(const Recording& recording);
// The bytes of a 16-bit mono WAV file.
QByteArray WavBytes(const Recording& recording);

// A set's recordings lie in its Words folder, one per pair, named as the
// pair plus ".wav"; the game reads them only to speak.
QString WordsFolder(const SetFolder& folder);
// The pair's recording: its file, in whatever letter case it has, or where
// it would be made.
QString RecordingPath(const SetFolder& folder, const QString& pair);
bool HasRecording(const SetFolder& folder, const QString& pair);

// Stores the pair's recording, trimmed and cut, under a temporary name then
// renamed over the old one. SetError when it is all silence or cannot be
// written.
void StoreRecording(const SetFolder& folder, const QString& pair, const Recording& recording);
// Stores a WAV file (any encoding libsndfile reads) as the pair's recording.
void ImportRecording(const SetFolder& folder, const QString& pair, const QString& wavFile);
// The WAV file lying beside a picture with its name ("apple.JPG" and
// "apple.wav", in any letter case), or "".
QString RecordingBeside(const QString& picture);
// Whether a file given to the import is a WAV file beside a picture of its
// name, and so that picture's recording rather than a file of its own.
bool IsRecordingBesidePicture(const QString& file);

// The rules that keep a recording with its pair. Each throws SetError.
// The recording follows its pair to a new name (a stray file of that name
// goes to the trash first); no recording, nothing to do.
void RenameRecording(const SetFolder& folder, const QString& from, const QString& to);
// A recording moved to the trash, which can come back.
class TrashedRecording {
public:
    TrashedRecording() = default;
    TrashedRecording(QString inTrash, QString path) : inTrash_(std::move(inTrash)), path_(std::move(path)) {}
    // Takes it back out of the trash; nothing when none went.
    void Restore() const;

private:
    QString inTrash_;
    QString path_;
};
TrashedRecording TrashRecording(const SetFolder& folder, const QString& pair);

}  // namespace lumari
