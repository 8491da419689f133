#pragma once

#include "game/GameEvents.h"
#include "game/GameOptions.h"
#include "game/WordVoice.h"
#include "platform/Services.h"
#include "results/Statistics.h"

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

// The game's options as the options window left them in the shared state.
GameOptions GameOptionsOf(const Module1& module1);

// A run's road from window to window: the options window, at "Start
// program", opens the game window; the game's end opens the results window.
// The windows never open one another. The program ends when its last
// window closes.
//
// The game is watched by equal observers, each told its start, every round,
// answer and skip, and its end with the tally: the cumulative statistics,
// which fold the game into the stored totals as the results window opens and
// give it its reports, and what a run adds before Start (a learner's
// history), with hooks run at the game's end.
class GameFlow : public QObject {
    Q_OBJECT
public:
    // The stopwatch times the game's events; it must outlive the flow.
    GameFlow(const Services& services, Module1& module1, const Stopwatch& stopwatch);
    ~GameFlow() override;

    // One more observer of the game, told after those added before it; it
    // must outlive the game.
    void AddObserver(GameObserver* observer) { observers_.Add(observer); }
    // Runs once the game has ended and its window has closed, before the
    // results' load (the statistics folded in, its boxes shown). Hooks
    // run in the order they were added, outside the click that ended the game.
    void AtGameEnd(std::function<void()> hook) { atGameEnd_.push_back(std::move(hook)); }
    // Gives each game its teaching plan, from the options it is played with,
    // as it starts. Without one, every game is played with no plan.
    void PlanGames(std::function<TeachingPlan(const GameOptions&)> planner) { planner_ = std::move(planner); }

    // Where each game takes its access settings from, asked as the game
    // opens; without one, the described game.
    void AccessFrom(std::function<AccessOptions()> source) { access_ = std::move(source); }
    // Where a game whose access settings ask for speech takes the voice that
    // says its words, for the game's options (its set); asked as the game
    // opens, and kept to the end of the run. Without one, no game speaks.
    void SpeakWith(std::function<std::unique_ptr<WordVoice>(const GameOptions&)> voices) { voices_ = std::move(voices); }

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
    Statistics statistics_;
    GameObservers observers_;
    std::vector<std::function<void()>> atGameEnd_;
    std::function<TeachingPlan(const GameOptions&)> planner_;
    std::function<AccessOptions()> access_;
    std::function<std::unique_ptr<WordVoice>(const GameOptions&)> voices_;
    std::unique_ptr<WordVoice> voice_;  // the game's, when it speaks
    // Keeps the program running from the game window's close to the results window's showing.
    std::unique_ptr<QEventLoopLocker> ending_;
    QPointer<frmApertura> options_;
    QPointer<frmMain> game_;
    QPointer<frmAbout> results_;
};

}  // namespace lumari
