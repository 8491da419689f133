#pragma once

#include "platform/WavFile.h"
#include "support/TestServices.h"
#include "sets/ImportBatch.h"

#include <QBuffer>
#include <QFile>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QSignalSpy>

namespace lumari::test {

// Four coloured quarters, so that every turn and mirror looks different: red top left, green top
// right, blue bottom left, yellow bottom right.
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
    return buffer.open(QIODevice::WriteOnly), image.save(&buffer, format), bytes;
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

// A 16-bit stereo WAV file: a second of silence, a quarter of a second of
// sound (loud on the left, half as loud on the right), a second of silence.
inline QByteArray StereoWord(int rate)
{
    const auto le = [](qsizetype value, int bytes) {
        QByteArray out;
        for (int i = 0; i < bytes; ++i) out.append(char((value >> (8 * i)) & 0xFF));
        return out;
    };
    QByteArray samples;
    for (int frame = 0; frame < rate * 9 / 4; ++frame) {
        const bool sound = frame >= rate && frame < rate * 5 / 4;
        const qint16 left = sound ? (frame % 8 < 4 ? 8000 : -8000) : 0;
        for (qint16 sample : {left, qint16(left / 2)}) samples.append(reinterpret_cast<const char*>(&sample), 2);
    }
    return "RIFF" + le(36 + samples.size(), 4) + "WAVEfmt " + le(16, 4) + le(1, 2) + le(2, 2) + le(rate, 4) +
           le(rate * 4, 4) + le(4, 2) + le(16, 2) + "data" + le(samples.size(), 4) + samples;
}

// A WAV file's channels, rate and frames, 0 0 0 when it is none.
inline QString Heard(const QString& path)
{
    QFile file(path);
    const auto sound = file.open(QIODevice::ReadOnly) ? ReadWav(file) : std::nullopt;
    return sound ? QString("%1 %2 %3").arg(sound->format.channelCount()).arg(sound->format.sampleRate()).arg(sound->format.framesForBytes(sound->samples.size()))
                 : "0 0 0";
}

// The colour name of a pixel: red, green, blue, yellow, white or other.
inline QString ColourAt(const QImage& image, int x, int y)
{
    const QColor c = image.pixelColor(x, y);
    const auto level = [](int v) { return QString(v > 190 ? "1" : v < 70 ? "0" : "-"); };  // on, off or neither
    const QHash<QString, QString> names{
        {"111", "white"}, {"110", "yellow"}, {"100", "red"}, {"010", "green"}, {"001", "blue"}};
    return names.value(level(c.red()) + level(c.green()) + level(c.blue()), "other");
}

// Whether a batch started has finished; it may have before this is asked.
inline bool Finishes(ImportBatch& batch)
{
    QSignalSpy finished(&batch, &ImportBatch::finished);
    return !batch.running() || finished.wait(60000);
}

// Runs a batch to its end.
inline void RunToEnd(ImportBatch& batch, const QStringList& inputs, Fit fit = Fit::Whole) { batch.Start(inputs, fit); ASSERT_TRUE(Finishes(batch)); }

}  // namespace lumari::test
