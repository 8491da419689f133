#include "game/GameSession.h"

#include "game/Answer.h"
#include "game/CoherenceCheck.h"
#include "platform/PathResolver.h"
#include "state/SetLayout.h"

#include <QSet>

#include <algorithm>
#include <utility>

namespace lumari {

GameSession::GameSession(const Services& services, GameOptions options, const Stopwatch& stopwatch,
                         GameObserver* observer, ShownSize shownSize)
    : services_(services), options_(std::move(options)), stopwatch_(stopwatch), observer_(observer),
      shownSize_(std::move(shownSize)), pipeline_(services.pictures)
{
    if (options_.plan.Active()) {
        coach_.emplace(options_.plan);
        positions_.emplace(services_.random);
    }
}

// Decodings not begun are dropped with the pipeline; one under way is finished first.
GameSession::~GameSession() = default;

ShownRound GameSession::Start()
{
    Tell(&GameObserver::GameStarted, GameStartedEvent{stopwatch_.Now(), options_});
    // Nothing of the game is on show yet: these boxes come as they are given.
    CaricaImmagini(services_, options_, game_.images);
    tally_.SessionShown = 0;
    tally_.SessionCorrect = 0;
    CaricaSimboli(services_, options_, game_.symbols);
    ControllaCoerenza(services_, game_.images, game_.symbols);
    return NextRound();
}

ShownRound GameSession::Answer(int position, AnsweredBy by)
{
    if (ended_) return {};
    const MonotonicTime at = stopwatch_.Now();
    const bool prompted = coach_ && roundOnShow_ && coach_->State().prompt;
    // Its boxes come before the next round is put on show.
    const AnswerOutcome answer = Simbolo_Click(services_, options_, tally_, game_.round, position, prompted);
    // Before any round was shown every placeholder is empty, and an answer belongs to no round.
    if (answer.judged && roundOnShow_) {
        Tell(&GameObserver::Answered, AnswerEvent{at, position, answer.right, answer.first, by});
        if (coach_) {
            coach_->Answered(at, answer.right);
            TellPrompt(at);
        }
    }
    if (!answer.right) return {};
    roundOnShow_ = false;
    return NextRound();
}

ShownRound GameSession::ChangeSet()
{
    if (ended_) return {};
    if (roundOnShow_) {
        roundOnShow_ = false;
        Tell(&GameObserver::RoundSkipped, RoundSkippedEvent{stopwatch_.Now()});
    }
    return NextRound();
}

void GameSession::Close()
{
    if (!ended_) End(roundOnShow_);
}

PromptState GameSession::Prompt() const { return coach_ && roundOnShow_ ? coach_->State() : PromptState{}; }

std::optional<qint64> GameSession::MsToPrompt() const
{
    if (!coach_ || !roundOnShow_) return std::nullopt;
    const std::optional<MonotonicTime> due = coach_->PromptDue();
    if (!due) return std::nullopt;
    return std::max<qint64>(0, std::chrono::ceil<std::chrono::milliseconds>(*due - stopwatch_.Now()).count());
}

PromptState GameSession::TimePassed()
{
    if (coach_ && roundOnShow_ && !ended_) {
        const MonotonicTime now = stopwatch_.Now();
        coach_->TimePassed(now);
        TellPrompt(now);
    }
    return Prompt();
}

void GameSession::TellPrompt(MonotonicTime at)
{
    if (promptTold_ || !coach_->State().prompt) return;
    promptTold_ = true;
    Tell(&GameObserver::PromptShown, PromptShownEvent{at});
}

bool GameSession::NextRoundReady() const { return next_ && next_->pictures->Ready(); }

void GameSession::End(bool roundOnShow)
{
    ended_ = true;
    roundOnShow_ = false;
    next_.reset();
    GameEndedEvent event{stopwatch_.Now(), roundOnShow, tally_};
    if (coach_ && options_.plan.procedure == Procedure::DistractorFading) event.distractorLevel = coach_->DistractorLevel();
    Tell(&GameObserver::GameEnded, event);
}

GameSession::Prepared GameSession::Prepare()
{
    Prepared round;
    std::optional<PlannedDraws> planned;
    if (positions_) {
        // Drawn in turn, as the rounds are: the round drawn ahead takes the next place.
        planned.emplace();
        planned->rightPosition = positions_->Next(PlaceholdersInUse(options_.MaxPlaceholders));
        const QStringList names = game_.images.Names();
        const QStringList first = DrawFirst(options_.plan, names);
        const QSet<QString> drawnFirst(first.begin(), first.end());
        for (int i = 0; i < names.size(); ++i)
            if (drawnFirst.contains(names[i])) planned->imageSlots.push_back(std::int32_t(i + 1));
    }
    round.drawn = DrawRound(services_, options_, game_, planned ? &*planned : nullptr);
    round.requests = Requests(round.drawn);
    round.pictures = pipeline_.Start(round.requests);
    return round;
}

std::vector<PictureRequest> GameSession::Requests(const DrawnRound& drawn) const
{
    const SetLayout layout(services_.files.AppPath());
    std::vector<PictureRequest> requests;
    for (const RoundPicture& picture : PicturesOf(drawn.plan, PlaceholdersInUse(options_.MaxPlaceholders))) {
        if (picture.leftEmpty) continue;
        // A path the round refuses is refused again, and reported, when shown.
        try {
            const QString path = picture.Path(layout, options_.ImagesSet);
            requests.push_back({picture.target, path, ResolvePath(path), shownSize_(picture.target), picture.symbol()});
        } catch (const RuntimeError&) {
        }
    }
    return requests;
}

void GameSession::ShownSizesChanged()
{
    if (!next_) return;
    std::vector<PictureRequest> requests = Requests(next_->drawn);
    const bool same = std::equal(requests.begin(), requests.end(), next_->requests.begin(), next_->requests.end(),
                                 [](const PictureRequest& a, const PictureRequest& b) { return a.size == b.size; });
    if (same) return;
    // The draws are kept: drawing again would change the game's sequence of rounds.
    next_->requests = std::move(requests);
    next_->pictures = pipeline_.Start(next_->requests);
}

ShownRound GameSession::NextRound()
{
    // The round drawn ahead, or (first round) one drawn now; never half a round on show.
    std::optional<Prepared> round = std::exchange(next_, std::nullopt);
    if (!round && RoundRefusal(options_, game_) == Refusal::None) round = Prepare();
    const PictureBatch* batch = round ? round->pictures.get() : nullptr;
    if (batch) round->pictures->Wait();
    // A picture decoded ahead is taken unless its file changed since, or it is
    // now shown at another size: then it is read again now.
    const PictureSource pictures = [&](const RoundPicture& picture, const QString& path) {
        const QSize size = shownSize_(picture.target);
        if (const PictureBatch::Result* prepared = batch ? batch->Find(picture.target, path, size) : nullptr) {
            if (prepared->error) throw *prepared->error;
            return prepared->image;
        }
        return services_.pictures.Load(path, size);
    };
    ShownRound shown = Cambia(services_, options_, tally_, game_, pictures, round ? &round->drawn : nullptr);
    if (batch) pipeline_.Keep(*batch);

    if (shown.drawn) {
        roundOnShow_ = true;
        const int placeholders = PlaceholdersInUse(options_.MaxPlaceholders);
        RoundShownEvent event{stopwatch_.Now(), shown.imageTag, {}, shown.rightPosition};
        for (int i = 0; i < placeholders; ++i) event.symbols << shown.symbolTags[std::size_t(i)];
        Tell(&GameObserver::RoundShown, event);
        if (coach_) {
            promptTold_ = false;
            coach_->RoundShown(event.at, shown.imageTag);
            TellPrompt(event.at);
        }
    }
    // The next round is drawn from the state this one left, so it is the one
    // Cambia would draw at the next step; its reports wait until it is shown.
    if (shown.setEnded) End(false);
    else if (RoundRefusal(options_, game_) == Refusal::None) next_ = Prepare();
    return shown;
}

}  // namespace lumari
