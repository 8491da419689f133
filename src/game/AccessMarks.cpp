#include "game/AccessMarks.h"

#include <QPainter>

#include <algorithm>

namespace lumari {

ScanFrame::ScanFrame(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("scanFrame"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void ScanFrame::Around(const QRect& target, int thickness)
{
    thickness_ = thickness;
    setGeometry(target.adjusted(-thickness, -thickness, thickness, thickness));
    // Only the border is ours: the symbol stays visible and clickable through it.
    setMask(QRegion(rect()).subtracted(QRegion(rect().adjusted(thickness, thickness, -thickness, -thickness))));
    update();
}

void ScanFrame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(255, 214, 0));  // yellow outside
    const int inner = std::max(2, thickness_ / 3);
    const QRect dark = rect().adjusted(thickness_ - inner, thickness_ - inner, inner - thickness_, inner - thickness_);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);  // black against the picture
    painter.drawRect(QRect(dark.left(), dark.top(), dark.width(), inner));
    painter.drawRect(QRect(dark.left(), dark.bottom() - inner + 1, dark.width(), inner));
    painter.drawRect(QRect(dark.left(), dark.top(), inner, dark.height()));
    painter.drawRect(QRect(dark.right() - inner + 1, dark.top(), inner, dark.height()));
}

FillRing::FillRing(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_TranslucentBackground);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void FillRing::Centre(QPoint centre, int diameter)
{
    setGeometry(centre.x() - diameter / 2, centre.y() - diameter / 2, diameter, diameter);
}

void FillRing::SetFill(double fill)
{
    fill_ = std::clamp(fill, 0.0, 1.0);
    update();
}

void FillRing::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const int pen = std::max(6, width() / 8);
    const QRectF circle = QRectF(rect()).adjusted(pen / 2.0, pen / 2.0, -pen / 2.0, -pen / 2.0);
    painter.setPen(QPen(QColor(0, 0, 0, 150), pen));
    painter.drawEllipse(circle);
    painter.setPen(QPen(QColor(255, 214, 0), pen * 0.7, Qt::SolidLine, Qt::FlatCap));
    painter.drawArc(circle, 90 * 16, -qRound(fill_ * 360 * 16));
}

}  // namespace lumari
