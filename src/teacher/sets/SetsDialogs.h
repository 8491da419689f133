#pragma once

#include "pictograms/Pictograms.h"
#include "teacher/picker/PictogramLanguages.h"

#include <QStringList>

#include <optional>

class QWidget;

namespace lumari {

// The Sets page's own modal dialogs; tests answer them from a script.
class SetsDialogs {
public:
    virtual ~SetsDialogs() = default;
    // Picture files chosen in a file dialog; none when cancelled.
    virtual QStringList ChoosePictures(QWidget* parent, bool many) = 0;
    // A pictogram chosen in the picker, which starts on a word and searches
    // the set's languages (codes, in order); none when cancelled.
    virtual std::optional<Pictogram> ChoosePictogram(QWidget* parent, const QString& word, const QStringList& languages) = 0;
    // The set's word languages in their order, starting from the current
    // ones; none when cancelled.
    virtual std::optional<QStringList> ChooseLanguages(QWidget* parent, const QStringList& current) = 0;
    // What "Play it" does when the set's check found something (one line
    // each); halves: some are half pairs.
    enum class BeforePlay { Cancel, Fix, RemoveHalves, PlayAnyway };
    virtual BeforePlay AskBeforePlaying(QWidget* parent, const QStringList& found, bool halves) = 0;
};

// The file dialog, the pictogram picker, the languages' dialog and a question box.
class QtSetsDialogs : public SetsDialogs {
public:
    QStringList ChoosePictures(QWidget* parent, bool many) override;
    std::optional<Pictogram> ChoosePictogram(QWidget* parent, const QString& word, const QStringList& languages) override;
    std::optional<QStringList> ChooseLanguages(QWidget* parent, const QStringList& current) override;
    BeforePlay AskBeforePlaying(QWidget* parent, const QStringList& found, bool halves) override;

private:
    PictogramIndexes indexes_;  // each set's languages read once
};

}  // namespace lumari
