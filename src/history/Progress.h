#pragma once

#include "history/Mastery.h"

#include <QDate>
#include <QDateTime>
#include <QString>

#include <optional>
#include <vector>

class QSqlDatabase;

namespace lumari {

// Whose games: a learner's id, or none for those of "No learner chosen".
using LearnerRef = std::optional<qint64>;

// Days as the learner's computer counted them, both ends included; a null
// date leaves that end open.
struct Period {
    QDate from;
    QDate to;
};

// One game in a learner's sessions table and chart.
struct SessionSummary {
    qint64 id = 0;
    QDateTime started;       // with the offset it was recorded with
    QString setName;
    int shown = 0;           // rounds shown, as the statistics count them
    int firstRight = 0;      // rounds whose first answer was right
    int firstAnswered = 0;   // rounds with a first answer, right or wrong
    int unpromptedRight = 0; // rounds whose first answer was right with no prompt before it
    std::optional<qint64> medianResponseMs;
    QString procedure{};     // the teaching plan it was played with ("none"), "" when not recorded
    std::optional<qint64> delayMs{};  // that plan's delay
    bool spoken = false;     // played as "Find the one I say"
};

// One picture of the learner's sets.
struct ImageProgress {
    QString setName;
    QString image;
    int timesShown = 0;
    int firstRight = 0;
    int firstAnswered = 0;
    int unpromptedRight = 0;
    QDateTime lastSeen;
    PictureMastery mastery;  // by the learner's mastery rule, as of the period's end
};

struct Progress {
    std::vector<SessionSummary> sessions;  // oldest first
    std::vector<ImageProgress> images;     // the pictures still to learn first
    int shown = 0;
    int firstRight = 0;
    int firstAnswered = 0;
    int unpromptedRight = 0;
    std::optional<qint64> medianResponseMs;  // over every first answer
    bool planned = false;  // some game was played with a teaching plan, so prompts may have been shown
    bool spoken = false;   // some game was played as "Find the one I say"
};

// Everything the Learners page and the report show of one learner's games in
// a period, read in one pass over their rounds (and one over those before
// the period, for mastery). The pictures' stages follow the learner's
// mastery rule (the default one for "No learner chosen") as of the period's
// end, or today when that is earlier. Throws HistoryError.
Progress LoadProgress(const QSqlDatabase& db, LearnerRef learner, const Period& period, const QDate& today);

// One line of the rounds' export.
struct RoundRow {
    qint64 session = 0;
    QString started;  // as stored
    QString setName;
    int seq = 0;
    QString image;
    QString symbols;
    int rightPosition = 0;
    QString firstAnswer;
    int answers = 0;
    std::optional<qint64> responseMs;
    bool skipped = false;
    std::optional<qint64> promptMs{};
    QString procedure{};  // the game's, "" when not recorded
    std::optional<qint64> delayMs{};
    QString stage{};  // the stage the round left its picture in, by the learner's mastery rule
    QString task{};        // the game's task: match (also for games recorded before tasks) or spoken
    QString answeredBy{};  // how the first answer was given (click, key, scan, dwell); "" without one or when not recorded
};
// The rounds of a learner's games in a period, in the order played.
std::vector<RoundRow> LoadRounds(const QSqlDatabase& db, LearnerRef learner, const Period& period);

// Right first answers in percent of the answered ones; none when none was answered.
std::optional<double> Percent(int right, int answered);
// The middle value (the mean of the two middle ones, rounded down, for an
// even count); none for no values.
std::optional<qint64> Median(std::vector<qint64> values);
// Pictures still to learn first: new and teaching ones (0), then those due
// for a check, mastered, kept.
int LearningOrder(Stage stage);

}  // namespace lumari
