#include "game/PictureCache.h"

#include "platform/FileStamp.h"

namespace lumari {

QString PictureCache::KeyOf(const QString& file, const QSize& size)
{
    return QStringLiteral("%1|%2x%3|%4").arg(file).arg(size.width()).arg(size.height()).arg(FileStamp(file));
}

}  // namespace lumari
