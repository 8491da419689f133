#pragma once

#include <QHash>
#include <QImage>
#include <QSize>
#include <QString>

#include <list>
#include <utility>

namespace lumari {

// Decoded pictures kept for their next round, the least recently used
// dropped first so that the pictures held never exceed a number of bytes.
class PictureCache {
public:
    explicit PictureCache(qsizetype maxBytes);

    // The key of a file decoded at a size: the file's identity, size and
    // time of last change are part of it, so a picture changed on disk is
    // decoded again.
    static QString KeyOf(const QString& file, const QSize& size);

    // The picture, or a null image; a hit becomes the most recently used.
    QImage Find(const QString& key);
    // Keeps a picture; one larger than the whole bound is not kept.
    void Insert(const QString& key, const QImage& image);

    qsizetype bytes() const { return bytes_; }
    qsizetype count() const { return qsizetype(entries_.size()); }
    qsizetype maxBytes() const { return maxBytes_; }

private:
    using Entry = std::pair<QString, QImage>;
    void Drop(std::list<Entry>::iterator it);

    qsizetype maxBytes_;
    qsizetype bytes_ = 0;
    std::list<Entry> entries_;  // most recently used first
    QHash<QString, std::list<Entry>::iterator> index_;
};

}  // namespace lumari
