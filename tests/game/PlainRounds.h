#pragma once

#include "game/Answer.h"
#include "game/Catalogue.h"
#include "game/CoherenceCheck.h"
#include "game/GameOptions.h"
#include "game/GameTally.h"
#include "game/Round.h"
#include "support/TestServices.h"

#include <QHash>
#include <QImage>

#include <functional>

namespace lumari::test {

// The game's plain routines as a window without rounds drawn ahead would play them: Cambia draws
// each round when it is due and every picture is decoded as it is shown, at its box's size (whole
// without one). What is on show is kept here, put in place step by step, each box shown to the
// world's boxes at its step.
struct PlainRounds {
    PlainRounds(World& world, GameOptions options, std::function<QSize(int)> sizeOf = [](int) { return QSize(); })
        : w(world), o(std::move(options)), sizeOf(std::move(sizeOf)) {}
    ShownRound Start()
    {
        CaricaImmagini(w.services(), o, g.images);
        t.SessionShown = 0, t.SessionCorrect = 0;
        CaricaSimboli(w.services(), o, g.symbols);
        ControllaCoerenza(w.services(), g.images, g.symbols);
        return Next();
    }
    ShownRound Next()
    {
        ShownRound shown = Cambia(w.services(), o, t, g, [this](const RoundPicture& p, const QString& path) {
            const QImage image = w.pictures.Load(path, sizeOf(p.target));
            return paths[p.target] = path, image;
        });
        ShowSteps(shown, w.boxes, [this](const ShownPicture& p) {
            if (p.cleared) images[p.target] = QImage(), paths[p.target].clear();
            else if (!p.error) images[p.target] = p.image;
            if (p.caption) captions[p.target] = *p.caption;
        });
        closed = closed || shown.setEnded;
        return shown;
    }
    ShownRound Answer(int position) { return Simbolo_Click(w.services(), o, t, g.round, position).right ? Next() : ShownRound{}; }
    // A placeholder whose answer is right (or wrong); the last one when none is.
    int Position(bool right) const
    {
        int i = 0;
        const RoundState& r = g.round;
        while (i < PlaceholdersInUse(o.MaxPlaceholders) - 1 && (r.symbolTags[std::size_t(i)].toUpper() == r.imageTag.toUpper()) != right) ++i;
        return i;
    }

    World& w;
    GameOptions o;
    GameTally t;
    std::function<QSize(int)> sizeOf;
    GameState g;
    QHash<int, QString> paths;  // the file on show at each target
    QHash<int, QImage> images;
    QHash<int, QString> captions;
    bool closed = false;
};

}  // namespace lumari::test
