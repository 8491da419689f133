#pragma once

#include <QWidget>

namespace lumari {

class Runtime;

// The directory test window: walks the program's folder and creates twenty
// numbered image sets. Nothing in the program opens it.
class Form1 : public QWidget {
    Q_OBJECT
public:
    explicit Form1(Runtime& runtime, QWidget* parent = nullptr);

private:
    Runtime& runtime_;
};

}  // namespace lumari
