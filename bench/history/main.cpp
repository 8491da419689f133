// Measures the learners' history on 1,000 games of 50 rounds: a learner's
// Learners page opened and painted, the one-page PDF report, and reading a
// learner's progress; each against the plain way (a file without indexes,
// one query per game) in the same run. And what recording a game of 200
// rounds adds from the game window's close to the results window. Prints
// one table.
//
// A plain program rather than Google Benchmark: each figure is a whole page
// opened or a whole report written, and both ways belong in one table.
#include "BenchMain.h"
#include "BenchServices.h"
#include "PlainProgress.h"

#include "app/GameFlow.h"
#include "game/frmMain.h"
#include "history/GameRecording.h"
#include "history/HistoryFile.h"
#include "history/SessionRecorder.h"
#include "history/Learners.h"
#include "history/SessionWriter.h"
#include "history/SqlSteps.h"
#include "options/frmApertura.h"
#include "reports/ReportCommand.h"
#include "results/frmAbout.h"
#include "state/Module1.h"
#include "teacher/learners/LearnerDialogs.h"
#include "teacher/learners/LearnersPage.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace lumari::bench {
namespace {

constexpr int kGames = 1000, kRoundsPerGame = 50, kLearners = 10, kRuns = 7;
// The close takes about 2 ms: many runs, so that a difference of 0.1 ms shows above the noise.
constexpr int kCloses = 75;

struct NoDialogs : LearnerDialogs {
    QString AskName(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    int Choose(QWidget*, const QString&, const QString&, const QStringList&) override { return -1; }
    QString SaveFileName(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    bool SetUpPrinter(QWidget*, QPrinter&) override { return false; }
};

// Games of 50 rounds over two sets of 40 pictures, three learners in four
// right first, 0.5 to 6 s to answer; every learner's games spread over a year.
void Fill(const QString& path, const QStringList& learners, int games)
{
    QRandomGenerator random(22);
    const auto opened = OpenHistory(path);
    const QSqlDatabase db = opened.connection->db();
    RunSql(db, "PRAGMA synchronous = OFF");
    const QDateTime first(QDate(2026, 1, 5), QTime(9, 0), Qt::OffsetFromUTC, 3600);
    for (int g = 0; g < games; ++g) {
        SessionRecord s;
        s.started = first.addSecs(qint64(g) * 365 * 86400 / games);
        s.ended = s.started.addSecs(600);
        s.setName = g % 3 ? "Animals" : "Things";
        s.placeholders = 4, s.wayToWork = 1, s.shown = kRoundsPerGame;
        for (int r = 0; r < kRoundsPerGame; ++r) {
            RoundRecord round;
            round.image = QStringLiteral("picture%1.jpg").arg(random.bounded(40));
            round.symbols = {round.image, "a.jpg", "b.jpg", "c.jpg"};
            const int roll = random.bounded(100);
            round.firstAnswer = roll < 75 ? FirstAnswer::Right : roll < 95 ? FirstAnswer::Wrong : FirstAnswer::None;
            round.answers = round.firstAnswer == FirstAnswer::None ? 0 : 1 + (round.firstAnswer == FirstAnswer::Wrong);
            if (round.answers) round.responseMs = 500 + random.bounded(5500);
            round.skipped = round.firstAnswer == FirstAnswer::None && roll % 2;
            s.correct += round.firstAnswer == FirstAnswer::Right, s.wrong += round.firstAnswer == FirstAnswer::Wrong;
            s.rounds.push_back(round);
        }
        s.learner = learners[g % learners.size()];
        WriteSession(db, s);
    }
}

// The plain way's file: the same games without the indexes.
void DropIndexes(const QString& path)
{
    HistoryConnection c(path);
    RunSql(c.db(), "DROP INDEX sessions_by_learner");
    RunSql(c.db(), "DROP INDEX rounds_by_session");
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Milliseconds of each run, plain and ours taking turns.
std::pair<double, double> Measure(const std::function<void()>& plain, const std::function<void()>& ours)
{
    std::vector<double> p, o;
    for (int run = 0; run < kRuns; ++run)
        for (auto [way, times] : {std::pair{&plain, &p}, std::pair{&ours, &o}}) {
            QElapsedTimer t;
            t.start();
            (*way)();
            times->push_back(double(t.nsecsElapsed()) / 1e6);
        }
    return {Median(p), Median(o)};
}

// A game of 200 rounds as the recorder heard it: 150 right first, 40 wrong then right, 10 skipped.
void Play200(SessionRecorder& recorder)
{
    MonotonicTime at{};
    GameTally m;
    for (int r = 0; r < 200; ++r) {
        ++m.SessionShown;
        recorder.RoundShown({at += std::chrono::milliseconds(900), QStringLiteral("picture%1.jpg").arg(r % 40), {"a.jpg", "b.jpg"}, 0});
        if (r % 20 == 19) recorder.RoundSkipped({at += std::chrono::milliseconds(500)});
        else if (r % 5 == 4) ++m.SessionWrong, recorder.Answered({at, 1, false, true}), recorder.Answered({at, 0, true, false});
        else ++m.SessionCorrect, recorder.Answered({at, 0, true, true});
    }
    recorder.GameEnded({at, false, m});
}

// From the game window's close box to the results window, through the real
// windows of a run; with the history, the 200-round game is recorded on the way.
double CloseToResults(BenchServices& bench, const QString& history, bool record)
{
    {
        Module1 module1;
        SystemWallClock clock;
        SessionRecorder recorder(clock, bench.settings);
        Play200(recorder);
        const struct : Stopwatch { MonotonicTime Now() const noexcept override { return {}; } } stopwatch;
        const Services services = bench.services();
        GameFlow flow(services, module1, stopwatch);
        GameRecording recording(services, history);
        if (record) flow.AtGameEnd([&] { recording.Record(recorder); });
        if (!flow.Start()) throw std::runtime_error("the options window refused to start");
        QMetaObject::invokeMethod(flow.options()->findChild<QPushButton*>("OKButton"), "click");
        while (!flow.game()) QCoreApplication::processEvents();
        QEventLoop written;
        QObject::connect(&recording, &GameRecording::finished, &written, &QEventLoop::quit);
        QElapsedTimer t;
        t.start();
        flow.game()->close();
        while (!flow.results()) QCoreApplication::processEvents();
        const double ms = double(t.nsecsElapsed()) / 1e6;
        delete flow.results().data();
        // The game written before the next run; not timed, as the results window is open by then.
        if (record) written.exec();
        return ms;
    }
}

struct Row {
    QString goal, target;
    std::pair<double, double> ms;
};

void Print(const std::vector<Row>& rows)
{
    std::printf("| goal | target | plain | ours | plain / ours |\n|---|---|---:|---:|---:|\n");
    // The last row: plain is the game without the history, ours records it.
    for (const Row& r : rows)
        std::printf("| %s | %s | %.2f ms | %.2f ms | %.2f× |\n", qPrintable(r.goal), qPrintable(r.target), r.ms.first, r.ms.second,
                    r.ms.first / r.ms.second);
}

int Run()
{
    QTemporaryDir dir;
    qputenv("XDG_CONFIG_HOME", dir.filePath("config").toLocal8Bit());
    QDir().mkpath(dir.filePath("Set_default"));
    for (const char* file : {"apple.jpg", "bell.jpg", "boat.jpg", "car.jpg"})
        for (const char* part : {"/Images/", "/Symbols/"}) {
            QDir().mkpath(dir.filePath(QStringLiteral("Set_default") + part));
            QFile::copy(QStringLiteral(LUMARI_DATA_DIR "/Set_default") + part + file, dir.filePath(QStringLiteral("Set_default") + part + file));
        }
    BenchServices services(dir.path(), 1);
    NoDialogs dialogs;
    SystemWallClock clock;
    QStringList many;
    for (int l = 0; l < kLearners; ++l) many << QStringLiteral("Learner %1").arg(l);
    struct Scenario { const char* what; QStringList learners; };
    std::vector<Row> rows;
    qint64 fillingMs = 0;
    for (const Scenario& scenario : {Scenario{"one of ten learners (100 games, 5,000 rounds)", many},
                                     Scenario{"one learner with every game (1,000 games, 50,000 rounds)", {"Ann"}}}) {
        const QString ours = dir.filePath(QStringLiteral("%1/ours.sqlite").arg(scenario.learners.size()));
        const QString plain = dir.filePath(QStringLiteral("%1/plain.sqlite").arg(scenario.learners.size()));
        QElapsedTimer filling;
        filling.start();
        Fill(ours, scenario.learners, kGames);
        fillingMs += filling.elapsed();
        QFile::copy(ours, plain);
        DropIndexes(plain);
        const QString name = scenario.learners.first();
        ChooseCurrentLearner(services.settings, name);
        auto page = [&](const QString& path) {
            return [&, path] {
                LearnersPage p(services.services(), services.notifier, path, dialogs, clock);
                p.resize(1280, 800);
                p.show();
                p.repaint();
                if (p.findChild<QObject*>("sessions") == nullptr) throw std::runtime_error("no page");
            };
        };
        rows.push_back({QStringLiteral("Learners page opened and painted, %1").arg(scenario.what), "≤ 200 ms",
                        Measure(page(plain), page(ours))});
        auto report = [&](const QString& path) {
            return [&, path] {
                QString said;
                QTextStream out(&said), err(&said);
                if (RunReportCommand({"--learner", name, "--pdf", dir.filePath("report.pdf")}, path, out, err) != 0)
                    throw std::runtime_error(said.toStdString());
            };
        };
        rows.push_back({QStringLiteral("PDF report, %1").arg(scenario.what), "≤ 1 s", Measure(report(plain), report(ours))});
        HistoryConnection plainFile(plain), ourFile(ours);
        const qint64 id = FindLearner(ourFile.db(), name)->id;
        Progress a, b;
        rows.push_back({QStringLiteral("reading the games and pictures, %1").arg(scenario.what), "(no goal)",
                        Measure([&] { a = PlainProgress(plainFile.db(), id); }, [&] { b = LoadProgress(ourFile.db(), id, {}, QDate::currentDate()); })});
        if (a.sessions.size() != b.sessions.size() || a.images.size() != b.images.size() || a.firstRight != b.firstRight
            || a.medianResponseMs != b.medianResponseMs)
            throw std::runtime_error("the two ways read different figures");
    }
    // Only the close to the results is timed: the rest of each run is set-up.
    const QString recorded = dir.filePath("10/ours.sqlite");
    std::vector<double> without, with;
    for (int run = 0; run < kCloses; ++run)
        for (auto [record, times] : {std::pair{false, &without}, std::pair{true, &with}}) {
            times->push_back(CloseToResults(services, recorded, record));
        }
    rows.push_back({"game window's close → results window shown, a 200-round game recorded into the history of 1,000 games",
                    "≤ +5 %", {Median(without), Median(with)}});

    std::printf("Lumari learners' history benchmark: Qt %s, %d cores, offscreen platform.\n"
                "History: %d games of %d rounds (%d rounds) written in %.1f s per scenario on average; "
                "median of %d runs each, plain and ours taking turns.\n"
                "Plain: the same file without its indexes; reading: one query per game for its rounds;\n"
                "the close: the same run without the history (median of %d runs).\n\n",
                qVersion(), QThread::idealThreadCount(), kGames, kRoundsPerGame, kGames * kRoundsPerGame,
                double(fillingMs) / 2000, kRuns, kCloses);
    Print(rows);
    return 0;
}

}  // namespace
}  // namespace lumari::bench

int main(int argc, char** argv)
{
    return lumari::bench::RunBenchProgram(argc, argv, "lumari_history_bench", [](const QStringList&) { return lumari::bench::Run(); });
}
