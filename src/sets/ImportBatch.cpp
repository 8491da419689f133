#include "sets/ImportBatch.h"

#include "sets/SymbolMaker.h"

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
        return ImportBatch::tr("added: %1").arg(outcome.pair);
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
    QStringList names;
    for (const Pair& pair : folder_.Pairs()) {
        names << pair.name;
        if (pair.image.isEmpty()) halves_.insert(pair.name.toUpper(), pair.name);
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
            if (!Done(index, {ImportOutcome::Result::Skipped, item.shown, item.path, {}, item.refused, {}}, {})) return;
            continue;
        }
        const Claim claim = ClaimName(QFileInfo(item.path).fileName());
        const QString file = PairFileName(claim.name);
        Job job{item, claim.name, !claim.fillsHalf, folder_.ImagePath(file), folder_.SymbolPath(file), fit_};
        ++inFlight_;
        ++jobsStarted_;
        PictureThreads().start([this, index, job = std::move(job), claim, symbols = symbols_] {
            if (!stopping_) {
                ImportOutcome outcome = Run(job, symbols);
                QMetaObject::invokeMethod(
                    this,
                    [this, index, outcome = std::move(outcome), claim]() mutable {
                        --inFlight_;
                        if (Done(index, std::move(outcome), claim)) Dispatch();
                    },
                    Qt::QueuedConnection);
            }
            jobsDone_.release();
        });
    }
    if (inFlight_ == 0 && next_ == dispatched_ && (canceled_ || dispatched_ == total())) Finish();
}

bool ImportBatch::Done(int index, ImportOutcome outcome, Claim claim)
{
    // A page closed from a slot told of a result deletes the batch: nothing of it is touched after.
    const QPointer<ImportBatch> alive(this);
    if (outcome.result == ImportOutcome::Result::Skipped && !claim.name.isEmpty()) Release(claim);
    waiting_.emplace(index, std::move(outcome));
    // Told in the order of the input, whatever order the threads finish in.
    while (!waiting_.empty() && waiting_.begin()->first == next_) {
        outcomes_.push_back(std::move(waiting_.begin()->second));
        waiting_.erase(waiting_.begin());
        ++next_;
        emit imported(outcomes_.back());
        if (!alive) return false;
    }
    emit progressed(next_, total());
    return !alive.isNull();
}

void ImportBatch::Finish()
{
    if (!running_) return;
    running_ = false;
    emit finished();
}

// Its image, then (when it has a real name and no symbol yet) its
// pictogram. The image is written first, so a program killed in between
// leaves a half pair, never half a file.
ImportOutcome ImportBatch::Run(const Job& job, const SymbolMaker* symbols)
{
    ImportOutcome outcome{ImportOutcome::Result::Skipped, job.item.shown, job.item.path, {}, {}, {}};
    try {
        StoreJpeg(PreparePicture(job.item.path, kStoredImageSize, job.fit), job.image);
    } catch (const SetError& e) {
        outcome.reason = e.reason();
        return outcome;
    }
    outcome.pair = job.name;
    outcome.result = ImportOutcome::Result::Added;
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
