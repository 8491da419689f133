#include "history/Progress.h"

#include "history/LearnerPlans.h"
#include "history/SqlSteps.h"

#include <QHash>

#include <algorithm>
#include <tuple>

namespace lumari {

namespace {

// The sessions of a learner in a period, joined to what of their rounds is asked for.
QSqlQuery Select(const QSqlDatabase& db, const QString& columns, const QString& joinedRounds, LearnerRef learner,
                 const Period& period)
{
    const QString whose = learner ? QStringLiteral("s.learner_id = ?") : QStringLiteral("s.learner_id IS NULL");
    const QString sql = QStringLiteral("SELECT %1 FROM sessions s %2 rounds r ON r.session_id = s.id WHERE %3 "
                                       "AND substr(s.started, 1, 10) BETWEEN ? AND ? ORDER BY s.started_ms, s.id, r.seq")
                            .arg(columns, joinedRounds, whose);
    const QString from = period.from.isValid() ? period.from.toString(Qt::ISODate) : QStringLiteral("0000-00-00");
    const QString to = period.to.isValid() ? period.to.toString(Qt::ISODate) : QStringLiteral("9999-99-99");
    return learner ? RunSql(db, sql, {*learner, from, to}) : RunSql(db, sql, {from, to});
}

std::optional<qint64> ResponseOf(const QVariant& value)
{
    return value.isNull() ? std::nullopt : std::optional(value.toLongLong());
}

// The columns of a round as mastery reads it, first in each query below, then the query's own.
QString Columns(const char* own)
{
    return QStringLiteral("s.set_name, r.image, s.id, r.first_answer, r.prompt_ms IS NOT NULL, s.started_ms") + QLatin1String(own);
}
constexpr int kFirstOwnColumn = 6;

MasteryRound MasteryRoundOf(const QSqlQuery& row)
{
    const QString first = row.value(3).toString();
    return {row.value(0).toString(), row.value(1).toString(), row.value(2).toLongLong(),
            first == QLatin1String("right")   ? FirstAnswer::Right
            : first == QLatin1String("wrong") ? FirstAnswer::Wrong
                                              : FirstAnswer::None,
            row.value(4).toBool(), MasteryDay(row.value(5).toLongLong())};
}

// The learner's mastery rule, with the rounds before the period already added.
MasteryTracker TrackerBefore(const QSqlDatabase& db, LearnerRef learner, const Period& period)
{
    MasteryTracker tracker(learner ? LoadLearnerPlan(db, *learner).mastery : MasteryRule());
    if (!period.from.isValid()) return tracker;
    QSqlQuery row = Select(db, Columns(""), QStringLiteral("JOIN"), learner, {QDate(), period.from.addDays(-1)});
    while (row.next()) tracker.Add(MasteryRoundOf(row));
    return tracker;
}

bool Planned(const QString& procedure) { return !procedure.isEmpty() && procedure != QLatin1String("none"); }

// A game recorded before tasks were kept was a matching one.
QString TaskOf(const QVariant& stored) { return stored.isNull() ? TaskName(Task::Match) : stored.toString(); }

// Pictures still to learn first: by stage, then the lowest share right alone, then by name.
bool StillToLearnFirst(const ImageProgress& a, const ImageProgress& b)
{
    const int sa = LearningOrder(a.mastery.stage), sb = LearningOrder(b.mastery.stage);
    if (sa != sb) return sa < sb;
    const double pa = Percent(a.unpromptedRight, a.firstAnswered).value_or(-1);
    const double pb = Percent(b.unpromptedRight, b.firstAnswered).value_or(-1);
    if (pa != pb) return pa < pb;
    return std::tie(a.setName, a.image) < std::tie(b.setName, b.image);
}

}  // namespace

Progress LoadProgress(const QSqlDatabase& db, LearnerRef learner, const Period& period, const QDate& today)
{
    MasteryTracker mastery = TrackerBefore(db, learner, period);
    QSqlQuery row = Select(db, Columns(", s.started, s.shown, r.response_ms, s.procedure, s.delay_ms, s.task"),
                           QStringLiteral("LEFT JOIN"), learner, period);
    Progress progress;
    std::vector<qint64> sessionTimes, allTimes;
    QHash<QString, std::size_t> imageIndex;
    auto closeSession = [&] {
        if (progress.sessions.empty()) return;
        progress.sessions.back().medianResponseMs = Median(std::exchange(sessionTimes, {}));
    };
    auto column = [&row](int i) { return row.value(kFirstOwnColumn + i); };
    while (row.next()) {
        const qint64 id = row.value(2).toLongLong();
        if (progress.sessions.empty() || progress.sessions.back().id != id) {
            closeSession();
            SessionSummary s;
            s.id = id;
            s.started = QDateTime::fromString(column(0).toString(), Qt::ISODate);
            s.setName = row.value(0).toString();
            s.shown = column(1).toInt();
            s.procedure = column(3).toString();
            s.delayMs = ResponseOf(column(4));
            s.spoken = TaskOf(column(5)) == TaskName(Task::Spoken);
            progress.sessions.push_back(s);
            progress.shown += s.shown;
            progress.planned = progress.planned || Planned(s.procedure);
            progress.spoken = progress.spoken || s.spoken;
        }
        if (row.value(1).isNull()) continue;  // a session without rounds
        const MasteryRound round = MasteryRoundOf(row);
        mastery.Add(round);
        SessionSummary& session = progress.sessions.back();
        const bool answered = round.firstAnswer != FirstAnswer::None, right = round.firstAnswer == FirstAnswer::Right;
        const bool alone = right && !round.prompted;
        session.firstAnswered += answered;
        session.firstRight += right;
        session.unpromptedRight += alone;
        if (const auto ms = ResponseOf(column(2))) sessionTimes.push_back(*ms), allTimes.push_back(*ms);

        const QString key = session.setName + QLatin1Char('/') + round.image;
        auto found = imageIndex.constFind(key);
        if (found == imageIndex.constEnd()) {
            found = imageIndex.insert(key, progress.images.size());
            ImageProgress picture;
            picture.setName = session.setName;
            picture.image = round.image;
            progress.images.push_back(picture);
        }
        ImageProgress& picture = progress.images[*found];
        ++picture.timesShown;
        picture.firstAnswered += answered;
        picture.firstRight += right;
        picture.unpromptedRight += alone;
        picture.lastSeen = session.started;
    }
    closeSession();
    for (const SessionSummary& s : progress.sessions)
        progress.firstRight += s.firstRight, progress.firstAnswered += s.firstAnswered, progress.unpromptedRight += s.unpromptedRight;
    progress.medianResponseMs = Median(std::move(allTimes));
    const QDate asOf = period.to.isValid() && period.to < today ? period.to : today;
    for (ImageProgress& picture : progress.images) picture.mastery = mastery.Of({picture.setName, picture.image}, asOf);
    std::sort(progress.images.begin(), progress.images.end(), StillToLearnFirst);
    return progress;
}

std::vector<RoundRow> LoadRounds(const QSqlDatabase& db, LearnerRef learner, const Period& period)
{
    MasteryTracker mastery = TrackerBefore(db, learner, period);
    QSqlQuery row = Select(db, Columns(", s.started, r.seq, r.symbols, r.right_position, r.answers, r.response_ms, r.skipped, "
                                   "r.prompt_ms, s.procedure, s.delay_ms, s.task, r.answered_by"),
                           QStringLiteral("JOIN"), learner, period);
    auto column = [&row](int i) { return row.value(kFirstOwnColumn + i); };
    std::vector<RoundRow> rounds;
    while (row.next()) {
        const MasteryRound round = MasteryRoundOf(row);
        mastery.Add(round);
        rounds.push_back({round.session, column(0).toString(), round.set, column(1).toInt(), round.image, column(2).toString(),
                          column(3).toInt(), row.value(3).toString(), column(4).toInt(), ResponseOf(column(5)),
                          column(6).toInt() != 0, ResponseOf(column(7)), column(8).toString(), ResponseOf(column(9)),
                          StageName(mastery.Of({round.set, round.image}, round.day).stage), TaskOf(column(10)),
                          column(11).toString()});
    }
    return rounds;
}

std::optional<double> Percent(int right, int answered)
{
    if (answered <= 0) return std::nullopt;
    return 100.0 * right / answered;
}

std::optional<qint64> Median(std::vector<qint64> values)
{
    if (values.empty()) return std::nullopt;
    const std::size_t middle = values.size() / 2;
    std::nth_element(values.begin(), values.begin() + middle, values.end());
    if (values.size() % 2) return values[middle];
    const qint64 upper = values[middle];
    const qint64 lower = *std::max_element(values.begin(), values.begin() + middle);
    return lower + (upper - lower) / 2;
}

int LearningOrder(Stage stage)
{
    switch (stage) {
    case Stage::New:
    case Stage::Teaching: break;
    case Stage::CheckDue: return 1;
    case Stage::Mastered: return 2;
    case Stage::Kept: return 3;
    }
    return 0;
}

}  // namespace lumari
