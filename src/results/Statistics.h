#pragma once

#include "game/GameEvents.h"
#include "results/Reports.h"

namespace lumari {

struct Services;

// The cumulative statistics as an observer of the game: told the game's tally
// at its end, it folds the game into the stored totals of "Statistics" as the
// results window opens, and gives that window its reports.
class Statistics : public GameObserver {
public:
    void GameEnded(const GameEndedEvent& event) noexcept override { tally_ = event.tally; }

    // The tally of the game that ended; zero counts before any end.
    const GameTally& tally() const { return tally_; }

    // The results' load carried out on the store (PlayResults): what the
    // results window shows.
    ResultsTexts Fold(const Services& services) const { return PlayResults(services, tally_); }

private:
    GameTally tally_;
};

}  // namespace lumari
