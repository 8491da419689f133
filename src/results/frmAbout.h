#pragma once

#include "platform/Services.h"

#include <QPointer>
#include <QWidget>

class QLabel;
class QPushButton;

namespace lumari {

struct Module1;

// The results window: title, version, credits, the session report and the
// cumulative statistics.
class frmAbout : public QWidget {
    Q_OBJECT
public:
    frmAbout(const Services& services, Module1& module1, QWidget* parent = nullptr);

    // Creates the window, runs its load (reports, folding the session into
    // the stored totals) and shows it modeless, without an owner. Deleted
    // when closed: null once it is.
    static QPointer<frmAbout> Start(const Services& services, Module1& module1);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Fills the texts and folds the session into the stored totals.
    void Form_Load();
    void cmdOK_Click();

    Services services_;
    Module1& module1_;

    QLabel* picIcon = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblDescription = nullptr;
    QLabel* lblDisclaimer = nullptr;
    QPushButton* cmdOK = nullptr;
    QLabel* lblEsito = nullptr;
    QLabel* lblStatistiche = nullptr;
};

}  // namespace lumari
