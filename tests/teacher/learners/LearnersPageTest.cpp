// The Learners page, offscreen, on a real history file and the real settings file.
#include "history/HistoryFile.h"
#include "history/LearnerAccess.h"
#include "history/LearnerPlans.h"
#include "history/SessionWriter.h"
#include "history/HistorySamples.h"
#include "speech/SpeechVoices.h"
#include "support/TestServices.h"
#include "teacher/learners/HistoryWatcher.h"
#include "teacher/learners/LearnerDialogs.h"
#include "teacher/learners/LearnersPage.h"
#include "teacher/learners/VoiceCheck.h"

#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QHeaderView>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

namespace lumari::test {
namespace {

using enum FirstAnswer;

// Dialogs answered from a script; files go to the history's folder, the printer prints to a PDF there.
struct ScriptedDialogs : LearnerDialogs {
    QString AskName(QWidget*, const QString&, const QString&, const QString& now) override { return offered << now, names.value(asked++); }
    int Choose(QWidget*, const QString&, const QString&, const QStringList& c) override { return choices = c, chosen; }
    QString SaveFileName(QWidget*, const QString&, const QString& name, const QString&) override { return folder + "/" + name; }
    bool SetUpPrinter(QWidget*, QPrinter& printer) override { return printer.setOutputFileName(folder + "/printed.pdf"), true; }
    QStringList names, offered, choices;
    int asked = 0, chosen = -1;
    QString folder;
};

class Page : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto opened = OpenHistory(history.file());
        for (const char* day : {"2026-12-01T10:00:00", "2026-12-02T10:00:00"})
            WriteSession(opened.connection->db(), Game(At(day), "Farm", {Round("cat.jpg", Right, 800), Round("dog.jpg", Wrong, 3000),
                                                                        Round("cow.jpg", None), Round("cat.jpg", Right, 1200)}, "Ann"));
        WriteSession(opened.connection->db(), Game(At("2026-12-03T10:00:00"), "Farm", {Round("hen.jpg", Right)}, ""));
        dialogs.folder = history.path();
        wall.now = At("2026-12-07T10:00:00");
        w.Store("Learners", "Current", "Ann");
        page = std::make_unique<LearnersPage>(w.services(), w.notifier, history.file(), dialogs, wall, [this] { return voices; });
        page->resize(1000, 700);
        page->show();
    }
    QStringList Learners() const { QStringList t; for (int i = 0; i < list()->count(); ++i) t << list()->item(i)->text(); return t; }
    QListWidget* list() const { return page->findChild<QListWidget*>("learners"); }
    QTableView* table(const char* name) const { return page->findChild<QTableView*>(name); }
    QString Cell(const char* name, int row, int column) const { return table(name)->model()->index(row, column).data().toString(); }
    void Press(const char* button) const { QTest::mouseClick(page->findChild<QPushButton*>(button), Qt::LeftButton); }
    void Select(const QString& text) const { list()->setCurrentItem(list()->findItems(text, Qt::MatchStartsWith).value(0)); }
    template <typename Widget> Widget* Field(const char* name) const { return page->findChild<Widget*>(name); }
    void Choose(const char* box, const char* value) const { Field<QComboBox>(box)->setCurrentIndex(Field<QComboBox>(box)->findData(value)); }
    void Type(const char* field, const QString& text) const
    {
        QLineEdit* typed = Field<QLineEdit>(field);
        typed->clear(), QTest::keyClicks(typed, text), QTest::keyClick(typed, Qt::Key_Return);
    }

    World w;
    HistoryFolder history;
    ScriptedDialogs dialogs;
    FixedWallClock wall;
    QStringList voices{"en_GB"};  // the computer's voices, as speech would list them
    std::unique_ptr<LearnersPage> page;
};

