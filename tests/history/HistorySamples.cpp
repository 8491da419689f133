#include "history/HistorySamples.h"

namespace lumari::test {

QDateTime At(const QString& local, int offsetHours)
{
    const QDateTime t = QDateTime::fromString(local, Qt::ISODate);
    return QDateTime(t.date(), t.time(), Qt::OffsetFromUTC, offsetHours * 3600);
}

RoundRecord Round(const QString& image, FirstAnswer first, qint64 responseMs)
{
    const int answers = first == FirstAnswer::None ? 0 : first == FirstAnswer::Right ? 1 : 2;
    return {.image = image, .symbols = {image, QStringLiteral("other.jpg")}, .firstAnswer = first, .answers = answers,
            .responseMs = answers ? std::optional(responseMs) : std::nullopt};
}

SessionRecord Game(const QDateTime& started, const QString& set, std::vector<RoundRecord> rounds, const QString& learner)
{
    SessionRecord game{.learner = learner, .started = started, .ended = started.addSecs(300), .setName = set,
                       .placeholders = 2, .wayToWork = 1, .shown = int(rounds.size()), .rounds = std::move(rounds)};
    for (const RoundRecord& r : game.rounds)
        game.correct += r.firstAnswer == FirstAnswer::Right, game.wrong += r.firstAnswer == FirstAnswer::Wrong;
    return game;
}

}  // namespace lumari::test
