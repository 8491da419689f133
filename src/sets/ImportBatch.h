#pragma once

#include "pictograms/Pictograms.h"
#include "sets/ImportInputs.h"
#include "sets/PairNames.h"
#include "sets/PictureImport.h"
#include "sets/SetFolder.h"
#include "sets/SetInfo.h"
#include "sets/StoredImages.h"

#include <QHash>
#include <QObject>
#include <QSemaphore>
#include <QStringList>
#include <QThreadPool>

#include <atomic>
#include <map>
#include <optional>
#include <vector>

namespace lumari {

class Files;
class SymbolMaker;

// What became of one file given to the import.
struct ImportOutcome {
    enum class Result { Added, Skipped, NoSymbol, Unchanged };  // Unchanged: the set holds that picture already
    Result result = Result::Skipped;
    QString file;    // as the adult knows it (ImportItem::shown)
    QString source;  // its path
    QString pair;    // the pair's name ("" when skipped), or the pair that holds the picture already
    QString reason;  // why it was skipped or has no symbol
    std::optional<Pictogram> proposed;  // the pictogram drawn as its symbol, to be reviewed
};

// "added: cup: pictogram ☕ hot beverage, to review", "added: apple" (its
// symbol was there), "unchanged: apple", "skipped: notes.txt: not a picture",
// "no symbol: IMG_0001: no pictogram for this name",
// "no symbol: kitten: same pictogram as cat".
QString OutcomeLine(const ImportOutcome& outcome);

// Imports files and folders into a set, as dropping them on the Sets page
// does: each picture stored at 1200 × 600 in Images under a free pair name,
// and each pair that has no symbol yet and a real name (not a camera's) given
// the best pictogram for it, in the set's languages, recorded in its set.json
// as a proposal to review. A picture the set holds already, or given twice,
// adds nothing, and a pictogram another pair shows is not proposed again. The
// proposals go into set.json as it stands when they are saved, so what the
// page (or another program) changed there meanwhile stays. Pictures are decoded on worker threads, at most
// a few at a time whatever the input, so memory stays bounded; results come
// on the batch's thread in the order of the input. A folder of 10,000 files is
// named in linear time.
class ImportBatch : public QObject {
    Q_OBJECT
public:
    // The set must exist. symbols: nullptr gives no symbols.
    ImportBatch(Files& files, const QString& set, const SymbolMaker* symbols, QObject* parent = nullptr);
    // Stops dispatching and waits for the pictures in flight; the proposals
    // told so far are saved.
    ~ImportBatch() override;

    void Start(const QStringList& inputs, Fit fit = Fit::Whole);
    // Files not started are left alone; a pair being written is finished.
    void Cancel();

    const SetFolder& folder() const { return folder_; }
    bool running() const { return running_; }
    bool canceled() const { return canceled_; }
    int total() const { return int(items_.size()); }
    int done() const { return next_; }
    const std::vector<ImportOutcome>& outcomes() const { return outcomes_; }
    // Why the set's set.json could not be read or written; "" when it could.
    QString infoProblem() const { return infoProblem_; }

signals:
    void progressed(int done, int total);
    void imported(const lumari::ImportOutcome& outcome);
    void finished();

private:
    struct Job;
    struct Claim {
        QString name;
        bool fillsHalf = false;  // the image of a pair that had only its symbol
    };

    void Expanded(std::vector<ImportItem> items);
    void Dispatch();
    Claim ClaimName(const QString& fileName);
    void Release(const Claim& claim);
    // A picture made, waiting for those before it.
    struct Made {
        ImportOutcome outcome;
        Claim claim;
        QByteArray digest;  // of the image it stored; empty when it stored none
    };
    // Whether the batch still lives: a slot may delete it.
    bool Done(int index, Made made);
    // A second copy of a picture this batch stored: taken back, told as unchanged.
    void Unduplicate(Made& made);
    // Settles a proposal, in the order of the input: one pictogram per set.
    void Propose(ImportOutcome& outcome);
    // The proposals not saved yet, into set.json as it is now.
    void SaveProposals();
    void Finish();
    // One file, on a worker thread.
    static ImportOutcome Run(const Job& job, const SymbolMaker* symbols, const StoredImages& stored, QByteArray* digest);

    SetFolder folder_;
    const SymbolMaker* symbols_;
    Fit fit_ = Fit::Whole;
    QThreadPool walker_;  // lists the folders given
    std::atomic<bool> stopping_ = false;  // the batch is being destroyed
    QSemaphore jobsDone_;  // one release per picture job ended
    int jobsStarted_ = 0;

    std::vector<ImportItem> items_;
    std::map<int, Made> waiting_;           // finished out of order
    std::vector<ImportOutcome> outcomes_;   // told, in order
    TakenNames taken_;
    QHash<QString, QString> halves_;  // upper-cased name → name, of pairs that lack their image
    StoredImages stored_;
    QHash<QByteArray, QString> added_;  // digest of each image this batch stored → its pair
    SetInfo info_;  // as the batch started
    std::vector<std::pair<QString, PairPictogram>> proposals_;  // not saved yet
    QString infoProblem_;
    QHash<QString, QString> shown_;  // pictogram → the pair that shows it
    int dispatched_ = 0;
    int inFlight_ = 0;
    int next_ = 0;
    bool running_ = false;
    bool canceled_ = false;
};

}  // namespace lumari

Q_DECLARE_METATYPE(lumari::ImportOutcome)
