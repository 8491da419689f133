// The game's routines on real files, and the real window's input.
#include "PlainRounds.h"
#include "game/AccessMarks.h"
#include "game/ImageBox.h"
#include "game/GameSession.h"
#include "game/PictureCache.h"
#include "game/frmMain.h"
#include "support/SteppingStopwatch.h"

#include <QAccessible>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>


namespace lumari::test {
namespace {

using std::chrono::milliseconds;

QString Trapped(const QString& what, const QString& routine) { return QString("Error \"%1\" in %2() routine|16|").arg(what, routine); }
QString NotDistinct(int n) { return Trapped(QString("Not enough symbols with different names (letter case ignored) to fill %1 symbols placeholders").arg(n), "Cambia"); }


QSet<QString> Set(const QStringList& names) { return {names.begin(), names.end()}; }

void Load(const Services& s, const GameOptions& o, GameState& g) { CaricaImmagini(s, o, g.images), CaricaSimboli(s, o, g.symbols); }

Catalogue Cat(const QStringList& names)
{
    Catalogue c;
    for (int i = 0; i < names.size(); ++i) c.Set(i + 1, names[i]);
    return c.SetCount(int(names.size())), c;
}

TEST(Catalogues, ListTheSetsJpegFilesUpToTheThousandthAndNothingFromOutside)
{
    World w;
    QtFiles files(w.app("prog"));  // the program's folder, with "outside" beside it
    const Services s{w.settings, files, w.boxes, w.pictures, w.random, w.clock, w.log, w.opener, w.sound};
    for (const QString sub : {"Images", "Symbols"}) {
        for (const char* n : {"b.jpg", "a.jpg", "C.JPG", "notes.txt"}) w.app.WriteFile("prog/Set_abc/" + sub + "/" + n, "");
        w.app.MakeFolder("prog/Set_abc/" + sub + "/x.jpg");
        w.app.MakeFolder("prog/Set_empty/" + sub);
        w.app.WriteJpeg("outside/" + sub + "/red.jpg");
    }
    for (int i = 0; i < 1003; ++i) w.app.WriteFile(QString("prog/Set_big/Images/n%1.jpg").arg(i), "");
    ASSERT_TRUE(QFile::link(w.app("prog/Set_big/Images"), w.app("prog/Set_big/Symbols")));
    w.app.MakeFolder("prog/Set_x");
    const struct { QString set; QStringList names; int count, reports; QString error; } cases[] = {
        {"abc", {"b.jpg", "a.jpg", "C.JPG"}, 3, 0, ""},  {"empty", {""}, 1, 0, ""}, {"none", {""}, 1, 0, ""},
        {"big", {}, 1000, 3, "Subscript out of range"}, {"x/../../outside", {""}, 1, 1, "Path not found"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.set.toStdString());
        GameState g;
        Load(s, GameOptions{c.set}, g);
        EXPECT_EQ(w.boxes.Take(), QStringList(c.reports, Trapped(c.error, "CaricaImmagini")) + QStringList(c.reports, Trapped(c.error, "CaricaSimboli")));
        for (const Catalogue* cat : {&g.images, &g.symbols}) {
            EXPECT_EQ(cat->Count(), c.count);
            EXPECT_EQ(Set(cat->Names()).size(), c.count);
            EXPECT_EQ(Set(cat->Names()), c.names.isEmpty() ? Set(cat->Names()) : Set(c.names));
        }
    }
    // The real window with that set: nothing from outside shown, every path refused.
    GameOptions outside{"x/../../outside"};
    outside.MaxPlaceholders = 1;
    const SteppingStopwatch stopwatch;
    QPointer<frmMain> window = frmMain::Start(s, outside, stopwatch);
    const QString lost = Trapped("Path not found", "Cambia");
    EXPECT_EQ(w.boxes.Take(), QStringList({Trapped("Path not found", "CaricaImmagini"), Trapped("Path not found", "CaricaSimboli"), lost, lost, NotDistinct(1)}));
    for (const ImageBox* box : window->findChildren<ImageBox*>()) EXPECT_TRUE(box->image().isNull());
    delete window.data();
}

TEST(CoherenceCheck, TellsAndRewritesTheLogOfWhatHasNoCounterpart)
{
    World w;
    const QString rule = "\r\n" + QString(50, '-') + "\r\n\r\n", head = "\r\nData check on 06/12/2026\r\n\r\n" + rule;
    const struct { QStringList images, symbols; QString warning, information; } cases[] = {
        {{"a.jpg", "b.jpg", "c.jpg"}, {"A.JPG", "c.jpg", "d.jpg"}, "\r\nb.jpg", "\r\nd.jpg"},
        {{"a.jpg", "B.jpg"}, {"b.JPG", "A.jpg"}, "", ""},
        {{""}, {"a.jpg", "b.jpg"}, "\r\n", "\r\na.jpg\r\nb.jpg"},
        {{""}, {""}, "", ""},
        {{"x.jpeg", "y.jpg", "z.jpg"}, {"x.jpg", "Y.jpg"}, "\r\nx.jpeg\r\nz.jpg", "\r\nx.jpg"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.images.join(',').toStdString());
        ControllaCoerenza(w.services(), Cat(c.images), Cat(c.symbols));
        const QString warning = "These images have no correspondant symbol:" + c.warning;
        const QString information = "These symbols have no correspondant image:" + c.information;
        QStringList boxes;
        if (!c.warning.isEmpty()) boxes << warning + "|16|WARNING !!!";
        if (!c.information.isEmpty()) boxes << information + "|64|Information";
        EXPECT_EQ(w.boxes.Take(), boxes);
        const QString logged = QString::fromLatin1(ReadBytes(w.app("LumariCheck.log")));
        EXPECT_EQ(logged, head + (c.warning.isEmpty() ? "\r\nImages OK !\r\n\r\n" : "\r\n" + warning + "\r\n\r\n") + rule +
                              (c.information.isEmpty() ? "\r\nSymbols OK !\r\n\r\n" : "\r\n" + information + "\r\n"));
    }
    // A log that cannot be written: every step reported, the checks still told.
    QFile::remove(w.app("LumariCheck.log"));
    w.app.MakeFolder("LumariCheck.log");
    ControllaCoerenza(w.services(), Cat({"a.jpg"}), Cat({"b.jpg"}));
    const QString bad = Trapped("Bad file name or number", "ControllaCoerenza");
    EXPECT_EQ(w.boxes.Take(), QStringList({Trapped("Path/File access error", "ControllaCoerenza"), bad, bad,
                                           "These images have no correspondant symbol:\r\na.jpg|16|WARNING !!!", bad, bad,
                                           "These symbols have no correspondant image:\r\nb.jpg|64|Information", bad}));
}

TEST(Rounds, ShowTheImagesSymbolAmongDistinctWrongOnes)
{
    for (const auto& [name, label] : {std::pair{"cat.jpg", "CAT"}, {"Dog.JPG", "DOG.JPG"}, {"a.jpg.jpg", "A"}, {"x.jpgy.jpg", "XY"}})
        EXPECT_EQ(LabelText(name), label);
    const QStringList five = {"Cat.jpg", "Dog.JPG", "a.jpg.jpg", "e.jpg", "f.jpg"};
    constexpr Drawing random = Drawing::RandomWithRepeats, controlled = Drawing::ControlledRandom;
    const struct { int placeholders; Drawing way; bool labels; QStringList images, symbols; int calls; bool draws; QString each, last; } cases[] = {
        {4, random, true, five.mid(0, 4), {"cat.jpg", "Dog.JPG", "a.jpg.jpg", "e.jpg", "f.jpg"}, 200, true, "", ""},
        {3, controlled, false, five, five, 6, true, "", "No more images to display|0|End of set"},
        {2, random, true, {"a.jpg", "b.jpg"}, {"b.jpg", "a.jpg"}, 30, true, "", ""},
        {1, random, true, five, five, 30, true, "", ""},
        {4, random, true, five, five.mid(0, 3), 3, false, "Not enough symbols in Simbols folder to fill 4 symbols placeholders|16|", ""},
        {3, random, true, {"b.jpg"}, {"a.jpg", "A.JPG", "b.jpg"}, 30, true, NotDistinct(3), ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.placeholders * 10 + int(c.way));
        World w(7);
        w.app.MakeSet("Set_t", c.images, c.symbols);
        PlainRounds v(w, {"t", c.labels, false, "", "", c.placeholders, c.way});
        GameState& g = v.g;
        Load(w.services(), v.o, g);
        QSet<QString> images, symbols, rights;
        for (int k = 0, shown = 0; k < c.calls; ++k) {
            v.Next();
            const bool last = k == c.calls - 1 && !c.last.isEmpty();
            EXPECT_EQ(w.boxes.Take(), last ? QStringList{c.last} : c.each.isEmpty() ? QStringList() : QStringList{c.each});
            ASSERT_EQ(v.t.SessionShown, shown += c.draws && !last);
            EXPECT_EQ(g.images.Count(), int(c.images.size()) - (c.way == controlled ? shown : 0));
            if (!c.draws || last) continue;
            const RoundState& r = g.round;
            EXPECT_TRUE(r.firstAnswerPending && c.images.contains(r.imageTag));
            images << r.imageTag;
            QSet<QString> distinct;
            for (int t = kImageTarget; t < c.placeholders; ++t) {
                const QString& tag = t < 0 ? r.imageTag : r.symbolTags[std::size_t(t)];
                EXPECT_EQ(v.paths[t], tag.isEmpty() ? QString() : w.app.path() + (t < 0 ? "\\Set_t\\Images\\" : "\\Set_t\\Symbols\\") + tag);
                EXPECT_EQ(v.captions.value(t, "-"), c.labels ? LabelText(tag) : "-");
                if (t >= 0 && tag.toUpper() == r.imageTag.toUpper()) rights << QString::number(t);
                if (t >= 0) distinct << tag.toUpper(), symbols << tag.toUpper();
            }
            EXPECT_EQ(distinct.size(), c.placeholders);
            EXPECT_EQ(std::count(r.symbolTags.begin(), r.symbolTags.end(), r.imageTag), 1);
        }
        EXPECT_EQ(v.closed, !c.last.isEmpty());
        EXPECT_TRUE(c.draws || (v.paths.empty() && v.captions.empty()));
        // Every image, every symbol and every position comes up (in controlled mode, once).
        EXPECT_EQ(images, c.draws ? Set(c.images) : QSet<QString>());
        EXPECT_EQ(symbols - QSet<QString>{""}, c.draws ? Set(c.symbols.join('|').toUpper().split('|')) : QSet<QString>());
        EXPECT_EQ(rights.size(), c.draws ? c.placeholders : 0);
    }
}

TEST(Answers, OnlyTheRoundsFirstAnswerCountsAndEveryOneSounds)
{
    // heard: the sounds in order, "next" where a right answer asks for the next round.
    // The tally before: 9 shown, 5 correct, 7 wrong (as no game would count, to tell the two apart).
    // prompted: each answer given with a teaching plan's prompt on show.
    const QString bell = QString(kPromptedSound);
    const struct { bool drawn, sounds; QString ok, no; QList<int> clicks; int correct, wrong; QStringList heard; bool prompted = false; } cases[] = {
        {true, true, "ok.wav", "no.wav", {0, 0, 1}, 5, 8, {"no.wav", "no.wav", "ok.wav", "next"}},
        {true, true, "ok.wav", "no.wav", {1, 0}, 6, 7, {"ok.wav", "next", "no.wav"}},
        {true, false, "ok.wav", "no.wav", {0, 1}, 5, 8, {"next"}},
        {true, true, "ok.wav", "", {0, 1, 1}, 5, 8, {"ok.wav", "next", "ok.wav", "next"}},
        {true, true, "", "no.wav", {1}, 6, 7, {"next"}},
        {false, true, "ok.wav", "no.wav", {0}, 5, 7, {"ok.wav", "next"}},
        {true, true, "ok.wav", "no.wav", {0, 1}, 5, 8, {"no.wav", bell, "next"}, true},
        {true, false, "ok.wav", "no.wav", {1}, 6, 7, {"next"}, true},
        {true, true, "", "no.wav", {1}, 6, 7, {"next"}, true},
    };
    // The bell is bundled where it is played from.
    EXPECT_TRUE(QFileInfo::exists(LUMARI_DATA_DIR "/Sounds/" + QString(bell).replace('\\', '/')));
    for (const auto& c : cases) {
        World w;
        const GameOptions o{"t", true, c.sounds, c.ok, c.no};
        GameTally t{9, 5, 7};
        RoundState r = c.drawn ? RoundState{"Cat.jpg", {"dog.jpg", "CAT.JPG"}, true} : RoundState{};
        for (int i : c.clicks)
            if (Simbolo_Click(w.services(), o, t, r, i, c.prompted).right) w.sound.played << "next";
        EXPECT_EQ(t.SessionShown, 9);
        EXPECT_EQ(t.SessionCorrect, c.correct);
        EXPECT_EQ(t.SessionWrong, c.wrong);
        EXPECT_EQ(w.sound.played.replaceInStrings(w.app.path() + "\\Sounds\\", ""), c.heard);
    }
}

TEST(PictureCache, KeepsTheMostRecentlyUsedWithinItsBytes)
{
    PictureCache cache(1000);
    // A picture of n pixels is 4n bytes; with no pixels the step only looks the key up.
    const struct { const char* key; int pixels; bool found; qsizetype bytes; } steps[] = {
        {"a", 100, true, 400}, {"b", 100, true, 800}, {"a", 0, true, 800}, {"c", 100, true, 800}, {"b", 0, false, 800},
        {"c", 0, true, 800}, {"a", 150, true, 1000}, {"d", 1, true, 604}, {"c", 0, false, 604}, {"a", 0, true, 604},
        {"e", 300, false, 604}, {"d", 0, true, 604},
    };
    for (const auto& s : steps) {
        if (s.pixels) cache.Insert(s.key, QImage(s.pixels, 1, QImage::Format_RGB32));
        EXPECT_EQ(!cache.Find(s.key).isNull(), s.found) << s.key;
        EXPECT_EQ(cache.bytes(), s.bytes) << s.key;
    }
}

// Answers through the window's real input: a double-click is one answer, digits answer as clicks, Enter skips.
struct Game {
    World w{7};  // the same seed: the same rounds
    SteppingStopwatch stopwatch;
    QPointer<frmMain> window;
    Game(int placeholders, bool captions, const AccessOptions& access = {}, QSize pictures = {64, 48})
    {
        for (const QString name : {"a.jpg", "b.jpg", "c.jpg", "d.jpg"})
            w.app.WriteJpeg("Set_s/Images/" + name, Qt::blue, pictures), w.app.WriteJpeg("Set_s/Symbols/" + name, Qt::black, pictures);
        GameOptions options{"s", captions, true, "ok.wav", "error.wav", placeholders};
        options.access = access;
        window = frmMain::Start(w.services(), options, stopwatch);
        EXPECT_TRUE(window && QTest::qWaitForWindowActive(window));
    }
    ~Game() { delete window.data(); }
    int Position(bool right) const
    {
        const RoundState& r = window->game().round;
        for (int i = 0; i < window->session().options().MaxPlaceholders; ++i)
            if ((r.symbolTags[std::size_t(i)].toUpper() == r.imageTag.toUpper()) == right) return i;
        return -1;
    }
    ImageBox* Picture(int i) const { return window->findChild<ImageBox*>(i < 0 ? "Immagine" : QString("Simbolo%1").arg(i)); }
    QPoint At(int i) const { return Picture(i)->geometry().center(); }
    void Key(int key, Qt::KeyboardModifiers with = {}) { QTest::keyClick(window->windowHandle(), Qt::Key(key), with); }
    void Click(int i) { QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, At(i)); }
};

TEST(AnswerInput, EachGestureCountsAsTheLearnerMeantIt)
{
    const struct { const char* what; int placeholders; std::function<void(Game&)> act;
                   int shown, correct, wrong, sounds; } cases[] = {
        {"double-click on the right symbol", 2,
         [](Game& g) { QTest::mouseDClick(g.window->windowHandle(), Qt::LeftButton, {}, g.At(g.Position(true))); }, 2, 1, 0, 1},
        // The only placeholder is always right: the second click answers the next round.
        {"two slow clicks on one spot", 1, [](Game& g) { g.Click(0); g.Click(0); }, 3, 2, 0, 2},
        // A release whose press went elsewhere (to a widget gone since) is no click.
        {"a click, then a release alone", 1, [](Game& g) { g.Click(0); QTest::mouseRelease(g.Picture(0), Qt::LeftButton); }, 2, 1, 0, 1},
        {"digit of the right symbol", 3, [](Game& g) { g.Key(Qt::Key_1 + g.Position(true)); }, 2, 1, 0, 1},
        {"digit of a wrong symbol, twice", 3,
         [](Game& g) { for (int i = 0; i < 2; ++i) g.Key(Qt::Key_1 + g.Position(false)); }, 1, 0, 1, 2},
        {"keypad digit of the right symbol", 4,
         [](Game& g) { g.Key(Qt::Key_1 + g.Position(true), Qt::KeypadModifier); }, 2, 1, 0, 1},
        {"digits of no placeholder in use", 3, [](Game& g) {
             for (auto with : {Qt::NoModifier, Qt::KeypadModifier}) for (int k : {Qt::Key_4, Qt::Key_5, Qt::Key_0}) g.Key(k, with); }, 1, 0, 0, 0},
        {"Enter and keypad Enter", 2, [](Game& g) { g.Key(Qt::Key_Return); g.Key(Qt::Key_Enter, Qt::KeypadModifier); }, 3, 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Game g(c.placeholders, true);
        ASSERT_GE(g.Position(true), 0);
        c.act(g);
        const GameTally& m = g.window->session().tally();
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

// With access settings: a box stops the scan and the dwell, and the window's size is the pictures' size.
TEST(AccessWindow, TheScanAndTheDwellStandStillBehindABoxAndStartAfreshAfterIt)
{
    AccessOptions access;
    access.scanMs = 1000, access.dwellMs = 2000;
    Game g(1, true, access);  // one placeholder: every answer is right
    QWidget* frame = g.window->findChild<QWidget*>("scanFrame");
    const auto* ring = g.window->findChild<FillRing*>("dwellRing");
    const auto* scan = g.window->findChild<QTimer*>("scanTimer");
    const auto* dwell = g.window->findChild<QTimer*>("dwellTimer");
    // The pointer rests on the symbol; the images are gone, so the next round comes with a box.
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(g.Picture(0), &enter);
    for (const QString name : {"a.jpg", "b.jpg", "c.jpg", "d.jpg"}) QFile::remove(g.w.app("Set_s/Images/" + name));
    QList<bool> behind;  // while the box is open: the frame, the ring, the scan's timer, the dwell's timer
    g.w.boxes.whileOpen = [&](const ShownBox&) {
        if (!behind.isEmpty()) return;
        behind = {frame->isVisible(), ring->isVisible(), scan->isActive(), dwell->isActive()};
        g.stopwatch.Step(milliseconds(1000));  // before the scan's first step
        g.Key(Qt::Key_Space);  // a switch pressed behind the box
    };
    g.Key(Qt::Key_1);
    EXPECT_EQ(g.w.boxes.Take(), QStringList{Trapped("File not found", "Cambia")});
    EXPECT_EQ(behind, QList<bool>({false, false, false, false}));
    const GameTally& tally = g.window->session().tally();
    EXPECT_EQ(tally.SessionShown, 2);
    EXPECT_EQ(tally.SessionCorrect, 1);
    // Afresh after the box: the frame on the first symbol for a step and a half, the ring empty.
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(frame->geometry().center(), g.At(0));
    EXPECT_EQ(scan->interval(), 1500);
    EXPECT_TRUE(ring->isVisible());
    EXPECT_EQ(ring->fill(), 0.0);
}

TEST(AccessWindow, TheRoundDrawnAheadIsShownAtTheSizeOfTheResizedWindowWithTheSameDraws)
{
    AccessOptions access;
    access.dwellMs = 1000;
    QStringList rounds[2];  // each round's image and symbols, without and with a resize
    for (const bool resized : {false, true}) {
        Game g(2, true, access, {2000, 1000});  // pictures larger than any box: decoded at the box's size
        for (int round = 0; round < 5; ++round) {
            const RoundState& shown = g.window->game().round;
            rounds[resized] << shown.imageTag + ' ' + shown.symbolTags[0] + ' ' + shown.symbolTags[1];
            if (resized && round == 2) g.window->resize(1600, 1200);
            g.Key(Qt::Key_1 + g.Position(true));
            if (!resized || round != 2) continue;
            // The round drawn before the resize: its image scaled by 1600 / 1009, every picture at its box's size.
            EXPECT_EQ(g.Picture(-1)->image().size(), QSize(952, 476));
            for (int i : {0, 1}) EXPECT_EQ(g.Picture(i)->image().size(), g.Picture(i)->devicePixelSize()) << i;
        }
    }
    EXPECT_EQ(rounds[true], rounds[false]);
}

}  // namespace
}  // namespace lumari::test
