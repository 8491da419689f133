// The prepared way of showing rounds (next round drawn ahead, pictures decoded
// on worker threads, symbols cached) against the plain way: the same rounds,
// the same reports in the same rounds, the same counts, whether the worker
// finished in time or the window had to decode the round itself.
#include "GameFixture.h"

#include "platform/RuntimeError.h"

#include <QBuffer>
#include <QPainter>
#include <QSemaphore>

#include <map>

namespace lumari::test {
namespace {

// A colour of its own for every file name, so a box shows whose picture it holds.
QColor ColourOf(const QString& name, bool symbol)
{
    const uint h = qHash(name.toUpper()) ^ (symbol ? 0x5a5a5au : 0u);
    return QColor::fromHsv(int(h % 360), 255, 100 + int((h >> 9) % 156));
}

// The name among `names` whose colour is nearest to the middle of a box's picture.
QString Showing(const ImageBox* box, const QStringList& names, bool symbol)
{
    if (box->image().isNull()) return QStringLiteral("<none>");
    const QColor c = box->image().pixelColor(box->image().width() / 2, box->image().height() / 2);
    QString best;
    int bestDistance = INT_MAX;
    for (const QString& n : names) {
        const QColor e = ColourOf(n, symbol);
        const int d = std::abs(c.red() - e.red()) + std::abs(c.green() - e.green()) + std::abs(c.blue() - e.blue());
        if (d < bestDistance) bestDistance = d, best = n;
    }
    return bestDistance < 40 ? best : QStringLiteral("<unknown>");
}

// A generator that fails at every n-th draw, as a broken one might.
struct FlakyDraws : TestRuntime {
    FlakyDraws(const QString& path, int failEvery) : TestRuntime(path, 3), failEvery(failEvery) {}
    float RandomNext() override
    {
        if (failEvery > 0 && ++draws % failEvery == 0) throw RuntimeError(err::InvalidCall);
        return TestRuntime::RandomNext();
    }
    int failEvery, draws = 0;
};

// When the prepared way is asked for the next round.
enum class Timing {
    Settled,  // the worker has finished: the click swaps finished pictures
    Blocked,  // every worker busy elsewhere: the window decodes the round itself
};

struct Scenario {
    const char* name;
    QStringList images, symbols;
    int placeholders;
    std::int16_t way;
    std::int16_t labels;
    QString steps;      // R right answer, W wrong answer, S "Change set"
    bool endsSet = false;  // the steps reach the end of a controlled set
    int failEvery = 0;     // generator failures
    std::function<void(const AppFolder&)> damage = nullptr;
};

// What the learner sees after each step.
struct Seen {
    QString image;
    QStringList tags, labels, pictures;
    QStringList boxes;  // the message boxes shown during the step
    int shown = 0, correct = 0, wrong = 0, imagesLeft = 0;
    bool open = true;

