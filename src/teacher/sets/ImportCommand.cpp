#include "teacher/sets/ImportCommand.h"

#include "platform/Notifier.h"
#include "platform/PathResolver.h"
#include "platform/Services.h"
#include "sets/ImportBatch.h"
#include "sets/SetPaths.h"
#include "sets/SetInfo.h"
#include "sets/WordRecordings.h"
#include "state/CreaSet.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QTextStream>

namespace lumari {
namespace {

QString Tr(const char* text) { return QCoreApplication::translate("ImportCommand", text); }

// Messages as lines on the error stream: "Create new set" reports through them.
class StreamNotifier : public Notifier {
public:
    explicit StreamNotifier(QTextStream& err) : err_(err) {}
    bool Tell(Severity, const QString& text, const QString& = QString()) noexcept override
    {
        err_ << QStringLiteral("lumari-teacher: ") << text << Qt::endl;
        ++told;
        return false;
    }
    int told = 0;

private:
    QTextStream& err_;
};

struct Arguments {
    QString set;
    QStringList languages;  // empty: the set's own
    QStringList inputs;
    QString problem;  // "" when they are usable
};

Arguments Parse(const QStringList& arguments)
{
    Arguments parsed;
    if (arguments.value(0) != QStringLiteral("import")) {
        parsed.problem = arguments.isEmpty() ? Tr("no command") : Tr("unknown command: %1").arg(arguments.value(0));
        return parsed;
    }
    bool named = false, optionsEnd = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (!optionsEnd && a == QStringLiteral("--")) {
            optionsEnd = true;
        } else if (!optionsEnd && a == QStringLiteral("--set")) {
            if (i + 1 >= arguments.size()) {
                parsed.problem = Tr("--set needs a name");
                return parsed;
            }
            parsed.set = arguments[++i];
            named = true;
        } else if (!optionsEnd && a.startsWith(QStringLiteral("--set="))) {
            parsed.set = a.mid(6);
            named = true;
        } else if (!optionsEnd && (a == QStringLiteral("--language") || a.startsWith(QStringLiteral("--language=")))) {
            const QString codes = a.contains(u'=') ? a.section(u'=', 1) : arguments.value(++i);
            parsed.languages = ParseLanguages(codes);
            if (parsed.languages.isEmpty()) {
                parsed.problem = Tr("--language needs a language code, such as de or it,en");
                return parsed;
            }
        } else if (!optionsEnd && a.startsWith(u'-') && a.size() > 1) {
            parsed.problem = Tr("unknown option: %1").arg(a);
            return parsed;
        } else {
            parsed.inputs << a;
        }
    }
    if (!named)
        parsed.problem = Tr("--set NAME is missing");
    else if (parsed.inputs.isEmpty())
        parsed.problem = Tr("no file or folder to import");
    return parsed;
}

// Makes the set, or the folder it lacks, as "Create new set" does; false
// when it cannot be had (the reason is already told).
bool MakeSet(const Services& services, const QString& set, StreamNotifier& notifier)
{
    const SetPaths paths(services.files.AppPath());
    if (!QFileInfo(ResolvePath(paths.SetFolder(set))).isDir()) {
        NotifierBoxes boxes(notifier);
        CreaSet(services.WithBoxes(boxes), set);
    }
    for (const QString& folder : {paths.ImagesFolder(set), paths.SymbolsFolder(set)}) {
        const QString resolved = ResolvePath(folder);
        if (!QFileInfo(resolved).isDir() && !QDir().mkdir(resolved)) notifier.Tell(Severity::Critical, Tr("cannot make %1").arg(resolved));
    }
    return notifier.told == 0;
}

}  // namespace

