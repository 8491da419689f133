#include "speech/SpeechVoices.h"

#include <QLocale>
#include <QTextToSpeech>

namespace lumari {

QStringList VoiceLanguages()
{
    if (!QTextToSpeech::availableEngines().contains(QStringLiteral("speechd"))) return {};
    QTextToSpeech speech(QStringLiteral("speechd"));
    if (speech.state() == QTextToSpeech::Error) return {};
    QStringList names;
    for (const QLocale& locale : speech.availableLocales())
        if (!names.contains(locale.name())) names << locale.name();
    return names;
}

bool HasVoice(const QStringList& voiceLanguages, const QString& language)
{
    return !VoiceFor(voiceLanguages, language).isEmpty();
}

QString VoiceFor(const QStringList& voiceLanguages, const QString& language)
{
    QString wanted = language.trimmed();
    wanted.replace(u'-', u'_');
    if (wanted.isEmpty()) return {};
    const bool withCountry = wanted.contains(u'_');
    const QString bare = wanted.section(u'_', 0, 0);
    for (const QString& voice : voiceLanguages) {
        if (withCountry ? voice.compare(wanted, Qt::CaseInsensitive) == 0
                        : voice.section(u'_', 0, 0).compare(bare, Qt::CaseInsensitive) == 0)
            return voice;
    }
    return {};
}

}  // namespace lumari
