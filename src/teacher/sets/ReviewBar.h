#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

namespace lumari {

// Above the grid while pictograms proposed for the set await the adult:
// how many are left, and the steps through them: Keep the one shown, choose
// Other… in the picker, or go to the Next.
class ReviewBar : public QWidget {
    Q_OBJECT
public:
    explicit ReviewBar(QWidget* parent = nullptr);

    // left: the proposals awaiting review; none hides the bar. onOne: the
    // pair chosen in the grid is one of them.
    void Show(int left, bool onOne);

signals:
    void keep();
    void other();
    void next();

private:
    QLabel* left_;
    QPushButton* keep_;
    QPushButton* other_;
    QPushButton* next_;
};

}  // namespace lumari
