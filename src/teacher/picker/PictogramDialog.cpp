#include "teacher/picker/PictogramDialog.h"

#include "teacher/picker/PictogramLanguages.h"
#include "teacher/picker/PictogramPicker.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace lumari {
namespace {

constexpr int kVariantPixels = 40;

}  // namespace

PictogramDialog::PictogramDialog(const PictogramIndexes& indexes, const QStringList& languages, const QString& word,
                                 QWidget* parent)
    : QDialog(parent),
      indexes_(indexes),
      languages_(languages),
      index_(indexes.For(languages)),
      picker_(new PictogramPicker(*index_, this)),
      variants_(new QListWidget(this)),
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
    variants_->setAccessibleName(tr("Variants"));
    variants_->setViewMode(QListView::IconMode);
    variants_->setFlow(QListView::LeftToRight);
    variants_->setWrapping(false);
    variants_->setIconSize(QSize(kVariantPixels, kVariantPixels));
    variants_->setFixedHeight(kVariantPixels + 2 * fontMetrics().height());
    variants_->hide();
    layout->addWidget(picker_, 1);
    layout->addWidget(variants_);
    layout->addLayout(languagesRow);
    layout->addWidget(buttons_);
    resize(640, 480);

    QPushButton* ok = buttons_->button(QDialogButtonBox::Ok);
    ok->setEnabled(false);
    connect(picker_, &PictogramPicker::picked, ok, &QPushButton::setEnabled);
    connect(picker_, &PictogramPicker::picked, this, &PictogramDialog::ShowVariants);
    connect(variants_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        choice_ = Pictogram{item->data(Qt::UserRole).toString(), item->text()};
        accept();
    });
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

void PictogramDialog::ShowVariants()
{
    variants_->clear();
    const std::optional<Pictogram> picked = picker_->current();
    const std::vector<Pictogram> variants = picked ? index_->Variants(picked->emoji) : std::vector<Pictogram>();
    for (const Pictogram& v : variants) {
        const QImage icon = PictogramPainter::Draw(v.emoji, QSize(kVariantPixels, kVariantPixels) * devicePixelRatioF());
        auto* item = new QListWidgetItem(QIcon(QPixmap::fromImage(icon)), v.name, variants_);
        item->setData(Qt::UserRole, v.emoji);
        item->setToolTip(v.name);
    }
    variants_->setVisible(variants.size() > 1);
}

std::optional<Pictogram> PictogramDialog::Choose(const PictogramIndexes& indexes, const QStringList& languages,
                                                 const QString& word, QWidget* parent)
{
    PictogramDialog dialog(indexes, languages, word, parent);
    return dialog.exec() == QDialog::Accepted ? dialog.choice() : std::nullopt;
}

}  // namespace lumari
