#include "history/Mastery.h"

#include "history/SqlSteps.h"

#include <QDateTime>

#include <algorithm>
#include <iterator>

namespace lumari {

namespace {

constexpr int kChecks = int(std::size(kCheckDays));

}  // namespace

bool MasteryTracker::RuleHolds(const std::vector<SessionTally>& sessions) const
{
    int rounds = 0, alone = 0;
    const auto from = sessions.size() > std::size_t(std::max(1, rule_.sessions)) ? sessions.end() - std::max(1, rule_.sessions)
                                                                                    : sessions.begin();
    for (auto it = from; it != sessions.end(); ++it) rounds += it->rounds, alone += it->alone;
    return rounds > 0 && rounds >= rule_.rounds && alone * 100 >= rule_.percent * rounds;
}

void MasteryTracker::Teach(PictureState& state, const MasteryRound& round, bool alone) const
{
    if (state.sessions.empty() || state.sessions.back().session != round.session) state.sessions.push_back({round.session});
    ++state.sessions.back().rounds;
    state.sessions.back().alone += alone ? 1 : 0;
    PictureMastery& m = state.mastery;
    m.stage = Stage::Teaching;
    if (!RuleHolds(state.sessions)) return;
    m = {Stage::Mastered, round.day, round.day.addDays(kCheckDays[0]), 0};
    state.sessions.clear();
    state.lastCheckSession = round.session;  // the checks come in later games
}

void MasteryTracker::Check(PictureState& state, const MasteryRound& round, bool alone) const
{
    PictureMastery& m = state.mastery;
    if (round.day < m.nextCheck || round.session == state.lastCheckSession) return;
    if (!alone) {
        m.stage = Stage::Teaching;
        m.nextCheck = QDate();
        m.checksPassed = 0;
        Teach(state, round, alone);
        return;
    }
    state.lastCheckSession = round.session;
    if (++m.checksPassed == kChecks) {
        m.stage = Stage::Kept;
        m.nextCheck = QDate();
    } else {
        m.nextCheck = m.masteredOn.addDays(kCheckDays[m.checksPassed]);
    }
}

void MasteryTracker::Add(const MasteryRound& round)
{
    if (round.firstAnswer == FirstAnswer::None) return;
    PictureState& state = pictures_[{round.set, round.image}];
    const bool alone = round.firstAnswer == FirstAnswer::Right && !round.prompted;
    switch (state.mastery.stage) {
    case Stage::New:
    case Stage::Teaching: Teach(state, round, alone); break;
    case Stage::Mastered:
    case Stage::CheckDue: Check(state, round, alone); break;
    case Stage::Kept: break;
    }
}

PictureMastery MasteryTracker::Of(const PictureKey& picture, const QDate& day) const
{
    const auto found = pictures_.find(picture);
    if (found == pictures_.end()) return {};
    PictureMastery m = found->second.mastery;
    if (m.stage == Stage::Mastered && m.nextCheck <= day) m.stage = Stage::CheckDue;
    return m;
}

QString StageName(Stage stage)
{
    switch (stage) {
    case Stage::New: break;
    case Stage::Teaching: return QStringLiteral("teaching");
    case Stage::Mastered: return QStringLiteral("mastered");
    case Stage::CheckDue: return QStringLiteral("check due");
    case Stage::Kept: return QStringLiteral("kept");
    }
    return QStringLiteral("new");
}

std::map<PictureKey, PictureMastery> MasteryOf(const std::vector<MasteryRound>& rounds, const MasteryRule& rule,
                                               const QDate& today)
{
    MasteryTracker tracker(rule);
    for (const MasteryRound& round : rounds) tracker.Add(round);
    std::map<PictureKey, PictureMastery> result;
    for (const MasteryRound& round : rounds) {
        const PictureKey key{round.set, round.image};
        if (round.firstAnswer != FirstAnswer::None && !result.count(key)) result.emplace(key, tracker.Of(key, today));
    }
    return result;
}

QDate MasteryDay(qint64 startedMs) { return QDateTime::fromMSecsSinceEpoch(startedMs).date(); }

std::vector<MasteryRound> LoadMasteryRounds(const QSqlDatabase& db, qint64 learner)
{
    QSqlQuery rows = RunSql(db,
        QStringLiteral("SELECT s.set_name, r.image, s.id, r.first_answer, r.prompt_ms IS NOT NULL, s.started_ms "
                       "FROM rounds r JOIN sessions s ON s.id = r.session_id WHERE s.learner_id = ? "
                       "ORDER BY s.started_ms, s.id, r.seq"),
        {learner});
    std::vector<MasteryRound> rounds;
    while (rows.next()) {
        const QString first = rows.value(3).toString();
        rounds.push_back({rows.value(0).toString(), rows.value(1).toString(), rows.value(2).toLongLong(),
                          first == QLatin1String("right")   ? FirstAnswer::Right
                          : first == QLatin1String("wrong") ? FirstAnswer::Wrong
                                                            : FirstAnswer::None,
                          rows.value(4).toBool(), MasteryDay(rows.value(5).toLongLong())});
    }
    return rounds;
}

}  // namespace lumari
