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

// The same, round by round: the rounds are added in the order played, and
// a picture's place can be asked between them (the CSV gives each round the
// stage it left its picture in; the page reads the rounds it shows once).
class MasteryTracker {
public:
    explicit MasteryTracker(const MasteryRule& rule) : rule_(rule) {}
    void Add(const MasteryRound& round);
    // Where the picture stands on that day, by the rounds added so far.
    PictureMastery Of(const PictureKey& picture, const QDate& day) const;

private:
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
    bool RuleHolds(const std::vector<SessionTally>& sessions) const;
    void Teach(PictureState& state, const MasteryRound& round, bool alone) const;
    void Check(PictureState& state, const MasteryRound& round, bool alone) const;

    MasteryRule rule_;
    std::map<PictureKey, PictureState> pictures_;
};

// The day a round counts on for mastery: its session's start, from
// sessions.started_ms, in the local time zone.
QDate MasteryDay(qint64 startedMs);

// The learner's rounds from the history, oldest first, each dated by
// MasteryDay. Throws HistoryError.
std::vector<MasteryRound> LoadMasteryRounds(const QSqlDatabase& db, qint64 learner);

}  // namespace lumari
