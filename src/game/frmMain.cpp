#include "game/frmMain.h"

#include "game/AccessMarks.h"
#include "game/DistractorShade.h"
#include "game/GameSession.h"
#include "game/ImageBox.h"
#include "game/SpeakerPicture.h"
#include "game/WordVoice.h"
#include "platform/AppInfo.h"
#include "platform/ErrorTrap.h"
#include "platform/Geometry.h"
#include "state/Resources.h"

#include <QCloseEvent>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <climits>


namespace lumari {
namespace {

// The described fonts' sizes, in points, scaled with the layout.
constexpr double kImageCaptionPoints = 24;
constexpr double kSymbolCaptionPoints = 13.5;
constexpr double kButtonPoints = 8;
// Esc held this long in full screen opens the adult's menu.
constexpr auto kEscHold = std::chrono::milliseconds(3000);
constexpr int kRingFrameMs = 30;

// Keeps the adult's menu open while the Esc that opened it is still held:
// only a fresh press of Esc closes it.
class HeldEscape : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Escape) return false;
        if (event->type() == QEvent::KeyRelease) {
            released_.start();
            return true;
        }
        // A repeat of the held key, flagged or coming at once after its release.
        return key->isAutoRepeat() || !released_.isValid() || released_.elapsed() < 100;
    }

private:
    QElapsedTimer released_;
};

int MsUntil(MonotonicTime due, MonotonicTime now)
{
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(due - now).count();
    return int(std::max<long long>(0, left));
}

QLabel* MakeLabel(QWidget* parent, double pointSize)
{
    auto* label = new QLabel(QStringLiteral("Label1"), parent);
    label->setTextFormat(Qt::PlainText);  // file names are never markup
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setFont(DialogFont(pointSize));
    label->setFocusPolicy(Qt::NoFocus);
    return label;
}

}  // namespace

