#include "sets/RemovePairCommand.h"

#include "platform/Failure.h"
#include "sets/PictureImport.h"

#include <QCoreApplication>

namespace lumari {

RemovePairCommand::RemovePairCommand(Files& files, QString set, Pair pair, Done done)
    : files_(files), set_(std::move(set)), pair_(std::move(pair)), done_(std::move(done))
{
    setText(QCoreApplication::translate("SetsPage", "Remove pair “%1”").arg(pair_.name));
}

void RemovePairCommand::redo()
{
    Step([this](const SetFolder& folder) {
        trashed_ = folder.Remove(pair_);
        Forget();
    });
}

void RemovePairCommand::undo()
{
    Step([this](const SetFolder& folder) {
        folder.Restore(pair_, trashed_);
        Remember();
    });
}

// The files are what matters: an entry that cannot be written costs only its "?" mark.
void RemovePairCommand::Forget()
{
    const QString folder = SetInfoFolder(files_, set_);
    SetInfo info = SetInfo::Load(folder);
    pictogram_ = info.Pictogram(pair_.name);
    if (!pictogram_) return;
    info.Forget(pair_.name);
    info.Save(folder);
}

void RemovePairCommand::Remember()
{
    if (!pictogram_) return;
    const QString folder = SetInfoFolder(files_, set_);
    SetInfo info = SetInfo::Load(folder);
    info.SetPictogram(pair_.name, *pictogram_);
    info.Save(folder);
}

void RemovePairCommand::Step(const std::function<void(const SetFolder&)>& change)
{
    QString failure;
    try {
        change(SetFolder(files_, set_));
    } catch (const std::exception& e) {
        failure = ReasonOf(e);  // also when the set's folder is gone
    }
    if (!failure.isEmpty()) setObsolete(true);
    if (done_) done_(set_, failure);
}

}  // namespace lumari