    bool operator==(const Seen&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Seen& s)
{
    const QStringList all = {s.image, s.tags.join(','), s.labels.join(','), s.pictures.join(','), s.boxes.join('|')};
    return os << (s.open ? "open " : "closed ") << all.join(' ').toStdString() << " shown/correct/wrong/left=" << s.shown
              << "/" << s.correct << "/" << s.wrong << "/" << s.imagesLeft;
}

const QStringList kFive = {"Cat.jpg", "b.jpg", "c.jpg", "d.jpg", "e.jpg"};

const Scenario kScenarios[] = {
    {"RandomFourWithLabels", kFive, {"cat.jpg", "B.JPG", "c.jpg", "d.jpg", "e.jpg", "f.jpg"}, 4,
     kRandomWithRepeats, kTrue, "RRSWRWWRSSRRRSRWRSRRSRRRWSRRSRRSSRRWRRSR"},
    {"ControlledToTheEndOfTheSet", {"a.jpg", "b.jpg", "c.jpg", "d.jpg", "e.jpg", "f.jpg", "g.jpg", "h.jpg"},
     {"a.jpg", "b.jpg", "c.jpg", "d.jpg", "e.jpg", "f.jpg", "g.jpg", "h.jpg"}, 3, kControlledRandom, kTrue,
     "RSWRSRRSR", true},
    {"ControlledWithoutLabelsByChangeSetOnly", kFive, kFive, 2, kControlledRandom, kFalse, "SSSSS", true},
    {"DamagedAndMissingPictures", {"good.jpg", "bad.jpg", "nosymbol.jpg", "gone.jpg"},
     {"good.jpg", "bad.jpg", "gone.jpg", "x.jpg"}, 2, kRandomWithRepeats, kTrue, "RSRSRRSRRSRSRRRSRSSRRSRRSR", false, 0,
     [](const AppFolder& app) {
         app.WriteFile("Set_test/Images/bad.jpg", QByteArray("\xff\xd8\xff\xe0 not really a JPEG"));
         app.WriteFile("Set_test/Symbols/gone.jpg", QByteArray("\xff\xd8\xff", 3));
     }},
    {"FailingGenerator", kFive, kFive, 3, kControlledRandom, kTrue, "RSRRS", true, 7},
    {"TooFewSymbols", kFive, {"a.jpg", "b.jpg"}, 4, kRandomWithRepeats, kTrue, "RSRW"},
    {"OnePlaceholder", kFive, kFive, 1, kRandomWithRepeats, kTrue, "RRRSRR"},
    {"LetterCaseTwins", {"b.jpg"}, {"a.jpg", "A.JPG", "b.jpg"}, 3, kRandomWithRepeats, kTrue, "RSR"},
};

std::string ScenarioName(const ::testing::TestParamInfo<std::tuple<Scenario, Timing>>& info)
{
    return std::string(std::get<0>(info.param).name) + (std::get<1>(info.param) == Timing::Settled ? "_Settled" : "_Blocked");
}

class SameRounds : public GameTest, public ::testing::WithParamInterface<std::tuple<Scenario, Timing>> {
protected:
    // Plays the scenario's steps from the same seed; what the learner sees after each.
    std::vector<Seen> Play(const Scenario& sc, Timing timing, PictureLoading loading)
    {
        FlakyDraws draws(app.path(), sc.failEvery);
        module1.MaxPlaceholders = sc.placeholders;
        module1.WayToWork = sc.way;
        module1.ShowLabels = sc.labels;
        module1.SessionShown = module1.SessionCorrect = module1.SessionWrong = 0;
        window = frmMain::Start(draws, module1, loading);
        std::vector<Seen> seen;
        for (int step = 0; step <= sc.steps.size(); ++step) {
            Seen s{.shown = module1.SessionShown, .correct = module1.SessionCorrect, .wrong = module1.SessionWrong};
            for (const ShownBox& box : draws.boxes) s.boxes << box.prompt;
            draws.boxes.clear();
            s.open = window && window->isVisible();
            if (s.open) {
                s.image = window->game().round.imageTag;
                s.imagesLeft = window->game().images.Count();
                s.labels << window->lblImmagine()->text();
                s.pictures << Showing(window->Immagine(), sc.images, false);
                for (int i = 0; i < PlaceholdersInUse(sc.placeholders); ++i) {
                    s.tags << window->game().round.symbolTags[std::size_t(i)];
                    s.labels << window->lblSimbolo(i)->text();
                    s.pictures << Showing(window->Simbolo(i), sc.symbols, true);
                }
            }
            seen.push_back(s);
            if (!s.open || step == sc.steps.size()) break;

            std::shared_ptr<QSemaphore> blocker;
            QThreadPool& pool = window->pipeline().pool();
            if (timing == Timing::Settled) {
                pool.waitForDone();
                EXPECT_EQ(window->NextRoundReady(), window->NextRoundDrawn());
            } else if (window->NextRoundDrawn()) {
                // The next round's pictures are done; the one after queues behind busy workers.
                pool.waitForDone();
                blocker = std::make_shared<QSemaphore>();
                for (int i = 0; i < pool.maxThreadCount(); ++i) pool.start([blocker] { blocker->tryAcquire(1, 30000); });
            }
            if (sc.steps[step] == u'S') Skip();
            else ClickSymbol(sc.steps[step] == u'R' ? std::max(RightPosition(), 0) : std::max(WrongPosition(), 0));
            // The round is in place by now; a window that closed must not wait for the blockers.
            if (blocker) blocker->release(1024);
            QCoreApplication::processEvents();
        }
        delete window.data();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return seen;
    }
};

TEST_P(SameRounds, PreparedWayShowsWhatThePlainWayShows)
{
    const auto& [sc, timing] = GetParam();
    app.MakeFolder("Set_test/Images");
    app.MakeFolder("Set_test/Symbols");
    for (const QString& n : sc.images) app.WriteJpeg("Set_test/Images/" + n, ColourOf(n, false), QSize(80, 60));
    for (const QString& n : sc.symbols) app.WriteJpeg("Set_test/Symbols/" + n, ColourOf(n, true), QSize(60, 60));
    if (sc.damage) sc.damage(app);
    const std::vector<Seen> plain = Play(sc, timing, PictureLoading::Plain);
    const std::vector<Seen> prepared = Play(sc, timing, PictureLoading::Prepared);
    ASSERT_EQ(plain.size(), prepared.size());
    for (std::size_t n = 0; n < plain.size(); ++n) ASSERT_EQ(prepared[n], plain[n]) << "after step " << n;
    // The scenario gets where it means to.
    EXPECT_EQ(plain.back().open, !sc.endsSet);
    if (sc.endsSet) EXPECT_EQ(plain.back().boxes.value(0), "No more images to display") << plain.back();
    for (const Seen& s : plain) {
        if (!s.open) continue;
        // Every box shows the picture of its own tag, but where a file could not be read.
        for (int i = 0; i < s.tags.size(); ++i)
            if (s.boxes.isEmpty() && !s.tags[i].isEmpty()) EXPECT_EQ(s.pictures[i + 1].toUpper(), s.tags[i].toUpper()) << s;
        if (sc.labels == kFalse) EXPECT_EQ(s.labels.join(""), "") << s;  // no caption is ever written
        if (sc.way == kRandomWithRepeats) EXPECT_EQ(s.imagesLeft, sc.images.size()) << s;  // every image stays
    }
}

INSTANTIATE_TEST_SUITE_P(Scenarios, SameRounds,
                         ::testing::Combine(::testing::ValuesIn(kScenarios),
                                            ::testing::Values(Timing::Settled, Timing::Blocked)),
                         ScenarioName);

class PreparedGame : public GameTest {};

TEST_F(PreparedGame, DamagedOrMissingPictureIsReportedOnceInItsOwnRound)
{
    MakeSet({"good.jpg", "bad.jpg", "lost.jpg", "png.jpg"}, {"good.jpg", "bad.jpg", "x.jpg", "png.jpg"});
    app.WriteFile("Set_test/Images/bad.jpg", QByteArray("\xff\xd8\xff\xe0 not really a JPEG"));
    QImage green(30, 20, QImage::Format_RGB32);
    green.fill(Qt::green);
    green.save(app("Set_test/Images/png.jpg"), "PNG");  // a PNG named .jpg loads all the same
    StartGame();
    runtime.boxes.clear();  // the check's reports
    std::map<QString, int> rounds;
    for (int n = 0; n < 60; ++n) {
        // The next round, with whatever it shows, is drawn and decoded before the click.
        window->pipeline().pool().waitForDone();
        ASSERT_TRUE(window->NextRoundReady());
        ASSERT_TRUE(runtime.boxes.empty()) << "reported before its round: " << runtime.BoxTexts().join(" | ").toStdString();
        const QImage before = window->Immagine()->image();
        ClickSymbol(RightPosition());  // judged by its tag, whether its picture loaded or not
        const QString image = window->game().round.imageTag;
        ++rounds[image];
        QStringList expected;
        if (image == "bad.jpg") expected << "Error \"Invalid picture\" in Cambia() routine";
        if (image == "lost.jpg") expected << "Error \"File not found\" in Cambia() routine";
        ASSERT_EQ(runtime.BoxTexts(), expected) << "round " << n << ": " << image.toStdString();
        if (image == "bad.jpg") EXPECT_EQ(window->Immagine()->image(), before);  // the old picture stays
        if (image == "png.jpg") EXPECT_EQ(window->Immagine()->image().pixelColor(5, 5), QColor(Qt::green));
        runtime.boxes.clear();
    }
    for (const char* name : {"bad.jpg", "lost.jpg", "png.jpg"}) EXPECT_GT(rounds[name], 3) << name;
    EXPECT_EQ(module1.SessionCorrect, 60);
}

TEST_F(PreparedGame, AFileChangedAfterItsRoundWasPreparedIsReadAsItIsWhenShown)
{
    MakeSet({"a.jpg"}, {"a.jpg", "b.jpg"});
    StartGame();
    window->pipeline().pool().waitForDone();
    ASSERT_TRUE(window->NextRoundReady());
    // Gone after the next round was decoded: reported in that round all the same.
    runtime.boxes.clear();  // the check's note on b.jpg
    QFile::remove(app("Set_test/Images/a.jpg"));
    Skip();
    EXPECT_EQ(runtime.BoxTexts(), QStringList({"Error \"File not found\" in Cambia() routine"}));
    runtime.boxes.clear();
    // Back, in another colour, after the next round found it missing: shown, not reported.
    window->pipeline().pool().waitForDone();
    app.WriteJpeg("Set_test/Images/a.jpg", Qt::green, QSize(80, 60));
    Skip();
    EXPECT_TRUE(runtime.boxes.empty()) << runtime.BoxTexts().join(" | ").toStdString();
    const QImage shown = window->Immagine()->image();
    EXPECT_GT(shown.pixelColor(shown.width() / 2, shown.height() / 2).green(), 200);
}

TEST_F(PreparedGame, SymbolCacheNeverGrowsPastItsBound)
{
    module1.MaxPlaceholders = 4;
    QStringList names;
    for (int i = 0; i < 150; ++i) names << QString("s%1.jpg").arg(i);
    for (const QString& n : names.mid(0, 10)) app.WriteJpeg("Set_test/Images/" + n, Qt::blue, QSize(60, 40));
    // Larger than a placeholder, so each is kept at the placeholder's size.
    for (const QString& n : names) app.WriteJpeg("Set_test/Symbols/" + n, ColourOf(n, true), QSize(400, 400));
    StartGame();
    const PictureCache& cache = window->pipeline().cache();
    const qsizetype one = window->Simbolo(0)->image().sizeInBytes();
    ASSERT_GT(one, 0);
    ASSERT_GT(names.size() * one, cache.maxBytes());  // the set does not fit
    qsizetype most = 0;
    for (int n = 0; n < 200; ++n) {
        Skip();
        ASSERT_LE(cache.bytes(), cache.maxBytes()) << "round " << n;
        most = std::max(most, cache.count());
    }
    // Filled up to its bound, not beyond.
    EXPECT_EQ(most, cache.maxBytes() / one);
}

// A JPEG stored on its side, left half red and right half blue, whose EXIF
// orientation 6 tells the viewer to turn it a quarter clockwise: upright, the
// red half is on top.
QByteArray PhoneJpeg()
{
    QImage stored(1200, 600, QImage::Format_RGB32);
    QPainter p(&stored);
    p.fillRect(0, 0, 600, 600, Qt::red);
    p.fillRect(600, 0, 600, 600, Qt::blue);
    p.end();
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    stored.save(&buffer, "JPG", 95);
    // APP1: "Exif", a big-endian TIFF header and one entry, Orientation (0x0112), SHORT, value 6.
    const QByteArray app1("\xff\xe1\0\x22" "Exif\0\0" "MM\0*\0\0\0\x08" "\0\x01" "\x01\x12\0\x03\0\0\0\x01" "\0\x06\0\0\0\0\0\0", 36);
    return jpeg.left(2) + app1 + jpeg.mid(2);
}

class PhonePhoto : public GameTest, public ::testing::WithParamInterface<PictureLoading> {};

// Upright, filling its box, decoded at the size shown.
TEST_P(PhonePhoto, StandsUprightOnScreen)
{
    module1.MaxPlaceholders = 1;
    app.WriteFile("Set_test/Images/phone.jpg", PhoneJpeg());
    app.WriteFile("Set_test/Symbols/phone.jpg", PhoneJpeg());
    window = frmMain::Start(runtime, module1, GetParam());
    ASSERT_TRUE(runtime.boxes.empty()) << runtime.BoxTexts().join(" | ").toStdString();
    for (ImageBox* box : {window->Immagine(), window->Simbolo(0)}) {
        EXPECT_EQ(box->image().size(), box->devicePixelSize());
        const QImage shown = box->grab().toImage();
        const int w = shown.width(), h = shown.height();
        for (int x : {3, w / 2, w - 4}) {
            const QColor top = shown.pixelColor(x, h / 4), bottom = shown.pixelColor(x, 3 * h / 4);
            EXPECT_GT(top.red(), 200) << box->objectName().toStdString();
            EXPECT_LT(top.blue(), 60);
            EXPECT_GT(bottom.blue(), 200);
            EXPECT_LT(bottom.red(), 60);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Ways, PhonePhoto, ::testing::Values(PictureLoading::Plain, PictureLoading::Prepared));

}  // namespace
}  // namespace lumari::test
