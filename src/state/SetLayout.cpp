#include "state/SetLayout.h"

#include "platform/RuntimeError.h"

namespace lumari {

QString SetLayout::SetFolder(const QString& set) const
{
    if (!IsSafeSetName(set)) throw RuntimeError(err::PathNotFound);
    return folder_ + QStringLiteral("\\Set_") + set;
}

}  // namespace lumari
