#include "teacher/picker/PictogramPicker.h"

#include "teacher/picker/PictogramResults.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QLocale>
#include <QVBoxLayout>

namespace lumari {
namespace {

constexpr int kShown = 200;  // more than anyone scrolls through; the rest are found by a longer word
constexpr int kIconPixels = 64;

}  // namespace

PictogramPicker::PictogramPicker(const PictogramIndex& index, QWidget* parent) : QWidget(parent), index_(index)
{
    auto* layout = new QVBoxLayout(this);
    QStringList missing;
    if (!index_.available()) missing << index_.missing();
    if (!PictogramPainter::FontAvailable()) missing << PictogramPainter::Missing();
    missing_ = missing.join(QLatin1Char('\n'));
    if (!missing_.isEmpty()) {
        auto* label = new QLabel(missing_, this);
        label->setWordWrap(true);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        layout->addWidget(label);
        layout->addStretch();
        return;
    }

    field_ = new QLineEdit(this);
    field_->setPlaceholderText(tr("Type a word, for example: cat"));
    field_->setAccessibleName(tr("Word of the pictogram"));
    field_->setClearButtonEnabled(true);
    field_->installEventFilter(this);

    results_ = new PictogramResults(kIconPixels, devicePixelRatioF(), this);
    grid_ = new QListView(this);
    grid_->setAccessibleName(tr("Pictograms found"));
    grid_->setViewMode(QListView::IconMode);
    grid_->setResizeMode(QListView::Adjust);
    grid_->setMovement(QListView::Static);
    grid_->setWordWrap(true);  // a name of two or three words shows whole
    grid_->setTextElideMode(Qt::ElideRight);
    grid_->setIconSize(QSize(kIconPixels, kIconPixels));
    grid_->setGridSize(QSize(kIconPixels + 40, kIconPixels + 2 * fontMetrics().height() + 12));
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setModel(results_);

    nothing_ = new QLabel(this);
    nothing_->setWordWrap(true);
    nothing_->hide();

    layout->addWidget(field_);
    layout->addWidget(nothing_);
    layout->addWidget(grid_, 1);
    setFocusProxy(field_);

    connect(field_, &QLineEdit::textChanged, this, &PictogramPicker::Search);
    connect(grid_, &QAbstractItemView::activated, this, [this](const QModelIndex& at) { Pick(at.row()); });
}

void PictogramPicker::SetWord(const QString& word)
{
    if (field_) field_->setText(word);
}

void PictogramPicker::Search(const QString& typed)
{
    results_->SetMatches(index_.Search(typed, kShown));
    if (results_->rowCount() > 0) grid_->setCurrentIndex(results_->index(0));
    // An empty grid alone would look like a picker still at work.
    QStringList languages;
    for (const QString& code : index_.languages()) languages << QLocale::languageToString(QLocale(code).language());
    const bool nothing = results_->rowCount() == 0 && !typed.trimmed().isEmpty();
    nothing_->setText(nothing ? tr("No pictogram has the word “%1” in %2.").arg(typed.trimmed(), languages.join(QStringLiteral(", "))) : QString());
    nothing_->setVisible(nothing);
}

QString PictogramPicker::nothingFound() const { return nothing_ ? nothing_->text() : QString(); }

void PictogramPicker::Pick(int row)
{
    if (row >= 0 && row < results_->rowCount()) emit chosen(results_->At(row));
}

bool PictogramPicker::eventFilter(QObject* watched, QEvent* event)
{
    // From the field, Enter takes the pictogram shown first, and Down goes
    // to the grid, where the arrows move and Enter takes the one picked.
    if (watched == field_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) return Pick(grid_->currentIndex().row()), true;
        if (key == Qt::Key_Down || key == Qt::Key_PageDown) return grid_->setFocus(), true;
    }
    return QWidget::eventFilter(watched, event);
}

std::optional<Pictogram> PictogramPicker::Choose(const PictogramIndex& index, const QString& word, QWidget* parent)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(tr("Lumari ! – Choose a pictogram"));
    auto* picker = new PictogramPicker(index, &dialog);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, &dialog);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(picker);
    layout->addWidget(buttons);
    dialog.resize(640, 480);
    std::optional<Pictogram> choice;
    connect(picker, &PictogramPicker::chosen, &dialog, [&](const Pictogram& p) { choice = p, dialog.accept(); });
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    picker->SetWord(word);
    picker->setFocus();
    return dialog.exec() == QDialog::Accepted ? choice : std::nullopt;
}

}  // namespace lumari
