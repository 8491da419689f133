#include "game/frmMain.h"

#include "game/DistractorShade.h"
#include "game/GameSession.h"
#include "game/ImageBox.h"
#include "platform/AppInfo.h"
#include "platform/ErrorTrap.h"
#include "platform/Geometry.h"
#include "state/Resources.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <climits>


namespace lumari {
namespace {

// Designed geometry, in twips.
constexpr int kClientWidth = 15135;
constexpr int kClientHeight = 10140;
constexpr std::array<int, kPlaceholderSlots> kDesignedSymbolLeft = {720, 4155, 7605, 11040};
constexpr int kSymbolLabelTop = 6240;
constexpr int kSymbolLabelHeight = 375;
constexpr int kSymbolTop = 6720;
constexpr int kSymbolSize = 3015;

// Left edges of the image and of the placeholders in use, by their count.
struct RowLayout {
    int image;
    std::array<int, kPlaceholderSlots> symbols;
};
constexpr RowLayout kRowTwo = {720, {720, 6675, 0, 0}};
constexpr RowLayout kRowThree = {1080, {720, 4160, 7600, 0}};
constexpr RowLayout kRowFour = {2880, {720, 4160, 7600, 11040}};

const RowLayout* RowFor(std::int32_t placeholders)
{
    switch (placeholders) {
    case 2: return &kRowTwo;
    case 3: return &kRowThree;
    case 4: return &kRowFour;
    default: return nullptr;  // one placeholder keeps the designed edges
    }
}

void SetLeftTwips(QWidget* widget, int left) { widget->move(TwipsToPixels(left), widget->y()); }

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
    : QWidget(parent), services_(services), options_(options),
      session_(std::make_unique<GameSession>(services, options, stopwatch, observer,
                                             [this](int target) { return PictureOf(target)->devicePixelSize(); }))
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(kAppTitle);
    setWindowIcon(ProgramIcon());
    setFont(DialogFont());
    // Resizable, but nothing is laid out again: every control keeps its place.
    resize(TwipsToPixels(kClientWidth), TwipsToPixels(kClientHeight));

    // Created in tab order: the button is the only control that takes focus.
    cmdCambia_ = new QPushButton(QStringLiteral("Change set"), this);
    cmdCambia_->setObjectName(QStringLiteral("cmdCambia"));
    cmdCambia_->setAutoDefault(false);
    PlaceTwips(cmdCambia_, 12120, 840, 1935, 495);

    lblImmagine_ = MakeLabel(this, 24);
    lblImmagine_->setObjectName(QStringLiteral("lblImmagine"));
    PlaceTwips(lblImmagine_, 720, 120, 9015, 615);

    for (int i = 0; i < kPlaceholderSlots; ++i) {
        QLabel* label = MakeLabel(this, 13.5);
        label->setObjectName(QStringLiteral("lblSimbolo%1").arg(i));
        PlaceTwips(label, kDesignedSymbolLeft[std::size_t(i)], kSymbolLabelTop, kSymbolSize, kSymbolLabelHeight);
        label->hide();
        lblSimbolo_[std::size_t(i)] = label;
    }

    Immagine_ = new ImageBox(this);
    Immagine_->setObjectName(QStringLiteral("Immagine"));
    PlaceTwips(Immagine_, 720, 840, 9000, 4500);

    for (int i = 0; i < kPlaceholderSlots; ++i) {
        auto* box = new ImageBox(this);
        box->setObjectName(QStringLiteral("Simbolo%1").arg(i));
        PlaceTwips(box, kDesignedSymbolLeft[std::size_t(i)], kSymbolTop, kSymbolSize, kSymbolSize);
        box->setCursor(HandCursor());  // shown only while the placeholder is visible
        box->hide();
        connect(box, &ImageBox::clicked, this, [this, i] { Simbolo_Click(i); });
        Simbolo_[std::size_t(i)] = box;
    }

    connect(cmdCambia_, &QPushButton::clicked, this, [this] { cmdCambia_Click(); });

    if (options_.plan.Active()) {
        shade_ = std::make_unique<DistractorShade>(Simbolo_);
        promptTimer_ = new QTimer(this);
        promptTimer_->setSingleShot(true);
        promptTimer_->setTimerType(Qt::PreciseTimer);
        connect(promptTimer_, &QTimer::timeout, this, [this] { ShowPrompt(session_->TimePassed()); });
    }
}

frmMain::~frmMain() = default;

void frmMain::Open()
{
    setAttribute(Qt::WA_DeleteOnClose);
    // The start-up's message boxes come before the window appears.
    Untrapped(services_.boxes, [this] { Form_Load(); });
    if (closed_) return;
    show();
    cmdCambia_->setFocus();
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
    const std::int32_t count = options_.MaxPlaceholders;
    const int used = PlaceholdersInUse(count);

    for (int i = 0; i < used; ++i) {
        lblSimbolo_[std::size_t(i)]->show();
        Simbolo_[std::size_t(i)]->show();
        lblSimbolo_[std::size_t(i)]->setText(QString());
    }
    lblImmagine_->setText(QString());

    if (const RowLayout* row = RowFor(count)) {
        SetLeftTwips(Immagine_, row->image);
        for (int i = 0; i < used; ++i) SetLeftTwips(Simbolo_[std::size_t(i)], row->symbols[std::size_t(i)]);
    }
    lblImmagine_->move(Immagine_->x(), lblImmagine_->y());
    for (int i = 0; i < used; ++i)
        lblSimbolo_[std::size_t(i)]->move(Simbolo_[std::size_t(i)]->x(), lblSimbolo_[std::size_t(i)]->y());

    Show(session_->Start());

    // The window's own pointer: a crosshair everywhere but over the placeholders.
    setCursor(Qt::CrossCursor);
}

void frmMain::Simbolo_Click(int index)
{
    Untrapped(services_.boxes, [&] { Show(session_->Answer(index)); });
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
    // A key held down is one press, as a held mouse button is one click.
    const bool plain = !(event->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier));
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && cmdCambia_->hasFocus()) {
        if (!event->isAutoRepeat()) cmdCambia_->click();
        return;
    }
    if (plain && key >= Qt::Key_1 && key < Qt::Key_1 + kPlaceholderSlots) {
        // The placeholders stand left to right in index order; those not in use are hidden.
        const int index = key - Qt::Key_1;
        if (!event->isAutoRepeat() && !Simbolo_[std::size_t(index)]->isHidden()) Simbolo_Click(index);
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

}  // namespace lumari
