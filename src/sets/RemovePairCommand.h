#pragma once

#include "sets/SetFolder.h"
#include "sets/SetInfo.h"

#include <QUndoCommand>

#include <functional>

namespace lumari {

class Files;

// "Remove pair" as a step the adult can take back: the pair's two files go
// to the desktop's trash, and come back from it under their names, with
// what the set kept of its pictogram.
class RemovePairCommand : public QUndoCommand {
public:
    // Told after each step, with the set and why it failed ("" when it did
    // not). A step that fails leaves the stack: there is nothing to take back.
    using Done = std::function<void(const QString& set, const QString& failure)>;

    RemovePairCommand(Files& files, QString set, Pair pair, Done done);

    void redo() override;
    void undo() override;

private:
    void Step(const std::function<void(const SetFolder&)>& change);
    // The pair's entry in the set's set.json: taken out, put back.
    void Forget();
    void Remember();

    Files& files_;
    QString set_;
    Pair pair_;
    Trashed trashed_;
    std::optional<PairPictogram> pictogram_;
    Done done_;
};

}  // namespace lumari
