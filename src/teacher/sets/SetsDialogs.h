#pragma once

#include "pictograms/Pictograms.h"

#include <QStringList>

#include <optional>

class QWidget;

namespace lumari {

class PictogramSymbols;

// The Sets page's own modal dialogs; tests answer them from a script.
class SetsDialogs {
public:
    virtual ~SetsDialogs() = default;
    // Picture files chosen in a file dialog; none when cancelled.
    virtual QStringList ChoosePictures(QWidget* parent, bool many) = 0;
    // A pictogram chosen in the picker, which starts on a word; none when cancelled.
    virtual std::optional<Pictogram> ChoosePictogram(QWidget* parent, const QString& word) = 0;
};

// The file dialog and the pictogram picker.
class QtSetsDialogs : public SetsDialogs {
public:
    explicit QtSetsDialogs(const PictogramSymbols& symbols) : symbols_(symbols) {}
    QStringList ChoosePictures(QWidget* parent, bool many) override;
    std::optional<Pictogram> ChoosePictogram(QWidget* parent, const QString& word) override;

private:
    const PictogramSymbols& symbols_;
};

}  // namespace lumari