const char* TeacherSynopsis()
{
    return "lumari-teacher\n"
           "lumari-teacher import [--language code[,code...]] --set name file-or-folder...\n"
           "lumari-teacher check --set name\n"
           "lumari-teacher report --learner name [--from date] [--to date] [--csv file] [--pdf file]\n"
           "lumari-teacher learner name [--procedure procedure] [--delay seconds] [--zero-delay-sessions n] [--prompt dim|hide]\n"
           "[--mastery percent/sessions/rounds] [--screen window|full] [--scan off|ms] [--scan-mode auto|step] [--scan-keys keys]\n"
           "[--debounce ms] [--dwell off|ms] [--speak off|word] [--task match|spoken] [--plays-next]\n"
           "lumari-teacher --help | -h | --version\n";
}

int RunTeacherCommand(const QStringList& arguments, const Services& services, const SymbolMaker& symbols,
                      QTextStream& out, QTextStream& err)
{
    const Arguments parsed = Parse(arguments);
    if (!parsed.problem.isEmpty()) {
        err << QStringLiteral("lumari-teacher: ") << parsed.problem << u'\n' << TeacherSynopsis() << Qt::flush;
        return kUsageError;
    }
    const QString problem = SetNameProblem(parsed.set);
    if (!problem.isEmpty()) {
        err << QStringLiteral("lumari-teacher: ") << Tr("unsafe set name “%1”: %2").arg(parsed.set, problem) << Qt::endl;
        return kUsageError;
    }
    StreamNotifier notifier(err);
    if (!MakeSet(services, parsed.set, notifier)) return kUsageError;
    // The languages given are the set's from now on: later imports, renames and picks use them.
    const QString folder = SetInfoFolder(services.files, parsed.set);
    SetInfo info = SetInfo::Load(folder);
    if (!info.problem().isEmpty()) err << QStringLiteral("lumari-teacher: ") << info.problem() << Qt::endl;
    QString why;
    if (!parsed.languages.isEmpty() && parsed.languages != info.languages) {
        info.languages = parsed.languages;
        if (!info.Save(folder, &why)) err << QStringLiteral("lumari-teacher: ") << why << Qt::endl;
    }

    ImportBatch batch(services.files, parsed.set, &symbols);
    QEventLoop loop;
    // A WAV file beside a picture of its name is that pair's recording, not a file skipped.
    const auto recording = [](const ImportOutcome& o) {
        return o.result == ImportOutcome::Result::Skipped && IsRecordingBesidePicture(o.source);
    };
    int recordingsLeftOut = 0;
    QObject::connect(&batch, &ImportBatch::imported, &batch, [&](const ImportOutcome& o) {
        if (recording(o)) return;
        out << OutcomeLine(o) << Qt::endl;
        if (o.pair.isEmpty()) return;
        if (const QString wav = RecordingBeside(o.source); !wav.isEmpty()) {
            try {
                ImportRecording(batch.folder(), o.pair, wav);
                out << Tr("recording: %1").arg(o.pair) << Qt::endl;
            } catch (const SetError& e) {
                out << Tr("skipped: %1: %2").arg(QFileInfo(wav).fileName(), e.reason()) << Qt::endl;
                ++recordingsLeftOut;
            }
        }
    });
    QObject::connect(&batch, &ImportBatch::finished, &loop, &QEventLoop::quit);
    batch.Start(parsed.inputs);
    if (batch.running()) loop.exec();

    // set.json was read back by the batch: a problem told above is not told twice.
    if (batch.infoProblem() != info.problem()) err << QStringLiteral("lumari-teacher: ") << batch.infoProblem() << Qt::endl;

    int added = 0, unchanged = 0, skipped = recordingsLeftOut, noSymbol = 0;
    using R = ImportOutcome::Result;
    for (const ImportOutcome& o : batch.outcomes())
        if (!recording(o))
            ++(o.result == R::Added ? added : o.result == R::Unchanged ? unchanged : o.result == R::Skipped ? skipped : noSymbol);
    out << Tr("Set %1: %2 added, %3 unchanged, %4 skipped, %5 without a symbol.")
               .arg(parsed.set).arg(added).arg(unchanged).arg(skipped).arg(noSymbol)
        << Qt::endl;
    return skipped + noSymbol > 0 ? kSomeLeftOut : kAllWhole;
}

}  // namespace lumari
