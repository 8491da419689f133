#pragma once

#include "game/Catalogue.h"
#include "platform/HeldBoxes.h"
#include "platform/RuntimeError.h"

#include <QImage>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace lumari {

class SetLayout;
struct GameOptions;
struct GameTally;
struct Services;

// The window has four placeholders; the options choose how many take part.
constexpr int kPlaceholderSlots = 4;
// The target of a picture or caption that is the image rather than a placeholder.
constexpr int kImageTarget = -1;

// The placeholders in use for a chosen count: 1 to 4 (a count the options
// window never gives is taken as the nearest of these).
int PlaceholdersInUse(std::int32_t maxPlaceholders);

// The caption of a file name: every ".jpg" (exact case) taken out, then upper
// case. cat.jpg -> CAT, Dog.JPG -> DOG.JPG, a.jpg.jpg -> A.
QString LabelText(const QString& name);

// The round on show: what the answers are judged by.
struct RoundState {
    QString imageTag;                                  // the image's file name
    std::array<QString, kPlaceholderSlots> symbolTags; // the symbol shown in each placeholder
    bool firstAnswerPending = false;                   // no answer given yet in this round
};

// Everything the game window works from: the two catalogues and the round.
struct GameState {
    Catalogue images;
    Catalogue symbols;
    RoundState round;
};

// The draws of one round, made before anything of it is shown, so that the
// pictures it needs are known in advance.
struct RoundPlan {
    std::int32_t imageSlot = 0;    // slot of the image in the image catalogue
    QString imageName;
    int rightPosition = 0;         // placeholder of the image's own symbol
    std::array<QString, kPlaceholderSlots> tags;  // the tag of every placeholder in use
    // First placeholder for which no symbol name was left that differs, letter
    // case ignored, from those already placed; -1 when every placeholder is filled.
    int stoppedAt = -1;

    // The placeholder gets a wrong symbol drawn from the symbol catalogue
    // (every one but the right one, and that one too when the image has no name).
    bool DrawnWrong(int position) const { return position != rightPosition || imageName.isEmpty(); }
};

// Why Cambia draws no round now.
enum class Refusal {
    None,
    TooFewSymbols,  // fewer symbols than placeholders in use: told, and nothing changes
    SetUsedUp,      // no image left (a set without repetitions used up): the game ends
};

// Whether Cambia would draw a round now: the one place its refusals are decided.
Refusal RoundRefusal(const GameOptions& options, const GameState& game);

// A round's draws and the reports the draws made, which are shown with the round.
struct DrawnRound {
    RoundPlan plan;
    std::vector<HeldBox> reports;
};

// With a teaching plan, what replaces two of a round's draws: the image is
// drawn among these slots of the image catalogue (those drawn first), and the
// right symbol goes to the position the plan gives.
struct PlannedDraws {
    std::vector<std::int32_t> imageSlots;
    int rightPosition = 0;
};

// Draws the image, the right position and the wrong symbols, in that order,
// with Casuale, holding the reports of failed draws; with planned draws, the
// image among their slots and the right position theirs. Changes no catalogue: in
// controlled random mode the image leaves the catalogue when it is shown.
// Drawn before its turn, a round is the one Cambia would draw then, as long
// as nothing else draws a random number in between.
DrawnRound DrawRound(const Services& services, const GameOptions& options, const GameState& game,
                     const PlannedDraws* planned = nullptr);

// A picture of a round: the image, or a placeholder with its symbol.
struct RoundPicture {
    int target = kImageTarget;
    QString name;             // the file name: tag and caption
    bool leftEmpty = false;   // a placeholder left empty for want of a different name
    bool symbol() const { return target != kImageTarget; }
    // The file shown. Error 76 for a set name that leads out of the program's folder.
    QString Path(const SetLayout& layout, const QString& set) const;
};

// The pictures of a drawn round, in the order Cambia shows them: the image,
// its own symbol, then the other placeholders from the left.
std::vector<RoundPicture> PicturesOf(const RoundPlan& plan, int placeholders);

// How Cambia has a round's pictures: the file's picture decoded at the size it
// is shown, or a run-time error when it cannot be loaded.
using PictureSource = std::function<QImage(const RoundPicture& picture, const QString& path)>;

// A picture of a round as the window puts it in place.
struct ShownPicture {
    int target = kImageTarget;
    QString tag;                         // the file name; "" for a placeholder left empty
    bool cleared = false;                // left empty: its old picture is taken away
    QImage image;                        // decoded at the size shown
    std::optional<RuntimeError> error;   // could not be loaded (reported): the old picture stays
    std::optional<QString> caption;      // written only when labels are shown
};

// One thing the window does, in turn, to put a round on show: a picture put
// in place (its picture, then its caption), or a message box. A box thus
// comes with the round half changed behind it, as far as the round had got.
struct RoundStep {
    int picture = -1;  // the index in ShownRound::pictures; -1 for the box
    HeldBox box;
};

// What the window must show after Cambia: its steps in order (a new round's
// pictures, when one was drawn, and the boxes among them); then, when the set
// has ended, the window closes.
struct ShownRound {
    bool drawn = false;
    QString imageTag;
    std::array<QString, kPlaceholderSlots> symbolTags;  // "" for the placeholders not in use
    int rightPosition = -1;  // the placeholder of the image's own symbol; -1 when none holds it
    std::vector<ShownPicture> pictures;  // in the order Cambia shows them
    std::vector<RoundStep> steps;
    bool setEnded = false;

    // The boxes among the steps, in order.
    std::vector<HeldBox> Boxes() const;
};

// Carries out a round's steps in order: each picture through `put`, each box
// shown to `boxes`.
void ShowSteps(const ShownRound& shown, Boxes& boxes, const std::function<void(const ShownPicture&)>& put);

// Starts a new round: refuses when there are too few symbols, ends the game
// when a set without repetitions is used up, else counts the round in the
// tally, shows the image and its symbol in a random placeholder, fills the
// others with distinct wrong symbols and, without repetitions, takes the image
// out of the catalogue. Shows nothing itself: every picture and box it gives
// is a step of the result, in Cambia's order. With
// a round drawn ahead, its draws and held reports take the place of the draws
// made here; the refusals are checked first all the same.
ShownRound Cambia(const Services& services, const GameOptions& options, GameTally& tally, GameState& game,
                  const PictureSource& pictures, const DrawnRound* drawn = nullptr);

}  // namespace lumari
