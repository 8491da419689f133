// The Sets page on real folders and real widgets: the game's set with its pairs, pictures added, a
// camera's name given in the grid, a half pair fixed, the >1000 note, "Play it", and words recorded
// (from samples the test hands over as a microphone would) or dropped as WAV files.
#include "teacher/TeacherFixtures.h"
#include "teacher/sets/PairPanel.h"
#include "teacher/sets/PictogramSymbols.h"
#include "teacher/sets/SetsDialogs.h"
#include "sets/SetInfo.h"
#include "sets/WordRecordings.h"
#include "teacher/sets/SetsPage.h"
#include "teacher/sets/WordBar.h"

#include <QCheckBox>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace lumari::test {
namespace {

struct ScriptedDialogs : SetsDialogs {
    QStringList ChoosePictures(QWidget*, bool) override { return pictures; }
    std::optional<Pictogram> ChoosePictogram(QWidget*, const QString& word, const QStringList& l) override { return words << word, languages = l, pictogram; }
    std::optional<QStringList> ChooseLanguages(QWidget*, const QStringList& now) override { return offered = now, chosenLanguages; }
    BeforePlay AskBeforePlaying(QWidget*, const QStringList& f, bool) override { return found = f, beforePlay; }
    QStringList pictures;
    std::optional<Pictogram> pictogram;
    QStringList words, languages, offered, found;
    std::optional<QStringList> chosenLanguages;
    BeforePlay beforePlay = BeforePlay::Cancel;
};

// The desktop's trash under a home of the test's own, on the sets' file system.
struct OwnTrash {
    OwnTrash() { qputenv("HOME", home.path().toLocal8Bit()), qputenv("XDG_DATA_HOME", (home.path() + "/data").toLocal8Bit()); }
    ~OwnTrash() { qputenv("HOME", homeWas), qputenv("XDG_DATA_HOME", dataWas); }
    QString path() const { return home.path() + "/data/Trash"; }
    const QTemporaryDir home;
    const QByteArray homeWas = qgetenv("HOME"), dataWas = qgetenv("XDG_DATA_HOME");
};

// A stereo microphone at 8000 Hz whose sound the test gives.
struct FedInput : SoundInput {
    QString Start(Take t) override { return refusal.isEmpty() ? (take = std::move(t), QString()) : refusal; }
    void Stop() override { take = nullptr; }
    int channels() const override { return 2; }
    int sampleRate() const override { return 8000; }
    // Seconds of a tone at a level (0: silence), handed over in tenths of a second while it is taken.
    void Feed(double seconds, qint16 level)
    {
        for (int tenth = 0; tenth < int(seconds * 10) && take; ++tenth) {
            QByteArray piece;
            for (int frame = 0; frame < 800; ++frame)
                for (const qint16 sample : {qint16(frame % 8 < 4 ? level : -level), qint16(0)}) piece.append(reinterpret_cast<const char*>(&sample), 2);
            const Take taking = take;  // it may stop the input
            taking(piece);
        }
    }
    Take take;
    QString refusal;
};

class Page : public ::testing::Test {
protected:
    void SetUp() override
    {
        w.app.MakeSet("Set_Zoo", {"IMG_0001.jpg", "owl.jpg"}, {"bee.jpg", "OWL.jpg"});
        w.app.MakeSet("Set_birds", {}, {});
        w.Store("GeneralSettings", "ImagesSet", "zoo");
        // The game: a script that tells it ran, beside the program.
        w.app.WriteFile("lumari", "#!/bin/sh\ntouch \"$(dirname \"$0\")/played\"\n");
        QFile::setPermissions(w.app("lumari"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        Reopen();
    }
    // The page made anew, as at the program's start, on a set if one is named.
    void Reopen(const QString& set = {})
    {
        page = std::make_unique<SetsPage>(services, w.notifier, symbols, dialogs, w.app("lumari"), mic);
        if (!set.isEmpty()) page->SelectSet(set);
    }
    QStringList Shown() const
    {
        QStringList rows;
        PairListModel& m = page->pairs();
        for (int r = 0; r < m.rowCount(); ++r) {
            QString row = m.index(r).data().toString();
            for (const auto& [role, mark] : {std::pair{PairListModel::LacksImageRole, " no image"}, {PairListModel::LacksSymbolRole, " no symbol"},
                                             {PairListModel::UnnamedRole, " unnamed"}, {PairListModel::ProposedRole, " proposed"},
                                             {PairListModel::RecordedRole, " recorded"}})
                if (m.index(r).data(role).toBool()) row += mark;  // a proposal's name is true
            rows << row;
        }
        return rows;
    }
    void Choose(const QString& name) { page->grid()->setCurrentIndex(page->pairs().index(page->pairs().RowOf(name))); }
    QPushButton* Button(const QString& text) const
    {
        for (QPushButton* b : page->findChildren<QPushButton*>()) if (b->text() == text) return b;
        return nullptr;
    }

    World w;
    Services services = w.services();
    const PictogramSymbols symbols{PictogramIndex::DefaultRoot(), {"en"}};
    ScriptedDialogs dialogs;
    FedInput mic;
    std::unique_ptr<SetsPage> page;
};

}  // namespace

TEST_F(Page, ShowsTheGamesSetAddsPicturesAndFixesPairs)
{
    EXPECT_EQ(page->setList()->currentItem()->text(), "Zoo (1 pairs)  ⚠");
    EXPECT_EQ(Shown(), (QStringList{"bee no image", "IMG_0001 no symbol unnamed", "owl"}));

    w.app.WriteFile("in/apple.png", Encoded(Quarters({80, 40}), "png"));
    w.app.WriteFile("in/notes.txt", "not a picture");
    page->AddPictures({w.app("in")});
    ASSERT_TRUE(Finishes(*page->batch()));
    EXPECT_EQ(Shown(), (QStringList{"apple proposed", "bee no image", "IMG_0001 no symbol unnamed", "owl"}));
    EXPECT_EQ(w.boxes.Texts(), (QStringList{"Some files were not added:\nskipped: notes.txt: not a picture"}));
    Choose("apple");
    Button("Keep this pictogram")->click();
    EXPECT_EQ(Shown().first(), "apple");

    // A camera's name given a word in the grid: both files renamed, its pictogram proposed, and no warning.
    page->show();
    Choose("IMG_0001");
    page->grid()->edit(page->grid()->currentIndex());
    QLineEdit* editor = page->grid()->viewport()->findChild<QLineEdit*>();
    ASSERT_TRUE(editor);
    editor->setText("dog");
    static QStringList warnings;
    const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& m) {
        if (!m.contains("propagateSizeHints")) warnings << m;  // but the offscreen platform's own
    });
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Shown().contains("dog proposed"); }, 10000)) << Shown().join(", ").toStdString();
    qInstallMessageHandler(previous);
    EXPECT_EQ(warnings.join("\n").toStdString(), "");

    // The half pair "bee" gets the image the adult chooses.
    dialogs.pictures = {w.app("in/apple.png")};
    Choose("bee");
    Button("Choose image…")->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return Shown().contains("bee"); }, 10000)) << Shown().join(", ").toStdString();
    EXPECT_EQ(QImage(w.app("Set_Zoo/Images/bee.jpg")).size(), QSize(1200, 600));

    // Another pictogram for "owl", found from its name in the picker.
    dialogs.pictogram = Pictogram{QString::fromUtf8("🦉"), "owl"};
    Choose("owl");
    Button("Other pictogram…")->click();
    EXPECT_EQ(dialogs.words, QStringList{"owl"});
    EXPECT_TRUE(QTest::qWaitFor([&] { return QImage(w.app("Set_Zoo/Symbols/OWL.jpg")).size() == QSize(600, 600); }, 10000));
}

