#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

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

    // Fills the texts and folds the session into the stored totals.
    void Form_Load();

    QLabel* picIcon = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblDescription = nullptr;
    QLabel* lblDisclaimer = nullptr;
    QPushButton* cmdOK = nullptr;
    QLabel* lblEsito = nullptr;
    QLabel* lblStatistiche = nullptr;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void cmdOK_Click();

    Runtime& runtime_;
    Module1& module1_;
};

}  // namespace lumari
