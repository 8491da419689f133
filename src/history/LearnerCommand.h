#pragma once

#include <QStringList>

class QDateTime;
class QTextStream;

namespace lumari {

class Settings;

// Exit statuses of "lumari-teacher learner".
namespace learner_status {
constexpr int kDone = 0;
constexpr int kUsage = 2;
constexpr int kCannotWrite = 3;  // the history or the settings file
}  // namespace learner_status

// lumari-teacher learner NAME [--procedure none|errorless|constant-delay|progressive-delay|least-to-most|distractor-fading]
//   [--delay SECONDS] [--zero-delay-sessions N] [--prompt dim|hide] [--mastery PERCENT/SESSIONS/ROUNDS]
//   [--screen window|full] [--scan off|MS] [--scan-mode auto|step] [--scan-keys KEYS] [--debounce MS]
//   [--dwell off|MS] [--speak off|word] [--task match|spoken] [--plays-next]
// arguments: those after "learner". Adds the learner when new (at `now`),
// applies what is given, makes them the one who plays next when asked, then
// prints their plan on out, one "key: value" line each; problems go to err.
// Returns the exit status.
int RunLearnerCommand(const QStringList& arguments, const QString& historyPath, Settings& settings, const QDateTime& now,
                      QTextStream& out, QTextStream& err);

}  // namespace lumari
