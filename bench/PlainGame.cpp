#include "PlainGame.h"

#include "game/Answer.h"
#include "game/Catalogue.h"
#include "game/CoherenceCheck.h"
#include "game/ImageBox.h"
#include "platform/ErrorTrap.h"
#include "platform/Geometry.h"
#include "state/Module1.h"

#include <QLabel>
#include <QPushButton>

namespace lumari::bench {
namespace {

// The game window's places with four placeholders, in twips.
constexpr std::array<int, kPlaceholderSlots> kSymbolLeft = {720, 4160, 7600, 11040};

QLabel* Caption(QWidget* parent, double pointSize)
{
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setFont(DialogFont(pointSize));
    return label;
}

}  // namespace

PlainGame::PlainGame(const Services& services, Module1& module1, QWidget* parent)
    : QWidget(parent), services_(services), module1_(module1)
{
    setFont(DialogFont());
    resize(TwipsToPixels(15135), TwipsToPixels(10140));

    auto* change = new QPushButton(QStringLiteral("Change set"), this);
    change->setObjectName(QStringLiteral("cmdCambia"));
    change->setAutoDefault(false);
    PlaceTwips(change, 12120, 840, 1935, 495);
    connect(change, &QPushButton::clicked, this, [this] { Untrapped(services_.boxes, [this] { Cambia(); }); });

    lblImmagine_ = Caption(this, 24);
    PlaceTwips(lblImmagine_, 2880, 120, 9015, 615);
    Immagine_ = new ImageBox(this);
    PlaceTwips(Immagine_, 2880, 840, 9000, 4500);  // 600 x 300

    for (int i = 0; i < kPlaceholderSlots; ++i) {
        const int left = kSymbolLeft[std::size_t(i)];
        lblSimbolo_[std::size_t(i)] = Caption(this, 13.5);
        PlaceTwips(lblSimbolo_[std::size_t(i)], left, 6240, 3015, 375);
        auto* box = new ImageBox(this);
        box->setObjectName(QStringLiteral("Simbolo%1").arg(i));
        PlaceTwips(box, left, 6720, 3015, 3015);  // 201 x 201
        connect(box, &ImageBox::clicked, this, [this, i] {
            Simbolo_Click(services_, module1_, game_.round, i,
                          [this] { Untrapped(services_.boxes, [this] { Cambia(); }); });
        });
        Simbolo_[std::size_t(i)] = box;
    }
}

QPointer<PlainGame> PlainGame::Start(const Services& services, Module1& module1)
{
    QPointer<PlainGame> window = new PlainGame(services, module1);
    window->setAttribute(Qt::WA_DeleteOnClose);
    Untrapped(services.boxes, [&] {
        CaricaImmagini(services, module1, window->game_.images);
        module1.SessionShown = 0;
        module1.SessionCorrect = 0;
        CaricaSimboli(services, module1, window->game_.symbols);
        ControllaCoerenza(services, window->game_.images, window->game_.symbols);
        window->Cambia();
    });
    if (window) window->show();
    return window;
}

void PlainGame::Cambia() { lumari::Cambia(services_, module1_, game_, *this); }

ImageBox* PlainGame::PictureOf(int target) const
{
    return target == kImageTarget ? Immagine_ : Simbolo_.at(std::size_t(target));
}

void PlainGame::ShowPicture(int target, const QString& path)
{
    ImageBox* box = PictureOf(target);
    const QImage whole = services_.pictures.Load(path);  // throws, keeping the old picture
    box->setImage(whole.scaled(box->devicePixelSize(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

void PlainGame::ClearPicture(int target) { PictureOf(target)->clearImage(); }

void PlainGame::SetCaption(int target, const QString& text)
{
    (target == kImageTarget ? lblImmagine_ : lblSimbolo_.at(std::size_t(target)))->setText(text);
}

}  // namespace lumari::bench
