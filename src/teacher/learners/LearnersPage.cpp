#include "teacher/learners/LearnersPage.h"

#include "history/AccessCommand.h"
#include "history/HistoryFile.h"
#include "history/LearnerAccess.h"
#include "history/LearnerPlans.h"
#include "history/Learners.h"
#include "history/SqlSteps.h"
#include "history/WallClock.h"
#include "platform/Failure.h"
#include "reports/PictureStages.h"
#include "reports/ProgressChart.h"
#include "reports/ReportPage.h"
#include "speech/SpeechVoices.h"
#include "teacher/learners/AccessEditor.h"
#include "teacher/learners/HistoryWatcher.h"
#include "teacher/learners/LearnerDialogs.h"
#include "teacher/learners/PlanEditor.h"
#include "teacher/learners/ProgressTableModel.h"
#include "teacher/learners/VoiceCheck.h"

#include <QChartView>
#include <QCheckBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

namespace lumari {

namespace {

constexpr qint64 kNoLearner = -1;
constexpr int kIdRole = Qt::UserRole;
constexpr int kArchivedRole = Qt::UserRole + 1;
constexpr int kNameRole = Qt::UserRole + 2;

QPushButton* Button(const QString& text, const QString& name, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    return button;
}

QTableView* Table(QAbstractItemModel* model, const QString& name, QWidget* parent)
{
    auto* table = new QTableView(parent);
    table->setObjectName(name);
    table->setModel(model);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 8);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // Columns fit the rows in view and a few more, not every game of years.
    table->horizontalHeader()->setResizeContentsPrecision(64);
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

// A file name from a learner's name: letters, digits and dashes.
QString FileStem(const QString& name)
{
    QString stem;
    for (const QChar c : name) stem += c.isLetterOrNumber() ? c : QLatin1Char('-');
    return stem.isEmpty() ? QStringLiteral("learner") : stem;
}

}  // namespace

LearnersPage::LearnersPage(const Services& services, Notifier& notifier, QWidget* parent)
    : QWidget(parent), services_(services), notifier_(notifier), historyPath_(DefaultHistoryPath()),
      ownDialogs_(std::make_unique<QtLearnerDialogs>()), dialogs_(ownDialogs_.get()), clock_(&ownClock_),
      voiceLister_(VoiceLanguages)
{
    setObjectName(QStringLiteral("learnersPage"));
    voiceThread_.setMaxThreadCount(1);
    Build();
}

LearnersPage::LearnersPage(const Services& services, Notifier& notifier, const QString& historyPath, LearnerDialogs& dialogs,
                           const WallClock& clock, VoiceLister voices, QWidget* parent)
    : QWidget(parent), services_(services), notifier_(notifier), historyPath_(historyPath), dialogs_(&dialogs), clock_(&clock),
      voiceLister_(std::move(voices))
{
    setObjectName(QStringLiteral("learnersPage"));
    voiceThread_.setMaxThreadCount(1);
    Build();
}

// The looks for voices post to the page: they end before the page does.
LearnersPage::~LearnersPage() { voiceThread_.waitForDone(); }

void LearnersPage::Build()
{
    problem_ = new QLabel(this);
    problem_->setObjectName(QStringLiteral("problem"));
    problem_->setWordWrap(true);
    problem_->hide();
    withoutVoice_ = new QLabel(this);
    withoutVoice_->setObjectName(QStringLiteral("withoutVoice"));
    withoutVoice_->setWordWrap(true);
    withoutVoice_->hide();

    learners_ = new QListWidget(this);
    learners_->setObjectName(QStringLiteral("learners"));
    showArchived_ = new QCheckBox(tr("Show archived learners"), this);
    showArchived_->setObjectName(QStringLiteral("showArchived"));
    current_ = new QLabel(this);
    current_->setObjectName(QStringLiteral("current"));
    add_ = Button(tr("Add…"), QStringLiteral("add"), this);
    rename_ = Button(tr("Rename…"), QStringLiteral("rename"), this);
    archive_ = Button(tr("Archive"), QStringLiteral("archive"), this);
    playsNext_ = Button(tr("Plays next"), QStringLiteral("playsNext"), this);
    playsNext_->setToolTip(tr("The games played from now on are recorded for this learner."));

    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel(tr("Learners"), this));
    left->addWidget(learners_, 1);
    left->addWidget(showArchived_);
    auto* learnerButtons = new QHBoxLayout;
    for (QPushButton* b : {add_, rename_, archive_}) learnerButtons->addWidget(b);
    left->addLayout(learnerButtons);
    left->addWidget(playsNext_);
    left->addWidget(current_);
    // The plan and the access settings, one at a time: the column stays narrow and short.
    auto* settings = new QTabWidget(this);
    settings->setObjectName(QStringLiteral("learnerSettings"));
    plan_ = new PlanEditor(settings);
    plan_->setTitle(QString());  // the tab says it
    plan_->setStyleSheet(QStringLiteral("QGroupBox { border: none; }"));
    access_ = new AccessEditor(settings);
    settings->addTab(plan_, tr("Teaching plan"));
    settings->addTab(access_, tr("Access"));
    left->addWidget(settings);

