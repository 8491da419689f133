#pragma once

#include "game/GameEvents.h"
#include "game/Dwell.h"
#include "game/GameOptions.h"
#include "game/Round.h"
#include "game/ScaledLayout.h"
#include "game/Scanner.h"
#include "game/WatchedBoxes.h"
#include "platform/Services.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <memory>
#include <optional>

class QLabel;
class QPushButton;
class QTimer;

namespace lumari {

class DistractorShade;
class FillRing;
class GameSession;
class ImageBox;
class ScanFrame;
class WordVoice;

// The game window: one image above a row of two to four symbols; the learner
// clicks the symbol that belongs to the image. It shows what its game session
// gives and passes the learner's clicks and keys on to it.
class frmMain : public QWidget {
    Q_OBJECT
public:
    // The stopwatch and the observer (which may be null) must outlive the window.
    frmMain(const Services& services, const GameOptions& options, const Stopwatch& stopwatch,
            GameObserver* observer = nullptr, QWidget* parent = nullptr);
    ~frmMain() override;

    // Makes the window deleted when closed, runs its start-up (layout,
    // catalogues, check, first round) and shows it, modeless.
    void Open();
    // A new window, opened. Null once it is closed.
    static QPointer<frmMain> Start(const Services& services, const GameOptions& options, const Stopwatch& stopwatch,
                                   GameObserver* observer = nullptr);

    // The voice that says each image's word, for a learner whose access asks
    // for speech; it must outlive the window. Given before Open. Without one,
    // or without speech in the access settings, the window says nothing.
    void SpeakWith(WordVoice* voice);

    const GameSession& session() const { return *session_; }
    // What the window works from, for inspection.
    const GameState& game() const;
    // Whether the window is in the learner's full screen, out of the child's reach.
    bool fullScreenPlay() const { return fullScreen_; }

signals:
    // The game has ended and its window is closing: by the user, or at the
    // end of a set. Sent once.
    void finished();

protected:
    void closeEvent(QCloseEvent* event) override;
    // Enter on the focused "Change set" presses it, as Space does; the digit
    // keys 1 to 4 (main row or keypad) answer the placeholder at that
    // position from the left, as a click on it would.
    // With access settings: the switches' keys go to the scan, and in full
    // screen Esc held for 3 s opens the adult's menu.
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    // With access settings, the described layout scaled to fit and centred.
    void resizeEvent(QResizeEvent* event) override;
    // The pointer entering and leaving the placeholders, for the dwell.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    // by: how the answer was given, as the history records it.
    void Simbolo_Click(int index, AnsweredBy by = AnsweredBy::Click);
    void cmdCambia_Click();

    // Carries out a round's steps in order, its pictures put in place and its
    // boxes shown among them; closes the window when the set has ended.
    void Show(const ShownRound& shown);
    void Put(const ShownPicture& picture);
    // Each picture's accessible name is its caption, shown or not.
    void NamePictures();
    ImageBox* PictureOf(int target) const;
    QLabel* CaptionOf(int target) const;
    // With a teaching plan: draws the round's prompt as it stands, and arms
    // the timer for its next change.
    void ShowPrompt(const PromptState& state);

    // The controls placed and their fonts sized for the layout's fit.
    void Lay(const LayoutFit& fit);
    // The fit of the described layout to the window as it is now.
    LayoutFit Fit() const;
    // A round on show from now, or none: the scan and dwell start or stop.
    void AccessRound(bool onShow);
    // A box opens in front of the round, or the last one closes: the scan and
    // the dwell stop behind it, and start afresh on the round once it is gone.
    void BoxOpen(bool open);
    void ScanTick();
    void DrawScan();
    void DwellTick();
    void DrawDwell();
    void EscHeld();
    void LeaveFullScreen();
    // With speech: the round's word said as its image appears, on a click on
    // the image, and on R (true when the key was that).
    void SayWord();
    bool SayAgainKey(const QKeyEvent* event);
    // "Find the one I say": a speaker instead of the photo, and no caption.
    void ShowSpeaker();

    WatchedBoxes boxes_;  // every box of the game, its session's too
    Services services_;
    GameOptions options_;
    std::unique_ptr<GameSession> session_;
    bool closed_ = false;
    const Stopwatch& stopwatch_;
    LayoutFit fit_;
    bool fullScreen_ = false;
    bool accessRound_ = false;  // a round on show for the scan and the dwell
    std::optional<Scanner> scanner_;
    std::optional<Dwell> dwell_;
    QTimer* scanTimer_ = nullptr;
    QTimer* dwellTimer_ = nullptr;
    QTimer* escTimer_ = nullptr;  // the held Esc's ring, then its menu
    QTimer* escLetGo_ = nullptr;  // Esc released for good
    ScanFrame* scanFrame_ = nullptr;
    FillRing* dwellRing_ = nullptr;
    FillRing* escRing_ = nullptr;
    MonotonicTime escSince_{};
    WordVoice* voice_ = nullptr;

    QLabel* lblImmagine_;
    ImageBox* Immagine_;
    QPushButton* cmdCambia_;
    std::array<QLabel*, kPlaceholderSlots> lblSimbolo_{};
    std::array<ImageBox*, kPlaceholderSlots> Simbolo_{};
    std::unique_ptr<DistractorShade> shade_;  // with a teaching plan only
    QTimer* promptTimer_ = nullptr;
};

}  // namespace lumari
