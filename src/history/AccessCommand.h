#pragma once

#include "game/AccessOptions.h"

#include <QMap>
#include <QString>

#include <variant>

class QCommandLineParser;
class QTextStream;

namespace lumari {

// The access options of "lumari-teacher learner": --screen window|full,
// --scan off|MS, --scan-mode auto|step, --scan-keys KEYS, --debounce MS,
// --dwell off|MS, --speak off|word, --task match|spoken.
void AddAccessOptions(QCommandLineParser& parser);
inline constexpr const char* kAccessUsage =
    "[--screen window|full] [--scan off|MS] [--scan-mode auto|step] [--scan-keys KEYS] [--debounce MS] "
    "[--dwell off|MS] [--speak off|word] [--task match|spoken]";
// The settings with the options given applied, or the sentence saying which value is wrong.
std::variant<AccessOptions, QString> AppliedAccess(AccessOptions access, const QCommandLineParser& parser);
// The same for values given by the option's name ("scan" to "700"), as the Learners page gives them.
using AccessValues = QMap<QString, QString>;
std::variant<AccessOptions, QString> AppliedAccess(AccessOptions access, const AccessValues& values);
// One "key: value" line each, as the plan's.
void PrintAccess(QTextStream& out, const AccessOptions& access);

}  // namespace lumari
