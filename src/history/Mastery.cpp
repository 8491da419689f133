#include "history/Mastery.h"

#include "history/SqlSteps.h"

#include <QDateTime>

#include <iterator>

namespace lumari {

namespace {

constexpr int kChecks = int(std::size(kCheckDays));

// A picture's first answers in one session, since its teaching (re)started.
struct SessionTally {
    qint64 session = 0;
    int rounds = 0;
    int alone = 0;  // right and unprompted
};

struct PictureState {
    PictureMastery mastery;
    std::vector<SessionTally> sessions;
    qint64 lastCheckSession = -1;
};

bool RuleHolds(const std::vector<SessionTally>& sessions, const MasteryRule& rule)
{
    int rounds = 0, alone = 0;
    const auto from = sessions.size() > std::size_t(std::max(1, rule.sessions)) ? sessions.end() - std::max(1, rule.sessions)
                                                                                   : sessions.begin();
    for (auto it = from; it != sessions.end(); ++it) rounds += it->rounds, alone += it->alone;
    return rounds > 0 && rounds >= rule.rounds && alone * 100 >= rule.percent * rounds;
}

void Teach(PictureState& state, const MasteryRound& round, bool alone, const MasteryRule& rule)
{
    if (state.sessions.empty() || state.sessions.back().session != round.session) state.sessions.push_back({round.session});
    ++state.sessions.back().rounds;
    state.sessions.back().alone += alone ? 1 : 0;
    PictureMastery& m = state.mastery;
    m.stage = Stage::Teaching;
    if (!RuleHolds(state.sessions, rule)) return;
    m = {Stage::Mastered, round.day, round.day.addDays(kCheckDays[0]), 0};
    state.sessions.clear();
    state.lastCheckSession = round.session;  // the checks come in later games
}

void Check(PictureState& state, const MasteryRound& round, bool alone, const MasteryRule& rule)
{
    PictureMastery& m = state.mastery;
    if (round.day < m.nextCheck || round.session == state.lastCheckSession) return;
    if (!alone) {
        m.stage = Stage::Teaching;
        m.nextCheck = QDate();
        m.checksPassed = 0;
        Teach(state, round, alone, rule);
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

}  // namespace

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
    std::map<PictureKey, PictureState> states;
    for (const MasteryRound& round : rounds) {
        if (round.firstAnswer == FirstAnswer::None) continue;
        PictureState& state = states[{round.set, round.image}];
        const bool alone = round.firstAnswer == FirstAnswer::Right && !round.prompted;
        switch (state.mastery.stage) {
        case Stage::New:
        case Stage::Teaching: Teach(state, round, alone, rule); break;
        case Stage::Mastered:
        case Stage::CheckDue: Check(state, round, alone, rule); break;
        case Stage::Kept: break;
        }
    }
    std::map<PictureKey, PictureMastery> result;
    for (auto& [key, state] : states) {
        PictureMastery m = state.mastery;
        if (m.stage == Stage::Mastered && m.nextCheck <= today) m.stage = Stage::CheckDue;
        result.emplace(key, m);
    }
    return result;
}

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
                          rows.value(4).toBool(), QDateTime::fromMSecsSinceEpoch(rows.value(5).toLongLong()).date()});
    }
    return rounds;
}

}  // namespace lumari
