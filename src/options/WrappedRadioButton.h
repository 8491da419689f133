#pragma once

#include <QRadioButton>

class QLabel;

namespace lumari {

// An option button whose caption wraps onto several lines within its box,
// as the classic option button does; QRadioButton draws one line only. The
// caption is drawn by a word-wrapped label beside the indicator that lets
// mouse clicks through, so the button is one control for clicks, keys and
// focus, and text() is its caption.
class WrappedRadioButton : public QRadioButton {
    Q_OBJECT
public:
    WrappedRadioButton(const QString& text, QWidget* parent);

    QLabel* captionLabel() const { return caption_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QLabel* caption_;
};

}  // namespace lumari
