#include "history/GameRecording.h"

#include "history/HistoryFile.h"
#include "history/HistoryText.h"
#include "history/SessionRecorder.h"
#include "history/SessionWriter.h"
#include "history/SqlSteps.h"
#include "platform/Notifier.h"

#include <QEventLoopLocker>
#include <QFileInfo>
#include <QThread>
#include <QTimer>

namespace lumari {

RecordingOutcome WriteGame(const SessionRecord& session, const QString& historyPath)
{
    const OpenedHistory history = OpenHistory(historyPath);
    RecordingOutcome outcome{history.keptAside, history.failure};
    try {
        if (history.connection) WriteSession(history.connection->db(), session);
    } catch (const HistoryError& error) {
        outcome.failure = error.text();
    }
    return outcome;
}

QString HistoryNotice(const RecordingOutcome& outcome)
{
    QStringList lines;
    if (!outcome.keptAside.isEmpty())
        lines << HistoryText::tr("The learners' history could not be read. It was kept aside as \"%1\", and a new history was started.")
                     .arg(QFileInfo(outcome.keptAside).fileName());
    if (!outcome.failure.isEmpty())
        lines << HistoryText::tr("This game could not be added to the learners' history: %1\r\nThe statistics are stored as always.")
                     .arg(outcome.failure);
    return lines.join(QStringLiteral("\r\n\r\n"));
}

GameRecording::GameRecording(const Services& services, QString historyPath)
    : services_(services), historyPath_(std::move(historyPath))
{
}

GameRecording::~GameRecording()
{
    if (!writer_) return;
    writer_->wait();
    delete writer_;
}

bool GameRecording::Record(const SessionRecorder& recorder)
{
    std::optional<SessionRecord> session = recorder.Session();
    if (!session || writer_) return false;
    writer_ = QThread::create([this, game = std::move(*session)] { outcome_ = WriteGame(game, historyPath_); });
    connect(writer_, &QThread::finished, this, &GameRecording::Done);
    running_ = std::make_unique<QEventLoopLocker>();
    // Started once the results window is open, and below the windows' thread.
    QTimer::singleShot(0, this, [this] { writer_->start(QThread::IdlePriority); });
    return true;
}

void GameRecording::Done()
{
    writer_->wait();
    delete std::exchange(writer_, nullptr);
    if (const QString notice = HistoryNotice(outcome_); !notice.isEmpty()) BoxesNotifier(services_.boxes).Tell(Severity::Warning, notice);
    emit finished(outcome_.failure.isEmpty());
    running_.reset();
}

}  // namespace lumari
