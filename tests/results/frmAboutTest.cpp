// The results window as a user meets it: its designed layout, its texts after
// loading, and Enter / Esc / OK closing it and with it the program.
#include "results/frmAbout.h"

#include "state/Module1.h"
#include "state/SettingsKeys.h"
#include "support/TestFiles.h"
#include "support/TestRuntime.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

#include <gtest/gtest.h>

namespace lumari {
namespace {

class frmAboutTest : public ::testing::Test {
protected:
    void SetUp() override { test::ClearSettings(); }
    void TearDown() override
    {
        if (window) window->close();
        EXPECT_TRUE(Gone());
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

    test::AppFolder app;
    test::TestRuntime runtime{app.path()};
    Module1 module1{.SessionShown = 10, .SessionCorrect = 6, .SessionWrong = 2};
    QPointer<frmAbout> window;
};

TEST_F(frmAboutTest, OpensAsDesignedWithTheLoadedTexts)
{
    frmAbout* w = Open();
    EXPECT_EQ(w->geometry(), QRect(156, 129, 382, 340));  // 5730 x 5100 twips at 2340, 1935
    EXPECT_EQ(w->minimumSize(), w->maximumSize());
    EXPECT_EQ(w->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                                  Qt::WindowCloseButtonHint),
              Qt::WindowCloseButtonHint);
    EXPECT_FALSE(w->windowIcon().isNull());
    EXPECT_EQ(w->picIcon->pixmap().size(), QSize(32, 32));
    EXPECT_EQ(w->lblStatistiche->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_TRUE(w->cmdOK->isDefault() && w->cmdOK->hasFocus() && w->cmdOK->text() == "OK");
    for (const auto& [widget, rect] : {std::pair<QWidget*, QRect>{w->picIcon, {16, 16, 32, 32}},
                                       {w->lblTitle, {70, 16, 259, 32}},       {w->lblVersion, {70, 52, 259, 15}},
                                       {w->lblDescription, {72, 75, 259, 70}}, {w->lblDisclaimer, {17, 175, 258, 39}},
                                       {w->cmdOK, {283, 192, 84, 23}},         {w->lblEsito, {8, 240, 171, 86}},
                                       {w->lblStatistiche, {200, 240, 171, 86}}})
        EXPECT_EQ(widget->geometry(), rect) << widget->objectName().toStdString();

    // The etched separators: grey over the first row of the white line at
    // 2400 twips; at 3360 twips the white line one pixel below the grey.
    const QImage image = w->grab().toImage();
    const QColor grey(128, 128, 128), white(Qt::white);
    for (const QPoint& at : {QPoint(6, 160), QPoint(377, 160), QPoint(8, 224), QPoint(379, 224)})
        EXPECT_EQ(image.pixelColor(at), grey) << at.x() << "," << at.y();
    for (const QPoint& at : {QPoint(7, 161), QPoint(377, 161), QPoint(9, 225), QPoint(9, 226)})
        EXPECT_EQ(image.pixelColor(at), white) << at.x() << "," << at.y();
    EXPECT_NE(image.pixelColor(6, 161), white);
    EXPECT_NE(image.pixelColor(378, 160), grey);
    EXPECT_NE(image.pixelColor(9, 227), white);

    EXPECT_EQ(w->windowTitle(), "About Lumari !");
    EXPECT_EQ(w->lblTitle->text(), "Lumari !");
    EXPECT_EQ(w->lblVersion->text(), "Version 3.0.0");
    const QStringList credits = w->lblDescription->text().split("\r\n");
    ASSERT_EQ(credits.size(), 4);
    EXPECT_TRUE(credits[0].contains("K. Orvel") && credits[0].contains("2008")) << credits[0].toStdString();
    EXPECT_TRUE(credits[1].contains(keys::kContactValue) && credits[1].contains(keys::kWebsiteValue));
    EXPECT_TRUE(credits[2].isEmpty());
    EXPECT_TRUE(credits[3].contains("example.org") && credits[3].contains("sound")) << credits[3].toStdString();
    EXPECT_TRUE(w->lblEsito->text().endsWith("% of success: 75%"));
    EXPECT_TRUE(w->lblStatistiche->text().startsWith("Statistical results:\r\nProgram used 0 times\r\n"));
    // Every text fits its label, the six-line statistics report included.
    for (QLabel* label : {w->lblDescription, w->lblDisclaimer, w->lblEsito, w->lblStatistiche}) {
        EXPECT_TRUE(label->wordWrap()) << label->objectName().toStdString();
        EXPECT_LE(label->heightForWidth(label->width()), label->height()) << label->text().toStdString();
    }
}

// OK is the default and the cancel button: Enter, Esc and a click close the
// window wherever the focus is, without any report.
TEST_F(frmAboutTest, EnterEscAndOkClose)
{
    const std::pair<const char*, std::function<void(frmAbout*)>> ways[] = {
        {"Enter on OK", [](frmAbout* w) { QTest::keyClick(w->cmdOK, Qt::Key_Return); }},
        {"keypad Enter elsewhere", [](frmAbout* w) { w->cmdOK->clearFocus(); QTest::keyClick(w, Qt::Key_Enter); }},
        {"Esc on a label", [](frmAbout* w) {
             w->lblEsito->setFocusPolicy(Qt::StrongFocus);
             w->lblEsito->setFocus();
             QTest::keyClick(w->lblEsito, Qt::Key_Escape);
         }},
        {"click", [](frmAbout* w) { QTest::mouseClick(w->cmdOK, Qt::LeftButton); }},
    };
    for (const auto& [name, press] : ways) {
        press(Open());
        EXPECT_TRUE(Gone()) << name;
    }
    EXPECT_TRUE(runtime.boxes.empty());
}

// The results window is the last one of a run: closing it ends the program
// with exit status 0.
TEST_F(frmAboutTest, ClosingTheLastWindowEndsTheProgram)
{
    window = frmAbout::Start(runtime, module1);
    QTimer::singleShot(0, window, [this] {
        (void)QTest::qWaitForWindowActive(window);
        QTest::keyClick(window, Qt::Key_Escape);
    });
    QTimer::singleShot(60000, window, [] { QCoreApplication::exit(99); });  // stops a broken build from hanging
    EXPECT_EQ(QApplication::exec(), 0);
}

}  // namespace
}  // namespace lumari
