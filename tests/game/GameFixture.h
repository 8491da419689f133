#pragma once

#include "QtPrinters.h"

#include "game/ImageBox.h"
#include "game/frmMain.h"
#include "state/Module1.h"
#include "support/TestFiles.h"
#include "support/TestRuntime.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace lumari::test {

// A game in a temporary executable folder with a seeded runtime, and the
// windows it opens closed again after each test.
class GameTest : public ::testing::Test {
protected:
    AppFolder app;
    TestRuntime runtime{app.path(), 7};
    Module1 module1;

    GameTest()
    {
        module1.ShowLabels = kTrue;
        module1.PlaySounds = kTrue;
        module1.MaxPlaceholders = 2;
        module1.WayToWork = kRandomWithRepeats;
        module1.SoundOk = QStringLiteral("ok.wav");
        module1.SoundWrong = QStringLiteral("error.wav");
        module1.ImagesSet = QStringLiteral("test");
    }

    ~GameTest() override
    {
        // Deleting does not run the closing routine, so no results window follows.
        for (QWidget* w : QApplication::topLevelWidgets()) delete w;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void MakeSet(const QStringList& images, const QStringList& symbols)
    {
        app.MakeSet(QStringLiteral("Set_test"), images, symbols);
    }

    frmMain* StartGame()
    {
        window = frmMain::Start(runtime, module1);
        return window.data();
    }

    // Placeholders in use whose tag is the image's name, letter case ignored.
    QList<int> RightPositions() const
    {
        QList<int> right;
        const RoundState& round = window->game().round;
        for (int i = 0; i < PlaceholdersInUse(module1.MaxPlaceholders); ++i)
            if (round.symbolTags[std::size_t(i)].toUpper() == round.imageTag.toUpper()) right << i;
        return right;
    }
    int RightPosition() const
    {
        const QList<int> right = RightPositions();
        return right.size() == 1 ? right.front() : -1;
    }
    int WrongPosition() const
    {
        for (int i = 0; i < PlaceholdersInUse(module1.MaxPlaceholders); ++i)
            if (i != RightPosition()) return i;
        return -1;
    }

    // A real click on the window at the centre of a widget: the window finds
    // what lies under the pointer.
    void ClickAt(QWidget* widget)
    {
        const QPoint inWindow = widget->mapTo(window.data(), widget->rect().center());
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, inWindow);
        QCoreApplication::processEvents();
    }
    void ClickSymbol(int index) { ClickAt(window->Simbolo(index)); }
    void Skip() { QTest::mouseClick(window->cmdCambia(), Qt::LeftButton); }

    QString Path(const QString& tail) const { return app.path() + tail; }

    QPointer<frmMain> window;
};

}  // namespace lumari::test
