#pragma once

#include "game/Round.h"
#include "platform/Services.h"

#include <QPointer>
#include <QWidget>

#include <array>

class QLabel;
class QPushButton;

namespace lumari {
struct Module1;
class ImageBox;
}  // namespace lumari

namespace lumari::bench {

// The plain way to measure ours against: the game window's boxes at its sizes
// (four placeholders), the same start-up, answers and rounds, but every
// picture decoded whole on the window's thread when it is shown, then scaled
// to its box; no round drawn ahead, nothing cached.
class PlainGame : public QWidget, private RoundView {
    Q_OBJECT
public:
    PlainGame(const Services& services, Module1& module1, QWidget* parent = nullptr);

    // Catalogues, check and first round, then shown. Null once closed.
    static QPointer<PlainGame> Start(const Services& services, Module1& module1);

    const GameState& game() const { return game_; }

private:
    void Cambia();

    void ShowPicture(int target, const QString& path) override;
    void ClearPicture(int target) override;
    void SetCaption(int target, const QString& text) override;
    void CloseGame() override { close(); }

    ImageBox* PictureOf(int target) const;

    Services services_;
    Module1& module1_;
    GameState game_;
    QLabel* lblImmagine_;
    ImageBox* Immagine_;
    std::array<QLabel*, kPlaceholderSlots> lblSimbolo_{};
    std::array<ImageBox*, kPlaceholderSlots> Simbolo_{};
};

}  // namespace lumari::bench
