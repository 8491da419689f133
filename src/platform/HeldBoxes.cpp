#include "platform/HeldBoxes.h"

#include <utility>

namespace lumari {

int HeldBoxes::MsgBox(const QString& prompt, int style, const QString& title) noexcept
{
    held_.push_back({prompt, style, title});
    return mb::Ok;
}

QString HeldBoxes::InputBox(const QString& prompt, const QString& title) noexcept
{
    return shown_.InputBox(prompt, title);
}

std::vector<HeldBox> HeldBoxes::Take() noexcept { return std::exchange(held_, {}); }

void HeldBoxes::Show(Boxes& boxes, const std::vector<HeldBox>& held) noexcept
{
    for (const HeldBox& box : held) boxes.MsgBox(box.prompt, box.style, box.title);
}

}  // namespace lumari
