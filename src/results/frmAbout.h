#pragma once

#include <QWidget>

namespace lumari {

class Runtime;
struct Module1;

// The results window: title, version, credits, the session report and the
// cumulative statistics.
class frmAbout : public QWidget {
    Q_OBJECT
public:
    frmAbout(Runtime& runtime, Module1& module1, QWidget* parent = nullptr);

    // Creates the window, runs its load (reports, folding the session into
    // the stored totals) and shows it modeless, without an owner. Deleted
    // when closed.
    static frmAbout* Start(Runtime& runtime, Module1& module1);

private:
    Runtime& runtime_;
    Module1& module1_;
};

}  // namespace lumari
