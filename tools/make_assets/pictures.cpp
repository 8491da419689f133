// The default image set: a coloured picture of each object on a friendly
// backdrop, and its black silhouette as the symbol to click.
#include "make_assets.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <cmath>
#include <random>

namespace assets {

namespace {

constexpr int kPictureW = 800;
constexpr int kPictureH = 400;
constexpr int kSymbolSize = 400;
constexpr int kJpegQuality = 85;
// Where grounded objects stand in the picture.
constexpr qreal kGroundY = 372;

// Fixed-seed random numbers, spelled out so every library gives the same.
class Dice {
public:
    explicit Dice(quint32 seed) : m_gen(seed) {}
    qreal between(qreal lo, qreal hi) { return lo + (hi - lo) * (m_gen() / 4294967296.0); }

private:
    std::mt19937 m_gen;
};

quint32 seedOf(const QString &name)
{
    quint32 h = 2166136261u;
    for (QChar c : name)
        h = (h ^ c.unicode()) * 16777619u;
    return h;
}

void paintParts(QPainter &p, const Shape &shape, bool silhouette)
{
    for (const Part &part : shape.parts) {
        if (silhouette && part.detail)
            continue;
        if (silhouette) {
            p.setBrush(Qt::black);
            p.setPen(part.edged ? QPen(Qt::black, kEdge, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin)
                                : QPen(Qt::NoPen));
            p.drawPath(part.path);
            continue;
        }
        if (part.flat) {
            p.setBrush(part.fill);
        } else {
            // Light from the upper left gives the pieces some roundness.
            const QRectF b = part.path.boundingRect();
            QRadialGradient g(b.left() + b.width() * 0.35, b.top() + b.height() * 0.3,
                              std::max(b.width(), b.height()) * 0.85);
            g.setColorAt(0.0, part.fill.lighter(125));
            g.setColorAt(0.6, part.fill);
            g.setColorAt(1.0, part.fill.darker(118));
            p.setBrush(g);
        }
        const QColor edge = part.fill.lightness() > 200 ? QColor(120, 120, 130) : part.fill.darker(175);
        p.setPen(part.edged ? QPen(edge, kEdge, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin) : QPen(Qt::NoPen));
        p.drawPath(part.path);
    }
}

// Maps the object's outline box onto a target box, keeping proportions.
QTransform placement(const Shape &shape, const QRectF &target, qreal tilt)
{
    const QRectF b = outlineBounds(shape);
    const qreal scale = std::min(target.width() / b.width(), target.height() / b.height());
    QTransform t;
    t.translate(target.center().x(), target.center().y());
    t.rotate(tilt);
    t.scale(scale, scale);
    t.translate(-b.center().x(), -b.center().y());
    return t;
}

void cloud(QPainter &p, qreal x, qreal y, qreal size)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 225));
    QPainterPath c;
    c.addEllipse(QPointF(x, y), size, size * 0.62);
    c.addEllipse(QPointF(x - size * 0.85, y + size * 0.18), size * 0.6, size * 0.45);
    c.addEllipse(QPointF(x + size * 0.9, y + size * 0.15), size * 0.7, size * 0.48);
    c.setFillRule(Qt::WindingFill);
    p.drawPath(c.simplified());
}

void sky(QPainter &p, QColor top, QColor bottom, qreal height)
{
    QLinearGradient g(0, 0, 0, height);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(QRectF(0, 0, kPictureW, height), g);
}

void meadow(QPainter &p, Dice &dice, qreal objectX)
{
    sky(p, QColor(120, 195, 245), QColor(215, 240, 255), 320);
    // Clouds keep away from the object so it stays the clear subject.
    for (qreal x : {120.0, 420.0, 700.0})
        if (std::abs(x - objectX) > 200)
            cloud(p, x + dice.between(-30, 30), dice.between(60, 95), dice.between(32, 44));
    QPainterPath far;
    far.moveTo(0, 300);
    far.cubicTo(180, 230, 360, 250, 480, 285);
    far.cubicTo(600, 250, 720, 245, 800, 270);
    far.lineTo(800, 400);
    far.lineTo(0, 400);
    far.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(140, 200, 110));
    p.drawPath(far);
    QLinearGradient g(0, 310, 0, 400);
    g.setColorAt(0, QColor(170, 225, 120));
    g.setColorAt(1, QColor(120, 190, 85));
    QPainterPath near;
    near.moveTo(0, 330);
    near.cubicTo(250, 305, 550, 305, 800, 325);
    near.lineTo(800, 400);
    near.lineTo(0, 400);
    near.closeSubpath();
    p.setBrush(g);
    p.drawPath(near);
    // A few tufts of grass.
    p.setPen(QPen(QColor(95, 165, 70), 2.5, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 26; ++i) {
        const qreal x = dice.between(10, 790), y = dice.between(340, 395);
        p.drawLine(QPointF(x, y), QPointF(x - 4, y - 9));
        p.drawLine(QPointF(x + 3, y), QPointF(x + 5, y - 10));
    }
}

