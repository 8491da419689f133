#pragma once

#include "platform/Services.h"

#include <QWidget>

class QPushButton;

namespace lumari {

// The directory test window: walks the program's folder and creates twenty
// numbered image sets. Nothing in the program opens it.
class Form1 : public QWidget {
    Q_OBJECT
public:
    explicit Form1(const Services& services, QWidget* parent = nullptr);

private:
    // Walks the entries of the program's folder, reading each one's
    // attributes; nothing is shown or kept.
    void Command1_Click();
    // Creates the sets "1" to "20"; each failure is reported by CreaSet.
    void Command2_Click();

    Services services_;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
};

}  // namespace lumari
