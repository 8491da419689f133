#include "sets/SetList.h"

#include "platform/PathResolver.h"
#include "sets/SetPaths.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace lumari {

QStringList SetNames(const QString& programFolder)
{
    const QDir dir(ResolvePath(programFolder));
    QStringList entries = dir.entryList(QDir::Dirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::NoSort);
    // The folder order the game's listing keeps, so the cap takes the same sets.
    std::sort(entries.begin(), entries.end(), [](const QString& a, const QString& b) {
        const int c = a.compare(b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    QStringList names;
    for (const QString& entry : entries) {
        if (names.size() == kMaxListedNames) break;
        if (entry.startsWith(u'.') || entry.contains(u'\\') || !SetPaths::IsSetFolder(entry)) continue;
        if (QFileInfo(dir, entry).isDir()) names << SetPaths::SetNameOf(entry);
    }
    SortSetNames(names);
    return names;
}

void SortSetNames(QStringList& names)
{
    std::stable_sort(names.begin(), names.end(), [](const QString& a, const QString& b) { return a.toUpper() < b.toUpper(); });
}

}  // namespace lumari
