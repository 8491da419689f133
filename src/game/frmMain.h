#pragma once

#include "game/Round.h"

#include <QWidget>

#include <array>

class QLabel;
class QPushButton;

namespace lumari {

class Runtime;
struct Module1;
class ImageBox;

// The game window: one image above a row of two to four symbols; the learner
// clicks the symbol that belongs to the image.
class frmMain : public QWidget, private RoundView {
    Q_OBJECT
public:
    frmMain(Runtime& runtime, Module1& module1, QWidget* parent = nullptr);

    // Creates the window, runs its start-up (layout, catalogues, check, first
    // round) and shows it, modeless. Deleted when closed.
    static frmMain* Start(Runtime& runtime, Module1& module1);

    // What the window shows and works from, for inspection.
    const GameState& game() const { return game_; }
    ImageBox* Immagine() const { return Immagine_; }
    QLabel* lblImmagine() const { return lblImmagine_; }
    QPushButton* cmdCambia() const { return cmdCambia_; }
    ImageBox* Simbolo(int index) const { return Simbolo_.at(std::size_t(index)); }
    QLabel* lblSimbolo(int index) const { return lblSimbolo_.at(std::size_t(index)); }

protected:
    void closeEvent(QCloseEvent* event) override;

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

    ImageBox* PictureOf(int target) const;
    QLabel* CaptionOf(int target) const;

    Runtime& runtime_;
    Module1& module1_;
    GameState game_;
    bool unloaded_ = false;

    QLabel* lblImmagine_;
    ImageBox* Immagine_;
    QPushButton* cmdCambia_;
    std::array<QLabel*, kPlaceholderSlots> lblSimbolo_{};
    std::array<ImageBox*, kPlaceholderSlots> Simbolo_{};
};

}  // namespace lumari
