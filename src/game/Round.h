#pragma once

#include "game/Catalogue.h"
#include "platform/HeldBoxes.h"

#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace lumari {

class ErrorTrap;
class SetLayout;
struct Module1;
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

// Draws the image, the right position and the wrong symbols, in that order,
// with Casuale. Slot errors are reported through the given trap.
RoundPlan DrawRound(const Services& services, ErrorTrap& trap, const Catalogue& images, const Catalogue& symbols,
                    int placeholders);

// A round drawn before its turn: its draws, and the reports the draws made,
// which are shown with the round.
struct DrawnRound {
    RoundPlan plan;
    std::vector<HeldBox> reports;
};

// Whether Cambia would draw a round now, rather than refuse for want of
// symbols or end a set without repetitions.
bool RoundCanBeDrawn(const Module1& module1, const GameState& game);

// Draws the round that Cambia would draw now, with the same random numbers,
// holding its reports for the moment it is shown. Changes no catalogue: in
// controlled random mode the image leaves the catalogue when it is shown.
DrawnRound DrawRoundAhead(const Services& services, const Module1& module1, const GameState& game);

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

// What a round needs of the window: pictures and captions. ShowPicture throws
// a run-time error when the picture cannot be loaded, keeping the old one.
class RoundView {
public:
    virtual ~RoundView() = default;
    virtual void ShowPicture(int target, const QString& path) = 0;
    virtual void ClearPicture(int target) = 0;
    virtual void SetCaption(int target, const QString& text) = 0;
    // Closes the game window (the results follow).
    virtual void CloseGame() = 0;
};

// Starts a new round: refuses when there are too few symbols, ends the game
// when a set without repetitions is used up, else counts the round, shows the
// image and its symbol in a random placeholder, fills the others with distinct
// wrong symbols and, without repetitions, takes the image out of the catalogue.
// With a round drawn ahead, its draws and held reports take the place of the
// draws made here; the refusals are checked first all the same.
void Cambia(const Services& services, Module1& module1, GameState& game, RoundView& view,
            const DrawnRound* drawn = nullptr);

}  // namespace lumari
