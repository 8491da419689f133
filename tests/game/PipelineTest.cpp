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

void WritePictures(const AppFolder& app, const QStringList& images, const QStringList& symbols)
{
    app.MakeFolder("Set_test/Images");
    app.MakeFolder("Set_test/Symbols");
    for (const QString& n : images) app.WriteJpeg("Set_test/Images/" + n, ColourOf(n, false), QSize(80, 60));
    for (const QString& n : symbols) app.WriteJpeg("Set_test/Symbols/" + n, ColourOf(n, true), QSize(60, 60));
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
class FlakyDraws : public TestRuntime {
public:
    FlakyDraws(const QString& path, std::uint64_t seed, int failEvery)
        : TestRuntime(path, seed), failEvery_(failEvery)
    {
    }
    float RandomNext() override
    {
        if (failEvery_ > 0 && ++draws_ % failEvery_ == 0) throw RuntimeError(err::InvalidCall);
        return TestRuntime::RandomNext();
    }

private:
    int failEvery_;
    int draws_ = 0;
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
    return os << (s.open ? "open" : "closed") << " image=" << s.image.toStdString()
              << " tags=" << s.tags.join(',').toStdString() << " labels=" << s.labels.join(',').toStdString()
              << " pictures=" << s.pictures.join(',').toStdString() << " boxes=" << s.boxes.join(" | ").toStdString()
              << " shown/correct/wrong/left=" << s.shown << "/" << s.correct << "/" << s.wrong << "/" << s.imagesLeft;
}

class Game {
public:
    Game(const Scenario& sc, PictureLoading loading, Timing timing, const AppFolder& app, std::uint64_t seed)
        : sc_(sc), timing_(timing), runtime_(app.path(), seed, sc.failEvery)
    {
        module1_.MaxPlaceholders = sc.placeholders;
        module1_.WayToWork = sc.way;
        module1_.ShowLabels = sc.labels;
        module1_.ImagesSet = QStringLiteral("test");
        window_ = frmMain::Start(runtime_, module1_, loading);
    }
    ~Game()
    {
        for (QWidget* w : QApplication::topLevelWidgets()) delete w;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    std::vector<Seen> Play()
    {
        std::vector<Seen> seen{Look()};
        for (QChar step : sc_.steps) {
            if (!window_ || !window_->isVisible()) break;
            BeforeStep();
            const int placeholders = PlaceholdersInUse(sc_.placeholders);
            const RoundState& round = window_->game().round;
            int right = 0, wrong = -1;
            for (int i = 0; i < placeholders; ++i) {
                if (round.symbolTags[std::size_t(i)].toUpper() == round.imageTag.toUpper()) right = i;
                else if (wrong < 0) wrong = i;
            }
            if (step == u'S') {
                QTest::mouseClick(window_->cmdCambia(), Qt::LeftButton);
            } else {
                ImageBox* box = window_->Simbolo(step == u'R' ? right : std::max(wrong, 0));
                QTest::mouseClick(window_->windowHandle(), Qt::LeftButton, {},
                                  box->mapTo(window_.data(), box->rect().center()));
            }
            // The round has been put in place by now; a window that closed must not wait for the blockers.
            if (blocker_) blocker_->release(1024);
            blocker_.reset();
            QCoreApplication::processEvents();
            seen.push_back(Look());
        }
        return seen;
    }

    PicturePipeline* pipeline() { return window_ ? &window_->pipeline() : nullptr; }

private:
    void BeforeStep()
    {
        if (!window_) return;
        if (timing_ == Timing::Settled) {
            window_->pipeline().pool().waitForDone();
            EXPECT_EQ(window_->NextRoundReady(), window_->NextRoundDrawn());
        } else if (timing_ == Timing::Blocked && window_->NextRoundDrawn()) {
            // The next round's pictures are done; the one after queues behind
            // busy workers. (Not where the step ends the game: a closing window
            // finishes the decodings under way.)
            QThreadPool& pool = window_->pipeline().pool();
            pool.waitForDone();
            blocker_ = std::make_shared<QSemaphore>();
            for (int i = 0; i < pool.maxThreadCount(); ++i)
                pool.start([b = blocker_] { b->tryAcquire(1, 30000); });
        }
    }

    Seen Look()
    {
        Seen s;
        s.shown = module1_.SessionShown;
        s.correct = module1_.SessionCorrect;
        s.wrong = module1_.SessionWrong;
        for (std::size_t i = shownBoxes_; i < runtime_.boxes.size(); ++i) s.boxes << runtime_.boxes[i].prompt;
        shownBoxes_ = runtime_.boxes.size();
        s.open = window_ && window_->isVisible();
        if (!s.open) return s;
        const RoundState& round = window_->game().round;
        s.image = round.imageTag;
        s.imagesLeft = window_->game().images.Count();
        s.labels << window_->lblImmagine()->text();
        s.pictures << Showing(window_->Immagine(), sc_.images, false);
        for (int i = 0; i < PlaceholdersInUse(sc_.placeholders); ++i) {
            s.tags << round.symbolTags[std::size_t(i)];
            s.labels << window_->lblSimbolo(i)->text();
            s.pictures << Showing(window_->Simbolo(i), sc_.symbols, true);
        }
        return s;
    }

    const Scenario& sc_;
    Timing timing_;
    FlakyDraws runtime_;
    Module1 module1_;
    QPointer<frmMain> window_;
    std::size_t shownBoxes_ = 0;
    std::shared_ptr<QSemaphore> blocker_;
};

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
         app.WriteFile("Set_test/Images/bad.jpg", QByteArray("\xff\xd8\xff\xe0 not really a JPEG", 24));
         app.WriteFile("Set_test/Symbols/gone.jpg", QByteArray("\xff\xd8\xff", 3));
     }},
    {"FailingGenerator", kFive, kFive, 3, kControlledRandom, kTrue, "RSRRS", true, 7},
    {"TooFewSymbols", kFive, {"a.jpg", "b.jpg"}, 4, kRandomWithRepeats, kTrue, "RSRW"},
    {"OnePlaceholder", kFive, kFive, 1, kRandomWithRepeats, kTrue, "RRRSRR"},
    {"LetterCaseTwins", {"b.jpg"}, {"a.jpg", "A.JPG", "b.jpg"}, 3, kRandomWithRepeats, kTrue, "RSR"},
};

