#include "options/frmApertura.h"

#include "options/ListControls.h"
#include "options/SetList.h"
#include "options/SoundList.h"
#include "options/StoredOptions.h"
#include "options/WrappedRadioButton.h"
#include "platform/AppInfo.h"
#include "platform/Conversions.h"
#include "platform/ErrorTrap.h"
#include "platform/Geometry.h"
#include "settings/StoredKeys.h"
#include "state/CreaSet.h"
#include "state/Module1.h"
#include "state/Resources.h"
#include "state/SetLayout.h"
#include "state/Sound.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QEventLoopLocker>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <limits>

namespace lumari {
namespace {

// First position of the client area on the screen, in twips.
constexpr int kFirstLeft = 2760;
constexpr int kFirstTop = 3750;
constexpr int kClientWidth = 6090;
constexpr int kClientHeight = 7800;

template <typename Control>
Control* Named(Control* control, const char* name)
{
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, int l, int t, int w, int h)
{
    auto* label = Named(new QLabel(text, parent), name);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    PlaceTwips(label, l, t, w, h);
    return label;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text, int l, int t, int w, int h)
{
    auto* button = Named(new QPushButton(text, parent), name);
    // No default button: Enter presses only the button that has the focus,
    // as on the classic desktop, and never one from another control.
    button->setAutoDefault(true);
    button->setDefault(false);
    PlaceTwips(button, l, t, w, h);
    return button;
}

QPushButton* MakePlayButton(QWidget* parent, const char* name, int l, int t, int w, int h)
{
    QPushButton* button = MakeButton(parent, name, QString(), l, t, w, h);
    button->setIcon(SoundFileIcon());
    button->setIconSize(QSize(16, 16));
    button->setToolTip(QStringLiteral("Play it"));
    return button;
}

QComboBox* MakeList(QWidget* parent, const char* name, int l, int t, int w, int h)
{
    auto* list = Named(new QComboBox(parent), name);
    list->setEditable(false);  // a drop-down list: pick an entry, never type
    PlaceTwips(list, l, t, w, h);
    return list;
}

QCheckBox* MakeCheckBox(QWidget* parent, const char* name, const QString& text, int l, int t, int w, int h)
{
    auto* box = Named(new ClassicCheckBox(text, parent), name);
    box->setChecked(true);
    PlaceTwips(box, l, t, w, h);
    return box;
}

QGroupBox* MakeFrame(QWidget* parent, const char* name, const QString& caption, int l, int t, int w, int h)
{
    auto* frame = Named(new QGroupBox(caption, parent), name);
    PlaceTwips(frame, l, t, w, h);
    return frame;
}

// A horizontal rule one pixel high in the window-text colour.
QWidget* MakeRule(QWidget* parent, const char* name, int x1, int x2, int y)
{
    auto* rule = Named(new QWidget(parent), name);
    rule->setAutoFillBackground(true);
    QPalette palette = rule->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::WindowText));
    rule->setPalette(palette);
    rule->setGeometry(TwipsToPixels(x1), TwipsToPixels(y), TwipsToPixels(x2 - x1), 1);
    return rule;
}

std::int16_t ToInt16(std::int32_t value)
{
    if (value < std::numeric_limits<std::int16_t>::min() || value > std::numeric_limits<std::int16_t>::max())
        throw RuntimeError(err::Overflow);
    return static_cast<std::int16_t>(value);
}

}  // namespace

frmApertura::frmApertura(const Services& services, Module1& module1, QWidget* parent)
    : QWidget(parent), services_(services), module1_(module1)
{
    setObjectName(QStringLiteral("frmApertura"));
    setWindowTitle(kAppTitle);
    setWindowIcon(ProgramIcon());
    // Fixed dialog frame: title and close box only, not resizable.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFont(DialogFont());
    setFixedSize(TwipsToPixels(kClientWidth), TwipsToPixels(kClientHeight));
    BuildControls();
    SetTabOrder();
    ConnectEvents();
}

