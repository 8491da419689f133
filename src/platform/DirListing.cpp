#include "platform/DirListing.h"

#include "platform/PathResolver.h"
#include "platform/Services.h"
#include "platform/RuntimeError.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace lumari {

QString DirListing::First(const QString& pattern, int attributes)
{
    const QString normalized = NormalizeSeparators(pattern);
    const qsizetype slash = normalized.lastIndexOf(u'/');
    const QString folderPart = slash < 0 ? QString() : normalized.left(slash);
    QString filePattern = slash < 0 ? normalized : normalized.mid(slash + 1);
    if (filePattern.isEmpty()) filePattern = QStringLiteral("*");

    const QString folder = folderPart.isEmpty() ? (slash == 0 ? QStringLiteral("/") : QStringLiteral("."))
                                                : ResolvePath(folderPart);
    const bool withFolders = (attributes & attr::Directory) != 0;

    entries_.clear();
    position_ = 0;
    active_ = true;

    QDir dir(folder);
    QStringList names = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                      QDir::NoSort);
    // Folder order as a case-insensitive file system keeps it: stable across runs.
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int c = a.compare(b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });

    if (withFolders && QFileInfo(folder).isDir()) {
        for (const QString& dot : {QStringLiteral("."), QStringLiteral("..")})
            if (MatchesPattern(dot, filePattern)) entries_ << dot;
    }
    for (const QString& name : names) {
        // A backslash in a name on disk could never be named back: it is a separator
        // in every path the program builds.
        if (name.startsWith(u'.') || name.contains(u'\\') || !MatchesPattern(name, filePattern)) continue;
        const QFileInfo info(dir, name);  // follows links; a broken link is neither
        if (info.isFile() || (withFolders && info.isDir())) entries_ << name;
    }
    return Next();
}

QString DirListing::Next()
{
    if (!active_) throw RuntimeError(err::InvalidCall);
    if (position_ < entries_.size()) return entries_[position_++];
    active_ = false;
    entries_.clear();
    return QString();
}

}  // namespace lumari