TEST_F(Page, TellsOfTheGamesLimitAndPlaysTheSet)
{
    for (int i = 0; i < 1001; ++i) w.app.WriteFile(QString("Set_birds/Images/b%1.jpg").arg(i), "");
    Reopen("birds");
    const QLabel* note = nullptr;
    for (const QLabel* label : page->findChildren<QLabel*>())
        if (label->text().contains("1000")) note = label;
    ASSERT_NE(note, nullptr);
    dialogs.beforePlay = SetsDialogs::BeforePlay::PlayAnyway;  // 1001 half pairs
    EXPECT_EQ(note->text(), "This set has 1001 images: the game shows only the first 1000.");
    Button("Play it")->click();
    EXPECT_EQ(w.Stored("GeneralSettings", "ImagesSet"), "birds");
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(w.app("played")); }, 10000));
    // Renamed, it stays the game's set.
    w.boxes.replies = {"Farm"};
    Button("Rename…")->click();
    EXPECT_EQ(w.Stored("GeneralSettings", "ImagesSet"), "Farm");
}

// Deleting asks first, as a question; No keeps every picture where it is.
TEST_F(Page, DeleteAsksAndNoKeepsTheSet)
{
    const OwnTrash own;  // a wrong Yes trashes into the test's own folder
    w.boxes.answers = {mb::No};
    Button("Delete")->click();
    EXPECT_EQ(w.boxes.Take(), QStringList{"Move the set “Zoo” and all its pictures to the trash?|36|Delete set"});
    EXPECT_EQ(Tree(w.app("Set_Zoo")), (QStringList{"Images", "Images/IMG_0001.jpg", "Images/owl.jpg", "Symbols",
                                                  "Symbols/OWL.jpg", "Symbols/bee.jpg"}));
}

