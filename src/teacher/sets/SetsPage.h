#pragma once

#include "platform/Notifier.h"
#include "sets/ImportBatch.h"
#include "sets/SetFolder.h"
#include "teacher/sets/PairListModel.h"
#include "teacher/sets/ThumbnailCache.h"
#include "teacher/sets/WordRecorder.h"

#include <QHash>
#include <QThreadPool>
#include <QTimer>
#include <QUndoStack>
#include <QWidget>

#include <functional>
#include <memory>

class QLabel;
class QListView;
class QListWidget;
class QProgressBar;
class QPushButton;

namespace lumari {

class PairPanel;
class ReviewBar;
class SetInfo;
struct SetFinding;
class SetsDialogs;
class SoundInput;
class SymbolMaker;
struct Services;

// The Sets page: the sets of the program's folder with their counts, the
// pairs of the chosen set as a grid of thumbnails, and everything that makes
// a set: new, rename, delete to the trash; pictures dropped or chosen,
// imported with a progress bar and Cancel; names edited in place; half pairs
// fixed; pictograms confirmed or changed; words recorded, played, dropped as
// WAV files and deleted; "Play it". The page only wires and
// shows: the work is done by the set's folder, the import and the cache.
class SetsPage : public QWidget {
    Q_OBJECT
public:
    // gameProgram: the game's executable, started by "Play it". microphone:
    // where recorded words come from.
    SetsPage(const Services& services, Notifier& notifier, const SymbolMaker& symbols, SetsDialogs& dialogs,
             QString gameProgram, SoundInput& microphone, QWidget* parent = nullptr);
    ~SetsPage() override;

    // Shows a set, as a click on it in the list does.
    void SelectSet(const QString& name);
    QString currentSet() const;
    // Imports into the set on show, as a drop does: pictures, and WAV files
    // as the words of the pairs of their names.
    void AddPictures(const QStringList& paths);

    // What tests and the benchmark look at.
    ImportBatch* batch() const { return batch_.get(); }
    PairListModel& pairs() { return model_; }
    QListView* grid() const { return grid_; }
    QListWidget* setList() const { return sets_; }
    PairPanel* panel() const { return panel_; }
    ThumbnailCache& thumbnails() { return thumbnails_; }
    // What the window's Edit menu takes back ("Remove pair").
    QUndoStack* undoStack() { return &undo_; }

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void ReloadSets(const QString& select);
    void ShowSet();
    void RefreshPairs();
    void Tell(Severity severity, const QString& text);

    void NewSet();
    void RenameCurrentSet();
    void DeleteCurrentSet();
    void PlayIt();
    // The set's check before it is played: what it found told, and fixed or
    // played anyway as the adult chooses. True to play.
    bool ReadyToPlay();
    void Fix(const SetFinding& finding);

    // WAV files given without a picture of their name, taken at once as the
    // word of the pair of their name, or else, one alone, of the chosen pair;
    // the rest, for the import.
    QStringList TakeWords(const QStringList& paths);
    void Imported(const ImportOutcome& outcome);
    void ImportFinished();

    const Pair* ChosenPair() const;
    void ShowChosenPair();
    void RenamePair(int row, const QString& wanted);
    void RemovePair();
    // After a step of the undo stack in a set: shows that set as it now is.
    void Undone(const QString& set, const QString& failure);
    void ChooseSide(Side side);
    // The chosen pair's word: recorded, stored when the recorder stops (a
    // silent one is refused), played, stopped, deleted to the trash.
    void Record();
    void Recorded(const Recording& heard);
    void PlayWord();
    void StopWord();
    void StopPlaying();
    void DeleteWord();
    void ShowWord();
    void OtherPictogram();
    // The set's word languages, for its pictograms.
    QStringList Languages() const;
    // What the set keeps beside its pictures: its languages and the
    // proposals awaiting review, shown; a change read, made and written at
    // once (an import may write it too), false when it could not be.
    void ShowInfo();
    bool ChangeInfo(const std::function<void(SetInfo&)>& change);
    void ChooseLanguages();
    // The review's steps: the chosen pair's pictogram kept, the next
    // proposal after the chosen pair chosen.
    void KeepPictogram();
    void NextToReview();
    void FillBox(bool fill);
    void ProposeFor(const QString& name);
    // Makes a picture on a worker thread, then stores it as one side of the
    // named pair on this thread; a failure is told.
    void StoreLater(const QString& name, Side side, std::function<QImage()> make,
                    std::function<void()> stored = {});

    const Services& services_;
    Notifier& notifier_;
    const SymbolMaker& symbols_;
    SetsDialogs& dialogs_;
    QString gameProgram_;

    ThumbnailCache thumbnails_;
    PairListModel model_;
    std::unique_ptr<SetFolder> folder_;
    std::unique_ptr<ImportBatch> batch_;
    QThreadPool work_;
    QTimer refresh_;
    QUndoStack undo_;
    QHash<QString, QString> originals_;  // upper-cased pair name → the picture its image was made from
    QHash<QString, bool> filled_;        // upper-cased pair name → "Fill the box"
    QStringList problems_;               // of the import going on
    WordRecorder recorder_;
    QString recordingSet_, recordingPair_;  // whose word is being recorded
    QTimer playing_;                        // runs while a word plays
    QString playingPair_;
    bool closing_ = false;  // nothing more is told

    QListWidget* sets_;
    QLabel* title_;
    QLabel* note_;
    QLabel* words_;
    QPushButton* languages_;
    ReviewBar* review_;
    QString toldDamaged_;  // the set whose damaged set.json was told
    QPushButton* add_;
    QPushButton* play_;
    QProgressBar* progress_;
    QPushButton* cancel_;
    QListView* grid_;
    PairPanel* panel_;
};

}  // namespace lumari
