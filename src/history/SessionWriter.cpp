#include "history/SessionWriter.h"

#include "history/LearnerPlans.h"
#include "history/Learners.h"
#include "history/SqlSteps.h"
#include "history/WallClock.h"

#include <QSqlError>

namespace lumari {

namespace {

// An empty name (a set chosen as "", an empty Images folder) is text, never NULL.
QVariant Text(const QString& text) { return text.isNull() ? QVariant(QStringLiteral("")) : QVariant(text); }

template <typename Number> QVariant OrNull(const std::optional<Number>& value)
{
    return value ? QVariant(qint64(*value)) : QVariant(QMetaType(QMetaType::LongLong));
}

}  // namespace

qint64 WriteSession(const QSqlDatabase& db, const SessionRecord& s)
{
    WriteTransaction transaction(db);
    const std::optional<qint64> learner = s.learner.isEmpty() ? std::nullopt : std::optional(LearnerNamed(db, s.learner, s.ended));
    const QSqlQuery added = RunSql(db,
        QStringLiteral("INSERT INTO sessions(learner_id, started, ended, set_name, placeholders, way_to_work, shown, "
                       "correct, wrong, started_ms, procedure, delay_ms, task) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
        {learner ? QVariant(*learner) : QVariant(QMetaType(QMetaType::LongLong)), IsoWithOffset(s.started),
         IsoWithOffset(s.ended), Text(s.setName), s.placeholders, s.wayToWork, s.shown, s.correct, s.wrong,
         s.started.toMSecsSinceEpoch(), s.procedure.isEmpty() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(s.procedure),
         OrNull(s.delayMs), TaskName(s.task)});
    const qint64 session = added.lastInsertId().toLongLong();

    // One statement prepared for every round.
    QSqlQuery round(db);
    if (!round.prepare(QStringLiteral("INSERT INTO rounds(session_id, seq, image, symbols, right_position, first_answer, "
                                      "answers, response_ms, skipped, prompt_ms, answered_by) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")))
        throw HistoryError(round.lastError());
    int seq = 0;
    for (const RoundRecord& r : s.rounds) {
        const QVariant values[] = {session, ++seq, Text(r.image), Text(r.symbols.join(QLatin1Char('|'))), r.rightPosition,
                                   FirstAnswerText(r.firstAnswer), r.answers,
                                   OrNull(r.responseMs), r.skipped ? 1 : 0, OrNull(r.promptMs),
                                   r.answeredBy ? QVariant(AnsweredByText(*r.answeredBy)) : QVariant(QMetaType(QMetaType::QString))};
        for (int i = 0; i < int(std::size(values)); ++i) round.bindValue(i, values[i]);
        if (!round.exec()) throw HistoryError(round.lastError());
    }
    // In the same transaction: the level goes with the game that reached it.
    if (learner && s.distractorLevel) SaveDistractorLevel(db, *learner, s.setName, *s.distractorLevel);
    transaction.Commit();
    return session;
}

}  // namespace lumari
