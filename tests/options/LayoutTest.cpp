// The options window as designed: controls, geometry, fonts, focus order and
// the keys that must not start anything.
#include "OptionsFixture.h"

#include "options/WrappedRadioButton.h"
#include "platform/Geometry.h"
#include "state/Resources.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTest>

namespace lumari::test {
namespace {

struct Designed {
    const char* name;
    const char* container;
    int left, top, width, height;
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

QString TextOf(QWidget* w)
{
    if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
    if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
    if (auto* g = qobject_cast<QGroupBox*>(w)) return g->title();
    return QString();
}

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
    frmApertura* Shown()
    {
        Load();
        window->setGeometry(184, 250, 406, 520);
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        return window.get();
    }
    QWidget* Child(const char* name) { return window->findChild<QWidget*>(QString::fromLatin1(name)); }
};

TEST_F(LayoutTest, EveryControlHasItsKindContainerGeometryAndText)
{
    Load();
    for (const Designed& d : kControls) {
        SCOPED_TRACE(d.name);
        QWidget* w = Child(d.name);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->parentWidget()->objectName(), QString::fromLatin1(d.container));
        EXPECT_EQ(w->geometry(), TwipsRect(d.left, d.top, d.width, d.height));
        EXPECT_EQ(TextOf(w), QString::fromUtf8(d.text));
    }
    // The members are the named controls, of their designed kinds.
    EXPECT_EQ(window->cboImagesSet, Child("cboImagesSet"));
    EXPECT_EQ(window->opt2, Child("opt2"));
    EXPECT_EQ(window->chkMostraNomi, Child("chkMostraNomi"));
    for (QComboBox* list : {window->cboImagesSet, window->cboSimboli, window->cboSoundOK, window->cboSoundWrong}) {
        EXPECT_FALSE(list->isEditable());
        EXPECT_EQ(list->lineEdit(), nullptr);
    }
    EXPECT_NE(qobject_cast<QRadioButton*>(Child("opt1")), nullptr);
    EXPECT_NE(qobject_cast<QCheckBox*>(Child("chkSuoni")), nullptr);
}

TEST_F(LayoutTest, DesignStateBeforeTheStartUp)
{
    frmApertura w(runtime, module1);
    EXPECT_TRUE(w.chkMostraNomi->isChecked());
    EXPECT_TRUE(w.chkSuoni->isChecked());
    EXPECT_TRUE(w.opt1->isChecked());
    EXPECT_FALSE(w.opt2->isChecked());
    for (QComboBox* list : {w.cboImagesSet, w.cboSimboli, w.cboSoundOK, w.cboSoundWrong}) EXPECT_EQ(list->count(), 0);
    // The two option buttons form one group.
    w.opt2->click();
    EXPECT_FALSE(w.opt1->isChecked());
}

TEST_F(LayoutTest, WindowFrameSizeIconAndFirstPosition)
{
    frmApertura* w = frmApertura::Start(runtime, module1);
    ASSERT_NE(w, nullptr);
    std::unique_ptr<frmApertura> owned(w);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Lumari !"));
    EXPECT_EQ(w->geometry(), QRect(184, 250, 406, 520));
    EXPECT_EQ(w->minimumSize(), QSize(406, 520));
    EXPECT_EQ(w->maximumSize(), QSize(406, 520));
    const Qt::WindowFlags flags = w->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowTitleHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(w->windowIcon().cacheKey() != 0, true);
    EXPECT_FALSE(w->windowIcon().pixmap(32, 32).isNull());
    EXPECT_TRUE(w->isVisible());
    owned->setAttribute(Qt::WA_DeleteOnClose, false);
}

TEST_F(LayoutTest, FontsAreTheDialogFontAndEveryTextFitsItsBox)
{
    Shown();
    for (const Designed& d : kControls) {
        SCOPED_TRACE(d.name);
        QWidget* w = Child(d.name);
        const QFontInfo info(w->font());
        EXPECT_EQ(info.family(), QStringLiteral("Liberation Sans"));
        const bool title = QByteArray(d.name) == "Label1";
        EXPECT_EQ(w->font().pointSizeF(), title ? 12.0 : 8.0);
        EXPECT_EQ(w->font().bold(), title);
    }
    // Labels, check boxes and the first option (left-aligned, one line): the
    // control drawn wider shows no ink beyond its designed width, so none of
    // its text is cut off there.
    for (const char* name : {"Label1", "Label2", "Label3", "Label4", "Label5", "chkMostraNomi", "chkSuoni", "opt1"}) {
        SCOPED_TRACE(name);
        QWidget* w = Child(name);
        EXPECT_EQ(DarkColumnsBeyond(w), 0);
        EXPECT_GT(DarkColumnsBeyond(w, -w->width()), 0);  // the probe sees the text
    }
    // The probe does catch a cut of a single pixel column.
    EXPECT_GT(DarkColumnsBeyond(window->Label4, -2), 0);
    for (const char* name : {"Label1", "Label2", "Label3", "Label4", "Label5"}) {
        auto* label = qobject_cast<QLabel*>(Child(name));
        EXPECT_LE(QFontMetrics(label->font()).height(), label->height()) << name;
    }
    // The one caption the substitute face draws wider than its box keeps
    // even its advance inside it.
    EXPECT_LE(QFontMetrics(window->Label4->font()).horizontalAdvance(window->Label4->text()), window->Label4->width());
    // Buttons with a caption.
    for (const char* name : {"cmdCreateSet", "cmdOpenSet", "cmdCancellaStatistiche", "OKButton"}) {
        SCOPED_TRACE(name);
        auto* button = qobject_cast<QPushButton*>(Child(name));
        EXPECT_LE(QFontMetrics(button->font()).horizontalAdvance(button->text()) + 4, button->width());
    }
    // The second option's caption wraps onto two lines inside its box.
    auto* opt2 = qobject_cast<WrappedRadioButton*>(window->opt2);
    ASSERT_NE(opt2, nullptr);
    QLabel* caption = opt2->captionLabel();
    EXPECT_TRUE(caption->wordWrap());
    const QFontMetrics metrics(caption->font());
    EXPECT_EQ(caption->heightForWidth(caption->width()) / metrics.lineSpacing(), 2);
    EXPECT_TRUE(opt2->rect().contains(caption->geometry()));
    // Nothing of the two lines is cut: the caption as shown holds as much
    // ink as the same text drawn without any bound.
    auto inkPixels = [](const QImage& image) {
        int dark = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) dark += qGray(image.pixel(x, y)) < 128;
        return dark;
    };
    QImage free(caption->width(), caption->height() * 3, QImage::Format_RGB32);
    free.fill(Qt::white);
    {
        QPainter painter(&free);
        painter.setFont(caption->font());
        painter.setPen(Qt::black);
        painter.drawText(QRect(0, caption->height(), caption->width(), caption->height() * 2),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, caption->text());
    }
    QImage shown(caption->size(), QImage::Format_RGB32);
    shown.fill(Qt::white);
    QPalette palette = caption->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    caption->setPalette(palette);
    caption->render(&shown, QPoint(), QRegion(), QWidget::DrawChildren);
    EXPECT_GT(inkPixels(shown), 100);
    EXPECT_EQ(inkPixels(shown), inkPixels(free));
}

