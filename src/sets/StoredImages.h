#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

namespace lumari {

class SetFolder;

// The images a set holds when an import starts, by their length: a picture
// made again from a photo already imported has the very same bytes (the
// stored JPEG is made the same way each time), so it is found by reading
// only the files of its length.
class StoredImages {
public:
    StoredImages() = default;
    explicit StoredImages(const SetFolder& folder);

    // The pair whose image has exactly these bytes; "" when none. Thread-safe.
    QString PairWith(const QByteArray& bytes) const;

private:
    struct Image {
        QString path;
        QString pair;
    };
    QHash<qint64, QList<Image>> byLength_;
};

}  // namespace lumari
