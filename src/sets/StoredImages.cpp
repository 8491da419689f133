#include "sets/StoredImages.h"

#include "sets/SetFolder.h"

#include <QFile>
#include <QFileInfo>

namespace lumari {

StoredImages::StoredImages(const SetFolder& folder)
{
    for (const Pair& pair : folder.Pairs()) {
        if (pair.image.isEmpty()) continue;
        const QString path = folder.ImagePath(pair.image);
        byLength_[QFileInfo(path).size()].append({path, pair.name});
    }
}

QString StoredImages::PairWith(const QByteArray& bytes) const
{
    for (const Image& image : byLength_.value(bytes.size())) {
        QFile file(image.path);
        if (file.open(QIODevice::ReadOnly) && file.readAll() == bytes) return image.pair;
    }
    return QString();
}

}  // namespace lumari