void frmApertura::BuildControls()
{
    Label1 = MakeLabel(this, "Label1", QStringLiteral("Program Options"), 120, 240, 3495, 375);
    Label1->setFont(DialogFont(12.0, true));
    Line2 = MakeRule(this, "Line2", 120, 5880, 720);

    Frame2 = MakeFrame(this, "Frame2", QStringLiteral("Images set management"), 240, 960, 5535, 1455);
    Label5 = MakeLabel(Frame2, "Label5", QStringLiteral("Current set"), 120, 405, 855, 255);
    cboImagesSet = MakeList(Frame2, "cboImagesSet", 960, 360, 3855, 315);
    cmdCreateSet = MakeButton(Frame2, "cmdCreateSet", QStringLiteral("Create new set"), 960, 840, 1335, 375);
    // Belongs to the window, lies over the frame and is drawn in front of it.
    cmdOpenSet = MakeButton(this, "cmdOpenSet", QStringLiteral("Open current set"), 2640, 1800, 2415, 375);
    cmdOpenSet->raise();

    chkMostraNomi = MakeCheckBox(this, "chkMostraNomi", QStringLiteral("Show labels"), 240, 2520, 1455, 375);
    cmdCancellaStatistiche =
        MakeButton(this, "cmdCancellaStatistiche", QStringLiteral("Clear statistics"), 4680, 2760, 1215, 375);
    cboSimboli = MakeList(this, "cboSimboli", 240, 3000, 615, 315);
    Label2 = MakeLabel(this, "Label2", QStringLiteral("Symbols to display"), 960, 3030, 1575, 255);

    frmModalita = MakeFrame(this, "frmModalita", QStringLiteral("Image selection"), 240, 3600, 3135, 1215);
    opt1 = Named(new QRadioButton(QStringLiteral("Random (repeated images allowed)"), frmModalita), "opt1");
    PlaceTwips(opt1, 120, 240, 2895, 315);
    opt1->setChecked(true);
    opt2 = Named(new WrappedRadioButton(QStringLiteral("Controlled random (repeated images not allowed)"), frmModalita),
                 "opt2");
    PlaceTwips(opt2, 120, 720, 2895, 375);

    Frame1 = MakeFrame(this, "Frame1", QStringLiteral("Sounds management"), 240, 4920, 5535, 1815);
    chkSuoni = MakeCheckBox(Frame1, "chkSuoni", QStringLiteral("Play sounds"), 120, 360, 1455, 375);
    Label3 = MakeLabel(Frame1, "Label3", QStringLiteral("Sound for \"OK\""), 120, 870, 1215, 255);
    cboSoundOK = MakeList(Frame1, "cboSoundOK", 1560, 840, 3255, 315);
    cmdPlayOk = MakePlayButton(Frame1, "cmdPlayOk", 4920, 810, 375, 375);
    Label4 = MakeLabel(Frame1, "Label4", QStringLiteral("Sound for \"error\""), 120, 1260, 1215, 255);
    {
        // The substitute face draws this caption one pixel wider than its
        // designed box; a hair of tighter spacing keeps it whole in the box.
        QFont tight = DialogFont();
        tight.setLetterSpacing(QFont::AbsoluteSpacing, -0.1);
        Label4->setFont(tight);
    }
    cboSoundWrong = MakeList(Frame1, "cboSoundWrong", 1560, 1230, 3255, 315);
    cmdPlayWrong = MakePlayButton(Frame1, "cmdPlayWrong", 4920, 1200, 375, 375);

    Line1 = MakeRule(this, "Line1", 120, 5880, 7080);
    OKButton = MakeButton(this, "OKButton", QStringLiteral("Start program"), 4680, 7200, 1215, 375);
}

void frmApertura::SetTabOrder()
{
    // Labels, frames and rules take no focus; the option buttons share a stop.
    const QList<QWidget*> order = {chkMostraNomi, cboSimboli,   opt1,   opt2,         cboSoundOK,
                                   cboSoundWrong, chkSuoni,     cmdCancellaStatistiche, OKButton,
                                   cmdPlayOk,     cmdPlayWrong, cboImagesSet, cmdCreateSet, cmdOpenSet};
    for (qsizetype i = 0; i + 1 < order.size(); ++i) setTabOrder(order[i], order[i + 1]);
    chkMostraNomi->setFocus();
}

void frmApertura::ConnectEvents()
{
    // Any change of the selected set, by the user or by the program.
    // The routines without a trap of their own: nothing escapes them all the same.
    auto untrapped = [this](void (frmApertura::*routine)()) {
        return [this, routine] { Untrapped(services_.boxes, [&] { (this->*routine)(); }); };
    };
    connect(cboImagesSet, &QComboBox::currentIndexChanged, this, untrapped(&frmApertura::cboImagesSet_Click));
    connect(OKButton, &QPushButton::clicked, this, [this] { OKButton_Click(); });
    connect(cmdCancellaStatistiche, &QPushButton::clicked, this, [this] { cmdCancellaStatistiche_Click(); });
    connect(cmdCreateSet, &QPushButton::clicked, this, untrapped(&frmApertura::cmdCreateSet_Click));
    connect(cmdOpenSet, &QPushButton::clicked, this, untrapped(&frmApertura::cmdOpenSet_Click));
    connect(cmdPlayOk, &QPushButton::clicked, this, [this] { cmdPlayOk_Click(); });
    connect(cmdPlayWrong, &QPushButton::clicked, this, [this] { cmdPlayWrong_Click(); });
    // The option buttons share one Tab stop: the selected one.
    for (QRadioButton* option : {opt1, opt2}) {
        connect(option, &QRadioButton::toggled, this, [option](bool selected) {
            option->setFocusPolicy(selected ? Qt::StrongFocus : Qt::ClickFocus);
        });
    }
    opt2->setFocusPolicy(Qt::ClickFocus);
}