std::string ScenarioName(const ::testing::TestParamInfo<std::tuple<Scenario, Timing>>& info)
{
    const char* timings[] = {"Settled", "Blocked"};
    return std::string(std::get<0>(info.param).name) + "_" + timings[int(std::get<1>(info.param))];
}

class SameRounds : public ::testing::TestWithParam<std::tuple<Scenario, Timing>> {};

TEST_P(SameRounds, PreparedWayShowsWhatThePlainWayShows)
{
    const auto& [sc, timing] = GetParam();
    AppFolder app;
    WritePictures(app, sc.images, sc.symbols);
    if (sc.damage) sc.damage(app);
    std::vector<Seen> plain, prepared;
    {
        Game game(sc, PictureLoading::Plain, timing, app, 3);
        plain = game.Play();
    }
    {
        Game game(sc, PictureLoading::Prepared, timing, app, 3);
        prepared = game.Play();
    }
    ASSERT_EQ(plain.size(), prepared.size());
    for (std::size_t n = 0; n < plain.size(); ++n) ASSERT_EQ(prepared[n], plain[n]) << "after step " << n;
    // The scenario gets where it means to.
    EXPECT_EQ(plain.back().open, !sc.endsSet);
    if (sc.endsSet) EXPECT_EQ(plain.back().boxes.value(0), "No more images to display") << plain.back();
    // Every box shows the picture of its own tag, but where a file could not be read.
    for (const Seen& s : plain)
        for (int i = 0; s.open && i < s.tags.size(); ++i)
            if (s.boxes.isEmpty() && !s.tags[i].isEmpty())
                EXPECT_EQ(s.pictures[i + 1].toUpper(), s.tags[i].toUpper()) << s;
}

