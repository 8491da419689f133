// Shared declarations of the asset generator.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QImage>
#include <QList>
#include <QPainterPath>
#include <QString>

namespace assets {

// Where the files go; each write is reported on standard output.
class Output {
public:
    explicit Output(const QDir &root) : m_root(root) {}

    bool writeBytes(const QString &relativePath, const QByteArray &bytes);
    bool writePng(const QString &relativePath, const QImage &image);
    bool writeJpeg(const QString &relativePath, const QImage &image, int quality);

private:
    QDir m_root;
};

// One coloured piece of an object, in a 100 x 100 design box (y down).
struct Part {
    QPainterPath path;
    QColor fill;
    // Details (eyes, windows, spots) only decorate the coloured picture and
    // lie inside the outline, so they never change the silhouette.
    bool detail = false;
    // Whether the piece gets a dark edge; thin strokes and highlights do not.
    bool edged = true;
    // Flat pieces are painted in one colour, the others get soft shading.
    bool flat = false;
};

enum class Backdrop { Meadow, Sky, Sea, Underwater, Night, Pastel, Rain };

struct Shape {
    QString name;            // lower case noun, also the file name
    Backdrop backdrop = Backdrop::Pastel;
    QColor tintA, tintB;     // backdrop colours where the backdrop uses them
    qreal centreX = 0.5;     // where the object stands in the picture, 0..1
    qreal tilt = 0;          // degrees, only in the picture
    bool grounded = false;   // stands on the ground instead of floating
    QList<Part> parts;
};

// Width of the dark edge around the pieces, in design units.
constexpr qreal kEdge = 1.6;

QList<Shape> allShapes();
// Bounding box of the outline shape, edge included.
QRectF outlineBounds(const Shape &shape);

bool writeIcons(Output &out);
bool writePictures(Output &out);
bool writeSounds(Output &out);

} // namespace assets
