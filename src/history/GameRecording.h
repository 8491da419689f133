#pragma once

#include <QString>

namespace lumari {

class SessionRecorder;
struct Services;

// Adds the game just ended to the learners' history, for the learner chosen
// in lumari-teacher (or none), when it had an answer. One box tells when the
// history had to be started anew or the game could not be added; either way
// nothing is thrown, and the statistics are left to the results window.
// Returns whether the game was added.
bool RecordGame(const Services& services, const SessionRecorder& recorder, const QString& historyPath);

// That box's text: "" when there is nothing to tell.
QString HistoryNotice(const QString& keptAside, const QString& failure);

}  // namespace lumari
