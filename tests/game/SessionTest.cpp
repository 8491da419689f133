// One game without a window against the plain routines, the events it tells, and the window that
// paints what it gives.
#include "PlainRounds.h"
#include "game/GameSession.h"
#include "game/ImageBox.h"
#include "game/frmMain.h"
#include "support/SteppingStopwatch.h"

#include <QBuffer>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <sys/stat.h>

namespace lumari::test {
namespace {

using std::chrono::milliseconds;

// The game window's boxes at 96 dots per inch.
const QSize kImageBox(600, 300), kSymbolBox(201, 201);
QSize BoxOf(int target) { return target == kImageTarget ? kImageBox : kSymbolBox; }

QStringList Texts(const std::vector<HeldBox>& boxes)
{
    QStringList texts;
    for (const HeldBox& b : boxes) texts << QString("%1|%2|%3").arg(b.prompt).arg(b.style).arg(b.title);
    return texts;
}

// Plays of the differential test: a set in the options' terms and the steps, R a right answer,
// W a wrong one, S "Change set". The first set holds pictures that cannot be shown.
struct Play {
    int placeholders;
    std::int16_t way, labels;
    QStringList images, symbols;
    QString steps;
};
const QStringList kFive = {"a.jpg", "b.jpg", "c.jpg", "d.jpg", "e.jpg"};
const Play kPlays[] = {
    {4, kRandomWithRepeats, kTrue, {"Cat.jpg", "bad.jpg", "zero.jpg", "png.jpg", "lost.jpg"},
     {"cat.jpg", "bad.jpg", "zero.jpg", "png.jpg", "x.jpg"}, "RRSWRWWRSSRRRSRWRSRRSRRRWSRRSRRSSRRWRRSR"},
    {3, kControlledRandom, kFalse, kFive, kFive, "RSWRSRR"},
    {3, kRandomWithRepeats, kTrue, {"b.jpg"}, {"a.jpg", "A.JPG", "b.jpg"}, "RSWR"},
    {2, kRandomWithRepeats, kTrue, kFive, {"a.jpg"}, "RSW"},
};

// The play's set, larger than its boxes, each name in a colour of its own; then damaged pictures.
void MakeSet(World& w, const Play& play)
{
    w.module1.MaxPlaceholders = play.placeholders, w.module1.WayToWork = play.way, w.module1.ShowLabels = play.labels;
    w.module1.ImagesSet = "t", w.module1.PlaySounds = kTrue, w.module1.SoundOk = "ok.wav", w.module1.SoundWrong = "no.wav";
    for (const QString& n : play.images) w.app.WriteJpeg("Set_t/Images/" + n, QColor::fromHsv(int(qHash(n) % 360), 255, 255), {640, 480});
    for (const QString& n : play.symbols) w.app.WriteJpeg("Set_t/Symbols/" + n, QColor::fromHsv(int(qHash(n) % 360), 99, 255), {320, 320});
    if (!play.images.contains("bad.jpg")) return;
    w.app.WriteFile("Set_t/Images/bad.jpg", "\xff\xd8\xff\xe0 not a picture");
    w.app.WriteFile("Set_t/Symbols/zero.jpg", "");
    ASSERT_TRUE(QImage(w.app("Set_t/Images/Cat.jpg")).save(w.app("Set_t/Images/png.jpg"), "PNG"));
}

void ExpectSame(const ShownRound& real, const ShownRound& plain)
{
    EXPECT_EQ(real.drawn, plain.drawn);
    EXPECT_EQ(real.imageTag, plain.imageTag);
    EXPECT_EQ(real.symbolTags, plain.symbolTags);
    EXPECT_EQ(real.rightPosition, plain.rightPosition);
    EXPECT_EQ(Texts(real.boxes), Texts(plain.boxes));
    EXPECT_EQ(real.setEnded, plain.setEnded);
    ASSERT_EQ(real.pictures.size(), plain.pictures.size());
    for (std::size_t i = 0; i < real.pictures.size(); ++i) {
        const ShownPicture &r = real.pictures[i], &p = plain.pictures[i];
        SCOPED_TRACE(p.target);
        EXPECT_EQ(r.target, p.target);
        EXPECT_EQ(r.tag, p.tag);
        EXPECT_EQ(r.cleared, p.cleared);
        EXPECT_EQ(r.caption, p.caption);
        EXPECT_EQ(r.error ? r.error->number() : 0, p.error ? p.error->number() : 0);
        EXPECT_TRUE(r.image == p.image);
        EXPECT_EQ(r.image.size(), p.image.isNull() ? QSize(0, 0) : BoxOf(p.target));  // decoded at the size shown
    }
}

// The game (rounds drawn ahead, pictures decoded on workers, symbols cached) gives what the plain routines give.
TEST(GameSession, GivesWhatThePlainRoutinesGive)
{
    for (const Play& play : kPlays) {
        SCOPED_TRACE(play.steps.toStdString());
        World plainWorld(3), realWorld(3);
        MakeSet(plainWorld, play), MakeSet(realWorld, play);
        PlainRounds plain(plainWorld, kImageBox, kSymbolBox);
        const SteppingStopwatch stopwatch;
        GameSession real(realWorld.services(), realWorld.module1, stopwatch, nullptr, BoxOf);
        ExpectSame(real.Start(), plain.Start());
        for (int step = 0; step < play.steps.size() && !real.ended(); ++step) {
            SCOPED_TRACE(step);
            const QChar s = play.steps[step];
            const int position = plain.Position(s == 'R');
            if (s == 'S') ExpectSame(real.ChangeSet(), plain.Next());
            else ExpectSame(real.Answer(position), plain.Answer(position));
            const Module1 &r = realWorld.module1, &p = plainWorld.module1;
            EXPECT_EQ(r.SessionShown, p.SessionShown);
            EXPECT_EQ(r.SessionCorrect, p.SessionCorrect);
            EXPECT_EQ(r.SessionWrong, p.SessionWrong);
            EXPECT_EQ(real.game().images.Count(), plain.g.images.Count());
            EXPECT_EQ(QStringList(realWorld.sound.played).replaceInStrings(realWorld.app.path(), ""),
                      QStringList(plainWorld.sound.played).replaceInStrings(plainWorld.app.path(), ""));
        }
        EXPECT_EQ(real.ended(), plain.closed);
    }
}

// The window paints what the game gives: each box its picture at its size, each label its caption.
TEST(GameSession, TheWindowPaintsWhatItGives)
{
    const Play& play = kPlays[0];
    World plainWorld(3), realWorld(3);
    MakeSet(plainWorld, play), MakeSet(realWorld, play);
    const SteppingStopwatch stopwatch;
    QPointer<frmMain> window = frmMain::Start(realWorld.services(), realWorld.module1, stopwatch);
    auto box = [&](int t) { return window->findChild<ImageBox*>(t < 0 ? QString("Immagine") : QString("Simbolo%1").arg(t)); };
    auto label = [&](int t) { return window->findChild<QLabel*>(t < 0 ? QString("lblImmagine") : QString("lblSimbolo%1").arg(t)); };
    PlainRounds plain(plainWorld, box(kImageTarget)->devicePixelSize(), box(0)->devicePixelSize());
    plain.Start();
    for (int step = 0; step <= play.steps.size(); ++step) {
        SCOPED_TRACE(step);
        EXPECT_EQ(realWorld.boxes.Texts(), plainWorld.boxes.Texts());
        for (int t = kImageTarget; t < play.placeholders; ++t) {
            EXPECT_TRUE(box(t)->image() == plain.images.value(t)) << t;
            EXPECT_EQ(label(t)->text(), plain.captions.value(t)) << t;
        }
        if (step == play.steps.size()) break;
        const QChar s = play.steps[step];
        const int position = plain.Position(s == 'R');
        QTest::mouseClick(s == 'S' ? window->findChild<QPushButton*>("cmdCambia") : static_cast<QWidget*>(box(position)), Qt::LeftButton);
        s == 'S' ? plain.Next() : plain.Answer(position);
    }
    delete window.data();
}

// Every event of a game, as a learner's history reads them.
struct Recorder : GameObserver {
    void RoundShown(const RoundShownEvent& e) noexcept override { shown.push_back(e), order << "shown"; }
    void Answered(const AnswerEvent& e) noexcept override { answers.push_back(e), order << "answer"; }
    void RoundSkipped(const RoundSkippedEvent& e) noexcept override { skipped.push_back(e), order << "skipped"; }
    void GameEnded(const GameEndedEvent& e) noexcept override { ended.push_back(e), order << "ended"; }
    std::vector<RoundShownEvent> shown;
    std::vector<AnswerEvent> answers;
    std::vector<RoundSkippedEvent> skipped;
    std::vector<GameEndedEvent> ended;
    QStringList order;
};

milliseconds Ms(MonotonicTime t) { return std::chrono::duration_cast<milliseconds>(t.time_since_epoch()); }

// Right; wrong then right; "Change set"; the window closed on the fourth round.
TEST(GameSession, TellsEachRoundItsAnswersAndTheEnd)
{
    World w(5);
    const QStringList names{"a.jpg", "b.jpg", "c.jpg", "d.jpg"};
    w.app.MakeSet("Set_s", names, names);
    w.module1.MaxPlaceholders = 2, w.module1.WayToWork = kRandomWithRepeats, w.module1.ImagesSet = "s";
    SteppingStopwatch clock;
    Recorder told;
    GameSession game(w.services(), w.module1, clock, &told, BoxOf);
    QList<RoundState> rounds;
    auto act = [&](int ms, const std::function<void()>& step) { clock.Step(milliseconds(ms)), step(), rounds << game.game().round; };
    auto answer = [&](bool right) {
        const RoundState& r = game.game().round;
        int i = 0;
        while ((r.symbolTags[std::size_t(i)] == r.imageTag) != right) ++i;
        game.Answer(i);
    };
    act(0, [&] { game.Start(); });
    act(1500, [&] { answer(true); });
    act(700, [&] { answer(false); });
    act(300, [&] { answer(true); });
    act(2000, [&] { game.ChangeSet(); });
    act(900, [&] { game.Close(); });
    act(100, [&] { game.Answer(0), game.ChangeSet(), game.Close(); });  // after the end: nothing

    EXPECT_EQ(told.order, QStringList({"shown", "answer", "shown", "answer", "answer", "shown", "skipped", "shown", "ended"}));
    const int shownAfter[] = {0, 1, 3, 4};  // the step after which each round was on show
    for (std::size_t n = 0; n < told.shown.size(); ++n) {
        const RoundState& r = rounds[shownAfter[n]];
        const RoundShownEvent& e = told.shown[n];
        EXPECT_EQ(e.image, r.imageTag);
        EXPECT_EQ(e.symbols, QStringList({r.symbolTags[0], r.symbolTags[1]}));
        EXPECT_EQ(e.symbols.value(e.rightPosition), r.imageTag);
    }
    ASSERT_EQ(told.shown.size(), 4u);
    EXPECT_EQ(Ms(told.shown[1].at) - Ms(told.shown[0].at), milliseconds(1500));
    EXPECT_EQ(Ms(told.shown[3].at), milliseconds(4500));
    const struct { bool right, first; milliseconds at; } answers[] = {{true, true, milliseconds(1500)}, {false, true, milliseconds(2200)}, {true, false, milliseconds(2500)}};
    ASSERT_EQ(told.answers.size(), 3u);
    for (std::size_t n = 0; n < 3; ++n) {
        EXPECT_EQ(told.answers[n].right, answers[n].right) << n;
        EXPECT_EQ(told.answers[n].first, answers[n].first) << n;
        EXPECT_EQ(Ms(told.answers[n].at), answers[n].at) << n;
        EXPECT_EQ(told.shown[n < 1 ? 0 : 1].symbols.value(told.answers[n].position) == told.shown[n < 1 ? 0 : 1].image, answers[n].right);
    }
    ASSERT_EQ(told.ended.size(), 1u);
    EXPECT_TRUE(told.ended[0].roundOnShow);  // the fourth round, on show when the window closed
    EXPECT_EQ(Ms(told.ended[0].at), milliseconds(5400));
}

// How a game ends: the set used up (after a right answer or a skip), or closed with no round ever drawn.
TEST(GameSession, TellsTheEndOnceWhateverEndsIt)
{
    const struct { const char* what; QStringList symbols; QString steps; QStringList order; } cases[] = {
        {"a right answer to the last image", {"a.jpg", "b.jpg"}, "RR", {"shown", "answer", "shown", "answer", "ended"}},
        {"a skip of the last image", {"a.jpg", "b.jpg"}, "SS", {"shown", "skipped", "shown", "skipped", "ended"}},
        {"too few symbols, then closed", {"a.jpg"}, "RS", {"ended"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        World w;
        w.app.MakeSet("Set_s", {"a.jpg", "b.jpg"}, c.symbols);
        w.module1.MaxPlaceholders = 2, w.module1.WayToWork = kControlledRandom, w.module1.ImagesSet = "s";
        const SteppingStopwatch clock;
        Recorder told;
        GameSession game(w.services(), w.module1, clock, &told, BoxOf);
        game.Start();
        for (const QChar s : c.steps) {
            const RoundState& r = game.game().round;
            s == 'S' ? game.ChangeSet() : game.Answer(r.symbolTags[0] == r.imageTag ? 0 : 1);
        }
        game.Close();
        EXPECT_EQ(told.order, c.order);
        EXPECT_FALSE(told.ended.empty() || told.ended[0].roundOnShow);
    }
}

// Rewrites a file in place (same inode), until its change time differs from before.
void RewriteInPlace(const QString& path, const QByteArray& bytes)
{
    struct stat before {}, after {};
    ::stat(QFile::encodeName(path).constData(), &before);
    do {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size());
        file.close();
        ::stat(QFile::encodeName(path).constData(), &after);
    } while (after.st_ctim.tv_sec == before.st_ctim.tv_sec && after.st_ctim.tv_nsec == before.st_ctim.tv_nsec);
}

QByteArray Bitmap(QColor colour)
{
    QImage image(64, 32, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");  // of one size whatever its colour
    return bytes;
}

// A teacher replaces a picture while the game runs, after its next round was prepared: that
// round shows the new picture, the image read ahead and the symbol kept from earlier rounds alike.
TEST(GameSession, APictureReplacedAfterItsRoundWasPreparedShowsAsReplaced)
{
    World w;
    for (const char* file : {"Set_t/Images/a.jpg", "Set_t/Symbols/a.jpg"}) w.app.WriteFile(file, Bitmap(Qt::red));
    w.module1.MaxPlaceholders = 1, w.module1.WayToWork = kRandomWithRepeats, w.module1.ImagesSet = "t";  // a.jpg every round
    const SteppingStopwatch clock;
    GameSession game(w.services(), w.module1, clock, nullptr, BoxOf);
    const ShownRound first = game.Start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return game.NextRoundReady(); }, 30000));
    for (const char* file : {"Set_t/Images/a.jpg", "Set_t/Symbols/a.jpg"}) RewriteInPlace(w.app(file), Bitmap(Qt::blue));
    const ShownRound second = game.Answer(0);
    ASSERT_EQ(second.pictures.size(), 2u);
    for (const ShownRound* round : {&first, &second})
        for (const ShownPicture& picture : round->pictures) {
            SCOPED_TRACE(picture.target);
            EXPECT_EQ(picture.image.pixelColor(5, 5), round == &first ? QColor(Qt::red) : QColor(Qt::blue));
        }
}

}  // namespace
}  // namespace lumari::test
