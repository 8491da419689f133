// The options window as designed: controls, geometry, fonts, focus order and
// the keys that must not start anything.
#include "OptionsFixture.h"

#include "options/WrappedRadioButton.h"
#include "platform/Geometry.h"
#include "state/Resources.h"

#include <QApplication>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QTest>

namespace lumari::test {
namespace {

struct Designed {
    const char *name, *container;
    int left, top, width, height;  // twips
    const char* text;
};

const Designed kControls[] = {
    {"Label1", "frmApertura", 120, 240, 3495, 375, "Program Options"},
    {"Frame2", "frmApertura", 240, 960, 5535, 1455, "Images set management"},
    {"Label5", "Frame2", 120, 405, 855, 255, "Current set"},
    {"cboImagesSet", "Frame2", 960, 360, 3855, 315, ""},
    {"cmdCreateSet", "Frame2", 960, 840, 1335, 375, "Create new set"},
    {"cmdOpenSet", "frmApertura", 2640, 1800, 2415, 375, "Open current set"},
    {"chkMostraNomi", "frmApertura", 240, 2520, 1455, 375, "Show labels"},
    {"cmdCancellaStatistiche", "frmApertura", 4680, 2760, 1215, 375, "Clear statistics"},
    {"cboSimboli", "frmApertura", 240, 3000, 615, 315, ""},
    {"Label2", "frmApertura", 960, 3030, 1575, 255, "Symbols to display"},
    {"frmModalita", "frmApertura", 240, 3600, 3135, 1215, "Image selection"},
    {"opt1", "frmModalita", 120, 240, 2895, 315, "Random (repeated images allowed)"},
    {"opt2", "frmModalita", 120, 720, 2895, 375, "Controlled random (repeated images not allowed)"},
    {"Frame1", "frmApertura", 240, 4920, 5535, 1815, "Sounds management"},
    {"chkSuoni", "Frame1", 120, 360, 1455, 375, "Play sounds"},
    {"Label3", "Frame1", 120, 870, 1215, 255, "Sound for \"OK\""},
    {"cboSoundOK", "Frame1", 1560, 840, 3255, 315, ""},
    {"cmdPlayOk", "Frame1", 4920, 810, 375, 375, ""},
    {"Label4", "Frame1", 120, 1260, 1215, 255, "Sound for \"error\""},
    {"cboSoundWrong", "Frame1", 1560, 1230, 3255, 315, ""},
    {"cmdPlayWrong", "Frame1", 4920, 1200, 375, 375, ""},
    {"OKButton", "frmApertura", 4680, 7200, 1215, 375, "Start program"},
};

// Columns from the control's width + offset on that hold dark (text)
// pixels when the control is drawn 40 pixels wider than designed.
int DarkColumnsBeyond(QWidget* w, int offset = 0)
{
    const QSize designed = w->size();
    w->resize(designed.width() + 40, designed.height());
    const QImage image = w->grab().toImage();
    w->resize(designed);
    int columns = 0;
    for (int x = designed.width() + offset; x < image.width(); ++x) {
        bool dark = false;
        for (int y = 0; y < image.height(); ++y) dark = dark || qGray(image.pixel(x, y)) < 110;
        columns += dark;
    }
    return columns;
}

class LayoutTest : public OptionsTest {
protected:
    void Shown()
    {
        Load();
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    QWidget* Child(const char* name) { return window->findChild<QWidget*>(QString::fromLatin1(name)); }
};

TEST_F(LayoutTest, EveryControlHasItsContainerGeometryAndText)
{
    Load();
    for (const Designed& d : kControls) {
        SCOPED_TRACE(d.name);
        QWidget* w = Child(d.name);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->parentWidget()->objectName(), QString::fromLatin1(d.container));
        EXPECT_EQ(w->geometry(), TwipsRect(d.left, d.top, d.width, d.height));
        EXPECT_EQ(w->property(qobject_cast<QGroupBox*>(w) ? "title" : "text").toString(), QString::fromUtf8(d.text));
    }
    // The two rules: plain lines in the window-text colour.
    for (const auto& [name, y] : {std::pair{"Line2", 48}, std::pair{"Line1", 472}}) {
        QWidget* rule = Child(name);
        ASSERT_NE(rule, nullptr) << name;
        EXPECT_EQ(rule->geometry(), QRect(8, y, 384, 1)) << name;
        EXPECT_EQ(QColor(rule->grab().toImage().pixel(100, 0)), window->palette().color(QPalette::WindowText)) << name;
    }
    // The picture buttons: the sound-file icon and a tip instead of a caption.
    for (QPushButton* button : {window->cmdPlayOk, window->cmdPlayWrong}) {
        EXPECT_EQ(button->toolTip(), QStringLiteral("Play it"));
        EXPECT_EQ(button->icon().pixmap(16, 16).toImage(), SoundFileIcon().pixmap(16, 16).toImage());
    }
}

TEST_F(LayoutTest, WindowFrameSizeIconAndFirstPosition)
{
    std::unique_ptr<frmApertura> w(frmApertura::Start(runtime, module1));
    ASSERT_NE(w, nullptr);
    w->setAttribute(Qt::WA_DeleteOnClose, false);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Lumari !"));
    EXPECT_EQ(w->geometry(), QRect(184, 250, 406, 520));
    EXPECT_EQ(w->minimumSize(), QSize(406, 520));
    EXPECT_EQ(w->maximumSize(), QSize(406, 520));
    const Qt::WindowFlags flags = w->windowFlags();
    EXPECT_TRUE(flags.testFlags(Qt::WindowTitleHint | Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testAnyFlags(Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(w->windowIcon().pixmap(32, 32).toImage(), ProgramIcon().pixmap(32, 32).toImage());
}

TEST_F(LayoutTest, FontsAreTheDialogFontAndEveryTextFitsItsBox)
{
    Shown();
    for (const Designed& d : kControls) {
        SCOPED_TRACE(d.name);
        QWidget* w = Child(d.name);
        const bool title = QByteArray(d.name) == "Label1";
        EXPECT_EQ(QFontInfo(w->font()).family(), QStringLiteral("Liberation Sans"));
        EXPECT_EQ(w->font().pointSizeF(), title ? 12.0 : 8.0);
        EXPECT_EQ(w->font().bold(), title);
    }
    // One-line left-aligned captions: drawn wider, the control shows no ink
    // beyond its designed width (and the probe does see the text).
    for (const char* name : {"Label1", "Label2", "Label3", "Label4", "Label5", "chkMostraNomi", "chkSuoni", "opt1"}) {
        SCOPED_TRACE(name);
        QWidget* w = Child(name);
        EXPECT_EQ(DarkColumnsBeyond(w), 0);
        EXPECT_GT(DarkColumnsBeyond(w, -w->width()), 0);
        EXPECT_LE(QFontMetrics(w->font()).height(), w->height());
    }
    for (QPushButton* button : {window->cmdCreateSet, window->cmdOpenSet, window->cmdCancellaStatistiche, window->OKButton})
        EXPECT_LE(QFontMetrics(button->font()).horizontalAdvance(button->text()) + 4, button->width()) << button->text().toStdString();
    // The second option's caption wraps onto exactly two lines, both inside its box.
    auto* opt2 = qobject_cast<WrappedRadioButton*>(window->opt2);
    ASSERT_NE(opt2, nullptr);
    QLabel* caption = opt2->captionLabel();
    const QFontMetrics metrics(caption->font());
    EXPECT_EQ(caption->heightForWidth(caption->width()) / metrics.lineSpacing(), 2);
    EXPECT_LE(metrics.lineSpacing() + metrics.height(), caption->height());  // the second line's ink is whole
    EXPECT_TRUE(opt2->rect().contains(caption->geometry()));
}

TEST_F(LayoutTest, TabVisitsTheControlsInDesignedOrderAndStopsOnTheSelectedOption)
{
    Shown();
    ASSERT_EQ(QApplication::focusWidget(), window->chkMostraNomi);
    const QStringList expected = {"cboSimboli",   "opt1",         "cboSoundOK",   "cboSoundWrong", "chkSuoni",
                                  "cmdCancellaStatistiche",       "OKButton",     "cmdPlayOk",     "cmdPlayWrong",
                                  "cboImagesSet", "cmdCreateSet", "cmdOpenSet",   "chkMostraNomi"};
    QStringList visited;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(visited, expected);
    window->opt2->click();
    window->cboSimboli->setFocus();
    QTest::keyClick(window->cboSimboli, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), window->opt2);
    QTest::keyClick(window->opt2, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), window->cboSoundOK);
}

// The lists are drop-down lists: typing only picks one of their entries.
// Enter or Escape on a list or a check box starts and closes nothing: no
// button is the default or cancel button.
TEST_F(LayoutTest, KeysOnListsAndCheckBoxesOnlyPickAndStartNothing)
{
    app.MakeFolder(QStringLiteral("Set_Zoo"));
    Shown();
    for (QPushButton* button : window->findChildren<QPushButton*>())
        EXPECT_FALSE(button->isDefault()) << button->objectName().toStdString();
    for (QWidget* control : std::initializer_list<QWidget*>{window->chkMostraNomi, window->chkSuoni, window->cboImagesSet,
                                                            window->cboSimboli, window->cboSoundOK, window->cboSoundWrong}) {
        SCOPED_TRACE(control->objectName().toStdString());
        control->setFocus();
        QTest::keyClicks(control, QStringLiteral("qx9"));
        if (auto* list = qobject_cast<QComboBox*>(control)) {
            EXPECT_FALSE(list->isEditable());
            EXPECT_GE(list->findText(list->currentText(), Qt::MatchExactly), 0);
        }
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) QTest::keyClick(control, key);
        EXPECT_TRUE(window->isVisible());
    }
    EXPECT_TRUE(runtime.writes.isEmpty());
    EXPECT_TRUE(runtime.boxes.empty());
    EXPECT_TRUE(window->chkMostraNomi->isChecked());
}

TEST_F(LayoutTest, EnterPressesTheFocusedButtonOnly)
{
    Shown();
    runtime.msgBoxAnswers.push_back(mb::No);
    window->cmdCancellaStatistiche->setFocus();
    QTest::keyClick(window->cmdCancellaStatistiche, Qt::Key_Return);
    ASSERT_EQ(runtime.boxes.size(), 1u);
    EXPECT_EQ(runtime.boxes[0].title, QStringLiteral("Confirm stats reset"));
    EXPECT_TRUE(window->isVisible());
}

TEST_F(LayoutTest, OpenSetLiesInFrontOfTheFrameAndIsClickable)
{
    Shown();
    const QPoint centre = window->cmdOpenSet->geometry().center();
    EXPECT_TRUE(window->Frame2->geometry().contains(centre));
    ASSERT_EQ(window->childAt(centre), window->cmdOpenSet);
    QTest::mouseClick(window->childAt(centre), Qt::LeftButton);
    EXPECT_EQ(runtime.openedFolders, QStringList{app.path() + QStringLiteral("\\Set_default")});
}

}  // namespace
}  // namespace lumari::test
