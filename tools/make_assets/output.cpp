// Writing files and encoding images.
#include "make_assets.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <cstdio>

namespace assets {

bool Output::writeBytes(const QString &relativePath, const QByteArray &bytes)
{
    const QString path = m_root.filePath(relativePath);
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        std::fprintf(stderr, "cannot create the folder of %s\n", qPrintable(path));
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(path), qPrintable(file.errorString()));
        return false;
    }
    std::printf("%8lld  %s\n", static_cast<long long>(bytes.size()), qPrintable(relativePath));
    return true;
}

static QByteArray encode(const QImage &image, const char *format, int quality)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (quality >= 0)
        writer.setQuality(quality);
    // Plain baseline JPEG: every decoder reads it.
    writer.setProgressiveScanWrite(false);
    writer.setOptimizedWrite(false);
    if (!writer.write(image)) {
        std::fprintf(stderr, "cannot encode %s: %s\n", format, qPrintable(writer.errorString()));
        return {};
    }
    return bytes;
}

bool Output::writePng(const QString &relativePath, const QImage &image)
{
    const QByteArray bytes = encode(image, "png", -1);
    return !bytes.isEmpty() && writeBytes(relativePath, bytes);
}

bool Output::writeJpeg(const QString &relativePath, const QImage &image, int quality)
{
    const QByteArray bytes = encode(image.convertToFormat(QImage::Format_RGB32), "jpeg", quality);
    return !bytes.isEmpty() && writeBytes(relativePath, bytes);
}

} // namespace assets
