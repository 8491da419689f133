#include "pictograms/EmojiFont.h"
#include "pictograms/Pictograms.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>

namespace lumari {
namespace {

// The font's pictures are bitmaps of this height: drawn at it, a glyph is
// copied rather than resampled, and one smooth scaling then sizes it.
constexpr int kBitmapPixels = 136;
// The pictogram's longer side against the canvas's shorter one (420 of 600).
constexpr qreal kFill = 0.7;

// The smallest rectangle holding every pixel that is not fully transparent.
QRect Ink(const QImage& image)
{
    int left = image.width(), right = -1, top = image.height(), bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) == 0) continue;
            left = std::min(left, x), right = std::max(right, x);
            top = std::min(top, y), bottom = y;
        }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

}  // namespace

bool PictogramPainter::FontAvailable()
{
    // The font database needs the application's platform; the answer cannot change while it runs.
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return false;
    static const bool installed = QFontDatabase::families().contains(EmojiFont(kBitmapPixels).family());
    return installed;
}

QString PictogramPainter::Missing()
{
    if (FontAvailable()) return QString();
    return QCoreApplication::translate("lumari::PictogramPainter",
                                       "The colour emoji font is not installed. Install the package "
                                       "fonts-noto-color-emoji to draw pictograms.");
}

QImage PictogramPainter::Draw(const QString& emoji, QSize canvas)
{
    if (!FontAvailable() || canvas.isEmpty() || !EmojiCoverage().Covers(emoji)) return QImage();
    const QFont font = EmojiFont(kBitmapPixels);
    const QFontMetricsF metrics(font);
    // Wide enough for a sequence the font does not join into one picture.
    QImage glyphs(QSize(int(metrics.horizontalAdvance(emoji)) + 2 * kBitmapPixels, 2 * kBitmapPixels),
                  QImage::Format_ARGB32_Premultiplied);
    glyphs.fill(Qt::transparent);
    {
        QPainter painter(&glyphs);
        painter.setFont(font);
        painter.drawText(glyphs.rect(), Qt::AlignCenter, emoji);
    }
    const QRect ink = Ink(glyphs);
    if (ink.isEmpty()) return QImage();

    QImage picture(canvas, QImage::Format_RGB32);
    picture.fill(Qt::white);
    const qreal scale = kFill * std::min(canvas.width(), canvas.height()) / std::max(ink.width(), ink.height());
    QRectF target(0, 0, ink.width() * scale, ink.height() * scale);
    target.moveCenter(QRectF(picture.rect()).center());
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, glyphs, ink);
    return picture;
}

}  // namespace lumari
