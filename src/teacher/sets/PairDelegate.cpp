#include "teacher/sets/PairDelegate.h"

#include "teacher/sets/PairListModel.h"

#include <QApplication>
#include <QPainter>

namespace lumari {
namespace {

constexpr int kMargin = 6;
constexpr int kGap = 6;
constexpr int kNameHeight = 22;

QRect ImageBox(const QRect& cell) { return {cell.topLeft() + QPoint(kMargin, kMargin), PairListModel::kImageThumb}; }

QRect SymbolBox(const QRect& cell)
{
    const QRect image = ImageBox(cell);
    return {QPoint(image.right() + 1 + kGap, image.top()), PairListModel::kSymbolThumb};
}

QRect NameBox(const QRect& cell)
{
    const QRect image = ImageBox(cell);
    return {image.left(), image.bottom() + 1 + kGap / 2, cell.width() - 2 * kMargin, kNameHeight};
}

void DrawSide(QPainter* p, const QRect& box, const QVariant& thumbnail, bool lacking, const QString& lackText)
{
    if (lacking) {
        p->setPen(QPen(QColor(200, 60, 60), 1, Qt::DashLine));
        p->setBrush(Qt::NoBrush);
        p->drawRect(box.adjusted(0, 0, -1, -1));
        p->drawText(box, Qt::AlignCenter | Qt::TextWordWrap, lackText);
        return;
    }
    const QImage image = thumbnail.value<QImage>();
    if (image.isNull())
        p->fillRect(box, QColor(235, 235, 235));  // being made
    else
        p->drawImage(box, image);
}

// A small loudspeaker: the pair's word is recorded.
void DrawRecorded(QPainter* p, const QRect& box)
{
    p->setRenderHint(QPainter::Antialiasing);
    p->setPen(Qt::NoPen);
    p->setBrush(QColor(30, 130, 70));
    p->drawEllipse(box);
    const QPointF c = QRectF(box).center();
    const qreal u = box.width() / 16.0;
    p->setBrush(Qt::white);
    p->drawPolygon(QPolygonF{{c.x() - 5 * u, c.y() - 2 * u}, {c.x() - 2 * u, c.y() - 2 * u}, {c.x() + 2 * u, c.y() - 5 * u},
                             {c.x() + 2 * u, c.y() + 5 * u}, {c.x() - 2 * u, c.y() + 2 * u}, {c.x() - 5 * u, c.y() + 2 * u}});
    p->setPen(QPen(Qt::white, 1.2 * u));
    p->setBrush(Qt::NoBrush);
    p->drawArc(QRectF(c.x() - 1 * u, c.y() - 4 * u, 7 * u, 8 * u), -50 * 16, 100 * 16);
}

}  // namespace

QSize PairDelegate::CellSize()
{
    return {2 * kMargin + PairListModel::kImageThumb.width() + kGap + PairListModel::kSymbolThumb.width(),
            2 * kMargin + PairListModel::kImageThumb.height() + kGap / 2 + kNameHeight};
}

QSize PairDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const { return CellSize(); }

void PairDelegate::paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    p->save();
    p->setRenderHint(QPainter::SmoothPixmapTransform);
    const QRect cell = option.rect;
    const QPalette& palette = option.palette;
    if (option.state & QStyle::State_Selected) p->fillRect(cell, palette.highlight().color().lighter(160));

    DrawSide(p, ImageBox(cell), index.data(PairListModel::ImageRole), index.data(PairListModel::LacksImageRole).toBool(),
             tr("no image"));
    DrawSide(p, SymbolBox(cell), index.data(PairListModel::SymbolRole),
             index.data(PairListModel::LacksSymbolRole).toBool(), tr("no symbol"));

    if (!index.data(PairListModel::ProposedRole).toString().isEmpty()) {
        // Proposed, not yet confirmed.
        const QRect badge(SymbolBox(cell).topRight() - QPoint(17, -2), QSize(16, 16));
        p->setPen(Qt::NoPen);
        p->setBrush(QColor(40, 110, 200));
        p->drawEllipse(badge);
        p->setPen(Qt::white);
        p->drawText(badge, Qt::AlignCenter, QStringLiteral("?"));
    }

    if (index.data(PairListModel::RecordedRole).toBool())
        DrawRecorded(p, QRect(ImageBox(cell).bottomLeft() + QPoint(3, -19), QSize(16, 16)));

    QFont font = option.font;
    const bool unnamed = index.data(PairListModel::UnnamedRole).toBool();
    font.setItalic(unnamed);
    p->setFont(font);
    p->setPen(unnamed ? QColor(190, 40, 40) : palette.text().color());
    const QString name = index.data(Qt::DisplayRole).toString();
    const QString shown = unnamed ? tr("%1 – give it a name").arg(name) : name;
    p->drawText(NameBox(cell), Qt::AlignLeft | Qt::AlignVCenter,
                QFontMetrics(font).elidedText(shown, Qt::ElideMiddle, NameBox(cell).width()));
    p->restore();
}

void PairDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option, const QModelIndex&) const
{
    editor->setGeometry(NameBox(option.rect));
}

}  // namespace lumari
