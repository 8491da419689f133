// Measures the teachers' program against the plain way, on the same inputs in one run, and
// prints one table:
// - importing 100 photo-like 12-megapixel JPEGs with mixed EXIF orientations, of two looks (phone
//   photos of about 3 MB, grainy ones of about 5 MB): ours (ImportBatch: decoded at reduced size on
//   both cores) against each photo fully decoded, smoothly scaled and encoded, one after another on
//   one thread; with the longest stall of the window's event loop during ours, and the peak memory
//   of each in a process of its own;
// - opening a set of 1000 pairs on the Sets page: the time until the first screen of thumbnails
//   is painted, against decoding those pictures in full on the window's thread.
#include "BenchMain.h"
#include "BenchServices.h"
#include "PhotoSets.h"

#include "sets/ImportBatch.h"
#include "teacher/sets/PairListModel.h"
#include "sets/PictureImport.h"
#include "teacher/sets/SetsDialogs.h"
#include "teacher/sets/SetsPage.h"
#include "sets/SymbolMaker.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QListView>
#include <QPainter>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace lumari::bench {
namespace {

constexpr int kPhotos = 100;
constexpr int kDistinct = 8;  // one per EXIF orientation
constexpr int kSetPairs = 1000;
constexpr int kOpenings = 5;
constexpr int kRounds = 3;  // of each import, the best counting

struct NoSymbols : SymbolMaker {
    Made Make(const QString&) const override { return {{}, {}, QStringLiteral("none in the benchmark")}; }
    QImage Draw(const Pictogram&) const override { return {}; }
};
struct NoDialogs : SetsDialogs {
    QStringList ChoosePictures(QWidget*, bool) override { return {}; }
    std::optional<Pictogram> ChoosePictogram(QWidget*, const QString&, const QStringList&) override { return std::nullopt; }
    std::optional<QStringList> ChooseLanguages(QWidget*, const QStringList&) override { return std::nullopt; }
    BeforePlay AskBeforePlaying(QWidget*, const QStringList&, bool) override { return BeforePlay::Cancel; }
};

double PeakResidentMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').front().toDouble() / 1024.0;
    return -1;
}

// Processor time used by this process so far, on all its threads.
double ProcessorMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

QByteArray BigEndian(quint32 value, int bytes)
{
    QByteArray out;
    for (int i = bytes - 1; i >= 0; --i) out += char((value >> (8 * i)) & 0xFF);
    return out;
}

// The photo with an EXIF block giving its orientation, as a camera writes it.
void Orient(const QString& path, int orientation)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite)) qFatal("cannot open %s", qPrintable(path));
    const QByteArray jpeg = file.readAll();
    const QByteArray tiff = QByteArray("MM\0\x2a\0\0\0\x08", 8) + BigEndian(1, 2) + BigEndian(0x0112, 2) +
                            BigEndian(3, 2) + BigEndian(1, 4) + BigEndian(quint32(orientation), 2) +
                            BigEndian(0, 2) + BigEndian(0, 4);
    const QByteArray exif = QByteArray("Exif\0\0", 6) + tiff;
    file.seek(0);
    file.write(jpeg.left(2) + "\xFF\xE1" + BigEndian(quint32(exif.size() + 2), 2) + exif + jpeg.mid(2));
}

