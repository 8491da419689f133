// The objects of the default image set. Each one is a list of coloured
// pieces in a 100 x 100 box; the picture paints them in colour and the
// symbol fills the same pieces in black, so both always share one outline.
#include "make_assets.h"

#include <QPainterPathStroker>
#include <QTransform>
#include <cmath>

namespace assets {

namespace {

constexpr qreal kPi = 3.14159265358979323846;

QPainterPath circle(qreal cx, qreal cy, qreal r)
{
    QPainterPath p;
    p.addEllipse(QPointF(cx, cy), r, r);
    return p;
}

QPainterPath ellipse(qreal cx, qreal cy, qreal rx, qreal ry)
{
    QPainterPath p;
    p.addEllipse(QPointF(cx, cy), rx, ry);
    return p;
}

QPainterPath rect(qreal x0, qreal y0, qreal x1, qreal y1, qreal radius = 0)
{
    QPainterPath p;
    if (radius > 0)
        p.addRoundedRect(QRectF(x0, y0, x1 - x0, y1 - y0), radius, radius);
    else
        p.addRect(QRectF(x0, y0, x1 - x0, y1 - y0));
    return p;
}

QPainterPath polygon(std::initializer_list<QPointF> points)
{
    QPainterPath p;
    p.addPolygon(QPolygonF(QList<QPointF>(points)));
    p.closeSubpath();
    return p;
}

// A line turned into a filled band, for stems, whiskers and handles.
QPainterPath band(const QPainterPath &line, qreal width)
{
    QPainterPathStroker s;
    s.setWidth(width);
    s.setCapStyle(Qt::RoundCap);
    s.setJoinStyle(Qt::RoundJoin);
    return s.createStroke(line).simplified();
}

QPainterPath rotated(const QPainterPath &p, QPointF about, qreal degrees)
{
    QTransform t;
    t.translate(about.x(), about.y());
    t.rotate(degrees);
    t.translate(-about.x(), -about.y());
    return t.map(p);
}

Part piece(const QPainterPath &path, QColor fill)
{
    Part p;
    p.path = path;
    p.fill = fill;
    return p;
}

Part detail(const QPainterPath &path, QColor fill, bool edged = false)
{
    Part p;
    p.path = path;
    p.fill = fill;
    p.detail = true;
    p.edged = edged;
    p.flat = true;
    return p;
}

Shape apple()
{
    Shape s{"apple", Backdrop::Pastel, QColor(255, 236, 200), QColor(255, 205, 170), 0.30, -6, false, {}};
    QPainterPath body;
    body.moveTo(50, 30);
    body.cubicTo(60, 20, 90, 20, 91, 50);
    body.cubicTo(92, 76, 74, 97, 61, 95);
    body.cubicTo(56, 94, 54, 92, 50, 92);
    body.cubicTo(46, 92, 44, 94, 39, 95);
    body.cubicTo(26, 97, 8, 76, 9, 50);
    body.cubicTo(10, 20, 40, 20, 50, 30);
    body.closeSubpath();
    QPainterPath stem;
    stem.moveTo(50, 32);
    stem.cubicTo(50, 22, 51, 15, 55, 8);
    QPainterPath leaf;
    leaf.moveTo(55, 20);
    leaf.cubicTo(60, 8, 74, 4, 84, 9);
    leaf.cubicTo(77, 20, 64, 25, 55, 20);
    leaf.closeSubpath();
    s.parts = {
        piece(band(stem, 4.5), QColor(120, 75, 40)),
        piece(leaf, QColor(80, 175, 60)),
        piece(body, QColor(215, 40, 45)),
        detail(rotated(ellipse(29, 47, 5, 10), QPointF(29, 47), 25), QColor(255, 255, 255, 150)),
    };
    return s;
}

Shape sun()
{
    Shape s{"sun", Backdrop::Sky, {}, {}, 0.70, 0, false, {}};
    QPainterPath rays;
    for (int i = 0; i < 12; ++i) {
        const qreal a = i * kPi / 6;
        const qreal half = 0.16;
        const QPointF tipP(50 + 49 * std::cos(a), 50 + 49 * std::sin(a));
        const QPointF b1(50 + 30 * std::cos(a - half), 50 + 30 * std::sin(a - half));
        const QPointF b2(50 + 30 * std::cos(a + half), 50 + 30 * std::sin(a + half));
        rays.addPolygon(QPolygonF({b1, tipP, b2}));
        rays.closeSubpath();
    }
    QPainterPath smile;
    smile.moveTo(39, 56);
    smile.quadTo(50, 66, 61, 56);
    s.parts = {
        piece(rays.simplified(), QColor(255, 150, 30)),
        piece(circle(50, 50, 29), QColor(255, 210, 40)),
        detail(circle(41, 45, 3), QColor(120, 70, 20)),
        detail(circle(59, 45, 3), QColor(120, 70, 20)),
        detail(band(smile, 2.5), QColor(120, 70, 20)),
        detail(ellipse(35, 55, 4, 2.5), QColor(255, 140, 90, 150)),
        detail(ellipse(65, 55, 4, 2.5), QColor(255, 140, 90, 150)),
    };
    return s;
}

Shape house()
{
    Shape s{"house", Backdrop::Meadow, {}, {}, 0.62, 0, true, {}};
    QPainterPath cross;
    cross.moveTo(31, 56);
    cross.lineTo(31, 68);
    cross.moveTo(24.5, 62);
    cross.lineTo(37.5, 62);
    cross.moveTo(70, 56);
    cross.lineTo(70, 68);
    cross.moveTo(63.5, 62);
    cross.lineTo(76.5, 62);
    s.parts = {
        piece(rect(66, 16, 76, 40), QColor(170, 80, 60)),
        piece(rect(17, 44, 83, 94), QColor(250, 225, 160)),
        piece(polygon({{8, 49}, {50, 12}, {92, 49}}), QColor(205, 60, 50)),
        detail(rect(43, 66, 57, 94, 2), QColor(140, 85, 45), true),
        detail(circle(54, 81, 1.2), QColor(250, 210, 80)),
        detail(rect(24, 55, 38, 69), QColor(150, 210, 245), true),
        detail(rect(63, 55, 77, 69), QColor(150, 210, 245), true),
        detail(band(cross, 1.2), QColor(110, 80, 60)),
        detail(circle(50, 35, 5), QColor(150, 210, 245), true),
    };
    return s;
}

Shape tree()
{
    Shape s{"tree", Backdrop::Meadow, {}, {}, 0.30, 0, true, {}};
    QPainterPath trunk;
    trunk.moveTo(44, 55);
    trunk.lineTo(56, 55);
    trunk.cubicTo(56, 75, 57, 88, 64, 97);
    trunk.lineTo(36, 97);
    trunk.cubicTo(43, 88, 44, 75, 44, 55);
    trunk.closeSubpath();
    QPainterPath crown = circle(50, 26, 22);
    crown = crown.united(circle(29, 42, 19));
    crown = crown.united(circle(71, 42, 19));
    crown = crown.united(circle(50, 52, 18));
    crown = crown.united(circle(36, 24, 13));
    crown = crown.united(circle(64, 24, 13));
    s.parts = {
        piece(trunk, QColor(135, 85, 45)),
        piece(crown.simplified(), QColor(45, 140, 55)),
        detail(ellipse(40, 26, 7, 5), QColor(120, 200, 90, 140)),
        detail(ellipse(62, 38, 6, 4), QColor(120, 200, 90, 120)),
        detail(ellipse(30, 46, 5, 3.5), QColor(120, 200, 90, 120)),
    };
    return s;
}

Shape fish()
{
    Shape s{"fish", Backdrop::Underwater, {}, {}, 0.42, 5, false, {}};
    QPainterPath body;
    body.moveTo(6, 52);
    body.cubicTo(20, 24, 58, 20, 76, 50);
    body.cubicTo(58, 80, 20, 78, 6, 52);
    body.closeSubpath();
    QPainterPath tail;
    tail.moveTo(70, 50);
    tail.lineTo(95, 28);
    tail.cubicTo(90, 42, 90, 58, 95, 72);
    tail.closeSubpath();
    QPainterPath fin;
    fin.moveTo(30, 33);
    fin.cubicTo(36, 16, 54, 16, 60, 35);
    fin.closeSubpath();
    QPainterPath belly;
    belly.moveTo(34, 70);
    belly.cubicTo(38, 82, 48, 82, 52, 70);
    belly.closeSubpath();
    QPainterPath stripe1;
    stripe1.moveTo(30, 31);
    stripe1.cubicTo(25, 45, 25, 60, 30, 72);
    QPainterPath stripe2;
    stripe2.moveTo(52, 30);
    stripe2.cubicTo(47, 45, 47, 60, 52, 70);
    QPainterPath mouth;
    mouth.moveTo(8, 55);
    mouth.quadTo(12, 57, 15, 55);
    s.parts = {
        piece(fin, QColor(245, 120, 30)),
        piece(belly, QColor(245, 120, 30)),
        piece(tail, QColor(245, 120, 30)),
        piece(body, QColor(255, 150, 40)),
        detail(band(stripe1, 5), QColor(255, 255, 255)),
        detail(band(stripe2, 5), QColor(255, 255, 255)),
        detail(circle(18, 46, 5), QColor(255, 255, 255), true),
        detail(circle(17, 46, 2.5), QColor(20, 20, 30)),
        detail(band(mouth, 1.4), QColor(120, 50, 20)),
    };
    return s;
}

Shape car()
{
    Shape s{"car", Backdrop::Meadow, {}, {}, 0.50, 0, true, {}};
    QPainterPath body;
    body.moveTo(6, 74);
    body.lineTo(6, 58);
    body.cubicTo(6, 52, 10, 49, 18, 48);
    body.lineTo(28, 47);
    body.lineTo(37, 30);
    body.cubicTo(39, 27, 41, 26, 45, 26);
    body.lineTo(64, 26);
    body.cubicTo(68, 26, 70, 27, 72, 30);
    body.lineTo(82, 47);
    body.lineTo(88, 48);
    body.cubicTo(93, 49, 95, 53, 95, 58);
    body.lineTo(95, 74);
    body.closeSubpath();
    s.parts = {
        piece(body, QColor(40, 115, 220)),
        piece(circle(27, 76, 12), QColor(55, 55, 65)),
        piece(circle(74, 76, 12), QColor(55, 55, 65)),
        detail(circle(27, 76, 5), QColor(200, 205, 215), true),
        detail(circle(74, 76, 5), QColor(200, 205, 215), true),
        detail(polygon({{33, 47}, {40, 32}, {52, 32}, {52, 47}}), QColor(180, 225, 250), true),
        detail(polygon({{57, 47}, {57, 32}, {68, 32}, {76, 47}}), QColor(180, 225, 250), true),
        detail(rect(88, 52, 94, 58, 2), QColor(255, 230, 90), true),
        detail(rect(6, 55, 10, 61, 1.5), QColor(235, 70, 50), true),
        detail(rect(44, 53, 52, 55.5, 1), QColor(20, 60, 130)),
    };
    return s;
}

Shape star()
{
    Shape s{"star", Backdrop::Pastel, QColor(200, 225, 255), QColor(160, 190, 245), 0.68, 10, false, {}};
    QPolygonF points;
    for (int i = 0; i < 10; ++i) {
        const qreal a = -kPi / 2 + i * kPi / 5;
        const qreal r = i % 2 ? 20 : 48;
        points << QPointF(50 + r * std::cos(a), 54 + r * std::sin(a));
    }
    QPainterPath star;
    star.addPolygon(points);
    star.closeSubpath();
    QPainterPath shine;
    shine.moveTo(50, 22);
    shine.lineTo(50, 46);
    s.parts = {
        piece(star, QColor(255, 205, 30)),
        detail(band(shine, 3), QColor(255, 245, 180, 200)),
    };
    return s;
}

Shape heart()
{
    Shape s{"heart", Backdrop::Pastel, QColor(255, 230, 240), QColor(250, 195, 215), 0.35, -8, false, {}};
    QPainterPath h;
    h.moveTo(50, 92);
    h.cubicTo(22, 70, 5, 52, 7, 32);
    h.cubicTo(9, 12, 38, 6, 50, 28);
    h.cubicTo(62, 6, 91, 12, 93, 32);
    h.cubicTo(95, 52, 78, 70, 50, 92);
    h.closeSubpath();
    s.parts = {
        piece(h, QColor(235, 55, 120)),
        detail(rotated(ellipse(26, 30, 5, 9), QPointF(26, 30), 40), QColor(255, 255, 255, 150)),
    };
    return s;
}

Shape moon()
{
    Shape s{"moon", Backdrop::Night, {}, {}, 0.60, -10, false, {}};
    QPainterPath m = circle(50, 50, 44).subtracted(circle(70, 38, 36));
    s.parts = {
        piece(m, QColor(255, 235, 140)),
        detail(circle(24, 56, 4), QColor(230, 200, 100, 160)),
        detail(circle(34, 76, 3), QColor(230, 200, 100, 160)),
        detail(circle(20, 38, 2.5), QColor(230, 200, 100, 160)),
    };
    return s;
}

Shape boat()
{
    Shape s{"boat", Backdrop::Sea, {}, {}, 0.35, 0, true, {}};
    QPainterPath hull;
    hull.moveTo(5, 70);
    hull.lineTo(95, 70);
    hull.cubicTo(90, 80, 84, 90, 76, 92);
    hull.lineTo(24, 92);
    hull.cubicTo(16, 90, 10, 80, 5, 70);
    hull.closeSubpath();
    QPainterPath mainSail;
    mainSail.moveTo(54, 12);
    mainSail.cubicTo(70, 28, 82, 46, 86, 64);
    mainSail.lineTo(54, 64);
    mainSail.closeSubpath();
    QPainterPath jib;
    jib.moveTo(46, 20);
    jib.lineTo(46, 64);
    jib.lineTo(18, 64);
    jib.closeSubpath();
    s.parts = {
        piece(rect(48, 6, 52, 71), QColor(130, 85, 45)),
        piece(polygon({{52, 6}, {66, 10}, {52, 14}}), QColor(230, 50, 50)),
        piece(mainSail, QColor(250, 250, 245)),
        piece(jib, QColor(250, 250, 245)),
        piece(hull, QColor(200, 70, 45)),
        detail(rect(12, 74, 88, 77), QColor(255, 230, 120)),
        detail(circle(30, 83, 3), QColor(180, 225, 250), true),
        detail(circle(50, 83, 3), QColor(180, 225, 250), true),
        detail(circle(70, 83, 3), QColor(180, 225, 250), true),
    };
    return s;
}

Shape flower()
{
    Shape s{"flower", Backdrop::Meadow, {}, {}, 0.72, 0, true, {}};
    QPainterPath stem;
    stem.moveTo(50, 44);
    stem.cubicTo(47, 62, 53, 80, 50, 98);
    QPainterPath leafR;
    leafR.moveTo(50, 78);
    leafR.cubicTo(58, 62, 74, 60, 82, 63);
    leafR.cubicTo(74, 76, 62, 80, 50, 78);
    leafR.closeSubpath();
    QPainterPath leafL;
    leafL.moveTo(50, 86);
    leafL.cubicTo(42, 72, 28, 70, 20, 73);
    leafL.cubicTo(27, 85, 39, 89, 50, 86);
    leafL.closeSubpath();
    QPainterPath petals;
    for (int i = 0; i < 6; ++i) {
        const qreal a = i * 60.0;
        const qreal rad = a * kPi / 180;
        const QPointF c(50 + 15 * std::sin(rad), 30 - 15 * std::cos(rad));
        petals = petals.united(rotated(ellipse(c.x(), c.y(), 9, 13), c, a));
    }
    s.parts = {
        piece(band(stem, 5), QColor(60, 150, 60)),
        piece(leafR, QColor(80, 175, 65)),
        piece(leafL, QColor(80, 175, 65)),
        piece(petals.simplified(), QColor(235, 95, 185)),
        piece(circle(50, 30, 10), QColor(255, 205, 40)),
        detail(circle(47, 27, 3), QColor(255, 240, 150, 180)),
    };
    return s;
}

Shape cat()
{
    Shape s{"cat", Backdrop::Pastel, QColor(235, 245, 220), QColor(200, 225, 180), 0.40, 0, false, {}};
    QPainterPath ears;
    ears.moveTo(20, 48);
    ears.lineTo(18, 10);
    ears.quadTo(19, 7, 22, 9);
    ears.lineTo(46, 30);
    ears.closeSubpath();
    ears.moveTo(80, 48);
    ears.lineTo(82, 10);
    ears.quadTo(81, 7, 78, 9);
    ears.lineTo(54, 30);
    ears.closeSubpath();
    const QPainterPath head = ellipse(50, 58, 36, 31).united(ears).simplified();
    QPainterPath whiskers;
    for (int side : {-1, 1}) {
        for (int k = -1; k <= 1; ++k) {
            whiskers.moveTo(50 + side * 20, 67 + k * 4);
            whiskers.lineTo(50 + side * 48, 62 + k * 9);
        }
    }
    QPainterPath mouth;
    mouth.moveTo(43, 72);
    mouth.quadTo(46.5, 76, 50, 72);
    mouth.quadTo(53.5, 76, 57, 72);
    QPainterPath stripes;
    stripes.moveTo(50, 30);
    stripes.lineTo(50, 40);
    stripes.moveTo(43, 31);
    stripes.lineTo(44, 39);
    stripes.moveTo(57, 31);
    stripes.lineTo(56, 39);
    s.parts = {
        piece(band(whiskers, 1.8), QColor(70, 70, 80)),
        piece(head, QColor(160, 160, 172)),
        detail(polygon({{24, 40}, {23, 17}, {38, 31}}), QColor(250, 180, 190)),
        detail(polygon({{76, 40}, {77, 17}, {62, 31}}), QColor(250, 180, 190)),
        detail(band(stripes, 2.5), QColor(110, 110, 125)),
        detail(ellipse(37, 55, 6, 7), QColor(130, 200, 80), true),
        detail(ellipse(63, 55, 6, 7), QColor(130, 200, 80), true),
        detail(ellipse(37, 55, 2, 5.5), QColor(20, 20, 25)),
        detail(ellipse(63, 55, 2, 5.5), QColor(20, 20, 25)),
        detail(polygon({{46, 65}, {54, 65}, {50, 70}}), QColor(240, 120, 140), true),
        detail(band(mouth, 1.5), QColor(60, 60, 70)),
    };
    return s;
}

Shape umbrella()
{
    Shape s{"umbrella", Backdrop::Rain, {}, {}, 0.55, -12, false, {}};
    QPainterPath canopy;
    canopy.moveTo(4, 50);
    canopy.cubicTo(8, 22, 28, 8, 50, 8);
    canopy.cubicTo(72, 8, 92, 22, 96, 50);
    canopy.quadTo(85, 42, 73, 50);
    canopy.quadTo(61.5, 42, 50, 50);
    canopy.quadTo(38.5, 42, 27, 50);
    canopy.quadTo(15, 42, 4, 50);
    canopy.closeSubpath();
    QPainterPath handle;
    handle.moveTo(50, 46);
    handle.lineTo(50, 86);
    handle.cubicTo(50, 97, 36, 97, 36, 87);
    QPainterPath ribs;
    ribs.moveTo(50, 9);
    ribs.quadTo(33, 22, 27, 48);
    ribs.moveTo(50, 9);
    ribs.quadTo(67, 22, 73, 48);
    ribs.moveTo(50, 9);
    ribs.lineTo(50, 48);
    s.parts = {
        piece(band(handle, 4), QColor(120, 75, 40)),
        piece(canopy, QColor(150, 70, 210)),
        piece(circle(50, 6, 3), QColor(120, 75, 40)),
        detail(band(ribs, 1.2), QColor(200, 150, 240)),
    };
    return s;
}

Shape key()
{
    Shape s{"key", Backdrop::Pastel, QColor(230, 230, 250), QColor(190, 195, 235), 0.62, -20, false, {}};
    QPainterPath k = circle(22, 50, 19);
    k = k.united(rect(36, 45, 94, 55, 2));
    k = k.united(rect(68, 52, 75, 68, 1));
    k = k.united(rect(81, 52, 88, 72, 1));
    k = k.subtracted(circle(22, 50, 8));
    s.parts = {
        piece(k.simplified(), QColor(235, 180, 40)),
        detail(rect(44, 47.5, 88, 49.5), QColor(255, 240, 170, 200)),
    };
    return s;
}

Shape mushroom()
{
    Shape s{"mushroom", Backdrop::Meadow, {}, {}, 0.28, 0, true, {}};
    QPainterPath cap;
    cap.moveTo(6, 56);
    cap.cubicTo(6, 26, 28, 10, 50, 10);
    cap.cubicTo(72, 10, 94, 26, 94, 56);
    cap.cubicTo(70, 63, 30, 63, 6, 56);
    cap.closeSubpath();
    QPainterPath stalk;
    stalk.moveTo(37, 58);
    stalk.cubicTo(35, 72, 33, 84, 34, 94);
    stalk.lineTo(66, 94);
    stalk.cubicTo(67, 84, 65, 72, 63, 58);
    stalk.closeSubpath();
    s.parts = {
        piece(stalk, QColor(250, 240, 215)),
        piece(cap, QColor(220, 45, 40)),
        detail(ellipse(30, 36, 6, 5), QColor(255, 255, 250)),
        detail(ellipse(52, 24, 7, 5), QColor(255, 255, 250)),
        detail(ellipse(72, 40, 6, 5), QColor(255, 255, 250)),
        detail(ellipse(48, 46, 4, 3), QColor(255, 255, 250)),
        detail(ellipse(17, 50, 3, 2.5), QColor(255, 255, 250)),
        detail(ellipse(84, 51, 3, 2.5), QColor(255, 255, 250)),
    };
    return s;
}

Shape bell()
{
    Shape s{"bell", Backdrop::Pastel, QColor(255, 245, 215), QColor(240, 215, 170), 0.45, 14, false, {}};
    QPainterPath body;
    body.moveTo(50, 14);
    body.cubicTo(31, 14, 26, 30, 26, 48);
    body.cubicTo(26, 64, 20, 72, 11, 78);
    body.lineTo(89, 78);
    body.cubicTo(80, 72, 74, 64, 74, 48);
    body.cubicTo(74, 30, 69, 14, 50, 14);
    body.closeSubpath();
    QPainterPath loop = circle(50, 9, 7).subtracted(circle(50, 9, 3.2));
    QPainterPath shine;
    shine.moveTo(36, 30);
    shine.cubicTo(33, 40, 33, 55, 30, 66);
    s.parts = {
        piece(loop, QColor(200, 150, 40)),
        piece(circle(50, 86, 8), QColor(200, 150, 40)),
        piece(body, QColor(250, 200, 50)),
        piece(rect(7, 76, 93, 84, 4), QColor(235, 170, 40)),
        detail(band(shine, 4), QColor(255, 245, 190, 200)),
    };
    return s;
}

} // namespace

QList<Shape> allShapes()
{
    return {apple(), sun(), house(), tree(), fish(), car(), star(), heart(),
            moon(), boat(), flower(), cat(), umbrella(), key(), mushroom(), bell()};
}

QRectF outlineBounds(const Shape &shape)
{
    QRectF r;
    for (const Part &p : shape.parts)
        if (!p.detail)
            r = r.united(p.path.boundingRect());
    return r.adjusted(-kEdge / 2, -kEdge / 2, kEdge / 2, kEdge / 2);
}

} // namespace assets