TEST_F(Page, ProposalsKeptWithTheSetAreMarkedCountedAndReviewedOneByOneInItsLanguages)
{
    // As the command line leaves a set: two proposals awaiting review and a pictogram kept, in Italian then English.
    w.app.MakeSet("Set_Farm", {"cane.jpg", "gatto.jpg", "mela.jpg"}, {"cane.jpg", "gatto.jpg", "mela.jpg"});
    w.app.WriteFile("Set_Farm/set.json", R"({"languages": ["it", "en"], "pictograms": {
        "cane": {"emoji": "🐕", "name": "cane", "review": true}, "gatto": {"emoji": "🐈", "name": "gatto", "review": false},
        "mela": {"emoji": "🍎", "name": "mela", "review": true}}})");
    Reopen("farm");
    const auto said = [&](const QString& start) {
        for (const QLabel* label : page->findChildren<QLabel*>())
            if (label->isVisibleTo(page.get()) && label->text().startsWith(start)) return label->text();
        return QString();
    };
    const auto chosen = [&] { return page->grid()->currentIndex().data().toString(); };
    EXPECT_EQ(Shown(), (QStringList{"cane proposed", "gatto", "mela proposed"}));
    EXPECT_EQ(said("Words in"), "Words in: Italiano, English");
    EXPECT_EQ(said("2 "), "2 pictograms to review");
    Button("Next")->click();
    EXPECT_EQ(chosen(), "cane");
    Button("Keep")->click();  // and on to the next
    EXPECT_EQ(chosen(), "mela");
    EXPECT_EQ(said("1 "), "1 pictogram to review");
    dialogs.pictogram = Pictogram{QString::fromUtf8("🍏"), "green apple"};
    Button("Other…")->click();
    EXPECT_EQ(dialogs.languages, (QStringList{"it", "en"}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return Shown() == QStringList{"cane", "gatto", "mela"}; }, 10000)) << Shown().join(", ").toStdString();

    // A restart reads the same: nothing left to review.
    Reopen("farm");
    EXPECT_EQ(Shown(), (QStringList{"cane", "gatto", "mela"}));
    EXPECT_EQ(said("1 "), "");
    // Languages chosen on the page are kept with the set, for the next import and pick.
    dialogs.chosenLanguages = QStringList{"de", "en"};
    Button("Languages…")->click();
    EXPECT_EQ(dialogs.offered, (QStringList{"it", "en"}));
    EXPECT_EQ(said("Words in"), "Words in: Deutsch, English");
    EXPECT_EQ(SetInfo::Load(w.app("Set_Farm")).languages, (QStringList{"de", "en"}));
    EXPECT_EQ(SetInfo::Load(w.app("Set_Farm")).Pictogram("MELA").value_or(PairPictogram{}).emoji, QString::fromUtf8("🍏"));

    // A camera's name given a German word: its pictogram is found in the set's languages, to review.
    w.app.WriteJpeg("Set_Farm/Images/IMG_0002.jpg");
    Reopen("farm");
    page->pairs().setData(page->pairs().index(page->pairs().RowOf("IMG_0002")), "Katze", Qt::EditRole);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Shown().contains("Katze proposed"); }, 10000)) << Shown().join(", ").toStdString();
    EXPECT_EQ(SetInfo::Load(w.app("Set_Farm")).Pictogram("katze").value_or(PairPictogram{}).emoji, QString::fromUtf8("🐈"));
}

