#include "teacher/sets/SetsPage.h"

#include "platform/Failure.h"
#include "platform/Services.h"
#include "platform/WavFile.h"
#include "settings/StoredKeys.h"
#include "state/CreaSet.h"
#include "sets/PictureImport.h"
#include "sets/RemovePairCommand.h"
#include "sets/SetCheck.h"
#include "sets/SetInfo.h"
#include "sets/WordRecordings.h"
#include "teacher/picker/PictogramLanguages.h"
#include "teacher/sets/DeleteRecordingCommand.h"
#include "teacher/sets/PairDelegate.h"
#include "teacher/sets/PairPanel.h"
#include "teacher/sets/ReviewBar.h"
#include "teacher/sets/SetsDialogs.h"
#include "teacher/sets/WordBar.h"
#include "sets/SymbolMaker.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMimeData>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSet>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace lumari {
namespace {

constexpr int kShownProblems = 12;

QStringList LocalFiles(const QMimeData* data)
{
    QStringList paths;
    if (data == nullptr) return paths;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile()) paths << url.toLocalFile();
    return paths;
}

int ProposalsLeft(const PairListModel& model)
{
    return int(std::count_if(model.pairs().begin(), model.pairs().end(), [&](const Pair& p) { return model.Proposed(p.name).has_value(); }));
}

}  // namespace

