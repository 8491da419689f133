#pragma once

#include "platform/BoundedCache.h"

#include <QImage>
#include <QSize>
#include <QString>

namespace lumari {

// Decoded pictures kept for their next round, the least recently used
// dropped first so that the pictures held never exceed a number of bytes.
class PictureCache {
public:
    explicit PictureCache(qsizetype maxBytes) : kept_(maxBytes) {}

    // The key of a file decoded at a size: the file's identity, size and
    // time of last change are part of it, so a picture changed on disk is
    // decoded again.
    static QString KeyOf(const QString& file, const QSize& size);

    // The picture, or a null image; a hit becomes the most recently used.
    QImage Find(const QString& key)
    {
        const QImage* kept = kept_.Find(key);
        return kept ? *kept : QImage();
    }
    // Keeps a picture; one larger than the whole bound is not kept.
    void Insert(const QString& key, const QImage& image)
    {
        if (!image.isNull()) kept_.Insert(key, image, image.sizeInBytes());
    }

    qsizetype bytes() const { return kept_.bytes(); }
    qsizetype count() const { return kept_.count(); }
    qsizetype maxBytes() const { return kept_.maxBytes(); }

private:
    BoundedCache<QImage> kept_;
};

}  // namespace lumari
