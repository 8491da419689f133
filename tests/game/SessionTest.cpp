// One game without a window against the plain routines, the rounds a learner's history reads from
// its events, and the window that paints what it gives.
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

#include <functional>
#include <tuple>

namespace lumari::test {
namespace {

using std::chrono::milliseconds;

QSize BoxOf(int target) { return target == kImageTarget ? QSize(600, 300) : QSize(201, 201); }  // at 96 dpi

constexpr Drawing kRandom = Drawing::RandomWithRepeats, kControlled = Drawing::ControlledRandom;

// A set in the options' terms, and steps: R a right answer, W a wrong one, S "Change set". The
// first set holds pictures that cannot be shown.
const QStringList kFive = {"a.jpg", "b.jpg", "c.jpg", "d.jpg", "e.jpg"};
const struct Play { int placeholders; Drawing way; bool labels; QStringList images, symbols; QString steps; } kPlays[] = {
    {4, kRandom, true, {"Cat.jpg", "bad.jpg", "zero.jpg", "png.jpg", "lost.jpg"},
     {"cat.jpg", "bad.jpg", "zero.jpg", "png.jpg", "x.jpg"}, "RRSWRWWRSSRRRSRWRSRRSRRRWSRRSRRSSRRWRRSR"},
    {3, kControlled, false, kFive, kFive, "RSWRSRR"},
    {3, kRandom, true, {"b.jpg"}, {"a.jpg", "A.JPG", "b.jpg"}, "RSWR"},
    {2, kRandom, true, kFive, {"a.jpg"}, "RSW"},
};

GameOptions Options(const QString& set, int placeholders, Drawing way = kRandom, bool labels = true) { return {set, labels, true, "ok.wav", "no.wav", placeholders, way}; }

// The play's set, larger than its boxes, each name in a colour of its own; then damaged pictures.
void MakeSet(World& w, const Play& play)
{
    for (const QString& n : play.images) w.app.WriteJpeg("Set_t/Images/" + n, QColor::fromHsv(int(qHash(n) % 360), 255, 255), {640, 480});
    for (const QString& n : play.symbols) w.app.WriteJpeg("Set_t/Symbols/" + n, QColor::fromHsv(int(qHash(n) % 360), 99, 255), {320, 320});
    if (!play.images.contains("bad.jpg")) return;
    w.app.WriteFile("Set_t/Images/bad.jpg", "\xff\xd8\xff\xe0 not a picture");
    w.app.WriteFile("Set_t/Symbols/zero.jpg", "");
    ASSERT_TRUE(QImage(w.app("Set_t/Images/Cat.jpg")).save(w.app("Set_t/Images/png.jpg"), "PNG"));
}

// A round's steps: the index of each picture put in place, or the box's text.
QStringList Steps(const ShownRound& r)
{
    QStringList steps;
    for (const RoundStep& s : r.steps) steps << (s.picture >= 0 ? QString::number(s.picture) : BoxTexts(std::vector{s.box})[0]);
    return steps;
}

void ExpectSame(const ShownRound& real, const ShownRound& plain)
{
    auto round = [](const ShownRound& r) { return std::tuple(r.drawn, r.imageTag, r.symbolTags, r.rightPosition, Steps(r), r.setEnded); };
    EXPECT_EQ(round(real), round(plain));
    ASSERT_EQ(real.pictures.size(), plain.pictures.size());
    auto picture = [](const ShownPicture& p) { return std::tuple(p.target, p.tag, p.cleared, p.caption, p.error ? p.error->number() : 0); };
    for (std::size_t i = 0; i < real.pictures.size(); ++i) {
        const ShownPicture &r = real.pictures[i], &p = plain.pictures[i];
        EXPECT_EQ(picture(r), picture(p));
        EXPECT_TRUE(r.image == p.image) << p.target;
        EXPECT_EQ(r.image.size(), p.image.isNull() ? QSize(0, 0) : BoxOf(p.target));  // decoded at the size shown
    }
}

// What is on show when a box opens: the box, every picture and caption in use, and the check log.
struct Moment {
    QString box;
    QList<QImage> images;
    QStringList captions;
    QByteArray log;
    bool operator==(const Moment&) const = default;
};

ImageBox* PictureOf(QWidget* window, int t) { return window->findChild<ImageBox*>(t < 0 ? QString("Immagine") : QString("Simbolo%1").arg(t)); }
QLabel* CaptionOf(QWidget* window, int t) { return window->findChild<QLabel*>(t < 0 ? QString("lblImmagine") : QString("lblSimbolo%1").arg(t)); }

// The moments of a world's boxes, with what is on show at each target.
using OnShow = std::function<std::pair<QImage, QString>(int target)>;
void Watch(World& w, int placeholders, std::vector<Moment>& moments, OnShow shown)
{
    w.boxes.whileOpen = [&w, placeholders, &moments, shown](const ShownBox& b) {
        Moment m{b.prompt, {}, {}, ReadBytes(w.app("LumariCheck.log"))};
        for (int t = kImageTarget; t < placeholders; ++t) m.images << shown(t).first, m.captions << shown(t).second;
        moments.push_back(m);
    };
}
OnShow ShownIn(QPointer<frmMain>& window) { return [&window](int t) { return std::pair(PictureOf(window, t)->image(), CaptionOf(window, t)->text()); }; }

// Rounds drawn ahead, pictures decoded on workers, symbols cached; only the first play has a window,
// whose every box opens on what the plain routines have on show, and the same log.
TEST(GameSession, GivesWhatThePlainRoutinesGiveAndTheWindowPaintsIt)
{
    for (const Play& play : kPlays) {
        SCOPED_TRACE(play.steps.toStdString());
        World plainWorld(3), realWorld(3), windowWorld(3);
        MakeSet(plainWorld, play), MakeSet(realWorld, play), MakeSet(windowWorld, play);
        const GameOptions options = Options("t", play.placeholders, play.way, play.labels);
        const SteppingStopwatch stopwatch;
        GameSession real(realWorld.services(), options, stopwatch, nullptr, BoxOf);
        QPointer<frmMain> window = &play == kPlays ? new frmMain(windowWorld.services(), options, stopwatch) : nullptr;
        std::vector<Moment> seen, plainSeen;
        if (window) Watch(windowWorld, play.placeholders, seen, ShownIn(window));
        auto box = [&](int t) { return PictureOf(window, t); };
        auto label = [&](int t) { return CaptionOf(window, t); };
        PlainRounds plain(plainWorld, options, [&](int t) { return window ? box(t)->devicePixelSize() : BoxOf(t); });
        Watch(plainWorld, play.placeholders, plainSeen, [&](int t) { return std::pair(plain.images.value(t), plain.captions.value(t)); });
        if (window) window->Open();
        ExpectSame(real.Start(), plain.Start());
        for (int step = 0; step <= play.steps.size() && !real.ended(); ++step) {
            SCOPED_TRACE(step);
            for (int t = kImageTarget; window && t < play.placeholders; ++t) {
                EXPECT_TRUE(box(t)->image() == plain.images.value(t)) << t;
                EXPECT_EQ(label(t)->text(), plain.captions.value(t)) << t;
            }
            EXPECT_EQ(window ? windowWorld.boxes.Texts() : plainWorld.boxes.Texts(), plainWorld.boxes.Texts());
            if (step == play.steps.size()) break;
            const QChar s = play.steps[step];
            const int position = plain.Position(s == 'R');
            if (window) QTest::mouseClick(s == 'S' ? window->findChild<QPushButton*>("cmdCambia") : static_cast<QWidget*>(box(position)), Qt::LeftButton);
            if (s == 'S') ExpectSame(real.ChangeSet(), plain.Next());
            else ExpectSame(real.Answer(position), plain.Answer(position));
            auto counts = [](const GameTally& t, const GameState& g) { return std::tuple(t.SessionShown, t.SessionCorrect, t.SessionWrong, g.images.Count()); };
            EXPECT_EQ(counts(real.tally(), real.game()), counts(plain.t, plain.g));
            EXPECT_EQ(realWorld.sound.played.replaceInStrings(realWorld.app.path(), ""),
                      plainWorld.sound.played.replaceInStrings(plainWorld.app.path(), ""));
        }
        EXPECT_EQ(real.ended(), plain.closed);
        if (window) ASSERT_EQ(seen.size(), plainSeen.size());
        delete window.data();
        for (std::size_t i = 0; i < seen.size(); ++i) EXPECT_TRUE(seen[i] == plainSeen[i]) << seen[i].box.toStdString();
    }
}

// The boxes of a start with a round that cannot be shown whole: each check box before its log
// write, and a picture's box before the pictures after it (and its own caption) are put in place.
TEST(GameSession, EachBoxComesAtItsMoment)
{
    World w;
    w.app.MakeSet("Set_t", {"a.jpg"}, {});
    const SteppingStopwatch stopwatch;
    QPointer<frmMain> window = new frmMain(w.services(), Options("t", 1), stopwatch);
    std::vector<Moment> seen;
    Watch(w, 1, seen, ShownIn(window));
    window->Open();
    // The log's writes so far, each ended by CR LF.
    auto log = [](const QStringList& writes) { return (writes.join("\r\n") + "\r\n").toLatin1(); };
    const QString rule = "\r\n" + QString(50, '-') + "\r\n", date = "\r\nData check on 06/12/2026\r\n";
    const QString warning = "These images have no correspondant symbol:\r\na.jpg";
    const QString information = "These symbols have no correspondant image:\r\n";
    const QImage a = PictureOf(window, kImageTarget)->image();
    const std::vector<Moment> expected = {
        {warning, {QImage(), QImage()}, {"", ""}, log({date, rule})},
        {information, {QImage(), QImage()}, {"", ""}, log({date, rule, "\r\n" + warning + "\r\n", rule})},
        {"Error \"File not found\" in Cambia() routine", {a, QImage()}, {"A", ""},
         log({date, rule, "\r\n" + warning + "\r\n", rule, "\r\n" + information})},
    };
    EXPECT_FALSE(a.isNull());
    ASSERT_EQ(seen.size(), expected.size());
    for (std::size_t i = 0; i < seen.size(); ++i) {
        EXPECT_EQ(seen[i].box, expected[i].box);
        EXPECT_TRUE(seen[i].images == expected[i].images) << i;
        EXPECT_EQ(seen[i].captions, expected[i].captions);
        EXPECT_EQ(seen[i].log, expected[i].log);
    }
    EXPECT_EQ(CaptionOf(window, 0)->text(), "A");  // after its box
    delete window.data();
}

// A round as a learner's history records it, from the events alone.
struct Round {
    QString image; QStringList symbols; QString first = "none";
    int answers = 0; milliseconds response{-1}; bool skipped = false;
};
struct History : GameObserver {
    void RoundShown(const RoundShownEvent& e) noexcept override
    {
        EXPECT_EQ(e.symbols.value(e.rightPosition), e.image);
        rounds.push_back({e.image, e.symbols}), shownAt = e.at;
    }
    void Answered(const AnswerEvent& e) noexcept override
    {
        Round& r = rounds.back();
        EXPECT_EQ(e.right, r.symbols.value(e.position) == r.image);
        if (e.first) r.first = e.right ? "right" : "wrong", r.response = std::chrono::duration_cast<milliseconds>(e.at - shownAt);
        ++r.answers, ways.push_back(e.by);
    }
    void RoundSkipped(const RoundSkippedEvent&) noexcept override { rounds.back().skipped = true; }
    void GameEnded(const GameEndedEvent& e) noexcept override { ++ends, onShowAtEnd = e.roundOnShow, tally = e.tally, level = e.distractorLevel; }
    std::vector<Round> rounds;
    std::vector<AnsweredBy> ways;  // of every answer
    MonotonicTime shownAt;
    int ends = 0;
    bool onShowAtEnd = false;
    GameTally tally{-1, -1, -1};
    std::optional<int> level{-1};
};

// Games played with a step of the clock before each move: k x 100 ms before the k-th. C closes the
// window. The end tells the game's tally: shown, correct, wrong; played with distractor fading (from its
// first level), the level it reached, which the learner's next game on the set starts from.
TEST(GameSession, TellsWhatALearnersHistoryRecords)
{
    struct Expected { const char* first; int answers, responseMs; bool skipped; };
    const struct { const char* what; Drawing way; QStringList symbols; QString steps; std::vector<Expected> rounds; bool onShowAtEnd; GameTally tally;
                   bool fading = false; std::optional<int> level{}; } cases[] = {
        {"right; wrong then right; skipped; closed on the fourth", kRandom, {"a.jpg", "b.jpg"}, "RWRSC",
         {{"right", 1, 100, false}, {"wrong", 2, 200, false}, {"none", 0, -1, true}, {"none", 0, -1, false}}, true, {4, 1, 1}},
        {"a right answer to the last image", kControlled, {"a.jpg", "b.jpg"}, "RRC", {{"right", 1, 100, false}, {"right", 1, 200, false}}, false, {2, 2, 0}},
        {"the last image skipped", kControlled, {"a.jpg", "b.jpg"}, "SSC", {{"none", 0, -1, true}, {"none", 0, -1, true}}, false, {2, 0, 0}},
        {"too few symbols: no round", kRandom, {"a.jpg"}, "RSC", {}, false, {0, 0, 0}},
        {"distractor fading: three right alone raise its level", kRandom, {"a.jpg", "b.jpg"}, "RRRC",
         {{"right", 1, 100, false}, {"right", 1, 200, false}, {"right", 1, 300, false}, {"none", 0, -1, false}}, true, {4, 3, 0},
         true, 40},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        World w;
        w.app.MakeSet("Set_s", {"a.jpg", "b.jpg"}, c.symbols);
        SteppingStopwatch clock;
        History history;
        GameOptions options = Options("s", 2, c.way);
        if (c.fading) options.plan.procedure = Procedure::DistractorFading;
        GameSession game(w.services(), options, clock, &history, BoxOf);
        game.Start();
        for (int k = 1; const QChar s : c.steps + "RSC") {  // after the end: nothing more
            clock.Step(milliseconds(100 * k++));
            const RoundState& r = game.game().round;
            s == 'S' ? (void)game.ChangeSet() : s == 'C' ? game.Close() : (void)game.Answer((r.symbolTags[0] == r.imageTag) == (s == 'R') ? 0 : 1);
            if (!game.ended() && !history.rounds.empty()) {
                EXPECT_EQ(history.rounds.back().image, game.game().round.imageTag);
            }
        }
        ASSERT_EQ(history.rounds.size(), c.rounds.size());
        for (std::size_t n = 0; n < c.rounds.size(); ++n) {
            SCOPED_TRACE(n);
            EXPECT_EQ(history.rounds[n].first, c.rounds[n].first);
            EXPECT_EQ(history.rounds[n].answers, c.rounds[n].answers);
            EXPECT_EQ(history.rounds[n].response, milliseconds(c.rounds[n].responseMs));
            EXPECT_EQ(history.rounds[n].skipped, c.rounds[n].skipped);
        }
        EXPECT_EQ(history.ends, 1);
        EXPECT_EQ(history.onShowAtEnd, c.onShowAtEnd);
        EXPECT_EQ(std::tuple(history.tally.SessionShown, history.tally.SessionCorrect, history.tally.SessionWrong),
                  std::tuple(c.tally.SessionShown, c.tally.SessionCorrect, c.tally.SessionWrong));
        EXPECT_EQ(history.level, c.level);
    }
}

// The window tells how each answer was given: its digit key, the switch's select on the frame, a
// click, the pointer resting on the symbol.
TEST(GameSession, TheWindowTellsHowEachAnswerWasGiven)
{
    World w;
    w.app.MakeSet("Set_s", {"a.jpg", "b.jpg"}, {"a.jpg", "b.jpg"});
    GameOptions options = Options("s", 2);
    options.access.scanMs = 1000, options.access.dwellMs = 1000;
    SteppingStopwatch clock;
    History history;
    QPointer<frmMain> window = new frmMain(w.services(), options, clock, &history);
    window->Open();
    ImageBox* left = window->findChild<ImageBox*>("Simbolo0");
    QTest::keyClick(window, Qt::Key_1);
    clock.Step(milliseconds(500));
    QTest::keyClick(window, Qt::Key_Space);  // the frame stays on the leftmost symbol for its first step
    QTest::mouseClick(window->findChild<ImageBox*>("Simbolo1"), Qt::LeftButton);
    QEvent enter(QEvent::Enter), leave(QEvent::Leave);
    QCoreApplication::sendEvent(left, &enter);
    clock.Step(milliseconds(1100));
    QCoreApplication::sendEvent(left, &leave);  // the dwell completed before the pointer left
    EXPECT_EQ(history.ways, (std::vector{AnsweredBy::Key, AnsweredBy::Scan, AnsweredBy::Click, AnsweredBy::Dwell}));
    delete window.data();
}

QByteArray Bitmap(QColor colour)
{
    QImage image(64, 32, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    return buffer.open(QIODevice::WriteOnly), image.save(&buffer, "BMP"), bytes;  // of one size whatever its colour
}

// The image read ahead and the symbol kept from earlier rounds alike; each file is rewritten in place
// to the same size, until its change time has moved.
TEST(GameSession, APictureReplacedAfterItsRoundWasPreparedShowsAsReplaced)
{
    World w;
    const QStringList files{"Set_t/Images/a.jpg", "Set_t/Symbols/a.jpg"};
    for (const QString& file : files) w.app.WriteFile(file, Bitmap(Qt::red));
    const SteppingStopwatch clock;
    GameSession game(w.services(), Options("t", 1), clock, nullptr, BoxOf);  // a.jpg each round
    const ShownRound first = game.Start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return game.NextRoundReady(); }, 30000));
    for (const QString& file : files) {
        const QByteArray path = QFile::encodeName(w.app(file));
        struct stat before {}, after {};
        ::stat(path.constData(), &before);
        do w.app.WriteFile(file, Bitmap(Qt::blue)), ::stat(path.constData(), &after);
        while (after.st_ctim.tv_sec == before.st_ctim.tv_sec && after.st_ctim.tv_nsec == before.st_ctim.tv_nsec);
    }
    const ShownRound second = game.Answer(0);
    ASSERT_EQ(second.pictures.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(first.pictures[i].image.pixelColor(5, 5), QColor(Qt::red)) << i;
        EXPECT_EQ(second.pictures[i].image.pixelColor(5, 5), QColor(Qt::blue)) << i;
    }
}

}  // namespace
}  // namespace lumari::test
