// The import on real files: one table of inputs against what is stored, and the batch's order,
// clashes, loops and cancel.
#include "teacher/TeacherFixtures.h"
#include "teacher/sets/ImportCommand.h"
#include "teacher/sets/PictogramSymbols.h"
#include "sets/WordRecordings.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTextStream>

#include <memory>

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

TEST_F(Import, AWavFileBesideAPictureIsItsPairsRecordingInSixteenBitMono)
{
    struct NoSymbols : SymbolMaker {
        Made Make(const QString&) const override { return {{}, {}, "none"}; }
        QImage Draw(const Pictogram&) const override { return {}; }
    } const symbols;
    const QByteArray small = Encoded(Quarters({80, 40}), "png");
    Write("Cat.png", small);  // a pair "cat" exists: the picture becomes "Cat 2", and so does its word
    Write("cat.WAV", StereoWord(8000));
    Write("lonely.wav", StereoWord(8000));
    Write("owl.png", Encoded(Quarters({81, 40}), "png"));  // another picture
    Write("Owl.wav", "no sound in here");
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    EXPECT_EQ(RunTeacherCommand({"import", "--set", "Zoo", in()}, w.services(), symbols, outStream, errStream), kSomeLeftOut);
    EXPECT_EQ(out.split('\n', Qt::SkipEmptyParts),
              (QStringList{"no symbol: Cat 2: none", "recording: Cat 2", "skipped: lonely.wav: not a picture", "added: Owl",
                           "skipped: Owl.wav: not a sound", "Set Zoo: 1 added, 0 unchanged, 2 skipped, 1 without a symbol."}));
    EXPECT_EQ(Tree(w.app("Set_Zoo/Words")), (QStringList{"Cat 2.wav"}));
    EXPECT_EQ(Heard(w.app("Set_Zoo/Words/Cat 2.wav")), "1 8000 2480");  // the quarter second of sound and 30 ms of silence each side
}

