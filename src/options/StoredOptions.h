#pragma once

#include <QString>

namespace lumari {

class ErrorTrap;
struct Module1;
struct Services;

// The options as the options window's controls hold them when it closes.
struct ChosenOptions {
    int showLabels = 1;            // chkMostraNomi value: 0, 1 (or 2 greyed)
    int playSounds = 1;            // chkSuoni value
    bool randomSelected = true;    // opt1
    bool controlledSelected = false;  // opt2
    int symbolsIndex = -1;         // cboSimboli selection; entry i means i + 2 placeholders
    int soundOkIndex = -1;         // cboSoundOK selection; 0 is "no sound"
    QString soundOkText;
    int soundWrongIndex = -1;
    QString soundWrongText;
    QString imagesSetText;         // text of the selected set, "" when none
};

// The closing of the options window: the chosen options into the shared
// state and the settings store, "Used" counted, "Information" written last.
// Every key is one step of the trap, so one failure stops no other key.
void StoreChosenOptions(const Services& services, Module1& module1, ErrorTrap& trap, const ChosenOptions& chosen);

}  // namespace lumari
