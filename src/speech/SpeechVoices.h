#pragma once

#include <QString>
#include <QStringList>

namespace lumari {

// The languages the machine's speech synthesis (speech-dispatcher) has a
// voice for, as locale names ("it_IT", "en_GB"). Empty when there is no
// synthesis. May take a second or two while speech-dispatcher starts: never
// call it where a child is waiting.
QStringList VoiceLanguages();

// Whether a set's language code ("it", "pt_BR", "pt-BR") is spoken by one of
// those voices: a code with a country needs that country's voice, a bare
// language any of its voices.
bool HasVoice(const QStringList& voiceLanguages, const QString& language);
// The first of those voices that speaks the language, by the same rule; ""
// for none.
QString VoiceFor(const QStringList& voiceLanguages, const QString& language);

}  // namespace lumari
