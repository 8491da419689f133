#include "game/SpeakerPicture.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace lumari {

SpeakerPicture::SpeakerPicture(QWidget* box) : QWidget(box)
{
    setObjectName(QStringLiteral("speaker"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setGeometry(box->rect());
    box->installEventFilter(this);
    show();
}

bool SpeakerPicture::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parent() && event->type() == QEvent::Resize) setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

void SpeakerPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);

    // Drawn in a square of 100 units at the box's centre, as large as the box allows.
    const qreal side = std::min(width(), height()) * 0.8;
    painter.translate(width() / 2.0, height() / 2.0);
    painter.scale(side / 100, side / 100);
    const QColor ink(0x23, 0x2b, 0x3a);

    QPainterPath speaker;
    speaker.addRoundedRect(QRectF(-44, -14, 18, 28), 3, 3);
    speaker.moveTo(-26, -14);
    speaker.lineTo(-4, -34);
    speaker.lineTo(-4, 34);
    speaker.lineTo(-26, 14);
    speaker.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawPath(speaker.simplified());

    // Three waves spreading from the cone.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(ink, 6, Qt::SolidLine, Qt::RoundCap));
    for (const qreal radius : {14.0, 28.0, 42.0})
        painter.drawArc(QRectF(-radius, -radius, 2 * radius, 2 * radius), -45 * 16, 90 * 16);

    // The box's single-line border, as the photo's.
    painter.resetTransform();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace lumari
