#pragma once

#include <QRect>
#include <QtMath>

namespace lumari {

// Designed sizes are in twips: 15 to a pixel at 96 dots per inch.
constexpr int kTwipsPerPixel = 15;

inline int TwipsToPixels(int twips) { return qRound(double(twips) / kTwipsPerPixel); }
inline QRect TwipsRect(int left, int top, int width, int height)
{
    return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height));
}

}  // namespace lumari