INSTANTIATE_TEST_SUITE_P(Scenarios, SameRounds,
                         ::testing::Combine(::testing::ValuesIn(kScenarios),
                                            ::testing::Values(Timing::Settled, Timing::Blocked)),
                         ScenarioName);

class PreparedGame : public GameTest {};

TEST_F(PreparedGame, DamagedOrMissingPictureIsReportedOnceInItsOwnRound)
{
    MakeSet({"good.jpg", "bad.jpg", "lost.jpg"}, {"good.jpg", "bad.jpg", "x.jpg"});
    app.WriteFile("Set_test/Images/bad.jpg", QByteArray("\xff\xd8\xff\xe0 not really a JPEG", 24));
    StartGame();
    runtime.boxes.clear();  // the check's reports
    int badRounds = 0, lostRounds = 0;
    for (int n = 0; n < 60; ++n) {
        // The next round, with whatever it shows, is drawn and decoded before the click.
        window->pipeline().pool().waitForDone();
        ASSERT_TRUE(window->NextRoundReady());
        ASSERT_TRUE(runtime.boxes.empty()) << "reported before its round: " << runtime.BoxTexts().join(" | ").toStdString();
        Skip();
        const QString image = window->game().round.imageTag;
        QStringList expected;
        if (image == "bad.jpg") expected << "Error \"Invalid picture\" in Cambia() routine", ++badRounds;
        if (image == "lost.jpg") expected << "Error \"File not found\" in Cambia() routine", ++lostRounds;
        ASSERT_EQ(runtime.BoxTexts(), expected) << "round " << n << ": " << image.toStdString();
        runtime.boxes.clear();
    }
    EXPECT_GT(badRounds, 3);
    EXPECT_GT(lostRounds, 3);
    EXPECT_EQ(module1.SessionShown, 61);
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
    for (int i = 0; i < 150; ++i) names << QStringLiteral("s%1.jpg").arg(i, 3, 10, QChar(u'0'));
    app.MakeFolder("Set_test/Images");
    app.MakeFolder("Set_test/Symbols");
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
    QImage stored(160, 80, QImage::Format_RGB32);
    QPainter p(&stored);
    p.fillRect(0, 0, 80, 80, Qt::red);
    p.fillRect(80, 0, 80, 80, Qt::blue);
    p.end();
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    stored.save(&buffer, "JPG", 95);
    QByteArray tiff("MM\0*\0\0\0\x08", 8);
    tiff += QByteArray("\0\x01", 2);
    tiff += QByteArray("\x01\x12\0\x03\0\0\0\x01", 8);  // Orientation, SHORT, one value
    tiff += QByteArray("\0\x06\0\0\0\0\0\0", 8);
    const QByteArray payload = QByteArray("Exif\0\0", 6) + tiff;
    QByteArray segment("\xff\xe1", 2);
    segment += char((payload.size() + 2) >> 8);
    segment += char((payload.size() + 2) & 0xff);
    return jpeg.left(2) + segment + payload + jpeg.mid(2);
}

class PhonePhoto : public GameTest, public ::testing::WithParamInterface<PictureLoading> {};

TEST_P(PhonePhoto, StandsUprightOnScreen)
{
    module1.MaxPlaceholders = 1;
    app.WriteFile("Set_test/Images/phone.jpg", PhoneJpeg());
    app.WriteFile("Set_test/Symbols/phone.jpg", PhoneJpeg());
    window = frmMain::Start(runtime, module1, GetParam());
    ASSERT_TRUE(runtime.boxes.empty()) << runtime.BoxTexts().join(" | ").toStdString();
    for (ImageBox* box : {window->Immagine(), window->Simbolo(0)}) {
        const QImage shown = box->grab().toImage();
        const int w = shown.width(), h = shown.height();
        for (int x : {w / 4, w / 2, 3 * w / 4}) {
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
