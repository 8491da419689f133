#pragma once

#include "game/PicturePipeline.h"
#include "game/Round.h"

#include <QWidget>

#include <array>
#include <memory>
#include <optional>

class QLabel;
class QPushButton;

namespace lumari {

class Runtime;
struct Module1;
class ImageBox;

// How the pictures of a round reach the window.
enum class PictureLoading {
    // Each picture decoded in full on the window's thread when its round is
    // drawn, then scaled to the size shown; nothing kept. Kept to measure
    // the prepared way against.
    Plain,
    // The next round drawn as soon as one is shown and its pictures decoded
    // at the size shown on worker threads, symbols kept in a bounded cache:
    // an answer only puts finished pictures in place.
    Prepared,
};

// The game window: one image above a row of two to four symbols; the learner
// clicks the symbol that belongs to the image.
class frmMain : public QWidget, private RoundView {
    Q_OBJECT
public:
    frmMain(Runtime& runtime, Module1& module1, QWidget* parent = nullptr,
            PictureLoading loading = PictureLoading::Prepared);

    // Creates the window, runs its start-up (layout, catalogues, check, first
    // round) and shows it, modeless. Deleted when closed.
    static frmMain* Start(Runtime& runtime, Module1& module1, PictureLoading loading = PictureLoading::Prepared);

    // What the window shows and works from, for inspection.
    const GameState& game() const { return game_; }
    ImageBox* Immagine() const { return Immagine_; }
    QLabel* lblImmagine() const { return lblImmagine_; }
    QPushButton* cmdCambia() const { return cmdCambia_; }
    ImageBox* Simbolo(int index) const { return Simbolo_.at(std::size_t(index)); }
    QLabel* lblSimbolo(int index) const { return lblSimbolo_.at(std::size_t(index)); }
    // The next round, drawn ahead: whether there is one, and whether its pictures are decoded.
    bool NextRoundDrawn() const { return next_.has_value(); }
    bool NextRoundReady() const { return next_ && next_->pictures->Ready(); }
    PicturePipeline& pipeline() { return pipeline_; }

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

    // A round drawn ahead with its pictures on their way.
    struct PreparedRound {
        DrawnRound drawn;
        std::shared_ptr<PictureBatch> pictures;
    };
    PreparedRound Prepare();

    // Each picture's accessible name is its caption, shown or not.
    void NamePictures();
    ImageBox* PictureOf(int target) const;
    QLabel* CaptionOf(int target) const;

    Runtime& runtime_;
    Module1& module1_;
    GameState game_;
    bool unloaded_ = false;
    PictureLoading loading_;
    PicturePipeline pipeline_;
    std::optional<PreparedRound> next_;
    const PictureBatch* showing_ = nullptr;  // the pictures of the round being put in place

    QLabel* lblImmagine_;
    ImageBox* Immagine_;
    QPushButton* cmdCambia_;
    std::array<QLabel*, kPlaceholderSlots> lblSimbolo_{};
    std::array<ImageBox*, kPlaceholderSlots> Simbolo_{};
};

}  // namespace lumari