    progressArea_ = new QWidget(this);
    sessionsModel_ = new ProgressTableModel(this);
    sessions_ = Table(sessionsModel_, QStringLiteral("sessions"), progressArea_);
    chart_ = new QChartView(progressArea_);
    chart_->setObjectName(QStringLiteral("chart"));
    chart_->setRenderHint(QPainter::Antialiasing);
    chart_->setMinimumSize(360, 240);
    imagesModel_ = new ProgressTableModel(this);
    imagesSorted_ = new QSortFilterProxyModel(this);
    imagesSorted_->setSourceModel(imagesModel_);
    imagesSorted_->setSortRole(Qt::UserRole);
    images_ = Table(imagesSorted_, QStringLiteral("images"), progressArea_);
    images_->setSortingEnabled(true);
    images_->sortByColumn(-1, Qt::AscendingOrder);  // the pictures still to learn first, until a column is chosen

    auto* top = new QHBoxLayout;
    top->addWidget(sessions_, 3);
    top->addWidget(chart_, 2);
    auto* exports = new QHBoxLayout;
    QPushButton* move = Button(tr("Move game to…"), QStringLiteral("moveGame"), progressArea_);
    QPushButton* csv = Button(tr("Export CSV…"), QStringLiteral("exportCsv"), progressArea_);
    QPushButton* pdf = Button(tr("Export PDF…"), QStringLiteral("exportPdf"), progressArea_);
    QPushButton* print = Button(tr("Print…"), QStringLiteral("print"), progressArea_);
    exports->addWidget(move);
    exports->addStretch(1);
    for (QPushButton* b : {csv, pdf, print}) exports->addWidget(b);
    auto* right = new QVBoxLayout(progressArea_);
    right->setContentsMargins(0, 0, 0, 0);
    right->addWidget(new QLabel(tr("Games"), progressArea_));
    right->addLayout(top, 1);
    checks_ = new QLabel(progressArea_);
    checks_->setObjectName(QStringLiteral("nextChecks"));
    checks_->setWordWrap(true);
    auto* picturesTitle = new QHBoxLayout;
    picturesTitle->addWidget(new QLabel(tr("Pictures"), progressArea_));
    picturesTitle->addSpacing(24);
    picturesTitle->addWidget(checks_, 1);
    right->addLayout(picturesTitle);
    right->addWidget(images_, 1);
    right->addLayout(exports);

    auto* learnersArea = new QWidget(this);
    learnersArea->setLayout(left);
    left->setContentsMargins(0, 0, 0, 0);
    learnersArea->setFixedWidth(230);
    auto* columns = new QHBoxLayout;
    columns->addWidget(learnersArea);
    columns->addWidget(progressArea_, 1);
    auto* page = new QVBoxLayout(this);
    page->addWidget(problem_);
    page->addWidget(withoutVoice_);
    page->addLayout(columns, 1);

