#pragma once

#include "history/Progress.h"
#include "history/WallClock.h"
#include "platform/Notifier.h"
#include "platform/Services.h"

#include <QFuture>
#include <QThreadPool>
#include <QWidget>

#include <atomic>
#include <functional>
#include <memory>

class QChartView;
class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;

namespace lumari {

class AccessEditor;
class HistoryConnection;
class HistoryWatcher;
class LearnerDialogs;
class PlanEditor;
class ProgressTableModel;
struct LearnerPlan;
struct ReportContent;
struct SetWithoutVoice;

// The languages the computer's speech has a voice for (VoiceLanguages()).
using VoiceLister = std::function<QStringList()>;

// The Learners page of lumari-teacher: the learners (add, rename, archive,
// choose who plays next), and for the one selected their teaching plan and
// access settings (and, when their word is spoken, the sets no voice on this
// computer speaks), their games, a chart of their progress, a table per picture with its stage
// and the next checks, and the exports (CSV, PDF, printer).
// The history is opened when the page is first shown.
class LearnersPage : public QWidget {
    Q_OBJECT
public:
    // On the user's own history with the toolkit's dialogs and the clock.
    LearnersPage(const Services& services, Notifier& notifier, QWidget* parent = nullptr);
    // dialogs and clock must outlive the page; voices is called off the page's thread.
    LearnersPage(const Services& services, Notifier& notifier, const QString& historyPath, LearnerDialogs& dialogs,
                 const WallClock& clock, VoiceLister voices, QWidget* parent = nullptr);
    ~LearnersPage() override;

    // Opens the history when not open yet, and reads the learners and the
    // selected learner's games again. A game recorded by the game, or any
    // change committed by another program, reloads the page on its own.
    void Reload();
    // Watches the history for other programs' changes; null until it is open.
    HistoryWatcher* watcher() const { return watcher_.get(); }
    // The look for sets without a voice going on off the page's thread, if
    // any; what it finds is posted to the page before it finishes.
    QFuture<void> voiceCheck() const { return voiceCheck_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Build();
    void ShowLearners(std::optional<qint64> select);
    void ShowProgress();
    // The selected entry: a learner's id, none for "No learner chosen";
    // nothing when no entry is selected.
    std::optional<LearnerRef> Selected() const;
    QString SelectedName() const;
    ReportContent Content() const;

    void AddLearner();
    void RenameLearner();
    void ToggleArchived();
    void ChooseCurrent();
    void SavePlan(const LearnerPlan& plan);
    // One access setting as "lumari-teacher learner" takes it, checked and stored as it stores it.
    void SaveAccess(const QString& option, const QString& value);
    // For a learner whose word is spoken: looks for the sets no voice speaks, off the page's thread.
    // spoken: the learner, none when no learner's word is spoken.
    void CheckVoices(std::optional<qint64> spoken);
    void ShowWithoutVoice(int check, const std::vector<SetWithoutVoice>& sets);
    void MoveGame();
    void ExportCsv();
    void ExportPdf();
    void Print();
    // Runs a change of the history; a failure is told in a box. False then.
    template <typename Change> bool Try(Change&& change);
    void Tell(const QString& text);

    Services services_;
    Notifier& notifier_;
    QString historyPath_;
    std::unique_ptr<LearnerDialogs> ownDialogs_;
    SystemWallClock ownClock_;
    LearnerDialogs* dialogs_;
    const WallClock* clock_;
    std::unique_ptr<HistoryConnection> history_;
    std::unique_ptr<HistoryWatcher> watcher_;  // after the connection it reads: gone before it
    bool opened_ = false;
    Progress progress_;
    VoiceLister voiceLister_;
    // The looks for voices, one at a time on a thread of their own; the
    // voices are asked there once and kept there.
    QThreadPool voiceThread_;
    std::shared_ptr<std::optional<QStringList>> voices_ = std::make_shared<std::optional<QStringList>>();
    QFuture<void> voiceCheck_;
    std::optional<qint64> voiceLearner_;  // whose sets the latest look is for
    std::shared_ptr<std::atomic<int>> voiceChecks_ = std::make_shared<std::atomic<int>>(0);  // the latest check's number

    QLabel* problem_ = nullptr;
    QListWidget* learners_ = nullptr;
    QCheckBox* showArchived_ = nullptr;
    QLabel* current_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* rename_ = nullptr;
    QPushButton* archive_ = nullptr;
    QPushButton* playsNext_ = nullptr;
    PlanEditor* plan_ = nullptr;
    AccessEditor* access_ = nullptr;
    QLabel* withoutVoice_ = nullptr;
    QLabel* checks_ = nullptr;
    QWidget* progressArea_ = nullptr;
    ProgressTableModel* sessionsModel_ = nullptr;
    QTableView* sessions_ = nullptr;
    QChartView* chart_ = nullptr;
    ProgressTableModel* imagesModel_ = nullptr;
    QSortFilterProxyModel* imagesSorted_ = nullptr;
    QTableView* images_ = nullptr;
};

}  // namespace lumari
