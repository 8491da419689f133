#include "options/SetList.h"

#include "options/NameTable.h"
#include "platform/ErrorTrap.h"
#include "platform/Services.h"
#include "state/SetLayout.h"

namespace lumari {

QStringList ListImageSets(Files& files, ErrorTrap& trap)
{
    const QString base = SetLayout(files.AppPath()).FolderListing();
    QStringList folders = CollectListing(files, trap, base, attr::Directory, [&](const QString& entry) {
        if (entry == QStringLiteral(".") || entry == QStringLiteral("..")) return false;
        int bits = attr::Directory;  // unreadable attributes: the entry counts as a folder
        trap([&] { bits = files.GetAttr(base + entry); });
        if ((bits & attr::Directory) == 0) return false;
        return SetLayout::IsSetFolder(entry);
    });
    for (QString& folder : folders) folder = SetLayout::SetNameOf(folder);
    return folders;
}

}  // namespace lumari