frmMain::frmMain(const Services& services, const GameOptions& options, const Stopwatch& stopwatch,
                 GameObserver* observer, QWidget* parent)
    : QWidget(parent), boxes_(services.boxes, [this](bool open) { BoxOpen(open); }),
      services_(services.WithBoxes(boxes_)), options_(options),
      session_(std::make_unique<GameSession>(services_, options, stopwatch, observer,
                                             [this](int target) { return PictureOf(target)->devicePixelSize(); })),
      stopwatch_(stopwatch)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(kAppTitle);
    setWindowIcon(ProgramIcon());
    setFont(DialogFont());
    // Resizable; with no access settings nothing is laid out again: every control keeps its place.
    resize(kDescribedClientSize);

    // Created in tab order: the button is the only control that takes focus.
    cmdCambia_ = new QPushButton(QStringLiteral("Change set"), this);
    cmdCambia_->setObjectName(QStringLiteral("cmdCambia"));
    cmdCambia_->setAutoDefault(false);

    lblImmagine_ = MakeLabel(this, 24);
    lblImmagine_->setObjectName(QStringLiteral("lblImmagine"));

    for (int i = 0; i < kPlaceholderSlots; ++i) {
        QLabel* label = MakeLabel(this, 13.5);
        label->setObjectName(QStringLiteral("lblSimbolo%1").arg(i));
        label->hide();
        lblSimbolo_[std::size_t(i)] = label;
    }

    Immagine_ = new ImageBox(this);
    Immagine_->setObjectName(QStringLiteral("Immagine"));

    for (int i = 0; i < kPlaceholderSlots; ++i) {
        auto* box = new ImageBox(this);
        box->setObjectName(QStringLiteral("Simbolo%1").arg(i));
        box->setCursor(HandCursor());  // shown only while the placeholder is visible
        box->hide();
        connect(box, &ImageBox::clicked, this, [this, i] { Simbolo_Click(i); });
        Simbolo_[std::size_t(i)] = box;
    }

    connect(cmdCambia_, &QPushButton::clicked, this, [this] { cmdCambia_Click(); });
    Lay(LayoutFit{});

    const AccessOptions& access = options_.access;
    if (access.Scanning()) {
        scanner_.emplace(access);
        scanFrame_ = new ScanFrame(this);
        scanTimer_ = new QTimer(this);
        scanTimer_->setObjectName(QStringLiteral("scanTimer"));
        scanTimer_->setSingleShot(true);
        scanTimer_->setTimerType(Qt::PreciseTimer);
        connect(scanTimer_, &QTimer::timeout, this, &frmMain::ScanTick);
        // Space and Enter are the switches', never "Change set"'s: the window keeps the keys.
        cmdCambia_->setFocusPolicy(Qt::NoFocus);
        setFocusPolicy(Qt::StrongFocus);
    }
    if (access.Dwelling()) {
        dwell_.emplace(*access.dwellMs);
        dwellRing_ = new FillRing(this);
        dwellRing_->setObjectName(QStringLiteral("dwellRing"));
        dwellTimer_ = new QTimer(this);
        dwellTimer_->setObjectName(QStringLiteral("dwellTimer"));
        dwellTimer_->setTimerType(Qt::PreciseTimer);
        connect(dwellTimer_, &QTimer::timeout, this, &frmMain::DwellTick);
        for (ImageBox* box : Simbolo_) box->installEventFilter(this);
    }
    if (access.screen == ScreenMode::Full) {
        escRing_ = new FillRing(this);
        escRing_->setObjectName(QStringLiteral("escRing"));
        escTimer_ = new QTimer(this);
        connect(escTimer_, &QTimer::timeout, this, &frmMain::EscHeld);
        escLetGo_ = new QTimer(this);
        escLetGo_->setSingleShot(true);
        escLetGo_->setInterval(100);
        connect(escLetGo_, &QTimer::timeout, this, [this] {
            escTimer_->stop();
            escRing_->hide();
        });
        setFocusPolicy(Qt::StrongFocus);
    }

    if (options_.plan.Active()) {
        shade_ = std::make_unique<DistractorShade>(Simbolo_);
        promptTimer_ = new QTimer(this);
        promptTimer_->setSingleShot(true);
        promptTimer_->setTimerType(Qt::PreciseTimer);
        connect(promptTimer_, &QTimer::timeout, this, [this] { ShowPrompt(session_->TimePassed()); });
    }
    if (access.task == Task::Spoken) ShowSpeaker();
}

frmMain::~frmMain() = default;

void frmMain::Open()
{
    setAttribute(Qt::WA_DeleteOnClose);
    // The start-up's message boxes come before the window appears.
    if (options_.access.screen == ScreenMode::Full) {
        // Laid out on the whole screen before the start-up, so the first
        // pictures are decoded at the size they are shown.
        fullScreen_ = true;
        cmdCambia_->hide();
        setGeometry(screen()->geometry());
        Lay(Fit());
    }
    Untrapped(services_.boxes, [this] { Form_Load(); });
    if (closed_) return;
    if (fullScreen_) showFullScreen();
    else show();
    if (cmdCambia_->focusPolicy() != Qt::NoFocus && !fullScreen_) cmdCambia_->setFocus();
    else setFocus();
}

QPointer<frmMain> frmMain::Start(const Services& services, const GameOptions& options, const Stopwatch& stopwatch,
                                 GameObserver* observer)
{
    QPointer<frmMain> window = new frmMain(services, options, stopwatch, observer);
    window->Open();
    return window;
}

const GameState& frmMain::game() const { return session_->game(); }

void frmMain::Form_Load()
{
    const int used = PlaceholdersInUse(options_.MaxPlaceholders);

    for (int i = 0; i < used; ++i) {
        lblSimbolo_[std::size_t(i)]->show();
        Simbolo_[std::size_t(i)]->show();
        lblSimbolo_[std::size_t(i)]->setText(QString());
    }
    lblImmagine_->setText(QString());

    Show(session_->Start());

    // The window's own pointer: a crosshair everywhere but over the placeholders.
    setCursor(Qt::CrossCursor);
}

