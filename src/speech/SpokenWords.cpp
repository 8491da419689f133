#include "speech/SpokenWords.h"

#include "sets/WordRecordings.h"
#include "speech/SpeechVoices.h"

#include <QFileInfo>

#include <utility>

namespace lumari {

SpokenWords::SpokenWords(SetFolder folder, QStringList languages, std::unique_ptr<WordSpeaker> speaker)
    : folder_(std::move(folder)), languages_(std::move(languages)), speaker_(std::move(speaker))
{
    speaker_->FindVoices([this](const QStringList& voices) { VoicesFound(voices); });
}

void SpokenWords::Say(const QString& pair) noexcept
{
    try {
        waiting_.reset();
        const QString recording = RecordingPath(folder_, pair);
        if (QFileInfo(recording).isFile()) speaker_->Play(recording);
        else if (!voice_) waiting_ = pair;
        else if (!voice_->isEmpty()) speaker_->Speak(pair, *voice_);
    } catch (...) {
        // A word that cannot be said is silence: the round goes on.
    }
}

void SpokenWords::VoicesFound(const QStringList& voices)
{
    voice_ = QString();
    for (const QString& language : languages_) {
        if (const QString voice = VoiceFor(voices, language); !voice.isEmpty()) {
            voice_ = voice;
            break;
        }
    }
    if (!waiting_) return;
    const QString word = *std::exchange(waiting_, std::nullopt);
    if (!voice_->isEmpty()) {
        try {
            speaker_->Speak(word, *voice_);
        } catch (...) {
        }
    }
}

}  // namespace lumari