    connect(learners_, &QListWidget::currentRowChanged, this, [this] { ShowProgress(); });
    connect(showArchived_, &QCheckBox::toggled, this, [this] { ShowLearners(Selected().value_or(std::nullopt)); });
    connect(add_, &QPushButton::clicked, this, &LearnersPage::AddLearner);
    connect(rename_, &QPushButton::clicked, this, &LearnersPage::RenameLearner);
    connect(archive_, &QPushButton::clicked, this, &LearnersPage::ToggleArchived);
    connect(playsNext_, &QPushButton::clicked, this, &LearnersPage::ChooseCurrent);
    connect(move, &QPushButton::clicked, this, &LearnersPage::MoveGame);
    connect(csv, &QPushButton::clicked, this, &LearnersPage::ExportCsv);
    connect(pdf, &QPushButton::clicked, this, &LearnersPage::ExportPdf);
    connect(print, &QPushButton::clicked, this, &LearnersPage::Print);
    connect(plan_, &PlanEditor::Changed, this, &LearnersPage::SavePlan);
    connect(access_, &AccessEditor::Changed, this, &LearnersPage::SaveAccess);
    setEnabled(false);
}

void LearnersPage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!opened_) Reload();
}

void LearnersPage::Reload()
{
    if (!opened_) {
        opened_ = true;
        OpenedHistory opened = OpenHistory(historyPath_);
        history_ = std::move(opened.connection);
        if (!opened.keptAside.isEmpty())
            Tell(tr("The learners' history could not be read. It was kept aside as \"%1\", and a new history was started.")
                     .arg(QFileInfo(opened.keptAside).fileName()));
        if (!history_) {
            problem_->setText(tr("The learners' history cannot be opened: %1").arg(opened.failure));
            problem_->show();
            return;
        }
        setEnabled(true);
        watcher_ = std::make_unique<HistoryWatcher>(history_->db(), historyPath_);
        connect(watcher_.get(), &HistoryWatcher::changed, this, &LearnersPage::Reload);
        // Who plays next is shown first.
        std::optional<Learner> next;
        Try([&] { next = FindLearner(history_->db(), CurrentLearner(services_.settings)); });
        ShowLearners(next ? LearnerRef(next->id) : LearnerRef());
        return;
    }
    if (history_) ShowLearners(Selected().value_or(std::nullopt));
}

template <typename Change> bool LearnersPage::Try(Change&& change)
{
    try {
        change();
        return true;
    } catch (const Failure& error) {
        Tell(error.reason());
    } catch (const std::exception& error) {
        Tell(tr("The settings file cannot be written (%1).").arg(ReasonOf(error)));
    }
    return false;
}

void LearnersPage::Tell(const QString& text) { notifier_.Tell(Severity::Warning, text, tr("Learners")); }

void LearnersPage::ShowLearners(std::optional<qint64> select)
{
    const QString current = CurrentLearner(services_.settings);
    std::vector<Learner> learners;
    if (!Try([&] { learners = ListLearners(history_->db(), showArchived_->isChecked()); })) return;
    const QSignalBlocker quiet(learners_);
    learners_->clear();
    int row = -1;
    for (const Learner& l : learners) {
        const bool next = l.name.compare(current, Qt::CaseInsensitive) == 0;
        QString text = l.name;
        if (l.archived) text = tr("%1 (archived)").arg(text);
        if (next) text = tr("%1 (plays next)").arg(text);
        auto* item = new QListWidgetItem(text, learners_);
        item->setData(kIdRole, l.id);
        item->setData(kArchivedRole, l.archived);
        item->setData(kNameRole, l.name);
        QFont font = item->font();
        font.setBold(next);
        font.setItalic(l.archived);
        item->setFont(font);
        if (select == l.id) row = learners_->count() - 1;
    }
    auto* none = new QListWidgetItem(current.isEmpty() ? tr("No learner chosen (plays next)") : tr("No learner chosen"), learners_);
    none->setData(kIdRole, kNoLearner);
    none->setData(kNameRole, tr("No learner chosen"));
    if (!select) row = learners_->count() - 1;
    current_->setText(current.isEmpty() ? tr("Plays next: no learner chosen") : tr("Plays next: %1").arg(current));
    learners_->setCurrentRow(row);
    ShowProgress();
}

