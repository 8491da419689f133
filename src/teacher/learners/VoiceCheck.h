#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace lumari {

// A set whose words no voice on this computer speaks, with some pair that
// has no recording either: the game plays its rounds silently.
struct SetWithoutVoice {
    QString set;
    QStringList languages;  // the set's word languages, none of them voiced
    int pairs = 0;          // whole pairs
    int unrecorded = 0;     // of those, without a recording
};

// The sets of the program's folder (as the options window lists them) whose
// word languages have no voice among `voices` (VoiceLanguages()), leaving
// out those whose every pair is recorded. Reads the folder with files of its
// own, so it may run on any thread.
std::vector<SetWithoutVoice> SetsWithoutVoice(const QString& programFolder, const QStringList& voices);

// What the Learners page says of them, one sentence per set ("" for none):
// "No voice speaks Italian on this computer for set Animali: record its
// words on the Sets page (12 of 15 have none)."; beyond the third set, the
// others are named on one line.
QString WithoutVoiceText(const std::vector<SetWithoutVoice>& sets);

// A language code as people read it: "it" Italian, "pt_BR" Portuguese (Brazil).
QString LanguageText(const QString& code);

}  // namespace lumari
