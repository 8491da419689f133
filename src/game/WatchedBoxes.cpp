#include "game/WatchedBoxes.h"

namespace lumari {

void WatchedBoxes::Opening() noexcept
{
    if (open_++ == 0 && told_) told_(true);
}

void WatchedBoxes::Closed() noexcept
{
    if (--open_ == 0 && told_) told_(false);
}

int WatchedBoxes::MsgBox(const QString& prompt, int style, const QString& title) noexcept
{
    Opening();
    const int pressed = shown_.MsgBox(prompt, style, title);
    Closed();
    return pressed;
}

QString WatchedBoxes::InputBox(const QString& prompt, const QString& title) noexcept
{
    Opening();
    QString typed = shown_.InputBox(prompt, title);
    Closed();
    return typed;
}

}  // namespace lumari
