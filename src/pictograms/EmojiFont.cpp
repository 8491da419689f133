#include "pictograms/EmojiFont.h"

#include "pictograms/Pictograms.h"

namespace lumari {

QFont EmojiFont(int pixels)
{
    QFont font(QStringLiteral("Noto Color Emoji"));
    font.setPixelSize(pixels);
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

EmojiCoverage::EmojiCoverage()
{
    if (PictogramPainter::FontAvailable()) font_ = QRawFont::fromFont(EmojiFont(64));
}

bool EmojiCoverage::Covers(const QString& emoji) const
{
    const QList<uint> points = emoji.toUcs4();
    return font_.isValid() && !points.isEmpty() && font_.supportsCharacter(points.first());
}

}  // namespace lumari