TEST_F(Page, ShowsWhoPlaysNextWithTheirGamesChartAndPicturesSortedByEachColumn)
{
    EXPECT_EQ(Learners(), (QStringList{"Ann (plays next)", "No learner chosen"}));
    EXPECT_EQ(list()->currentRow(), 0);
    ASSERT_EQ(table("sessions")->model()->rowCount(), 2);
    const char* const firstGame[] = {"2026-12-01 10:00", "Farm", "4", "67 %", "1.2 s"};
    for (int c = 0; c < 5; ++c) EXPECT_EQ(Cell("sessions", 0, c), firstGame[c]) << c;
    EXPECT_EQ(page->findChild<QChartView*>("chart")->chart()->series().size(), 2);
    // Still to learn first; then by the share right, as numbers (0 % < 100 %), and by times shown.
    QStringList order;
    for (int r = 0; r < 3; ++r) order << Cell("images", r, 0);
    EXPECT_EQ(order, (QStringList{"cow.jpg", "dog.jpg", "cat.jpg"}));
    table("images")->horizontalHeader()->setSortIndicator(3, Qt::DescendingOrder);
    EXPECT_EQ(Cell("images", 0, 0), "cat.jpg");
    EXPECT_EQ(Cell("images", 0, 3), "100 %");
    EXPECT_EQ(Cell("images", 0, 5), "teaching");  // 4 right first answers: too few rounds for the default rule
    EXPECT_EQ(Cell("images", 2, 3), "\u2013");
    table("images")->horizontalHeader()->setSortIndicator(2, Qt::AscendingOrder);
    EXPECT_EQ(Cell("images", 2, 2), "4");

    Select("No learner chosen");
    EXPECT_EQ(table("sessions")->model()->rowCount(), 1);
    EXPECT_EQ(Cell("images", 0, 0), "hen.jpg");
}

TEST_F(Page, TheLearnersPlanIsStoredAndThePicturesShowTheirStagesByItsRule)
{
    auto* procedure = page->findChild<QComboBox*>("procedure");
    auto spin = [&](const char* name) { return page->findChild<QSpinBox*>(name); };
    procedure->setCurrentIndex(procedure->findData(int(Procedure::ConstantDelay)));
    spin("delay")->setValue(2);
    spin("masteryRounds")->setValue(4);
    const auto opened = OpenHistory(history.file());
    LearnerPlan set;
    set.procedure = Procedure::ConstantDelay, set.delaySeconds = 2, set.mastery.rounds = 4;
    EXPECT_EQ(LoadLearnerPlan(opened.connection->db(), 1), set);
    // cat.jpg, right 4 times in 2 games, mastered on December 2 by 4 rounds: checked a week on.
    ASSERT_EQ(Cell("images", 2, 0), "cat.jpg");
    EXPECT_EQ(Cell("images", 2, 5), "mastered");
    EXPECT_EQ(Cell("images", 2, 6), "2026-12-09");
    EXPECT_EQ(page->findChild<QLabel*>("nextChecks")->text(), "Next checks: cat on 2026-12-09");
    Select("No learner chosen");
    EXPECT_FALSE(procedure->isEnabled());
    EXPECT_EQ(page->findChild<QLabel*>("nextChecks")->text(), "");
    Select("Ann");
    EXPECT_EQ(spin("masteryRounds")->value(), 4);
    EXPECT_TRUE(spin("zeroDelaySessions")->isEnabled());
}

TEST_F(Page, LearnersAreAddedRenamedArchivedAndChosenToPlayNext)
{
    dialogs.names = {"Bob", "ann", "Anna"};
    Press("add");
    EXPECT_EQ(Learners(), (QStringList{"Ann (plays next)", "Bob", "No learner chosen"}));
    EXPECT_EQ(list()->currentItem()->text(), "Bob");
    Press("add");  // "ann" is taken, letter case ignored
    EXPECT_EQ(w.boxes.Texts(), QStringList{"There is already a learner named \"ann\"."});
    Select("Ann");
    Press("rename");
    EXPECT_EQ(dialogs.offered.last(), "Ann");
    EXPECT_EQ(w.Stored("Learners", "Current"), "Anna");  // who plays next keeps playing under the new name
    Select("Bob");
    Press("playsNext");
    EXPECT_EQ(w.Stored("Learners", "Current"), "Bob");
    Press("archive");
    EXPECT_EQ(Learners(), (QStringList{"Anna", "No learner chosen"}));
    page->findChild<QCheckBox*>("showArchived")->setChecked(true);
    EXPECT_EQ(Learners(), (QStringList{"Anna", "Bob (archived) (plays next)", "No learner chosen"}));
    Select("No learner chosen");
    Press("playsNext");
    EXPECT_EQ(w.Stored("Learners", "Current"), "");
}

TEST_F(Page, AGameMovesToAnotherLearnerAndTheReportsAreWrittenAndPrinted)
{
    table("sessions")->selectRow(1);
    dialogs.chosen = 1;  // Ann, then "No learner chosen"
    Press("moveGame");
    EXPECT_EQ(dialogs.choices, (QStringList{"Ann", "No learner chosen"}));
    EXPECT_EQ(table("sessions")->model()->rowCount(), 1);
    Press("exportCsv");
    EXPECT_EQ(ReadBytes(history.path() + "/Ann-rounds.csv").count('\n'), 5);  // the header and Ann's four rounds left
    Press("exportPdf");
    Press("print");
    for (const char* pdf : {"/Ann-report.pdf", "/printed.pdf"}) EXPECT_GT(QFileInfo(history.path() + pdf).size(), 1000) << pdf;
    Select("No learner chosen");
    EXPECT_EQ(table("sessions")->model()->rowCount(), 2);
    EXPECT_TRUE(w.boxes.shown.empty());
}

