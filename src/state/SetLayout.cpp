#include "state/SetLayout.h"

#include "platform/RuntimeError.h"

namespace lumari {

QString SetLayout::SetFolder(const QString& set) const
{
    if (!IsSafeSetName(set)) throw RuntimeError(err::PathNotFound);
    return folder_ + QStringLiteral("\\Set_") + set;
}

bool SetLayout::IsSafeSetName(const QString& set) { return !set.contains(u'/') && !set.contains(u'\\'); }

bool SetLayout::IsDotsOnly(const QString& set)
{
    if (set.isEmpty()) return false;
    for (const QChar c : set)
        if (c != u'.') return false;
    return true;
}

}  // namespace lumari
