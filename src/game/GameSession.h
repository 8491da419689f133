#pragma once

#include "game/GameEvents.h"
#include "game/GameOptions.h"
#include "game/GameTally.h"
#include "game/PicturePipeline.h"
#include "game/Round.h"
#include "game/TeachingPlan.h"
#include "platform/Services.h"

#include <QSize>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace lumari {

// One game, from its start to its end, without a window: played with its
// options, counted in its tally; the catalogues and the round on show, the
// next round drawn as soon as one is shown with its pictures decoded on worker
// threads, the answers and their sounds. Each step returns the round the
// window must show, with the boxes among its pictures; the boxes that come
// before any of it (the start's reports and checks, an answer's) are shown
// through the boxes role as they come. An observer is told what happened,
// timed by the stopwatch.
class GameSession {
public:
    // The size in device pixels at which the window shows a target's pictures
    // (the image, or a placeholder): each picture is decoded at that size.
    using ShownSize = std::function<QSize(int target)>;

    // The observer may be null, and must outlive the session.
    GameSession(const Services& services, GameOptions options, const Stopwatch& stopwatch, GameObserver* observer,
                ShownSize shownSize);
    ~GameSession();
    GameSession(const GameSession&) = delete;
    GameSession& operator=(const GameSession&) = delete;

    // The game's start: the catalogues, the tally, the coherence check (its
    // boxes and log writes in turn) and the first round.
    ShownRound Start();
    // An answer on a placeholder (0 is the leftmost), given as `by` says:
    // counted when it is the round's first, its sound started; a right one
    // brings the next round. Nothing once the game has ended.
    ShownRound Answer(int position, AnsweredBy by = AnsweredBy::Click);
    // "Change set": the round on show is left for a new one.
    ShownRound ChangeSet();
    // The game's window closed: the game ends, if it has not already.
    void Close();

    // With a teaching plan: what the round on show draws of it now (the
    // distractors' opacity), and when that changes next, in ms from now
    // (none while nothing is pending). The window arms its timer for it and
    // calls TimePassed when it fires. Without a plan, the described round.
    PromptState Prompt() const;
    std::optional<qint64> MsToPrompt() const;
    PromptState TimePassed();

    const GameOptions& options() const { return options_; }
    const GameTally& tally() const { return tally_; }
    const GameState& game() const { return game_; }
    bool ended() const { return ended_; }
    // Whether the pictures of the round drawn ahead are all decoded.
    bool NextRoundReady() const;
    // The window's pictures are now shown at other sizes (resized, full
    // screen): the round drawn ahead keeps its draws, and those of its
    // pictures decoded for another size are decoded again at the new one.
    void ShownSizesChanged();

private:
    // A round drawn ahead with its pictures on their way.
    struct Prepared {
        DrawnRound drawn;
        std::vector<PictureRequest> requests;  // at the sizes shown when they were asked for
        std::shared_ptr<PictureBatch> pictures;
    };

    Prepared Prepare();
    // The pictures a drawn round shows, at the sizes they are shown now.
    std::vector<PictureRequest> Requests(const DrawnRound& drawn) const;
    // Cambia with the round drawn ahead.
    ShownRound NextRound();
    void End(bool roundOnShow);
    // Tells the observers of a prompt the coach has just put on show.
    void TellPrompt(MonotonicTime at);

    template <typename Event>
    void Tell(void (GameObserver::*what)(const Event&) noexcept, const Event& event) const
    {
        if (observer_) (observer_->*what)(event);
    }

    Services services_;
    GameOptions options_;
    GameTally tally_;
    const Stopwatch& stopwatch_;
    GameObserver* observer_;
    ShownSize shownSize_;
    GameState game_;
    PicturePipeline pipeline_;
    std::optional<Prepared> next_;
    bool roundOnShow_ = false;  // a round is on show, neither left by a right answer nor skipped
    bool ended_ = false;
    // With a teaching plan only.
    std::optional<PromptCoach> coach_;
    std::optional<PositionPlan> positions_;
    bool promptTold_ = false;  // the round's prompt has been told
};

}  // namespace lumari
