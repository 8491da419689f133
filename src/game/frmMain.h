#pragma once

#include <QWidget>

namespace lumari {

class Runtime;
struct Module1;

// The game window.
class frmMain : public QWidget {
    Q_OBJECT
public:
    frmMain(Runtime& runtime, Module1& module1, QWidget* parent = nullptr);

    // Creates the window, runs its start-up (layout, catalogues, check, first
    // round) and shows it, modeless. Deleted when closed.
    static frmMain* Start(Runtime& runtime, Module1& module1);

private:
    Runtime& runtime_;
    Module1& module1_;
};

}  // namespace lumari