// The plain way: the whole photo decoded, scaled smoothly, put on white, encoded.
void PlainImport(const QString& source, const QString& target)
{
    QImageReader reader(source);
    reader.setAutoTransform(true);
    const QImage photo = reader.read();
    const QImage scaled = photo.scaled(kStoredImageSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QImage canvas(kStoredImageSize, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    QPainter(&canvas).drawImage((canvas.width() - scaled.width()) / 2, (canvas.height() - scaled.height()) / 2, scaled);
    QImageWriter writer(target, "jpeg");
    writer.setQuality(90);
    if (!writer.write(canvas)) qFatal("cannot write %s", qPrintable(target));
}

void MakeSet(const QString& app, const QString& set)
{
    for (const char* side : {"Images", "Symbols"}) QDir().mkpath(app + "/Set_" + set + "/" + side);
}

struct OursRun {
    double seconds = 0;
    double longestStallMs = 0;
    int added = 0;
};

// Ours, into a fresh set, while a timer on the window's thread measures its longest wait.
OursRun ImportOurs(const QString& app, const QString& set, const QString& input)
{
    MakeSet(app, set);
    QtFiles files(app);
    ImportBatch batch(files, set, nullptr);
    QElapsedTimer clock, tick;
    OursRun run;
    QTimer timer;
    timer.setInterval(5);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        run.longestStallMs = std::max(run.longestStallMs, double(tick.nsecsElapsed()) / 1e6);
        tick.start();
    });
    QSignalSpy finished(&batch, &ImportBatch::finished);
    clock.start();
    tick.start();
    timer.start();
    batch.Start({input});
    finished.wait(600000);
    run.seconds = double(clock.nsecsElapsed()) / 1e9;
    for (const ImportOutcome& o : batch.outcomes()) run.added += o.result != ImportOutcome::Result::Skipped;
    return run;
}

double ImportPlain(const QString& out, const QStringList& inputs)
{
    QDir().mkpath(out);
    QElapsedTimer clock;
    clock.start();
    for (const QString& input : inputs) PlainImport(input, out + "/" + QFileInfo(input).completeBaseName() + ".jpg");
    return double(clock.nsecsElapsed()) / 1e9;
}

