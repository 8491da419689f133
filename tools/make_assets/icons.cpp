// The program icon, the sound-file icon and the hand cursor: small pictures
// in the classic 16-colour palette, painted with antialiasing and then
// snapped to the palette.
#include "make_assets.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace assets {

namespace {

// The 16 colours every old icon uses.
const QRgb kPalette[16] = {
    0xff000000, 0xff800000, 0xff008000, 0xff808000,
    0xff000080, 0xff800080, 0xff008080, 0xffc0c0c0,
    0xff808080, 0xffff0000, 0xff00ff00, 0xffffff00,
    0xff0000ff, 0xffff00ff, 0xff00ffff, 0xffffffff,
};
enum Vga { Black, Maroon, Green, Olive, Navy, Purple, Teal, Silver,
           Grey, Red, Lime, Yellow, Blue, Fuchsia, Aqua, White };

QColor vga(Vga c) { return QColor::fromRgb(kPalette[c]); }

// Index into kPalette of the nearest colour, or -1 where the pixel is
// mostly transparent.
int nearest(QRgb p)
{
    if (qAlpha(p) < 128)
        return -1;
    int best = 0;
    long bestDist = -1;
    for (int i = 0; i < 16; ++i) {
        const long dr = qRed(p) - qRed(kPalette[i]);
        const long dg = qGreen(p) - qGreen(kPalette[i]);
        const long db = qBlue(p) - qBlue(kPalette[i]);
        // The eye is most sensitive to green, least to blue.
        const long d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (bestDist < 0 || d < bestDist) {
            bestDist = d;
            best = i;
        }
    }
    return best;
}

// A canvas painted in real colours and snapped to the palette afterwards.
struct Snapped {
    int width = 0, height = 0;
    QList<int> index;   // -1 transparent, else kPalette index

    // Indexed image: entry 0 transparent, then only the colours in use.
    QImage toImage() const
    {
        QList<int> used;
        for (int i : index)
            if (i >= 0 && !used.contains(i))
                used.append(i);
        std::sort(used.begin(), used.end());
        QList<QRgb> table{qRgba(0, 0, 0, 0)};
        for (int i : used)
            table.append(kPalette[i]);
        QImage img(width, height, QImage::Format_Indexed8);
        img.setColorTable(table);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const int i = index[y * width + x];
                img.setPixel(x, y, i < 0 ? 0 : uint(used.indexOf(i) + 1));
            }
        return img;
    }
};

Snapped snap(const QImage &argb)
{
    const QImage src = argb.convertToFormat(QImage::Format_ARGB32);
    Snapped s;
    s.width = src.width();
    s.height = src.height();
    s.index.reserve(s.width * s.height);
    for (int y = 0; y < s.height; ++y)
        for (int x = 0; x < s.width; ++x)
            s.index.append(nearest(src.pixel(x, y)));
    return s;
}

// The wand's bar from its tip to its end, in the 32 px icon's coordinates.
const QPointF kWandTip(10.5, 10.5);
QPainterPath WandBar()
{
    QPainterPathStroker stroker;
    stroker.setWidth(5.0);
    stroker.setCapStyle(Qt::RoundCap);
    QPainterPath bar;
    bar.moveTo(kWandTip);
    bar.lineTo(QPointF(28, 28));
    return stroker.createStroke(bar);
}

QImage blankCanvas(int size)
{
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

// One image of an ICO file as a 4-bit Windows bitmap with its AND mask.
QByteArray bmpPayload(const Snapped &s)
{
    const int w = s.width, h = s.height;
    const int xorStride = ((w * 4 + 31) / 32) * 4;
    const int andStride = ((w + 31) / 32) * 4;
    QByteArray b;
    auto put16 = [&b](quint16 v) { b.append(char(v & 0xff)); b.append(char(v >> 8)); };
    auto put32 = [&](quint32 v) { put16(quint16(v & 0xffff)); put16(quint16(v >> 16)); };
    put32(40);                              // BITMAPINFOHEADER size
    put32(quint32(w));
    put32(quint32(h * 2));                  // colour rows plus mask rows
    put16(1);                               // planes
    put16(4);                               // bits per pixel
    put32(0);                               // no compression
    put32(quint32((xorStride + andStride) * h));
    put32(0);
    put32(0);
    put32(16);                              // colours used
    put32(0);
    for (QRgb c : kPalette) {
        b.append(char(qBlue(c)));
        b.append(char(qGreen(c)));
        b.append(char(qRed(c)));
        b.append(char(0));
    }
    // Rows are stored bottom up.
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(xorStride, '\0');
        for (int x = 0; x < w; ++x) {
            const int i = s.index[y * w + x];
            const int v = i < 0 ? 0 : i;
            row[x / 2] = char(row[x / 2] | (x % 2 ? v : v << 4));
        }
        b.append(row);
    }
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(andStride, '\0');
        for (int x = 0; x < w; ++x)
            if (s.index[y * w + x] < 0)
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        b.append(row);
    }
    return b;
}