SetsPage::SetsPage(const Services& services, Notifier& notifier, const SymbolMaker& symbols, SetsDialogs& dialogs,
                   QString gameProgram, SoundInput& microphone, QWidget* parent)
    : QWidget(parent),
      services_(services),
      notifier_(notifier),
      symbols_(symbols),
      dialogs_(dialogs),
      gameProgram_(std::move(gameProgram)),
      model_(thumbnails_),
      recorder_(microphone),
      sets_(new QListWidget(this)),
      title_(new QLabel(this)),
      note_(new QLabel(this)),
      words_(new QLabel(this)),
      languages_(new QPushButton(tr("Languages…"), this)),
      review_(new ReviewBar(this)),
      add_(new QPushButton(tr("Add pictures…"), this)),
      play_(new QPushButton(tr("Play it"), this)),
      progress_(new QProgressBar(this)),
      cancel_(new QPushButton(tr("Cancel"), this)),
      grid_(new QListView(this)),
      panel_(new PairPanel(this))
{
    setAcceptDrops(true);
    auto* newSet = new QPushButton(tr("New set…"), this);
    auto* renameSet = new QPushButton(tr("Rename…"), this);
    auto* deleteSet = new QPushButton(tr("Delete"), this);
    deleteSet->setToolTip(tr("Moves the set to the trash"));
    play_->setToolTip(tr("Starts Lumari ! with this set, as the learner will see it"));
    sets_->setAccessibleName(tr("Sets"));
    sets_->setMaximumWidth(260);
    QFont bold = title_->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    title_->setFont(bold);
    note_->setWordWrap(true);
    progress_->setVisible(false);
    cancel_->setVisible(false);

    grid_->setModel(&model_);
    grid_->setItemDelegate(new PairDelegate(grid_));
    grid_->setViewMode(QListView::IconMode);
    grid_->setResizeMode(QListView::Adjust);
    grid_->setMovement(QListView::Static);
    grid_->setUniformItemSizes(true);
    grid_->setGridSize(PairDelegate::CellSize() + QSize(8, 8));
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    grid_->setAccessibleName(tr("Pairs"));

    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel(tr("Sets"), this));
    left->addWidget(sets_, 1);
    auto* setButtons = new QHBoxLayout;
    for (QPushButton* b : {newSet, renameSet, deleteSet}) setButtons->addWidget(b);
    left->addLayout(setButtons);

    auto* top = new QHBoxLayout;
    top->addWidget(title_, 1);
    top->addWidget(add_);
    top->addWidget(play_);
    auto* busy = new QHBoxLayout;
    busy->addWidget(progress_, 1);
    busy->addWidget(cancel_);
    auto* right = new QVBoxLayout;
    right->addLayout(top);
    auto* words = new QHBoxLayout;
    words->addWidget(words_);
    words->addWidget(languages_);
    words->addStretch(1);
    right->addLayout(words);
    right->addWidget(note_);
    right->addWidget(review_);
    right->addLayout(busy);
    right->addWidget(grid_, 1);
    right->addWidget(panel_);

    auto* page = new QHBoxLayout(this);
    page->addLayout(left);
    page->addLayout(right, 1);

    refresh_.setSingleShot(true);
    refresh_.setInterval(500);
    connect(&refresh_, &QTimer::timeout, this, &SetsPage::RefreshPairs);
    connect(sets_, &QListWidget::currentRowChanged, this, &SetsPage::ShowSet);
    connect(newSet, &QPushButton::clicked, this, &SetsPage::NewSet);
    connect(renameSet, &QPushButton::clicked, this, &SetsPage::RenameCurrentSet);
    connect(deleteSet, &QPushButton::clicked, this, &SetsPage::DeleteCurrentSet);
    connect(play_, &QPushButton::clicked, this, &SetsPage::PlayIt);
    connect(add_, &QPushButton::clicked, this, [this] {
        const QStringList files = dialogs_.ChoosePictures(this, true);
        if (!files.isEmpty()) AddPictures(files);
    });
    connect(cancel_, &QPushButton::clicked, this, [this] {
        if (batch_) batch_->Cancel();
    });
    connect(grid_->selectionModel(), &QItemSelectionModel::currentChanged, this, &SetsPage::ShowChosenPair);
    connect(&model_, &QAbstractItemModel::modelReset, this, &SetsPage::ShowChosenPair);
    connect(&model_, &QAbstractItemModel::dataChanged, this, &SetsPage::ShowChosenPair);
    // After the grid has closed its editor: a rename shows the set anew, which would take the editor away first.
    connect(&model_, &PairListModel::renameAsked, this, &SetsPage::RenamePair, Qt::QueuedConnection);
    connect(panel_, &PairPanel::renameAsked, this, [this](const QString& wanted) {
        RenamePair(grid_->currentIndex().row(), wanted);
    });
    connect(panel_, &PairPanel::chooseImage, this, [this] { ChooseSide(Side::Image); });
    connect(panel_, &PairPanel::chooseSymbol, this, [this] { ChooseSide(Side::Symbol); });
    connect(panel_, &PairPanel::otherPictogram, this, &SetsPage::OtherPictogram);
    connect(panel_, &PairPanel::keepPictogram, this, &SetsPage::KeepPictogram);
    languages_->setToolTip(tr("The languages of the pairs' names, searched for their pictograms"));
    connect(languages_, &QPushButton::clicked, this, &SetsPage::ChooseLanguages);
    connect(review_, &ReviewBar::keep, this, [this] { KeepPictogram(), NextToReview(); });
    connect(review_, &ReviewBar::other, this, &SetsPage::OtherPictogram);
    connect(review_, &ReviewBar::next, this, &SetsPage::NextToReview);
    connect(panel_, &PairPanel::fillChanged, this, &SetsPage::FillBox);
    connect(panel_, &PairPanel::removeAsked, this, &SetsPage::RemovePair);
    connect(panel_->words(), &WordBar::record, this, &SetsPage::Record);
    connect(panel_->words(), &WordBar::stop, this, &SetsPage::StopWord);
    connect(panel_->words(), &WordBar::play, this, &SetsPage::PlayWord);
    connect(panel_->words(), &WordBar::remove, this, &SetsPage::DeleteWord);
    connect(&recorder_, &WordRecorder::progressed, this, &SetsPage::ShowWord);
    connect(&recorder_, &WordRecorder::finished, this, &SetsPage::Recorded);
    playing_.setSingleShot(true);
    connect(&playing_, &QTimer::timeout, this, &SetsPage::ShowWord);

    ReloadSets(stored::ImagesSet.Get(services_.settings));
}

SetsPage::~SetsPage()
{
    closing_ = true;
    StopWord();  // a word being recorded is kept
    batch_.reset();
    work_.waitForDone();
}

QString SetsPage::currentSet() const { return folder_ ? folder_->set() : QString(); }

void SetsPage::Tell(Severity severity, const QString& text)
{
    if (!closing_) notifier_.Tell(severity, text, tr("Lumari ! for teachers"));
}

