#pragma once

#include "game/GameTally.h"
#include "platform/HeldBoxes.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

namespace lumari {

class Settings;
struct Services;

// The three cumulative answer counts of the "Statistics" section.
struct StatTotals {
    std::int32_t shown = 0;
    std::int32_t correct = 0;
    std::int32_t wrong = 0;
};

// Everything the results window shows, built while it loads.
struct ResultsTexts {
    QString caption;
    QString version;
    QString title;
    QString credits;
    QString session;
    QString statistics;
};

// correct x 100 / answered, rounded to 2 decimals half to even, in its
// shortest form with the user's decimal separator. correct x 100 is a 32-bit
// product and raises Overflow.
QString SuccessRate(std::int32_t correct, std::int32_t answered);

// "Version 3.0.0".
QString VersionText();
// Developer and year, contact addresses, an empty line, thanks for the sound
// routine; lines joined by CR LF, each short enough for one line of its label.
QString CreditsText();

// The texts of the "Statistics" section as stored, each "0" when missing.
struct StoredStatistics {
    QString shown;
    QString correct;
    QString wrong;
    QString used;
};
StoredStatistics ReadStatistics(Settings& settings);

// One step of the results' load: a box shown, or a total stored under its
// "Statistics" key.
struct ResultsStep {
    std::optional<HeldBox> box;
    QString key;
    QString value;
};

// The results' load told as its steps, in their order, and the texts the
// window then shows.
struct ResultsPlan {
    std::vector<ResultsStep> steps;
    ResultsTexts texts;
};

// The results' load from the stored texts and the game's tally: the stored
// totals read, the session reported, folded into the totals when it had
// answers, and the totals reported as they then stand. Each step runs
// through the "Form_Load" trap, so a damaged total or an overflow is reported
// once, at its step, and the rest goes on.
ResultsPlan PlanResults(const StoredStatistics& stored, const GameTally& tally);

// Carries out the results' load on the settings store: each box shown and
// each total stored in turn (a total that cannot be stored is reported as
// Form_Load). From reading the totals to storing the last of them no other
// copy of the program folds its game in. The texts the window shows.
ResultsTexts PlayResults(const Services& services, const GameTally& tally);

}  // namespace lumari