void groundShadow(QPainter &p, const QRectF &box)
{
    QRadialGradient g(box.center().x(), kGroundY, box.width() * 0.5);
    g.setColorAt(0, QColor(0, 0, 0, 70));
    g.setColorAt(1, QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.save();
    p.translate(box.center().x(), kGroundY);
    p.scale(1.0, 0.12);
    p.translate(-box.center().x(), -kGroundY);
    p.drawEllipse(QPointF(box.center().x(), kGroundY), box.width() * 0.5, box.width() * 0.5);
    p.restore();
}

void skyOnly(QPainter &p, Dice &dice, qreal objectX)
{
    sky(p, QColor(70, 160, 235), QColor(185, 225, 250), kPictureH);
    for (qreal x : {110.0, 330.0, 560.0})
        if (std::abs(x - objectX) > 190)
            cloud(p, x + dice.between(-20, 20), dice.between(240, 320), dice.between(36, 50));
}

void sea(QPainter &p, Dice &dice, qreal objectX)
{
    sky(p, QColor(110, 190, 245), QColor(220, 242, 255), 290);
    for (qreal x : {560.0, 720.0})
        if (std::abs(x - objectX) > 190)
            cloud(p, x, dice.between(70, 110), dice.between(30, 40));
    QLinearGradient g(0, 285, 0, 400);
    g.setColorAt(0, QColor(60, 150, 210));
    g.setColorAt(1, QColor(25, 90, 165));
    p.fillRect(QRectF(0, 285, kPictureW, 115), g);
    p.setPen(QPen(QColor(255, 255, 255, 150), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 22; ++i) {
        const qreal x = dice.between(0, 780), y = dice.between(305, 395);
        QPainterPath w;
        w.moveTo(x, y);
        w.quadTo(x + 10, y - 6, x + 20, y);
        w.quadTo(x + 30, y + 6, x + 40, y);
        p.drawPath(w);
    }
}

void underwater(QPainter &p, Dice &dice)
{
    sky(p, QColor(120, 215, 240), QColor(30, 105, 175), kPictureH);
    // Sunbeams slanting down through the water.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 28));
    for (qreal x : {90.0, 300.0, 520.0, 700.0})
        p.drawPolygon(QPolygonF({{x, 0}, {x + 60, 0}, {x - 40, 400}, {x - 130, 400}}));
    // Sand and a little seaweed at the edges.
    QPainterPath sand;
    sand.moveTo(0, 370);
    sand.cubicTo(200, 355, 500, 385, 800, 362);
    sand.lineTo(800, 400);
    sand.lineTo(0, 400);
    sand.closeSubpath();
    p.setBrush(QColor(235, 210, 150));
    p.drawPath(sand);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(40, 150, 90), 7, Qt::SolidLine, Qt::RoundCap));
    for (qreal x : {40.0, 70.0, 735.0, 765.0}) {
        QPainterPath weed;
        weed.moveTo(x, 385);
        weed.cubicTo(x - 18, 340, x + 18, 320, x, 270 + dice.between(-20, 20));
        p.drawPath(weed);
    }
    p.setPen(QPen(QColor(255, 255, 255, 190), 2));
    p.setBrush(QColor(255, 255, 255, 50));
    for (int i = 0; i < 14; ++i) {
        const qreal r = dice.between(4, 11);
        const bool right = i % 2;
        p.drawEllipse(QPointF(right ? dice.between(660, 780) : dice.between(110, 180), dice.between(30, 330)), r, r);
    }
}

void night(QPainter &p, Dice &dice, const QRectF &box)
{
    sky(p, QColor(12, 25, 70), QColor(45, 65, 130), kPictureH);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 90; ++i) {
        const QPointF c(dice.between(0, kPictureW), dice.between(0, kPictureH));
        if (box.adjusted(-30, -30, 30, 30).contains(c))
            continue;
        const qreal r = dice.between(0.8, 2.2);
        p.setBrush(QColor(255, 255, 230, int(dice.between(120, 230))));
        p.drawEllipse(c, r, r);
    }
    QRadialGradient glow(box.center(), box.width() * 0.75);
    glow.setColorAt(0, QColor(255, 245, 200, 70));
    glow.setColorAt(1, QColor(255, 245, 200, 0));
    p.setBrush(glow);
    p.drawEllipse(box.center(), box.width() * 0.75, box.width() * 0.75);
}

