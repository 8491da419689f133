#include "game/frmMain.h"

#include "game/Answer.h"
#include "game/Catalogue.h"
#include "game/CoherenceCheck.h"
#include "game/ImageBox.h"
#include "game/PicturePipeline.h"
#include "platform/AppInfo.h"
#include "platform/Geometry.h"
#include "platform/ErrorTrap.h"
#include "platform/PathResolver.h"
#include "results/frmAbout.h"
#include "state/Module1.h"
#include "state/Resources.h"
#include "state/SetLayout.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include <optional>
#include <utility>

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

// The next round drawn as soon as one is shown, its pictures decoded at the
// shown size on worker threads: an answer only puts finished pictures in place.
struct frmMain::Ahead {
    explicit Ahead(const Pictures& pictures) : pipeline(pictures) {}

    // A round drawn ahead with its pictures on their way.
    struct Round {
        DrawnRound drawn;
        std::shared_ptr<PictureBatch> pictures;
    };

    PicturePipeline pipeline;
    std::optional<Round> next;
    const PictureBatch* showing = nullptr;  // the pictures of the round being put in place
};

frmMain::frmMain(const Services& services, Module1& module1, QWidget* parent)
    : QWidget(parent), services_(services), module1_(module1), ahead_(std::make_unique<Ahead>(services.pictures))
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
}

frmMain::~frmMain() = default;

QPointer<frmMain> frmMain::Start(const Services& services, Module1& module1)
{
    QPointer<frmMain> window = new frmMain(services, module1);
    window->setAttribute(Qt::WA_DeleteOnClose);
    // The start-up's message boxes come before the window appears.
    Untrapped(services.boxes, [&] { window->Form_Load(); });
    if (!window || window->unloaded_) return window;
    window->show();
    window->cmdCambia_->setFocus();
    return window;
}

bool frmMain::NextRoundReady() const { return ahead_->next && ahead_->next->pictures->Ready(); }

void frmMain::Form_Load()
{
    const std::int32_t count = module1_.MaxPlaceholders;
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

    CaricaImmagini(services_, module1_, game_.images);
    module1_.SessionShown = 0;
    module1_.SessionCorrect = 0;
    CaricaSimboli(services_, module1_, game_.symbols);
    ControllaCoerenza(services_, game_.images, game_.symbols);
    Cambia();

    // The window's own pointer: a crosshair everywhere but over the placeholders.
    setCursor(Qt::CrossCursor);
}

void frmMain::Cambia()
{
    auto prepare = [this] {
        Ahead::Round round;
        round.drawn = DrawRoundAhead(services_, module1_, game_);
        const SetLayout layout(services_.files.AppPath());
        std::vector<PictureRequest> requests;
        for (const RoundPicture& picture : PicturesOf(round.drawn.plan, PlaceholdersInUse(module1_.MaxPlaceholders))) {
            if (picture.leftEmpty) continue;
            // A path the round refuses is refused again, and reported, when shown.
            try {
                const QString path = picture.Path(layout, module1_.ImagesSet);
                requests.push_back({picture.target, path, ResolvePath(path), PictureOf(picture.target)->devicePixelSize(),
                                    picture.symbol()});
            } catch (const RuntimeError&) {
            }
        }
        round.pictures = ahead_->pipeline.Start(requests);
        return round;
    };

    // The round drawn ahead, or (first round) one drawn now; never half a round on show.
    std::optional<Ahead::Round> round = std::exchange(ahead_->next, std::nullopt);
    if (!round && RoundCanBeDrawn(module1_, game_)) round = prepare();
    if (round) round->pictures->Wait();
    ahead_->showing = round ? round->pictures.get() : nullptr;
    lumari::Cambia(services_, module1_, game_, *this, round ? &round->drawn : nullptr);
    ahead_->showing = nullptr;
    NamePictures();
    if (round) ahead_->pipeline.Keep(*round->pictures);

    // The next round is drawn from the state this one left, so it is the one
    // Cambia would draw at the next answer; its reports wait until it is shown.
    if (!unloaded_ && RoundCanBeDrawn(module1_, game_)) ahead_->next = prepare();
}

void frmMain::Simbolo_Click(int index)
{
    lumari::Simbolo_Click(services_, module1_, game_.round, index,
                          [this] { Untrapped(services_.boxes, [this] { Cambia(); }); });
}

void frmMain::cmdCambia_Click()
{
    Untrapped(services_.boxes, [this] { Cambia(); });
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
    const RoundState& round = game_.round;
    Immagine_->setAccessibleName(LabelText(round.imageTag));
    for (int i = 0; i < kPlaceholderSlots; ++i)
        Simbolo_[std::size_t(i)]->setAccessibleName(LabelText(round.symbolTags[std::size_t(i)]));
}

void frmMain::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    event->accept();
}

void frmMain::Form_Unload()
{
    // One results window per game, however the close is asked for.
    if (unloaded_) return;
    unloaded_ = true;
    Untrapped(services_.boxes, [this] { frmAbout::Start(services_, module1_); });
}

ImageBox* frmMain::PictureOf(int target) const
{
    return target == kImageTarget ? Immagine_ : Simbolo_.at(std::size_t(target));
}

QLabel* frmMain::CaptionOf(int target) const
{
    return target == kImageTarget ? lblImmagine_ : lblSimbolo_.at(std::size_t(target));
}

void frmMain::ShowPicture(int target, const QString& path)
{
    ImageBox* box = PictureOf(target);
    // A failure throws and the old picture stays.
    const PictureBatch* showing = ahead_->showing;
    if (const PictureBatch::Result* prepared = showing ? showing->Find(target, path) : nullptr) {
        if (prepared->error) throw *prepared->error;
        box->setImage(prepared->image);
        return;
    }
    box->setImage(services_.pictures.Load(path, box->devicePixelSize()));
}

void frmMain::ClearPicture(int target) { PictureOf(target)->clearImage(); }

void frmMain::SetCaption(int target, const QString& text) { CaptionOf(target)->setText(text); }

void frmMain::CloseGame() { close(); }

}  // namespace lumari
