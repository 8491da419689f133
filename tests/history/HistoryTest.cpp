// The learners' history on real SQLite files in temporary folders.
#include "game/GameSession.h"
#include "history/GameRecording.h"
#include "history/HistoryFile.h"
#include "history/Learners.h"
#include "history/Progress.h"
#include "history/RoundsCsv.h"
#include "history/Schema.h"
#include "history/SessionRecorder.h"
#include "history/SessionWriter.h"
#include "history/SqlSteps.h"
#include "history/HistorySamples.h"
#include "reports/ProgressTables.h"
#include "support/SteppingStopwatch.h"
#include "support/TestServices.h"

#include <QDir>
#include <QSignalSpy>
#include <QSqlQuery>

#include <latch>
#include <map>
#include <thread>

namespace lumari::test {
namespace {

using enum FirstAnswer;

MonotonicTime After(SteppingStopwatch& watch, int ms) { return watch.Step(std::chrono::milliseconds(ms)), watch.now; }

// A value as text, "NULL" for none.
QString Text(const QVariant& v) { return v.isNull() ? QStringLiteral("NULL") : v.toString(); }

QString Value(const QSqlDatabase& db, const QString& sql) { return Text(SqlValue(db, sql)); }

QStringList Aside(const HistoryFolder& folder)
{
    return QDir(folder.path() + "/lumari").entryList({"history.sqlite.damaged-*"}, QDir::Files);
}

// A game as the recorder hears it, with its counts as the game makes them.
struct RecordedGame {
    RecordedGame(World& w, const GameOptions& options) : recorder(wall, w.settings)
    {
        wall.now = At("2026-12-07T10:00:00");
        recorder.GameStarted({watch.now, options});
    }
    void show(const QString& image, const QStringList& symbols, int right)
    {
        ++tally.SessionShown;
        recorder.RoundShown({After(watch, 100), image, symbols, right});
    }
    void answer(int afterMs, int position, bool right, bool first, AnsweredBy by = AnsweredBy::Click)
    {
        if (first) ++(right ? tally.SessionCorrect : tally.SessionWrong);
        recorder.Answered({After(watch, afterMs), position, right, first, by});
    }
    GameTally tally;
    SteppingStopwatch watch;
    FixedWallClock wall;
    SessionRecorder recorder;
};

// The game of the acceptance: right; wrong then right; "Change set"; closed on the fourth round.
struct PlayedGame : RecordedGame {
    explicit PlayedGame(World& w) : RecordedGame(w, {"Animals", false, false, "", "", 2, Drawing::ControlledRandom})
    {
        show("cat.jpg", {"cat.jpg", "dog.jpg"}, 0);
        answer(1200, 0, true, true);
        show("dog.jpg", {"cow.jpg", "dog.jpg"}, 1);
        answer(2500, 0, false, true);
        answer(400, 1, true, false);
        show("cow.jpg", {"cow.jpg", "hen.jpg"}, 0);
        recorder.RoundSkipped({After(watch, 3000)});
        show("hen.jpg", {"cat.jpg", "hen.jpg"}, 1);
        wall.now = At("2026-12-07T10:04:30");
        recorder.GameEnded({After(watch, 7000), true, tally, 60});  // distractor fading's level reached
    }
};

// Records the game as the program does, off this thread; whether it was written.
bool RecordGame(World& w, const SessionRecorder& recorder, const QString& path)
{
    GameRecording recording(w.services(), path);
    QSignalSpy done(&recording, &GameRecording::finished);
    if (!recording.Record(recorder)) return false;
    return done.wait(20000) && done[0][0].toBool();
}

TEST(History, APlayedGameIsRecordedRoundByRoundForTheCurrentLearner)
{
    World w;
    HistoryFolder folder;
    w.Store("Learners", "Current", "Ann");
    PlayedGame game(w);
    ASSERT_TRUE(RecordGame(w, game.recorder, folder.file())) << w.boxes.Texts().join("|").toStdString();
    EXPECT_EQ(w.boxes.Texts(), QStringList());

    const auto opened = OpenHistory(folder.file());
    ASSERT_TRUE(opened.connection) << opened.failure.toStdString();
    const QSqlDatabase db = opened.connection->db();
    QSqlQuery s = RunSql(db, "SELECT l.name, s.started, s.ended, s.set_name, s.placeholders, s.way_to_work, s.shown, s.correct, "
                          "s.wrong FROM sessions s JOIN learners l ON l.id = s.learner_id");
    ASSERT_TRUE(s.next());
    const char* const session[] = {"Ann", "2026-12-07T10:00:00+01:00", "2026-12-07T10:04:30+01:00", "Animals", "2", "2", "4", "1", "1"};
    for (int i = 0; i < 9; ++i) EXPECT_EQ(Text(s.value(i)), session[i]) << "sessions column " << i;
    EXPECT_FALSE(s.next());
    EXPECT_EQ(Value(db, "SELECT group_concat(set_name || ' ' || level) FROM distractor_levels"), "Animals 60");

    const char* const columns[] = {"image", "symbols", "right_position", "first_answer", "answers", "response_ms", "skipped"};
    const char* const rounds[][7] = {
        {"cat.jpg", "cat.jpg|dog.jpg", "1", "right", "1", "1200", "0"},
        {"dog.jpg", "cow.jpg|dog.jpg", "2", "wrong", "2", "2500", "0"},
        {"cow.jpg", "cow.jpg|hen.jpg", "1", "none", "0", "NULL", "1"},
        {"hen.jpg", "cat.jpg|hen.jpg", "2", "none", "0", "NULL", "0"},
    };
    QSqlQuery r = RunSql(db, "SELECT image, symbols, right_position, first_answer, answers, response_ms, skipped FROM rounds ORDER BY seq");
    for (const auto& round : rounds) {
        ASSERT_TRUE(r.next());
        for (int c = 0; c < 7; ++c) EXPECT_EQ(Text(r.value(c)), round[c]) << columns[c] << " of round " << &round - rounds + 1;
    }
    EXPECT_FALSE(r.next());
}

// A seeded game on a 2 s constant delay: every other round is left 2.5 s, then
// answered right with its prompt on show; the others are answered at once.
TEST(History, AGameWithAPlanPlacesPromptsAndRecordsEachRoundsPrompt)
{
    for (std::uint64_t seed : {1, 7, 42}) {
        SCOPED_TRACE(seed);
        World w(seed);
        w.app.MakeSet("Set_p", {"a.jpg", "b.jpg", "c.jpg", "d.jpg", "e.jpg"}, {"a.jpg", "b.jpg", "c.jpg", "d.jpg", "e.jpg"});
        GameOptions options{"p", false, true, "ok.wav", "no.wav", 4};
        options.plan.procedure = Procedure::ConstantDelay;
        options.plan.delayMs = 2000;
        SteppingStopwatch watch;
        FixedWallClock wall;
        SessionRecorder recorder(wall, w.settings);
        GameSession game(w.services(), options, watch, &recorder, [](int) { return QSize(20, 20); });
        game.Start();
        std::vector<int> places;
        for (int n = 0; n < 24; ++n) {
            const RoundState& round = game.game().round;
            const int right = int(std::find(round.symbolTags.begin(), round.symbolTags.end(), round.imageTag) - round.symbolTags.begin());
            places.push_back(right);
            const bool left = n % 2 == 0;
            EXPECT_EQ(game.MsToPrompt(), std::optional<qint64>(2000));
            watch.Step(std::chrono::milliseconds(left ? 2500 : 300));
            EXPECT_EQ(game.TimePassed(), (PromptState{left ? kDimmedOpacity : 100, left}));
            game.Answer(right);
            EXPECT_TRUE(w.sound.played.last().endsWith(left ? "\\Sounds\\Prompt\\prompted.wav" : "\\Sounds\\ok.wav")) << n;
        }
        game.Close();
        // Never 3 rounds running in one place; any 12 rounds use each place twice.
        for (std::size_t n = 2; n < places.size(); ++n) EXPECT_FALSE(places[n] == places[n - 1] && places[n] == places[n - 2]) << n;
        for (std::size_t n = 0; n + 12 <= places.size(); ++n)
            for (int place = 0; place < 4; ++place) EXPECT_GE(std::count(places.begin() + n, places.begin() + n + 12, place), 2) << n;
        const std::optional<SessionRecord> session = recorder.Session();
        ASSERT_TRUE(session);
        EXPECT_EQ(session->procedure, "constant-delay");
        EXPECT_EQ(session->delayMs, std::optional(2000));
        ASSERT_EQ(session->rounds.size(), 25u);
        for (std::size_t n = 0; n < 24; ++n)
            EXPECT_EQ(session->rounds[n].promptMs, n % 2 == 0 ? std::optional<qint64>(2500) : std::nullopt) << n;
    }
}

TEST(History, AGameWithoutAnswersIsNotRecordedAndOneWithoutALearnerHasNone)
{
    World w;
    HistoryFolder folder;
    FixedWallClock wall;
    wall.now = At("2026-12-07T09:00:00", -5);
    SteppingStopwatch watch;
    SessionRecorder recorder(wall, w.settings);
    recorder.RoundShown({After(watch, 10), "a.jpg", {"a.jpg", "b.jpg"}, 0});
    recorder.RoundSkipped({After(watch, 10)});
    recorder.RoundShown({After(watch, 10), "b.jpg", {"a.jpg", "b.jpg"}, 1});
    EXPECT_FALSE(recorder.Session());  // not ended yet
    recorder.GameEnded({After(watch, 10), true, {2, 0, 0}});
    EXPECT_FALSE(RecordGame(w, recorder, folder.file()));
    EXPECT_FALSE(QFileInfo::exists(folder.file()));

    recorder.GameEnded({After(watch, 10), true, {2, 0, 1}});  // as if answered: recorded, with no learner chosen
    ASSERT_TRUE(RecordGame(w, recorder, folder.file())) << w.boxes.Texts().join("|").toStdString();
    const auto opened = OpenHistory(folder.file());
    EXPECT_EQ(Value(opened.connection->db(), "SELECT learner_id FROM sessions"), "NULL");
    EXPECT_EQ(Value(opened.connection->db(), "SELECT started FROM sessions"), "2026-12-07T09:00:00-05:00");
    EXPECT_EQ(Value(opened.connection->db(), "SELECT count(*) FROM learners"), "0");
}

TEST(History, ADamagedFileIsKeptAsideAndTheGameStartsANewOne)
{
    World w;
    HistoryFolder folder;
    const QByteArray noise = QByteArray("SQLite format 3").append(QByteArray(9000, '\x5a'));
    WriteBytes(folder.file(), noise);
    WriteBytes(folder.file() + "-wal", QByteArray(100, '\x01'));
    PlayedGame game(w);
    EXPECT_TRUE(RecordGame(w, game.recorder, folder.file()));
    ASSERT_EQ(w.boxes.shown.size(), 1u);
    EXPECT_TRUE(w.boxes.shown[0].prompt.contains("kept aside as \"history.sqlite.damaged-")) << w.boxes.shown[0].prompt.toStdString();
    EXPECT_EQ(w.boxes.shown[0].style, 48);
    ASSERT_EQ(Aside(folder).size(), 1);
    EXPECT_EQ(ReadBytes(folder.path() + "/lumari/" + Aside(folder)[0]), noise);
    const auto opened = OpenHistory(folder.file());
    EXPECT_EQ(Value(opened.connection->db(), "SELECT count(*) FROM rounds"), "4");
    EXPECT_TRUE(opened.keptAside.isEmpty());
}

TEST(History, AReadOnlyFolderLosesTheGamesHistoryOnlyAndSaysSo)
{
    World w;
    HistoryFolder folder;
    {
        const auto opened = OpenHistory(folder.file());
        WriteSession(opened.connection->db(), Game(At("2026-12-01T10:00:00"), "S", {Round("a.jpg", Right)}, "Ann"));
    }
    const int status = InReadOnlyFolder(folder.path() + "/lumari", [&] {
        PlayedGame game(w);
        const RecordingOutcome outcome = WriteGame(*game.recorder.Session(), folder.file());
        const QString told = HistoryNotice(outcome);
        return outcome.failure.isEmpty() ? 1 : told.contains("could not be added") && told.contains("statistics are stored") ? 0 : 2;
    });
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(Aside(folder).isEmpty());
    const auto opened = OpenHistory(folder.file());
    EXPECT_EQ(Value(opened.connection->db(), "SELECT count(*) FROM sessions"), "1");
}

TEST(History, AFirstVersionFileIsMigratedKeepingEverySession)
{
    HistoryFolder folder;
    QDir().mkpath(folder.path() + "/lumari");
    {
        HistoryConnection v1(folder.file());
        CreateFirstVersion(v1.db());
        RunSql(v1.db(), "INSERT INTO learners(name, created) VALUES ('Ann', '2026-10-01T08:00:00+02:00')");
        // The clocks went back an hour between these two: by their text the later game sorts first.
        for (const char* started : {"2026-10-25T02:40:00+02:00", "2026-10-25T02:10:00+01:00"})
            RunSql(v1.db(), "INSERT INTO sessions(learner_id, started, ended, set_name, placeholders, way_to_work, shown, correct, wrong) "
                         "VALUES (1, ?, ?, 'S', 2, 1, 1, 1, 0)", {started, started});
    }
    {
        const auto opened = OpenHistory(folder.file());
        ASSERT_TRUE(opened.connection) << opened.failure.toStdString();
        const QSqlDatabase db = opened.connection->db();
        EXPECT_EQ(Value(db, "SELECT group_concat(started_ms) FROM sessions"), "1792888800000,1792890600000");
        EXPECT_EQ(Value(db, "SELECT count(*) FROM sqlite_master WHERE type = 'index' AND name IN ('sessions_by_learner', 'rounds_by_session')"), "2");
        const Progress progress = LoadProgress(db, 1, {}, QDate(2026, 12, 7));
        ASSERT_EQ(progress.sessions.size(), 2u);
        EXPECT_EQ(progress.sessions[0].id, 1);
        EXPECT_EQ(Value(db, "PRAGMA journal_mode"), "wal");
    }
    RunSql(HistoryConnection(folder.file()).db(), QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion + 1));  // a later program's file is left alone
    const auto later = OpenHistory(folder.file());
    EXPECT_FALSE(later.connection);
    EXPECT_TRUE(later.failure.contains("newer version")) << later.failure.toStdString();
    EXPECT_TRUE(Aside(folder).isEmpty());
}

// A file of each earlier version, with rows in each of its tables, brought to this version: every
// row kept, the old games matched and their rounds of no known way.
TEST(History, AnEarlierVersionsFileKeepsEveryRowAndGainsTasksAndWaysOfAnswering)
{
    for (int version = 1; version < kSchemaVersion; ++version) {
        SCOPED_TRACE(version);
        HistoryFolder folder;
        QDir().mkpath(folder.path() + "/lumari");
        std::map<QString, QString> counts;  // each table's rows, as the earlier version left them
        {
            HistoryConnection old(folder.file());
            BringUpToDate(old.db(), version);
            RunSql(old.db(), "INSERT INTO learners(name, created) VALUES ('Ann', '2026-10-01T08:00:00+02:00')");
            RunSql(old.db(), "INSERT INTO sessions(learner_id, started, ended, set_name, placeholders, way_to_work, shown, correct, "
                             "wrong) VALUES (1, '2026-12-01T10:00:00+01:00', '2026-12-01T10:05:00+01:00', 'S', 2, 1, 2, 1, 0)");
            RunSql(old.db(), "INSERT INTO rounds(session_id, seq, image, symbols, right_position, first_answer, answers, response_ms, "
                             "skipped) VALUES (1, 1, 'a.jpg', 'a.jpg|b.jpg', 1, 'right', 1, 900, 0), (1, 2, 'b.jpg', 'a.jpg|b.jpg', 2, 'none', 0, NULL, 1)");
            if (version >= 3) {
                RunSql(old.db(), "INSERT INTO learner_plans(learner_id, procedure) VALUES (1, 'errorless')");
                RunSql(old.db(), "INSERT INTO distractor_levels(learner_id, set_name, level) VALUES (1, 'S', 40)");
                RunSql(old.db(), "INSERT INTO learner_access(learner_id, screen, scan_ms) VALUES (1, 'full', 700)");
            }
            QSqlQuery tables = RunSql(old.db(), "SELECT name FROM sqlite_master WHERE type = 'table'");
            while (tables.next()) counts[tables.value(0).toString()] = Value(old.db(), "SELECT count(*) FROM " + tables.value(0).toString());
        }
        const auto opened = OpenHistory(folder.file());
        ASSERT_TRUE(opened.connection) << opened.failure.toStdString();
        const QSqlDatabase db = opened.connection->db();
        EXPECT_EQ(SchemaVersion(db), kSchemaVersion);
        for (const auto& [table, count] : counts) EXPECT_EQ(Value(db, "SELECT count(*) FROM " + table), count) << table.toStdString();
        EXPECT_EQ(Value(db, "SELECT count(*) FROM sessions WHERE task IS NULL"), "1");
        EXPECT_EQ(Value(db, "SELECT count(*) FROM rounds WHERE answered_by IS NULL"), "2");
        const std::vector<RoundRow> old = LoadRounds(db, 1, {});
        ASSERT_EQ(old.size(), 2u);
        EXPECT_EQ(old[0].task, "match");
        EXPECT_EQ(old[0].answeredBy, "");
    }
}

// Each round keeps the way its first answer was given (a scanned answer takes the scan's steps, as its
// time shows), none when unanswered; the game its task, which the CSV and the games' table show.
TEST(History, EachRoundRecordsHowItsFirstAnswerWasGivenAndTheGameItsTask)
{
    World w;
    HistoryFolder folder;
    w.Store("Learners", "Current", "Ann");
    GameOptions options{"Animals"};
    options.access.task = Task::Spoken;
    RecordedGame game(w, options);
    using enum AnsweredBy;
    struct Answer { AnsweredBy by; bool right; };
    struct Row { std::vector<Answer> answers; const char* recorded; } const rows[] = {
        {{{Click, true}}, "click"},
        {{{Key, false}, {Click, true}}, "key"},  // the first answer's way
        {{{Scan, true}}, "scan"},
        {{{Dwell, false}, {Scan, false}}, "dwell"},
        {{}, "NULL"},
    };
    for (const Row& row : rows) {
        game.show("a.jpg", {"a.jpg", "b.jpg"}, 0);
        for (const Answer& a : row.answers) game.answer(700, a.right ? 0 : 1, a.right, &a == &row.answers.front(), a.by);
        if (row.answers.empty() || !row.answers.back().right) game.recorder.RoundSkipped({After(game.watch, 100)});
    }
    game.recorder.GameEnded({After(game.watch, 100), false, game.tally});
    const auto opened = OpenHistory(folder.file());
    const QSqlDatabase db = opened.connection->db();
    WriteSession(db, *game.recorder.Session());
    EXPECT_EQ(Value(db, "SELECT task FROM sessions"), "spoken");
    QSqlQuery stored = RunSql(db, "SELECT answered_by FROM rounds ORDER BY seq");
    for (const Row& row : rows) {
        ASSERT_TRUE(stored.next());
        EXPECT_EQ(Text(stored.value(0)), row.recorded) << &row - rows;
    }
    const QList<QByteArray> csv = RoundsCsv("Ann", LoadRounds(db, 1, {})).split('\n');
    EXPECT_TRUE(csv.value(3).endsWith(",spoken,scan\r")) << csv.value(3).toStdString();
    const ProgressTable games = SessionsTable(LoadProgress(db, 1, {}, QDate(2026, 12, 7)));
    const qsizetype task = games.headers.indexOf("Task");
    ASSERT_GE(task, 0);
    EXPECT_EQ(games.rows[0][std::size_t(task)].text, "Find the one I say");
}

TEST(History, TwoWritersAtOnceBothKeepEveryGame)
{
    HistoryFolder folder;
    QDir().mkpath(folder.path() + "/lumari");
    CreateFirstVersion(HistoryConnection(folder.file()).db());  // an older program's: both bring it up to date
    constexpr int kGames = 20, kRounds = 50;
    std::vector<RoundRecord> rounds(kRounds, Round("a.jpg", Wrong));
    std::atomic<int> failures = 0;
    std::latch together(3);
    auto writer = [&](const QString& learner) {
        together.arrive_and_wait();
        const auto opened = OpenHistory(folder.file());
        if (!opened.connection) return void(failures += kGames);
        for (int n = 0; n < kGames; ++n) try {
            WriteSession(opened.connection->db(), Game(At("2026-12-07T10:00:00"), "S", rounds, learner));
        } catch (const HistoryError&) { ++failures; }
    };
    std::thread ann(writer, "Ann"), bob(writer, "Bob"), bob2(writer, "bob");
    ann.join(), bob.join(), bob2.join();
    EXPECT_EQ(failures, 0);
    const auto opened = OpenHistory(folder.file());
    EXPECT_EQ(Value(opened.connection->db(), "SELECT count(*) FROM rounds"), QString::number(3 * kGames * kRounds));
    EXPECT_EQ(Value(opened.connection->db(), "SELECT count(*) FROM learners"), "2");  // Bob and bob are one learner
}

TEST(History, LearnersAreAddedRenamedArchivedAndGivenSessions)
{
    World w;
    HistoryFolder folder;
    const auto opened = OpenHistory(folder.file());
    const QSqlDatabase db = opened.connection->db();
    const QDateTime now = At("2026-12-07T10:00:00");
    auto failure = [&](auto&& f) { try { f(); return QString("ok"); } catch (const HistoryError& e) { return e.text(); } };
    const qint64 ann = AddLearner(db, " Ann ", now), bob = AddLearner(db, "Bob", now), lea = AddLearner(db, "Léa", now);
    EXPECT_EQ(failure([&] { AddLearner(db, "ANN", now); }), "There is already a learner named \"ANN\".");
    EXPECT_EQ(failure([&] { AddLearner(db, "LÉA", now); }), "There is already a learner named \"LÉA\".");  // beyond ASCII
    EXPECT_EQ(FindLearner(db, "léa").value_or(Learner{}).id, lea);
    EXPECT_EQ(failure([&] { RenameLearner(db, bob, "ann"); }), "There is already a learner named \"ann\".");
    EXPECT_EQ(failure([&] { AddLearner(db, "  ", now); }), "A learner needs a name.");
    EXPECT_EQ(failure([&] { AddLearner(db, QString(65, 'x'), now); }), "A learner's name has at most 64 characters.");
    RenameLearner(db, bob, "Bobby");
    SetArchived(db, ann, true);
    auto names = [&](bool archived) { QStringList n; for (const Learner& l : ListLearners(db, archived)) n << l.name; return n; };
    EXPECT_EQ(names(false), (QStringList{"Bobby", "Léa"}));
    EXPECT_EQ(names(true), (QStringList{"Ann", "Bobby", "Léa"}));
    EXPECT_EQ(LearnerNamed(db, "bobby", now), bob);

    const qint64 game = WriteSession(db, Game(now, "S", {Round("a.jpg", Right)}, "Cleo"));  // a new name is added
    ASSERT_TRUE(FindLearner(db, "cleo"));
    ReassignSession(db, game, ann);
    EXPECT_EQ(LoadProgress(db, ann, {}, now.date()).sessions.size(), 1u);
    ReassignSession(db, game, std::nullopt);
    EXPECT_EQ(LoadProgress(db, std::nullopt, {}, now.date()).sessions.size(), 1u);

    EXPECT_EQ(CurrentLearner(w.settings), "");
    ChooseCurrentLearner(w.settings, "Bobby");
    EXPECT_EQ(w.Stored("Learners", "Current"), "Bobby");
}

TEST(History, ProgressPerSessionAndPerPictureOverAPeriod)
{
    HistoryFolder folder;
    const auto opened = OpenHistory(folder.file());
    const QSqlDatabase db = opened.connection->db();
    const qint64 ann = AddLearner(db, "Ann", At("2026-11-01T08:00:00"));
    WriteSession(db, Game(At("2026-11-30T23:30:00"), "S", {Round("cat.jpg", Wrong, 4000), Round("dog.jpg", Right, 1000)}, "Ann"));
    WriteSession(db, Game(At("2026-12-01T10:00:00"), "S", {Round("cat.jpg", Right, 3000), Round("cat.jpg", Right, 1000),
                                                          Round("dog.jpg", None), Round("cat.jpg", Right, 2000)}, "Ann"));
    WriteSession(db, Game(At("2026-12-02T10:00:00"), "T", {Round("cat.jpg", Right, 500)}, "Ann"));

    const Progress all = LoadProgress(db, ann, {}, QDate(2026, 12, 7));
    struct S { int shown, right, answered; qint64 median; };
    const S sessions[] = {{2, 1, 2, 2500}, {4, 3, 3, 2000}, {1, 1, 1, 500}};
    ASSERT_EQ(all.sessions.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(all.sessions[i].shown, sessions[i].shown);
        EXPECT_EQ(all.sessions[i].firstRight, sessions[i].right);
        EXPECT_EQ(all.sessions[i].firstAnswered, sessions[i].answered);
        EXPECT_EQ(all.sessions[i].medianResponseMs.value_or(-1), sessions[i].median);
    }
    EXPECT_EQ(all.medianResponseMs.value_or(-1), 1500);
    // Still to learn first; the same file name in two sets is two pictures.
    struct P { const char *set, *image; int shown, right, answered; const char* lastSeen; };
    const P pictures[] = {{"S", "cat.jpg", 4, 3, 4, "2026-12-01"}, {"S", "dog.jpg", 2, 1, 1, "2026-12-01"},
                          {"T", "cat.jpg", 1, 1, 1, "2026-12-02"}};
    ASSERT_EQ(all.images.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(all.images[i].setName, pictures[i].set);
        EXPECT_EQ(all.images[i].image, pictures[i].image);
        EXPECT_EQ(all.images[i].timesShown, pictures[i].shown);
        EXPECT_EQ(all.images[i].firstRight, pictures[i].right);
        EXPECT_EQ(all.images[i].firstAnswered, pictures[i].answered);
        EXPECT_EQ(all.images[i].lastSeen.date().toString(Qt::ISODate), pictures[i].lastSeen);
    }
    // Days as the learner's computer counted them: the game at 23:30 belongs to November 30.
    EXPECT_EQ(LoadProgress(db, ann, {QDate(2026, 12, 1), QDate()}, QDate(2026, 12, 7)).sessions.size(), 2u);
    EXPECT_EQ(LoadProgress(db, ann, {QDate(), QDate(2026, 11, 30)}, QDate(2026, 12, 7)).sessions.size(), 1u);
    EXPECT_EQ(LoadRounds(db, ann, {QDate(2026, 12, 2), QDate(2026, 12, 2)}).size(), 1u);

    struct M { std::vector<qint64> values; qint64 median; };
    for (const M& m : {M{{5}, 5}, M{{9, 1, 5}, 5}, M{{4, 1, 3, 2}, 2}, M{{1000, 1001}, 1000}}) EXPECT_EQ(Median(m.values).value_or(-1), m.median);
    EXPECT_FALSE(Median({}));
}

TEST(History, RoundsExportAsCsvWithAHeaderAndQuotedFields)
{
    struct F { const char *text, *field; };
    for (const F& f : {F{"plain", "plain"}, F{"a,b", "\"a,b\""}, F{"say \"hi\"", "\"say \"\"hi\"\"\""}, F{"two\nlines", "\"two\nlines\""},
                       F{" padded", "\" padded\""}, F{"", ""}})
        EXPECT_EQ(CsvField(f.text), f.field);
    RoundRow r{7, "2026-12-07T10:00:00+01:00", "Set, big", 2, "cat.jpg", "cat.jpg|dog.jpg", 1, "wrong", 2, 2500, false, 0, "errorless", 0, "check due", "spoken", "key"};
    RoundRow skipped{7, "2026-12-07T10:00:00+01:00", "Set, big", 3, "dog.jpg", "cow.jpg|dog.jpg", 2, "none", 0, std::nullopt, true, {}, {}, {}, {}, "match"};
    const QList<QByteArray> lines = RoundsCsv("Ann \"A\"", {r, skipped}).split('\n');
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0], "learner,session,started,set_name,seq,image,symbols,right_position,first_answer,answers,response_ms,skipped,prompt_ms,procedure,delay_ms,stage,task,answered_by\r");
    EXPECT_EQ(lines[1], "\"Ann \"\"A\"\"\",7,2026-12-07T10:00:00+01:00,\"Set, big\",2,cat.jpg,cat.jpg|dog.jpg,1,wrong,2,2500,0,0,errorless,0,check due,spoken,key\r");
    EXPECT_EQ(lines[2], "\"Ann \"\"A\"\"\",7,2026-12-07T10:00:00+01:00,\"Set, big\",3,dog.jpg,cow.jpg|dog.jpg,2,none,0,,1,,,,,match,\r");
    EXPECT_EQ(lines[3], "");
}

}  // namespace
}  // namespace lumari::test