QPointer<frmApertura> frmApertura::Start(const Services& services, Module1& module1)
{
    QPointer<frmApertura> window = new frmApertura(services, module1);
    window->Form_Load();
    if (window->loadRefused_) {
        delete window;  // closed by its start-up, never shown
        return nullptr;
    }
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setGeometry(TwipsToPixels(kFirstLeft), TwipsToPixels(kFirstTop), TwipsToPixels(kClientWidth),
                        TwipsToPixels(kClientHeight));
    window->show();
    return window;
}

void frmApertura::Form_Load()
{
    ErrorTrap trap(services_.boxes, QStringLiteral("Form_Load"));
    Settings& settings = services_.settings;

    // The program cannot run without a picture in the default set; a listing
    // that fails cannot show one either.
    bool hasImages = false;
    trap([&] {
        const SetLayout layout(services_.files.AppPath());
        hasImages = !services_.files.Dir(layout.ImagesPattern(SetLayout::DefaultSet()), attr::Normal).isEmpty();
    });
    if (!hasImages) {
        services_.boxes.MsgBox(QStringLiteral("No images in Images Folder. Application cannot run."), mb::Critical,
                               QStringLiteral("WARNING !!!"));
        loadRefused_ = true;
        close();
        return;
    }

    trap([&] { SetCheckValue(chkMostraNomi, stored::ShowLabels.Get(settings)); });
    trap([&] { SetCheckValue(chkSuoni, stored::PlaySounds.Get(settings)); });

    std::int16_t way = 0;  // stays 0 when the stored text is no number: controlled random
    trap([&] { way = stored::WayToWork.Get(settings); });
    trap([&] {
        if (way == 1) {
            module1_.WayToWork = kRandomWithRepeats;
            opt1->setChecked(true);
        } else {
            module1_.WayToWork = kControlledRandom;
            opt2->setChecked(true);
        }
    });

    trap([&] { module1_.MaxPlaceholders = stored::MaxPlaceholders.Get(settings); });
    trap([&] { AddListItem(cboSimboli, QStringLiteral("2"), 0); });
    trap([&] { AddListItem(cboSimboli, QStringLiteral("3"), 1); });
    trap([&] { AddListItem(cboSimboli, QStringLiteral("4"), 2); });
    trap([&] { SetListIndex(cboSimboli, ToInt16(AddInt32(module1_.MaxPlaceholders, -2))); });

    CaricaSetImmagini();
    CaricaSuoni();
}

void frmApertura::CaricaSetImmagini()
{
    ErrorTrap trap(services_.boxes, QStringLiteral("CaricaSetImmagini"));
    QStringList sets = ListImageSets(services_.files, trap);
    SortSetNames(sets);

    trap([&] { ClearList(cboImagesSet); });
    for (qsizetype i = 0; i < sets.size(); ++i) trap([&] { AddListItem(cboImagesSet, sets[i], int(i)); });

    trap([&] { module1_.ImagesSet = stored::ImagesSet.Get(services_.settings); });
    for (const QString& name : sets) {
        trap([&] {
            // Selecting raises the list's click, which may change ImagesSet.
            if (name.toUpper() == module1_.ImagesSet.toUpper()) SetListText(cboImagesSet, module1_.ImagesSet);
        });
    }
}

void frmApertura::cboImagesSet_Click() { module1_.ImagesSet = ListText(cboImagesSet); }

