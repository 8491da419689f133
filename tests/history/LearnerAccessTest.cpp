// A learner's access settings through "lumari-teacher learner" and the real
// history file.
#include "history/HistoryFile.h"
#include "history/HistorySamples.h"
#include "history/LearnerAccess.h"
#include "history/LearnerCommand.h"
#include "history/Learners.h"
#include "history/SqlSteps.h"
#include "support/TestServices.h"

#include <QTextStream>

namespace lumari::test {
namespace {

// The plan's lines of a learner with no plan.
const QString kNoPlan = "procedure: none\ndelay: 4\nzero-delay-sessions: 2\nprompt: dim\nmastery: 80/3/5\n";

TEST(LearnerAccess, TheLearnerCommandSetsTheAccessSettingsAndRefusesBadValues)
{
    World w;
    HistoryFolder folder;
    const QString ann = "learner: Ann\n" + kNoPlan +
                        "screen: full\nscan: 700\nscan-mode: step\nscan-keys: select=2,step=1\ndebounce: 100\n"
                        "dwell: 1000\nspeak: word\ntask: spoken\nplays-next: yes\n";
    // out: all of it; errHas: a part of the message.
    struct Row { QStringList arguments; int status; QString out; QString errHas; } const rows[] = {
        {{"Ann", "--plays-next"}, 0,
         "added: Ann\nlearner: Ann\n" + kNoPlan +
             "screen: window\nscan: off\nscan-mode: auto\nscan-keys: default\ndebounce: 300\ndwell: off\nspeak: off\n"
             "task: match\nplays-next: yes\n", ""},
        {{"Ann", "--screen", "full", "--scan", "700", "--scan-mode", "step", "--scan-keys", "step=1,select=2", "--debounce",
          "100", "--dwell=1000", "--speak", "word", "--task", "spoken"}, 0, ann, ""},
        {{"Ann", "--screen", "wide"}, 2, "", "window or full"},
        {{"Ann", "--scan", "499"}, 2, "", "--scan is off or a whole number of ms from 500 to 5000"},
        {{"Ann", "--dwell", "5001"}, 2, "", "--dwell is off"},
        {{"Ann", "--scan-mode", "both"}, 2, "", "auto or step"},
        {{"Ann", "--scan-keys", "select=Ctrl+S"}, 2, "", "The scan keys are"},
        {{"Ann", "--debounce", "-1"}, 2, "", "The debounce"},
        {{"Ann", "--speak", "loud"}, 2, "", "off or word"},
        {{"Ann", "--task", "say"}, 2, "", "match or spoken"},
        {{"Ann"}, 0, ann, ""},  // kept, and nothing refused changed it
        {{"Ann", "--scan", "off", "--dwell", "OFF", "--scan-keys", "default"}, 0,
         "learner: Ann\n" + kNoPlan +
             "screen: full\nscan: off\nscan-mode: step\nscan-keys: default\ndebounce: 100\ndwell: off\nspeak: word\n"
             "task: spoken\nplays-next: yes\n", ""},
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
}

TEST(LearnerAccess, StoredValuesThisVersionCannotUseReadAsTheirDefaultsOrNearest)
{
    HistoryFolder folder;
    const auto opened = OpenHistory(folder.file());
    ASSERT_TRUE(opened.connection);
    const QSqlDatabase db = opened.connection->db();
    const qint64 ann = AddLearner(db, "Ann", At("2026-12-07T10:00:00"));
    RunSql(db, "INSERT INTO learner_access(learner_id, screen, scan_ms, scan_mode, scan_keys, debounce_ms, dwell_ms, speak, "
               "task) VALUES (?, 'huge', 90000, 'three', 'select=', 'x', 10, 'sing', 'draw')", {ann});
    AccessOptions expected;
    expected.scanMs = 5000;
    expected.dwellMs = 500;
    EXPECT_EQ(LoadLearnerAccess(db, ann), expected);
    EXPECT_TRUE(LoadLearnerAccess(db, ann + 1).Described());
}

}  // namespace
}  // namespace lumari::test
