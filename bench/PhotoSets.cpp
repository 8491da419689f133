#include "PhotoSets.h"

#include <QDataStream>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QRadialGradient>
#include <QtConcurrent>

#include <cmath>
#include <stdexcept>
#include <unistd.h>

namespace lumari::bench {
namespace {

struct Rng {
    quint64 s;
    quint32 Next()
    {
        s ^= s << 13;
        s ^= s >> 7;
        s ^= s << 17;
        return quint32(s >> 11);
    }
    int In(int lo, int hi) { return lo + int(Next() % quint32(hi - lo + 1)); }
    QColor Colour(int alpha = 255) { return QColor(In(0, 255), In(0, 255), In(0, 255), alpha); }
};

// Value noise of four octaves, tinted: what foliage, grass, fabric or gravel
// give a camera.
QImage Texture(Rng& rng, const QColor& tint)
{
    constexpr int kSide = 512;
    QImage texture(kSide, kSide, QImage::Format_RGB32);
    texture.fill(tint);
    QPainter p(&texture);
    p.setCompositionMode(QPainter::CompositionMode_Overlay);
    for (int cells : {8, 32, 128, 512}) {
        QImage grain(cells, cells, QImage::Format_RGB32);
        for (int y = 0; y < cells; ++y) {
            auto* line = reinterpret_cast<QRgb*>(grain.scanLine(y));
            for (int x = 0; x < cells; ++x) {
                const int v = rng.In(0, 255);
                line[x] = qRgb(v, v, v);
            }
        }
        p.setOpacity(cells == kSide ? 0.25 : 0.35);
        p.drawImage(texture.rect(), grain.scaled(kSide, kSide, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
    return texture;
}

// Large regions filled with three textures, turned and stretched.
void PaintTextures(QPainter& p, Rng& rng, int width, int height)
{
    const QImage textures[] = {Texture(rng, rng.Colour()), Texture(rng, rng.Colour()), Texture(rng, rng.Colour())};
    for (int i = 0; i < 14; ++i) {
        QBrush brush(textures[i % 3]);
        QTransform turn;
        turn.rotate(rng.In(0, 360));
        turn.scale(rng.In(60, 200) / 100.0, rng.In(60, 200) / 100.0);
        brush.setTransform(turn);
        p.setBrush(brush);
        p.setOpacity(rng.In(60, 100) / 100.0);
        const QPointF c(rng.In(0, width), rng.In(0, height));
        if (i % 2) p.drawEllipse(c, rng.In(200, 1100), rng.In(150, 800));
        else p.drawRect(QRectF(c - QPointF(600, 400), QSizeF(rng.In(300, 1600), rng.In(200, 1200))));
    }
    p.setOpacity(1);
}

}  // namespace

void WritePhoto(const QString& path, int seed, PhotoLook look)
{
    constexpr int kW = 4000, kH = 3000;
    Rng rng{0x9e3779b97f4a7c15ULL * quint64(seed + 1)};
    QImage image(kW, kH, QImage::Format_RGB32);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient sky(0, 0, rng.In(0, kW), kH);
        sky.setColorAt(0, rng.Colour());
        sky.setColorAt(0.5, rng.Colour());
        sky.setColorAt(1, rng.Colour());
        p.fillRect(image.rect(), sky);
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 60; ++i) {
            const QPointF centre(rng.In(0, kW), rng.In(0, kH));
            const qreal radius = rng.In(80, 900);
            QRadialGradient soft(centre, radius);
            soft.setColorAt(0, rng.Colour(rng.In(120, 255)));
            soft.setColorAt(1, rng.Colour(rng.In(0, 120)));
            p.setBrush(soft);
            if (i % 3 == 0) p.drawRect(QRectF(centre, QSizeF(rng.In(50, 1200), rng.In(50, 900))));
            else p.drawEllipse(centre, radius, radius * rng.In(40, 100) / 100.0);
        }
        if (look == PhotoLook::Phone) PaintTextures(p, rng, kW, kH);
        // Fine detail, as foliage or fabric give.
        for (int i = 0; i < 3000; ++i) {
            p.setPen(QPen(rng.Colour(rng.In(40, 160)), rng.In(1, 4)));
            const QPointF a(rng.In(0, kW), rng.In(0, kH));
            p.drawLine(a, a + QPointF(rng.In(-60, 60), rng.In(-60, 60)));
        }
    }
    // Sensor noise on every pixel: strong and coloured as a camera gives it
    // untouched, or light and grey as left by a phone's noise reduction.
    for (int y = 0; y < kH; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < kW; ++x) {
            const quint32 r = rng.Next();
            int n, m;
            if (look == PhotoLook::Grainy) {
                n = int(r & 31) - 16;
                m = int((r >> 5) & 15) - 8;
            } else {
                n = int(r % 5) - 2;
                m = 0;
            }
            const QRgb c = line[x];
            line[x] = qRgb(qBound(0, qRed(c) + n, 255), qBound(0, qGreen(c) + n + m, 255),
                           qBound(0, qBlue(c) + n - m, 255));
        }
    }
    if (!image.save(path, "JPG", 92)) throw std::runtime_error("cannot write " + path.toStdString());
}

QStringList WritePhotos(const QString& folder, int count, SetsMade& made, PhotoLook look)
{
    QElapsedTimer timer;
    timer.start();
    QDir().mkpath(folder);
    QStringList paths;
    for (int i = 0; i < count; ++i) paths << QDir(folder).filePath(QStringLiteral("photo%1.jpg").arg(i));
    QList<int> seeds;
    for (int i = 0; i < count; ++i) seeds << i;
    QtConcurrent::blockingMap(seeds, [&](int i) { WritePhoto(paths[i], i, look); });
    qint64 bytes = 0;
    for (const QString& p : paths) bytes += QFileInfo(p).size();
    made.distinctPhotos = count;
    made.averageBytes = double(bytes) / count;
    made.seconds += timer.elapsed() / 1000.0;
    return paths;
}

void MakePhotoSet(const QString& appFolder, const QString& name, int images, int symbols, const QStringList& photos,
                  SetsMade& made)
{
    QElapsedTimer timer;
    timer.start();
    const QString set = QDir(appFolder).filePath("Set_" + name);
    made.linked = true;
    int next = 0;
    for (const auto& [sub, count] : {std::pair{QStringLiteral("Images"), images}, {QStringLiteral("Symbols"), symbols}}) {
        QDir().mkpath(set + "/" + sub);
        for (int i = 0; i < count; ++i) {
            const QString from = photos[next++ % photos.size()];
            const QString to = QStringLiteral("%1/%2/pic%3.jpg").arg(set, sub).arg(i, 4, 10, QChar(u'0'));
            if (::link(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0) {
                made.linked = false;
                if (!QFile::copy(from, to)) throw std::runtime_error("cannot write " + to.toStdString());
            }
        }
    }
    made.seconds += timer.elapsed() / 1000.0;
}

void WriteTone(const QString& path, int seconds, int rate, int channels)
{
    const qint64 frames = qint64(seconds) * rate;
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    const quint32 data = quint32(frames * channels * 2);
    out.writeRawData("RIFF", 4), out << quint32(36 + data);
    out.writeRawData("WAVEfmt ", 8), out << quint32(16) << quint16(1) << quint16(channels) << quint32(rate);
    out << quint32(rate * channels * 2) << quint16(channels * 2) << quint16(16);
    out.writeRawData("data", 4), out << data;
    for (qint64 i = 0; i < frames; ++i)
        for (int c = 0; c < channels; ++c) out << qint16(std::lround(6000 * std::sin(2 * M_PI * 440 * double(i) / rate)));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

}  // namespace lumari::bench
