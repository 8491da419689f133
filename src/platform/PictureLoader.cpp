#include "platform/PictureLoader.h"

#include "platform/RuntimeError.h"

#include <QFileInfo>
#include <QImageIOHandler>
#include <QImageReader>

namespace lumari {

QImage DecodePicture(const QString& path, const QSize& shownSize)
{
    const QFileInfo info(path);
    if (!info.exists()) throw RuntimeError(err::FileNotFound);
    if (info.isDir()) throw RuntimeError(err::PathFileAccessError);
    // A pipe or device would block the reader or never end.
    if (!info.isFile()) throw RuntimeError(err::PathFileAccessError);
    if (!info.isReadable()) throw RuntimeError(err::PermissionDenied);

    // Set once: the limit is shared by every reader, and pictures are decoded on several threads.
    static const bool limited = [] {
        QImageReader::setAllocationLimit(kPictureAllocationLimitMb);
        return true;
    }();
    Q_UNUSED(limited);
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    const QSize stored = reader.size();
    // The limit is checked on the stored size too: a decoder scaling a huge
    // progressive picture still keeps all of its coefficients in memory.
    if (stored.isValid() && stored.width() * qint64(stored.height()) * 4 > qint64(kPictureAllocationLimitMb) << 20)
        throw RuntimeError(err::InvalidPicture);
    if (shownSize.isValid() && !shownSize.isEmpty()) {
        // The scaled size is given in the file's stored orientation.
        const bool turned = reader.transformation().testFlag(QImageIOHandler::TransformationRotate90);
        const QSize wanted = turned ? shownSize.transposed() : shownSize;
        if (stored.isValid() && stored.width() * qint64(stored.height()) > wanted.width() * qint64(wanted.height()))
            reader.setScaledSize(wanted);
    }
    QImage image = reader.read();
    if (image.isNull()) {
        if (reader.error() == QImageReader::FileNotFoundError) throw RuntimeError(err::FileNotFound);
        throw RuntimeError(err::InvalidPicture);
    }
    return image;
}

}  // namespace lumari
