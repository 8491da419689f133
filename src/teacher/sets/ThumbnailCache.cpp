#include "teacher/sets/ThumbnailCache.h"

#include <QImageReader>

namespace lumari {

ThumbnailCache::ThumbnailCache(QObject* parent) : QObject(parent)
{
    pool_.setMaxThreadCount(std::max(2, QThread::idealThreadCount()));
    cache_.setMaxCost(128 * 1024);  // in KiB: the thumbnails of several 1000-pair sets
}

ThumbnailCache::~ThumbnailCache()
{
    pool_.clear();
    pool_.waitForDone();
}

QString ThumbnailCache::Key(const QString& path, QSize size)
{
    return QString::number(size.width()) + u'x' + QString::number(size.height()) + u' ' + path;
}

QImage ThumbnailCache::Get(const QString& path, QSize size)
{
    const QString key = Key(path, size);
    if (const QImage* image = cache_.object(key)) return *image;
    if (pending_.contains(key) || failed_.contains(key)) return QImage();
    pending_.insert(key);
    // Higher priority runs first: the latest asked.
    pool_.start(
        [this, key, path, size] {
            QImageReader reader(path);
            reader.setDecideFormatFromContent(true);
            reader.setScaledSize(size);  // a stored JPEG decodes at 1/4 or 1/8 in the DCT domain
            const QImage image = reader.read();
            QMetaObject::invokeMethod(this, [this, key, path, image] { Made(key, path, image); }, Qt::QueuedConnection);
        },
        ++order_);
    return QImage();
}

void ThumbnailCache::Made(const QString& key, const QString& path, const QImage& image)
{
    if (!pending_.remove(key)) return;  // forgotten meanwhile
    if (image.isNull())
        failed_.insert(key);
    else
        cache_.insert(key, new QImage(image), int(image.sizeInBytes() / 1024) + 1);
    emit ready(path);
}

void ThumbnailCache::Forget(const QString& path)
{
    const auto matches = [&](const QString& key) { return key.endsWith(u' ' + path); };
    for (const QString& key : cache_.keys())
        if (matches(key)) cache_.remove(key);
    failed_.removeIf(matches);
    pending_.removeIf(matches);
}

}  // namespace lumari
