#pragma once

#include <QImage>
#include <QWidget>

namespace lumari {

// A picture without focus that stretches its picture to its whole box, with a
// single-line border; a click on it is reported by clicked(). The second
// press of a double-click is no click: a double-click is one answer.
class ImageBox : public QWidget {
    Q_OBJECT
public:
    explicit ImageBox(QWidget* parent = nullptr);

    void setImage(const QImage& image);
    void clearImage();
    const QImage& image() const { return image_; }
    // The size in device pixels at which a picture fills the box.
    QSize devicePixelSize() const;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QImage image_;
    bool pressed_ = false;
};

}  // namespace lumari
