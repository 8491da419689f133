#pragma once

#include "game/WordVoice.h"
#include "sets/SetFolder.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

namespace lumari {

// Where a word goes once chosen: the sound server and the speech synthesis.
// Each call returns at once; each sound cuts off the one before it.
class WordSpeaker {
public:
    virtual ~WordSpeaker() = default;
    // Asks which voices the synthesis has (slow: it may start the speech
    // server); `found` is called once with their locale names ("it_IT"),
    // on the caller's thread: later, or at once when they are known already.
    // None when there is no synthesis.
    virtual void FindVoices(std::function<void(const QStringList&)> found) = 0;
    // A recorded word.
    virtual void Play(const QString& wavFile) = 0;
    // A word synthesised with the voice of that locale.
    virtual void Speak(const QString& word, const QString& voice) = 0;
};

// The words of one set said aloud: the teacher's recording of the pair when
// the set has one, otherwise speech synthesis in the first of the set's
// languages that has a voice; with neither, silence. A word asked before the
// synthesis's voices are known waits for them, and only the latest word
// waits.
class SpokenWords : public WordVoice {
public:
    SpokenWords(SetFolder folder, QStringList languages, std::unique_ptr<WordSpeaker> speaker);

    void Say(const QString& pair) noexcept override;

private:
    void VoicesFound(const QStringList& voices);

    SetFolder folder_;
    QStringList languages_;
    std::unique_ptr<WordSpeaker> speaker_;
    std::optional<QString> voice_;    // known once the voices are; "" for none
    std::optional<QString> waiting_;  // the word asked for before that
};

}  // namespace lumari
