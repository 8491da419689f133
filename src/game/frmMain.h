#pragma once

#include "game/Round.h"
#include "platform/Services.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <memory>

class QLabel;
class QPushButton;

namespace lumari {

struct Module1;
class ImageBox;

// The game window: one image above a row of two to four symbols; the learner
// clicks the symbol that belongs to the image.
class frmMain : public QWidget, private RoundView {
    Q_OBJECT
public:
    frmMain(const Services& services, Module1& module1, QWidget* parent = nullptr);
    ~frmMain() override;

    // Creates the window, runs its start-up (layout, catalogues, check, first
    // round) and shows it, modeless. Deleted when closed: null once it is.
    static QPointer<frmMain> Start(const Services& services, Module1& module1);

    // What the window works from, for inspection.
    const GameState& game() const { return game_; }
    // Whether the pictures of the round drawn ahead are all decoded.
    bool NextRoundReady() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    // Enter on the focused "Change set" presses it, as Space does; the digit
    // keys 1 to 4 (main row or keypad) answer the placeholder at that
    // position from the left, as a click on it would.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Form_Load();
    void Form_Unload();
    void Simbolo_Click(int index);
    void cmdCambia_Click();
    void Cambia();

    // RoundView: how a round reaches the controls.
    void ShowPicture(int target, const QString& path) override;
    void ClearPicture(int target) override;
    void SetCaption(int target, const QString& text) override;
    void CloseGame() override;

    // Each picture's accessible name is its caption, shown or not.
    void NamePictures();
    ImageBox* PictureOf(int target) const;
    QLabel* CaptionOf(int target) const;

    // The round drawn ahead and the pictures on their way.
    struct Ahead;

    Services services_;
    Module1& module1_;
    GameState game_;
    bool unloaded_ = false;
    std::unique_ptr<Ahead> ahead_;

    QLabel* lblImmagine_;
    ImageBox* Immagine_;
    QPushButton* cmdCambia_;
    std::array<QLabel*, kPlaceholderSlots> lblSimbolo_{};
    std::array<ImageBox*, kPlaceholderSlots> Simbolo_{};
};

}  // namespace lumari
