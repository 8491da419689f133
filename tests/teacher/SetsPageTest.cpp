// The Sets page on real folders and real widgets: the game's set with its pairs, pictures added, a
// camera's name given in the grid, a half pair fixed, the >1000 note, and "Play it".
#include "teacher/TeacherFixtures.h"
#include "teacher/sets/PairPanel.h"
#include "teacher/sets/PictogramSymbols.h"
#include "teacher/sets/SetsDialogs.h"
#include "teacher/sets/SetsPage.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace lumari::test {
namespace {

struct ScriptedDialogs : SetsDialogs {
    QStringList ChoosePictures(QWidget*, bool) override { return pictures; }
    std::optional<Pictogram> ChoosePictogram(QWidget*, const QString& word) override { return words << word, pictogram; }
    QStringList pictures;
    std::optional<Pictogram> pictogram;
    QStringList words;
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
        page = std::make_unique<SetsPage>(services, w.notifier, symbols, dialogs, w.app("lumari"));
    }
    QStringList Shown() const
    {
        QStringList rows;
        PairListModel& m = page->pairs();
        for (int r = 0; r < m.rowCount(); ++r) {
            const QModelIndex i = m.index(r);
            rows << i.data().toString() + (i.data(PairListModel::LacksImageRole).toBool() ? " no image" : "") +
                        (i.data(PairListModel::LacksSymbolRole).toBool() ? " no symbol" : "") +
                        (i.data(PairListModel::UnnamedRole).toBool() ? " unnamed" : "") +
                        (i.data(PairListModel::ProposedRole).toString().isEmpty() ? "" : " proposed");
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

    // A camera's name given a word in the grid: both files renamed, its pictogram proposed.
    page->pairs().setData(page->pairs().index(page->pairs().RowOf("IMG_0001")), "dog", Qt::EditRole);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Shown().contains("dog proposed"); }, 10000)) << Shown().join(", ").toStdString();

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
    page = std::make_unique<SetsPage>(services, w.notifier, symbols, dialogs, w.app("lumari"));
    page->SelectSet("birds");
    const QLabel* note = nullptr;
    for (const QLabel* label : page->findChildren<QLabel*>())
        if (label->text().contains("1000")) note = label;
    ASSERT_NE(note, nullptr);
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
    const QByteArray home = qgetenv("HOME");  // a wrong Yes trashes into the test's own folder
    qputenv("HOME", w.app.path().toLocal8Bit()), qputenv("XDG_DATA_HOME", w.app("data").toLocal8Bit());
    w.boxes.answers = {mb::No};
    Button("Delete")->click();
    qputenv("HOME", home), qunsetenv("XDG_DATA_HOME");
    EXPECT_EQ(w.boxes.Take(), QStringList{"Move the set “Zoo” and all its pictures to the trash?|36|Delete set"});
    EXPECT_EQ(Tree(w.app("Set_Zoo")), (QStringList{"Images", "Images/IMG_0001.jpg", "Images/owl.jpg", "Symbols",
                                                  "Symbols/OWL.jpg", "Symbols/bee.jpg"}));
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

}  // namespace lumari::test
