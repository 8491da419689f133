#include "history/GameRecording.h"

#include "history/HistoryFile.h"
#include "history/Learners.h"
#include "history/SessionRecorder.h"
#include "history/SessionWriter.h"
#include "history/HistoryText.h"
#include "history/SqlSteps.h"
#include "platform/Services.h"

#include <QFileInfo>

namespace lumari {

namespace {

constexpr int kExclamation = 48;


}  // namespace

bool RecordGame(const Services& services, const SessionRecorder& recorder, const QString& historyPath)
{
    const std::optional<SessionRecord> session = recorder.Session();
    if (!session) return false;
    QString keptAside, failure;
    {  // closed before the box, which waits for a hand
        const OpenedHistory history = OpenHistory(historyPath);
        keptAside = history.keptAside;
        failure = history.failure;
        try {
            if (history.connection) WriteSession(history.connection->db(), *session, CurrentLearner(services.settings));
        } catch (const HistoryError& error) {
            failure = error.text();
        }
    }
    if (const QString notice = HistoryNotice(keptAside, failure); !notice.isEmpty())
        services.boxes.MsgBox(notice, kExclamation);
    return failure.isEmpty();
}

QString HistoryNotice(const QString& keptAside, const QString& failure)
{
    QStringList lines;
    if (!keptAside.isEmpty())
        lines << HistoryText::tr("The learners' history could not be read. It was kept aside as \"%1\", and a new history was started.")
                     .arg(QFileInfo(keptAside).fileName());
    if (!failure.isEmpty())
        lines << HistoryText::tr("This game could not be added to the learners' history: %1\r\nThe statistics are stored as always.")
                     .arg(failure);
    return lines.join(QStringLiteral("\r\n\r\n"));
}

}  // namespace lumari