// ICONDIR, one ICONDIRENTRY per image, then the bitmaps.
QByteArray icoFile(const QList<Snapped> &images)
{
    QByteArray b;
    auto put16 = [&b](quint16 v) { b.append(char(v & 0xff)); b.append(char(v >> 8)); };
    auto put32 = [&](quint32 v) { put16(quint16(v & 0xffff)); put16(quint16(v >> 16)); };
    put16(0);
    put16(1);                               // icon, not cursor
    put16(quint16(images.size()));
    QList<QByteArray> payloads;
    for (const Snapped &s : images)
        payloads.append(bmpPayload(s));
    quint32 offset = quint32(6 + 16 * images.size());
    for (int i = 0; i < images.size(); ++i) {
        b.append(char(images[i].width));
        b.append(char(images[i].height));
        b.append(char(16));                 // colours in the palette
        b.append(char(0));
        put16(1);                           // planes
        put16(4);                           // bits per pixel
        put32(quint32(payloads[i].size()));
        put32(offset);
        offset += quint32(payloads[i].size());
    }
    for (const QByteArray &p : payloads)
        b.append(p);
    return b;
}

// A twinkle of whole pixels: thin arms and a square core. Crisp pixels read
// better than antialiased stars at icon sizes.
void pixelSpark(QPainter &p, int cx, int cy, int arm, int core, const QColor &colour)
{
    p.fillRect(cx - arm, cy, 2 * arm + 1, 1, colour);
    p.fillRect(cx, cy - arm, 1, 2 * arm + 1, colour);
    p.fillRect(cx - core, cy - core, 2 * core + 1, 2 * core + 1, colour);
}

