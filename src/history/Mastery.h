#pragma once

#include "history/SessionRecord.h"

#include <QDate>
#include <QString>

#include <map>
#include <optional>
#include <utility>
#include <vector>

class QSqlDatabase;

namespace lumari {

// When a picture counts as mastered, per learner: at least `percent` % of
// its first answers right and unprompted over the last `sessions` sessions in
// which it was shown, with at least `rounds` rounds in those sessions.
struct MasteryRule {
    int percent = 80;
    int sessions = 3;
    int rounds = 5;

    bool operator==(const MasteryRule&) const = default;
};

// A picture's stage in the learner's teaching.
enum class Stage { New, Teaching, Mastered, CheckDue, Kept };
QString StageName(Stage stage);  // "new", "teaching", "mastered", "check due", "kept"

// One round as mastery reads it.
struct MasteryRound {
    QString set;
    QString image;
    qint64 session = 0;
    FirstAnswer firstAnswer = FirstAnswer::None;
    bool prompted = false;  // a prompt was shown before the first answer
    QDate day;              // the day the game was played, the learner's local date
};

// Where a picture stands.
struct PictureMastery {
    Stage stage = Stage::New;
    QDate masteredOn;  // when last mastered; null while never mastered
    QDate nextCheck;   // the next check's day while mastered (or due); null otherwise
    int checksPassed = 0;
};

// The days after mastery at which a mastered picture is checked.
constexpr int kCheckDays[] = {7, 14, 28};

using PictureKey = std::pair<QString, QString>;  // set, image

// Every picture shown to the learner, by set and image, from their rounds in
// the order played, as of `today`. Rounds without a first answer do not
// count. A picture is taught until the rule holds over the rounds since its
// teaching (re)started; a prompted right answer never counts as right. Once
// mastered, its rounds before the next check's day change nothing; the first
// round with an answer on or after that day is the check: right and
// unprompted moves it on to the next check (kept after the last), anything
// else sends it back to teaching, with its count started afresh. A picture
// not listed is new.
std::map<PictureKey, PictureMastery> MasteryOf(const std::vector<MasteryRound>& rounds, const MasteryRule& rule,
                                               const QDate& today);

// The learner's rounds from the history, oldest first, each dated by its
// session's start in the local time zone. Throws HistoryError.
std::vector<MasteryRound> LoadMasteryRounds(const QSqlDatabase& db, qint64 learner);

}  // namespace lumari