void frmMain::Simbolo_Click(int index, AnsweredBy by)
{
    Untrapped(services_.boxes, [&] { Show(session_->Answer(index, by)); });
}

void frmMain::cmdCambia_Click()
{
    Untrapped(services_.boxes, [this] { Show(session_->ChangeSet()); });
}

void frmMain::Show(const ShownRound& shown)
{
    ShowSteps(shown, services_.boxes, [this](const ShownPicture& picture) { Put(picture); });
    if (shown.drawn) NamePictures();
    if (shade_) ShowPrompt(session_->Prompt());
    if (shown.setEnded) close();
    else if (shown.drawn) AccessRound(true);
    if (shown.drawn) SayWord();
}

void frmMain::Put(const ShownPicture& picture)
{
    ImageBox* box = PictureOf(picture.target);
    if (picture.cleared) box->clearImage();
    else if (!picture.error) box->setImage(picture.image);
    if (picture.caption) CaptionOf(picture.target)->setText(*picture.caption);
}

void frmMain::ShowPrompt(const PromptState& state)
{
    shade_->Apply(state, session_->game().round);
    if (const std::optional<qint64> ms = session_->MsToPrompt()) promptTimer_->start(int(std::min<qint64>(*ms, INT_MAX)));
    else promptTimer_->stop();
}

void frmMain::keyPressEvent(QKeyEvent* event)
{
    if (SayAgainKey(event)) return;
    // A key held down is one press, as a held mouse button is one click.
    const bool plain = !(event->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier));
    const int key = event->key();
    if (scanner_ && plain && scanner_->Takes(key)) {
        // A switch held down is one press.
        if (event->isAutoRepeat()) return;
        const std::optional<int> selected = scanner_->Pressed(stopwatch_.Now(), key);
        DrawScan();
        if (selected) Simbolo_Click(*selected, AnsweredBy::Scan);
        return;
    }
    if (fullScreen_ && key == Qt::Key_Escape) {
        // A key held down repeats, as releases and presses in turn: the hold goes on.
        escLetGo_->stop();
        if (!escTimer_->isActive()) {
            escSince_ = stopwatch_.Now();
            escRing_->Centre(rect().center(), std::max(48, qRound(120 * fit_.scale)));
            escRing_->SetFill(0);
            escRing_->show();
            escRing_->raise();
            escTimer_->start(kRingFrameMs);
        }
        return;
    }
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && cmdCambia_->hasFocus()) {
        if (!event->isAutoRepeat()) cmdCambia_->click();
        return;
    }
    if (plain && key >= Qt::Key_1 && key < Qt::Key_1 + kPlaceholderSlots) {
        // The placeholders stand left to right in index order; those not in use are hidden.
        const int index = key - Qt::Key_1;
        if (!event->isAutoRepeat() && !Simbolo_[std::size_t(index)]->isHidden()) Simbolo_Click(index, AnsweredBy::Key);
        return;
    }
    QWidget::keyPressEvent(event);
}

void frmMain::NamePictures()
{
    const RoundState& round = session_->game().round;
    Immagine_->setAccessibleName(LabelText(round.imageTag));
    for (int i = 0; i < kPlaceholderSlots; ++i)
        Simbolo_[std::size_t(i)]->setAccessibleName(LabelText(round.symbolTags[std::size_t(i)]));
}

void frmMain::closeEvent(QCloseEvent* event)
{
    // One end per game, however the close is asked for.
    if (!closed_) {
        closed_ = true;
        AccessRound(false);
        session_->Close();
        emit finished();
    }
    event->accept();
}

ImageBox* frmMain::PictureOf(int target) const
{
    return target == kImageTarget ? Immagine_ : Simbolo_.at(std::size_t(target));
}

