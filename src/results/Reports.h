#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

namespace lumari {

class ErrorTrap;
struct Module1;
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

// The results window's load: reads the stored totals, reports the session,
// folds it into the stored totals when it had answers and reports the totals
// as they then stand. Every step runs through the "Form_Load" trap, so a
// damaged total or an overflow is reported once and the rest goes on.
ResultsTexts LoadResults(const Services& services, const Module1& module1);

}  // namespace lumari
