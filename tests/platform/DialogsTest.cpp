// The real message and input boxes, answered by the test while they are open.
#include "platform/AppInfo.h"
#include "platform/ErrorTrap.h"
#include "platform/QtRuntime.h"
#include "support/TestFiles.h"

#include <QAbstractButton>
#include <QApplication>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace lumari {
namespace {

// Runs the handler on the next modal box to open, from the box's own event loop.
template <typename Box>
void WhenOpen(std::function<void(Box*)> handler)
{
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, handler] {
        if (auto* box = qobject_cast<Box*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            handler(box);
        }
    });
    timer->start();
}

struct SeenBox {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    Qt::TextFormat format = Qt::AutoText;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

SeenBox ShowAndAnswer(QtRuntime& rt, const QString& prompt, int style, const QString& title,
                      QMessageBox::StandardButton answer, int* result)
{
    SeenBox seen;
    WhenOpen<QMessageBox>([&](QMessageBox* box) {
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        seen.format = box->textFormat();
        seen.buttons = box->standardButtons();
        seen.defaultButton = box->standardButton(box->defaultButton());
        box->button(answer)->click();
    });
    *result = rt.MsgBox(prompt, style, title);
    return seen;
}

TEST(MessageBox, StylesIconsButtonsAndCaption)
{
    test::AppFolder app;
    QtRuntime rt(app.path());
    struct Case {
        int style;
        QString title;
        QMessageBox::StandardButton press;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
        QString caption;
        int result;
    } cases[] = {
        {mb::OkOnly, "", QMessageBox::Ok, QMessageBox::NoIcon, QMessageBox::Ok, kAppTitle, mb::Ok},
        {mb::Critical, "", QMessageBox::Ok, QMessageBox::Critical, QMessageBox::Ok, "Lumari !", mb::Ok},
        {mb::Critical, "WARNING !!!", QMessageBox::Ok, QMessageBox::Critical, QMessageBox::Ok, "WARNING !!!", mb::Ok},
        {mb::Information, "Information", QMessageBox::Ok, QMessageBox::Information, QMessageBox::Ok, "Information",
         mb::Ok},
        {mb::YesNo, "Confirm stats reset", QMessageBox::Yes, QMessageBox::NoIcon,
         QMessageBox::Yes | QMessageBox::No, "Confirm stats reset", mb::Yes},
        {mb::YesNo, "", QMessageBox::No, QMessageBox::NoIcon, QMessageBox::Yes | QMessageBox::No, "Lumari !", mb::No},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.style) + " " + c.title.toStdString());
        int result = 0;
        const SeenBox seen = ShowAndAnswer(rt, "line one\r\nline two", c.style, c.title, c.press, &result);
        EXPECT_EQ(seen.title, c.caption);
        EXPECT_EQ(seen.icon, c.icon);
        EXPECT_EQ(seen.buttons, c.buttons);
        EXPECT_EQ(seen.defaultButton, c.style == mb::YesNo ? QMessageBox::Yes : QMessageBox::Ok);
        EXPECT_EQ(seen.text, "line one\nline two");
        EXPECT_EQ(result, c.result);
    }
}

TEST(MessageBox, NamesFromDiskShowAsPlainText)
{
    test::AppFolder app;
    QtRuntime rt(app.path());
    int result = 0;
    const QString name = "<b>bold</b> &amp; <img src=x>.jpg";
    const SeenBox seen = ShowAndAnswer(rt, name, mb::Critical, "", QMessageBox::Ok, &result);
    EXPECT_EQ(seen.format, Qt::PlainText);
    EXPECT_EQ(seen.text, name);
}

TEST(MessageBox, EnterTakesTheDefaultYes)
{
    test::AppFolder app;
    QtRuntime rt(app.path());
    WhenOpen<QMessageBox>([](QMessageBox* box) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(box, &press);
    });
    EXPECT_EQ(rt.MsgBox("Clear?", mb::YesNo, "Confirm stats reset"), mb::Yes);
}

TEST(MessageBox, TheErrorTrapShowsTheCommonBox)
{
    test::AppFolder app;
    QtRuntime rt(app.path());
    SeenBox seen;
    WhenOpen<QMessageBox>([&](QMessageBox* box) {
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        seen.buttons = box->standardButtons();
        box->button(QMessageBox::Ok)->click();
    });
    bool nextStepRan = false;
    ErrorTrap trap(rt, "Casuale", ErrorTrap::Kind::Function);
    trap([] { throw RuntimeError(err::SubscriptOutOfRange); });
    trap([&] { nextStepRan = true; });
    EXPECT_EQ(seen.title, "Lumari !");
    EXPECT_EQ(seen.text, "Error \"Subscript out of range\" in Casuale() function");
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
    EXPECT_EQ(seen.buttons, QMessageBox::Ok);
    EXPECT_TRUE(nextStepRan);
}

TEST(InputBox, TextTypedOrEmptyOnCancel)
{
    test::AppFolder app;
    QtRuntime rt(app.path());
    QString seenTitle, seenLabel;
    WhenOpen<QInputDialog>([&](QInputDialog* d) {
        seenTitle = d->windowTitle();
        seenLabel = d->labelText();
        d->findChild<QLineEdit*>()->setText("  Animals ");
        d->accept();
    });
    EXPECT_EQ(rt.InputBox("Name of the new set:\r\nno blanks", "New set"), "  Animals ");
    EXPECT_EQ(seenTitle, "New set");
    EXPECT_EQ(seenLabel, "Name of the new set:\nno blanks");

    WhenOpen<QInputDialog>([](QInputDialog* d) {
        d->findChild<QLineEdit*>()->setText("typed then cancelled");
        d->reject();
    });
    EXPECT_EQ(rt.InputBox("Name?", ""), "");
}

}  // namespace
}  // namespace lumari
