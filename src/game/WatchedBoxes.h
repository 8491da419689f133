#pragma once

#include "platform/Services.h"

#include <functional>

namespace lumari {

// Boxes passed on to the boxes shown, telling when the first opens and when
// the last closes: behind a modal box the game window's scan and dwell stand
// still, and a switch pressed meanwhile answers nothing.
class WatchedBoxes : public Boxes {
public:
    // Told true as a box opens, false once no box is left open. It must not throw.
    using Told = std::function<void(bool open)>;

    WatchedBoxes(Boxes& shown, Told told) : shown_(shown), told_(std::move(told)) {}

    int MsgBox(const QString& prompt, int style = mb::OkOnly, const QString& title = QString()) noexcept override;
    QString InputBox(const QString& prompt, const QString& title) noexcept override;

private:
    void Opening() noexcept;
    void Closed() noexcept;

    Boxes& shown_;
    Told told_;
    int open_ = 0;  // boxes open, one over another when a box's routine shows one
};

}  // namespace lumari
