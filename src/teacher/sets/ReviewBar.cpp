#include "teacher/sets/ReviewBar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace lumari {

ReviewBar::ReviewBar(QWidget* parent)
    : QWidget(parent),
      left_(new QLabel(this)),
      keep_(new QPushButton(tr("Keep"), this)),
      other_(new QPushButton(tr("Other…"), this)),
      next_(new QPushButton(tr("Next"), this))
{
    keep_->setToolTip(tr("Keeps the proposed pictogram as this pair's symbol"));
    other_->setToolTip(tr("Chooses another pictogram for this pair"));
    next_->setToolTip(tr("Shows the next pictogram to review"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(left_, 1);
    for (QPushButton* b : {keep_, other_, next_}) layout->addWidget(b);
    connect(keep_, &QPushButton::clicked, this, &ReviewBar::keep);
    connect(other_, &QPushButton::clicked, this, &ReviewBar::other);
    connect(next_, &QPushButton::clicked, this, &ReviewBar::next);
    Show(0, false);
}

void ReviewBar::Show(int left, bool onOne)
{
    left_->setText(left == 1 ? tr("1 pictogram to review") : tr("%1 pictograms to review").arg(left));
    keep_->setEnabled(onOne);
    other_->setEnabled(onOne);
    setVisible(left > 0);
}

}  // namespace lumari
