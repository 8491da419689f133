#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace lumari {

struct Pair;
class WordBar;

// The pair chosen in the grid, with every fix at hand: its name to edit,
// what it lacks, and buttons to choose an image or a symbol, confirm or
// change a proposed pictogram, fill the box, or remove the pair; and its
// recorded word.
class PairPanel : public QWidget {
    Q_OBJECT
public:
    explicit PairPanel(QWidget* parent = nullptr);

    // pair: nullptr when none is chosen. proposed: the name of a pictogram
    // awaiting confirmation, "".
    void Show(const Pair* pair, const QString& proposed, bool filled);

    QLineEdit* nameField() const { return name_; }
    WordBar* words() const { return words_; }

signals:
    void renameAsked(const QString& wanted);
    void chooseImage();
    void chooseSymbol();
    void otherPictogram();
    void keepPictogram();
    void fillChanged(bool fill);
    void removeAsked();

private:
    QLabel* state_;
    QLineEdit* name_;
    QPushButton* keep_;
    QPushButton* other_;
    QPushButton* image_;
    QPushButton* symbol_;
    QCheckBox* fill_;
    QPushButton* remove_;
    WordBar* words_;
    QString shownName_;
};

}  // namespace lumari
