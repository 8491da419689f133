// Measures the game window on sets of 12-megapixel photos against the plain
// way (PlainGame: every picture decoded in full on the window's thread at the
// click; ours draws the next round ahead and decodes it at the size shown,
// symbols cached), and the coherence check against the scan that compares
// every name with every other; prints one table with the goals of each.
//
// A plain program rather than Google Benchmark: every figure here is a real
// click on a real window, with the learner's pause before it, the percentiles
// of a game's rounds, the peak memory of a whole game in a process of its own
// and a start-up; none of them is a tight loop to repeat, and the two ways
// must sit side by side in one table.
#include "BenchServices.h"
#include "PhotoSets.h"
#include "PlainCheck.h"
#include "PlainGame.h"

#include "game/Catalogue.h"
#include "game/CoherenceCheck.h"
#include "game/ImageBox.h"
#include "game/frmMain.h"
#include "state/Module1.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace lumari::bench {
namespace {

constexpr int kMeasuredRounds = 120;
constexpr int kMemoryRounds = 200;
constexpr int kStartUps = 7;
constexpr int kRoundImages = 150;  // enough for 120 rounds without repetitions
constexpr int kStartUpFiles = 1000;

// The plain way (PlainGame) or ours (the game window).
enum class Way { Plain, Ours };

const char* NameOf(Way way) { return way == Way::Plain ? "plain" : "ours"; }

double Ms(qint64 ns) { return double(ns) / 1e6; }

double Percentile(std::vector<double> values, double p)
{
    std::sort(values.begin(), values.end());
    const double rank = p * double(values.size() - 1);
    const std::size_t lo = std::size_t(rank);
    const std::size_t hi = std::min(lo + 1, values.size() - 1);
    return values[lo] + (values[hi] - values[lo]) * (rank - double(lo));
}

enum class Answer { Right, ChangeSet };

struct RoundTimes {
    std::vector<double> click;  // ms from the click to the next round painted
    std::vector<double> ready;  // ms from a round shown to the next one prepared
    QStringList rounds;         // the tags of every round shown, to compare the two ways
};

Module1 Options(std::int16_t way, const QString& set)
{
    Module1 m;
    m.MaxPlaceholders = 4;
    m.ShowLabels = kTrue;
    m.PlaySounds = kFalse;
    m.WayToWork = way;
    m.ImagesSet = set;
    return m;
}

// Either window, as the benchmark plays it.
struct Window {
    QPointer<QWidget> widget;
    std::function<const GameState&()> game;
    std::function<bool()> nextRoundReady;  // the plain way has nothing to prepare
};

Window Open(Way way, const Services& services, Module1& module1)
{
    if (way == Way::Plain) {
        QPointer<PlainGame> window = PlainGame::Start(services, module1);
        return {window.data(), [window]() -> const GameState& { return window->game(); }, [] { return true; }};
    }
    QPointer<frmMain> window = frmMain::Start(services, module1);
    return {window.data(), [window]() -> const GameState& { return window->game(); },
            [window] { return window->NextRoundReady(); }};
}

QString TagsOf(const RoundState& round)
{
    QStringList tags{round.imageTag};
    for (const QString& tag : round.symbolTags) tags << tag;
    return tags.join(u'|');
}

// The learner looks at the round before answering: long enough for the
// prepared way to finish its work, as any human answer is.
void LookAtTheRound(const Window& window, RoundTimes& times, QElapsedTimer& sinceShown)
{
    const QDeadlineTimer giveUp(60'000);
    while (!window.nextRoundReady()) {
        if (giveUp.hasExpired()) throw std::runtime_error("the next round was never prepared");
        QCoreApplication::processEvents();
        QThread::usleep(200);
    }
    times.ready.push_back(Ms(sinceShown.nsecsElapsed()));
    QCoreApplication::processEvents();
}

// A real click, found by the controls' names, on the button or the right placeholder.
void Answer1(const Window& window, Answer answer)
{
    QWidget* widget = window.widget;
    if (answer == Answer::ChangeSet) {
        auto* button = widget->findChild<QPushButton*>(QStringLiteral("cmdCambia"));
        if (!button) throw std::runtime_error("no \"Change set\" button");
        QTest::mouseClick(button, Qt::LeftButton);
        return;
    }
    const RoundState& round = window.game().round;
    int right = 0;
    for (int i = 0; i < kPlaceholderSlots; ++i)
        if (round.symbolTags[std::size_t(i)].toUpper() == round.imageTag.toUpper()) right = i;
    auto* box = widget->findChild<ImageBox*>(QStringLiteral("Simbolo%1").arg(right));
    if (!box) throw std::runtime_error("no placeholder to click");
    QTest::mouseClick(widget->windowHandle(), Qt::LeftButton, {}, box->mapTo(widget, box->rect().center()));
}

RoundTimes PlayRounds(const QString& appFolder, Way way, std::int16_t wayToWork, Answer answer, int rounds)
{
    BenchServices bench(appFolder, 2026);
    const Services services = bench.services();
    Module1 module1 = Options(wayToWork, "photos");
    const Window window = Open(way, services, module1);
    if (!window.widget) throw std::runtime_error("the game window did not open");
    window.widget->repaint();
    RoundTimes times;
    times.rounds << TagsOf(window.game().round);
    QElapsedTimer sinceShown;
    sinceShown.start();
    for (int n = 0; n < rounds; ++n) {
        LookAtTheRound(window, times, sinceShown);
        const std::int32_t shownBefore = module1.SessionShown;
        QElapsedTimer click;
        click.start();
        Answer1(window, answer);
        QCoreApplication::processEvents();
        window.widget->repaint();  // the whole window painted with the new round
        times.click.push_back(Ms(click.nsecsElapsed()));
        sinceShown.start();
        if (!window.widget || module1.SessionShown != shownBefore + 1 || bench.boxes.count > 0)
            throw std::runtime_error("a round was not drawn as expected");
        times.rounds << TagsOf(window.game().round);
    }
    delete window.widget.data();
    return times;
}

// Peak resident memory of this process, in MB.
double PeakResidentMb()
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').front().toDouble() / 1024.0;
    return -1;
}

// The child process: one 200-round game, then its peak memory on stdout.
int MemoryChild(const QString& appFolder, Way way)
{
    PlayRounds(appFolder, way, kRandomWithRepeats, Answer::Right, kMemoryRounds);
    std::printf("%.1f\n", PeakResidentMb());
    return 0;
}

double MemoryOf(const QString& appFolder, Way way)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), {"--memory", NameOf(way), appFolder});
    if (!child.waitForFinished(600'000) || child.exitCode() != 0) throw std::runtime_error("memory run failed");
    return child.readAllStandardOutput().trimmed().toDouble();
}

// Start-up on the 1000 + 1000 set: the catalogues and the check, the plain
// check comparing every name with every other.
double CataloguesAndCheck(BenchServices& bench, const Module1& module1, Way way)
{
    const Services services = bench.services();
    Catalogue images, symbols;
    QElapsedTimer timer;
    timer.start();
    CaricaImmagini(services, module1, images);
    CaricaSimboli(services, module1, symbols);
    if (way == Way::Plain) ControllaCoerenzaByScan(services, images, symbols);
    else ControllaCoerenza(services, images, symbols);
    const double ms = Ms(timer.nsecsElapsed());
    if (images.Count() != kStartUpFiles || symbols.Count() != kStartUpFiles || bench.boxes.count > 0)
        throw std::runtime_error("the start-up set did not load as expected");
    return ms;
}

QByteArray CheckLog(const QString& appFolder)
{
    QFile log(appFolder + "/LumariCheck.log");
    if (!log.open(QIODevice::ReadOnly)) throw std::runtime_error("no check log");
    return log.readAll();
}

// The window's whole start-up up to its first round painted, less the
// creation of the window itself.
double StartUpBeyondCreation(const QString& appFolder, Way way)
{
    BenchServices bench(appFolder, 7);
    const Services services = bench.services();
    Module1 module1 = Options(kRandomWithRepeats, "startup");
    QElapsedTimer timer;
    timer.start();
    if (way == Way::Plain) delete new PlainGame(services, module1);
    else delete new frmMain(services, module1);
    const qint64 creation = timer.nsecsElapsed();
    timer.start();
    const Window window = Open(way, services, module1);
    if (!window.widget) throw std::runtime_error("the game window did not open");
    window.widget->repaint();
    const qint64 whole = timer.nsecsElapsed();
    delete window.widget.data();
    return Ms(whole - creation);
}

double Median(std::vector<double> v) { return Percentile(std::move(v), 0.5); }

struct Row {
    QString goal, target;
    double plain, ours;
    QString unit;
};

void PrintTable(const std::vector<Row>& rows)
{
    std::printf("| goal | target | plain | ours | plain / ours |\n|---|---|---:|---:|---:|\n");
    for (const Row& r : rows)
        std::printf("| %s | %s | %.1f %s | %.1f %s | %.1f× |\n", qPrintable(r.goal), qPrintable(r.target), r.plain,
                    qPrintable(r.unit), r.ours, qPrintable(r.unit), r.plain / r.ours);
}

int Run()
{
    QTemporaryDir temp;
    if (!temp.isValid()) throw std::runtime_error("no temporary folder");
    const QString app = temp.path();
    std::fprintf(stderr, "Generating photo-like sets in %s ...\n", qPrintable(app));
    SetsMade made;
    const QStringList photos = WritePhotos(app + "/photos", 8, made);
    MakePhotoSet(app, "photos", kRoundImages, kRoundImages, photos, made);
    MakePhotoSet(app, "startup", kStartUpFiles, kStartUpFiles, photos, made);

    std::vector<Row> rows;
    std::vector<double> readyAfter;
    const struct {
        const char* name;
        std::int16_t way;
        Answer answer;
    } games[] = {{"right answer, random mode", kRandomWithRepeats, Answer::Right},
                 {"\"Change set\", random mode", kRandomWithRepeats, Answer::ChangeSet},
                 {"right answer, controlled random mode", kControlledRandom, Answer::Right}};
    for (const auto& g : games) {
        std::fprintf(stderr, "Rounds: %s ...\n", g.name);
        const RoundTimes plain = PlayRounds(app, Way::Plain, g.way, g.answer, kMeasuredRounds);
        const RoundTimes ours = PlayRounds(app, Way::Ours, g.way, g.answer, kMeasuredRounds);
        if (plain.rounds != ours.rounds) throw std::runtime_error("the two ways played different rounds");
        rows.push_back({QStringLiteral("%1 → next round painted, median").arg(g.name), "≤ 5 ms",
                        Median(plain.click), Median(ours.click), "ms"});
        rows.push_back({QStringLiteral("%1 → next round painted, 95th percentile").arg(g.name), "≤ 16 ms",
                        Percentile(plain.click, 0.95), Percentile(ours.click, 0.95), "ms"});
        readyAfter.insert(readyAfter.end(), ours.ready.begin(), ours.ready.end());
    }

    std::fprintf(stderr, "Memory: two %d-round games, each in a process of its own ...\n", kMemoryRounds);
    rows.push_back({QStringLiteral("peak resident memory, %1-round game").arg(kMemoryRounds), "≤ 150 MB",
                    MemoryOf(app, Way::Plain), MemoryOf(app, Way::Ours), "MB"});

    std::fprintf(stderr, "Start-up on %d + %d files ...\n", kStartUpFiles, kStartUpFiles);
    {
        BenchServices bench(app, 1);
        const Module1 module1 = Options(kRandomWithRepeats, "startup");
        std::vector<double> plain, ours;
        for (int i = 0; i < kStartUps; ++i) {
            plain.push_back(CataloguesAndCheck(bench, module1, Way::Plain));
            const QByteArray plainLog = CheckLog(app);
            ours.push_back(CataloguesAndCheck(bench, module1, Way::Ours));
            if (CheckLog(app) != plainLog) throw std::runtime_error("the two checks wrote different logs");
        }
        rows.push_back({QStringLiteral("start-up, catalogues and coherence check, %1 + %1 files, median of %2")
                            .arg(kStartUpFiles)
                            .arg(kStartUps),
                        "≤ 30 ms", Median(plain), Median(ours), "ms"});
        std::vector<double> plainWhole, oursWhole;
        for (int i = 0; i < 3; ++i) {
            plainWhole.push_back(StartUpBeyondCreation(app, Way::Plain));
            oursWhole.push_back(StartUpBeyondCreation(app, Way::Ours));
        }
        rows.push_back({"start-up to the first round painted, beyond window creation, median of 3", "(no goal)",
                        Median(plainWhole), Median(oursWhole), "ms"});
    }

    std::printf("Lumari picture pipeline benchmark: Qt %s, %d cores, offscreen platform, device-pixel ratio %.0f.\n",
                qVersion(), QThread::idealThreadCount(), qApp->devicePixelRatio());
    std::printf("Sets: %d distinct 4000 x 3000 photo-like JPEGs (%.1f MB on average) generated, then %s under\n"
                "%d + %d names (round sets) and %d + %d names (start-up set), in %.1f s. Rounds: %d measured per row,\n"
                "4 placeholders, labels on; a real click on the right placeholder or the button, timed until the\n"
                "whole window has repainted. Before each click the learner looks at the round until the prepared\n"
                "way has finished its work: median %.0f ms, 95th percentile %.0f ms after a round is shown.\n\n",
                made.distinctPhotos, made.averageBytes / 1e6, made.linked ? "hard-linked" : "copied", kRoundImages,
                kRoundImages, kStartUpFiles, kStartUpFiles, made.seconds, kMeasuredRounds, Median(readyAfter),
                Percentile(readyAfter, 0.95));
    PrintTable(rows);
    return 0;
}

}  // namespace
}  // namespace lumari::bench

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    try {
        if (args.size() == 4 && args[1] == "--memory")
            return lumari::bench::MemoryChild(args[3], args[2] == "plain" ? lumari::bench::Way::Plain
                                                                         : lumari::bench::Way::Ours);
        return lumari::bench::Run();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "lumari_bench: %s\n", e.what());
        return 1;
    }
}
