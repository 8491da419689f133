#include "options/SoundList.h"

#include "options/NameTable.h"
#include "platform/ErrorTrap.h"
#include "platform/Services.h"
#include "state/SetLayout.h"

namespace lumari {

QStringList ListSounds(Files& files, ErrorTrap& trap)
{
    return CollectListing(files, trap, SetLayout(files.AppPath()).SoundsPattern(), attr::Normal, [](const QString&) { return true; });
}

void SortSoundNames(QStringList& names)
{
    BubbleSort(names, [](const QString& a, const QString& b) { return QString::compare(a, b, Qt::CaseSensitive) > 0; });
}

}  // namespace lumari
