// lumari-teacher: the adults' program. Without arguments it opens its window;
// "lumari-teacher import --set NAME FILE_OR_FOLDER..." imports without one;
// "lumari-teacher check --set NAME" lists what would spoil a set's rounds;
// "lumari-teacher report --learner NAME ..." writes a learner's report;
// "lumari-teacher learner NAME ..." sets a learner's teaching plan.
#include "history/HistoryFile.h"
#include "history/LearnerCommand.h"
#include "platform/HelpAndVersion.h"
#include "platform/ProgramFolder.h"
#include "platform/QtServices.h"
#include "reports/ReportCommand.h"
#include "teacher/QtNotifier.h"
#include "teacher/TeacherWindow.h"
#include "teacher/sets/CheckCommand.h"
#include "teacher/sets/ImportCommand.h"
#include "teacher/sets/PictogramSymbols.h"
#include "teacher/sets/SetsDialogs.h"
#include "teacher/sets/WordRecorder.h"

#include <QApplication>
#include <QDateTime>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTextStream>

int main(int argc, char* argv[])
{
    if (const auto status = lumari::AnswerHelpOrVersion(argc, argv, "lumari-teacher", lumari::TeacherSynopsis())) return *status;
    const bool command = argc > 1;
    // The command line needs no display: pictograms are drawn off screen.
    if (command) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // A damaged picture is reported once, by its file name, not by the decoder too.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.gui.imageio.*=false"));

    // The same program folder as the game's: portable, or the user's data folder when installed.
    const QString executableFolder = QCoreApplication::applicationDirPath();
    const lumari::ProgramFolder folder = lumari::FindProgramFolder(
        executableFolder, QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    lumari::QtServices qt(folder.path);
    const lumari::Services services = qt.services();
    // The pictograms' words are read in the background from here on.
    const lumari::PictogramSymbols symbols;

    if (command) {
        QTextStream out(stdout), err(stderr);
        if (!folder.failure.isEmpty()) err << folder.failure << Qt::endl;
        const QStringList arguments = app.arguments().mid(1);
        if (arguments.first() == QLatin1String("report"))
            return lumari::RunReportCommand(arguments.mid(1), lumari::DefaultHistoryPath(), out, err);
        if (arguments.first() == QLatin1String("learner"))
            return lumari::RunLearnerCommand(arguments.mid(1), lumari::DefaultHistoryPath(), services.settings,
                                             QDateTime::currentDateTime(), out, err);
        if (arguments.first() == QLatin1String("check")) return lumari::RunCheckCommand(arguments.mid(1), services.files, out, err);
        return lumari::RunTeacherCommand(arguments, services, symbols, out, err);
    }
    if (!folder.failure.isEmpty()) QMessageBox::warning(nullptr, QObject::tr("Lumari ! for teachers"), folder.failure);
    lumari::QtSetsDialogs dialogs;
    lumari::QtNotifier notifier;
    lumari::MicrophoneInput microphone;
    lumari::TeacherWindow window({services, notifier, symbols, dialogs, executableFolder + QStringLiteral("/lumari"), microphone});
    window.show();
    return app.exec();
}
