#pragma once

#include "platform/Twips.h"

#include <QFont>

class QWidget;

namespace lumari {

// Places a widget at its designed position and size.
void PlaceTwips(QWidget* widget, int left, int top, int width, int height);

// The classic dialog font face; it is mapped to an installed sans face.
inline constexpr const char* kDialogFontFamily = "MS Sans Serif";
void InstallDialogFontSubstitutes();
QFont DialogFont(double pointSize = 8.0, bool bold = false);

}  // namespace lumari
