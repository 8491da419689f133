#pragma once

#include "game/Answer.h"
#include "game/Catalogue.h"
#include "game/CoherenceCheck.h"
#include "game/Round.h"
#include "support/TestServices.h"

#include <QHash>
#include <QImage>

#include <functional>

namespace lumari::test {

// The game's plain routines as a window without rounds drawn ahead would play them: Cambia draws
// each round when it is due and every picture is decoded as it is shown, at its box's size (whole
// without one). What is on show is kept here; the boxes are shown to the world's boxes.
struct PlainRounds {
    explicit PlainRounds(World& world, std::function<QSize(int)> sizeOf = [](int) { return QSize(); })
        : w(world), sizeOf(std::move(sizeOf)) {}
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
    ShownRound Next(std::vector<HeldBox> boxes = {})
    {
        ShownRound shown = Cambia(w.services(), w.module1, g, [this](const RoundPicture& p, const QString& path) {
            const QImage image = w.pictures.Load(path, sizeOf(p.target));
            return paths[p.target] = path, image;
        });
        shown.boxes.insert(shown.boxes.begin(), boxes.begin(), boxes.end());
        for (const ShownPicture& p : shown.pictures) {
            if (p.cleared) images[p.target] = QImage(), paths[p.target].clear();
            else if (!p.error) images[p.target] = p.image;
            if (p.caption) captions[p.target] = *p.caption;
        }
        closed = closed || shown.setEnded;
        return HeldBoxes::Show(w.boxes, shown.boxes), shown;
    }
    ShownRound Answer(int position)
    {
        HeldBoxes held(w.boxes);
        if (Simbolo_Click(w.services().WithBoxes(held), w.module1, g.round, position).right) return Next(held.Take());
        ShownRound unchanged;
        unchanged.boxes = held.Take();
        return HeldBoxes::Show(w.boxes, unchanged.boxes), unchanged;
    }
    // A placeholder whose answer is right (or wrong); the last one when none is.
    int Position(bool right) const
    {
        int i = 0;
        const RoundState& r = g.round;
        while (i < PlaceholdersInUse(w.module1.MaxPlaceholders) - 1 && (r.symbolTags[std::size_t(i)].toUpper() == r.imageTag.toUpper()) != right) ++i;
        return i;
    }

    World& w;
    std::function<QSize(int)> sizeOf;
    GameState g;
    QHash<int, QString> paths;  // the file on show at each target
    QHash<int, QImage> images;
    QHash<int, QString> captions;
    bool closed = false;
};

}  // namespace lumari::test
