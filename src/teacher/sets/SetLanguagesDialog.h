#pragma once

#include <QDialog>
#include <QStringList>

class QComboBox;
class QListWidget;

namespace lumari {

// Chooses a set's word languages and their order: the first that names a
// pictogram gives its name, and every one is searched for a pair's word.
class SetLanguagesDialog : public QDialog {
    Q_OBJECT
public:
    // installed: the languages that can be added (codes).
    SetLanguagesDialog(const QStringList& chosen, const QStringList& installed, QWidget* parent = nullptr);

    // The languages in their order, as codes.
    QStringList chosen() const;

private:
    void Move(int by);
    void Add(int row);
    void Remove();

    QListWidget* list_;
    QComboBox* add_;
};

}  // namespace lumari