void SetsPage::SelectSet(const QString& name)
{
    for (int row = 0; row < sets_->count(); ++row)
        if (sets_->item(row)->data(Qt::UserRole).toString().compare(name, Qt::CaseInsensitive) == 0)
            return sets_->setCurrentRow(row);
}

void SetsPage::ReloadSets(const QString& select)
{
    const QSignalBlocker quiet(sets_);
    sets_->clear();
    for (const SetSummary& set : ListSets(services_.files)) {
        QString text = tr("%1 (%n pairs)", nullptr, set.pairs).arg(set.name);
        if (set.halves > 0) text += QStringLiteral("  ⚠");
        auto* item = new QListWidgetItem(text, sets_);
        item->setData(Qt::UserRole, set.name);
        item->setData(Qt::UserRole + 1, set.images);
        if (set.halves > 0) item->setToolTip(tr("%n pictures lack their counterpart", nullptr, set.halves));
    }
    sets_->setCurrentRow(-1);
    SelectSet(select);
    ShowSet();
}

void SetsPage::ShowSet()
{
    StopWord();  // a word being recorded is kept in its set
    QListWidgetItem* item = sets_->currentItem();
    // The model compares the new set with the one it shows: the old folder
    // lives until it has.
    const std::unique_ptr<SetFolder> shown = std::move(folder_);
    if (item != nullptr) folder_ = std::make_unique<SetFolder>(services_.files, item->data(Qt::UserRole).toString());
    model_.Show(folder_.get(), folder_ ? folder_->Pairs() : QList<Pair>());
    title_->setText(folder_ ? folder_->set() : tr("No set chosen"));
    for (QWidget* w : std::initializer_list<QWidget*>{add_, play_, languages_}) w->setEnabled(folder_ != nullptr);
    const int images = item ? item->data(Qt::UserRole + 1).toInt() : 0;
    note_->setText(images > 1000 ? tr("This set has %1 images: the game shows only the first 1000.").arg(images) : QString());
    note_->setVisible(!note_->text().isEmpty());
    originals_.clear();
    filled_.clear();
    ShowInfo();
}

// Reads the set's pairs again, keeping the chosen pair and the scrolled place.
void SetsPage::RefreshPairs()
{
    if (!folder_) return;
    const Pair* chosen = ChosenPair();
    const QString name = chosen ? chosen->name : QString();
    const int scrolled = grid_->verticalScrollBar()->value();
    model_.Show(folder_.get(), folder_->Pairs());
    const int row = model_.RowOf(name);
    if (row >= 0) grid_->setCurrentIndex(model_.index(row));
    grid_->verticalScrollBar()->setValue(scrolled);
    ShowInfo();
    // The counts in the list follow.
    QListWidgetItem* item = sets_->currentItem();
    if (item == nullptr) return;
    int pairs = 0, halves = 0;
    for (const Pair& pair : model_.pairs()) ++(pair.whole() ? pairs : halves);
    item->setText(tr("%1 (%n pairs)", nullptr, pairs).arg(folder_->set()) + (halves > 0 ? QStringLiteral("  ⚠") : QString()));
}

void SetsPage::NewSet()
{
    const QString name = services_.boxes.InputBox(tr("Name of the new set:"), tr("New set"));
    if (name.isEmpty()) return;
    CreaSet(services_, name);  // tells the adult when it cannot
    ReloadSets(name);
}

void SetsPage::RenameCurrentSet()
{
    if (!folder_) return;
    StopWord();
    const QString old = folder_->set();
    const QString wanted = services_.boxes.InputBox(tr("New name of the set “%1”:").arg(old), tr("Rename set"));
    if (wanted.isEmpty() || wanted == old) return;
    QStringList names;
    for (int row = 0; row < sets_->count(); ++row) names << sets_->item(row)->data(Qt::UserRole).toString();
    QString shown = old;
    try {
        RenameSet(services_.files, old, wanted, names);
        shown = wanted;
        // The options window keeps choosing it.
        if (stored::ImagesSet.Get(services_.settings).compare(old, Qt::CaseInsensitive) == 0)
            stored::ImagesSet.Set(services_.settings, wanted);
    } catch (const std::exception& e) {
        Tell(Severity::Critical, ReasonOf(e));
    }
    undo_.clear();  // its steps name the set as it was
    ReloadSets(shown);
}

