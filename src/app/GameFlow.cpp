#include "app/GameFlow.h"

#include "game/frmMain.h"
#include "options/frmApertura.h"
#include "platform/ErrorTrap.h"
#include "results/frmAbout.h"
#include "state/Module1.h"

namespace lumari {

GameOptions GameOptionsOf(const Module1& module1)
{
    GameOptions options;
    options.ImagesSet = module1.ImagesSet;
    options.ShowLabels = module1.ShowLabels == kTrue;
    options.PlaySounds = module1.PlaySounds == kTrue;
    options.SoundOk = module1.SoundOk;
    options.SoundWrong = module1.SoundWrong;
    options.MaxPlaceholders = module1.MaxPlaceholders;
    options.WayToWork = module1.WayToWork == kControlledRandom ? Drawing::ControlledRandom : Drawing::RandomWithRepeats;
    return options;
}

GameFlow::GameFlow(const Services& services, Module1& module1, const Stopwatch& stopwatch)
    : services_(services), module1_(module1), stopwatch_(stopwatch)
{
    observers_.Add(&statistics_);
}

GameFlow::~GameFlow() = default;

bool GameFlow::Start()
{
    options_ = frmApertura::Start(services_, module1_);
    if (!options_) return false;
    connect(options_, &frmApertura::gameRequested, this, &GameFlow::OpenGame);
    return true;
}

void GameFlow::OpenGame()
{
    // Each window opens at most once per run.
    if (game_ || results_) return;
    GameOptions options = GameOptionsOf(module1_);
    if (planner_) options.plan = planner_(options);
    if (access_) options.access = access_();
    if (voices_ && options.access.Speaking()) voice_ = voices_(options);
    auto* window = new frmMain(services_, options, stopwatch_, &observers_);
    game_ = window;
    if (voice_) window->SpeakWith(voice_.get());
    // Connected before the start-up, which may already end the game.
    connect(window, &frmMain::finished, this, &GameFlow::EndGame);
    window->Open();
}

void GameFlow::EndGame()
{
    // Sent while the game window closes, maybe within the click that ended
    // the set: the rest runs once that click's routine is over. Until the
    // results window shows, no window is open, and the lock keeps the
    // program from ending there.
    ending_ = std::make_unique<QEventLoopLocker>();
    QMetaObject::invokeMethod(this, &GameFlow::OpenResults, Qt::QueuedConnection);
}

void GameFlow::OpenResults()
{
    for (const auto& hook : atGameEnd_) hook();
    Untrapped(services_.boxes, [this] { results_ = frmAbout::Start(services_, statistics_.Fold(services_)); });
    ending_.reset();
}

}  // namespace lumari