TEST_F(Page, ARemovedPairComesBackFromTheTrashWhenUndone)
{
    const OwnTrash own;
    const QString trash = own.path();
    w.app.WriteJpeg("Set_Zoo/Images/owl.jpg", Qt::blue);
    const QByteArray image = ReadBytes(w.app("Set_Zoo/Images/owl.jpg")), symbol = ReadBytes(w.app("Set_Zoo/Symbols/OWL.jpg"));

    Choose("owl");
    Button("Remove pair")->click();
    EXPECT_EQ(Shown(), (QStringList{"bee no image", "IMG_0001 no symbol unnamed"}));
    EXPECT_EQ(Tree(trash), (QStringList{"files", "files/OWL.jpg", "files/owl.jpg", "info", "info/OWL.jpg.trashinfo", "info/owl.jpg.trashinfo"}));
    page->undoStack()->undo();
    EXPECT_EQ(Shown().last(), "owl");
    EXPECT_EQ(ReadBytes(w.app("Set_Zoo/Images/owl.jpg")), image);
    EXPECT_EQ(ReadBytes(w.app("Set_Zoo/Symbols/OWL.jpg")), symbol);
    EXPECT_EQ(Tree(trash), (QStringList{"files", "info"}));
    page->undoStack()->redo();
    EXPECT_EQ(Shown().size(), 2);
    // A pair of that name made meanwhile is not overwritten.
    w.app.WriteJpeg("Set_Zoo/Images/Owl.jpg");
    page->undoStack()->undo();
    EXPECT_EQ(w.boxes.Texts(), QStringList{"a pair named Owl exists"});
    EXPECT_EQ(Tree(trash).size(), 6);
}

TEST_F(Page, PlayItSaysWhatTheSetsCheckFoundAndFixesItOrRemovesTheHalfPairs)
{
    const OwnTrash own;
    Button("Play it")->click();  // cancelled
    // The set's pictures are all one red picture.
    EXPECT_EQ(dialogs.found, (QStringList{"half pair: bee: no image", "half pair: IMG_0001: no symbol", "same symbol: bee, owl"}));
    dialogs.beforePlay = SetsDialogs::BeforePlay::Fix;
    dialogs.pictures = {};  // the file dialog cancelled
    Button("Play it")->click();
    EXPECT_EQ(page->grid()->currentIndex().data().toString(), "bee");  // the first, to fix
    dialogs.beforePlay = SetsDialogs::BeforePlay::RemoveHalves;
    Button("Play it")->click();
    EXPECT_EQ(Shown(), QStringList{"owl"});
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(w.app("played")); }, 10000));
    page->undoStack()->undo();  // both, in one step
    EXPECT_EQ(Shown().size(), 3);
    EXPECT_FALSE(QFile::exists(w.app("Set_Zoo/set.json")));
    EXPECT_EQ(w.boxes.Texts(), QStringList());
}

TEST_F(Page, FillTheBoxCropsThePictureJustAdded)
{
    w.app.WriteFile("in/square.png", Encoded(Quarters({100, 100}), "png"));
    page->AddPictures({w.app("in/square.png")});
    ASSERT_TRUE(Finishes(*page->batch()));
    const QString stored = w.app("Set_Zoo/Images/square.jpg");
    EXPECT_EQ(ColourAt(QImage(stored), 100, 300), "white");  // whole, on white
    Choose("square");
    page->panel()->findChild<QCheckBox*>()->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return ColourAt(QImage(stored), 100, 150) == "red"; }, 10000));
    EXPECT_EQ(ColourAt(QImage(stored), 1100, 450), "yellow");
    // A pair of an earlier session asks for its original once: whole again, it is not asked.
    const QString owl = w.app("Set_Zoo/Images/owl.jpg");
    dialogs.pictures = {w.app("in/square.png")};
    Choose("owl");
    page->panel()->findChild<QCheckBox*>()->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return ColourAt(QImage(owl), 100, 150) == "red"; }, 10000));
    dialogs.pictures = {};
    page->panel()->findChild<QCheckBox*>()->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return ColourAt(QImage(owl), 100, 300) == "white"; }, 10000));
}