void pastel(QPainter &p, Dice &dice, const Shape &shape)
{
    QRadialGradient g(kPictureW / 2.0, kPictureH / 2.0, kPictureW * 0.6);
    g.setColorAt(0, shape.tintA);
    g.setColorAt(1, shape.tintB);
    p.fillRect(QRect(0, 0, kPictureW, kPictureH), g);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 16; ++i) {
        const qreal r = dice.between(18, 70);
        p.setBrush(QColor(255, 255, 255, int(dice.between(35, 80))));
        p.drawEllipse(QPointF(dice.between(0, kPictureW), dice.between(0, kPictureH)), r, r);
    }
}

void rain(QPainter &p, Dice &dice)
{
    sky(p, QColor(150, 170, 200), QColor(215, 225, 235), kPictureH);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 135, 160, 170));
    QPainterPath clouds;
    for (int i = 0; i < 9; ++i)
        clouds.addEllipse(QPointF(i * 100 + dice.between(-20, 20), dice.between(-5, 15)), 80, 45);
    clouds.setFillRule(Qt::WindingFill);
    p.drawPath(clouds.simplified());
    p.setBrush(QColor(130, 150, 180, 110));
    p.drawEllipse(QPointF(400, 385), 330, 14);
    p.setPen(QPen(QColor(80, 110, 170, 150), 2, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 120; ++i) {
        const qreal x = dice.between(0, kPictureW), y = dice.between(40, kPictureH);
        p.drawLine(QPointF(x, y), QPointF(x - 4, y + 14));
    }
}

// A soft shadow under floating objects: the silhouette painted small and
// scaled up again, which blurs it cheaply.
void softShadow(QPainter &p, const Shape &shape, const QTransform &t)
{
    constexpr int shrink = 8;
    QImage small(kPictureW / shrink, kPictureH / shrink, QImage::Format_ARGB32_Premultiplied);
    small.fill(Qt::transparent);
    {
        QPainter sp(&small);
        sp.setRenderHint(QPainter::Antialiasing);
        sp.scale(1.0 / shrink, 1.0 / shrink);
        sp.translate(8, 12);
        sp.setTransform(t, true);
        paintParts(sp, shape, true);
    }
    p.save();
    p.setOpacity(0.28);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRect(0, 0, kPictureW, kPictureH), small);
    p.restore();
}

QImage picture(const Shape &shape)
{
    QImage img(kPictureW, kPictureH, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    Dice dice(seedOf(shape.name));

    const qreal boxSize = shape.grounded ? 310 : 300;
    const qreal cx = kPictureW * shape.centreX;
    const QRectF box = shape.grounded
        ? QRectF(cx - boxSize / 2, kGroundY - boxSize, boxSize, boxSize)
        : QRectF(cx - boxSize / 2, kPictureH / 2.0 - boxSize / 2, boxSize, boxSize);
    QTransform t = placement(shape, box, shape.tilt);
    if (shape.grounded) {
        // Stand the object on the ground even when it is wider than tall.
        const QRectF mapped = t.mapRect(outlineBounds(shape));
        t *= QTransform::fromTranslate(0, kGroundY - mapped.bottom());
    }

    switch (shape.backdrop) {
    case Backdrop::Meadow: meadow(p, dice, cx); break;
    case Backdrop::Sky: skyOnly(p, dice, cx); break;
    case Backdrop::Sea: sea(p, dice, cx); break;
    case Backdrop::Underwater: underwater(p, dice); break;
    case Backdrop::Night: night(p, dice, t.mapRect(outlineBounds(shape))); break;
    case Backdrop::Pastel: pastel(p, dice, shape); break;
    case Backdrop::Rain: rain(p, dice); break;
    }

    if (shape.grounded && shape.backdrop != Backdrop::Sea)
        groundShadow(p, t.mapRect(outlineBounds(shape)));
    else if (!shape.grounded)
        softShadow(p, shape, t);
    p.setTransform(t);
    paintParts(p, shape, false);
    return img;
}

QImage symbol(const Shape &shape)
{
    QImage img(kSymbolSize, kSymbolSize, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // Upright and centred, unlike the picture, so the child matches the shape.
    const qreal margin = 40;
    p.setTransform(placement(shape, QRectF(margin, margin, kSymbolSize - 2 * margin, kSymbolSize - 2 * margin), 0));
    paintParts(p, shape, true);
    return img;
}

} // namespace

bool writePictures(Output &out)
{
    for (const Shape &shape : allShapes()) {
        const QString file = shape.name + ".jpg";
        if (!out.writeJpeg("data/Set_default/Images/" + file, picture(shape), kJpegQuality)
            || !out.writeJpeg("data/Set_default/Symbols/" + file, symbol(shape), kJpegQuality))
            return false;
    }
    return true;
}

} // namespace assets