TEST_F(LayoutTest, RulesArePlainLinesInTheWindowTextColour)
{
    Load();
    for (const auto& [name, y] : {std::pair{"Line2", 48}, std::pair{"Line1", 472}}) {
        SCOPED_TRACE(name);
        QWidget* rule = Child(name);
        ASSERT_NE(rule, nullptr);
        EXPECT_EQ(rule->geometry(), QRect(8, y, 384, 1));
        EXPECT_EQ(rule->palette().color(QPalette::Window), window->palette().color(QPalette::WindowText));
        const QImage pixels = rule->grab().toImage();
        EXPECT_EQ(QColor(pixels.pixel(100, 0)), window->palette().color(QPalette::WindowText));
    }
}

TEST_F(LayoutTest, PictureButtonsShowTheSoundIconAndPlayItTip)
{
    Load();
    for (QPushButton* button : {window->cmdPlayOk, window->cmdPlayWrong}) {
        EXPECT_TRUE(button->text().isEmpty());
        EXPECT_EQ(button->toolTip(), QStringLiteral("Play it"));
        EXPECT_EQ(button->iconSize(), QSize(16, 16));
        EXPECT_EQ(button->icon().pixmap(16, 16).toImage(), SoundFileIcon().pixmap(16, 16).toImage());
    }
}

TEST_F(LayoutTest, TabVisitsTheControlsInDesignedOrderFromShowLabels)
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
}

TEST_F(LayoutTest, TabStopsOnTheSelectedOptionButtonOnly)
{
    Store(keys::kGeneral, keys::kWayToWork, QStringLiteral("2"));
    Shown();
    window->cboSimboli->setFocus();
    QTest::keyClick(window->cboSimboli, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), window->opt2) << QApplication::focusWidget()->objectName().toStdString();
    QTest::keyClick(window->opt2, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), window->cboSoundOK);
}

TEST_F(LayoutTest, EnterOnAListOrCheckBoxStartsNothingAndNoButtonIsDefault)
{
    Shown();
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
        SCOPED_TRACE(button->objectName().toStdString());
        EXPECT_FALSE(button->isDefault());
    }
    for (QWidget* control : std::initializer_list<QWidget*>{window->cboImagesSet, window->cboSimboli,
                                                            window->cboSoundOK, window->cboSoundWrong,
                                                            window->chkMostraNomi, window->chkSuoni}) {
        SCOPED_TRACE(control->objectName().toStdString());
        control->setFocus();
        QTest::keyClick(control, Qt::Key_Return);
        QTest::keyClick(control, Qt::Key_Enter);
        QTest::keyClick(control, Qt::Key_Escape);
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

TEST_F(LayoutTest, ListsCannotBeTypedInto)
{
    app.MakeFolder(QStringLiteral("Set_Zoo"));
    Shown();
    for (QComboBox* list : {window->cboImagesSet, window->cboSimboli, window->cboSoundOK, window->cboSoundWrong}) {
        SCOPED_TRACE(list->objectName().toStdString());
        list->setFocus();
        QTest::keyClicks(list, QStringLiteral("qx9"));
        // Keys can only pick an entry; the text shown is always one of them.
        EXPECT_GE(list->findText(list->currentText(), Qt::MatchExactly), 0);
    }
}

TEST_F(LayoutTest, OpenSetLiesInFrontOfTheFrameAndIsClickable)
{
    Shown();
    const QPoint centre = window->cmdOpenSet->geometry().center();
    EXPECT_TRUE(window->Frame2->geometry().contains(centre));
    EXPECT_EQ(window->childAt(centre), window->cmdOpenSet);
    QTest::mouseClick(window->childAt(centre), Qt::LeftButton);
    EXPECT_EQ(runtime.openedFolders, QStringList{app.path() + QStringLiteral("\\Set_default")});
}

}  // namespace
}  // namespace lumari::test