// The magic wand with its sparks at the upper left end.
QImage drawWand(int size)
{
    QImage img = blankCanvas(size);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    if (size <= 16) {
        // Sixteen pixels leave no room for outlines: solid pixel shapes.
        p.setPen(QPen(vga(Navy), 3.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(6.0, 6.0), QPointF(13.6, 13.6));
        p.setRenderHint(QPainter::Antialiasing, false);
        p.fillRect(4, 4, 3, 3, vga(White));
        pixelSpark(p, 3, 3, 2, 0, vga(Yellow));
        pixelSpark(p, 10, 2, 1, 0, vga(Red));
        pixelSpark(p, 2, 10, 1, 0, vga(Lime));
        return img;
    }

    // The wand: a bar with a dark edge, a blue sheen and a white tip.
    const QPointF tip = kWandTip;
    p.setPen(QPen(vga(Black), 1.0));
    p.setBrush(vga(Navy));
    p.drawPath(WandBar());
    p.setPen(QPen(vga(Blue), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(14.5, 13.5), QPointF(26, 25));
    p.setPen(Qt::NoPen);
    p.setBrush(vga(White));
    p.drawEllipse(tip, 2.8, 2.8);

    // Sparks around the tip, with a little glitter between them.
    p.setRenderHint(QPainter::Antialiasing, false);
    pixelSpark(p, 5, 5, 5, 1, vga(Yellow));
    pixelSpark(p, 18, 4, 3, 0, vga(Red));
    p.fillRect(17, 3, 3, 3, vga(Red));
    pixelSpark(p, 4, 18, 3, 0, vga(Lime));
    p.fillRect(3, 17, 3, 3, vga(Lime));
    p.fillRect(12, 0, 2, 2, vga(Lime));
    p.fillRect(0, 12, 2, 2, vga(Red));
    p.fillRect(18, 11, 2, 2, vga(Yellow));
    p.fillRect(11, 18, 2, 2, vga(Yellow));
    return img;
}

// A twinkle: four pointed arms and a small round core, with a thin edge in a
// darker shade so it stays visible on light menus.
void smoothSpark(QPainter &p, QPointF c, qreal arm, qreal core, const QColor &colour, const QColor &edge)
{
    QPainterPath star;
    star.setFillRule(Qt::WindingFill);
    const qreal waist = std::max(core, arm * 0.26);
    for (int i = 0; i < 4; ++i) {
        const qreal a = i * M_PI / 2, b = a + M_PI / 4;
        const QPointF point(c.x() + arm * std::cos(a), c.y() + arm * std::sin(a));
        const QPointF inner(c.x() + waist * std::cos(b), c.y() + waist * std::sin(b));
        if (i == 0)
            star.moveTo(point);
        else
            star.lineTo(point);
        star.lineTo(inner);
    }
    star.closeSubpath();
    star.addEllipse(c, core, core);
    // Glitter is too small for an edge.
    p.setPen(arm < 2 ? QPen(Qt::NoPen) : QPen(edge, 0.35, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(colour);
    p.drawPath(star.simplified());
}

// The wand at 48 px and more: the 32 px drawing's layout, redrawn with smooth
// edges and twinkles instead of pixel crosses. Coordinates are those of the
// 32 px icon.
QImage drawLargeWand(int size)
{
    QImage img = blankCanvas(size);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);

    const QPointF tip = kWandTip;
    // Dark edge, navy body lit from the upper right.
    QLinearGradient body(QPointF(20.5, 17.5), QPointF(17.5, 20.5));
    body.setColorAt(0.0, vga(Blue));
    body.setColorAt(0.45, vga(Navy));
    body.setColorAt(1.0, vga(Navy).darker(140));
    p.setPen(QPen(vga(Black), 0.6));
    p.setBrush(body);
    p.drawPath(WandBar());
    p.setPen(QPen(QColor(0x60, 0x80, 0xff), 0.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(14.6, 13.4), QPointF(26.2, 25.0));
    // The glowing white tip.
    QRadialGradient glow(tip, 4.2);
    glow.setColorAt(0.0, vga(White));
    glow.setColorAt(0.6, vga(White));
    glow.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(tip, 4.2, 4.2);
    p.setPen(QPen(vga(Silver), 0.3));
    p.setBrush(vga(White));
    p.drawEllipse(tip, 2.6, 2.6);

    // Sparks around the tip, with a little glitter between them.
    smoothSpark(p, {5.5, 5.5}, 5.4, 1.3, vga(Yellow), vga(Olive));
    smoothSpark(p, {18.5, 4.5}, 3.6, 1.2, vga(Red), vga(Maroon));
    smoothSpark(p, {4.5, 18.5}, 3.6, 1.2, vga(Lime), vga(Green));
    smoothSpark(p, {13, 1.2}, 1.2, 0.45, vga(Lime), vga(Green));
    smoothSpark(p, {1.2, 13}, 1.2, 0.45, vga(Red), vga(Maroon));
    smoothSpark(p, {19, 12}, 1.3, 0.5, vga(Yellow), vga(Olive));
    smoothSpark(p, {12, 19}, 1.3, 0.5, vga(Yellow), vga(Olive));
    return img;
}

// A sheet of paper with a folded corner, a loudspeaker and sound waves.
// Coordinates are in pixels; outlines sit on pixel centres so they stay crisp.
QImage drawSoundFile(int size)
{
    QImage img = blankCanvas(size);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const bool tiny = size <= 16;
    const QPen outline(vga(Black), 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);

    struct Layout {
        qreal left, right, top, bottom, fold;
        QRectF box;                 // the speaker's magnet
        qreal coneRight, coneTop, coneBottom;
        QPointF waveCentre;
        QList<qreal> radii;
        qreal waveWidth;
    };
    const Layout l = tiny
        ? Layout{3.5, 14.5, 0.5, 15.5, 4, QRectF(0.5, 6.5, 3, 4), 6.5, 3.5, 13.5, {5.5, 8.5}, {3, 5.5}, 1}
        : Layout{6.5, 28.5, 1.5, 30.5, 7, QRectF(2.5, 12.5, 5, 7), 13.5, 6.5, 25.5, {12.5, 16}, {4.5, 7.5, 10.5}, 2};

    QPainterPath sheet;
    sheet.moveTo(l.left, l.top);
    sheet.lineTo(l.right - l.fold, l.top);
    sheet.lineTo(l.right, l.top + l.fold);
    sheet.lineTo(l.right, l.bottom);
    sheet.lineTo(l.left, l.bottom);
    sheet.closeSubpath();
    p.setPen(outline);
    p.setBrush(vga(White));
    p.drawPath(sheet);
    QPainterPath corner;
    corner.moveTo(l.right - l.fold, l.top);
    corner.lineTo(l.right - l.fold, l.top + l.fold);
    corner.lineTo(l.right, l.top + l.fold);
    corner.closeSubpath();
    p.setBrush(vga(Silver));
    p.drawPath(corner);

    // Loudspeaker straddling the left edge of the sheet: magnet, then cone.
    p.setRenderHint(QPainter::Antialiasing, !tiny);
    p.setBrush(vga(Yellow));
    p.drawRect(l.box);
    const qreal cl = l.box.right();
    p.drawPolygon(QPolygonF({{cl, l.box.top()}, {l.coneRight, l.coneTop},
                             {l.coneRight, l.coneBottom}, {cl, l.box.bottom()}}));

    // Sound waves spreading to the right of the cone.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(vga(Grey), l.waveWidth, Qt::SolidLine, Qt::FlatCap));
    for (qreal r : l.radii)
        p.drawArc(QRectF(l.waveCentre.x() - r, l.waveCentre.y() - r, 2 * r, 2 * r), -50 * 16, 100 * 16);
    return img;
}

// The pointing hand cursor; the fingertip is at pixel (13, 4).
QImage drawHand()
{
    QImage img = blankCanvas(32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    auto capsule = [](qreal left, qreal right, qreal top, qreal bottom) {
        QPainterPath path;
        const qreal r = (right - left) / 2;
        path.addRoundedRect(QRectF(left, top, right - left, bottom - top), r, r);
        return path;
    };
    // Edges on half pixels so the outline covers whole pixels.
    QPainterPath hand = capsule(10.5, 16.5, 4.5, 22);       // index finger
    hand = hand.united(capsule(16.5, 20.5, 12.5, 22));       // folded fingers
    hand = hand.united(capsule(20.5, 24.5, 13.5, 22));
    hand = hand.united(capsule(24.5, 28.5, 15.5, 23));
    QPainterPath palm;
    palm.addRoundedRect(QRectF(10.5, 17.5, 18, 10), 3, 3);
    hand = hand.united(palm);
    hand = hand.united(QPainterPath([] {
        QPainterPath wrist;
        wrist.addRect(QRectF(12.5, 25, 14, 6.5));
        return wrist;
    }()));
    // Thumb, resting against the palm and pointing up and left.
    QPainterPath thumb;
    thumb.moveTo(11, 25);
    thumb.lineTo(6.0, 19.5);
    thumb.cubicTo(4.5, 17.5, 7.0, 15.5, 8.5, 17.0);
    thumb.lineTo(11.5, 20.0);
    thumb.closeSubpath();
    hand = hand.united(thumb).simplified();

    p.setPen(QPen(vga(Black), 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(vga(White));
    p.drawPath(hand);
    // Creases between the folded fingers and along the thumb.
    p.setPen(QPen(vga(Black), 1.0, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(16.5, 15), QPointF(16.5, 20));
    p.drawLine(QPointF(20.5, 16), QPointF(20.5, 20));
    p.drawLine(QPointF(24.5, 17), QPointF(24.5, 20.5));
    return img;
}

} // namespace

// The menu and software centre show the program icon at these sizes too.
const int kLargeIconSizes[] = {48, 64, 128, 256};

bool writeIcons(Output &out)
{
    const Snapped wand32 = snap(drawWand(32));
    const Snapped wand16 = snap(drawWand(16));
    const Snapped sound32 = snap(drawSoundFile(32));
    const Snapped sound16 = snap(drawSoundFile(16));
    const Snapped hand = snap(drawHand());
    return out.writePng("resources/lumari-32.png", wand32.toImage())
        && out.writePng("resources/lumari-16.png", wand16.toImage())
        && out.writeBytes("resources/lumari.ico", icoFile({wand32, wand16}))
        && out.writePng("resources/soundfile-32.png", sound32.toImage())
        && out.writePng("resources/soundfile-16.png", sound16.toImage())
        && out.writeBytes("resources/soundfile.ico", icoFile({sound32, sound16}))
        && out.writePng("resources/hand.png", hand.toImage())
        && std::all_of(std::begin(kLargeIconSizes), std::end(kLargeIconSizes), [&out](int size) {
               return out.writePng(QStringLiteral("resources/lumari-%1.png").arg(size), drawLargeWand(size));
           });
}

} // namespace assets
