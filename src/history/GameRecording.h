#pragma once

#include "history/SessionRecord.h"
#include "platform/Services.h"

#include <QObject>
#include <QString>

#include <memory>

class QEventLoopLocker;
class QThread;

namespace lumari {

class SessionRecorder;

// What writing a game into the history came to: where a damaged file was
// kept aside, and why the game could not be written ("" for none).
struct RecordingOutcome {
    QString keptAside;
    QString failure;
};

// Writes a game into the history at path, with a connection of its own: on
// any thread. Never throws.
RecordingOutcome WriteGame(const SessionRecord& session, const QString& historyPath);

// The text of the one box that tells what happened; "" when all went well.
QString HistoryNotice(const RecordingOutcome& outcome);

// Adds each game with an answer to the learners' history on a thread of its
// own: the results window opens at once. One box tells when the history had to be started anew or the game
// could not be written; the statistics are the results window's, as always.
// The program runs on until the game is written and that box answered.
class GameRecording : public QObject {
    Q_OBJECT
public:
    GameRecording(const Services& services, QString historyPath);
    // Waits for a game still being written.
    ~GameRecording() override;

    // Starts writing the game the recorder followed. False, and nothing
    // written, when the game had no answer.
    bool Record(const SessionRecorder& recorder);

signals:
    // The game is written (or has failed), and the box, if any, answered.
    void finished(bool written);

private:
    void Done();

    Services services_;
    QString historyPath_;
    QThread* writer_ = nullptr;
    std::unique_ptr<QEventLoopLocker> running_;
    RecordingOutcome outcome_;
};

}  // namespace lumari
