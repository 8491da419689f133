#include "sets/SetPaths.h"

namespace lumari {

QString SetPaths::SetFolder(const QString& set) const
{
    return IsSafeSetName(set) ? folder_ + QStringLiteral("/Set_") + set : QString();
}

QString SetPaths::Inside(const QString& set, const QString& rest) const
{
    const QString folder = SetFolder(set);
    return folder.isEmpty() ? QString() : folder + rest;
}

bool SetPaths::IsDotsOnly(const QString& set)
{
    if (set.isEmpty()) return false;
    for (const QChar c : set)
        if (c != u'.') return false;
    return true;
}

}  // namespace lumari
