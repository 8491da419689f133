#pragma once

#include "platform/Services.h"

#include <vector>

namespace lumari {

// A message box that is to be shown later.
struct HeldBox {
    QString prompt;
    int style = mb::OkOnly;
    QString title;
};

// Message boxes held instead of shown, each answered OK, for steps whose
// boxes have no other answer: a round drawn ahead of its turn reports when
// it is shown, and a settings update reports once the store is let go, so
// that no box left open keeps another copy of the program waiting. Input
// boxes still ask at once.
class HeldBoxes : public Boxes {
public:
    explicit HeldBoxes(Boxes& shown) : shown_(shown) {}

    int MsgBox(const QString& prompt, int style = mb::OkOnly, const QString& title = QString()) noexcept override;
    QString InputBox(const QString& prompt, const QString& title) noexcept override;

    // The boxes held so far, in order; none are held afterwards.
    std::vector<HeldBox> Take() noexcept;
    // Shows the boxes held so far, in order.
    void Release() noexcept { Show(shown_, Take()); }

    static void Show(Boxes& boxes, const std::vector<HeldBox>& held) noexcept;

private:
    Boxes& shown_;
    std::vector<HeldBox> held_;
};

}  // namespace lumari
