#include "teacher/sets/CheckCommand.h"

#include "teacher/sets/ImportCommand.h"
#include "sets/SetCheck.h"
#include "sets/SetInfo.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

namespace lumari {
namespace {

QString Tr(const char* text) { return QCoreApplication::translate("CheckCommand", text); }

constexpr int kSound = 0;
constexpr int kFound = 1;

}  // namespace

int RunCheckCommand(const QStringList& arguments, Files& files, QTextStream& out, QTextStream& err)
{
    QString set, problem;
    bool named = false;
    for (qsizetype i = 0; i < arguments.size() && problem.isEmpty(); ++i) {
        const QString& a = arguments[i];
        if (a == QStringLiteral("--set") && i + 1 < arguments.size())
            set = arguments[++i], named = true;
        else if (a.startsWith(QStringLiteral("--set=")))
            set = a.mid(6), named = true;
        else if (a == QStringLiteral("--set"))
            problem = Tr("--set needs a name");
        else
            problem = a.startsWith(u'-') ? Tr("unknown option: %1").arg(a) : Tr("unexpected argument: %1").arg(a);
    }
    if (problem.isEmpty() && !named) problem = Tr("--set NAME is missing");
    if (problem.isEmpty()) problem = SetNameProblem(set);
    if (!problem.isEmpty()) {
        err << QStringLiteral("lumari-teacher: ") << problem << u'\n' << TeacherSynopsis() << Qt::flush;
        return kUsageError;
    }
    QString folder;
    try {
        folder = SetInfoFolder(files, set);
    } catch (const std::exception&) {
    }
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
        err << QStringLiteral("lumari-teacher: ") << Tr("no set named %1").arg(set) << Qt::endl;
        return kUsageError;
    }
    const SetInfo info = SetInfo::Load(folder);
    if (!info.problem().isEmpty()) err << QStringLiteral("lumari-teacher: ") << info.problem() << Qt::endl;
    const std::vector<SetFinding> findings = CheckSet(SetFolder(files, set), info);
    for (const SetFinding& finding : findings) out << FindingLine(finding) << u'\n';
    out.flush();
    return findings.empty() ? kSound : kFound;
}

}  // namespace lumari
