#pragma once

#include <QFont>
#include <QRawFont>
#include <QString>

namespace lumari {

// The colour emoji font at a pixel size, never replaced by another font for
// a character it lacks: another font would draw a black outline or a box.
QFont EmojiFont(int pixels);

// Whether the colour emoji font has a picture for an emoji, judged by its
// first character. Build one per thread.
class EmojiCoverage {
public:
    EmojiCoverage();
    bool Covers(const QString& emoji) const;

private:
    QRawFont font_;
};

}  // namespace lumari