// Mean difference per channel (0-255) between two ways' results, on small copies.
double Difference(const QString& a, const QString& b)
{
    const QImage x = QImage(a).scaled(120, 60, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).convertToFormat(QImage::Format_RGB32);
    const QImage y = QImage(b).scaled(120, 60, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int j = 0; j < 60; ++j)
        for (int i = 0; i < 120; ++i) {
            const QRgb p = x.pixel(i, j), q = y.pixel(i, j);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (120.0 * 60 * 3);
}

// The rows of the grid on screen now.
std::vector<int> VisibleRows(SetsPage& page)
{
    std::vector<int> rows;
    const QRect viewport = page.grid()->viewport()->rect();
    for (int r = 0; r < page.pairs().rowCount(); ++r)
        if (page.grid()->visualRect(page.pairs().index(r)).intersects(viewport)) rows.push_back(r);
    return rows;
}

struct Opening {
    double ms = 0;
    double listedMs = 0;  // of which: the set's pairs read and the grid laid out
    int shown = 0;
};

// From the click on the set to the first screen of thumbnails painted.
Opening OpenSet(BenchServices& services, const QString& set)
{
    NoSymbols symbols;
    NoDialogs dialogs;
    SetsPage page(services.services(), services.notifier, symbols, dialogs, QString());
    page.resize(1100, 720);
    page.show();
    QApplication::processEvents();
    QElapsedTimer clock;
    clock.start();
    page.SelectSet(set);
    const double listed = double(clock.nsecsElapsed()) / 1e6;
    const auto ready = [&] {
        for (int r : VisibleRows(page)) {
            const QModelIndex i = page.pairs().index(r);
            if (i.data(PairListModel::ImageRole).value<QImage>().isNull() ||
                i.data(PairListModel::SymbolRole).value<QImage>().isNull())
                return false;
        }
        return true;
    };
    while (!ready()) QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    page.grid()->viewport()->repaint();
    return {double(clock.nsecsElapsed()) / 1e6, listed, int(VisibleRows(page).size())};
}

// The plain way: the same pictures decoded in full and scaled on the window's thread.
double OpenPlain(const QString& folder, int pairs)
{
    QElapsedTimer clock;
    clock.start();
    const QStringList files = QDir(folder + "/Images").entryList(QDir::Files, QDir::Name).mid(0, pairs);
    qint64 pixels = 0;  // used, so nothing is left out by the compiler
    for (const QString& f : files) {
        pixels += QImage(folder + "/Images/" + f).scaled(PairListModel::kImageThumb, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).sizeInBytes();
        pixels += QImage(folder + "/Symbols/" + f).scaled(PairListModel::kSymbolThumb, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).sizeInBytes();
    }
    return pixels > 0 ? double(clock.nsecsElapsed()) / 1e6 : 0;
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double ChildPeak(const QString& mode, const QString& app, const QString& input)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--memory"), mode, app, input});
    child.waitForFinished(-1);
    return child.readAllStandardOutput().trimmed().toDouble();
}

int MemoryChild(const QString& mode, const QString& app, const QString& input)
{
    if (mode == QStringLiteral("ours")) {
        ImportOurs(app, QStringLiteral("Memory"), input);
    } else {
        QStringList inputs;
        for (const QString& f : QDir(input).entryList(QDir::Files, QDir::Name)) inputs << input + "/" + f;
        ImportPlain(app + "/plain-memory", inputs);
    }
    std::printf("%.1f\n", PeakResidentMb());
    return 0;
}

void Row(const char* goal, const char* target, const QString& plain, const QString& ours, const QString& ratio)
{
    std::printf("| %s | %s | %s | %s | %s |\n", goal, target, qPrintable(plain), qPrintable(ours), qPrintable(ratio));
}

// One look of photos: 8 distinct ones, one per EXIF orientation, linked under 100 names.
struct Inputs {
    const char* name;
    PhotoLook look;
    QString folder;     // the 100 names
    QStringList files;  // the same, one by one
    QStringList photos;  // the 8 distinct ones
    SetsMade made;
};

Inputs WriteInputs(const QString& root, const char* name, PhotoLook look)
{
    Inputs inputs{name, look, root + "/in-" + name, {}, {}, {}};
    inputs.photos = WritePhotos(root + "/photos-" + name, kDistinct, inputs.made, look);
    for (int k = 0; k < kDistinct; ++k) Orient(inputs.photos[k], k + 1);
    QDir().mkpath(inputs.folder);
    for (int i = 0; i < kPhotos; ++i) {
        const QString file = inputs.folder + QString("/photo %1.jpg").arg(i, 3, 10, QChar('0'));
        if (!QFile::link(inputs.photos[i % kDistinct], file) && !QFile::copy(inputs.photos[i % kDistinct], file)) qFatal("cannot link");
        inputs.files << file;
    }
    return inputs;
}

struct Imported {
    double plain = 0, plainCpu = 0, plainPeak = 0;
    OursRun ours;
    double oursCpu = 0, oursPeak = 0;
    double worst = 0;  // largest mean difference between the two ways' pictures
    double longestStallMs = 0;  // over all of our runs, the slower ones too
};

// Both ways on the same files, plain then ours (into the set `set`, then `set`2, ...) in each
// round; the best round of each way counts, as the machine is shared. Then each way's peak memory.
Imported ImportBoth(const QString& root, const QString& app, const QString& set, const Inputs& in)
{
    Imported r;
    r.plain = r.ours.seconds = 1e9;
    const QString plainOut = root + "/plain-" + in.name;
    ImportPlain(root + "/warm-" + in.name, in.files.mid(0, kDistinct));
    for (int round = 0; round < kRounds; ++round) {
        double cpu = ProcessorMs();
        const double plain = ImportPlain(plainOut, in.files);
        if (plain < r.plain) {
            r.plain = plain;
            r.plainCpu = (ProcessorMs() - cpu) / kPhotos;
        }
        cpu = ProcessorMs();
        const OursRun ours = ImportOurs(app, set + (round > 0 ? QString::number(round + 1) : QString()), in.folder);
        if (ours.added != kPhotos) qFatal("ours imported %d of %d photos", ours.added, kPhotos);
        r.longestStallMs = std::max(r.longestStallMs, ours.longestStallMs);
        if (ours.seconds < r.ours.seconds) {
            r.ours = ours;
            r.oursCpu = (ProcessorMs() - cpu) / kPhotos;
        }
    }
    for (int k = 0; k < kDistinct; ++k) {
        const QString name = QString("/photo %1.jpg").arg(k, 3, 10, QChar('0'));
        r.worst = std::max(r.worst, Difference(plainOut + name, app + "/Set_" + set + "/Images" + name));
    }
    if (r.worst > 6) qFatal("the two ways stored different pictures (mean difference %.1f)", r.worst);
    r.plainPeak = ChildPeak(QStringLiteral("plain"), root + "/memory-plain-" + in.name, in.folder);
    r.oursPeak = ChildPeak(QStringLiteral("ours"), root + "/memory-ours-" + in.name, in.folder);
    return r;
}

// Processor time per photo of decoding alone, from memory, at a fraction of its size (libjpeg scales
// by eighths in the DCT domain): the least any import that reads the photo at that size can spend.
double DecodingMs(const QStringList& photos, int eighths)
{
    std::vector<QByteArray> files;
    for (const QString& photo : photos) {
        QFile file(photo);
        if (!file.open(QIODevice::ReadOnly)) qFatal("cannot read %s", qPrintable(photo));
        files.push_back(file.readAll());
    }
    std::vector<double> rounds;
    for (int round = 0; round < 3; ++round) {
        const double start = ProcessorMs();
        for (QByteArray& bytes : files) {
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::ReadOnly);
            QImageReader reader(&buffer);
            reader.setScaledSize(QSize(4000 * eighths / 8, 3000 * eighths / 8));
            if (reader.read().isNull()) qFatal("cannot decode a photo");
        }
        rounds.push_back((ProcessorMs() - start) / double(files.size()));
    }
    return *std::min_element(rounds.begin(), rounds.end());
}

