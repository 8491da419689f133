#include "game/ScaledLayout.h"

#include "platform/Twips.h"

#include <QtMath>

#include <algorithm>

namespace lumari {
namespace {

// The designed row, in twips: the row for four placeholders.
constexpr std::array<int, GameGeometry::kPlaces> kDesignedSymbolLeft = {720, 4155, 7605, 11040};
constexpr int kSymbolCaptionTop = 6240;
constexpr int kSymbolCaptionHeight = 375;
constexpr int kSymbolTop = 6720;
constexpr int kSymbolSize = 3015;

// Left edges of the image and of the placeholders in use, by their count, as the start-up sets them.
struct Row {
    int image;
    std::array<int, GameGeometry::kPlaces> symbols;
};
constexpr Row kRowTwo = {720, {720, 6675, 0, 0}};
constexpr Row kRowThree = {1080, {720, 4160, 7600, 0}};
constexpr Row kRowFour = {2880, {720, 4160, 7600, 11040}};

const Row* RowFor(int placeholders)
{
    switch (placeholders) {
    case 2: return &kRowTwo;
    case 3: return &kRowThree;
    case 4: return &kRowFour;
    default: return nullptr;
    }
}

QRect AtLeft(const QRect& rect, int x) { return QRect(x, rect.y(), rect.width(), rect.height()); }

int Edge(int described, double scale, int offset) { return offset + qRound(described * scale); }

}  // namespace

GameGeometry DescribedGeometry(int placeholders)
{
    GameGeometry g;
    g.imageCaption = TwipsRect(720, 120, 9015, 615);
    g.image = TwipsRect(720, 840, 9000, 4500);
    g.changeSet = TwipsRect(12120, 840, 1935, 495);
    const Row* row = RowFor(placeholders);
    for (int i = 0; i < GameGeometry::kPlaces; ++i) {
        const auto at = std::size_t(i);
        g.symbols[at] = TwipsRect(kDesignedSymbolLeft[at], kSymbolTop, kSymbolSize, kSymbolSize);
        g.symbolCaptions[at] = TwipsRect(kDesignedSymbolLeft[at], kSymbolCaptionTop, kSymbolSize, kSymbolCaptionHeight);
        // Only the placeholders in use move; the others stay hidden where designed.
        if (row && i < placeholders) {
            g.symbols[at] = AtLeft(g.symbols[at], TwipsToPixels(row->symbols[at]));
            g.symbolCaptions[at] = AtLeft(g.symbolCaptions[at], g.symbols[at].x());
        }
    }
    if (row) g.image = AtLeft(g.image, TwipsToPixels(row->image));
    g.imageCaption = AtLeft(g.imageCaption, g.image.x());
    return g;
}

LayoutFit FitLayout(QSize client, const QRect& centred)
{
    const double width = kDescribedClientSize.width(), height = kDescribedClientSize.height();
    const double scale = std::max(0.0, std::min(client.width() / width, client.height() / height));
    const auto offset = [scale](int space, int from, int length) {
        return qRound((space - length * scale) / 2 - from * scale);
    };
    return {scale, QPoint(offset(client.width(), centred.x(), centred.width()),
                          offset(client.height(), centred.y(), centred.height()))};
}

QRect CentredArea(const GameGeometry& described, int placeholders, bool changeSetShown)
{
    if (changeSetShown) return QRect(QPoint(), kDescribedClientSize);
    QRect area = described.imageCaption | described.image;
    for (std::size_t i = 0; i < std::size_t(std::clamp(placeholders, 0, GameGeometry::kPlaces)); ++i)
        area |= described.symbolCaptions[i] | described.symbols[i];
    return area;
}

QRect Scaled(const QRect& described, const LayoutFit& fit)
{
    const int left = Edge(described.x(), fit.scale, fit.offset.x());
    const int top = Edge(described.y(), fit.scale, fit.offset.y());
    const int right = Edge(described.x() + described.width(), fit.scale, fit.offset.x());
    const int bottom = Edge(described.y() + described.height(), fit.scale, fit.offset.y());
    return QRect(left, top, right - left, bottom - top);
}

GameGeometry Scaled(const GameGeometry& described, const LayoutFit& fit)
{
    GameGeometry g;
    g.imageCaption = Scaled(described.imageCaption, fit);
    g.image = Scaled(described.image, fit);
    g.changeSet = Scaled(described.changeSet, fit);
    for (std::size_t i = 0; i < described.symbols.size(); ++i) {
        g.symbols[i] = Scaled(described.symbols[i], fit);
        g.symbolCaptions[i] = Scaled(described.symbolCaptions[i], fit);
    }
    return g;
}

}  // namespace lumari
