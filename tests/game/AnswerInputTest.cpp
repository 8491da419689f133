// Answers as learners give them, through the window's real input: a
// double-click is one answer, the digit keys answer like a click, Enter skips,
// and a screen reader reads each picture's caption.
#include "GameFixture.h"

#include <QAccessible>

#include <functional>

namespace lumari::test {
namespace {

class AnswerInput : public GameTest {
public:  // to the cases' actions
    using GameTest::ClickSymbol, GameTest::RightPosition, GameTest::WrongPosition;
    QPoint At(QWidget* w) const { return w->mapTo(window.data(), w->rect().center()); }
    void DoubleClick(int i) { QTest::mouseDClick(window->windowHandle(), Qt::LeftButton, {}, At(window->Simbolo(i))); }
    void Key(int key, Qt::KeyboardModifiers modifiers = {}) { QTest::keyClick(window->windowHandle(), Qt::Key(key), modifiers); }
    QString NameOf(QWidget* w) const { return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name); }
};

struct InputCase {
    const char* what;
    int placeholders;
    std::function<void(AnswerInput&)> act;
    int shown, correct, wrong, sounds;
};

TEST_F(AnswerInput, EachGestureCountsAsTheLearnerMeantIt)
{
    const InputCase cases[] = {
        {"double-click on the right symbol", 2, [](AnswerInput& t) { t.DoubleClick(t.RightPosition()); }, 2, 1, 0, 1},
        // The only placeholder is always right: the second click answers the next round.
        {"two slow clicks on one spot", 1, [](AnswerInput& t) { t.ClickSymbol(0); t.ClickSymbol(0); }, 3, 2, 0, 2},
        {"digit of the right symbol", 3, [](AnswerInput& t) { t.Key(Qt::Key_1 + t.RightPosition()); }, 2, 1, 0, 1},
        {"digit of a wrong symbol, twice", 3,
         [](AnswerInput& t) { t.Key(Qt::Key_1 + t.WrongPosition()); t.Key(Qt::Key_1 + t.WrongPosition()); }, 1, 0, 1, 2},
        {"keypad digit of the right symbol", 4,
         [](AnswerInput& t) { t.Key(Qt::Key_1 + t.RightPosition(), Qt::KeypadModifier); }, 2, 1, 0, 1},
        {"digits of no placeholder in use", 3,
         [](AnswerInput& t) {
             for (int k : {Qt::Key_4, Qt::Key_5, Qt::Key_0}) {
                 t.Key(k);
                 t.Key(k, Qt::KeypadModifier);
             }
         },
         1, 0, 0, 0},
        {"Enter and keypad Enter on \"Change set\"", 2,
         [](AnswerInput& t) { t.Key(Qt::Key_Return); t.Key(Qt::Key_Enter, Qt::KeypadModifier); }, 3, 0, 0, 0},
    };
    MakeSet({"a.jpg", "b.jpg", "c.jpg", "d.jpg"}, {"a.jpg", "b.jpg", "c.jpg", "d.jpg"});
    for (const InputCase& c : cases) {
        SCOPED_TRACE(c.what);
        module1 = Module1{.ShowLabels = kTrue, .PlaySounds = kTrue, .MaxPlaceholders = c.placeholders,
                          .WayToWork = kRandomWithRepeats, .SoundOk = "ok.wav", .SoundWrong = "error.wav",
                          .ImagesSet = "test"};
        runtime.playedSounds.clear();
        ASSERT_TRUE(StartGame() && QTest::qWaitForWindowActive(window));
        ASSERT_GE(RightPosition(), 0);
        c.act(*this);
        EXPECT_EQ(module1.SessionShown, c.shown);
        EXPECT_EQ(module1.SessionCorrect, c.correct);
        EXPECT_EQ(module1.SessionWrong, c.wrong);
        EXPECT_EQ(runtime.playedSounds.size(), c.sounds);
        EXPECT_EQ(window->focusWidget(), window->cmdCambia());  // no key took the focus
        delete window.data();
    }
}

TEST_F(AnswerInput, EachPictureIsNamedByItsCaptionShownOrNot)
{
    module1.MaxPlaceholders = 4;
    MakeSet({"a.jpg", "b.jpg", "c.jpg", "d.jpg"}, {"a.jpg", "b.jpg", "c.jpg", "d.jpg"});
    QStringList captions;  // of two rounds, shown: image then placeholders
    for (const bool shown : {true, false}) {
        SCOPED_TRACE(shown);
        module1.ShowLabels = shown ? kTrue : kFalse;
        runtime.Seed(7);  // the same rounds both times
        ASSERT_TRUE(StartGame() && QTest::qWaitForWindowActive(window));
        QStringList names;
        for (int round = 0; round < 2; ++round) {
            names << NameOf(window->Immagine());
            if (shown) captions << window->lblImmagine()->text();
            for (int i = 0; i < 4; ++i) {
                names << NameOf(window->Simbolo(i));
                if (shown) captions << window->lblSimbolo(i)->text();
            }
            Key(Qt::Key_1 + RightPosition());
        }
        EXPECT_EQ(names, captions);
        delete window.data();
    }
    EXPECT_EQ(captions.size(), 10);
    EXPECT_FALSE(captions.contains(QString()));
}

}  // namespace
}  // namespace lumari::test
