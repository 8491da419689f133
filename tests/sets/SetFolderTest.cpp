// A set's pairs on real folders: pairing by the game's rule, the set list, renaming and removing
// pairs and sets, failures half-way undone or reported.
#include "options/SetList.h"
#include "platform/ErrorTrap.h"
#include "sets/PictureImport.h"
#include "sets/SetFolder.h"
#include "support/TestServices.h"
#include "sets/WordRecordings.h"

#include <QDir>
#include <QFile>

namespace lumari::test {
namespace {

QStringList Describe(const QList<Pair>& pairs)
{
    QStringList out;
    for (const Pair& p : pairs) out << p.name + "=" + p.image + "+" + p.symbol;
    return out;
}

// The desktop's trash in a folder of the test's own.
class SetChanges : public ::testing::Test {
protected:
    void SetUp() override
    {
        // No data folder yet, as on a fresh account.
        qputenv("HOME", w.app.path().toLocal8Bit());
        qputenv("XDG_DATA_HOME", w.app("data").toLocal8Bit());
        w.app.MakeSet("Set_Zoo", {"cat.jpg", "Dog.JPG", "owl.jpg"}, {"CAT.jpg", "dog.jpg", "bee.jpg"});
    }
    void TearDown() override { qputenv("HOME", home), qputenv("XDG_DATA_HOME", data); }
    QList<Pair> Pairs() const { return folder.Pairs(); }
    Pair PairNamed(const QString& name) const
    {
        for (const Pair& p : Pairs()) if (p.name == name) return p;
        return {};
    }
    // Why a change failed, "" when it did not.
    QString Failure(const std::function<void()>& change) const try { return change(), QString(); }
    catch (const SetError& e) { return e.reason(); }

