#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>

namespace lumari {

// The program icon (16 and 32 pixels), used by the options, game and results windows.
QIcon ProgramIcon();
// The 32 x 32 image of the program icon.
QPixmap ProgramIconPixmap32();
// The sound-file icon shown on the "Play it" buttons.
QIcon SoundFileIcon();
// The hand pointer over the game's placeholders, hot spot at the fingertip.
QCursor HandCursor();

}  // namespace lumari
