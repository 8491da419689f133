// The word spoken in the real window: asked for as each image appears, on a
// click on the image and on R, only when the learner's access asks for
// speech; "Find the one I say" shows a speaker for the photo.
#include "game/GameSession.h"
#include "game/ImageBox.h"
#include "game/WordVoice.h"
#include "game/frmMain.h"
#include "support/SteppingStopwatch.h"
#include "support/TestServices.h"

#include <QLabel>
#include <QTest>

#include <functional>

namespace lumari::test {
namespace {

struct HeardWords : WordVoice {
    void Say(const QString& pair) noexcept override { said << pair; }
    QStringList said;
};

// A game of one placeholder, always the right one, for a learner with these access settings.
struct SpeakingGame {
    World w{3};
    SteppingStopwatch stopwatch;
    HeardWords voice;
    QPointer<frmMain> window;
    explicit SpeakingGame(const AccessOptions& access, bool captions = false)
    {
        w.app.MakeSet("Set_s", {"Cat.jpg", "dog.JPG"}, {"Cat.jpg", "dog.JPG"});
        GameOptions options{"s", captions, false, "", "", 1};
        options.access = access;
        window = new frmMain(w.services(), options, stopwatch);
        window->SpeakWith(&voice);
        window->Open();
    }
    ~SpeakingGame() { delete window.data(); }
    QWidget* Image() const { return window->findChild<QWidget*>("Immagine"); }
    void Key(int key) { QTest::keyClick(window.data(), Qt::Key(key)); }
};

AccessOptions Access(Speech speech, Task task, const char* scanKeys = nullptr)
{
    AccessOptions access;
    access.speech = speech, access.task = task;
    if (scanKeys) access.scanMs = 1000, access.scanKeys = *ScanKeysNamed(QString::fromLatin1(scanKeys));
    return access;
}

TEST(WordSpoken, TheWindowAsksAsEachImageAppearsOnAClickOnItAndOnROnlyWhenSpeaking)
{
    using enum Speech;
    using enum Task;
    // said: the words asked for after the act; answers: the answers given.
    const struct { const char* name; AccessOptions access; std::function<void(SpeakingGame&)> act; int said; int answers; } rows[] = {
        {"the first image", Access(Word, Match), [](SpeakingGame&) {}, 1, 0},
        {"a click on the image says it again", Access(Word, Match),
         [](SpeakingGame& g) { QTest::mouseClick(g.Image(), Qt::LeftButton); }, 2, 0},
        {"R says it again", Access(Word, Match), [](SpeakingGame& g) { g.Key(Qt::Key_R); }, 2, 0},
        {"the next image after a right answer", Access(Word, Match), [](SpeakingGame& g) { g.Key(Qt::Key_1); }, 2, 1},
        {"Find the one I say speaks without --speak", Access(Off, Spoken),
         [](SpeakingGame& g) { g.Key(Qt::Key_R); g.Key(Qt::Key_1); }, 3, 1},
        {"a switch sent as R selects and says nothing of its own", Access(Word, Match, "select=R"),
         [](SpeakingGame& g) { g.Key(Qt::Key_R); }, 2, 1},
        {"no speech: a voice given is never asked", Access(Off, Match),
         [](SpeakingGame& g) { g.Key(Qt::Key_R); QTest::mouseClick(g.Image(), Qt::LeftButton); g.Key(Qt::Key_1); }, 0, 1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        SpeakingGame g(row.access);
        ASSERT_TRUE(g.window);
        row.act(g);
        const GameTally& tally = g.window->session().tally();
        EXPECT_EQ(g.voice.said.size(), row.said);
        EXPECT_EQ(tally.SessionCorrect + tally.SessionWrong, row.answers);
        // The pair's name, never the file's: the image on show is the word said last.
        if (!g.voice.said.isEmpty()) {
            EXPECT_EQ(g.voice.said.last(), PairOfFile(g.window->game().round.imageTag));
        }
    }
}

TEST(WordSpoken, FindTheOneISayShowsASpeakerInsteadOfThePhotoAndNoCaption)
{
    for (const Task task : {Task::Match, Task::Spoken}) {
        SCOPED_TRACE(TaskName(task).toStdString());
        SpeakingGame g(Access(Speech::Word, task), true);
        const QImage shown = g.Image()->grab().toImage();
        int photo = 0;  // the set's photos are blue
        for (int y = 0; y < shown.height(); y += 4)
            for (int x = 0; x < shown.width(); x += 4) photo += shown.pixelColor(x, y).blue() > 200 && shown.pixelColor(x, y).red() < 60;
        const bool spoken = task == Task::Spoken;
        EXPECT_EQ(photo == 0, spoken) << photo;
        EXPECT_EQ(g.window->findChild<QLabel*>("lblImmagine")->isVisible(), !spoken);
        EXPECT_TRUE(g.window->findChild<QLabel*>("lblSimbolo0")->isVisible());
    }
}

}  // namespace
}  // namespace lumari::test
