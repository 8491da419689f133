#pragma once

#include "game/AccessOptions.h"
#include "game/GameEvents.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace lumari {

// A round's first answer, as the rounds table spells it.
enum class FirstAnswer { None, Right, Wrong };

inline QString FirstAnswerText(FirstAnswer answer)
{
    switch (answer) {
    case FirstAnswer::Right: return QStringLiteral("right");
    case FirstAnswer::Wrong: return QStringLiteral("wrong");
    case FirstAnswer::None: break;
    }
    return QStringLiteral("none");
}

// How a round's first answer was given, as the rounds table spells it.
inline QString AnsweredByText(AnsweredBy by)
{
    switch (by) {
    case AnsweredBy::Key: return QStringLiteral("key");
    case AnsweredBy::Scan: return QStringLiteral("scan");
    case AnsweredBy::Dwell: return QStringLiteral("dwell");
    case AnsweredBy::Click: break;
    }
    return QStringLiteral("click");
}

// One round as the learner played it.
struct RoundRecord {
    QString image;                    // the image's file name, its tag
    QStringList symbols;              // the symbols' file names, from the left
    int rightPosition = 1;            // the right symbol's place, 1 the leftmost (as the key 1)
    FirstAnswer firstAnswer = FirstAnswer::None;
    int answers = 0;                  // clicks and keys given in the round
    std::optional<qint64> responseMs; // from the round shown to its first answer
    bool skipped = false;             // left by "Change set"
    std::optional<qint64> promptMs{}; // from the round shown to its prompt, when one came before the first answer
    std::optional<AnsweredBy> answeredBy{};  // how the first answer was given; none without one
};

// One game: who played it, when, with which options, its counts as the
// statistics take them, and its rounds in the order shown.
struct SessionRecord {
    QString learner;  // "" for "No learner chosen"
    QDateTime started;
    QDateTime ended;
    QString setName;
    int placeholders = 0;
    int wayToWork = 0;
    int shown = 0;
    int correct = 0;
    int wrong = 0;
    QString procedure{};          // the teaching plan's procedure by name, "" when not known
    std::optional<int> delayMs{}; // its delay for this game
    std::optional<int> distractorLevel{};  // distractor fading's level at the end, kept for the learner and set
    Task task = Task::Match;      // the task played: matching, or "Find the one I say"
    std::vector<RoundRecord> rounds;
};

}  // namespace lumari