QLabel* frmMain::CaptionOf(int target) const
{
    return target == kImageTarget ? lblImmagine_ : lblSimbolo_.at(std::size_t(target));
}

void frmMain::Lay(const LayoutFit& fit)
{
    fit_ = fit;
    const GameGeometry g = Scaled(DescribedGeometry(options_.MaxPlaceholders), fit);
    lblImmagine_->setGeometry(g.imageCaption);
    Immagine_->setGeometry(g.image);
    cmdCambia_->setGeometry(g.changeSet);
    for (std::size_t i = 0; i < std::size_t(kPlaceholderSlots); ++i) {
        lblSimbolo_[i]->setGeometry(g.symbolCaptions[i]);
        Simbolo_[i]->setGeometry(g.symbols[i]);
        lblSimbolo_[i]->setFont(DialogFont(kSymbolCaptionPoints * fit.scale));
    }
    lblImmagine_->setFont(DialogFont(kImageCaptionPoints * fit.scale));
    cmdCambia_->setFont(DialogFont(kButtonPoints * fit.scale));
    if (scanner_) DrawScan();
    if (dwell_) DrawDwell();
}

LayoutFit frmMain::Fit() const
{
    const GameGeometry described = DescribedGeometry(options_.MaxPlaceholders);
    return FitLayout(size(), CentredArea(described, PlaceholdersInUse(options_.MaxPlaceholders), !fullScreen_));
}

void frmMain::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // The described game keeps every control where it was designed.
    if (options_.access.Described()) return;
    Lay(Fit());
    // The round drawn ahead is decoded for the boxes as they now are.
    session_->ShownSizesChanged();
}

void frmMain::AccessRound(bool onShow)
{
    accessRound_ = onShow;
    const MonotonicTime now = stopwatch_.Now();
    if (scanner_) {
        if (onShow) scanner_->RoundShown(now, PlaceholdersInUse(options_.MaxPlaceholders));
        else scanner_->Stop();
        DrawScan();
    }
    if (dwell_) {
        if (onShow) dwell_->RoundShown(now);
        else dwell_->Stop();
        DrawDwell();
    }
}

void frmMain::BoxOpen(bool open)
{
    const bool onShow = accessRound_;
    AccessRound(onShow && !open && !closed_);
    accessRound_ = onShow && !closed_;  // the round is still on show behind the box
}

void frmMain::ScanTick()
{
    scanner_->TimePassed(stopwatch_.Now());
    DrawScan();
}

void frmMain::DrawScan()
{
    const ScanState state = scanner_->State();
    if (state.framed && !closed_) {
        // At least 6 px however small the window, thicker as it grows.
        scanFrame_->Around(Simbolo_[std::size_t(*state.framed)]->geometry(), std::max(6, qRound(10 * fit_.scale)));
        scanFrame_->show();
        scanFrame_->raise();
    } else {
        scanFrame_->hide();
    }
    if (const auto due = scanner_->NextDue(); due && !closed_) scanTimer_->start(MsUntil(*due, stopwatch_.Now()));
    else scanTimer_->stop();
}

bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (dwell_ && (event->type() == QEvent::Enter || event->type() == QEvent::Leave)) {
        std::optional<int> symbol;
        for (int i = 0; i < kPlaceholderSlots; ++i)
            if (watched == Simbolo_[std::size_t(i)] && event->type() == QEvent::Enter) symbol = i;
        const std::optional<int> selected = dwell_->PointerAt(stopwatch_.Now(), symbol);
        DrawDwell();
        if (selected) Simbolo_Click(*selected, AnsweredBy::Dwell);
    }
    return QWidget::eventFilter(watched, event);
}

void frmMain::DwellTick()
{
    const std::optional<int> selected = dwell_->TimePassed(stopwatch_.Now());
    DrawDwell();
    if (selected) Simbolo_Click(*selected, AnsweredBy::Dwell);
}

