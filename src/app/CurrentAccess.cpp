#include "app/CurrentAccess.h"

#include "history/HistoryFile.h"
#include "history/LearnerAccess.h"
#include "history/Learners.h"

#include <QFileInfo>

#include <exception>

namespace lumari {

AccessOptions CurrentLearnerAccess(Settings& settings, const QString& historyPath)
{
    try {
        const QString name = CurrentLearner(settings);
        // Opening a missing file would make it: the game only reads here.
        if (name.isEmpty() || !QFileInfo(historyPath).isFile()) return {};
        const HistoryConnection connection(historyPath);
        const std::optional<Learner> learner = FindLearner(connection.db(), name);
        return learner ? LoadLearnerAccess(connection.db(), learner->id) : AccessOptions();
    } catch (const std::exception&) {
        // A history that cannot be read is the described game, not a refusal to play.
        return {};
    }
}

}  // namespace lumari
