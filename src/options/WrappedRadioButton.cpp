#include "options/WrappedRadioButton.h"

#include <QLabel>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace lumari {

WrappedRadioButton::WrappedRadioButton(const QString& text, QWidget* parent)
    : QRadioButton(text, parent), caption_(new QLabel(text, this))
{
    caption_->setWordWrap(true);
    caption_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    caption_->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void WrappedRadioButton::paintEvent(QPaintEvent*)
{
    // The indicator and the focus frame only; the label draws the caption.
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QRect focus = style()->subElementRect(QStyle::SE_RadioButtonContents, &option, this);
    option.text.clear();
    painter.drawControl(QStyle::CE_RadioButton, option);
    if (hasFocus()) {
        QStyleOptionFocusRect frame;
        frame.initFrom(this);
        frame.rect = focus.intersected(caption_->geometry().adjusted(-1, 0, 1, 0));
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, frame);
    }
}

void WrappedRadioButton::resizeEvent(QResizeEvent* event)
{
    QRadioButton::resizeEvent(event);
    QStyleOptionButton option;
    initStyleOption(&option);
    caption_->setGeometry(style()->subElementRect(QStyle::SE_RadioButtonContents, &option, this));
}

}  // namespace lumari
