#include "options/NameTable.h"

#include "platform/ErrorTrap.h"
#include "platform/Services.h"

namespace lumari {

QStringList CollectListing(Files& files, ErrorTrap& trap, const QString& pattern, int attributes,
                           const std::function<bool(const QString& entry)>& accept)
{
    QStringList names;
    QString entry;
    trap([&] { entry = files.Dir(pattern, attributes); });
    while (!entry.isEmpty()) {
        if (accept(entry) && names.size() < kMaxListedNames) names << entry;
        // A listing that cannot go on ends here rather than repeating the entry.
        if (!trap([&] { entry = files.DirNext(); })) break;
    }
    return names;
}

void BubbleSort(QStringList& names, const std::function<bool(const QString&, const QString&)>& greater)
{
    bool swapped = true;
    while (swapped) {
        swapped = false;
        for (qsizetype i = 0; i + 1 < names.size(); ++i) {
            if (greater(names[i], names[i + 1])) {
                names.swapItemsAt(i, i + 1);
                swapped = true;
            }
        }
    }
}

}  // namespace lumari
