#include "options/SoundList.h"

#include "options/NameTable.h"
#include "platform/ErrorTrap.h"
#include "platform/Runtime.h"

namespace lumari {

QStringList ListSounds(Runtime& runtime, ErrorTrap& trap)
{
    QString pattern;
    trap([&] { pattern = runtime.AppPath() + QStringLiteral("\\sounds\\*.wav"); });
    return CollectListing(runtime, trap, pattern, attr::Normal, [](const QString&) { return true; });
}

void SortSoundNames(QStringList& names)
{
    BubbleSort(names, [](const QString& a, const QString& b) { return QString::compare(a, b, Qt::CaseSensitive) > 0; });
}

}  // namespace lumari