void SetsPage::DeleteCurrentSet()
{
    if (!folder_) return;
    StopWord();
    const QString set = folder_->set();
    if (!notifier_.Tell(Severity::Question, tr("Move the set “%1” and all its pictures to the trash?").arg(set), tr("Delete set")))
        return;
    undo_.clear();
    try {
        DeleteSet(services_.files, set);
    } catch (const SetError& e) {
        Tell(Severity::Critical, e.reason());
    }
    ReloadSets(QString());
}

void SetsPage::PlayIt()
{
    if (!folder_ || !ReadyToPlay()) return;
    try {
        // As the options window stores the chosen set.
        stored::ImagesSet.Set(services_.settings, folder_->set());
    } catch (const std::exception& e) {
        return Tell(Severity::Critical, tr("The set could not be chosen for the game: %1").arg(ReasonOf(e)));
    }
    if (!QProcess::startDetached(gameProgram_, {}, QFileInfo(gameProgram_).absolutePath()))
        Tell(Severity::Critical, tr("Lumari ! could not be started (%1).").arg(QDir::toNativeSeparators(gameProgram_)));
}

bool SetsPage::ReadyToPlay()
{
    // The half pairs removed, the set is checked once more.
    for (int asked = 0; asked < 2; ++asked) {
        RefreshPairs();
        const std::vector<SetFinding> found = CheckSet(*folder_, SetInfo::Load(SetInfoFolder(services_.files, folder_->set())));
        if (found.empty()) return true;
        QStringList lines;
        bool halves = false;
        for (const SetFinding& f : found) {
            lines << FindingLine(f);
            halves = halves || f.kind == SetFinding::Kind::HalfPair;
        }
        switch (dialogs_.AskBeforePlaying(this, lines, halves)) {
        case SetsDialogs::BeforePlay::PlayAnyway:
            return true;
        case SetsDialogs::BeforePlay::Cancel:
            return false;
        case SetsDialogs::BeforePlay::Fix:
            Fix(found.front());
            return false;
        case SetsDialogs::BeforePlay::RemoveHalves:
            undo_.beginMacro(tr("Remove the half pairs"));
            for (const SetFinding& f : found) {
                const int row = model_.RowOf(f.pairs.value(0));
                if (f.kind == SetFinding::Kind::HalfPair && row >= 0)
                    undo_.push(new RemovePairCommand(services_.files, folder_->set(), model_.pairs()[row],
                                                     [this](const QString& set, const QString& failure) { Undone(set, failure); }));
            }
            undo_.endMacro();
            break;
        }
    }
    return false;
}

void SetsPage::Fix(const SetFinding& finding)
{
    // The pair to change: a half pair, or the last of those showing one picture.
    const QString name = finding.kind == SetFinding::Kind::SameSymbol ? finding.pairs.value(finding.pairs.size() - 1) : finding.pairs.value(0);
    const int row = model_.RowOf(name);
    if (row < 0) return;
    grid_->setCurrentIndex(model_.index(row));
    grid_->scrollTo(model_.index(row));
    if (finding.kind == SetFinding::Kind::SameName) {
        panel_->nameField()->setFocus();
        panel_->nameField()->selectAll();
    } else if (finding.kind == SetFinding::Kind::HalfPair && finding.missing == Side::Image) {
        ChooseSide(Side::Image);
    } else {
        OtherPictogram();
    }
}