TEST_F(Page, AGameRecordedByTheGameShowsWithoutAClickAndNoGameSaysSo)
{
    dialogs.names = {"Bob"};
    Press("add");
    QChart* chart = page->findChild<QChartView*>("chart")->chart();
    EXPECT_EQ(chart->title(), "No games yet");
    EXPECT_TRUE(chart->axes().isEmpty());  // no dates of 1970
    page->hide();  // another tab is open
    {
        const auto game = OpenHistory(history.file());  // the game's own connection
        WriteSession(game.connection->db(), Game(At("2026-12-07T09:00:00"), "Farm", {Round("cat.jpg", Right)}, "Bob"));
    }
    page->watcher()->Check();  // as the history's file or the poll calls it
    EXPECT_EQ(list()->currentItem()->text(), "Bob");
    EXPECT_EQ(table("sessions")->model()->rowCount(), 1);
    EXPECT_EQ(page->findChild<QChartView*>("chart")->chart()->series().size(), 2);
}

TEST_F(Page, TheAccessSettingsAreStoredAsTheCommandStoresThemAndABadValueIsRefusedLosingNothing)
{
    Field<QTabWidget>("learnerSettings")->setCurrentWidget(page->findChild<QWidget*>("access"));
    EXPECT_FALSE(Field<QComboBox>("scanMode")->isEnabled());  // the switches' settings only while scanning
    Choose("screen", "full");
    Field<QSpinBox>("scan")->setValue(700);
    Choose("scanMode", "step");
    Type("scanKeys", "step=1, select=2");
    Field<QSpinBox>("debounce")->setValue(100);
    Field<QSpinBox>("dwell")->setValue(1000);
    AccessOptions set;
    set.screen = ScreenMode::Full, set.scanMs = 700, set.scanMode = ScanMode::Step, set.debounceMs = 100, set.dwellMs = 1000;
    set.scanKeys = *ScanKeysNamed("select=2,step=1");
    const auto opened = OpenHistory(history.file());
    EXPECT_EQ(LoadLearnerAccess(opened.connection->db(), 1), set);
    EXPECT_EQ(Field<QLineEdit>("scanKeys")->text(), "select=2,step=1");  // as stored

    const struct { const char* what; std::function<void()> change; const char* says; } bad[] = {
        {"a key with a modifier", [&] { Type("scanKeys", "select=Ctrl+S"); }, "The scan keys are default, or select="},
        {"one key both ways", [&] { Type("scanKeys", "select=1,step=1"); }, "with no key in both"},
        {"a scan step typed too short", [&] { Field<QSpinBox>("scan")->setValue(450); }, "from 500 to 5000, not 450."},
        {"a dwell typed too short", [&] { Field<QSpinBox>("dwell")->setValue(420); }, "from 500 to 5000, not 420."},
    };
    auto* problem = Field<QLabel>("accessProblem");
    for (const auto& b : bad) {
        SCOPED_TRACE(b.what);
        b.change();
        EXPECT_TRUE(problem->isVisibleTo(page.get()));
        EXPECT_TRUE(problem->text().contains(b.says)) << problem->text().toStdString();
        EXPECT_EQ(LoadLearnerAccess(opened.connection->db(), 1), set);
        EXPECT_EQ(Field<QSpinBox>("scan")->value(), 700);
        EXPECT_EQ(Field<QLineEdit>("scanKeys")->text(), "select=2,step=1");
    }
    Field<QSpinBox>("scan")->setValue(Field<QSpinBox>("scan")->minimum());  // "Off"
    EXPECT_FALSE(problem->isVisibleTo(page.get()));
    EXPECT_FALSE(LoadLearnerAccess(opened.connection->db(), 1).scanMs);
    EXPECT_FALSE(Field<QComboBox>("scanMode")->isEnabled());
    Select("No learner chosen");
    EXPECT_FALSE(Field<QComboBox>("screen")->isEnabled());
    EXPECT_TRUE(w.boxes.shown.empty());
}

