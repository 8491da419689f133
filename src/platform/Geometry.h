#pragma once

#include <QFont>
#include <QRect>
#include <QtMath>

class QWidget;

namespace lumari {

// Designed sizes are in twips: 15 to a pixel at 96 dots per inch.
constexpr int kTwipsPerPixel = 15;

inline int TwipsToPixels(int twips) { return qRound(double(twips) / kTwipsPerPixel); }
inline QRect TwipsRect(int left, int top, int width, int height)
{
    return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height));
}
// Places a widget at its designed position and size.
void PlaceTwips(QWidget* widget, int left, int top, int width, int height);

// The classic dialog font face; it is mapped to an installed sans face.
inline constexpr const char* kDialogFontFamily = "MS Sans Serif";
void InstallDialogFontSubstitutes();
QFont DialogFont(double pointSize = 8.0, bool bold = false);

}  // namespace lumari
