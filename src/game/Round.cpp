#include "game/Round.h"

#include "game/Casuale.h"
#include "game/GameOptions.h"
#include "game/GameTally.h"
#include "platform/Conversions.h"
#include "platform/ErrorTrap.h"
#include "platform/RuntimeError.h"
#include "state/SetLayout.h"

#include <QSet>

#include <algorithm>

namespace lumari {
namespace {

// True when a symbol name may not go into a placeholder: it equals, letter
// case ignored, a tag of a placeholder in use (the empty tags included).
bool Rejected(const QString& upperName, const std::array<QString, kPlaceholderSlots>& tags, int placeholders)
{
    for (int j = 0; j < placeholders; ++j)
        if (upperName == tags[std::size_t(j)].toUpper()) return true;
    return false;
}

// Whether some symbol name is not yet among the tags, letter case ignored.
bool AnyNameLeft(const QSet<QString>& distinctUpper, const std::array<QString, kPlaceholderSlots>& tags,
                 int placeholders)
{
    QSet<QString> taken;
    for (int j = 0; j < placeholders; ++j) {
        const QString upper = tags[std::size_t(j)].toUpper();
        if (distinctUpper.contains(upper)) taken.insert(upper);
    }
    return distinctUpper.size() > taken.size();
}

constexpr int kDrawsPerSymbol = 1000;

QString NotEnoughDistinctText(int placeholders)
{
    return QStringLiteral("Not enough symbols with different names (letter case ignored) to fill %1 symbols "
                          "placeholders")
        .arg(placeholders);
}

// The draws of a round, in Cambia's order; failed draws are reported through the trap.
RoundPlan DrawPlan(const Services& services, ErrorTrap& trap, const Catalogue& images, const Catalogue& symbols,
                   int placeholders, const PlannedDraws* planned)
{
    RoundPlan plan;
    if (planned && !planned->imageSlots.empty()) {
        const std::int32_t n = Casuale(services, std::int32_t(planned->imageSlots.size()));
        plan.imageSlot = planned->imageSlots[std::size_t(std::clamp<std::int32_t>(n, 1, std::int32_t(planned->imageSlots.size())) - 1)];
    } else {
        plan.imageSlot = Casuale(services, images.Count());
    }
    trap([&] { plan.imageName = images.At(plan.imageSlot); });
    plan.rightPosition = planned ? planned->rightPosition : Casuale(services, placeholders) - 1;
    trap([&] {
        if (plan.rightPosition < 0 || plan.rightPosition >= placeholders)
            throw RuntimeError(err::SubscriptOutOfRange);
        plan.tags[std::size_t(plan.rightPosition)] = plan.imageName;
    });

    // A symbol folder may hold names that differ only in letter case: the
    // draw below can only end while a different name is left.
    QSet<QString> distinctUpper;
    const std::int32_t symbolCount = std::min(symbols.Count(), std::int32_t(Catalogue::kLastSlot));
    for (std::int32_t n = 1; n <= symbolCount; ++n) distinctUpper.insert(symbols.At(n).toUpper());
    distinctUpper.remove(QString());  // an empty name is never accepted: the slot's own tag is empty

    for (int i = 0; i < placeholders; ++i) {
        if (!plan.tags[std::size_t(i)].isEmpty()) continue;
        if (!AnyNameLeft(distinctUpper, plan.tags, placeholders)) {
            plan.stoppedAt = i;
            break;
        }
        // With a name left, each draw finds one with a chance of at least
        // 1 in SymbolCount; the bound only stops a generator that has failed.
        const std::int64_t maxDraws = std::int64_t(kDrawsPerSymbol) * std::max<std::int32_t>(symbolCount, 1);
        QString name;
        std::int64_t draws = 0;
        do {
            if (++draws > maxDraws) break;
            const std::int32_t n = Casuale(services, symbols.Count());
            name.clear();
            trap([&] { name = symbols.At(n); });
        } while (Rejected(name.toUpper(), plan.tags, placeholders));
        if (draws > maxDraws) {
            plan.stoppedAt = i;
            break;
        }
        plan.tags[std::size_t(i)] = name;
    }
    return plan;
}

}  // namespace

int PlaceholdersInUse(std::int32_t maxPlaceholders)
{
    return int(std::clamp<std::int32_t>(maxPlaceholders, 1, kPlaceholderSlots));
}

QString LabelText(const QString& name)
{
    QString text = name;
    text.remove(QStringLiteral(".jpg"), Qt::CaseSensitive);
    return text.toUpper();
}

Refusal RoundRefusal(const GameOptions& options, const GameState& game)
{
    if (game.symbols.Count() < PlaceholdersInUse(options.MaxPlaceholders)) return Refusal::TooFewSymbols;
    if (game.images.Count() == 0) return Refusal::SetUsedUp;
    return Refusal::None;
}

DrawnRound DrawRound(const Services& services, const GameOptions& options, const GameState& game,
                     const PlannedDraws* planned)
{
    HeldBoxes held(services.boxes);
    ErrorTrap trap(held, QStringLiteral("Cambia"));
    DrawnRound drawn;
    drawn.plan = DrawPlan(services.WithBoxes(held), trap, game.images, game.symbols,
                          PlaceholdersInUse(options.MaxPlaceholders), planned);
    drawn.reports = held.Take();
    return drawn;
}

namespace {

// Boxes that become steps of a round, in the order they are given.
class StepBoxes : public Boxes {
public:
    explicit StepBoxes(std::vector<RoundStep>& steps) : steps_(steps) {}
    int MsgBox(const QString& prompt, int style, const QString& title) noexcept override
    {
        steps_.push_back({-1, {prompt, style, title}});
        return mb::Ok;
    }
    QString InputBox(const QString&, const QString&) noexcept override { return QString(); }

private:
    std::vector<RoundStep>& steps_;
};

// Placeholders left empty because no different symbol name was left.
bool LeftEmpty(const RoundPlan& plan, int position)
{
    return plan.DrawnWrong(position) && plan.stoppedAt >= 0 && position >= plan.stoppedAt;
}

}  // namespace

QString RoundPicture::Path(const SetLayout& layout, const QString& set) const
{
    return symbol() ? layout.Symbol(set, name) : layout.Image(set, name);
}

std::vector<RoundPicture> PicturesOf(const RoundPlan& plan, int placeholders)
{
    std::vector<RoundPicture> pictures{{kImageTarget, plan.imageName}};
    const int p = plan.rightPosition;
    if (p >= 0 && p < placeholders) pictures.push_back({p, plan.imageName});
    for (int i = 0; i < placeholders; ++i) {
        if (!plan.DrawnWrong(i)) continue;
        if (LeftEmpty(plan, i)) pictures.push_back({i, QString(), true});
        else pictures.push_back({i, plan.tags[std::size_t(i)]});
    }
    return pictures;
}

std::vector<HeldBox> ShownRound::Boxes() const
{
    std::vector<HeldBox> boxes;
    for (const RoundStep& step : steps)
        if (step.picture < 0) boxes.push_back(step.box);
    return boxes;
}

void ShowSteps(const ShownRound& shown, Boxes& boxes, const std::function<void(const ShownPicture&)>& put)
{
    for (const RoundStep& step : shown.steps) {
        if (step.picture >= 0) put(shown.pictures.at(std::size_t(step.picture)));
        else boxes.MsgBox(step.box.prompt, step.box.style, step.box.title);
    }
}

ShownRound Cambia(const Services& services, const GameOptions& options, GameTally& tally, GameState& game,
                  const PictureSource& pictures, const DrawnRound* drawn)
{
    ShownRound shown;
    StepBoxes steps(shown.steps);
    ErrorTrap trap(steps, QStringLiteral("Cambia"));
    const int placeholders = PlaceholdersInUse(options.MaxPlaceholders);
    const bool labels = options.ShowLabels;
    RoundState& round = game.round;

    switch (RoundRefusal(options, game)) {
    case Refusal::TooFewSymbols:
        steps.MsgBox(
            QStringLiteral("Not enough symbols in Simbols folder to fill %1 symbols placeholders").arg(placeholders),
            mb::Critical, QString());
        return shown;
    case Refusal::SetUsedUp:
        steps.MsgBox(QStringLiteral("No more images to display"), mb::OkOnly, QStringLiteral("End of set"));
        shown.setEnded = true;
        return shown;
    case Refusal::None:
        break;
    }

    trap([&] { tally.SessionShown = AddInt32(tally.SessionShown, 1); });
    round.firstAnswerPending = true;

    // The random draws come next; they are applied below in the round's order.
    // A round drawn ahead was drawn from this same state; its reports come now.
    const DrawnRound draws = drawn ? *drawn : DrawRound(services, options, game);
    const RoundPlan& plan = draws.plan;
    for (const HeldBox& report : draws.reports) steps.MsgBox(report.prompt, report.style, report.title);
    const SetLayout layout(services.files.AppPath());

    for (int i = 0; i < placeholders; ++i) round.symbolTags[std::size_t(i)].clear();

    // A picture that cannot be loaded leaves the old one; the tag and caption
    // are set all the same.
    // Each picture is a step, after the box of its failed load if any.
    for (const RoundPicture& picture : PicturesOf(plan, placeholders)) {
        const int target = picture.target;
        ShownPicture out;
        out.target = target;
        if (picture.leftEmpty) {
            if (target == plan.stoppedAt)
                trap([&] { throw RuntimeError(err::InvalidCall, NotEnoughDistinctText(placeholders)); });
            // Left empty rather than showing a symbol of an earlier round.
            out.cleared = true;
            if (labels) out.caption = QString();
        } else {
            out.tag = picture.name;
            if (picture.symbol()) round.symbolTags[std::size_t(target)] = picture.name;
            out.error = trap.Caught([&] { out.image = pictures(picture, picture.Path(layout, options.ImagesSet)); });
            if (!picture.symbol()) round.imageTag = picture.name;
            if (labels) out.caption = LabelText(picture.name);
        }
        shown.steps.push_back({int(shown.pictures.size()), {}});
        shown.pictures.push_back(std::move(out));
    }

    if (options.WayToWork == Drawing::ControlledRandom) trap([&] { game.images.Remove(plan.imageSlot); });

    shown.drawn = true;
    shown.imageTag = round.imageTag;
    shown.symbolTags = round.symbolTags;
    const int p = plan.rightPosition;
    shown.rightPosition = !plan.imageName.isEmpty() && p >= 0 && p < placeholders ? p : -1;
    return shown;
}

}  // namespace lumari
