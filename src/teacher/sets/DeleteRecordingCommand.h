#pragma once

#include "sets/WordRecordings.h"

#include <QUndoCommand>

#include <functional>

namespace lumari {

class Files;

// "Delete recording" as a step the adult can take back: the pair's word goes
// to the desktop's trash, and comes back from it under its name.
class DeleteRecordingCommand : public QUndoCommand {
public:
    // Told after each step, with the set and why it failed ("" when it did not).
    using Done = std::function<void(const QString& set, const QString& failure)>;

    DeleteRecordingCommand(Files& files, QString set, QString pair, Done done);

    void redo() override;
    void undo() override;

private:
    Files& files_;
    QString set_;
    QString pair_;
    TrashedRecording trashed_;
    Done done_;
};

}  // namespace lumari
