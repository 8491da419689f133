#include "teacher/learners/PlanEditor.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>

namespace lumari {

namespace {

using namespace plan_limits;

struct ProcedureText {
    Procedure procedure;
    const char* name;
    const char* about;
};
const ProcedureText kProcedures[] = {
    {Procedure::None, QT_TRANSLATE_NOOP("lumari::PlanEditor", "None"), QT_TRANSLATE_NOOP("lumari::PlanEditor", "No prompts: the game as always.")},
    {Procedure::Errorless, QT_TRANSLATE_NOOP("lumari::PlanEditor", "Errorless"),
     QT_TRANSLATE_NOOP("lumari::PlanEditor", "The prompt comes with every image.")},
    {Procedure::ConstantDelay, QT_TRANSLATE_NOOP("lumari::PlanEditor", "Constant delay"),
     QT_TRANSLATE_NOOP("lumari::PlanEditor", "The prompt at once for the first sessions, then after the delay unless the child has answered.")},
    {Procedure::ProgressiveDelay, QT_TRANSLATE_NOOP("lumari::PlanEditor", "Progressive delay"),
     QT_TRANSLATE_NOOP("lumari::PlanEditor", "The delay starts at 0 s and grows by 1 s after a session with 90 % right without a prompt, "
                                     "up to the delay; back 1 s after one below 50 %.")},
    {Procedure::LeastToMost, QT_TRANSLATE_NOOP("lumari::PlanEditor", "Least to most"),
     QT_TRANSLATE_NOOP("lumari::PlanEditor", "No prompt until a wrong answer; then the other pictures dim, after a second one they are hidden.")},
    {Procedure::DistractorFading, QT_TRANSLATE_NOOP("lumari::PlanEditor", "Distractor fading"),
     QT_TRANSLATE_NOOP("lumari::PlanEditor", "The other pictures start faint and grow by 20 points after 3 right in a row; "
                                     "a wrong answer steps back.")},
};

QSpinBox* Spin(const QString& name, int least, int most, const QString& suffix, QWidget* parent)
{
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(name);
    spin->setRange(least, most);
    spin->setSuffix(suffix);
    spin->setKeyboardTracking(false);  // a number typed counts once it is whole
    return spin;
}

}  // namespace

PlanEditor::PlanEditor(QWidget* parent) : QGroupBox(tr("Teaching plan"), parent)
{
    setObjectName(QStringLiteral("plan"));
    procedure_ = new QComboBox(this);
    procedure_->setObjectName(QStringLiteral("procedure"));
    for (const ProcedureText& p : kProcedures) {
        procedure_->addItem(tr(p.name), int(p.procedure));
        procedure_->setItemData(procedure_->count() - 1, tr(p.about), Qt::ToolTipRole);
    }
    about_ = new QLabel(this);
    about_->setObjectName(QStringLiteral("about"));
    about_->setWordWrap(true);
    delay_ = Spin(QStringLiteral("delay"), 0, kLongestDelaySeconds, tr(" s"), this);
    zeroDelaySessions_ = Spin(QStringLiteral("zeroDelaySessions"), 0, kMostZeroDelaySessions, QString(), this);
    zeroDelaySessions_->setToolTip(tr("Constant delay: the sessions played with the prompt at once first."));
    promptForm_ = new QComboBox(this);
    promptForm_->setObjectName(QStringLiteral("promptForm"));
    promptForm_->addItem(tr("Dimmed"), int(PromptForm::Dim));
    promptForm_->addItem(tr("Hidden"), int(PromptForm::Hide));
    promptForm_->setToolTip(tr("The prompt: the other pictures dimmed, or hidden."));
    percent_ = Spin(QStringLiteral("masteryPercent"), 1, 100, tr(" %"), this);
    percent_->setToolTip(tr("A picture is mastered when at least this share of its first answers were right without a prompt…"));
    sessions_ = Spin(QStringLiteral("masterySessions"), 1, kMostMasterySessions, QString(), this);
    sessions_->setToolTip(tr("…over the last games that showed it…"));
    rounds_ = Spin(QStringLiteral("masteryRounds"), 1, kMostMasteryRounds, QString(), this);
    rounds_->setToolTip(tr("…with at least this many rounds in those games."));

    auto* form = new QFormLayout(this);
    form->addRow(new QLabel(tr("Procedure:"), this));
    form->addRow(procedure_);
    form->addRow(about_);
    form->addRow(tr("Delay:"), delay_);
    form->addRow(tr("Sessions at 0 s:"), zeroDelaySessions_);
    form->addRow(tr("Prompt:"), promptForm_);
    form->addRow(tr("Mastered at:"), percent_);
    form->addRow(tr("Over games:"), sessions_);
    form->addRow(tr("At least rounds:"), rounds_);

    connect(procedure_, &QComboBox::currentIndexChanged, this, [this] {
        plan_.procedure = Procedure(procedure_->currentData().toInt());
        Take();
    });
    connect(delay_, &QSpinBox::valueChanged, this, [this](int seconds) {
        plan_.delaySeconds = seconds;
        Take();
    });
    for (QSpinBox* spin : {zeroDelaySessions_, percent_, sessions_, rounds_}) connect(spin, &QSpinBox::valueChanged, this, &PlanEditor::Take);
    connect(promptForm_, &QComboBox::currentIndexChanged, this, &PlanEditor::Take);
    Show(std::nullopt);
}

void PlanEditor::Show(const std::optional<LearnerPlan>& plan)
{
    learner_ = plan.has_value();
    plan_ = plan.value_or(LearnerPlan());
    ShowFields();
}

void PlanEditor::Take()
{
    plan_.zeroDelaySessions = zeroDelaySessions_->value();
    plan_.promptForm = PromptForm(promptForm_->currentData().toInt());
    plan_.mastery = {percent_->value(), sessions_->value(), rounds_->value()};
    ShowFields();  // the procedure's default delay, the fields it uses
    emit Changed(plan_);
}

void PlanEditor::ShowFields()
{
    const QSignalBlocker quiet[] = {QSignalBlocker(procedure_), QSignalBlocker(delay_), QSignalBlocker(zeroDelaySessions_),
                                    QSignalBlocker(promptForm_), QSignalBlocker(percent_), QSignalBlocker(sessions_),
                                    QSignalBlocker(rounds_)};
    const Procedure p = plan_.procedure;
    procedure_->setCurrentIndex(procedure_->findData(int(p)));
    about_->setText(learner_ ? procedure_->currentData(Qt::ToolTipRole).toString() : tr("\"No learner chosen\" plays without a plan."));
    delay_->setValue(plan_.DelaySeconds());
    zeroDelaySessions_->setValue(plan_.zeroDelaySessions);
    promptForm_->setCurrentIndex(promptForm_->findData(int(plan_.promptForm)));
    percent_->setValue(plan_.mastery.percent);
    sessions_->setValue(plan_.mastery.sessions);
    rounds_->setValue(plan_.mastery.rounds);

    const bool delayed = p == Procedure::ConstantDelay || p == Procedure::ProgressiveDelay;
    procedure_->setEnabled(learner_);
    delay_->setEnabled(learner_ && delayed);
    zeroDelaySessions_->setEnabled(learner_ && p == Procedure::ConstantDelay);
    promptForm_->setEnabled(learner_ && (delayed || p == Procedure::Errorless));
    for (QSpinBox* spin : {percent_, sessions_, rounds_}) spin->setEnabled(learner_);
}

}  // namespace lumari
