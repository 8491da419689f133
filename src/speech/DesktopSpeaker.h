#pragma once

#include "platform/WavePlayer.h"
#include "speech/SpokenWords.h"

#include <QObject>
#include <QThread>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>

namespace lumari {

class Synthesis;

// The words said on this machine: recordings on a sound player of their own
// (the answers' sounds on the game's player neither cut them nor are cut),
// synthesis through Qt TextToSpeech over speech-dispatcher. The synthesis
// lives on a thread of its own, for it takes a second or two to start and
// the round never waits: it is asked by queued calls, and a word asked for
// while an older one waits to start replaces it.
class DesktopSpeaker : public QObject, public WordSpeaker {
    Q_OBJECT
public:
    DesktopSpeaker();
    // Waits for the synthesis to stop, at most as long as it takes to start.
    ~DesktopSpeaker() override;

    void FindVoices(std::function<void(const QStringList&)> found) override;
    void Play(const QString& wavFile) override;
    void Speak(const QString& word, const QString& voice) override;

private:
    WavePlayer player_;
    std::shared_ptr<std::atomic<int>> latest_ = std::make_shared<std::atomic<int>>(0);  // the latest word's number
    QThread thread_;
    Synthesis* synthesis_;  // on thread_, deleted there when it ends
    std::optional<QStringList> voices_;  // once the synthesis has told them
    std::function<void(const QStringList&)> found_;
};

// The voice that says a set's words on this machine through the speaker, in
// the set's word languages (set.json). Null for a name that cannot be a set's.
std::unique_ptr<WordVoice> VoiceOfSet(Files& files, const QString& set, std::unique_ptr<DesktopSpeaker> speaker);

}  // namespace lumari
