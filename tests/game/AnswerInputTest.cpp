// Answers as learners give them, through the window's real input: a
// double-click is one answer, digit keys answer as a click does, Enter skips,
// and a screen reader gets each picture's caption.
#include "game/frmMain.h"
#include "support/TestServices.h"

#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace lumari::test {
namespace {

struct Game {
    World w{7};  // the same seed: the same rounds
    QPointer<frmMain> window;
    Game(int placeholders, bool captions)
    {
        const QStringList names{"a.jpg", "b.jpg", "c.jpg", "d.jpg"};
        w.app.MakeSet("Set_s", names, names);
        w.module1 = {0, 0, 0, captions ? kTrue : kFalse, kTrue, placeholders, 1, "ok.wav", "error.wav", "s"};
        window = frmMain::Start(w.services(), w.module1);
        EXPECT_TRUE(window && QTest::qWaitForWindowActive(window));
    }
    ~Game() { delete window.data(); }
    int Position(bool right) const
    {
        const RoundState& r = window->game().round;
        for (int i = 0; i < w.module1.MaxPlaceholders; ++i)
            if ((r.symbolTags[std::size_t(i)].toUpper() == r.imageTag.toUpper()) == right) return i;
        return -1;
    }
    QWidget* Picture(int i) const { return window->findChild<QWidget*>(i < 0 ? "Immagine" : QString("Simbolo%1").arg(i)); }
    QPoint At(int i) const { return Picture(i)->geometry().center(); }
    void Key(int key, Qt::KeyboardModifiers with = {}) { QTest::keyClick(window->windowHandle(), Qt::Key(key), with); }
    void Click(int i) { QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, At(i)); }
};

TEST(AnswerInput, EachGestureCountsAsTheLearnerMeantIt)
{
    const struct {
        const char* what;
        int placeholders;
        std::function<void(Game&)> act;
        int shown, correct, wrong, sounds;
    } cases[] = {
        {"double-click on the right symbol", 2,
         [](Game& g) { QTest::mouseDClick(g.window->windowHandle(), Qt::LeftButton, {}, g.At(g.Position(true))); }, 2, 1, 0, 1},
        // The only placeholder is always right: the second click answers the next round.
        {"two slow clicks on one spot", 1, [](Game& g) { g.Click(0); g.Click(0); }, 3, 2, 0, 2},
        {"digit of the right symbol", 3, [](Game& g) { g.Key(Qt::Key_1 + g.Position(true)); }, 2, 1, 0, 1},
        {"digit of a wrong symbol, twice", 3,
         [](Game& g) { for (int i = 0; i < 2; ++i) g.Key(Qt::Key_1 + g.Position(false)); }, 1, 0, 1, 2},
        {"keypad digit of the right symbol", 4,
         [](Game& g) { g.Key(Qt::Key_1 + g.Position(true), Qt::KeypadModifier); }, 2, 1, 0, 1},
        {"digits of no placeholder in use", 3, [](Game& g) {
             for (auto with : {Qt::NoModifier, Qt::KeypadModifier})
                 for (int k : {Qt::Key_4, Qt::Key_5, Qt::Key_0}) g.Key(k, with);
         }, 1, 0, 0, 0},
        {"Enter and keypad Enter", 2, [](Game& g) { g.Key(Qt::Key_Return); g.Key(Qt::Key_Enter, Qt::KeypadModifier); }, 3, 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Game g(c.placeholders, true);
        ASSERT_GE(g.Position(true), 0);
        c.act(g);
        const Module1& m = g.w.module1;
        EXPECT_EQ(QList<int>({m.SessionShown, m.SessionCorrect, m.SessionWrong, int(g.w.sound.played.size())}),
                  QList<int>({c.shown, c.correct, c.wrong, c.sounds}));
        EXPECT_EQ(g.window->focusWidget(), g.window->findChild<QPushButton*>("cmdCambia"));  // no key took the focus
    }
}

TEST(AnswerInput, EachPictureIsNamedByItsCaptionShownOrNot)
{
    auto name = [](QWidget* w) { return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name); };
    QStringList captions, names[2];  // of two rounds: the image, then the placeholders
    for (const bool shown : {true, false}) {
        Game g(4, shown);
        for (int round = 0; round < 2; ++round, g.Key(Qt::Key_1 + g.Position(true))) {
            for (int i = -1; i < 4; ++i) {
                names[shown] << name(g.Picture(i));
                if (shown) captions << g.window->findChild<QLabel*>(i < 0 ? "lblImmagine" : QString("lblSimbolo%1").arg(i))->text();
            }
        }
    }
    EXPECT_EQ(names[true], captions);
    EXPECT_EQ(names[false], captions);
    EXPECT_TRUE(captions.size() == 10 && !captions.contains(QString()));
}

}  // namespace
}  // namespace lumari::test
