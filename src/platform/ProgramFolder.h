#pragma once

#include <QString>

namespace lumari {

// Where the program keeps its sets, sounds and check log.
struct ProgramFolder {
    QString path;
    // What could not be made ready, worded for the user; empty when all went
    // well.
    QString failure;
};

// The executable's folder when it holds "Set_default" (the build folder, a
// portable folder). Otherwise, when the bundled files sit in
// <executable folder>/../share/lumari (an installed copy), the user's
// <dataHome>/lumari: made when missing, and given each bundled folder once
// (Set_default, Sounds, and Sounds/Prompt on its own for those given Sounds
// before it). A folder the user changed or deleted afterwards is never
// copied again: a hidden list in the user's folder records what was given.
// A failed copy leaves nothing half-made and is tried again at the next start.
ProgramFolder FindProgramFolder(const QString& executableFolder, const QString& dataHome);

}  // namespace lumari
