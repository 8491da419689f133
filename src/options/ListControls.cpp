#include "options/ListControls.h"

#include "platform/RuntimeError.h"

#include <QCheckBox>
#include <QComboBox>
#include <QSignalBlocker>

namespace lumari {

void SetListText(QComboBox* list, const QString& text)
{
    for (int i = 0; i < list->count(); ++i) {
        if (list->itemText(i).compare(text, Qt::CaseInsensitive) == 0) {
            list->setCurrentIndex(i);
            return;
        }
    }
    throw RuntimeError(err::InvalidPropertyValue);
}

QString ListText(const QComboBox* list)
{
    return list->currentIndex() < 0 ? QString() : list->itemText(list->currentIndex());
}

void SetListIndex(QComboBox* list, int index)
{
    if (index < -1 || index >= list->count()) throw RuntimeError(err::InvalidPropertyValue);
    list->setCurrentIndex(index);
}

void AddListItem(QComboBox* list, const QString& text, int index)
{
    if (index < 0 || index > list->count()) throw RuntimeError(err::InvalidCall);
    const int selected = list->currentIndex();
    // Qt selects the first entry added to an empty list; the program's lists
    // only change their selection when told to.
    const QSignalBlocker quiet(list);
    list->insertItem(index, text);
    list->setCurrentIndex(selected < 0 ? -1 : (index <= selected ? selected + 1 : selected));
}

void ClearList(QComboBox* list)
{
    const QSignalBlocker quiet(list);
    list->clear();
}

int CheckValue(const QCheckBox* box)
{
    switch (box->checkState()) {
    case Qt::Checked: return 1;
    case Qt::PartiallyChecked: return 2;
    default: return 0;
    }
}

void SetCheckValue(QCheckBox* box, int value)
{
    switch (value) {
    case 0: box->setCheckState(Qt::Unchecked); break;
    case 1: box->setCheckState(Qt::Checked); break;
    case 2: box->setCheckState(Qt::PartiallyChecked); break;
    default: throw RuntimeError(err::InvalidPropertyValue);
    }
}

}  // namespace lumari