TEST_F(Page, ALearnerWhoseWordIsSpokenIsToldWhichSetsNoVoiceSpeaks)
{
    w.app.MakeSet("Set_Animali", {"cane.jpg", "gatto.jpg", "lupo.jpg"}, {"cane.jpg", "gatto.jpg", "lupo.jpg"});
    w.app.WriteFile("Set_Animali/Words/cane.wav", "RIFF");
    w.app.WriteFile("Set_Animali/set.json", R"({"languages": ["it"]})");
    auto* told = Field<QLabel>("withoutVoice");
    EXPECT_FALSE(told->isVisibleTo(page.get()));  // Ann's word is not spoken
    AccessOptions spoken;
    spoken.task = Task::Spoken;
    SaveLearnerAccess(OpenHistory(history.file()).connection->db(), 1, spoken);
    page->watcher()->Check();
    page->voiceCheck().waitForFinished();
    QCoreApplication::sendPostedEvents();  // what it found, posted before it finished
    EXPECT_TRUE(told->isVisibleTo(page.get()));
    EXPECT_EQ(told->text(), "No voice speaks Italian on this computer for set Animali: record its words on the Sets page "
                            "(2 of 3 have none).");
    Select("No learner chosen");
    EXPECT_FALSE(told->isVisibleTo(page.get()));
}

// Which sets no voice speaks, by their languages, the computer's voices and the recordings they have.
TEST(VoiceCheck, SetsWhoseLanguagesNoVoiceSpeaksAndWithPairsUnrecordedAreTold)
{
    AppFolder app;
    const struct { const char* set; QStringList languages; QStringList pairs; QStringList recorded; } sets[] = {
        {"Animali", {"it"}, {"cane.jpg", "gatto.jpg", "lupo.jpg"}, {"cane"}},
        {"Eco", {"it"}, {"eco.jpg"}, {"eco"}},  // every word recorded: never told
        {"Fado", {"pt_BR"}, {"fado.jpg"}, {}},
        {"Wald", {"de"}, {"baum.jpg", "fuchs.jpg"}, {"baum"}},
        {"Zoo", {"en", "it"}, {"cat.jpg", "dog.jpg"}, {}},
    };
    for (const auto& s : sets) {
        const QString folder = QStringLiteral("Set_%1").arg(s.set);
        app.MakeSet(folder, s.pairs, s.pairs);
        for (const QString& pair : s.recorded) app.WriteFile(folder + "/Words/" + pair + ".wav", "RIFF");
        app.WriteFile(folder + "/set.json", QString(R"({"languages": ["%1"]})").arg(s.languages.join(R"(", ")")).toUtf8());
    }
    const struct { QStringList voices; QStringList told; } rows[] = {
        {{"it_IT", "en_GB", "de_AT"}, {"Fado"}},                 // a bare language: any of its countries' voices
        {{"pt_PT", "de_DE"}, {"Animali", "Fado", "Zoo"}},        // a language with a country: that country's voice
        {{"pt_BR", "en_US"}, {"Animali", "Wald"}},               // one voiced language of a set is enough
        {{}, {"Animali", "Fado", "Wald", "Zoo"}},                // no speech at all
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.voices.join(',').toStdString());
        QStringList told;
        for (const SetWithoutVoice& s : SetsWithoutVoice(app.path(), row.voices)) told << s.set;
        EXPECT_EQ(told, row.told);
    }
    EXPECT_EQ(WithoutVoiceText(SetsWithoutVoice(app.path(), {"it_IT", "de_DE"})),
              "No voice speaks Portuguese (Brazil) on this computer for set Fado: record its words on the Sets page (1 of 1 have none).");
    EXPECT_TRUE(WithoutVoiceText(SetsWithoutVoice(app.path(), {"de_DE", "pt_BR"})).contains("No voice speaks English or Italian on this computer for set Zoo"));
    const QStringList lines = WithoutVoiceText(SetsWithoutVoice(app.path(), {})).split('\n');  // beyond three sets, the others by name
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[2].startsWith("No voice speaks German on this computer for set Wald")) << lines[2].toStdString();
    EXPECT_EQ(lines[3], "No voice speaks the words of set Zoo either.");

    const struct { const char* language; QStringList voices; bool voiced; } languages[] = {
        {"pt-BR", {"pt_PT"}, false}, {"pt-BR", {"pt_BR"}, true}, {"", {"en_GB"}, false},  // the sets above tell the rest
    };
    for (const auto& l : languages) EXPECT_EQ(HasVoice(l.voices, l.language), l.voiced) << l.language << " " << l.voices.join(',').toStdString();
}

}  // namespace
}  // namespace lumari::test
