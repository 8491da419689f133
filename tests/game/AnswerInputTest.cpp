// Answers as learners give them, through the window's real input: a
// double-click is one answer, digit keys answer as a click does, Enter skips,
// and a screen reader gets each picture's caption.
#include "GameFixture.h"

#include <QAccessible>

#include <functional>

namespace lumari::test {
namespace {

class AnswerInput : public GameTest {
public:  // to the cases' actions
    using GameTest::ClickSymbol, GameTest::RightPosition, GameTest::WrongPosition;
    void Key(int key, Qt::KeyboardModifiers with = {}) { QTest::keyClick(window->windowHandle(), Qt::Key(key), with); }
    void DoubleClick(int i)
    {
        QTest::mouseDClick(window->windowHandle(), Qt::LeftButton, {}, window->Simbolo(i)->geometry().center());
    }
    QString Name(QWidget* w) const { return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name); }
};

TEST_F(AnswerInput, EachGestureCountsAsTheLearnerMeantIt)
{
    const struct {
        const char* what;
        int placeholders;
        std::function<void(AnswerInput&)> act;
        int shown, correct, wrong, sounds;
    } cases[] = {
        {"double-click on the right symbol", 2, [](AnswerInput& t) { t.DoubleClick(t.RightPosition()); }, 2, 1, 0, 1},
        // The only placeholder is always right: the second click answers the next round.
        {"two slow clicks on one spot", 1, [](AnswerInput& t) { t.ClickSymbol(0); t.ClickSymbol(0); }, 3, 2, 0, 2},
        {"digit of the right symbol", 3, [](AnswerInput& t) { t.Key(Qt::Key_1 + t.RightPosition()); }, 2, 1, 0, 1},
        {"digit of a wrong symbol, twice", 3,
         [](AnswerInput& t) { for (int i = 0; i < 2; ++i) t.Key(Qt::Key_1 + t.WrongPosition()); }, 1, 0, 1, 2},
        {"keypad digit of the right symbol", 4,
         [](AnswerInput& t) { t.Key(Qt::Key_1 + t.RightPosition(), Qt::KeypadModifier); }, 2, 1, 0, 1},
        {"digits of no placeholder in use", 3, [](AnswerInput& t) {
             for (auto with : {Qt::NoModifier, Qt::KeypadModifier})
                 for (int k : {Qt::Key_4, Qt::Key_5, Qt::Key_0}) t.Key(k, with);
         }, 1, 0, 0, 0},
        {"Enter and keypad Enter", 2,
         [](AnswerInput& t) { t.Key(Qt::Key_Return); t.Key(Qt::Key_Enter, Qt::KeypadModifier); }, 3, 0, 0, 0},
    };
    MakeSet({"a.jpg", "b.jpg", "c.jpg", "d.jpg"}, {"a.jpg", "b.jpg", "c.jpg", "d.jpg"});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        module1.SessionShown = module1.SessionCorrect = module1.SessionWrong = 0;
        module1.MaxPlaceholders = c.placeholders;
        runtime.playedSounds.clear();
        ASSERT_TRUE(StartGame() && QTest::qWaitForWindowActive(window) && RightPosition() >= 0);
        c.act(*this);
        const int sounds = int(runtime.playedSounds.size());
        EXPECT_EQ(QList<int>({module1.SessionShown, module1.SessionCorrect, module1.SessionWrong, sounds}),
                  QList<int>({c.shown, c.correct, c.wrong, c.sounds}));
        EXPECT_EQ(window->focusWidget(), window->cmdCambia());  // no key took the focus
        delete window.data();
    }
}

TEST_F(AnswerInput, EachPictureIsNamedByItsCaptionShownOrNot)
{
    module1.MaxPlaceholders = 4;
    MakeSet({"a.jpg", "b.jpg", "c.jpg", "d.jpg"}, {"a.jpg", "b.jpg", "c.jpg", "d.jpg"});
    QStringList captions;  // of two rounds shown with captions: image, then placeholders
    for (const bool shown : {true, false}) {
        module1.ShowLabels = shown ? kTrue : kFalse;
        runtime.Seed(7);  // the same rounds both times
        ASSERT_TRUE(StartGame() && QTest::qWaitForWindowActive(window));
        QStringList names;
        for (int round = 0; round < 2; ++round, Key(Qt::Key_1 + RightPosition())) {
            names << Name(window->Immagine());
            if (shown) captions << window->lblImmagine()->text();
            for (int i = 0; i < 4; ++i) {
                names << Name(window->Simbolo(i));
                if (shown) captions << window->lblSimbolo(i)->text();
            }
        }
        EXPECT_EQ(names, captions) << "captions shown: " << shown;
        delete window.data();
    }
    EXPECT_TRUE(captions.size() == 10 && !captions.contains(QString()));
}

}  // namespace
}  // namespace lumari::test
