#include "game/ImageBox.h"

#include <QMouseEvent>
#include <QPainter>

namespace lumari {

ImageBox::ImageBox(QWidget* parent) : QWidget(parent) { setFocusPolicy(Qt::NoFocus); }

void ImageBox::setImage(const QImage& image)
{
    image_ = image;
    update();
}

void ImageBox::clearImage()
{
    image_ = QImage();
    update();
}

QSize ImageBox::devicePixelSize() const
{
    const qreal ratio = devicePixelRatioF();
    return QSize(qRound(width() * ratio), qRound(height() * ratio));
}

void ImageBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!image_.isNull()) painter.drawImage(rect(), image_);  // stretched, proportions not kept
    painter.setPen(palette().color(QPalette::WindowText));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void ImageBox::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void ImageBox::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click) emit clicked();
}

void ImageBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    // Not a press: the release that follows makes no second click.
    pressed_ = false;
    event->accept();
}

}  // namespace lumari
