#pragma once

#include "platform/Services.h"

#include <QPointer>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace lumari {

struct Module1;
struct ChosenOptions;

// The options window: the program's start-up window. The user picks the
// image set, the number of symbols, the way images are drawn and the answer
// sounds, and starts the game. Controls keep their designed names (also as
// object names, so scripts find them).
class frmApertura : public QWidget {
    Q_OBJECT
public:
    frmApertura(const Services& services, Module1& module1, QWidget* parent = nullptr);

    // Loads the window (its start-up runs first) and shows it at its first
    // position. When the start-up refuses to run (no default set), the window
    // closes without being shown and null is returned: the program ends.
    // Deleted when closed: null once it is.
    static QPointer<frmApertura> Start(const Services& services, Module1& module1);

signals:
    // "Start program": the options are stored and this window is closed; the
    // game window is to open now, before the click's routine ends.
    void gameRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Start-up: the default-set check, the stored options, the lists.
    void Form_Load();
    // Builds the image set list and selects the stored set.
    void CaricaSetImmagini();
    // A change of the selected set: the shared state follows it.
    void cboImagesSet_Click();
    // Fills both sound lists and selects the stored sounds.
    void CaricaSuoni();
    // "Start program": closes this window, then asks for the game window.
    void OKButton_Click();
    // Runs at every closing: the options into the shared state and the store.
    void Form_Unload();
    void cmdCancellaStatistiche_Click();
    void cmdCreateSet_Click();
    void cmdOpenSet_Click();
    void cmdPlayOk_Click();
    void cmdPlayWrong_Click();

    void BuildControls();
    void SetTabOrder();
    void ConnectEvents();
    ChosenOptions CurrentChoices() const;
    void PlayListedSound(const QString& routine, const QComboBox* list);

    Services services_;
    Module1& module1_;
    bool loadRefused_ = false;  // the start-up found no picture in the default set
    bool unloaded_ = false;

    // The controls, from top to bottom.
    QLabel* Label1;
    QWidget* Line2;
    QGroupBox* Frame2;
    QLabel* Label5;
    QComboBox* cboImagesSet;
    QPushButton* cmdCreateSet;
    QPushButton* cmdOpenSet;
    QCheckBox* chkMostraNomi;
    QPushButton* cmdCancellaStatistiche;
    QComboBox* cboSimboli;
    QLabel* Label2;
    QGroupBox* frmModalita;
    QRadioButton* opt1;
    QRadioButton* opt2;
    QGroupBox* Frame1;
    QCheckBox* chkSuoni;
    QLabel* Label3;
    QComboBox* cboSoundOK;
    QPushButton* cmdPlayOk;
    QLabel* Label4;
    QComboBox* cboSoundWrong;
    QPushButton* cmdPlayWrong;
    QWidget* Line1;
    QPushButton* OKButton;
};

}  // namespace lumari
