#include "teacher/sets/DeleteRecordingCommand.h"

#include "platform/Failure.h"
#include "sets/SetFolder.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace lumari {

DeleteRecordingCommand::DeleteRecordingCommand(Files& files, QString set, QString pair, Done done)
    : files_(files), set_(std::move(set)), pair_(std::move(pair)), done_(std::move(done))
{
    setText(QCoreApplication::translate("SetsPage", "Delete the recording of “%1”").arg(pair_));
}

void DeleteRecordingCommand::redo()
{
    QString failure;
    try {
        trashed_ = TrashRecording(SetFolder(files_, set_), pair_);
    } catch (const std::exception& e) {
        failure = ReasonOf(e);  // also when the set's folder is gone
        setObsolete(true);
    }
    if (done_) done_(set_, failure);
}

void DeleteRecordingCommand::undo()
{
    QString failure;
    try {
        const SetFolder folder(files_, set_);
        // A word recorded meanwhile stays: the one in the trash stays there too.
        if (HasRecording(folder, pair_))
            failure = QCoreApplication::translate("SetsPage", "“%1” has a new recording: the one in the trash stays there.").arg(pair_);
        else
            trashed_.Restore();
    } catch (const std::exception& e) {
        failure = ReasonOf(e);
    }
    if (!failure.isEmpty()) setObsolete(true);
    if (done_) done_(set_, failure);
}

}  // namespace lumari