    const QByteArray home = qgetenv("HOME"), data = qgetenv("XDG_DATA_HOME");
    World w;
    SetFolder folder{w.files, "zoo"};  // found whatever its letter case
};

}  // namespace

TEST(SetPairs, PairedAsTheGameJudgesAndSortedAsPeopleRead)
{
    EXPECT_EQ(Describe(PairUp({"b.jpg", "A.JPG", "c 10.jpg", "c 2.jpg"}, {"a.jpg", "C 2.JPG", "d.jpg"})),
              (QStringList{"A=A.JPG+a.jpg", "b=b.jpg+", "c 2=c 2.jpg+C 2.JPG", "c 10=c 10.jpg+", "d=+d.jpg"}));
}

TEST(SetPairs, SetsListedAsTheOptionsWindowListsThemWithTheirCounts)
{
    World w;
    w.app.MakeSet("Set_Zoo", {"a.jpg", "b.jpg", "c.jpg"}, {"A.jpg", "B.jpg", "d.jpg"});
    w.app.MakeSet("SET_birds", {}, {});
    w.app.MakeSet("Set_bird_s", {}, {});  // "_" after the letters, as in capitals; before them in the folder
    w.app.WriteFile("Set_x.jpg", "not a folder");
    QStringList got;
    for (const SetSummary& s : ListSets(w.files))
        got << QString("%1: %2 images, %3 pairs, %4 halves").arg(s.name).arg(s.images).arg(s.pairs).arg(s.halves);
    EXPECT_EQ(got, (QStringList{"birds: 0 images, 0 pairs, 0 halves", "bird_s: 0 images, 0 pairs, 0 halves", "Zoo: 3 images, 2 pairs, 2 halves"}));
}

// The sets library lists the sets itself: the same names in the same order as the options window.
TEST(SetPairs, SetNamesAreTheOptionsWindowsList)
{
    World w;
    for (const char* folder : {"Set_b", "set_B", "SET_a", "Set_", "Set_10", "Set_9", "Sets", "xSet_c"}) w.app.MakeFolder(folder);
    w.app.WriteFile("Set_file", "not a folder");
    ErrorTrap trap(w.boxes, "ListImageSets");
    QStringList options = ListImageSets(w.files, trap);
    SortSetNames(options);
    EXPECT_EQ(SetNames(w.app.path()), options);
}

TEST_F(SetChanges, RenameMovesBothFilesToAFreeSafeName)
{
    EXPECT_EQ(folder.Rename(PairNamed("cat"), " Dog ", Pairs()), "Dog 2");
    EXPECT_EQ(Failure([&] { folder.Rename(PairNamed("cat"), "Dog?", Pairs()); }), "a pair's name cannot hold any of \\ / : * ? \" < > |");
    EXPECT_EQ(folder.Rename(PairNamed("owl"), "OWL", Pairs()), "OWL");  // a half pair; letter case only
    EXPECT_EQ(Failure([&] { folder.Rename(PairNamed("bee"), "..", Pairs()); }), "a pair needs a name");
    EXPECT_EQ(Tree(w.app("Set_Zoo")), (QStringList{"Images", "Images/Dog 2.jpg", "Images/Dog.JPG", "Images/OWL.jpg",
                                                  "Symbols", "Symbols/Dog 2.jpg", "Symbols/bee.jpg", "Symbols/dog.jpg"}));
}

TEST_F(SetChanges, RenameFailingHalfWayLeavesThePairAsItWas)
{
    // The symbol went behind the page's back: the image is renamed back.
    const Pair cat = PairNamed("cat");
    QFile::remove(w.app("Set_Zoo/Symbols/CAT.jpg"));
    EXPECT_NE(Failure([&] { folder.Rename(cat, "lion", Pairs()); }), "");
    // A folder stands where the symbol would go: nothing is renamed.
    w.app.MakeFolder("Set_Zoo/Symbols/fox.jpg");
    EXPECT_NE(Failure([&] { folder.Rename(PairNamed("Dog"), "fox", Pairs()); }), "");
    EXPECT_EQ(Tree(w.app("Set_Zoo")), (QStringList{"Images", "Images/Dog.JPG", "Images/cat.jpg", "Images/owl.jpg",
                                                  "Symbols", "Symbols/bee.jpg", "Symbols/dog.jpg", "Symbols/fox.jpg"}));
}

TEST_F(SetChanges, RemoveMovesBothFilesToTheTrash)
{
    folder.Remove(PairNamed("Dog"));
    EXPECT_EQ(Describe(Pairs()), (QStringList{"bee=+bee.jpg", "cat=cat.jpg+CAT.jpg", "owl=owl.jpg+"}));
    // The symbol went behind the page's back: the image comes back out of the trash.
    const Pair cat = PairNamed("cat");
    QFile::remove(w.app("Set_Zoo/Symbols/CAT.jpg"));
    EXPECT_NE(Failure([&] { folder.Remove(cat); }), "");
    EXPECT_EQ(Describe(Pairs()), (QStringList{"bee=+bee.jpg", "cat=cat.jpg+", "owl=owl.jpg+"}));
    EXPECT_EQ(Tree(w.app("data/Trash")), (QStringList{"files", "files/Dog.JPG", "files/dog.jpg", "info",
                                                     "info/Dog.JPG.trashinfo", "info/dog.jpg.trashinfo"}));
}

TEST_F(SetChanges, ARecordingFollowsItsPairThroughRenamesAndRemoval)
{
    for (const char* name : {"CAT", "dog", "owl"}) w.app.WriteFile(QString("Set_Zoo/Words/%1.wav").arg(name), name);
    w.app.WriteFile("Set_Zoo/Words/lion.wav", "stray");  // of no pair: kept in the trash, not overwritten
    EXPECT_EQ(folder.Rename(PairNamed("cat"), "lion", Pairs()), "lion");
    folder.Remove(PairNamed("Dog"));
    // The owl's image went behind the page's back: its word comes back out of the trash.
    const Pair owl = PairNamed("owl");
    QFile::remove(w.app("Set_Zoo/Images/owl.jpg"));
    EXPECT_NE(Failure([&] { folder.Remove(owl); }), "");
    EXPECT_EQ(Tree(w.app("Set_Zoo/Words")), (QStringList{"lion.wav", "owl.wav"}));
    EXPECT_EQ(ReadBytes(w.app("Set_Zoo/Words/lion.wav")), "CAT");
    EXPECT_EQ(QDir(w.app("data/Trash/files")).entryList(QDir::Files, QDir::Name),
              (QStringList{"Dog.JPG", "dog.jpg", "dog.wav", "lion.wav"}));
    EXPECT_EQ(ReadBytes(w.app("data/Trash/files/lion.wav")), "stray");
}

TEST(WordRecordings, SilenceIsTrimmedAtBothEndsLeavingAMarginAndTheWordCutAt15Seconds)
{
    // At 1000 samples a second the margin is 30 samples and the longest 15000.
    auto run = [](std::vector<std::pair<int, qint16>> parts) {
        Recording recording{1000, {}};
        for (const auto& [count, value] : parts) recording.samples.insert(recording.samples.end(), std::size_t(count), value);
        return recording;
    };
    // leading: the quiet samples kept before the first sound.
    struct Row { const char* name; Recording recording; std::size_t size; std::size_t leading; } const rows[] = {
        {"all silence", run({{500, 0}}), 0, 0},
        {"a word between silences", run({{100, 0}, {50, 10000}, {100, 0}}), 110, 30},
        {"the margin stops at the ends", run({{10, 0}, {50, 10000}, {5, 0}}), 65, 10},
        {"quieter than 2 % of full scale is silence", run({{100, 600}, {10, 700}, {100, -600}}), 70, 30},
        {"sound below zero is sound", run({{100, 0}, {10, -10000}, {100, 0}}), 70, 30},
        {"20 s of word keeps its first 15 s", run({{20000, 10000}}), 15000, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Recording trimmed = Trimmed(row.recording);
        EXPECT_EQ(trimmed.samples.size(), row.size);
        const auto first = std::find_if(trimmed.samples.begin(), trimmed.samples.end(), [](qint16 s) { return std::abs(s) > 655; });
        EXPECT_EQ(std::size_t(first - trimmed.samples.begin()), row.leading);
    }
}

TEST_F(SetChanges, SetsRenamedUnderTheirRuleAndDeletedToTheTrash)
{
    w.app.MakeSet("Set_birds", {}, {});
    const QStringList sets = {"birds", "Zoo"};
    EXPECT_EQ(Failure([&] { RenameSet(w.files, "Zoo", "BIRDS", sets); }), "a set named birds exists");
    EXPECT_EQ(Failure([&] { RenameSet(w.files, "Zoo", "a/b", sets); }), "a set's name cannot hold any of \\ / : * ? \" < > |");
    EXPECT_EQ(Failure([&] { RenameSet(w.files, "Zoo", "Zoo:1", sets); }), "a set's name cannot hold any of \\ / : * ? \" < > |");
    EXPECT_EQ(Failure([&] { RenameSet(w.files, "Zoo", "..", sets); }), "a set's name cannot be dots alone");
    RenameSet(w.files, "zoo", "Farm", sets);
    DeleteSet(w.files, "BIRDS");
    EXPECT_EQ(QDir(w.app.path()).entryList({"Set_*"}, QDir::Dirs), (QStringList{"Set_Farm"}));
    EXPECT_EQ(QDir(w.app("data/Trash/files")).entryList(QDir::Dirs | QDir::NoDotAndDotDot), (QStringList{"Set_birds"}));
}

}  // namespace lumari::test
