#include "teacher/learners/AccessEditor.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>

namespace lumari {

namespace {

using namespace access_limits;

// One step below the shortest time: "Off".
constexpr int kOff = kShortestStepMs - 100;

QComboBox* Choice(const QString& name, std::initializer_list<std::pair<QString, QString>> items, QWidget* parent)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    for (const auto& [text, value] : items) box->addItem(text, value);
    return box;
}

QSpinBox* Milliseconds(const QString& name, int least, int most, QWidget* parent)
{
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(name);
    spin->setRange(least, most);
    spin->setSingleStep(100);
    spin->setSuffix(AccessEditor::tr(" ms"));
    spin->setKeyboardTracking(false);  // a number typed counts once it is whole
    return spin;
}

QSpinBox* OffOrMilliseconds(const QString& name, QWidget* parent)
{
    QSpinBox* spin = Milliseconds(name, kOff, kLongestStepMs, parent);
    spin->setSpecialValueText(AccessEditor::tr("Off"));
    return spin;
}

QString OffOrValue(const QSpinBox* spin)
{
    return spin->value() == spin->minimum() ? QStringLiteral("off") : QString::number(spin->value());
}

}  // namespace

AccessEditor::AccessEditor(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("access"));
    screen_ = Choice(QStringLiteral("screen"), {{tr("Window"), QStringLiteral("window")}, {tr("Full screen"), QStringLiteral("full")}}, this);
    screen_->setToolTip(tr("Full screen: the game fills the screen; hold Esc for 3 s for the adult's menu."));
    scan_ = OffOrMilliseconds(QStringLiteral("scan"), this);
    scan_->setToolTip(tr("A frame steps over the pictures at this pace (500 to 5000 ms); a switch selects."));
    scanMode_ = Choice(QStringLiteral("scanMode"), {{tr("One switch"), QStringLiteral("auto")}, {tr("Two switches"), QStringLiteral("step")}}, this);
    scanMode_->setToolTip(tr("One switch selects the framed picture; with two, one moves the frame and the other selects."));
    scanKeys_ = new QLineEdit(this);
    scanKeys_->setObjectName(QStringLiteral("scanKeys"));
    scanKeys_->setToolTip(tr("default (Space and Enter), or select=KEY[+KEY…] and step=KEY[+KEY…] joined by a comma, "
                             "e.g. select=2,step=1"));
    debounce_ = Milliseconds(QStringLiteral("debounce"), 0, kLongestDebounceMs, this);
    debounce_->setToolTip(tr("A second press within this time is ignored."));
    dwell_ = OffOrMilliseconds(QStringLiteral("dwell"), this);
    dwell_->setToolTip(tr("The pointer resting on a picture this long (500 to 5000 ms) selects it."));
    speak_ = Choice(QStringLiteral("speak"), {{tr("Off"), QStringLiteral("off")}, {tr("The word"), QStringLiteral("word")}}, this);
    speak_->setToolTip(tr("Each image's word is spoken as it appears: your recording, or the computer's voice."));
    task_ = Choice(QStringLiteral("task"), {{tr("Match"), QStringLiteral("match")}, {tr("Find the one I say"), QStringLiteral("spoken")}}, this);
    task_->setToolTip(tr("Find the one I say: the word is spoken instead of the photo shown."));
    // One line: the tab that holds the editor sizes itself without wrapping it.
    about_ = new QLabel(tr("\"No learner chosen\" has no settings."), this);
    about_->setObjectName(QStringLiteral("accessAbout"));
    problem_ = new QLabel(this);
    problem_->setObjectName(QStringLiteral("accessProblem"));
    problem_->setWordWrap(true);
    problem_->setStyleSheet(QStringLiteral("color: #b00020"));

    auto* form = new QFormLayout(this);
    form->addRow(about_);
    form->addRow(tr("Screen:"), screen_);
    form->addRow(tr("Scanning:"), scan_);
    form->addRow(tr("Switches:"), scanMode_);
    form->addRow(tr("Keys:"), scanKeys_);
    form->addRow(tr("Debounce:"), debounce_);
    form->addRow(tr("Dwell:"), dwell_);
    form->addRow(tr("Speak:"), speak_);
    form->addRow(tr("Task:"), task_);
    form->addRow(problem_);

    const auto choice = [this](QComboBox* box, const char* option) {
        connect(box, &QComboBox::currentIndexChanged, this,
                [this, box, option] { emit Changed(QString::fromLatin1(option), box->currentData().toString()); });
    };
    choice(screen_, "screen");
    choice(scanMode_, "scan-mode");
    choice(speak_, "speak");
    choice(task_, "task");
    connect(scan_, &QSpinBox::valueChanged, this, [this] { emit Changed(QStringLiteral("scan"), OffOrValue(scan_)); });
    connect(dwell_, &QSpinBox::valueChanged, this, [this] { emit Changed(QStringLiteral("dwell"), OffOrValue(dwell_)); });
    connect(debounce_, &QSpinBox::valueChanged, this, [this](int ms) { emit Changed(QStringLiteral("debounce"), QString::number(ms)); });
    connect(scanKeys_, &QLineEdit::editingFinished, this, [this] {
        // Focus leaving an unchanged field is no change.
        if (scanKeys_->text().trimmed() != ScanKeysName(access_.scanKeys)) emit Changed(QStringLiteral("scan-keys"), scanKeys_->text());
    });
    Show(std::nullopt);
}

void AccessEditor::Show(const std::optional<AccessOptions>& access)
{
    learner_ = access.has_value();
    access_ = access.value_or(AccessOptions());
    problem_->clear();
    problem_->hide();
    about_->setVisible(!learner_);
    ShowFields();
}

void AccessEditor::Refuse(const AccessOptions& stored, const QString& why)
{
    Show(stored);
    problem_->setText(why);
    problem_->show();
}

void AccessEditor::ShowFields()
{
    const QSignalBlocker quiet[] = {QSignalBlocker(screen_), QSignalBlocker(scan_), QSignalBlocker(scanMode_),
                                    QSignalBlocker(scanKeys_), QSignalBlocker(debounce_), QSignalBlocker(dwell_),
                                    QSignalBlocker(speak_), QSignalBlocker(task_)};
    screen_->setCurrentIndex(screen_->findData(ScreenModeName(access_.screen)));
    scan_->setValue(access_.scanMs.value_or(kOff));
    scanMode_->setCurrentIndex(scanMode_->findData(ScanModeName(access_.scanMode)));
    scanKeys_->setText(ScanKeysName(access_.scanKeys));
    debounce_->setValue(access_.debounceMs);
    dwell_->setValue(access_.dwellMs.value_or(kOff));
    speak_->setCurrentIndex(speak_->findData(SpeechName(access_.speech)));
    task_->setCurrentIndex(task_->findData(TaskName(access_.task)));
    // The switches' settings matter only while scanning.
    for (QWidget* field : std::initializer_list<QWidget*>{screen_, scan_, dwell_, speak_, task_}) field->setEnabled(learner_);
    for (QWidget* field : std::initializer_list<QWidget*>{scanMode_, scanKeys_, debounce_}) field->setEnabled(learner_ && access_.Scanning());
}

}  // namespace lumari
