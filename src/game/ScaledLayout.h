#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <array>

namespace lumari {

// The game window's described client size, in pixels.
inline constexpr QSize kDescribedClientSize{1009, 676};

// Where the game window's controls lie, in pixels of its client area.
struct GameGeometry {
    static constexpr int kPlaces = 4;
    QRect imageCaption;  // lblImmagine
    QRect image;         // Immagine
    QRect changeSet;     // cmdCambia
    std::array<QRect, kPlaces> symbolCaptions;  // lblSimbolo
    std::array<QRect, kPlaces> symbols;         // Simbolo

    bool operator==(const GameGeometry&) const = default;
};

// The described geometry once the start-up has placed the row for that many
// placeholders (2, 3 or 4; any other count keeps the designed edges): each
// caption at its picture's left edge.
GameGeometry DescribedGeometry(int placeholders);

// The described layout scaled uniformly to fit a client area and centred.
struct LayoutFit {
    double scale = 1.0;  // also the fonts' scale
    QPoint offset;       // of the scaled layout's top left corner

    bool operator==(const LayoutFit&) const = default;
};
// `centred`: the described area centred in the client, by default the whole
// described client area; the scale always fits that whole area.
LayoutFit FitLayout(QSize client, const QRect& centred = QRect(QPoint(), kDescribedClientSize));

// The described area a window centres: its whole client area while "Change
// set" is shown at its right; in full screen, where it is out of the child's
// reach, the image, the placeholders in use and their captions only, which
// would otherwise sit on the left of a wide screen.
QRect CentredArea(const GameGeometry& described, int placeholders, bool changeSetShown);

// A described rectangle under a fit: its edges scaled and rounded, so
// neighbours stay neighbours; at scale 1 and no offset, itself.
QRect Scaled(const QRect& described, const LayoutFit& fit);
GameGeometry Scaled(const GameGeometry& described, const LayoutFit& fit);

}  // namespace lumari
