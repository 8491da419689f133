#include "teacher/sets/SetLanguagesDialog.h"

#include "teacher/picker/PictogramLanguages.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace lumari {
namespace {

constexpr int kCodeRole = Qt::UserRole;

}  // namespace

SetLanguagesDialog::SetLanguagesDialog(const QStringList& chosen, const QStringList& installed, QWidget* parent)
    : QDialog(parent), list_(new QListWidget(this)), add_(new QComboBox(this))
{
    setWindowTitle(tr("Lumari ! – Languages of the set"));
    list_->setAccessibleName(tr("Languages of the set"));
    for (const QString& code : chosen) {
        auto* item = new QListWidgetItem(LanguageName(code), list_);
        item->setData(kCodeRole, code);
    }
    list_->setCurrentRow(0);
    add_->setAccessibleName(tr("Add a language"));
    add_->addItem(tr("Add a language…"));
    for (const QString& code : installed)
        if (!chosen.contains(code)) add_->addItem(LanguageName(code), code);
    auto* up = new QPushButton(tr("Up"), this);
    auto* down = new QPushButton(tr("Down"), this);
    auto* remove = new QPushButton(tr("Remove"), this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);

    auto* explain = new QLabel(tr("The pairs' names are words in these languages. Pictograms are searched in all of them; "
                                  "the first gives their names."),
                               this);
    explain->setWordWrap(true);
    auto* layout = new QGridLayout(this);
    layout->addWidget(explain, 0, 0, 1, 2);
    layout->addWidget(list_, 1, 0, 4, 1);
    layout->addWidget(up, 1, 1);
    layout->addWidget(down, 2, 1);
    layout->addWidget(remove, 3, 1);
    layout->setRowStretch(4, 1);
    layout->addWidget(add_, 5, 0, 1, 2);
    layout->addWidget(buttons, 6, 0, 1, 2);

    connect(up, &QPushButton::clicked, this, [this] { Move(-1); });
    connect(down, &QPushButton::clicked, this, [this] { Move(+1); });
    connect(remove, &QPushButton::clicked, this, &SetLanguagesDialog::Remove);
    connect(add_, &QComboBox::activated, this, &SetLanguagesDialog::Add);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // A set searches at least one language.
    const auto enable = [this, buttons, remove] {
        buttons->button(QDialogButtonBox::Ok)->setEnabled(list_->count() > 0);
        remove->setEnabled(list_->count() > 1);
    };
    connect(list_->model(), &QAbstractItemModel::rowsInserted, this, enable);
    connect(list_->model(), &QAbstractItemModel::rowsRemoved, this, enable);
    enable();
}

QStringList SetLanguagesDialog::chosen() const
{
    QStringList codes;
    for (int row = 0; row < list_->count(); ++row) codes << list_->item(row)->data(kCodeRole).toString();
    return codes;
}

void SetLanguagesDialog::Move(int by)
{
    const int row = list_->currentRow(), to = row + by;
    if (row < 0 || to < 0 || to >= list_->count()) return;
    list_->insertItem(to, list_->takeItem(row));
    list_->setCurrentRow(to);
}

void SetLanguagesDialog::Add(int row)
{
    if (row <= 0) return;
    auto* item = new QListWidgetItem(add_->itemText(row), list_);
    item->setData(kCodeRole, add_->itemData(row));
    add_->removeItem(row);
    add_->setCurrentIndex(0);
    list_->setCurrentItem(item);
}

void SetLanguagesDialog::Remove()
{
    const int row = list_->currentRow();
    if (row < 0 || list_->count() < 2) return;
    QListWidgetItem* item = list_->takeItem(row);
    add_->addItem(item->text(), item->data(kCodeRole));
    delete item;
}

}  // namespace lumari
