#pragma once

#include <QWidget>

namespace lumari {

// The scan's frame: a thick, high-contrast border (black inside yellow) laid
// over the framed symbol. It takes no clicks.
class ScanFrame : public QWidget {
    Q_OBJECT
public:
    explicit ScanFrame(QWidget* parent);
    // Around that rectangle of the parent, `thickness` pixels outside it.
    void Around(const QRect& target, int thickness);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int thickness_ = 8;
};

// A ring that fills clockwise from the top as a wait goes on: a dwell on a
// symbol, the held Esc. It takes no clicks.
class FillRing : public QWidget {
    Q_OBJECT
public:
    explicit FillRing(QWidget* parent);
    // Centred on that point of the parent, that wide.
    void Centre(QPoint centre, int diameter);
    // How full, 0 to 1.
    void SetFill(double fill);
    double fill() const { return fill_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double fill_ = 0;
};

}  // namespace lumari
