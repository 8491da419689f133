#pragma once

#include "platform/Services.h"
#include "results/Reports.h"

#include <QPointer>
#include <QWidget>

class QLabel;
class QPushButton;

namespace lumari {

// The results window: title, version, credits, the session report and the
// cumulative statistics. It shows the reports it is given; the statistics
// fold the game into the stored totals before it opens.
class frmAbout : public QWidget {
    Q_OBJECT
public:
    frmAbout(const Services& services, ResultsTexts texts, QWidget* parent = nullptr);

    // Creates the window, runs its load (its texts put in place) and shows
    // it modeless, without an owner. Deleted when closed: null once it is.
    static QPointer<frmAbout> Start(const Services& services, const ResultsTexts& texts);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Fills the texts; stores nothing.
    void Form_Load();
    void cmdOK_Click();

    Services services_;
    ResultsTexts texts_;

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
