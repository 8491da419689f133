// Teaching plans in the history: the migration, a plan handed to a game, and
// "lumari-teacher learner".
#include "history/HistoryFile.h"
#include "history/HistorySamples.h"
#include "history/LearnerCommand.h"
#include "history/LearnerPlans.h"
#include "history/Learners.h"
#include "history/Schema.h"
#include "history/SessionWriter.h"
#include "history/SqlSteps.h"
#include "support/TestServices.h"

#include <QDir>
#include <QTextStream>

namespace lumari::test {
namespace {

using enum FirstAnswer;

std::vector<RoundRecord> Rounds(const QString& image, int count, FirstAnswer first)
{
    return std::vector<RoundRecord>(std::size_t(count), Round(image, first));
}

TEST(LearnerPlans, ASecondVersionFileIsMigratedItsRoundsUnpromptedAndNewGamesRecordTheirPrompts)
{
    HistoryFolder folder;
    QDir().mkpath(folder.path() + "/lumari");
    {
        // A game as the second version wrote it.
        HistoryConnection v2(folder.file());
        BringUpToDate(v2.db(), 2);
        RunSql(v2.db(), "INSERT INTO learners(name, created) VALUES ('Ann', '2026-12-01T09:00:00+01:00')");
        RunSql(v2.db(), "INSERT INTO sessions(learner_id, started, ended, set_name, placeholders, way_to_work, shown, correct, "
                        "wrong, started_ms) VALUES (1, '2026-12-01T10:00:00+01:00', '2026-12-01T10:05:00+01:00', 'Animals', 2, "
                        "1, 5, 5, 0, ?)", {At("2026-12-01T10:00:00").toMSecsSinceEpoch()});
        RunSql(v2.db(), "INSERT INTO rounds(session_id, seq, image, symbols, right_position, first_answer, answers, response_ms, "
                        "skipped) VALUES (1, 1, 'cat.jpg', 'cat.jpg|dog.jpg', 1, 'right', 1, 900, 0), (1, 2, 'dog.jpg', 'cat.jpg|dog.jpg', 2, 'wrong', 2, 900, 0)");
    }
    const auto opened = OpenHistory(folder.file());
    ASSERT_TRUE(opened.connection) << opened.failure.toStdString();
    const QSqlDatabase db = opened.connection->db();
    EXPECT_EQ(SchemaVersion(db), kSchemaVersion);
    EXPECT_EQ(SqlValue(db, "SELECT count(*) FROM rounds WHERE prompt_ms IS NULL").toInt(), 2);
    EXPECT_EQ(SqlValue(db, "SELECT count(*) FROM sessions WHERE procedure IS NULL AND delay_ms IS NULL").toInt(), 1);
    EXPECT_TRUE(LoadLearnerPlan(db, FindLearner(db, "Ann")->id) == LearnerPlan());

    SessionRecord game = Game(At("2026-12-02T10:00:00"), "Animals", Rounds("dog.jpg", 2, Right), "Ann");
    game.procedure = "constant-delay", game.delayMs = 2000, game.rounds[1].promptMs = 2100;
    const qint64 session = WriteSession(db, game);
    EXPECT_EQ(SqlValue(db, "SELECT procedure || ' ' || delay_ms FROM sessions WHERE id = ?", {session}).toString(),
              "constant-delay 2000");
    EXPECT_EQ(SqlValue(db, "SELECT group_concat(p) FROM (SELECT coalesce(prompt_ms, 'NULL') AS p FROM rounds WHERE session_id = ? ORDER BY seq)", {session}).toString(),
              "NULL,2100");
}

TEST(LearnerPlans, APlanIsKeptAndHandedToTheLearnersNextGameOnTheSet)
{
    HistoryFolder folder;
    const auto opened = OpenHistory(folder.file());
    ASSERT_TRUE(opened.connection);
    const QSqlDatabase db = opened.connection->db();
    WriteSession(db, Game(At("2026-12-01T10:00:00"), "Animals", Rounds("cat.jpg", 5, Right), "Ann"));
    WriteSession(db, Game(At("2026-12-01T11:00:00"), "Farm", Rounds("cow.jpg", 5, Right), "Ann"));
    RunSql(db, "UPDATE sessions SET procedure = 'constant-delay', delay_ms = 0");
    const qint64 ann = FindLearner(db, "Ann")->id;
    const LearnerPlan stored{Procedure::ConstantDelay, 2, 1, PromptForm::Hide, {90, 2, 5}};
    SaveLearnerPlan(db, ann, stored);
    EXPECT_TRUE(LoadLearnerPlan(db, ann) == stored);
    SaveDistractorLevel(db, ann, "Animals", 60);

    TeachingPlan plan = PlanForGame(db, ann, "Animals", QDate(2026, 12, 2));
    EXPECT_EQ(plan.delayMs, 2000);  // after its one zero-delay session on the set
    EXPECT_EQ(plan.promptForm, PromptForm::Hide);
    EXPECT_EQ(plan.distractorLevel, 60);
    EXPECT_EQ(plan.learnt, QSet<QString>({"cat.jpg"}));
    EXPECT_TRUE(plan.due.isEmpty());
    plan = PlanForGame(db, ann, "Animals", QDate(2026, 12, 8));
    EXPECT_EQ(plan.due, QSet<QString>({"cat.jpg"}));
    EXPECT_TRUE(plan.learnt.isEmpty());
    EXPECT_EQ(PlanForGame(db, ann, "Birds", QDate(2026, 12, 2)).delayMs, 0);

    // Prompted right answers teach, but do not count.
    RunSql(db, "UPDATE rounds SET prompt_ms = 0");
    plan = PlanForGame(db, ann, "Animals", QDate(2026, 12, 8));
    EXPECT_TRUE(plan.due.isEmpty() && plan.learnt.isEmpty());
    EXPECT_EQ(LoadSessionOutcomes(db, ann, "Animals").at(0).unpromptedRight, 0);

    SaveLearnerPlan(db, ann, {});
    EXPECT_FALSE(PlanForGame(db, ann, "Animals", QDate(2026, 12, 8)).Active());
}

TEST(LearnerPlans, TheLearnerCommandSetsThePlanAndRefusesBadValues)
{
    World w;
    HistoryFolder folder;
    // The access settings' lines of a learner with none set.
    const QString kNoAccess = "screen: window\nscan: off\nscan-mode: auto\nscan-keys: default\ndebounce: 300\ndwell: off\nspeak: off\ntask: match\n";
    const QString ann = "learner: Ann\nprocedure: constant-delay\ndelay: 2\nzero-delay-sessions: 0\nprompt: hide\n"
                        "mastery: 90/2/8\n" + kNoAccess + "plays-next: yes\n";
    // out: all of it; errHas: a part of the message.
    struct Row { QStringList arguments; int status; QString out; QString errHas; } const rows[] = {
        {{"Ann", "--procedure", "constant-delay", "--delay", "2", "--zero-delay-sessions", "0", "--plays-next"}, 0,
         "added: Ann\nlearner: Ann\nprocedure: constant-delay\ndelay: 2\nzero-delay-sessions: 0\nprompt: dim\n"
         "mastery: 80/3/5\n" + kNoAccess + "plays-next: yes\n", ""},
        {{" ann ", "--prompt", "hide", "--mastery=90/2/8"}, 0, ann, ""},
        {{"Bob", "--procedure", "progressive-delay"}, 0,
         "added: Bob\nlearner: Bob\nprocedure: progressive-delay\ndelay: 5\nzero-delay-sessions: 2\nprompt: dim\n"
         "mastery: 80/3/5\n" + kNoAccess + "plays-next: no\n", ""},
        {{"Ann", "--procedure", "fast"}, 2, "", "Unknown procedure: fast"},
        {{"Ann", "--delay", "2.5"}, 2, "", "whole number of seconds"},
        {{"Ann", "--delay", "61"}, 2, "", "whole number of seconds"},
        {{"Ann", "--zero-delay-sessions", "-1"}, 2, "", "zero-delay sessions"},
        {{"Ann", "--prompt", "blink"}, 2, "", "dim or hide"},
        {{"Ann", "--mastery", "80/3"}, 2, "", "PERCENT/SESSIONS/ROUNDS"},
        {{"Ann", "--mastery", "101/3/5"}, 2, "", "PERCENT/SESSIONS/ROUNDS"},
        {{"Ann", "--colour", "red"}, 2, "", "colour"},
        {{"Ann", "Bob"}, 2, "", "Unexpected argument: Bob"},
        {{}, 2, "", "A learner must be named."},
        {{"Cid", "--delay", "x"}, 2, "", "whole number of seconds"},
        {{"Ann"}, 0, ann, ""},  // nothing refused changed anything
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.arguments.join(' ').toStdString());
        QString out, err;
        QTextStream outStream(&out), errStream(&err);
        EXPECT_EQ(RunLearnerCommand(row.arguments, folder.file(), w.settings, At("2026-12-07T10:00:00"), outStream, errStream),
                  row.status);
        EXPECT_EQ(out, row.out);
        EXPECT_TRUE(err.contains(row.errHas)) << err.toStdString();
    }
    EXPECT_EQ(w.Stored("Learners", "Current"), "Ann");
    HistoryConnection history(folder.file());
    EXPECT_FALSE(FindLearner(history.db(), "Cid"));
}

}  // namespace
}  // namespace lumari::test
