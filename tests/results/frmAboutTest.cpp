// The results window as a user meets it: its designed layout, its texts after
// loading, and Enter / Esc / OK closing it and with it the program.
#include "results/frmAbout.h"

#include "state/Module1.h"
#include "support/TestFiles.h"
#include "support/TestRuntime.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <functional>

#include <gtest/gtest.h>

namespace lumari {
namespace {

using test::AppFolder;
using test::TestRuntime;

class frmAboutTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::ClearSettings();
        module1.SessionShown = 10;
        module1.SessionCorrect = 6;
        module1.SessionWrong = 2;
    }
    void TearDown() override
    {
        if (window) window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        test::ClearSettings();
    }

    frmAbout* Open()
    {
        window = frmAbout::Start(runtime, module1);
        EXPECT_TRUE(QTest::qWaitForWindowActive(window));
        return window;
    }

    // Deleted once closed: the window is gone for good.
    bool Gone()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return window.isNull();
    }

    AppFolder app;
    TestRuntime runtime{app.path()};
    Module1 module1;
    QPointer<frmAbout> window;
};

TEST_F(frmAboutTest, DesignedGeometryAndLook)
{
    frmAbout* w = Open();
    EXPECT_EQ(w->size(), QSize(382, 340));  // 5730 x 5100 twips
    EXPECT_EQ(w->minimumSize(), w->maximumSize());
    EXPECT_EQ(w->geometry().topLeft(), QPoint(156, 129));  // client area at 2340, 1935 twips
    const Qt::WindowFlags flags = w->windowFlags();
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(w->windowIcon().isNull());

    struct Placed {
        QWidget* widget;
        QRect rect;
    };
    for (const Placed& p : {Placed{w->picIcon, {16, 16, 32, 32}}, Placed{w->lblTitle, {70, 16, 259, 32}},
                            Placed{w->lblVersion, {70, 52, 259, 15}}, Placed{w->lblDescription, {72, 75, 259, 70}},
                            Placed{w->lblDisclaimer, {17, 175, 258, 39}}, Placed{w->cmdOK, {283, 192, 84, 23}},
                            Placed{w->lblEsito, {8, 240, 171, 86}}, Placed{w->lblStatistiche, {200, 240, 171, 86}}}) {
        EXPECT_EQ(p.widget->geometry(), p.rect) << p.widget->objectName().toStdString();
    }

    EXPECT_EQ(w->picIcon->pixmap().size(), QSize(32, 32));
    EXPECT_EQ(w->lblStatistiche->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    for (QLabel* black : {w->lblTitle, w->lblDescription, w->lblDisclaimer, w->lblEsito})
        EXPECT_EQ(black->palette().color(QPalette::WindowText), QColor(Qt::black)) << black->objectName().toStdString();
    for (QLabel* label : {w->lblTitle, w->lblVersion, w->lblDescription, w->lblDisclaimer, w->lblEsito,
                          w->lblStatistiche})
        EXPECT_TRUE(label->wordWrap()) << label->objectName().toStdString();
    EXPECT_TRUE(w->lblDisclaimer->text().contains("non-commercial"));
    EXPECT_EQ(w->cmdOK->text(), "OK");
    EXPECT_TRUE(w->cmdOK->isDefault());
    EXPECT_TRUE(w->cmdOK->hasFocus());
}

TEST_F(frmAboutTest, EtchedSeparatorsAsPositioned)
{
    const QImage image = Open()->grab().toImage();
    const QColor grey(128, 128, 128), white(Qt::white);
    // Height 2400 twips: the grey line over the first row of the white one.
    EXPECT_EQ(image.pixelColor(6, 160), grey);
    EXPECT_EQ(image.pixelColor(377, 160), grey);
    EXPECT_EQ(image.pixelColor(7, 161), white);
    EXPECT_EQ(image.pixelColor(377, 161), white);
    EXPECT_NE(image.pixelColor(6, 161), white);
    EXPECT_NE(image.pixelColor(378, 160), grey);
    // Height 3360 twips: grey, then the white line one pixel lower.
    EXPECT_EQ(image.pixelColor(8, 224), grey);
    EXPECT_EQ(image.pixelColor(379, 224), grey);
    EXPECT_EQ(image.pixelColor(9, 225), white);
    EXPECT_EQ(image.pixelColor(9, 226), white);
    EXPECT_NE(image.pixelColor(9, 227), white);
}

TEST_F(frmAboutTest, ShowsTheLoadedTexts)
{
    frmAbout* w = Open();
    EXPECT_EQ(w->windowTitle(), "About Lumari !");
    EXPECT_EQ(w->lblTitle->text(), "Lumari !");
    EXPECT_EQ(w->lblVersion->text(), "Version 3.0.0");
    EXPECT_TRUE(w->lblDescription->text().contains("K. Orvel"));
    EXPECT_TRUE(w->lblEsito->text().endsWith("% of success: 75%"));
    EXPECT_TRUE(w->lblStatistiche->text().startsWith("Statistical results:\r\nProgram used 0 times\r\n"));
}

TEST_F(frmAboutTest, TextsFitTheirLabels)
{
    frmAbout* w = Open();  // the statistics report has six lines
    for (QLabel* label : {w->lblDescription, w->lblDisclaimer, w->lblEsito, w->lblStatistiche}) {
        const int needed = label->heightForWidth(label->width());
        EXPECT_LE(needed, label->height()) << label->objectName().toStdString() << "\n"
                                           << label->text().toStdString();
    }
}

// OK is the default and the cancel button: Enter, Esc and a click close the
// window wherever the focus is, without any report.
TEST_F(frmAboutTest, EnterEscAndOkClose)
{
    struct Way {
        const char* name;
        std::function<void(frmAbout*)> press;
    };
    const Way ways[] = {
        {"Enter on OK", [](frmAbout* w) { QTest::keyClick(w->cmdOK, Qt::Key_Return); }},
        {"keypad Enter elsewhere",
         [](frmAbout* w) {
             w->cmdOK->clearFocus();
             QTest::keyClick(w, Qt::Key_Enter);
         }},
        {"Esc on a label",
         [](frmAbout* w) {
             w->lblEsito->setFocusPolicy(Qt::StrongFocus);
             w->lblEsito->setFocus();
             QTest::keyClick(w->lblEsito, Qt::Key_Escape);
         }},
        {"click", [](frmAbout* w) { QTest::mouseClick(w->cmdOK, Qt::LeftButton); }},
    };
    for (const Way& way : ways) {
        way.press(Open());
        EXPECT_TRUE(Gone()) << way.name;
    }
    EXPECT_TRUE(runtime.boxes.empty());
}

// Closing the results window, the last one of a run, ends the program with
// exit status 0.
TEST_F(frmAboutTest, ClosingTheLastWindowEndsTheProgram)
{
    ASSERT_TRUE(QApplication::topLevelWidgets().isEmpty() ||
                std::none_of(QApplication::topLevelWidgets().cbegin(), QApplication::topLevelWidgets().cend(),
                             [](QWidget* w) { return w->isVisible(); }));
    window = frmAbout::Start(runtime, module1);
    QTimer::singleShot(0, window, [this] {
        (void)QTest::qWaitForWindowActive(window);
        QTest::keyClick(window, Qt::Key_Escape);
    });
    QTimer hangGuard;  // only stops a broken build from hanging the test run
    hangGuard.setSingleShot(true);
    QObject::connect(&hangGuard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    hangGuard.start(60000);
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_TRUE(Gone());
}

}  // namespace
}  // namespace lumari