QString Ratio(double plain, double ours) { return QString("%1x").arg(plain / ours, 0, 'f', 1); }

int Run()
{
    QTemporaryDir dir;
    const QString root = dir.path();
    const Inputs looks[] = {WriteInputs(root, "phone", PhotoLook::Phone), WriteInputs(root, "grainy", PhotoLook::Grainy)};
    std::printf("Lumari teachers' program benchmark: Qt %s, %d cores, offscreen.\n", qVersion(), QThread::idealThreadCount());
    std::printf("Inputs: %d photo-like 4000 x 3000 JPEGs of each look, %d distinct ones with EXIF orientations 1 to 8:\n",
                kPhotos, kDistinct);
    for (const Inputs& in : looks)
        std::printf("  %s: %.1f MB on average (%.1f bits per pixel), made in %.1f s\n", in.name, in.made.averageBytes / 1e6,
                    in.made.averageBytes * 8 / (4000.0 * 3000), in.made.seconds);
    std::printf("Both ways read the same files; the page cache is warmed by a first pass of each. Each import is run %d times,\n"
                "plain and ours in turn; the fastest run of each way is shown, with its processor time.\n\n", kRounds);

    const QString app = root + "/app";
    const Imported phone = ImportBoth(root, app, QStringLiteral("Phone"), looks[0]);
    const Imported grainy = ImportBoth(root, app, QStringLiteral("Ours"), looks[1]);
    const QStringList& photos = looks[1].photos;

    // A set of 1000 pairs: stored pictures, hard-linked under 1000 names each side.
    const QString set = app + "/Set_Thousand";
    MakeSet(app, QStringLiteral("Thousand"));
    for (int i = 0; i < kSetPairs; ++i) {
        const QString name = QString("/pair %1.jpg").arg(i, 4, 10, QChar('0'));
        QFile::link(app + "/Set_Ours/Images/" + QString("photo %1.jpg").arg(i % kDistinct, 3, 10, QChar('0')), set + "/Images" + name);
        if (i < kDistinct) StoreJpeg(PutInBox(QImage(photos[i]).scaled(600, 600), kStoredSymbolSize, Fit::Whole), set + "/Symbols" + name);
        else QFile::link(set + "/Symbols" + QString("/pair %1.jpg").arg(i % kDistinct, 4, 10, QChar('0')), set + "/Symbols" + name);
    }
    BenchServices services(app, 1);
    std::vector<double> openings, listings, plainOpenings;
    int shown = 0;
    for (int i = 0; i < kOpenings; ++i) {
        const Opening o = OpenSet(services, QStringLiteral("Thousand"));
        openings.push_back(o.ms);
        listings.push_back(o.listedMs);
        shown = o.shown;
        plainOpenings.push_back(OpenPlain(set, shown));
    }

    std::printf("| goal | target | plain | ours | plain / ours |\n|---|---|---:|---:|---:|\n");
    for (const auto& [in, r] : {std::pair{&looks[0], &phone}, std::pair{&looks[1], &grainy}}) {
        const QByteArray goal = QString("import of 100 %1 photos of 12 MP (%2 MB), mixed orientations")
                                    .arg(in->name).arg(in->made.averageBytes / 1e6, 0, 'f', 1).toUtf8();
        Row(goal.constData(), ">= 5x", QString("%1 s").arg(r->plain, 0, 'f', 2), QString("%1 s").arg(r->ours.seconds, 0, 'f', 2),
            Ratio(r->plain, r->ours.seconds));
    }
    for (const auto& [in, r] : {std::pair{&looks[0], &phone}, std::pair{&looks[1], &grainy}}) {
        const QByteArray goal = QString("peak resident memory of that import, %1").arg(in->name).toUtf8();
        Row(goal.constData(), "<= 300 MB", QString("%1 MB").arg(r->plainPeak, 0, 'f', 1),
            QString("%1 MB").arg(r->oursPeak, 0, 'f', 1), Ratio(r->plainPeak, r->oursPeak));
    }
    Row("longest event-loop stall during our imports shown", "<= 50 ms", "-",
        QString("%1 ms").arg(std::max(phone.ours.longestStallMs, grainy.ours.longestStallMs), 0, 'f', 1), "-");
    Row("1000-pair set: first screen of thumbnails painted, median of 5", "<= 300 ms",
        QString("%1 ms").arg(Median(plainOpenings), 0, 'f', 1), QString("%1 ms").arg(Median(openings), 0, 'f', 1),
        Ratio(Median(plainOpenings), Median(openings)));
    std::printf("\nFirst screen: %d pairs (1100 x 720 page), of which %.1f ms reading the set's 1000 + 1000 names and "
                "laying out the grid (median).\nLongest event-loop stall over all %d of our runs, the slower ones "
                "too: %.1f ms.\n", shown, Median(listings), 2 * kRounds,
                std::max(phone.longestStallMs, grainy.longestStallMs));
    for (const auto& [in, r] : {std::pair{&looks[0], &phone}, std::pair{&looks[1], &grainy}})
        std::printf("Processor time per photo imported, %s: plain %.1f ms, ours %.1f ms (%.1fx); both cores at most %.1fx.\n"
                    "  Largest mean difference between the two ways' stored pictures: %.1f of 255.\n",
                    in->name, r->plainCpu, r->oursCpu, r->plainCpu / r->oursCpu, 2 * r->plainCpu / r->oursCpu, r->worst);
    std::printf("\nDecoding alone, per photo, from memory, the least of 3 rounds: at a quarter of the size (1000 x 750, "
                "the least that\nfills 800 x 600 without enlarging) and at an eighth (500 x 375: its Huffman "
                "decoding, with the inverse DCT\nreduced to one value a block). Two cores doing nothing but that "
                "would be this much faster than plain:\n");
    for (const auto& [in, r] : {std::pair{&looks[0], &phone}, std::pair{&looks[1], &grainy}}) {
        const double quarter = DecodingMs(in->photos, 2), eighth = DecodingMs(in->photos, 1);
        std::printf("  %s: a quarter %.1f ms (at most %.1fx), an eighth %.1f ms (at most %.1fx).\n", in->name, quarter,
                    2 * r->plainCpu / quarter, eighth, 2 * r->plainCpu / eighth);
    }
    return 0;
}

}  // namespace
}  // namespace lumari::bench

int main(int argc, char** argv)
{
    return lumari::bench::RunBenchProgram(argc, argv, "lumari_teacher_bench", [](const QStringList& args) {
        if (args.value(1) == QStringLiteral("--memory")) return lumari::bench::MemoryChild(args.value(2), args.value(3), args.value(4));
        return lumari::bench::Run();
    });
}
