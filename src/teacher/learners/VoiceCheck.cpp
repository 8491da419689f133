#include "teacher/learners/VoiceCheck.h"

#include "platform/QtFiles.h"
#include "sets/SetFolder.h"
#include "sets/SetInfo.h"
#include "sets/WordRecordings.h"
#include "speech/SpeechVoices.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>

namespace lumari {

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("lumari::VoiceCheck", text); }

}  // namespace

std::vector<SetWithoutVoice> SetsWithoutVoice(const QString& programFolder, const QStringList& voices)
{
    QtFiles files(programFolder);
    std::vector<SetWithoutVoice> found;
    for (const SetSummary& summary : ListSets(files)) {
        try {
            const QStringList languages = SetInfo::Load(SetInfoFolder(files, summary.name)).Languages();
            if (std::any_of(languages.begin(), languages.end(), [&](const QString& l) { return HasVoice(voices, l); })) continue;
            const SetFolder folder(files, summary.name);
            SetWithoutVoice set{summary.name, languages};
            for (const Pair& pair : folder.Pairs()) {
                if (!pair.whole()) continue;
                ++set.pairs;
                set.unrecorded += !HasRecording(folder, pair.name);
            }
            if (set.unrecorded > 0) found.push_back(std::move(set));
        } catch (const std::exception&) {
            // A set that cannot be read is told on the Sets page, not here.
        }
    }
    return found;
}

QString LanguageText(const QString& code)
{
    const QLocale locale(code);
    if (locale.language() == QLocale::C) return code;
    const QString language = QLocale::languageToString(locale.language());
    if (!code.contains(u'_') && !code.contains(u'-')) return language;
    return QStringLiteral("%1 (%2)").arg(language, QLocale::territoryToString(locale.territory()));
}

QString WithoutVoiceText(const std::vector<SetWithoutVoice>& sets)
{
    // A sentence each for the first sets; the others by name, so the page keeps its room.
    constexpr std::size_t kToldInFull = 3;
    QStringList lines;
    for (const SetWithoutVoice& set : sets) {
        if (lines.size() == qsizetype(kToldInFull)) {
            QStringList others;
            for (std::size_t i = kToldInFull; i < sets.size(); ++i) others << sets[i].set;
            lines << (others.size() == 1 ? Tr("No voice speaks the words of set %1 either.").arg(others[0])
                                         : Tr("No voice speaks the words of %1 more sets either: %2.")
                                               .arg(others.size()).arg(others.join(QStringLiteral(", "))));
            break;
        }
        QStringList languages;
        for (const QString& code : set.languages) languages << LanguageText(code);
        lines << Tr("No voice speaks %1 on this computer for set %2: record its words on the Sets page (%3 of %4 have none).")
                     .arg(languages.join(Tr(" or ")), set.set).arg(set.unrecorded).arg(set.pairs);
    }
    return lines.join(u'\n');
}

}  // namespace lumari
