#pragma once

#include "pictograms/Pictograms.h"

#include <QMetaType>
#include <QWidget>

#include <optional>

class QLabel;
class QLineEdit;
class QListView;

Q_DECLARE_METATYPE(lumari::Pictogram)

namespace lumari {

class PictogramResults;

// Finds a pictogram by its word: a search field and a grid of the pictograms
// found, updated at each keystroke, or why none is. Enter or a double click chooses one. When
// the words or the font are missing it says which package to install.
class PictogramPicker : public QWidget {
    Q_OBJECT
public:
    // The index must outlive the picker.
    explicit PictogramPicker(const PictogramIndex& index, QWidget* parent = nullptr);

    // Shows the pictograms found by a word, as if the adult had typed it.
    void SetWord(const QString& word);
    // Searches another index from now on (one of more languages): its
    // languages' codes name them when a word matches nothing.
    void SetIndex(const PictogramIndex& index, const QStringList& languages);
    // The pictogram picked in the grid, if any.
    std::optional<Pictogram> current() const;
    // What stands instead of the search when it cannot work; "" when it can.
    QString missing() const { return missing_; }
    // What the picker says when the word typed matches nothing; "" otherwise.
    QString nothingFound() const;

signals:
    void chosen(lumari::Pictogram pictogram);
    void picked(bool any);  // whether a pictogram is picked in the grid

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Search(const QString& typed);
    void Pick(int row);

    const PictogramIndex* index_;
    QStringList languages_;
    QString missing_;
    QLineEdit* field_ = nullptr;
    QLabel* nothing_ = nullptr;
    QListView* grid_ = nullptr;
    PictogramResults* results_ = nullptr;
};

}  // namespace lumari