void frmMain::DrawDwell()
{
    const MonotonicTime now = stopwatch_.Now();
    const std::optional<int> filling = closed_ ? std::nullopt : dwell_->Filling();
    if (!filling) {
        dwellRing_->hide();
        dwellTimer_->stop();
        return;
    }
    const QRect symbol = Simbolo_[std::size_t(*filling)]->geometry();
    dwellRing_->Centre(symbol.center(), symbol.width() / 2);
    dwellRing_->SetFill(dwell_->Fill(now));
    dwellRing_->show();
    dwellRing_->raise();
    // The ring moves on each frame, and the last frame falls on the dwell's end.
    const auto due = dwell_->NextDue();
    dwellTimer_->start(due ? std::min(kRingFrameMs, MsUntil(*due, now)) : kRingFrameMs);
}

void frmMain::keyReleaseEvent(QKeyEvent* event)
{
    // A short Esc does nothing: letting go before the ring is full empties it.
    if (fullScreen_ && event->key() == Qt::Key_Escape) {
        // Let go only if no repeated press follows at once.
        if (escTimer_->isActive()) escLetGo_->start();
        return;
    }
    QWidget::keyReleaseEvent(event);
}

void frmMain::EscHeld()
{
    const double fill = double((stopwatch_.Now() - escSince_).count()) / double(std::chrono::steady_clock::duration(kEscHold).count());
    escRing_->SetFill(fill);
    if (fill < 1) return;
    escTimer_->stop();
    escLetGo_->stop();
    escRing_->hide();
    // The adult's menu: the close box's and "Change set"'s ways, and out of full screen.
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("adultMenu"));
    menu.setFont(DialogFont(kButtonPoints * std::max(1.0, fit_.scale)));
    QAction* changeSet = menu.addAction(QStringLiteral("Change set"));
    QAction* endGame = menu.addAction(QStringLiteral("End game"));
    QAction* leave = menu.addAction(QStringLiteral("Leave full screen"));
    HeldEscape held;
    menu.installEventFilter(&held);
    BoxOpen(true);
    const QAction* chosen = menu.exec(mapToGlobal(rect().center()));
    BoxOpen(false);
    if (closed_) return;
    if (chosen == changeSet) cmdCambia_Click();
    else if (chosen == endGame) close();
    else if (chosen == leave) LeaveFullScreen();
}

void frmMain::LeaveFullScreen()
{
    fullScreen_ = false;
    showNormal();
    // Back to the described size, on the same screen.
    const QRect screenArea = screen()->availableGeometry();
    setGeometry(QRect(QPoint(), kDescribedClientSize).translated(screenArea.center() - QPoint(kDescribedClientSize.width() / 2, kDescribedClientSize.height() / 2)));
    cmdCambia_->show();
}

void frmMain::SpeakWith(WordVoice* voice)
{
    if (!options_.access.Speaking() || voice_) return;
    voice_ = voice;
    Immagine_->setCursor(HandCursor());
    connect(Immagine_, &ImageBox::clicked, this, &frmMain::SayWord);
}

void frmMain::SayWord()
{
    const QString image = session_->game().round.imageTag;
    if (voice_ && !closed_ && !image.isEmpty()) voice_->Say(PairOfFile(image));
}

bool frmMain::SayAgainKey(const QKeyEvent* event)
{
    const bool plain = !(event->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier));
    // A switch remapped to R stays the switch's.
    if (!voice_ || !plain || event->key() != Qt::Key_R || (scanner_ && scanner_->Takes(Qt::Key_R))) return false;
    if (!event->isAutoRepeat()) SayWord();
    return true;
}

void frmMain::ShowSpeaker()
{
    new SpeakerPicture(Immagine_);  // the box's child, over its photo
    // The caption would give the word away.
    lblImmagine_->hide();
}

}  // namespace lumari
