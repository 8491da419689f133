#pragma once

#include "game/GameOptions.h"
#include "game/GameTally.h"
#include "game/Round.h"
#include "platform/Services.h"

#include <QSize>

namespace lumari::bench {

// The plain way to measure the game session against: the same start-up,
// answers and rounds through the same Cambia and Simbolo_Click, but each
// round drawn when it is due and every picture decoded whole on the calling
// thread as it is shown, then scaled to its box; no round drawn ahead,
// nothing cached.
class PlainGame {
public:
    PlainGame(const Services& services, GameOptions options, QSize imageBox, QSize symbolBox);

    // Catalogues, check and first round.
    ShownRound Start();
    ShownRound Answer(int position);
    ShownRound ChangeSet() { return Next(); }

    const GameState& game() const { return game_; }
    const GameTally& tally() const { return tally_; }

private:
    ShownRound Next();

    Services services_;
    GameOptions options_;
    GameTally tally_;
    QSize imageBox_, symbolBox_;
    GameState game_;
};

// The sound as first played: each file decoded whole on the calling thread
// when it is asked for, then handed to the audio output.
class PlainSound : public SoundOutput {
public:
    PlainSound();
    ~PlainSound() override;
    void Play(const QString& path) override;

private:
    struct Output;
    std::unique_ptr<Output> output_;
};

}  // namespace lumari::bench
