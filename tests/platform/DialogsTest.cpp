// The real message and input boxes, answered by the test while they are open.
#include "platform/QtRuntime.h"
#include "support/TestFiles.h"

#include <QPushButton>
#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
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

class Dialogs : public ::testing::Test {
protected:
    test::AppFolder app;
    QtRuntime rt{app.path()};
};

TEST_F(Dialogs, MessageBoxStylesIconsButtonsAndCaption)
{
    struct Case {
        int style;
        QString title;
        QMessageBox::StandardButton press;
        QMessageBox::Icon icon;
        QString caption;
        int result;
    } cases[] = {
        {mb::OkOnly, "", QMessageBox::Ok, QMessageBox::NoIcon, "Lumari !", mb::Ok},
        {mb::Critical, "", QMessageBox::Ok, QMessageBox::Critical, "Lumari !", mb::Ok},
        {mb::Information, "Information", QMessageBox::Ok, QMessageBox::Information, "Information", mb::Ok},
        {mb::YesNo, "Confirm stats reset", QMessageBox::Yes, QMessageBox::NoIcon, "Confirm stats reset", mb::Yes},
        {mb::YesNo, "", QMessageBox::No, QMessageBox::NoIcon, "Lumari !", mb::No},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.style) + " " + c.title.toStdString());
        bool seen = false;
        WhenOpen<QMessageBox>([&](QMessageBox* box) {
            seen = true;
            EXPECT_EQ(box->windowTitle(), c.caption);
            EXPECT_EQ(box->icon(), c.icon);
            const bool yesNo = c.style == mb::YesNo;
            EXPECT_EQ(box->standardButtons(), yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok);
            EXPECT_EQ(box->standardButton(box->defaultButton()), yesNo ? QMessageBox::Yes : QMessageBox::Ok);
            // Names from disk show as they are, never as markup; CR LF is one line break.
            EXPECT_EQ(box->textFormat(), Qt::PlainText);
            EXPECT_EQ(box->text(), "<b>bold</b> &amp; <img src=x>.jpg\nline two");
            box->button(c.press)->click();
        });
        EXPECT_EQ(rt.MsgBox("<b>bold</b> &amp; <img src=x>.jpg\r\nline two", c.style, c.title), c.result);
        EXPECT_TRUE(seen);
    }
}

TEST_F(Dialogs, InputBoxGivesTheTextTypedOrEmptyOnCancel)
{
    WhenOpen<QInputDialog>([&](QInputDialog* d) {
        EXPECT_EQ(d->windowTitle(), "New set");
        EXPECT_EQ(d->labelText(), "Name of the new set:\nno blanks");
        d->findChild<QLineEdit*>()->setText("  Animals ");
        d->accept();
    });
    EXPECT_EQ(rt.InputBox("Name of the new set:\r\nno blanks", "New set"), "  Animals ");
    WhenOpen<QInputDialog>([](QInputDialog* d) {
        d->findChild<QLineEdit*>()->setText("typed then cancelled");
        d->reject();
    });
    EXPECT_EQ(rt.InputBox("Name?", ""), "");
}

}  // namespace
}  // namespace lumari
