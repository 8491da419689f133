#include "game/PictureCache.h"

#include <QFile>

#include <sys/stat.h>

namespace lumari {

PictureCache::PictureCache(qsizetype maxBytes) : maxBytes_(maxBytes) {}

QString PictureCache::KeyOf(const QString& file, const QSize& size)
{
    // The file's identity and its last change to the nanosecond: a file
    // written again, even to the same size within one tick, is another key.
    struct stat st {};
    if (::stat(QFile::encodeName(file).constData(), &st) != 0) st = {};
    return QStringLiteral("%1|%2x%3|%4|%5|%6.%7")
        .arg(file)
        .arg(size.width())
        .arg(size.height())
        .arg(qulonglong(st.st_ino))
        .arg(qlonglong(st.st_size))
        .arg(qlonglong(st.st_ctim.tv_sec))
        .arg(qlonglong(st.st_ctim.tv_nsec));
}

QImage PictureCache::Find(const QString& key)
{
    const auto found = index_.constFind(key);
    if (found == index_.cend()) return QImage();
    entries_.splice(entries_.begin(), entries_, found.value());
    return entries_.front().second;
}

void PictureCache::Insert(const QString& key, const QImage& image)
{
    if (const auto found = index_.constFind(key); found != index_.cend()) Drop(found.value());
    const qsizetype size = image.sizeInBytes();
    if (image.isNull() || size > maxBytes_) return;
    while (bytes_ + size > maxBytes_ && !entries_.empty()) Drop(std::prev(entries_.end()));
    entries_.emplace_front(key, image);
    index_.insert(key, entries_.begin());
    bytes_ += size;
}

void PictureCache::Drop(std::list<Entry>::iterator it)
{
    bytes_ -= it->second.sizeInBytes();
    index_.remove(it->first);
    entries_.erase(it);
}

}  // namespace lumari
