#pragma once

#include <QCheckBox>
#include <QString>

class QComboBox;

namespace lumari {

// The drop-down lists and check boxes of the options window behave like the
// classic controls their routines were written for.

// Selects the first entry equal to text without regard to letter case; a
// text that matches no entry is "Invalid property value".
void SetListText(QComboBox* list, const QString& text);
// The shown text: the selected entry's, "" when nothing is selected.
QString ListText(const QComboBox* list);
// Selects an entry by index; -1 selects nothing, any other index outside the
// list is "Invalid property value".
void SetListIndex(QComboBox* list, int index);
// Inserts an entry at an index from 0 to the count ("Invalid procedure call"
// beyond it) without selecting anything: an empty list keeps no selection.
void AddListItem(QComboBox* list, const QString& text, int index);
// Empties the list; like any change the program makes to the entries, this
// raises no click.
void ClearList(QComboBox* list);

// A check box as the classic control: the program may set it greyed (value
// 2), but a click, or Space, gives only checked or unchecked; a greyed box
// becomes checked.
class ClassicCheckBox : public QCheckBox {
public:
    using QCheckBox::QCheckBox;

protected:
    void nextCheckState() override { setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked); }
};

// A check box value: 0 unchecked, 1 checked, 2 greyed.
int CheckValue(const QCheckBox* box);
// Sets a value of 0, 1 or 2; any other is "Invalid property value".
void SetCheckValue(QCheckBox* box, int value);

}  // namespace lumari
