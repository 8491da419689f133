#include "history/HistorySamples.h"

namespace lumari::test {

QDateTime At(const QString& local, int offsetHours)
{
    const QDateTime t = QDateTime::fromString(local, Qt::ISODate);
    return QDateTime(t.date(), t.time(), Qt::OffsetFromUTC, offsetHours * 3600);
}

RoundRecord Round(const QString& image, FirstAnswer first, qint64 responseMs)
{
    RoundRecord round;
    round.image = image;
    round.symbols = {image, QStringLiteral("other.jpg")};
    round.firstAnswer = first;
    round.answers = first == FirstAnswer::None ? 0 : first == FirstAnswer::Right ? 1 : 2;
    if (first != FirstAnswer::None) round.responseMs = responseMs;
    return round;
}

SessionRecord Game(const QDateTime& started, const QString& set, std::vector<RoundRecord> rounds, const QString& learner)
{
    SessionRecord game;
    game.learner = learner;
    game.started = started;
    game.ended = started.addSecs(300);
    game.setName = set;
    game.placeholders = 2;
    game.wayToWork = 1;
    game.shown = int(rounds.size());
    for (const RoundRecord& r : rounds) game.correct += r.firstAnswer == FirstAnswer::Right, game.wrong += r.firstAnswer == FirstAnswer::Wrong;
    game.rounds = std::move(rounds);
    return game;
}

}  // namespace lumari::test
