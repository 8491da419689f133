#pragma once

#include <QString>

namespace lumari {

class Notifier;
class SetsDialogs;
class SoundInput;
class SymbolMaker;
struct Services;

// What the pages of the teachers' window share, made once by main().
struct TeacherContext {
    const Services& services;
    Notifier& notifier;  // the pages' messages
    const SymbolMaker& symbols;
    SetsDialogs& dialogs;
    QString gameProgram;  // the game's executable, beside this program's
    SoundInput& microphone;  // where recorded words come from
};

}  // namespace lumari
