#include "state/CreaSet.h"

#include "platform/ErrorTrap.h"
#include "platform/Runtime.h"
#include "platform/RuntimeError.h"

namespace lumari {
namespace {

bool OnlyDots(const QString& name)
{
    if (name.isEmpty()) return false;
    for (const QChar c : name)
        if (c != u'.') return false;
    return true;
}

// A set lives directly in the program's folder. A name holding a separator
// would reach into another folder (or out of the program's folder through
// ".."), so it fails as it does where "\" is the separator and the folder
// "Set_" + its first part does not exist. A name of dots alone is not a
// folder name the sets' platform keeps as typed.
void RefuseUnsafeName(const QString& name)
{
    if (name.contains(u'/') || name.contains(u'\\')) throw RuntimeError(err::PathNotFound);
    if (OnlyDots(name)) throw RuntimeError(err::BadFileNameOrNumber);
}

}  // namespace

void CreaSet(Runtime& runtime, const QString& name)
{
    ErrorTrap trap(runtime, QStringLiteral("CreaSet"));
    // One report and return: the first failing step leaves the later ones undone.
    trap([&] {
        try {
            RefuseUnsafeName(name);
            const QString set = runtime.AppPath() + QStringLiteral("\\Set_") + name;
            runtime.CreateFolder(set);
            runtime.CreateFolder(set + QStringLiteral("\\Images"));
            runtime.CreateFolder(set + QStringLiteral("\\Symbols"));
        } catch (const RuntimeError& e) {
            if (e.number() != err::FileAlreadyExists) throw;
            runtime.MsgBox(QStringLiteral("Cannot create set \"") + name + QStringLiteral("\". Set already exists"),
                           mb::Critical);
        }
    });
}

}  // namespace lumari
