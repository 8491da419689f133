#pragma once

#include <QString>
#include <QStringList>

namespace lumari {

class ErrorTrap;
class Files;

// The entry of both sound lists that means "no sound", always at index 0.
inline const QString kNoSound = QStringLiteral("*** NO SOUND ***");

// The WAV files of the Sounds folder beside the executable (folder and
// extension in any letter case), bare names as listed.
QStringList ListSounds(Files& files, ErrorTrap& trap);

// Ascending by character code with letter case counting: upper-case
// initials come before lower-case ones.
void SortSoundNames(QStringList& names);

}  // namespace lumari
