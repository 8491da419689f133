// The import on real files: one table of inputs against what is stored, and the batch's order,
// clashes, loops and cancel.
#include "teacher/TeacherFixtures.h"

#include <QDir>
#include <QFile>
#include <QProcess>

namespace lumari::test {
namespace {

class Import : public ::testing::Test {
protected:
    void SetUp() override
    {
        w.app.MakeSet("Set_Zoo", {"cat.jpg", "IMG_0001.jpg"}, {"cat.jpg", "Owl.JPG"});
        QDir().mkpath(in());
    }
    QString in(const QString& name = {}) const { return w.app("in/" + name); }
    void Write(const QString& name, const QByteArray& bytes) const { w.app.WriteFile("in/" + name, bytes); }
    QImage Stored(const QString& folder, const QString& file) const { return QImage(w.app("Set_Zoo/" + folder + "/" + file)); }

    World w;
};

}  // namespace

TEST_F(Import, EachInputStoredUprightAtTheBoxSizeOrSkippedWithItsReason)
{
    const QByteArray photo = Encoded(Quarters({2400, 1200}), "jpeg");
    for (int n = 1; n <= 8; ++n) Write(QString("turned %1.jpg").arg(n), WithOrientation(photo, n));
    const QImage small = Quarters({80, 40});
    for (const char* format : {"png", "bmp", "tiff"}) Write(QString("as %1.%1").arg(format), Encoded(small, format));
    // Qt writes no GIF: ImageMagick makes one.
    Write("quarters.png", Encoded(small, "png"));
    ASSERT_EQ(QProcess::execute("convert", {in("quarters.png"), in("as gif.gif")}), 0);
    QFile::remove(in("quarters.png"));
    QByteArray huge = Encoded(small, "jpeg");
    huge.replace(huge.indexOf("\xFF\xC0") + 5, 4, BigEndian(60000, 2) + BigEndian(60000, 2));
    Write("huge.jpg", huge);
    Write("cut.jpg", photo.left(photo.size() / 2));
    Write("empty.jpg", {});
    Write("notes.txt", "apple, dog, cat\n");
    Write("Cat.png", Encoded(small, "png"));       // a pair "cat" exists
    Write("owl.png", Encoded(small, "png"));       // completes the symbol-only pair "Owl"
    Write("IMG_0001.jpg", Encoded(small, "jpeg"));  // a camera's name, taken too
    Write("a:b?.bmp", Encoded(small, "bmp"));
    Write(".hidden.png", Encoded(small, "png"));

    ImportBatch batch(w.files, "Zoo", nullptr);
    RunToEnd(batch, {in()});

    using R = ImportOutcome::Result;
    struct Row {
        QString file;
        R result;
        QString pair;
        QString reason;
        QString topLeft, topRight;  // colours of the picture's upper quarters as stored
        bool portrait = false;      // stands upright, so white to its left and right
    };
    const QString none = "no pictogram for this name";
    const std::vector<Row> rows = {
        {"a:b?.bmp", R::NoSymbol, "a b", none, "red", "green"},
        {"as bmp.bmp", R::NoSymbol, "as bmp", none, "red", "green"},
        {"as gif.gif", R::NoSymbol, "as gif", none, "red", "green"},
        {"as png.png", R::NoSymbol, "as png", none, "red", "green"},
        {"as tiff.tiff", R::NoSymbol, "as tiff", none, "red", "green"},
        {"Cat.png", R::NoSymbol, "Cat 2", none, "red", "green"},
        {"cut.jpg", R::Skipped, "", "damaged picture", {}, {}},
        {"empty.jpg", R::Skipped, "", "empty file", {}, {}},
        {"huge.jpg", R::Skipped, "", "too large (60000 × 60000 pixels)", {}, {}},
        {"IMG_0001.jpg", R::NoSymbol, "IMG_0001 2", none, "red", "green"},
        {"notes.txt", R::Skipped, "", "not a picture", {}, {}},
        {"owl.png", R::Added, "Owl", "", "red", "green"},
        {"turned 1.jpg", R::NoSymbol, "turned 1", none, "red", "green"},
        {"turned 2.jpg", R::NoSymbol, "turned 2", none, "green", "red"},
        {"turned 3.jpg", R::NoSymbol, "turned 3", none, "yellow", "blue"},
        {"turned 4.jpg", R::NoSymbol, "turned 4", none, "blue", "yellow"},
        {"turned 5.jpg", R::NoSymbol, "turned 5", none, "red", "blue", true},
        {"turned 6.jpg", R::NoSymbol, "turned 6", none, "blue", "red", true},
        {"turned 7.jpg", R::NoSymbol, "turned 7", none, "yellow", "green", true},
        {"turned 8.jpg", R::NoSymbol, "turned 8", none, "green", "yellow", true},
    };
    ASSERT_EQ(batch.outcomes().size(), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Row& row = rows[i];
        const ImportOutcome& got = batch.outcomes()[i];
        SCOPED_TRACE(row.file.toStdString());
        EXPECT_EQ(got.file, row.file);
        EXPECT_EQ(int(got.result), int(row.result));
        EXPECT_EQ(got.pair, row.pair);
        EXPECT_EQ(got.reason, row.reason);
        if (row.pair.isEmpty()) continue;
        const QImage stored = Stored("Images", row.pair + ".jpg");
        EXPECT_EQ(stored.size(), QSize(1200, 600));
        // A 2:1 picture fills the box; standing, it is 300 wide, centred on white.
        const int left = row.portrait ? 450 : 0, width = row.portrait ? 300 : 1200;
        EXPECT_EQ(ColourAt(stored, left + width / 4, 150), row.topLeft);
        EXPECT_EQ(ColourAt(stored, left + 3 * width / 4, 150), row.topRight);
        if (row.portrait) {
            EXPECT_EQ(ColourAt(stored, 440, 300), "white");
            EXPECT_EQ(ColourAt(stored, 760, 300), "white");
        }
        EXPECT_NE(ColourAt(stored, 460, 300), "white");
        EXPECT_NE(ColourAt(stored, 740, 300), "white");
    }
    // Nothing carried over: no EXIF block, no comment.
    QFile turned(w.app("Set_Zoo/Images/turned 6.jpg"));
    ASSERT_TRUE(turned.open(QIODevice::ReadOnly));
    const QByteArray bytes = turned.readAll();
    EXPECT_FALSE(bytes.contains("Exif"));
    EXPECT_FALSE(bytes.contains("\xFF\xFE"));
    EXPECT_EQ(Tree(w.app("Set_Zoo")).filter("Symbols/"), (QStringList{"Symbols/Owl.JPG", "Symbols/cat.jpg"}));
}

}  // namespace lumari::test
