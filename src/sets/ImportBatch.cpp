#include "sets/ImportBatch.h"

#include "sets/SymbolMaker.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QPointer>

namespace lumari {

struct ImportBatch::Job {
    ImportItem item;
    QString name;
    bool wantsSymbol = false;
    QString image;   // where its image goes
    QString symbol;  // where its symbol goes
    Fit fit = Fit::Whole;
};

QString OutcomeLine(const ImportOutcome& outcome)
{
    switch (outcome.result) {
    case ImportOutcome::Result::Added:
        if (outcome.proposed)
            return ImportBatch::tr("added: %1: pictogram %2 %3, to review").arg(outcome.pair, outcome.proposed->emoji, outcome.proposed->name);
        return ImportBatch::tr("added: %1").arg(outcome.pair);
    case ImportOutcome::Result::Unchanged:
        return ImportBatch::tr("unchanged: %1").arg(outcome.pair);
    case ImportOutcome::Result::NoSymbol:
        return ImportBatch::tr("no symbol: %1: %2").arg(outcome.pair, outcome.reason);
    case ImportOutcome::Result::Skipped:
        break;
    }
    return ImportBatch::tr("skipped: %1: %2").arg(outcome.file, outcome.reason);
}

namespace {

// Pictures are made on the application's shared pool, one per core. Qt
// splits the smooth scaling of a large picture across that pool's threads
// unless it runs on one of them already, and with every core decoding the
// split cost more than it saved (about 4 ms of processor time per photo).
QThreadPool& PictureThreads() { return *QThreadPool::globalInstance(); }

}  // namespace

ImportBatch::ImportBatch(Files& files, const QString& set, const SymbolMaker* symbols, QObject* parent)
    : QObject(parent), folder_(files, set), symbols_(symbols)
{
}

ImportBatch::~ImportBatch()
{
    canceled_ = true;
    stopping_ = true;
    walker_.clear();
    walker_.waitForDone();
    // The pictures in flight finish or, not begun, are left alone.
    jobsDone_.acquire(jobsStarted_);
    // The proposals told before a page closed mid-way stay to review.
    if (running_) SaveProposals();
}

void ImportBatch::Start(const QStringList& inputs, Fit fit)
{
    fit_ = fit;
    running_ = true;
    // A deep tree or a slow disk does not hold the window's thread.
    walker_.start([this, inputs] {
        std::vector<ImportItem> items = ExpandInputs(inputs);
        QMetaObject::invokeMethod(this, [this, items = std::move(items)]() mutable { Expanded(std::move(items)); },
                                  Qt::QueuedConnection);
    });
}

void ImportBatch::Cancel()
{
    if (!running_) return;
    canceled_ = true;
    if (inFlight_ == 0 && next_ == dispatched_) Finish();
}

void ImportBatch::Expanded(std::vector<ImportItem> items)
{
    if (canceled_) return Finish();
    items_ = std::move(items);
    info_ = SetInfo::Load(QFileInfo(folder_.ImagesFolder()).path());
    infoProblem_ = info_.problem();
    if (symbols_) symbols_ = &symbols_->InLanguages(info_.Languages());
    stored_ = StoredImages(folder_);
    QStringList names;
    for (const Pair& pair : folder_.Pairs()) {
        names << pair.name;
        if (pair.image.isEmpty()) halves_.insert(pair.name.toUpper(), pair.name);
        const std::optional<PairPictogram> shown = pair.symbol.isEmpty() ? std::nullopt : info_.Pictogram(pair.name);
        if (shown) shown_.insert(shown->emoji, pair.name);
    }
    taken_ = TakenNames(names);
    const QPointer<ImportBatch> alive(this);
    emit progressed(0, total());
    if (alive) Dispatch();
}

ImportBatch::Claim ImportBatch::ClaimName(const QString& fileName)
{
    const QString wanted = PairNameOfFile(fileName);
    // A picture named as a pair that has only its symbol becomes its image.
    const auto half = halves_.constFind(wanted.toUpper());
    if (half != halves_.cend()) {
        Claim claim{half.value(), true};
        halves_.erase(half);
        return claim;
    }
    Claim claim{taken_.Free(wanted), false};
    taken_.Add(claim.name);
    return claim;
}

void ImportBatch::Release(const Claim& claim)
{
    if (claim.fillsHalf)
        halves_.insert(claim.name.toUpper(), claim.name);
    else
        taken_.Remove(claim.name);
}

void ImportBatch::Dispatch()
{
    // A few decodes in flight at most: memory stays bounded.
    const int limit = PictureThreads().maxThreadCount() + 1;
    while (!canceled_ && dispatched_ < total() && inFlight_ < limit) {
        const int index = dispatched_++;
        const ImportItem& item = items_[std::size_t(index)];
        if (!item.refused.isEmpty()) {
            if (!Done(index, {{ImportOutcome::Result::Skipped, item.shown, item.path, {}, item.refused, {}}, {}, {}})) return;
            continue;
        }
        const Claim claim = ClaimName(QFileInfo(item.path).fileName());
        const QString file = PairFileName(claim.name);
        Job job{item, claim.name, !claim.fillsHalf, folder_.ImagePath(file), folder_.SymbolPath(file), fit_};
        ++inFlight_;
        ++jobsStarted_;
        PictureThreads().start([this, index, job = std::move(job), claim, symbols = symbols_] {
            if (!stopping_) {
                QByteArray digest;
                ImportOutcome outcome = Run(job, symbols, stored_, &digest);
                QMetaObject::invokeMethod(
                    this,
                    [this, index, made = Made{std::move(outcome), claim, std::move(digest)}]() mutable {
                        --inFlight_;
                        if (Done(index, std::move(made))) Dispatch();
                    },
                    Qt::QueuedConnection);
            }
            jobsDone_.release();
        });
    }
    if (inFlight_ == 0 && next_ == dispatched_ && (canceled_ || dispatched_ == total())) Finish();
}

bool ImportBatch::Done(int index, Made made)
{
    // A page closed from a slot told of a result deletes the batch: nothing of it is touched after.
    const QPointer<ImportBatch> alive(this);
    const ImportOutcome::Result result = made.outcome.result;
    const bool none = result == ImportOutcome::Result::Skipped || result == ImportOutcome::Result::Unchanged;
    if (none && !made.claim.name.isEmpty()) Release(made.claim);
    waiting_.emplace(index, std::move(made));
    // Told in the order of the input, whatever order the threads finish in:
    // of two copies of one picture, the first given is the one kept.
    while (!waiting_.empty() && waiting_.begin()->first == next_) {
        Made& first = waiting_.begin()->second;
        Unduplicate(first);
        Propose(first.outcome);
        outcomes_.push_back(std::move(first.outcome));
        waiting_.erase(waiting_.begin());
        ++next_;
        emit imported(outcomes_.back());
        if (!alive) return false;
    }
    emit progressed(next_, total());
    return !alive.isNull();
}

void ImportBatch::Unduplicate(Made& made)
{
    if (made.digest.isEmpty()) return;
    const auto kept = added_.constFind(made.digest);
    if (kept == added_.cend()) {
        added_.insert(made.digest, made.outcome.pair);
        return;
    }
    const QString file = PairFileName(made.outcome.pair);
    QFile::remove(folder_.ImagePath(file));
    if (made.outcome.proposed) QFile::remove(folder_.SymbolPath(file));
    Release(made.claim);
    made.outcome = {ImportOutcome::Result::Unchanged, made.outcome.file, made.outcome.source, kept.value(), {}, {}};
}

void ImportBatch::Propose(ImportOutcome& outcome)
{
    if (!outcome.proposed) return;
    // Two pairs with one symbol make a round that cannot be answered.
    const QString other = shown_.value(outcome.proposed->emoji);
    if (!other.isEmpty()) {
        QFile::remove(folder_.SymbolPath(PairFileName(outcome.pair)));
        outcome.result = ImportOutcome::Result::NoSymbol;
        outcome.reason = tr("same pictogram as %1").arg(other);
        outcome.proposed.reset();
        return;
    }
    shown_.insert(outcome.proposed->emoji, outcome.pair);
    proposals_.emplace_back(outcome.pair, PairPictogram{outcome.proposed->emoji, outcome.proposed->name, true});
}

void ImportBatch::SaveProposals()
{
    if (proposals_.empty()) return;
    const QString setFolder = QFileInfo(folder_.ImagesFolder()).path();
    // Read again: a Keep, a language or a pictogram chosen on the page meanwhile stays.
    SetInfo now = SetInfo::Load(setFolder);
    for (const auto& [pair, pictogram] : proposals_) {
        // A pair removed or renamed meanwhile takes no proposal; one given a pictogram meanwhile keeps it.
        if (!QFileInfo::exists(folder_.SymbolPath(PairFileName(pair)))) continue;
        if (now.Pictogram(pair) != info_.Pictogram(pair)) continue;
        now.SetPictogram(pair, pictogram);
    }
    proposals_.clear();
    QString why;
    if (!now.Save(setFolder, &why)) infoProblem_ = why;
}

void ImportBatch::Finish()
{
    if (!running_) return;
    running_ = false;
    SaveProposals();
    emit finished();
}

// Its image, then (when it has a real name and no symbol yet) its
// pictogram. The image is written first, so a program killed in between
// leaves a half pair, never half a file.
ImportOutcome ImportBatch::Run(const Job& job, const SymbolMaker* symbols, const StoredImages& stored, QByteArray* digest)
{
    ImportOutcome outcome{ImportOutcome::Result::Skipped, job.item.shown, job.item.path, {}, {}, {}};
    // Made under a hidden name first (no "*.jpg": the game does not list
    // it), then compared with the set's images: a photo imported before
    // gives the same bytes and adds nothing.
    const QFileInfo target(job.image);
    const QString fresh = target.path() + QStringLiteral("/.") + target.fileName() + QStringLiteral(".new");
    try {
        StoreJpeg(PreparePicture(job.item.path, kStoredImageSize, job.fit), fresh);
    } catch (const SetError& e) {
        outcome.reason = e.reason();
        return outcome;
    }
    QFile file(fresh);
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    file.close();
    const QString same = bytes.isEmpty() ? QString() : stored.PairWith(bytes);
    if (!same.isEmpty()) {
        file.remove();
        outcome.result = ImportOutcome::Result::Unchanged;
        outcome.pair = same;
        return outcome;
    }
    if (!file.rename(job.image)) {
        outcome.reason = tr("cannot write %1: %2").arg(job.image, file.errorString());
        QFile::remove(fresh);
        return outcome;
    }
    outcome.pair = job.name;
    outcome.result = ImportOutcome::Result::Added;
    if (!bytes.isEmpty()) *digest = QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
    if (!job.wantsSymbol) return outcome;

    outcome.result = ImportOutcome::Result::NoSymbol;
    // A camera's name is no word: the adult names the pair first.
    if (IsCameraName(job.name) || symbols == nullptr) {
        outcome.reason = ImportBatch::tr("no pictogram for this name");
        return outcome;
    }
    SymbolMaker::Made made = symbols->Make(job.name);
    if (made.picture.isNull()) {
        outcome.reason = made.missing;
        return outcome;
    }
    try {
        StoreJpeg(made.picture, job.symbol);
    } catch (const SetError& e) {
        outcome.reason = e.reason();
        return outcome;
    }
    outcome.result = ImportOutcome::Result::Added;
    outcome.proposed = made.pictogram;
    return outcome;
}

}  // namespace lumari
