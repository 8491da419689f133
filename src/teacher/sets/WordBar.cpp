#include "teacher/sets/WordBar.h"

#include "sets/WordRecordings.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace lumari {

WordBar::WordBar(QWidget* parent)
    : QWidget(parent),
      state_(new QLabel(this)),
      record_(new QPushButton(tr("Record"), this)),
      stop_(new QPushButton(tr("Stop"), this)),
      play_(new QPushButton(tr("Play"), this)),
      remove_(new QPushButton(tr("Delete recording"), this))
{
    record_->setToolTip(tr("Records the pair's word from the microphone, heard in the game instead of a synthetic voice"));
    remove_->setToolTip(tr("Moves the recording to the trash"));
    state_->setAccessibleName(tr("Recorded word"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(tr("Word:"), this));
    for (QPushButton* b : {record_, stop_, play_, remove_}) layout->addWidget(b);
    layout->addWidget(state_, 1);
    connect(record_, &QPushButton::clicked, this, &WordBar::record);
    connect(stop_, &QPushButton::clicked, this, &WordBar::stop);
    connect(play_, &QPushButton::clicked, this, &WordBar::play);
    connect(remove_, &QPushButton::clicked, this, &WordBar::remove);
    Show({}, false, State::Idle);
}

void WordBar::Show(const QString& pair, bool recorded, State state, int elapsedMs)
{
    const bool idle = state == State::Idle;
    record_->setEnabled(!pair.isEmpty() && state != State::Recording);
    stop_->setEnabled(!idle);
    play_->setEnabled(!pair.isEmpty() && recorded && idle);
    remove_->setEnabled(!pair.isEmpty() && recorded && idle);
    state_->setStyleSheet(state == State::Recording ? QStringLiteral("color: #c02020; font-weight: bold") : QString());
    if (state == State::Recording)
        state_->setText(tr("● Recording “%1”: %2 s of at most %3 s").arg(pair).arg(elapsedMs / 1000).arg(kLongestRecordingMs / 1000));
    else if (state == State::Playing)
        state_->setText(tr("Playing “%1”…").arg(pair));
    else if (pair.isEmpty())
        state_->clear();
    else
        state_->setText(recorded ? tr("Its word is recorded.") : tr("No recorded word yet: Record, say the word, then Stop."));
}

}  // namespace lumari
