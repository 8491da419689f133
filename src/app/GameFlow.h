#pragma once

#include "game/GameEvents.h"
#include "platform/Services.h"

#include <QEventLoopLocker>
#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>
#include <vector>

namespace lumari {

struct Module1;
class frmAbout;
class frmApertura;
class frmMain;

// A run's road from window to window: the options window, at "Start
// program", opens the game window; the game's end opens the results window.
// The windows never open one another. The program ends when its last
// window closes.
//
// What a run does beside the game attaches here, before Start: an observer
// told every round, answer, skip and the end (a learner's history), and
// hooks run at the game's end.
class GameFlow : public QObject {
    Q_OBJECT
public:
    // The stopwatch times the game's events; it must outlive the flow.
    GameFlow(const Services& services, Module1& module1, const Stopwatch& stopwatch);
    ~GameFlow() override;

    // The game's observer (null: none); it must outlive the game.
    void SetObserver(GameObserver* observer) { observer_ = observer; }
    // Runs once the game has ended and its window has closed, before the
    // results window opens, so that what it stores is stored first. Hooks
    // run in the order they were added, outside the click that ended the game.
    void AtGameEnd(std::function<void()> hook) { atGameEnd_.push_back(std::move(hook)); }

    // Shows the options window. False when its start-up refused to run: no
    // window is left and the program ends.
    bool Start();

    // The windows of the run, null until opened and once closed.
    QPointer<frmApertura> options() const { return options_; }
    QPointer<frmMain> game() const { return game_; }
    QPointer<frmAbout> results() const { return results_; }

private:
    void OpenGame();
    void EndGame();
    void OpenResults();

    Services services_;
    Module1& module1_;
    const Stopwatch& stopwatch_;
    GameObserver* observer_ = nullptr;
    std::vector<std::function<void()>> atGameEnd_;
    // Keeps the program running from the game window's close to the results window's showing.
    std::unique_ptr<QEventLoopLocker> ending_;
    QPointer<frmApertura> options_;
    QPointer<frmMain> game_;
    QPointer<frmAbout> results_;
};

}  // namespace lumari
