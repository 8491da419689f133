#pragma once

#include "game/ImageBox.h"
#include "game/frmMain.h"
#include "state/Module1.h"
#include "support/TestFiles.h"
#include "support/TestRuntime.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <ostream>

// Readable failure messages for Qt strings.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QStringList& list, std::ostream* os) { *os << '{' << list.join("\", \"").toStdString() << '}'; }
inline void PrintTo(const QByteArray& bytes, std::ostream* os) { *os << '"' << bytes.toStdString() << '"'; }

namespace lumari::test {

// A game in a temporary executable folder with a seeded runtime; the windows
// it opens are deleted after each test (deleting skips the closing routine,
// so no results window follows).
class GameTest : public ::testing::Test {
protected:
    AppFolder app;
    TestRuntime runtime{app.path(), 7};
    Module1 module1;
    QPointer<frmMain> window;

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
        for (QWidget* w : QApplication::topLevelWidgets()) delete w;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void MakeSet(const QStringList& images, const QStringList& symbols) { app.MakeSet("Set_test", images, symbols); }
    frmMain* StartGame() { return (window = frmMain::Start(runtime, module1)).data(); }

    // Placeholders in use whose tag is the image's name, letter case ignored.
    QList<int> RightPositions() const
    {
        QList<int> right;
        const RoundState& round = window->game().round;
        for (int i = 0; i < PlaceholdersInUse(module1.MaxPlaceholders); ++i)
            if (round.symbolTags[std::size_t(i)].toUpper() == round.imageTag.toUpper()) right << i;
        return right;
    }
    int RightPosition() const { return RightPositions().size() == 1 ? RightPositions().front() : -1; }
    int WrongPosition() const
    {
        for (int i = 0; i < PlaceholdersInUse(module1.MaxPlaceholders); ++i)
            if (i != RightPosition()) return i;
        return -1;
    }

    // A real click on the window at a widget's centre: the window finds what lies under the pointer.
    void ClickAt(QWidget* widget)
    {
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, widget->mapTo(window.data(), widget->rect().center()));
        QCoreApplication::processEvents();
    }
    void ClickSymbol(int index) { ClickAt(window->Simbolo(index)); }
    void Skip() { QTest::mouseClick(window->cmdCambia(), Qt::LeftButton); }
    QString Path(const QString& tail) const { return app.path() + tail; }
};

}  // namespace lumari::test
