#pragma once

#include "support/TestServices.h"
#include "teacher/sets/ImportBatch.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QSignalSpy>

namespace lumari::test {

// A picture of four coloured quarters, so that every turn and mirror of it
// looks different: red top left, green top right, blue bottom left, yellow
// bottom right.
inline QImage Quarters(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    const int w = size.width() / 2, h = size.height() / 2;
    p.fillRect(0, 0, w, h, Qt::red);
    p.fillRect(w, 0, size.width() - w, h, Qt::green);
    p.fillRect(0, h, w, size.height() - h, Qt::blue);
    p.fillRect(w, h, size.width() - w, size.height() - h, Qt::yellow);
    return image;
}

inline QByteArray Encoded(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.write(image);
    return bytes;
}

inline QByteArray BigEndian(quint32 value, int bytes)
{
    QByteArray out;
    for (int i = bytes - 1; i >= 0; --i) out += char((value >> (8 * i)) & 0xFF);
    return out;
}

// A JPEG with an EXIF block holding only its orientation (1 to 8), as a
// camera writes it right after the start marker.
inline QByteArray WithOrientation(const QByteArray& jpeg, int orientation)
{
    const QByteArray tiff = QByteArray("MM\0\x2a\0\0\0\x08", 8) + BigEndian(1, 2) + BigEndian(0x0112, 2) +
                            BigEndian(3, 2) + BigEndian(1, 4) + BigEndian(quint32(orientation), 2) + BigEndian(0, 2) +
                            BigEndian(0, 4);
    const QByteArray exif = QByteArray("Exif\0\0", 6) + tiff;
    return jpeg.left(2) + "\xFF\xE1" + BigEndian(quint32(exif.size() + 2), 2) + exif + jpeg.mid(2);
}

// The colour name of a pixel: red, green, blue, yellow, white or other.
inline QString ColourAt(const QImage& image, int x, int y)
{
    const QColor c = image.pixelColor(x, y);
    const auto on = [](int v) { return v > 190; };
    const auto off = [](int v) { return v < 70; };
    if (on(c.red()) && on(c.green()) && on(c.blue())) return "white";
    if (on(c.red()) && on(c.green()) && off(c.blue())) return "yellow";
    if (on(c.red()) && off(c.green()) && off(c.blue())) return "red";
    if (off(c.red()) && on(c.green()) && off(c.blue())) return "green";
    if (off(c.red()) && off(c.green()) && on(c.blue())) return "blue";
    return "other";
}

// Runs a batch to its end.
inline void RunToEnd(ImportBatch& batch, const QStringList& inputs, Fit fit = Fit::Whole)
{
    QSignalSpy finished(&batch, &ImportBatch::finished);
    batch.Start(inputs, fit);
    ASSERT_TRUE(finished.wait(60000));
}

}  // namespace lumari::test
