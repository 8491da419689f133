#include "PlainProgress.h"

#include "history/LearnerPlans.h"
#include "history/SqlSteps.h"

#include <QHash>

#include <algorithm>

namespace lumari::bench {

Progress PlainProgress(const QSqlDatabase& db, qint64 learner)
{
    Progress progress;
    QSqlQuery games = RunSql(db, "SELECT id, started, set_name, shown, started_ms FROM sessions WHERE learner_id = ? ORDER BY started_ms, id", {learner});
    QHash<QString, ImageProgress> pictures;
    std::vector<qint64> all;
    std::vector<MasteryRound> mastery;
    while (games.next()) {
        SessionSummary s;
        s.id = games.value(0).toLongLong();
        s.started = QDateTime::fromString(games.value(1).toString(), Qt::ISODate);
        s.setName = games.value(2).toString();
        s.shown = games.value(3).toInt();
        std::vector<qint64> times;
        QSqlQuery rounds = RunSql(db, "SELECT image, first_answer, response_ms, prompt_ms IS NOT NULL FROM rounds WHERE session_id = ? ORDER BY seq", {s.id});
        while (rounds.next()) {
            const QString first = rounds.value(1).toString();
            const bool answered = first != "none", right = first == "right";
            s.firstAnswered += answered, s.firstRight += right;
            if (!rounds.value(2).isNull()) times.push_back(rounds.value(2).toLongLong()), all.push_back(rounds.value(2).toLongLong());
            const QString key = s.setName + "/" + rounds.value(0).toString();
            ImageProgress& p = pictures[key];
            p.setName = s.setName, p.image = rounds.value(0).toString();
            ++p.timesShown, p.firstAnswered += answered, p.firstRight += right, p.lastSeen = s.started;
            mastery.push_back({s.setName, p.image, s.id, answered ? right ? FirstAnswer::Right : FirstAnswer::Wrong : FirstAnswer::None,
                               rounds.value(3).toBool(), MasteryDay(games.value(4).toLongLong())});
        }
        s.medianResponseMs = Median(times);
        progress.shown += s.shown, progress.firstRight += s.firstRight, progress.firstAnswered += s.firstAnswered;
        progress.sessions.push_back(s);
    }
    const auto stages = MasteryOf(mastery, LoadLearnerPlan(db, learner).mastery, QDate::currentDate());
    for (auto it = pictures.begin(); it != pictures.end(); ++it) {
        const auto stage = stages.find({it->setName, it->image});
        if (stage != stages.end()) it->mastery = stage->second;
        progress.images.push_back(*it);
    }
    progress.medianResponseMs = Median(all);
    return progress;
}

}  // namespace lumari::bench
