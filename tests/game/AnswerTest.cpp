#include "GameFixture.h"

#include "game/Answer.h"
#include "platform/RuntimeError.h"
#include "results/frmAbout.h"

namespace lumari::test {
namespace {

class Answers : public GameTest {
protected:
    Answers()
    {
        module1.MaxPlaceholders = 3;
        MakeSet({"a.jpg", "b.jpg", "c.jpg", "d.jpg"}, {"a.jpg", "b.jpg", "c.jpg", "d.jpg"});
    }
    QString Ok() const { return Path("\\Sounds\\ok.wav"); }
    QString Wrong() const { return Path("\\Sounds\\error.wav"); }

    // Counts the results windows open now.
    static int ResultsWindows()
    {
        int n = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<frmAbout*>(w) && w->isVisible()) ++n;
        return n;
    }
};

TEST_F(Answers, RightFirstCountsSoundsAndDrawsTheNextRound)
{
    StartGame();
    ClickSymbol(RightPosition());
    EXPECT_EQ(module1.SessionCorrect, 1);
    EXPECT_EQ(module1.SessionWrong, 0);
    EXPECT_EQ(module1.SessionShown, 2);
    EXPECT_TRUE(window->game().round.firstAnswerPending);
    EXPECT_EQ(runtime.playedSounds, QStringList({Ok()}));
}

TEST_F(Answers, WrongWrongRightCountsOneWrongAndSoundsEachTime)
{
    StartGame();
    const RoundState first = window->game().round;
    ClickSymbol(WrongPosition());
    EXPECT_FALSE(window->game().round.firstAnswerPending);
    ClickSymbol(WrongPosition());
    // The round stays as it was.
    EXPECT_EQ(window->game().round.imageTag, first.imageTag);
    EXPECT_EQ(window->game().round.symbolTags, first.symbolTags);
    EXPECT_EQ(module1.SessionShown, 1);
    ClickSymbol(RightPosition());
    EXPECT_EQ(module1.SessionWrong, 1);
    EXPECT_EQ(module1.SessionCorrect, 0);
    EXPECT_EQ(module1.SessionShown, 2);
    EXPECT_EQ(runtime.playedSounds, QStringList({Wrong(), Wrong(), Ok()}));
}

TEST_F(Answers, SoundsOffCountsTheSameInSilence)
{
    module1.PlaySounds = kFalse;
    StartGame();
    ClickSymbol(WrongPosition());
    ClickSymbol(RightPosition());
    ClickSymbol(RightPosition());
    EXPECT_EQ(module1.SessionWrong, 1);
    EXPECT_EQ(module1.SessionCorrect, 1);
    EXPECT_EQ(module1.SessionShown, 3);
    EXPECT_TRUE(runtime.playedSounds.isEmpty());
}

TEST_F(Answers, NoWrongSoundChosenMakesWrongAnswersSilentOnly)
{
    module1.SoundWrong.clear();
    StartGame();
    ClickSymbol(WrongPosition());
    EXPECT_EQ(module1.SessionWrong, 1);
    EXPECT_TRUE(runtime.playedSounds.isEmpty());
    ClickSymbol(RightPosition());
    EXPECT_EQ(runtime.playedSounds, QStringList({Ok()}));
}

TEST_F(Answers, TagsDifferingInLetterCaseAreJudgedRight)
{
    RoundState round;
    round.imageTag = "Cat.jpg";
    round.symbolTags = {"CAT.JPG", "dog.jpg", "", ""};
    EXPECT_TRUE(IsRightAnswer(round, 0));
    EXPECT_FALSE(IsRightAnswer(round, 1));
    EXPECT_FALSE(IsRightAnswer(round, 2));
    EXPECT_THROW(IsRightAnswer(round, 4), RuntimeError);
}

TEST_F(Answers, LastImageOfAControlledSetSoundsThenEndsTheGameAndOpensTheResults)
{
    module1.WayToWork = kControlledRandom;
    StartGame();
    for (int n = 0; n < 3; ++n) ClickSymbol(RightPosition());
    ASSERT_TRUE(runtime.boxes.empty());
    EXPECT_EQ(ResultsWindows(), 0);

    int soundsWhenBoxShown = -1;
    runtime.onBox = [&](const ShownBox&) { soundsWhenBoxShown = int(runtime.playedSounds.size()); };
    ClickSymbol(RightPosition());  // the fourth and last image
    EXPECT_EQ(runtime.BoxTexts().value(0), "No more images to display");
    EXPECT_EQ(soundsWhenBoxShown, 4);  // the right sound started before the set ended
    EXPECT_EQ(module1.SessionCorrect, 4);
    EXPECT_EQ(module1.SessionShown, 4);
    EXPECT_EQ(ResultsWindows(), 1);
    EXPECT_FALSE(window && window->isVisible());
}

TEST_F(Answers, FiveSkipsThenCloseCountSixShownAndNoAnswer)
{
    module1.MaxPlaceholders = 2;
    app.MakeSet("Set_test", {"e.jpg", "f.jpg"}, {"e.jpg", "f.jpg"});  // six images in all
    StartGame();
    for (int n = 0; n < 5; ++n) Skip();
    EXPECT_EQ(module1.SessionShown, 6);
    EXPECT_TRUE(runtime.playedSounds.isEmpty());
    EXPECT_EQ(ResultsWindows(), 0);

    window->close();  // as the user does through the frame
    EXPECT_EQ(module1.SessionShown, 6);
    EXPECT_EQ(module1.SessionCorrect, 0);
    EXPECT_EQ(module1.SessionWrong, 0);
    EXPECT_EQ(ResultsWindows(), 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
}

TEST_F(Answers, ClosingRightAfterOpeningOpensOneResultsWindow)
{
    StartGame();
    window->close();
    EXPECT_EQ(ResultsWindows(), 1);
    EXPECT_EQ(module1.SessionShown, 1);
    EXPECT_EQ(module1.SessionCorrect + module1.SessionWrong, 0);
}

}  // namespace
}  // namespace lumari::test