std::optional<LearnerRef> LearnersPage::Selected() const
{
    const QListWidgetItem* item = learners_->currentItem();
    if (!item) return std::nullopt;
    const qint64 id = item->data(kIdRole).toLongLong();
    return id == kNoLearner ? LearnerRef() : LearnerRef(id);
}

QString LearnersPage::SelectedName() const
{
    const QListWidgetItem* item = learners_->currentItem();
    return item ? item->data(kNameRole).toString() : QString();
}

void LearnersPage::ShowProgress()
{
    const auto selected = Selected();
    const bool learner = selected && selected->has_value();
    rename_->setEnabled(learner);
    archive_->setEnabled(learner);
    archive_->setText(learner && learners_->currentItem()->data(kArchivedRole).toBool() ? tr("Restore") : tr("Archive"));
    playsNext_->setEnabled(bool(selected));
    progressArea_->setEnabled(bool(selected));
    std::optional<LearnerPlan> plan;
    std::optional<AccessOptions> access;
    if (learner) Try([&] {
        plan = LoadLearnerPlan(history_->db(), **selected);
        access = LoadLearnerAccess(history_->db(), **selected);
    });
    plan_->Show(plan);
    access_->Show(access);
    const bool spoken = access && (access->speech != Speech::Off || access->task == Task::Spoken);
    CheckVoices(spoken ? std::optional(**selected) : std::nullopt);
    progress_ = Progress();
    if (selected) Try([&] { progress_ = LoadProgress(history_->db(), *selected, Period(), clock_->Now().date()); });
    sessionsModel_->SetTable(SessionsTable(progress_));
    imagesModel_->SetTable(ImagesTable(progress_));
    checks_->setText(NextChecksText(progress_));
    QChart* old = chart_->chart();
    chart_->setChart(MakeProgressChart(progress_.sessions));
    delete old;
}

ReportContent LearnersPage::Content() const { return {SelectedName(), Period(), progress_}; }

void LearnersPage::AddLearner()
{
    const QString name = dialogs_->AskName(this, tr("Add a learner"), tr("Name:"), QString());
    if (name.isEmpty()) return;
    qint64 id = 0;
    if (Try([&] { id = lumari::AddLearner(history_->db(), name, clock_->Now()); })) ShowLearners(id);
}

void LearnersPage::RenameLearner()
{
    const auto selected = Selected();
    if (!selected || !*selected) return;
    const QString old = SelectedName();
    const QString name = dialogs_->AskName(this, tr("Rename a learner"), tr("New name:"), old);
    if (name.isEmpty() || name == old) return;
    // Whoever plays next keeps playing next under the new name.
    const bool next = old.compare(CurrentLearner(services_.settings), Qt::CaseInsensitive) == 0;
    Try([&] {
        lumari::RenameLearner(history_->db(), **selected, name);
        if (next) ChooseCurrentLearner(services_.settings, name.trimmed());
    });
    ShowLearners(*selected);
}

void LearnersPage::ToggleArchived()
{
    const auto selected = Selected();
    if (!selected || !*selected) return;
    const bool archived = learners_->currentItem()->data(kArchivedRole).toBool();
    if (Try([&] { SetArchived(history_->db(), **selected, !archived); })) ShowLearners(*selected);
}

void LearnersPage::ChooseCurrent()
{
    const auto selected = Selected();
    if (!selected) return;
    Try([&] { ChooseCurrentLearner(services_.settings, *selected ? SelectedName() : QString()); });
    ShowLearners(*selected);
}

void LearnersPage::SavePlan(const LearnerPlan& plan)
{
    const auto selected = Selected();
    if (!selected || !*selected) return;
    Try([&] { SaveLearnerPlan(history_->db(), **selected, plan); });
    // The plan as stored, and the pictures' stages by its mastery rule.
    ShowProgress();
}