void frmApertura::CaricaSuoni()
{
    ErrorTrap trap(services_.boxes, QStringLiteral("CaricaSuoni"));
    QStringList sounds = ListSounds(services_.files, trap);
    SortSoundNames(sounds);

    trap([&] { AddListItem(cboSoundOK, kNoSound, 0); });
    trap([&] { AddListItem(cboSoundWrong, kNoSound, 0); });
    for (qsizetype i = 0; i < sounds.size(); ++i) {
        trap([&] { AddListItem(cboSoundOK, sounds[i], int(i + 1)); });
        trap([&] { AddListItem(cboSoundWrong, sounds[i], int(i + 1)); });
    }
    if (sounds.isEmpty()) {
        trap([&] { SetListIndex(cboSoundOK, 0); });
        trap([&] { SetListIndex(cboSoundWrong, 0); });
        return;
    }

    QString storedOk;
    QString storedWrong;
    trap([&] { storedOk = stored::SoundOk.Get(services_.settings); });
    trap([&] { storedWrong = stored::SoundWrong.Get(services_.settings); });
    for (const QString& sound : sounds) {
        trap([&] {
            if (sound.toUpper() == storedOk.toUpper()) SetListText(cboSoundOK, storedOk);
        });
        trap([&] {
            if (sound.toUpper() == storedWrong.toUpper()) SetListText(cboSoundWrong, storedWrong);
        });
    }
    trap([&] {
        if (ListText(cboSoundOK).isEmpty()) SetListIndex(cboSoundOK, 0);
    });
    trap([&] {
        if (ListText(cboSoundWrong).isEmpty()) SetListIndex(cboSoundWrong, 0);
    });
}

void frmApertura::OKButton_Click()
{
    ErrorTrap trap(services_.boxes, QStringLiteral("OKButton_Click"));
    // Between this window's closing and the game window's showing no window
    // is open; the lock keeps the program from ending there. Released after
    // the game window is up, it ends the program only if none is shown.
    QEventLoopLocker keepRunning;
    trap([&] { close(); });
    trap([&] { emit gameRequested(); });
}

void frmApertura::closeEvent(QCloseEvent* event)
{
    if (!unloaded_) {
        unloaded_ = true;
        Form_Unload();
    }
    event->accept();
}

void frmApertura::Form_Unload()
{
    // A window closed by the failed default-set check was never filled from
    // the store: storing its design state would overwrite the user's options,
    // so nothing is stored and the run is not counted.
    if (loadRefused_) return;
    ErrorTrap trap(services_.boxes, QStringLiteral("FormUnload"));
    StoreChosenOptions(services_, module1_, trap, CurrentChoices());
}

ChosenOptions frmApertura::CurrentChoices() const
{
    ChosenOptions chosen;
    chosen.showLabels = CheckValue(chkMostraNomi);
    chosen.playSounds = CheckValue(chkSuoni);
    chosen.randomSelected = opt1->isChecked();
    chosen.controlledSelected = opt2->isChecked();
    chosen.symbolsIndex = cboSimboli->currentIndex();
    chosen.soundOkIndex = cboSoundOK->currentIndex();
    chosen.soundOkText = ListText(cboSoundOK);
    chosen.soundWrongIndex = cboSoundWrong->currentIndex();
    chosen.soundWrongText = ListText(cboSoundWrong);
    chosen.imagesSetText = ListText(cboImagesSet);
    return chosen;
}

void frmApertura::cmdCancellaStatistiche_Click()
{
    ErrorTrap trap(services_.boxes, QStringLiteral("cmdCancellaStatistiche_Click"));
    const int answer = services_.boxes.MsgBox(QStringLiteral("All statistical data will be reset to 0. Proceed ?"),
                                              mb::YesNo, QStringLiteral("Confirm stats reset"));
    if (answer != mb::Yes) return;
    for (const auto* count : {&stored::Shown, &stored::CorrectAnswers, &stored::WrongAnswers, &stored::Used})
        trap([&] { count->Set(services_.settings, 0); });
}

void frmApertura::cmdCreateSet_Click()
{
    const QString name =
        services_.boxes.InputBox(QStringLiteral("Insert new set name"), QStringLiteral("Create new images set"));
    if (name.isEmpty()) return;
    CreaSet(services_, name);
    CaricaSetImmagini();
}

void frmApertura::cmdOpenSet_Click()
{
    // The current set may come from a hand-edited store: a name that leads
    // out of the program's folder names no set folder to open.
    QString folder;
    if (!ErrorTrap(services_.boxes, QStringLiteral("cmdOpenSet_Click"))([&] {
            folder = SetLayout(services_.files.AppPath()).SetFolder(module1_.ImagesSet);
        }))
        return;
    services_.folders.Open(folder);
}

void frmApertura::PlayListedSound(const QString& routine, const QComboBox* list)
{
    // Plays whatever is chosen, whether or not "Play sounds" is checked.
    ErrorTrap trap(services_.boxes, routine);
    QString path;
    trap([&] { path = SetLayout(services_.files.AppPath()).Sound(ListText(list)); });
    API_PlaySound(services_, path);
}

void frmApertura::cmdPlayOk_Click() { PlayListedSound(QStringLiteral("cmdPlayOk_Click"), cboSoundOK); }

void frmApertura::cmdPlayWrong_Click() { PlayListedSound(QStringLiteral("cmdPlayWrong_Click"), cboSoundWrong); }

}  // namespace lumari
