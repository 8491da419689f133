#pragma once

#include "pictograms/Pictograms.h"

#include <QDialog>

#include <memory>
#include <optional>

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QListWidget;

namespace lumari {

class PictogramIndexes;
class PictogramPicker;

// The picker as a dialog: it searches the set's languages, and any other the
// adult adds for this search; OK takes the pictogram picked, as Enter or a
// double click does; Cancel takes none. Below the results, the skin-tone and
// gender variants of the pictogram picked, a click on one taking it.
class PictogramDialog : public QDialog {
    Q_OBJECT
public:
    // indexes must outlive the dialog.
    PictogramDialog(const PictogramIndexes& indexes, const QStringList& languages, const QString& word,
                    QWidget* parent = nullptr);

    // The pictogram taken, once accepted.
    std::optional<Pictogram> choice() const { return choice_; }
    QStringList languages() const { return languages_; }
    // Searches one more language.
    void AddLanguage(const QString& code);

    // Shown modally: the pictogram taken, or none when cancelled.
    static std::optional<Pictogram> Choose(const PictogramIndexes& indexes, const QStringList& languages,
                                           const QString& word, QWidget* parent);

private:
    void Search();
    void ShowVariants();

    const PictogramIndexes& indexes_;
    QStringList languages_;
    std::shared_ptr<const PictogramIndex> index_;
    std::optional<Pictogram> choice_;
    PictogramPicker* picker_;
    QListWidget* variants_;
    QLabel* searched_;
    QComboBox* more_;
    QDialogButtonBox* buttons_;
};

}  // namespace lumari
