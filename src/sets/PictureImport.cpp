#include "sets/PictureImport.h"

#include <QCoreApplication>
#include <QBuffer>
#include <QByteArrayView>
#include <QFile>
#include <QFileInfo>
#include <QImageIOHandler>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QTemporaryFile>
#include <QSemaphore>
#include <QSemaphoreReleaser>

#include <filesystem>
#include <system_error>

namespace lumari {
namespace {

QString Tr(const char* text) { return QCoreApplication::translate("PictureImport", text); }

// A picture this large is decoded one at a time, whatever the number of
// threads: its decoder may hold all of its coefficients at once.
constexpr qint64 kLargePicturePixels = 40'000'000;

QSemaphore& LargeDecodes()
{
    static QSemaphore permits(1);
    return permits;
}

void CheckFile(const QFileInfo& info)
{
    if (!info.exists()) throw SetError(Tr("not found"));
    if (info.isDir()) throw SetError(Tr("a folder"));
    // A pipe or a device would block the reader or never end.
    if (!info.isFile()) throw SetError(Tr("not a file"));
    if (!info.isReadable()) throw SetError(Tr("cannot be read"));
    if (info.size() == 0) throw SetError(Tr("empty file"));
}

// Whether a JPEG file stops before the end of its picture. A file cut short
// decodes without an error, its missing part grey; the marker that ends the
// picture cannot occur inside its compressed data, so its absence after the
// first scan tells. Searched from the end, where a whole picture has it: a
// forward search reads every byte of a photo (4 ms for 5 MB).
bool JpegCutShort(QByteArrayView data)
{
    const auto byte = [&](qsizetype i) { return uchar(data[i]); };
    qsizetype pos = 2;  // after the start marker
    while (pos + 4 <= data.size() && byte(pos) == 0xFF) {
        const uchar marker = byte(pos + 1);
        if (marker == 0xFF) {
            ++pos;  // fill byte
        } else if (marker == 0xDA) {
            return data.sliced(pos).lastIndexOf(QByteArrayView("\xFF\xD9", 2)) < 0;
        } else {
            pos += 2 + ((qsizetype(byte(pos + 2)) << 8) | byte(pos + 3));
        }
    }
    return false;  // no scan found: the decoder judges
}

// A file larger than this is decoded from the disk rather than read whole
// into memory: several pictures are in flight at once.
constexpr qint64 kWholeFileBytes = 32 << 20;

}  // namespace

QImage PreparePicture(const QString& path, QSize box, Fit fit)
{
    CheckFile(QFileInfo(path));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) throw SetError(Tr("cannot be read"));
    // A photo is read whole, once: the JPEG decoder then takes its fast path
    // over all of its data, and the check for a cut-short file reads nothing again.
    const bool whole = file.size() <= kWholeFileBytes;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (whole) {
        bytes = file.readAll();
        if (file.error() != QFileDevice::NoError) throw SetError(Tr("cannot be read"));
        buffer.open(QIODevice::ReadOnly);
    }
    QImageReader reader(whole ? static_cast<QIODevice*>(&buffer) : &file);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    if (!reader.canRead()) {
        if (reader.error() == QImageReader::DeviceError) throw SetError(Tr("cannot be read"));
        throw SetError(Tr("not a picture"));
    }
    // Only the header has been read so far.
    const QSize stored = reader.size();
    if (!stored.isValid() || stored.isEmpty()) throw SetError(Tr("damaged picture"));
    if (stored.width() > kMaxPictureSide || stored.height() > kMaxPictureSide ||
        qint64(stored.width()) * stored.height() > kMaxPicturePixels)
        throw SetError(Tr("too large (%1 × %2 pixels)").arg(stored.width()).arg(stored.height()));

    const bool turned = reader.transformation().testFlag(QImageIOHandler::TransformationRotate90);
    const QSize upright = turned ? stored.transposed() : stored;
    const QSize wanted =
        upright.scaled(box, fit == Fit::Whole ? Qt::KeepAspectRatio : Qt::KeepAspectRatioByExpanding).expandedTo({1, 1});
    // Decoded straight at the size the box needs (JPEG scales in the DCT
    // domain); the scaled size is given in the file's stored orientation.
    if (wanted.width() < upright.width()) reader.setScaledSize(turned ? wanted.transposed() : wanted);

    const bool large = qint64(stored.width()) * stored.height() > kLargePicturePixels;
    if (large) LargeDecodes().acquire();
    QSemaphoreReleaser release(large ? &LargeDecodes() : nullptr);
    const bool jpeg = reader.format() == "jpeg";  // the reader forgets it once it has read
    const QImage picture = reader.read();
    if (picture.isNull()) throw SetError(Tr("damaged picture"));
    if (jpeg) {
        const uchar* mapped = whole ? nullptr : file.map(0, file.size());
        const QByteArrayView data = whole ? QByteArrayView(bytes) : QByteArrayView(mapped, mapped ? file.size() : 0);
        if (JpegCutShort(data)) throw SetError(Tr("damaged picture"));
    }
    return PutInBox(picture, box, fit);
}

QImage PutInBox(const QImage& picture, QSize box, Fit fit)
{
    QImage canvas(box, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    if (picture.isNull()) return canvas;
    const QSize size =
        picture.size().scaled(box, fit == Fit::Whole ? Qt::KeepAspectRatio : Qt::KeepAspectRatioByExpanding);
    const QImage scaled =
        size == picture.size() ? picture : picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QPainter painter(&canvas);
    painter.drawImage(QPoint((box.width() - size.width()) / 2, (box.height() - size.height()) / 2), scaled);
    return canvas;
}

void StoreJpeg(const QImage& picture, const QString& target)
{
    // A fresh image carries no text keys, which the writer would store.
    const QImage clean = picture.textKeys().isEmpty() ? picture : PutInBox(picture, picture.size(), Fit::Whole);
    const QString folder = QFileInfo(target).absolutePath();
    const auto failed = [&](const QString& why) { return SetError(Tr("cannot write %1: %2").arg(target, why)); };
    // Hidden, and no "*.jpg": neither the game nor the Sets page lists it.
    QTemporaryFile file(folder + QStringLiteral("/.lumari-XXXXXX.part"));
    if (!file.open()) throw failed(file.errorString());
    QImageWriter writer(&file, "jpeg");
    writer.setQuality(90);
    if (!writer.write(clean)) throw failed(writer.errorString());
    if (!file.flush()) throw failed(file.errorString());
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    // Renamed over the target at once: a reader sees the old file or the new
    // one, never a part. Not synced to disk: a killed program is what it
    // guards against, and syncing each picture would hold the import up.
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(file.fileName()).toStdString(), QFile::encodeName(target).toStdString(), error);
    if (error) throw failed(QString::fromLocal8Bit(error.message()));
    file.setAutoRemove(false);
}

}  // namespace lumari
