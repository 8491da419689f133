// Measures the game session on sets of 12-megapixel photos against the plain
// way (PlainGame: every picture decoded in full on the calling thread at the
// answer; ours draws the next round ahead and decodes it at the size shown,
// symbols cached), the answer sounds against their decoding on the answer
// (PlainSound), and the coherence check against the scan that compares every
// name with every other; prints one table with the goals of each.
//
// A plain program rather than Google Benchmark: every figure here is an
// answer with the learner's pause before it, the percentiles of a game's
// rounds, the peak memory of a whole game in a process of its own and a
// start-up; none of them is a tight loop to repeat, and the two ways must sit
// side by side in one table.
#include "BenchMain.h"
#include "BenchServices.h"
#include "PhotoSets.h"
#include "PlainCheck.h"
#include "PlainGame.h"

#include "game/Catalogue.h"
#include "game/CoherenceCheck.h"
#include "game/GameSession.h"
#include "game/SteadyStopwatch.h"
#include "platform/WavePlayer.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QDir>
#include <QFile>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace lumari::bench {
namespace {

constexpr int kMeasuredRounds = 120;
constexpr int kSoundRounds = 40;
constexpr int kMemoryRounds = 200;
constexpr int kStartUps = 7;
constexpr int kRoundImages = 150;  // enough for 120 rounds without repetitions
constexpr int kStartUpFiles = 1000;

// The plain way (PlainGame) or ours (the game session).
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

// The game's boxes at 96 dots per inch: the size pictures are shown at.
const QSize kImageBox(600, 300), kSymbolBox(201, 201);

struct RoundTimes {
    std::vector<double> answer;  // ms from the answer to the next round ready to show
    std::vector<double> ready;   // ms from a round shown to the next one prepared
    QStringList rounds;          // the tags of every round shown, to compare the two ways
};

GameOptions Options(Drawing way, const QString& set, const QString& sound = QString())
{
    GameOptions o;
    o.MaxPlaceholders = 4;
    o.ShowLabels = true;
    o.PlaySounds = !sound.isEmpty();
    o.SoundOk = sound;
    o.WayToWork = way;
    o.ImagesSet = set;
    return o;
}

// Either way's game, as the benchmark plays it.
struct Game {
    std::function<ShownRound()> start, changeSet;
    std::function<ShownRound(int)> answer;
    std::function<const GameState&()> state;
    std::function<const GameTally&()> tally;
    std::function<bool()> nextRoundReady;  // the plain way has nothing to prepare
    std::shared_ptr<void> owner;
};

Game Open(Way way, const Services& services, const GameOptions& options)
{
    static const SteadyStopwatch stopwatch;
    if (way == Way::Plain) {
        auto game = std::make_shared<PlainGame>(services, options, kImageBox, kSymbolBox);
        return {[game] { return game->Start(); }, [game] { return game->ChangeSet(); },
                [game](int i) { return game->Answer(i); }, [game]() -> const GameState& { return game->game(); },
                [game]() -> const GameTally& { return game->tally(); }, [] { return true; }, game};
    }
    auto game = std::make_shared<GameSession>(services, options, stopwatch, nullptr,
                                              [](int target) { return target == kImageTarget ? kImageBox : kSymbolBox; });
    return {[game] { return game->Start(); }, [game] { return game->ChangeSet(); },
            [game](int i) { return game->Answer(i); }, [game]() -> const GameState& { return game->game(); },
            [game]() -> const GameTally& { return game->tally(); }, [game] { return game->NextRoundReady(); }, game};
}

QString TagsOf(const RoundState& round)
{
    QStringList tags{round.imageTag};
    for (const QString& tag : round.symbolTags) tags << tag;
    return tags.join(u'|');
}

// The learner looks at the round before answering: long enough for the
// prepared way to finish its work (and a sound its decoding), as any human
// answer is.
void LookAtTheRound(const Game& game, RoundTimes& times, QElapsedTimer& sinceShown)
{
    const QDeadlineTimer giveUp(60'000);
    while (!game.nextRoundReady()) {
        if (giveUp.hasExpired()) throw std::runtime_error("the next round was never prepared");
        QCoreApplication::processEvents();
        QThread::usleep(200);
    }
    times.ready.push_back(Ms(sinceShown.nsecsElapsed()));
    const QDeadlineTimer look(50);
    while (!look.hasExpired()) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

// The answer the learner gives: "Change set", or the right placeholder.
ShownRound Answer1(const Game& game, Answer answer)
{
    if (answer == Answer::ChangeSet) return game.changeSet();
    const RoundState& round = game.state().round;
    int right = 0;
    for (int i = 0; i < kPlaceholderSlots; ++i)
        if (round.symbolTags[std::size_t(i)].toUpper() == round.imageTag.toUpper()) right = i;
    return game.answer(right);
}

RoundTimes PlayRounds(const QString& appFolder, Way way, Drawing wayToWork, Answer answer, int rounds,
                      SoundOutput* sound = nullptr, const QString& soundFile = QString())
{
    BenchServices bench(appFolder, 2026);
    if (sound) bench.sound = sound;
    const Services services = bench.services();
    const Game game = Open(way, services, Options(wayToWork, "photos", soundFile));
    RoundTimes times;
    if (!game.start().drawn) throw std::runtime_error("the first round was not drawn");
    times.rounds << TagsOf(game.state().round);
    QElapsedTimer sinceShown;
    sinceShown.start();
    for (int n = 0; n < rounds; ++n) {
        LookAtTheRound(game, times, sinceShown);
        const std::int32_t shownBefore = game.tally().SessionShown;
        QElapsedTimer timer;
        timer.start();
        const ShownRound shown = Answer1(game, answer);
        times.answer.push_back(Ms(timer.nsecsElapsed()));
        sinceShown.start();
        if (!shown.drawn || game.tally().SessionShown != shownBefore + 1 || bench.boxes.count > 0)
            throw std::runtime_error("a round was not drawn as expected");
        times.rounds << TagsOf(game.state().round);
    }
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
    PlayRounds(appFolder, way, Drawing::RandomWithRepeats, Answer::Right, kMemoryRounds);
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
double CataloguesAndCheck(BenchServices& bench, const GameOptions& options, Way way)
{
    const Services services = bench.services();
    Catalogue images, symbols;
    QElapsedTimer timer;
    timer.start();
    CaricaImmagini(services, options, images);
    CaricaSimboli(services, options, symbols);
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

// The game's whole start-up up to its first round ready to show.
double StartUp(const QString& appFolder, Way way)
{
    BenchServices bench(appFolder, 7);
    const Services services = bench.services();
    const GameOptions options = Options(Drawing::RandomWithRepeats, "startup");
    QElapsedTimer timer;
    timer.start();
    const Game game = Open(way, services, options);
    if (!game.start().drawn) throw std::runtime_error("the first round was not drawn");
    return Ms(timer.nsecsElapsed());
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
        Drawing way;
        Answer answer;
    } games[] = {{"right answer, random mode", Drawing::RandomWithRepeats, Answer::Right},
                 {"\"Change set\", random mode", Drawing::RandomWithRepeats, Answer::ChangeSet},
                 {"right answer, controlled random mode", Drawing::ControlledRandom, Answer::Right}};
    for (const auto& g : games) {
        std::fprintf(stderr, "Rounds: %s ...\n", g.name);
        const RoundTimes plain = PlayRounds(app, Way::Plain, g.way, g.answer, kMeasuredRounds);
        const RoundTimes ours = PlayRounds(app, Way::Ours, g.way, g.answer, kMeasuredRounds);
        if (plain.rounds != ours.rounds) throw std::runtime_error("the two ways played different rounds");
        rows.push_back({QStringLiteral("%1 → next round ready to show, median").arg(g.name), "≤ 5 ms",
                        Median(plain.answer), Median(ours.answer), "ms"});
        rows.push_back({QStringLiteral("%1 → next round ready to show, 95th percentile").arg(g.name), "≤ 16 ms",
                        Percentile(plain.answer, 0.95), Percentile(ours.answer, 0.95), "ms"});
        readyAfter.insert(readyAfter.end(), ours.ready.begin(), ours.ready.end());
    }

    // The sound of a right answer, played the plain way (decoded on the answer) and ours, both
    // with our rounds: the bundled ok.wav, then a song.
    std::fprintf(stderr, "Rounds with a sound ...\n");
    QDir().mkpath(app + "/Sounds");
    if (!QFile::copy(QStringLiteral(LUMARI_DATA_DIR "/Sounds/ok.wav"), app + "/Sounds/ok.wav"))
        throw std::runtime_error("no bundled ok.wav");
    WriteTone(app + "/Sounds/song.wav", 180, 48000, 2);
    double okMedian = 0;
    for (const QString& sound : {QStringLiteral("ok.wav"), QStringLiteral("song.wav")}) {
        PlainSound plainSound;
        WavePlayer player;
        const RoundTimes plain =
            PlayRounds(app, Way::Ours, Drawing::RandomWithRepeats, Answer::Right, kSoundRounds, &plainSound, sound);
        const RoundTimes ours = PlayRounds(app, Way::Ours, Drawing::RandomWithRepeats, Answer::Right, kSoundRounds, &player, sound);
        const bool song = sound == "song.wav";
        rows.push_back({song ? QStringLiteral("right answer, a 3-minute 48 kHz stereo WAV as its sound → next round "
                                              "ready to show, median")
                             : QStringLiteral("right answer, the bundled ok.wav as its sound → next round ready to show, "
                                              "median"),
                        song ? QStringLiteral("≤ %1 ms (ok.wav's + 10 ms)").arg(okMedian + 10, 0, 'f', 1)
                             : QStringLiteral("(what the song is held to)"),
                        Median(plain.answer), Median(ours.answer), "ms"});
        okMedian = Median(ours.answer);
    }

    std::fprintf(stderr, "Memory: two %d-round games, each in a process of its own ...\n", kMemoryRounds);
    rows.push_back({QStringLiteral("peak resident memory, %1-round game").arg(kMemoryRounds), "≤ 150 MB",
                    MemoryOf(app, Way::Plain), MemoryOf(app, Way::Ours), "MB"});

    std::fprintf(stderr, "Start-up on %d + %d files ...\n", kStartUpFiles, kStartUpFiles);
    {
        BenchServices bench(app, 1);
        const GameOptions options = Options(Drawing::RandomWithRepeats, "startup");
        std::vector<double> plain, ours;
        for (int i = 0; i < kStartUps; ++i) {
            plain.push_back(CataloguesAndCheck(bench, options, Way::Plain));
            const QByteArray plainLog = CheckLog(app);
            ours.push_back(CataloguesAndCheck(bench, options, Way::Ours));
            if (CheckLog(app) != plainLog) throw std::runtime_error("the two checks wrote different logs");
        }
        rows.push_back({QStringLiteral("start-up, catalogues and coherence check, %1 + %1 files, median of %2")
                            .arg(kStartUpFiles)
                            .arg(kStartUps),
                        "≤ 30 ms", Median(plain), Median(ours), "ms"});
        std::vector<double> plainWhole, oursWhole;
        for (int i = 0; i < 3; ++i) {
            plainWhole.push_back(StartUp(app, Way::Plain));
            oursWhole.push_back(StartUp(app, Way::Ours));
        }
        rows.push_back({"start-up to the first round ready to show, median of 3", "(no goal)", Median(plainWhole),
                        Median(oursWhole), "ms"});
    }

    std::printf("Lumari game session benchmark: Qt %s, %d cores, offscreen platform, %s.\n", qVersion(),
                QThread::idealThreadCount(),
                QMediaDevices::defaultAudioOutput().isNull() ? "no audio output" : "sounds played on the audio output");
    std::printf("Sets: %d distinct 4000 x 3000 photo-like JPEGs (%.1f MB on average) generated, then %s under\n"
                "%d + %d names (round sets) and %d + %d names (start-up set), in %.1f s. Rounds: %d measured per row\n"
                "(%d with a sound), 4 placeholders, labels on, pictures decoded for boxes of 600 x 300 and 201 x 201;\n"
                "the game session's answer on the right placeholder or \"Change set\", timed until it returns the\n"
                "next round ready to show. Before each answer the learner looks at the round until the prepared\n"
                "way has finished its work, then 50 ms more: median %.0f ms, 95th percentile %.0f ms after a round\n"
                "is shown.\n\n",
                made.distinctPhotos, made.averageBytes / 1e6, made.linked ? "hard-linked" : "copied", kRoundImages,
                kRoundImages, kStartUpFiles, kStartUpFiles, made.seconds, kMeasuredRounds, kSoundRounds, Median(readyAfter),
                Percentile(readyAfter, 0.95));
    PrintTable(rows);
    return 0;
}

}  // namespace
}  // namespace lumari::bench

int main(int argc, char** argv)
{
    return lumari::bench::RunBenchProgram(argc, argv, "lumari_bench", [](const QStringList& args) {
        using lumari::bench::Way;
        if (args.size() == 4 && args[1] == "--memory")
            return lumari::bench::MemoryChild(args[3], args[2] == "plain" ? Way::Plain : Way::Ours);
        return lumari::bench::Run();
    });
}
