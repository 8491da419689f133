#pragma once

#include <QWidget>

namespace lumari {

class Runtime;
struct Module1;

// The options window: the program's start-up window.
class frmApertura : public QWidget {
    Q_OBJECT
public:
    frmApertura(Runtime& runtime, Module1& module1, QWidget* parent = nullptr);

    // Loads the window (its start-up runs first) and shows it unless the
    // start-up closed it.
    static frmApertura* Start(Runtime& runtime, Module1& module1);

private:
    Runtime& runtime_;
    Module1& module1_;
};

}  // namespace lumari
