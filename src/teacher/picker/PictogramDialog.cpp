#include "teacher/picker/PictogramDialog.h"

#include "teacher/picker/PictogramLanguages.h"
#include "teacher/picker/PictogramPicker.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace lumari {

PictogramDialog::PictogramDialog(const PictogramIndexes& indexes, const QStringList& languages, const QString& word,
                                 QWidget* parent)
    : QDialog(parent),
      indexes_(indexes),
      languages_(languages),
      index_(indexes.For(languages)),
      picker_(new PictogramPicker(*index_, this)),
      searched_(new QLabel(this)),
      more_(new QComboBox(this)),
      buttons_(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this))
{
    setWindowTitle(tr("Lumari ! – Choose a pictogram"));
    more_->setAccessibleName(tr("Also search in"));
    more_->addItem(tr("Add a language…"));
    for (const QString& code : indexes_.Installed())
        if (!languages_.contains(code)) more_->addItem(LanguageName(code), code);
    auto* languagesRow = new QHBoxLayout;
    languagesRow->addWidget(searched_, 1);
    languagesRow->addWidget(more_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(picker_, 1);
    layout->addLayout(languagesRow);
    layout->addWidget(buttons_);
    resize(640, 480);

    QPushButton* ok = buttons_->button(QDialogButtonBox::Ok);
    ok->setEnabled(false);
    connect(picker_, &PictogramPicker::picked, ok, &QPushButton::setEnabled);
    connect(picker_, &PictogramPicker::chosen, this, [this](const Pictogram& p) { choice_ = p, accept(); });
    connect(buttons_, &QDialogButtonBox::accepted, this, [this] {
        if ((choice_ = picker_->current())) accept();
    });
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(more_, &QComboBox::activated, this, [this](int row) {
        if (row > 0) AddLanguage(more_->itemData(row).toString());
    });
    picker_->SetIndex(*index_, languages_);
    picker_->SetWord(word);
    Search();
    picker_->setFocus();
}

void PictogramDialog::AddLanguage(const QString& code)
{
    if (code.isEmpty() || languages_.contains(code)) return;
    languages_ << code;
    more_->removeItem(more_->findData(code));
    more_->setCurrentIndex(0);
    index_ = indexes_.For(languages_);
    Search();
}

void PictogramDialog::Search()
{
    searched_->setText(tr("Searching in: %1").arg(LanguageNames(languages_)));
    picker_->SetIndex(*index_, languages_);
}

std::optional<Pictogram> PictogramDialog::Choose(const PictogramIndexes& indexes, const QStringList& languages,
                                                 const QString& word, QWidget* parent)
{
    PictogramDialog dialog(indexes, languages, word, parent);
    return dialog.exec() == QDialog::Accepted ? dialog.choice() : std::nullopt;
}

}  // namespace lumari
