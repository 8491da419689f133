#pragma once

#include <QStyledItemDelegate>

namespace lumari {

// Draws a pair in the grid: the image's thumbnail, the symbol's beside it,
// the name below; a missing side as an empty dashed box, a camera's name in
// red, a proposed pictogram with a question mark. The name is edited in place.
class PairDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    static QSize CellSize();

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace lumari
