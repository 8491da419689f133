#include "teacher/sets/PairPanel.h"

#include "sets/PairNames.h"
#include "sets/SetFolder.h"
#include "teacher/sets/WordBar.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

namespace lumari {

PairPanel::PairPanel(QWidget* parent)
    : QWidget(parent),
      state_(new QLabel(this)),
      name_(new QLineEdit(this)),
      keep_(new QPushButton(tr("Keep this pictogram"), this)),
      other_(new QPushButton(tr("Other pictogram…"), this)),
      image_(new QPushButton(tr("Choose image…"), this)),
      symbol_(new QPushButton(tr("Choose symbol…"), this)),
      fill_(new QCheckBox(tr("Fill the box"), this)),
      remove_(new QPushButton(tr("Remove pair"), this)),
      words_(new WordBar(this))
{
    name_->setMaxLength(kMaxPairNameLength);
    name_->setPlaceholderText(tr("Name of the pair"));
    name_->setAccessibleName(tr("Name of the pair"));
    fill_->setToolTip(tr("Crop the image to fill its box instead of showing it whole on white"));
    state_->setWordWrap(true);
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(tr("Name:"), this), 0, 0);
    layout->addWidget(name_, 0, 1, 1, 3);
    layout->addWidget(fill_, 0, 4);
    layout->addWidget(remove_, 0, 5);
    layout->addWidget(state_, 1, 0, 1, 2);
    layout->addWidget(keep_, 1, 2);
    layout->addWidget(other_, 1, 3);
    layout->addWidget(image_, 1, 4);
    layout->addWidget(symbol_, 1, 5);
    layout->addWidget(words_, 2, 0, 1, 6);
    layout->setColumnStretch(1, 1);

    connect(name_, &QLineEdit::editingFinished, this, [this] {
        if (name_->text() != shownName_) emit renameAsked(name_->text());
    });
    connect(keep_, &QPushButton::clicked, this, &PairPanel::keepPictogram);
    connect(other_, &QPushButton::clicked, this, &PairPanel::otherPictogram);
    connect(image_, &QPushButton::clicked, this, &PairPanel::chooseImage);
    connect(symbol_, &QPushButton::clicked, this, &PairPanel::chooseSymbol);
    connect(fill_, &QCheckBox::toggled, this, &PairPanel::fillChanged);
    connect(remove_, &QPushButton::clicked, this, &PairPanel::removeAsked);
    Show(nullptr, {}, false);
}

void PairPanel::Show(const Pair* pair, const QString& proposed, bool filled)
{
    shownName_ = pair ? pair->name : QString();
    {
        const QSignalBlocker quiet(name_);
        name_->setText(shownName_);
    }
    {
        const QSignalBlocker quiet(fill_);
        fill_->setChecked(filled);
    }
    for (QWidget* w : std::initializer_list<QWidget*>{name_, other_, image_, symbol_, remove_}) w->setEnabled(pair != nullptr);
    fill_->setEnabled(pair != nullptr && !pair->image.isEmpty());
    keep_->setVisible(!proposed.isEmpty());
    if (pair == nullptr)
        state_->setText(tr("Choose a pair in the grid, or drop pictures here."));
    else if (pair->image.isEmpty())
        state_->setText(tr("This pair has no image: choose one, or remove the pair."));
    else if (pair->symbol.isEmpty())
        state_->setText(IsCameraName(pair->name) ? tr("A camera named this picture: type a real name, then choose a pictogram.")
                                                 : tr("This pair has no symbol: choose a pictogram or a picture, or remove the pair."));
    else if (!proposed.isEmpty())
        state_->setText(tr("Proposed pictogram: %1.").arg(proposed));
    else
        state_->setText(IsCameraName(pair->name) ? tr("A camera named this picture: type a real name.") : QString());
}

}  // namespace lumari
