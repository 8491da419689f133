#pragma once

#include <QWidget>

class QPushButton;

namespace lumari {

class Runtime;

// The directory test window: walks the program's folder and creates twenty
// numbered image sets. Nothing in the program opens it.
class Form1 : public QWidget {
    Q_OBJECT
public:
    explicit Form1(Runtime& runtime, QWidget* parent = nullptr);

    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;

    // Walks the entries of the program's folder, reading each one's
    // attributes; nothing is shown or kept.
    void Command1_Click();
    // Creates the sets "1" to "20"; each failure is reported by CreaSet.
    void Command2_Click();

private:
    Runtime& runtime_;
};

}  // namespace lumari
