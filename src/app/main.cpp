#include "app/CurrentAccess.h"
#include "app/GameFlow.h"
#include "game/SteadyStopwatch.h"
#include "history/GamePlan.h"
#include "history/GameRecording.h"
#include "history/HistoryFile.h"
#include "history/SessionRecorder.h"
#include "history/WallClock.h"
#include "platform/AppInfo.h"
#include "platform/Geometry.h"
#include "platform/HelpAndVersion.h"
#include "platform/ProgramFolder.h"
#include "platform/QtServices.h"
#include "speech/DesktopSpeaker.h"
#include "state/Module1.h"

#include <QApplication>
#include <QMessageBox>
#include <QStandardPaths>

int main(int argc, char* argv[])
{
    // Only these are answered; any other command line is not read.
    if (const auto status = lumari::AnswerHelpOrVersion(argc, argv, "lumari", "lumari\nlumari --help | -h | --version\n"))
        return *status;
    QApplication app(argc, argv);
    lumari::InstallDialogFontSubstitutes();
    QApplication::setFont(lumari::DialogFont());

    // An installed copy keeps its sets, sounds and log in the user's data folder.
    const lumari::ProgramFolder folder = lumari::FindProgramFolder(
        QCoreApplication::applicationDirPath(), QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    if (!folder.failure.isEmpty()) QMessageBox::warning(nullptr, lumari::kAppTitle, folder.failure);
    lumari::QtServices qt(folder.path);
    const lumari::Services services = qt.services();
    lumari::Module1 module1;
    const lumari::SteadyStopwatch stopwatch;
    // The options window is the start-up window; the program ends when the
    // last window closes. Without a picture in the default set the start-up
    // refuses to run and no window is left: the program ends at once.
    lumari::GameFlow flow(services, module1, stopwatch);
    // Each game with an answer joins the learners' history, round by round;
    // it is written beside the results window, which opens at once.
    const lumari::SystemWallClock wallClock;
    lumari::SessionRecorder recorder(wallClock, services.settings);
    lumari::GameRecording recording(services, lumari::DefaultHistoryPath());
    flow.PlanGames([&](const lumari::GameOptions& options) {
        return lumari::PlanForCurrentLearner(services.settings, lumari::DefaultHistoryPath(), options.ImagesSet,
                                             wallClock.Now().date());
    });
    // The learner who plays next may play with access settings of their own.
    flow.AccessFrom([&] { return lumari::CurrentLearnerAccess(services.settings, lumari::DefaultHistoryPath()); });
    // A learner who hears the words: the set's recordings, else speech synthesis,
    // which connects to speech-dispatcher meanwhile, so the first word is not late.
    std::unique_ptr<lumari::DesktopSpeaker> speaker;
    if (lumari::CurrentLearnerAccess(services.settings, lumari::DefaultHistoryPath()).Speaking())
        speaker = std::make_unique<lumari::DesktopSpeaker>();
    flow.SpeakWith([&](const lumari::GameOptions& options) {
        return lumari::VoiceOfSet(services.files, options.ImagesSet,
                                  speaker ? std::move(speaker) : std::make_unique<lumari::DesktopSpeaker>());
    });
    flow.AddObserver(&recorder);
    flow.AtGameEnd([&] { recording.Record(recorder); });
    if (!flow.Start()) return 0;
    return app.exec();
}