TEST_F(Page, AWordIsRecordedTrimmedPlayedKeptFromSilenceCutAt15SecondsAndDeletedToTheTrash)
{
    const OwnTrash own;
    const QString owl = w.app("Set_Zoo/Words/owl.wav");
    const auto enabled = [&] {
        QStringList on;
        for (const char* text : {"Record", "Stop", "Play", "Delete recording"})
            if (Button(text)->isEnabled()) on << text;
        return on.join(", ");
    };
    Choose("owl");
    EXPECT_EQ(enabled(), "Record");
    Button("Record")->click();
    EXPECT_EQ(enabled(), "Stop");
    mic.Feed(1, 0), mic.Feed(0.5, 8000), mic.Feed(1, 0);
    EXPECT_EQ(page->panel()->words()->findChild<QLabel*>(QString(), Qt::FindDirectChildrenOnly)->text(), "● Recording “owl”: 2 s of at most 15 s");
    Button("Stop")->click();
    EXPECT_EQ(Heard(owl), "1 8000 4480");  // half a second of word and 30 ms of silence each side, in mono
    EXPECT_EQ(Shown().last(), "owl recorded");
    EXPECT_EQ(enabled(), "Record, Play, Delete recording");
    Button("Play")->click();
    EXPECT_EQ(w.sound.played.value(0), owl);
    EXPECT_EQ(enabled(), "Record, Stop");
    Button("Stop")->click();

    // Silence is told and stores nothing: the word before stays.
    const QByteArray word = ReadBytes(owl);
    Button("Record")->click();
    mic.Feed(2, 0);
    Button("Stop")->click();
    EXPECT_EQ(ReadBytes(owl), word);
    EXPECT_EQ(w.boxes.Take(), QStringList{"Nothing was heard, so nothing was kept: the word recorded before stays. Check that the microphone "
                                          "is plugged in and not muted, then record “owl” again.|48|Lumari ! for teachers"});
    // Talking on: it stops by itself at 15 s.
    Button("Record")->click();
    mic.Feed(20, 8000);
    EXPECT_EQ(Heard(owl), "1 8000 120000");
    EXPECT_EQ(enabled(), "Record, Play, Delete recording");

    Button("Delete recording")->click();
    EXPECT_EQ(Tree(own.path()), (QStringList{"files", "files/owl.wav", "info", "info/owl.wav.trashinfo"}));
    EXPECT_EQ(Shown().last(), "owl");
    EXPECT_EQ(enabled(), "Record");
    page->undoStack()->undo();
    EXPECT_EQ(Heard(owl), "1 8000 120000");
    EXPECT_EQ(Shown().last(), "owl recorded");

    // Closing the page keeps the word being recorded.
    Choose("bee");
    Button("Record")->click();
    mic.Feed(1, 8000);
    page.reset();
    EXPECT_EQ(Heard(w.app("Set_Zoo/Words/bee.wav")), "1 8000 8000");

    // No microphone: told, nothing recorded.
    Reopen();
    mic.refusal = "No microphone was found.";
    Choose("IMG_0001");
    Button("Record")->click();
    EXPECT_EQ(w.boxes.Texts(), QStringList{"No microphone was found."});
    EXPECT_EQ(enabled(), "Record");
}

TEST_F(Page, AWavDroppedWithItsPictureOrAloneBecomesAPairsWord)
{
    for (const char* name : {"in/apple.wav", "in/OWL.wav", "in/hum.wav", "in/buzz.wav"}) w.app.WriteFile(name, StereoWord(8000));
    w.app.WriteFile("in/apple.png", Encoded(Quarters({80, 40}), "png"));
    w.app.WriteFile("quiet/bee.wav", WavBytes({8000, std::vector<qint16>(8000, 0)}));
    const auto drop = [&](const QStringList& files) {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString& file : files) urls << QUrl::fromLocalFile(w.app(file));
        data.setUrls(urls);
        QDropEvent event(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        static_cast<QObject*>(page.get())->event(&event);  // as the window's drag and drop hands it over
    };
    // With the picture of its name it is that picture's word; alone, the word of the pair of its name.
    drop({"in/apple.png", "in/apple.wav", "in/OWL.wav"});
    ASSERT_TRUE(page->batch() && Finishes(*page->batch()));
    EXPECT_EQ(Tree(w.app("Set_Zoo/Words")), (QStringList{"apple.wav", "owl.wav"}));
    EXPECT_EQ(Heard(w.app("Set_Zoo/Words/apple.wav")), "1 8000 2480");
    EXPECT_EQ(w.boxes.Take(), QStringList());
    // One alone, of no pair's name: the chosen pair's word. Two, or a silent one: told, and nothing changed.
    Choose("bee");
    drop({"in/hum.wav"});
    const QByteArray bee = ReadBytes(w.app("Set_Zoo/Words/bee.wav"));
    drop({"in/buzz.wav", "quiet/bee.wav"});
    EXPECT_EQ(w.boxes.Texts(), QStringList{"Some files were not added:\nskipped: buzz.wav: no pair of this name (choose its pair, then drop "
                                           "the file alone)\nskipped: bee.wav: the recording of bee is silent"});
    EXPECT_EQ(ReadBytes(w.app("Set_Zoo/Words/bee.wav")), bee);
    EXPECT_EQ(Shown(), (QStringList{"apple proposed recorded", "bee no image recorded", "IMG_0001 no symbol unnamed", "owl recorded"}));
}

}  // namespace lumari::test