TEST_F(Import, EachInputStoredUprightAtTheBoxSizeOrSkippedWithItsReason)
{
    const QByteArray photo = Encoded(Quarters({2400, 1200}), "jpeg");
    for (int n = 1; n <= 8; ++n) Write(QString("turned %1.jpg").arg(n), WithOrientation(photo, n));
    int width = 80;  // each small picture its own, but for the copy
    const auto small = [&] { return Quarters({width++, 40}); };
    for (const char* format : {"png", "bmp", "tiff"}) Write(QString("as %1.%1").arg(format), Encoded(small(), format));
    Write("as png2.png", ReadBytes(in("as png.png")));  // a copy, given beside its photo
    // Qt writes no GIF: ImageMagick makes one.
    Write("quarters.png", Encoded(small(), "png"));
    ASSERT_EQ(QProcess::execute("convert", {in("quarters.png"), in("as gif.gif")}), 0);
    QFile::remove(in("quarters.png"));
    QByteArray huge = Encoded(small(), "jpeg");
    huge.replace(huge.indexOf("\xFF\xC0") + 5, 4, BigEndian(60000, 2) + BigEndian(60000, 2));
    Write("huge.jpg", huge);
    Write("cut.jpg", photo.left(photo.size() / 2));
    // A camera's thumbnail, a whole JPEG with its own end marker, before the picture that is cut short.
    const QByteArray thumbnail = Encoded(small(), "jpeg");
    const QByteArray withThumbnail = photo.left(2) + "\xFF\xFE" + BigEndian(quint32(thumbnail.size() + 2), 2) + thumbnail + photo.mid(2);
    Write("cut thumbnail.jpg", withThumbnail.left(withThumbnail.size() / 2));
    Write("empty.jpg", {});
    Write("notes.txt", "apple, dog, cat\n");
    Write("Cat.png", Encoded(small(), "png"));       // a pair "cat" exists
    Write("owl.png", Encoded(small(), "png"));       // completes the symbol-only pair "Owl"
    Write("IMG_0001.jpg", Encoded(small(), "jpeg"));  // a camera's name, taken too
    Write("a:b?.bmp", Encoded(small(), "bmp"));
    Write(".hidden.png", Encoded(small(), "png"));

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
        {"as png2.png", R::Unchanged, "as png", "", "red", "green"},
        {"as tiff.tiff", R::NoSymbol, "as tiff", none, "red", "green"},
        {"Cat.png", R::NoSymbol, "Cat 2", none, "red", "green"},
        {"cut thumbnail.jpg", R::Skipped, "", "damaged picture", {}, {}},
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

namespace lumari::test {

TEST_F(Import, NamedPicturesGetTheirPictogramInTheSetsLanguagesOnceAndAgainAddNothing)
{
    int width = 80;  // each picture its own
    for (const char* name : {"apple.png", "IMG_1234.png", "Katze.png", "zzqx.png"}) Write(name, Encoded(Quarters({width++, 40}), "png"));
    ASSERT_TRUE(QFile::link(in(), in("back")));
    SetInfo info;  // the set's languages, whatever the program's; its pair "cat" shows the apple
    info.languages = {"de", "en"};
    info.SetPictogram("cat", {"🍎", "red apple", false});
    ASSERT_TRUE(info.Save(w.app("Set_Zoo")));
    const PictogramSymbols symbols(PictogramIndex::DefaultRoot(), {"en"});
    const auto importLines = [&] {
        ImportBatch batch(w.files, "Zoo", &symbols);
        RunToEnd(batch, {in()});
        QStringList lines;
        for (const ImportOutcome& outcome : batch.outcomes()) lines << OutcomeLine(outcome);
        return lines;
    };
    EXPECT_EQ(importLines(), (QStringList{"no symbol: apple: same pictogram as cat", "no symbol: IMG_1234: no pictogram for this name",
                                          "added: Katze: pictogram 🐈 Katze, to review", "no symbol: zzqx: no pictogram for this name",
                                          "skipped: back: a link back to a folder already added"}));
    const QImage symbol = Stored("Symbols", "Katze.jpg");
    EXPECT_EQ(symbol.size(), QSize(600, 600));
    int coloured = 0;  // a pictogram in colour, not a grey box
    for (int y = 0; y < 600; y += 10)
        for (int x = 0; x < 600; x += 10) coloured += symbol.pixelColor(x, y).hsvSaturation() > 100;
    EXPECT_GT(coloured, 200);
    // The proposal awaits review when the set is read again, as a restarted program reads it.
    EXPECT_EQ(SetInfo::Load(w.app("Set_Zoo")).ToReview(), QStringList{"Katze"});

    const QStringList before = Tree(w.app("Set_Zoo"));
    const QByteArray kept = ReadBytes(w.app("Set_Zoo/set.json"));
    EXPECT_EQ(importLines(), (QStringList{"unchanged: apple", "unchanged: IMG_1234", "unchanged: Katze", "unchanged: zzqx",
                                          "skipped: back: a link back to a folder already added"}));
    EXPECT_EQ(Tree(w.app("Set_Zoo")), before);
    EXPECT_EQ(ReadBytes(w.app("Set_Zoo/set.json")), kept);
}

TEST_F(Import, TheCommandLineTakesTheSetOptionAnywhereAndRefusesWhatItCannotUse)
{
    Write("apple.png", Encoded(Quarters({80, 40}), "png"));
    const PictogramSymbols symbols(PictogramIndex::DefaultRoot(), {"en"});
    const struct { QStringList arguments; int status; QString told; /* the last line written, or the error's first */ } rows[] = {
        {{"import", "--set", "Zoo", in("apple.png")}, kAllWhole, "Set Zoo: 1 added, 0 unchanged, 0 skipped, 0 without a symbol."},
        {{"import", in("apple.png"), "--set", "Farm"}, kAllWhole, "Set Farm: 1 added, 0 unchanged, 0 skipped, 0 without a symbol."},
        {{"import", "--sets", "Zoo", in("apple.png")}, kUsageError, "lumari-teacher: unknown option: --sets"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.arguments.join(' ').toStdString());
        QString out, err;  // the command's output and error streams
        QTextStream outStream(&out), errStream(&err);
        EXPECT_EQ(RunTeacherCommand(row.arguments, w.services(), symbols, outStream, errStream), row.status);
        EXPECT_EQ(row.status == kAllWhole ? out.trimmed().split('\n').last() : err.section('\n', 0, 0), row.told);
    }
}

TEST_F(Import, PicturesAreStoredWithoutVisibleLoss)
{
    // Fine detail at the stored size, which a low quality blurs: stripes one to four pixels wide.
    QImage detail(1200, 600, QImage::Format_Grayscale8);
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 1200; ++x) detail.scanLine(y)[x] = (x / (1 + y % 4) + y / 3) % 2 ? 0 : 255;
    StoreJpeg(detail.convertToFormat(QImage::Format_RGB32), in("stored.jpg"));
    const QImage stored = QImage(in("stored.jpg")).convertToFormat(QImage::Format_Grayscale8);
    double error = 0;  // 1200 bytes a row: no padding
    for (qsizetype i = 0; i < detail.sizeInBytes(); ++i) error += std::abs(detail.constBits()[i] - stored.constBits()[i]);
    // Quality 90 keeps it to about 1.5 levels in 255 on average; the usual 75 more than doubles that.
    EXPECT_LT(error / (1200 * 600), 2.5);
}

TEST_F(Import, CancelOrClosingTheBatchLeavesWholeFilesOnly)
{
    const QByteArray photo = Encoded(Quarters({2400, 1200}), "jpeg");
    for (int i = 0; i < 40; ++i) Write(QString("p%1.jpg").arg(i, 2, 10, QChar('0')), photo);
    w.app.MakeSet("Set_Closed", {}, {});
    // One picture thread, whatever the computer: the pictures are made in order and most are never begun.
    QThreadPool& pool = *QThreadPool::globalInstance();
    const std::shared_ptr<void> restore(nullptr, [&, threads = pool.maxThreadCount()](void*) { pool.setMaxThreadCount(threads); });
    pool.setMaxThreadCount(1);
    for (const char* set : {"Zoo", "Closed"}) {
        SCOPED_TRACE(set);
        auto batch = std::make_unique<ImportBatch>(w.files, set, nullptr);
        // Cancelled at the first picture, or deleted then as a closed page deletes it, from the slot.
        const bool closes = QString(set) == "Closed";
        QObject::connect(batch.get(), &ImportBatch::imported, batch.get(), [&] {
            if (closes) batch.reset();
            else if (!batch->canceled()) batch->Cancel();
        });
        QSignalSpy ended(batch.get(), closes ? SIGNAL(destroyed(QObject*)) : SIGNAL(finished()));
        batch->Start({in()});
        // Both come from the event loop, after this first look.
        ASSERT_TRUE(!ended.isEmpty() || ended.wait(60000));
        const QDir images(w.app(QString("Set_%1/Images").arg(set)));
        const QStringList files = images.entryList({"p*", ".lumari-*"}, QDir::Files | QDir::Hidden);
        EXPECT_LT(files.size(), 40);
        // Every picture written is whole and named: no temporary file is left.
        for (const QString& file : files) EXPECT_EQ(QImage(images.filePath(file)).size(), QSize(1200, 600)) << file.toStdString();
    }
}

TEST_F(Import, SetJsonChangedDuringTheImportKeepsTheChangeAndTheProposalsToldSoFar)
{
    struct EachItsOwn : SymbolMaker {  // a pictogram per name, drawn at once
        Made Make(const QString& name) const override { return {Quarters({600, 600}), {name, name}, {}}; }
        QImage Draw(const Pictogram&) const override { return {}; }
    } const symbols;
    for (int i = 0; i < 3; ++i) Write(QString("p%1.png").arg(i), Encoded(Quarters({80 + i, 40}), "png"));
    const struct { const char* set; bool closes; QStringList toReview; } rows[] = {
        {"Farm", false, {"p0", "p1", "p2"}},
        {"Closed", true, {"p0"}},  // the page closed at the first result
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.set);
        const QString folder = w.app(QString("Set_") + row.set);
        w.app.MakeSet(QString("Set_") + row.set, {"cat.jpg"}, {"cat.jpg"});
        SetInfo before;
        before.SetPictogram("cat", {"🐈", "cat", true});
        ASSERT_TRUE(before.Save(folder));
        auto batch = std::make_unique<ImportBatch>(w.files, row.set, &symbols);
        // Meanwhile the adult keeps cat's pictogram and sets the words' language.
        QObject::connect(batch.get(), &ImportBatch::imported, batch.get(), [&] {
            SetInfo now = SetInfo::Load(folder);
            if (!now.languages.isEmpty()) return;
            now.languages = {"fr"};
            now.SetPictogram("cat", {"🐈", "cat", false});
            ASSERT_TRUE(now.Save(folder));
            if (row.closes) batch.reset();
        });
        QSignalSpy ended(batch.get(), row.closes ? SIGNAL(destroyed(QObject*)) : SIGNAL(finished()));
        batch->Start({in()});
        ASSERT_TRUE(!ended.isEmpty() || ended.wait(60000));
        const SetInfo after = SetInfo::Load(folder);
        EXPECT_EQ(after.languages, QStringList{"fr"});
        EXPECT_EQ(after.ToReview(), row.toReview);
    }
}

}  // namespace lumari::test