void SetsPage::dragEnterEvent(QDragEnterEvent* event)
{
    if (folder_ && !LocalFiles(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void SetsPage::dropEvent(QDropEvent* event)
{
    const QStringList paths = LocalFiles(event->mimeData());
    if (paths.isEmpty()) return;
    event->acceptProposedAction();
    AddPictures(paths);
}

void SetsPage::AddPictures(const QStringList& given)
{
    if (!folder_) return Tell(Severity::Information, tr("Choose a set, or make a new one, before adding pictures."));
    const QStringList paths = TakeWords(given);
    if (paths.isEmpty()) return;
    if (batch_ && batch_->running()) return Tell(Severity::Information, tr("Pictures are being added: wait until they are, or cancel."));
    problems_.clear();
    batch_ = std::make_unique<ImportBatch>(services_.files, folder_->set(), &symbols_);
    connect(batch_.get(), &ImportBatch::imported, this, &SetsPage::Imported);
    connect(batch_.get(), &ImportBatch::finished, this, &SetsPage::ImportFinished);
    connect(batch_.get(), &ImportBatch::progressed, this, [this](int done, int total) {
        progress_->setRange(0, std::max(total, 1));
        progress_->setValue(done);
    });
    progress_->setRange(0, 0);  // counting the files
    progress_->setVisible(true);
    cancel_->setVisible(true);
    add_->setEnabled(false);
    batch_->Start(paths);
}

QStringList SetsPage::TakeWords(const QStringList& paths)
{
    QSet<QString> beside;  // the WAV files of the pictures given
    for (const QString& path : paths)
        if (QFileInfo(path).isFile())
            if (const QString wav = RecordingBeside(path); !wav.isEmpty()) beside.insert(QFileInfo(wav).absoluteFilePath());
    QStringList rest, alone;
    for (const QString& path : paths) {
        const QFileInfo file(path);
        const bool wav = file.isFile() && file.suffix().compare(QStringLiteral("wav"), Qt::CaseInsensitive) == 0;
        (wav && !beside.contains(file.absoluteFilePath()) ? alone : rest) << path;
    }
    QStringList problems;
    const Pair* chosen = ChosenPair();
    for (const QString& wav : alone) {
        const QString file = QFileInfo(wav).fileName();
        const int row = model_.RowOf(QFileInfo(wav).completeBaseName());
        const QString pair = row >= 0 ? model_.pairs()[row].name : alone.size() == 1 && chosen ? chosen->name : QString();
        if (pair.isEmpty()) {
            problems << tr("skipped: %1: no pair of this name (choose its pair, then drop the file alone)").arg(file);
            continue;
        }
        try {
            ImportRecording(*folder_, pair, wav);
        } catch (const SetError& e) {
            problems << tr("skipped: %1: %2").arg(file, e.reason());
        }
    }
    if (!alone.isEmpty()) RefreshPairs();
    if (!problems.isEmpty()) Tell(Severity::Information, tr("Some files were not added:") + u'\n' + problems.join(u'\n'));
    return rest;
}

void SetsPage::Imported(const ImportOutcome& outcome)
{
    // A WAV file beside a picture of its name is that picture's word, taken with it.
    if (outcome.result == ImportOutcome::Result::Skipped && IsRecordingBesidePicture(outcome.source)) return;
    if (!outcome.pair.isEmpty()) {
        if (const QString wav = RecordingBeside(outcome.source); !wav.isEmpty()) {
            try {
                ImportRecording(batch_->folder(), outcome.pair, wav);
            } catch (const SetError& e) {
                problems_ << tr("skipped: %1: %2").arg(QFileInfo(wav).fileName(), e.reason());
            }
        }
        originals_.insert(outcome.pair.toUpper(), outcome.source);
        // Shown at once; the import keeps it with the set when it ends.
        model_.Propose(outcome.pair, outcome.proposed);
        if (!refresh_.isActive()) refresh_.start();
    }
    if (outcome.result == ImportOutcome::Result::Skipped) problems_ << OutcomeLine(outcome);
}

void SetsPage::ImportFinished()
{
    progress_->setVisible(false);
    cancel_->setVisible(false);
    add_->setEnabled(true);
    refresh_.stop();
    RefreshPairs();
    if (problems_.isEmpty()) return;
    QStringList shown = problems_.mid(0, kShownProblems);
    if (problems_.size() > kShownProblems) shown << tr("… and %n more", nullptr, int(problems_.size() - kShownProblems));
    Tell(Severity::Information, tr("Some files were not added:") + u'\n' + shown.join(u'\n'));
}

const Pair* SetsPage::ChosenPair() const
{
    const int row = grid_->currentIndex().row();
    return row >= 0 && row < model_.pairs().size() ? &model_.pairs()[row] : nullptr;
}

void SetsPage::ShowChosenPair()
{
    const Pair* pair = ChosenPair();
    review_->Show(ProposalsLeft(model_), pair && model_.Proposed(pair->name).has_value());
    panel_->Show(pair, pair ? model_.Proposed(pair->name).value_or(Pictogram{}).name : QString(),
                 pair && filled_.value(pair->name.toUpper()));
    ShowWord();
}

void SetsPage::ShowWord()
{
    using State = WordBar::State;
    if (recorder_.recording()) return panel_->words()->Show(recordingPair_, false, State::Recording, recorder_.elapsedMs());
    if (playing_.isActive()) return panel_->words()->Show(playingPair_, true, State::Playing);
    const Pair* pair = ChosenPair();
    panel_->words()->Show(pair ? pair->name : QString(), grid_->currentIndex().data(PairListModel::RecordedRole).toBool(), State::Idle);
}

void SetsPage::Record()
{
    const Pair* pair = ChosenPair();
    if (!folder_ || pair == nullptr || recorder_.recording()) return;
    StopPlaying();
    recordingSet_ = folder_->set();
    recordingPair_ = pair->name;
    if (const QString why = recorder_.Start(); !why.isEmpty()) {
        recordingPair_.clear();
        return Tell(Severity::Warning, why);
    }
    ShowWord();
}

void SetsPage::Recorded(const Recording& heard)
{
    const QString name = std::exchange(recordingPair_, QString());
    ShowWord();
    // Renamed or removed meanwhile: a word stored under the old name would belong to no pair.
    if (!folder_ || folder_->set() != recordingSet_ || model_.RowOf(name) < 0)
        return Tell(Severity::Warning, tr("“%1” was renamed or removed while its word was being recorded: the recording is not kept.").arg(name));
    if (Trimmed(heard).samples.empty())
        return Tell(Severity::Warning, tr("Nothing was heard, so nothing was kept%1. Check that the microphone is plugged in and not muted, "
                                          "then record “%2” again.")
                                           .arg(HasRecording(*folder_, name) ? tr(": the word recorded before stays") : QString(), name));
    try {
        StoreRecording(*folder_, name, heard);
    } catch (const SetError& e) {
        Tell(Severity::Critical, e.reason());
    }
    if (!closing_) RefreshPairs();
}

void SetsPage::PlayWord()
{
    const Pair* pair = ChosenPair();
    if (!folder_ || pair == nullptr || recorder_.recording()) return;
    const QString path = RecordingPath(*folder_, pair->name);
    QFile file(path);
    const std::optional<WavSound> sound = file.open(QIODevice::ReadOnly) ? ReadWav(file) : std::nullopt;
    if (!sound) return Tell(Severity::Warning, tr("The recording of “%1” cannot be played: it is not a sound.").arg(pair->name));
    try {
        services_.sound.Play(path);
    } catch (const std::exception& e) {
        return Tell(Severity::Warning, tr("The recording of “%1” cannot be played: %2").arg(pair->name, ReasonOf(e)));
    }
    playingPair_ = pair->name;
    playing_.start(int(sound->format.durationForBytes(sound->samples.size()) / 1000) + 1);
    ShowWord();
}

void SetsPage::StopWord()
{
    if (recorder_.recording()) return recorder_.Stop();  // it tells what was heard
    StopPlaying();
    ShowWord();
}

void SetsPage::StopPlaying()
{
    if (!playing_.isActive()) return;
    playing_.stop();
    services_.sound.Play(QString());  // nothing to play: the word playing stops
}

void SetsPage::DeleteWord()
{
    const Pair* pair = ChosenPair();
    if (!folder_ || pair == nullptr || recorder_.recording()) return;
    StopPlaying();
    undo_.push(new DeleteRecordingCommand(services_.files, folder_->set(), pair->name,
                                          [this](const QString& set, const QString& failure) { Undone(set, failure); }));
}

void SetsPage::RenamePair(int row, const QString& wanted)
{
    if (!folder_ || row < 0 || row >= model_.pairs().size()) return;
    const Pair pair = model_.pairs()[row];
    QString name;
    try {
        name = folder_->Rename(pair, wanted, model_.pairs());
    } catch (const SetError& e) {
        Tell(Severity::Critical, e.reason());
        return RefreshPairs();
    }
    // What the page knows of the pair follows its name.
    const QString from = pair.name.toUpper(), to = name.toUpper();
    if (originals_.contains(from)) originals_.insert(to, originals_.take(from));
    if (filled_.contains(from)) filled_.insert(to, filled_.take(from));
    model_.Show(folder_.get(), folder_->Pairs());
    ChangeInfo([&](SetInfo& info) { info.Rename(pair.name, name); });
    ShowInfo();
    grid_->setCurrentIndex(model_.index(model_.RowOf(name)));
    // A pair that has just got a real name gets its pictogram at once.
    if (pair.symbol.isEmpty() && !IsCameraName(name)) ProposeFor(name);
}

void SetsPage::RemovePair()
{
    const Pair* pair = ChosenPair();
    if (!folder_ || pair == nullptr) return;
    undo_.push(new RemovePairCommand(services_.files, folder_->set(), *pair,
                                     [this](const QString& set, const QString& failure) { Undone(set, failure); }));
}

void SetsPage::Undone(const QString& set, const QString& failure)
{
    if (!failure.isEmpty()) Tell(Severity::Critical, failure);
    if (folder_ && folder_->set() == set) return RefreshPairs();
    SelectSet(set);
}

void SetsPage::StoreLater(const QString& name, Side side, std::function<QImage()> make, std::function<void()> stored)
{
    work_.start([this, name, side, make = std::move(make), stored = std::move(stored)] {
        QImage picture;
        QString failure;
        try {
            picture = make();
        } catch (const SetError& e) {
            failure = e.reason();
        }
        QMetaObject::invokeMethod(this, [=, this] {
            const int row = model_.RowOf(name);
            if (!folder_ || row < 0) return;
            const Pair pair = model_.pairs()[row];
            try {
                if (!failure.isEmpty()) throw SetError(failure);
                if (picture.isNull()) return;
                folder_->Store(pair, side, picture);
            } catch (const SetError& e) {
                return Tell(Severity::Critical, e.reason());
            }
            thumbnails_.Forget(folder_->SidePath(pair, side));
            if (stored) stored();
            RefreshPairs();
        });
    });
}

void SetsPage::ChooseSide(Side side)
{
    const Pair* pair = ChosenPair();
    if (pair == nullptr) return;
    const QStringList files = dialogs_.ChoosePictures(this, false);
    if (files.isEmpty()) return;
    const QString name = pair->name, source = files.first();
    const QSize box = side == Side::Image ? kStoredImageSize : kStoredSymbolSize;
    const Fit fit = side == Side::Image && filled_.value(name.toUpper()) ? Fit::Fill : Fit::Whole;
    StoreLater(name, side, [source, box, fit] { return PreparePicture(source, box, fit); }, [this, name, side, source] {
        if (side == Side::Image) originals_.insert(name.toUpper(), source);
        if (side == Side::Symbol && ChangeInfo([&](SetInfo& info) { info.Forget(name); })) ShowInfo();
    });
}

void SetsPage::OtherPictogram()
{
    const Pair* pair = ChosenPair();
    if (pair == nullptr) return;
    const QString name = pair->name;
    const std::optional<Pictogram> chosen = dialogs_.ChoosePictogram(this, IsCameraName(name) ? QString() : name, Languages());
    if (!chosen) return;
    StoreLater(name, Side::Symbol, [this, chosen] {
        QImage picture = symbols_.Draw(*chosen);
        if (picture.isNull()) throw SetError(PictogramPainter::Missing());
        return picture;
    }, [this, name, chosen] {
        if (ChangeInfo([&](SetInfo& info) { info.SetPictogram(name, {chosen->emoji, chosen->name, false}); })) ShowInfo();
    });
}

QStringList SetsPage::Languages() const
{
    return folder_ ? SetInfo::Load(SetInfoFolder(services_.files, folder_->set())).Languages() : PictogramIndex::DefaultLanguages();
}

void SetsPage::ShowInfo()
{
    const SetInfo info = folder_ ? SetInfo::Load(SetInfoFolder(services_.files, folder_->set())) : SetInfo();
    if (folder_ && !info.problem().isEmpty() && toldDamaged_ != folder_->set()) {
        toldDamaged_ = folder_->set();
        Tell(Severity::Information, tr("What the set “%1” keeps beside its pictures could not be read (%2): its languages and the pictograms "
                                       "to review start afresh.").arg(folder_->set(), info.problem()));
    }
    words_->setText(tr("Words in: %1").arg(LanguageNames(info.Languages())));
    // The "?" marks follow what the set keeps, whoever proposed them; an
    // import going on writes its proposals when it ends.
    const bool importing = batch_ && batch_->running();
    for (const Pair& pair : model_.pairs()) {
        const std::optional<PairPictogram> p = info.Pictogram(pair.name);
        const bool review = p && p->review && !pair.symbol.isEmpty();
        const std::optional<Pictogram> shown = model_.Proposed(pair.name);
        if (importing && shown && !review) continue;
        if (review != shown.has_value() || (review && shown->emoji != p->emoji))
            model_.Propose(pair.name, review ? std::optional<Pictogram>(Pictogram{p->emoji, p->name}) : std::nullopt);
    }
    ShowChosenPair();
}

bool SetsPage::ChangeInfo(const std::function<void(SetInfo&)>& change)
{
    if (!folder_) return false;
    const QString folder = SetInfoFolder(services_.files, folder_->set());
    SetInfo info = SetInfo::Load(folder);
    change(info);
    QString why;
    if (info.Save(folder, &why)) return true;
    Tell(Severity::Critical, tr("What the set keeps beside its pictures could not be written: %1").arg(why));
    return false;
}

void SetsPage::ChooseLanguages()
{
    if (!folder_) return;
    const std::optional<QStringList> chosen = dialogs_.ChooseLanguages(this, Languages());
    if (chosen && !chosen->isEmpty() && ChangeInfo([&](SetInfo& info) { info.languages = *chosen; })) ShowInfo();
}

void SetsPage::KeepPictogram()
{
    const Pair* pair = ChosenPair();
    if (pair == nullptr) return;
    const QString name = pair->name;
    if (ChangeInfo([&](SetInfo& info) {
            if (std::optional<PairPictogram> p = info.Pictogram(name)) info.SetPictogram(name, {p->emoji, p->name, false});
        }))
        ShowInfo();
}

void SetsPage::NextToReview()
{
    // In the grid's order, after the chosen pair, from the top again at the end.
    const QList<Pair>& pairs = model_.pairs();
    const int from = grid_->currentIndex().row();
    for (int step = 1; step <= pairs.size(); ++step) {
        const int row = int((from + step + pairs.size()) % pairs.size());
        if (model_.Proposed(pairs[row].name)) {
            grid_->setCurrentIndex(model_.index(row));
            grid_->scrollTo(model_.index(row));
            return;
        }
    }
}

void SetsPage::ProposeFor(const QString& name)
{
    auto proposal = std::make_shared<std::optional<Pictogram>>();
    const SymbolMaker& symbols = symbols_.InLanguages(Languages());  // the set's words
    StoreLater(name, Side::Symbol, [&symbols, name, proposal] {
        SymbolMaker::Made made = symbols.Make(name);
        if (!made.picture.isNull()) *proposal = made.pictogram;
        return made.picture;  // none: the pair keeps asking for a symbol
    }, [this, name, proposal] {
        const std::optional<Pictogram>& p = *proposal;
        if (p && ChangeInfo([&](SetInfo& info) { info.SetPictogram(name, {p->emoji, p->name, true}); })) ShowInfo();
    });
}

void SetsPage::FillBox(bool fill)
{
    const Pair* pair = ChosenPair();
    if (pair == nullptr) return;
    const QString name = pair->name;
    QString source = originals_.value(name.toUpper());
    if (source.isEmpty()) {
        // Made in an earlier session: the stored picture has lost what the crop needs.
        const QStringList files = dialogs_.ChoosePictures(this, false);
        if (files.isEmpty()) return ShowChosenPair();
        source = files.first();
    }
    const Fit fit = fill ? Fit::Fill : Fit::Whole;
    StoreLater(name, Side::Image, [source, fit] { return PreparePicture(source, kStoredImageSize, fit); },
               [this, name, source, fill] {
                   originals_.insert(name.toUpper(), source);
                   filled_.insert(name.toUpper(), fill);
               });
}

}  // namespace lumari
