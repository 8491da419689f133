#include "teacher/picker/PictogramPicker.h"

#include "teacher/picker/PictogramLanguages.h"
#include "teacher/picker/PictogramResults.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QVBoxLayout>

namespace lumari {
namespace {

constexpr int kShown = 200;  // more than anyone scrolls through; the rest are found by a longer word
constexpr int kIconPixels = 64;

}  // namespace

PictogramPicker::PictogramPicker(const PictogramIndex& index, QWidget* parent) : QWidget(parent), index_(&index)
{
    auto* layout = new QVBoxLayout(this);
    QStringList missing;
    if (!index_->available()) missing << index_->missing();
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
    connect(grid_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& at) { emit picked(at.isValid()); });
    connect(results_, &QAbstractItemModel::modelReset, this, [this] { emit picked(grid_->currentIndex().isValid()); });

    connect(field_, &QLineEdit::textChanged, this, &PictogramPicker::Search);
    connect(grid_, &QAbstractItemView::activated, this, [this](const QModelIndex& at) { Pick(at.row()); });
}

void PictogramPicker::SetWord(const QString& word)
{
    if (field_) field_->setText(word);
}

void PictogramPicker::SetIndex(const PictogramIndex& index, const QStringList& languages)
{
    languages_ = languages;
    if (!field_ || !index.available()) return;
    index_ = &index;
    Search(field_->text());
}

std::optional<Pictogram> PictogramPicker::current() const
{
    const int row = grid_ ? grid_->currentIndex().row() : -1;
    return row >= 0 && row < results_->rowCount() ? std::optional<Pictogram>(results_->At(row)) : std::nullopt;
}

void PictogramPicker::Search(const QString& typed)
{
    results_->SetMatches(index_->Search(typed, kShown));
    if (results_->rowCount() > 0) grid_->setCurrentIndex(results_->index(0));
    // An empty grid says why, and where it looked.
    const QString word = typed.trimmed();
    const QStringList languages = languages_.isEmpty() ? index_->languages() : languages_;
    nothing_->setText(languages.isEmpty() ? tr("No pictogram for \"%1\"").arg(word)
                                          : tr("No pictogram for \"%1\" in %2").arg(word, LanguageNames(languages)));
    nothing_->setVisible(!word.isEmpty() && results_->rowCount() == 0);
}

QString PictogramPicker::nothingFound() const { return nothing_ && !nothing_->isHidden() ? nothing_->text() : QString(); }

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

}  // namespace lumari
