#include "history/Progress.h"

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

// Pictures still to learn first: not mastered, the lowest share right, then by name.
bool StillToLearnFirst(const ImageProgress& a, const ImageProgress& b)
{
    if (a.mastered != b.mastered) return !a.mastered;
    const double pa = Percent(a.firstRight, a.firstAnswered).value_or(-1);
    const double pb = Percent(b.firstRight, b.firstAnswered).value_or(-1);
    if (pa != pb) return pa < pb;
    return std::tie(a.setName, a.image) < std::tie(b.setName, b.image);
}

}  // namespace

Progress LoadProgress(const QSqlDatabase& db, LearnerRef learner, const Period& period)
{
    QSqlQuery row = Select(db, QStringLiteral("s.id, s.started, s.set_name, s.shown, r.image, r.first_answer, r.response_ms"),
                           QStringLiteral("LEFT JOIN"), learner, period);
    Progress progress;
    std::vector<qint64> sessionTimes, allTimes;
    QHash<QString, std::size_t> imageIndex;
    std::vector<std::vector<bool>> imageAnswers;
    auto closeSession = [&] {
        if (progress.sessions.empty()) return;
        progress.sessions.back().medianResponseMs = Median(std::exchange(sessionTimes, {}));
    };
    while (row.next()) {
        const qint64 id = row.value(0).toLongLong();
        if (progress.sessions.empty() || progress.sessions.back().id != id) {
            closeSession();
            SessionSummary s;
            s.id = id;
            s.started = QDateTime::fromString(row.value(1).toString(), Qt::ISODate);
            s.setName = row.value(2).toString();
            s.shown = row.value(3).toInt();
            progress.sessions.push_back(s);
            progress.shown += s.shown;
        }
        if (row.value(4).isNull()) continue;  // a session without rounds
        SessionSummary& session = progress.sessions.back();
        const QString first = row.value(5).toString();
        const bool answered = first != QLatin1String("none"), right = first == QLatin1String("right");
        session.firstAnswered += answered;
        session.firstRight += right;
        if (const auto ms = ResponseOf(row.value(6))) sessionTimes.push_back(*ms), allTimes.push_back(*ms);

        const QString image = row.value(4).toString();
        const QString key = session.setName + QLatin1Char('/') + image;
        auto found = imageIndex.constFind(key);
        if (found == imageIndex.constEnd()) {
            found = imageIndex.insert(key, progress.images.size());
            ImageProgress picture;
            picture.setName = session.setName;
            picture.image = image;
            progress.images.push_back(picture);
            imageAnswers.emplace_back();
        }
        ImageProgress& picture = progress.images[*found];
        ++picture.timesShown;
        picture.firstAnswered += answered;
        picture.firstRight += right;
        picture.lastSeen = session.started;
        if (answered) imageAnswers[*found].push_back(right);
    }
    closeSession();
    for (const SessionSummary& s : progress.sessions) progress.firstRight += s.firstRight, progress.firstAnswered += s.firstAnswered;
    progress.medianResponseMs = Median(std::move(allTimes));
    for (std::size_t i = 0; i < progress.images.size(); ++i) progress.images[i].mastered = Mastered(imageAnswers[i]);
    std::sort(progress.images.begin(), progress.images.end(), StillToLearnFirst);
    return progress;
}

std::vector<RoundRow> LoadRounds(const QSqlDatabase& db, LearnerRef learner, const Period& period)
{
    QSqlQuery row = Select(db, QStringLiteral("s.id, s.started, s.set_name, r.seq, r.image, r.symbols, r.right_position, "
                                              "r.first_answer, r.answers, r.response_ms, r.skipped, r.prompt_ms, s.procedure, s.delay_ms"),
                           QStringLiteral("JOIN"), learner, period);
    std::vector<RoundRow> rounds;
    while (row.next())
        rounds.push_back({row.value(0).toLongLong(), row.value(1).toString(), row.value(2).toString(), row.value(3).toInt(),
                          row.value(4).toString(), row.value(5).toString(), row.value(6).toInt(), row.value(7).toString(),
                          row.value(8).toInt(), ResponseOf(row.value(9)), row.value(10).toInt() != 0, ResponseOf(row.value(11)),
                          row.value(12).toString(), ResponseOf(row.value(13))});
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

bool Mastered(const std::vector<bool>& firstAnswersRight)
{
    return firstAnswersRight.size() >= 3 && std::all_of(firstAnswersRight.end() - 3, firstAnswersRight.end(), [](bool r) { return r; });
}

}  // namespace lumari
