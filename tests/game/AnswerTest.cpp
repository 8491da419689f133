#include "GameFixture.h"

#include "game/Answer.h"
#include "results/frmAbout.h"

namespace lumari::test {
namespace {

TEST(IsRightAnswer, JudgesTagsIgnoringLetterCase)
{
    RoundState round;
    round.imageTag = "Cat.jpg";
    round.symbolTags = {"CAT.JPG", "dog.jpg", "", ""};
    EXPECT_TRUE(IsRightAnswer(round, 0));
    EXPECT_FALSE(IsRightAnswer(round, 1));
}

// Symbol files differ from their images in letter case: they are found all the same, no report.
class Answers : public GameTest {
protected:
    Answers()
    {
        module1.MaxPlaceholders = 3;
        MakeSet({"A.jpg", "b.jpg", "c.jpg", "d.jpg"}, {"a.JPG", "B.jpg", "c.jpg", "d.jpg"});
    }
    static int ResultsWindows()
    {
        int n = 0;
        for (QWidget* w : QApplication::topLevelWidgets()) n += qobject_cast<frmAbout*>(w) && w->isVisible();
        return n;
    }
};

struct AnswerCase {
    const char* name;
    bool sounds;
    const char* soundWrong;
    const char* answers;  // R right, W wrong
    int correct, wrong, shown;
    const char* played;  // o ok sound, e error sound
};

TEST_F(Answers, OnlyTheFirstAnswerOfARoundCountsAndEachAnswerSounds)
{
    const AnswerCase cases[] = {
        {"right first", true, "error.wav", "R", 1, 0, 2, "o"},
        {"wrong, wrong, right", true, "error.wav", "WWR", 0, 1, 2, "eeo"},
        {"sounds off", false, "error.wav", "WRR", 1, 1, 3, ""},
        {"no wrong sound chosen", true, "", "WR", 0, 1, 2, "o"},
    };
    for (const AnswerCase& c : cases) {
        SCOPED_TRACE(c.name);
        module1.PlaySounds = c.sounds ? kTrue : kFalse;
        module1.SoundWrong = c.soundWrong;
        module1.SessionShown = module1.SessionCorrect = module1.SessionWrong = 0;
        runtime.playedSounds.clear();
        StartGame();
        for (const char* a = c.answers; *a; ++a) {
            const RoundState before = window->game().round;
            ClickSymbol(*a == 'R' ? RightPosition() : WrongPosition());
            if (*a == 'W') {  // the round stays as it was
                EXPECT_FALSE(window->game().round.firstAnswerPending);
                EXPECT_EQ(window->game().round.symbolTags, before.symbolTags);
            } else {
                EXPECT_TRUE(window->game().round.firstAnswerPending);
            }
        }
        EXPECT_EQ(module1.SessionCorrect, c.correct);
        EXPECT_EQ(module1.SessionWrong, c.wrong);
        EXPECT_EQ(module1.SessionShown, c.shown);
        QStringList played;
        for (const char* p = c.played; *p; ++p) played << Path(*p == 'o' ? "\\Sounds\\ok.wav" : "\\Sounds\\error.wav");
        EXPECT_EQ(runtime.playedSounds, played);
        delete window.data();
    }
    EXPECT_TRUE(runtime.boxes.empty());
}

TEST_F(Answers, ControlledSetShowsEachImageOnceThenSoundsEndsTheGameAndOpensTheResults)
{
    module1.WayToWork = kControlledRandom;
    StartGame();
    QStringList shown;
    for (int n = 0; n < 3; ++n, ClickSymbol(RightPosition())) shown << window->game().round.imageTag;
    shown << window->game().round.imageTag;
    shown.sort();
    EXPECT_EQ(shown, QStringList({"A.jpg", "b.jpg", "c.jpg", "d.jpg"}));
    EXPECT_EQ(window->game().images.Count(), 0);
    ASSERT_TRUE(runtime.boxes.empty());
    EXPECT_EQ(ResultsWindows(), 0);

    int soundsWhenBoxShown = -1;
    runtime.onBox = [&](const ShownBox&) { soundsWhenBoxShown = int(runtime.playedSounds.size()); };
    ClickSymbol(RightPosition());  // the fourth and last image
    ASSERT_EQ(runtime.boxes.size(), 1u);
    EXPECT_EQ(runtime.boxes[0].prompt, "No more images to display");
    EXPECT_EQ(runtime.boxes[0].title, "End of set");
    EXPECT_EQ(runtime.boxes[0].style, mb::OkOnly);
    EXPECT_EQ(soundsWhenBoxShown, 4);  // the right sound started before the set ended
    EXPECT_EQ(module1.SessionCorrect, 4);
    EXPECT_EQ(module1.SessionShown, 4);
    EXPECT_EQ(ResultsWindows(), 1);
    EXPECT_FALSE(window && window->isVisible());
}

TEST_F(Answers, FiveSkipsThenCloseCountSixShownNoAnswerAndOpenTheResults)
{
    StartGame();
    for (int n = 0; n < 5; ++n) Skip();
    EXPECT_EQ(module1.SessionShown, 6);
    EXPECT_TRUE(runtime.playedSounds.isEmpty());
    EXPECT_EQ(ResultsWindows(), 0);

    window->close();  // as the user does through the frame
    EXPECT_EQ(module1.SessionShown, 6);
    EXPECT_EQ(module1.SessionCorrect + module1.SessionWrong, 0);
    EXPECT_EQ(ResultsWindows(), 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
}

}  // namespace
}  // namespace lumari::test