void LearnersPage::SaveAccess(const QString& option, const QString& value)
{
    const auto selected = Selected();
    if (!selected || !*selected) return;
    QString refused;
    AccessOptions stored;
    const bool saved = Try([&] {
        // As "lumari-teacher learner" stores it: read, changed and written in one transaction.
        WriteTransaction transaction(history_->db());
        stored = LoadLearnerAccess(history_->db(), **selected);
        auto applied = AppliedAccess(stored, AccessValues{{option, value}});
        if (const QString* why = std::get_if<QString>(&applied)) {
            refused = *why;
            return;
        }
        SaveLearnerAccess(history_->db(), **selected, std::get<AccessOptions>(applied));
        transaction.Commit();
    });
    if (saved && !refused.isEmpty()) {
        // The value refused is told, the settings stored stay as they were.
        access_->Refuse(stored, refused);
        return;
    }
    ShowProgress();
}

void LearnersPage::CheckVoices(std::optional<qint64> spoken)
{
    const int check = ++*voiceChecks_;
    // The same learner's sets looked at again keep what was said until the answer comes.
    if (spoken != voiceLearner_) withoutVoice_->hide();
    voiceLearner_ = spoken;
    if (!spoken) return;
    // The voices are asked once (a second or two while speech starts), the sets each time; a
    // check overtaken by a later one before it starts is skipped.
    voiceCheck_ = QtConcurrent::run(&voiceThread_, [this, check, latest = voiceChecks_, voices = voices_, lister = voiceLister_,
                                                    folder = services_.files.AppPath()] {
        if (check != *latest) return;
        if (!*voices) *voices = lister();
        std::vector<SetWithoutVoice> sets = SetsWithoutVoice(folder, **voices);
        QMetaObject::invokeMethod(this, [this, check, sets = std::move(sets)] { ShowWithoutVoice(check, sets); }, Qt::QueuedConnection);
    });
}

void LearnersPage::ShowWithoutVoice(int check, const std::vector<SetWithoutVoice>& sets)
{
    if (check != *voiceChecks_) return;  // another learner is shown meanwhile
    withoutVoice_->setText(WithoutVoiceText(sets));
    withoutVoice_->setVisible(!sets.empty());
}

void LearnersPage::MoveGame()
{
    const QModelIndexList rows = sessions_->selectionModel()->selectedRows();
    if (rows.isEmpty()) {
        Tell(tr("Choose a game in the table first."));
        return;
    }
    const qint64 game = progress_.sessions[std::size_t(rows.first().row())].id;
    std::vector<Learner> learners;
    if (!Try([&] { learners = ListLearners(history_->db(), false); })) return;
    QStringList names;
    for (const Learner& l : learners) names << l.name;
    names << tr("No learner chosen");
    const int chosen = dialogs_->Choose(this, tr("Move the game"), tr("Give this game to:"), names);
    if (chosen < 0) return;
    const LearnerRef to = chosen < int(learners.size()) ? LearnerRef(learners[std::size_t(chosen)].id) : LearnerRef();
    if (Try([&] { ReassignSession(history_->db(), game, to); })) ShowProgress();
}

void LearnersPage::ExportCsv()
{
    const QString path = dialogs_->SaveFileName(this, tr("Export the rounds"), FileStem(SelectedName()) + QStringLiteral("-rounds.csv"),
                                                tr("CSV files (*.csv)"));
    if (path.isEmpty()) return;
    std::vector<RoundRow> rounds;
    if (!Try([&] { rounds = LoadRounds(history_->db(), Selected().value_or(std::nullopt), Period()); })) return;
    if (const QString failure = WriteCsvReport(path, SelectedName(), rounds); !failure.isEmpty())
        Tell(tr("%1 cannot be written: %2").arg(path, failure));
}

void LearnersPage::ExportPdf()
{
    const QString path = dialogs_->SaveFileName(this, tr("Export the report"), FileStem(SelectedName()) + QStringLiteral("-report.pdf"),
                                                tr("PDF files (*.pdf)"));
    if (path.isEmpty()) return;
    if (const QString failure = WritePdfReport(path, Content()); !failure.isEmpty()) Tell(tr("%1 cannot be written: %2").arg(path, failure));
}

void LearnersPage::Print()
{
    QPrinter printer(QPrinter::HighResolution);
    if (!dialogs_->SetUpPrinter(this, printer)) return;
    if (const QString failure = PrintReport(printer, Content()); !failure.isEmpty()) Tell(failure);
}

}  // namespace lumari
