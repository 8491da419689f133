// A run's road on the real windows: "Start program" opens the game; the game's end runs the hooks,
// then opens the results, outside the routine that closed the game.
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
    void RoundShown(const RoundShownEvent&) noexcept override { ++rounds; }
    void GameEnded(const GameEndedEvent&) noexcept override { ++ends; }
    int rounds = 0, ends = 0;
};

TEST(GameFlow, OptionsThenTheGameThenItsHooksThenTheResults)
{
    World w;
    w.app.MakeSet("Set_default", {"a.jpg", "b.jpg"}, {"a.jpg", "b.jpg"});
    const SteppingStopwatch clock;
    Counts told;
    GameFlow flow(w.services(), w.module1, clock);
    flow.SetObserver(&told);
    struct { int calls = 0, endsTold = -1; bool resultsOpen = true; } hook;
    flow.AtGameEnd([&] { ++hook.calls, hook.endsTold = told.ends, hook.resultsOpen = !flow.results().isNull(); });
    ASSERT_TRUE(flow.Start());
    QMetaObject::invokeMethod(flow.options()->findChild<QObject*>("OKButton"), "click");
    ASSERT_TRUE(flow.game() && flow.game()->isVisible());
    EXPECT_EQ(w.module1.SessionShown, 1);  // the first round, drawn by the game's start-up
    EXPECT_EQ(told.rounds, 1);
    // The game window closed by the user: the hook, then the results, once the close is over.
    flow.game()->close();
    EXPECT_EQ(hook.calls, 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !flow.results().isNull(); }, 20000));
    EXPECT_EQ(hook.calls, 1);
    EXPECT_EQ(hook.endsTold, 1);     // the game's end was told before the hook ran,
    EXPECT_FALSE(hook.resultsOpen);  // and the hook ran before the results opened
    EXPECT_EQ(flow.results()->findChild<QLabel*>("lblEsito")->text(), "This session results:\r\n*** No answers given ***");
    delete flow.results().data();
}

}  // namespace lumari::test
