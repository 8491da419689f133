// A run's road on the real windows: "Start program" opens the game with the options chosen; the
// game's end is told once to each observer, the statistics and another, runs the hooks, then folds
// the game into the stored totals and opens the results, outside the routine that closed the game.
#include "app/GameFlow.h"
#include "game/frmMain.h"
#include "options/frmApertura.h"
#include "results/frmAbout.h"
#include "support/SteppingStopwatch.h"
#include "support/TestServices.h"

#include <QLabel>
#include <QTest>

namespace lumari::test {

struct Counts : GameObserver {
    void GameStarted(const GameStartedEvent& e) noexcept override { set = e.options.ImagesSet, placeholders = e.options.MaxPlaceholders; }
    void RoundShown(const RoundShownEvent&) noexcept override { ++rounds; }
    void GameEnded(const GameEndedEvent& e) noexcept override { ++ends, shown = e.tally.SessionShown, correct = e.tally.SessionCorrect; }
    QString set;
    int placeholders = 0, rounds = 0, ends = 0, shown = 0, correct = 0;
};

TEST(GameFlow, OptionsThenTheGameThenItsHooksThenTheResults)
{
    World w;
    w.app.MakeSet("Set_default", {"a.jpg", "b.jpg", "c.jpg"}, {"a.jpg", "b.jpg", "c.jpg"});
    const SteppingStopwatch clock;
    Counts told;
    GameFlow flow(w.services(), w.module1, clock);
    flow.AddObserver(&told);
    struct { int calls = 0, endsTold = -1; QString stored; bool resultsOpen = true; } hook;
    flow.AtGameEnd([&] {
        ++hook.calls, hook.endsTold = told.ends, hook.stored = w.Stored("Statistics", "Shown");
        hook.resultsOpen = !flow.results().isNull();
    });
    w.Store("GeneralSettings", "MaxPlaceholders", "3");
    w.Store("Statistics", "CorrectAnswers", "x");  // a damaged total: reported as the results open
    QString storedAtBox;
    w.boxes.whileOpen = [&](const ShownBox&) { storedAtBox = w.Stored("Statistics", "Shown"); };
    ASSERT_TRUE(flow.Start());
    QMetaObject::invokeMethod(flow.options()->findChild<QObject*>("OKButton"), "click");
    ASSERT_TRUE(flow.game() && flow.game()->isVisible());
    EXPECT_EQ(std::tuple(told.set, told.placeholders, told.rounds), std::tuple(QString("default"), 3, 1));
    const RoundState& round = flow.game()->game().round;
    int right = 0;
    while (round.symbolTags[std::size_t(right)] != round.imageTag) ++right;
    QTest::mouseClick(flow.game()->findChild<QWidget*>(QString("Simbolo%1").arg(right)), Qt::LeftButton);
    // The game window closed by the user: the hook, then the results, once the close is over.
    flow.game()->close();
    EXPECT_EQ(hook.calls, 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !flow.results().isNull(); }, 20000));
    EXPECT_EQ(hook.calls, 1);
    EXPECT_EQ(hook.endsTold, 1);     // the game's end was told once, before the hook ran,
    EXPECT_EQ(std::tuple(told.ends, told.shown, told.correct), std::tuple(1, 2, 1));
    EXPECT_FALSE(hook.resultsOpen);  // and the hook ran before the results opened
    EXPECT_EQ(hook.stored, "<missing>");
    EXPECT_EQ(w.boxes.Texts(), QStringList{"Error \"Type mismatch\" in Form_Load() routine"});
    EXPECT_EQ(storedAtBox, "<missing>");  // reported before anything is stored
    EXPECT_EQ(w.Stored("Statistics", "Shown") + w.Stored("Statistics", "CorrectAnswers"), "21");
    EXPECT_EQ(flow.results()->findChild<QLabel*>("lblEsito")->text(),
              "This session results:\r\nShown: 2 (answered: 1)\r\nCorrect answers: 1\r\nWrong answers: 0\r\n% of success: 100%");
    delete flow.results().data();
}

}  // namespace lumari::test
