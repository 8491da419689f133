#pragma once

#include "game/Answer.h"
#include "game/Catalogue.h"
#include "game/CoherenceCheck.h"
#include "game/Round.h"
#include "support/TestServices.h"

#include <QHash>
#include <QImage>

namespace lumari::test {

// The game's plain routines, played as a window without rounds drawn ahead
// would play them: Cambia draws each round when it is due, every picture is
// decoded as it is shown, at its box's size. What is on show is kept here,
// and the boxes are shown to the world's boxes.
struct PlainRounds {
    explicit PlainRounds(World& world, QSize imageSize = {}, QSize symbolSize = {})
        : w(world), imageSize(imageSize), symbolSize(symbolSize)
    {
    }

    QSize SizeOf(int target) const { return target == kImageTarget ? imageSize : symbolSize; }

    ShownRound Start()
    {
        HeldBoxes held(w.boxes);
        const Services s = w.services().WithBoxes(held);
        CaricaImmagini(s, w.module1, g.images);
        w.module1.SessionShown = 0, w.module1.SessionCorrect = 0;
        CaricaSimboli(s, w.module1, g.symbols);
        ControllaCoerenza(s, g.images, g.symbols);
        return Next(held.Take());
    }
    ShownRound Next(std::vector<HeldBox> before = {})
    {
        ShownRound shown = Cambia(w.services(), w.module1, g, [this](const RoundPicture& p, const QString& path) {
            const QImage image = w.pictures.Load(path, SizeOf(p.target));
            return paths[p.target] = path, image;
        });
        shown.boxes.insert(shown.boxes.begin(), before.begin(), before.end());
        return Apply(shown);
    }
    ShownRound Answer(int position)
    {
        HeldBoxes held(w.boxes);
        if (Simbolo_Click(w.services().WithBoxes(held), w.module1, g.round, position).right) return Next(held.Take());
        ShownRound unchanged;
        unchanged.boxes = held.Take();
        return Apply(unchanged);
    }
    // A placeholder whose answer is right (or wrong); the last one when none is.
    int Position(bool right) const
    {
        int i = 0;
        while (i < PlaceholdersInUse(w.module1.MaxPlaceholders) - 1 &&
               (g.round.symbolTags[std::size_t(i)].toUpper() == g.round.imageTag.toUpper()) != right)
            ++i;
        return i;
    }

    // What a window keeps of a step: pictures and captions, the boxes shown, the end.
    ShownRound Apply(const ShownRound& shown)
    {
        for (const ShownPicture& p : shown.drawn ? shown.pictures : std::vector<ShownPicture>()) {
            if (p.cleared) images[p.target] = QImage(), paths[p.target].clear();
            else if (!p.error) images[p.target] = p.image;
            if (p.caption) captions[p.target] = *p.caption;
        }
        HeldBoxes::Show(w.boxes, shown.boxes);
        closed = closed || shown.setEnded;
        return shown;
    }

    World& w;
    QSize imageSize, symbolSize;
    GameState g;
    QHash<int, QString> paths;  // the file on show at each target
    QHash<int, QImage> images;
    QHash<int, QString> captions;
    bool closed = false;
};

}  // namespace lumari::test
