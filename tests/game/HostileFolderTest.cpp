// A game over a set that anyone could have filled: damaged, disguised,
// oversized, unreadable and vanishing pictures and sounds, folders and links
// where files should be, and names with blanks, quotes, other scripts and a
// newline. Every bad picture is reported in its own round and the round goes
// on; bad sounds are silence; nothing crashes or hangs; memory stays bounded.
#include "GameFixture.h"

#include "platform/ErrorTrap.h"
#include "platform/RuntimeError.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QThreadPool>

#include <sys/stat.h>
#include <unistd.h>

#include <map>

namespace lumari::test {
namespace {

constexpr char kChildVariable[] = "LUMARI_HOSTILE_GAME_CHILD";
constexpr qint64 kPeakLimitKb = 200 * 1024;

QByteArray RandomBytes(int size, quint32 seed)
{
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator random(seed);
    for (char& c : bytes) c = char(random.bounded(256));
    return bytes;
}

// A noisy picture, so that its JPEG has a long scan to cut into.
QImage Noise(int width, int height, quint32 seed)
{
    QImage image(width, height, QImage::Format_RGB32);
    QRandomGenerator random(seed);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) image.setPixel(x, y, random.generate() | 0xff000000u);
    return image;
}

QByteArray Encode(const QImage& image, const char* format, bool progressive = false)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setProgressiveScanWrite(progressive);
    writer.write(image);
    return buffer.data();
}

// A JPEG whose frame header claims 60000 x 60000 pixels.
QByteArray GiantHeader()
{
    QByteArray bytes = Encode(Noise(16, 16, 3), "jpeg");
    const qsizetype sof = bytes.indexOf("\xff\xc0");
    if (sof < 0) return {};
    for (const qsizetype at : {sof + 5, sof + 7}) {
        bytes[at] = char(0xea);
        bytes[at + 1] = char(0x60);
    }
    return bytes;
}

// A short tone as 16-bit mono PCM WAV.
QByteArray Wave()
{
    QByteArray data;
    for (int i = 0; i < 800; ++i) {
        const qint16 sample = qint16((i % 40 < 20) ? 8000 : -8000);
        data.append(char(sample & 0xff)).append(char(sample >> 8));
    }
    auto le32 = [](quint32 v) {
        QByteArray bytes;
        for (int shift = 0; shift < 32; shift += 8) bytes.append(char(v >> shift));
        return bytes;
    };
    auto le16 = [](quint16 v) { return QByteArray().append(char(v)).append(char(v >> 8)); };
    return "RIFF" + le32(36 + quint32(data.size())) + "WAVEfmt " + le32(16) + le16(1) + le16(1) + le32(8000) +
           le32(16000) + le16(2) + le16(16) + "data" + le32(quint32(data.size())) + data;
}

bool CanRead(const QString& path) { return ::access(QFile::encodeName(path).constData(), R_OK) == 0; }

QString Report(int number) { return ErrorTrap::MessageText(ErrorDescription(number), "Cambia"); }

// What a bad picture may be reported as in the round that shows it; an empty
// list: it shows without a report. `maybe`: the report may be missing,
// because the picture was read before it vanished.
struct Expectation {
    QStringList reports;
    bool maybe = false;
};

// The hostile set "Set_test" and the sounds beside it. Images and their
// symbols share names; the bad pictures are images with good symbols, and
// symbols that no image names (drawn only as wrong symbols).
class HostileFolder {
public:
    explicit HostileFolder(const AppFolder& app) : app_(app)
    {
        app.MakeFolder("Set_test/Images");
        app.MakeFolder("Set_test/Symbols");
        app.MakeFolder("Sounds");
        const QByteArray good = Encode(Noise(64, 48, 1), "jpeg");
        const QByteArray longScan = Encode(Noise(320, 240, 2), "jpeg");

        // Pictures shown without a report.
        const std::map<QString, QByteArray> fine{
            {"plain.jpg", good},
            {"two words.jpg", good},
            {"quote\"s'.jpg", good},
            {QString::fromUtf8("caf\xc3\xa9 \xc3\xbc \xe6\x97\xa5\xe6\x9c\xac.jpg"), good},
            {"new\nline.jpg", good},
            {"png inside.jpg", Encode(Noise(40, 30, 4), "png")},
            {"bmp inside.jpg", Encode(Noise(40, 30, 5), "bmp")},
            {"progressive.jpg", Encode(Noise(200, 150, 6), "jpeg", true)},
            {"cut in scan.jpg", longScan.left(longScan.size() * 7 / 10)},
        };
        for (const auto& [name, bytes] : fine) Image(name, bytes, {});
        if (const QString convert = QStandardPaths::findExecutable("convert"); !convert.isEmpty()) {
            app.WriteFile("rgb.jpg", good);
            QProcess::execute(convert, {app("rgb.jpg"), "-colorspace", "CMYK", app("Set_test/Images/cmyk.jpg")});
            if (QFile::exists(app("Set_test/Images/cmyk.jpg"))) app.WriteFile("Set_test/Symbols/cmyk.jpg", good);
        }

        // Pictures reported as not decodable.
        const std::map<QString, QByteArray> invalid{
            {"empty.jpg", QByteArray()},
            {"random.jpg", RandomBytes(5000, 9)},
            {"cut in header.jpg", good.left(200)},
            {"giant.jpg", GiantHeader()},
        };
        for (const auto& [name, bytes] : invalid) {
            Image(name, bytes, {Report(err::InvalidPicture)});
            Symbol(QStringLiteral("s-") + name, bytes, {Report(err::InvalidPicture)});
        }

        // Unreadable: reported unless this runs with the rights to read anything.
        for (const QString& name : {QStringLiteral("locked.jpg"), QStringLiteral("s-locked.jpg")}) {
            const QString folder = name.startsWith("s-") ? "Set_test/Symbols/" : "Set_test/Images/";
            app.WriteFile(folder + name, good);
            ::chmod(QFile::encodeName(app(folder + name)).constData(), 0);
            const Expectation expected =
                CanRead(app(folder + name)) ? Expectation{} : Expectation{{Report(err::PermissionDenied)}};
            if (name.startsWith("s-")) {
                symbols_[name] = expected;
            } else {
                app.WriteFile("Set_test/Symbols/" + name, good);
                images_[name] = expected;
            }
        }

        // Not files: never listed, so never drawn.
        app.MakeFolder("Set_test/Images/x.jpg");
        app.MakeFolder("Set_test/Symbols/y.jpg");
        app.MakeFolder("Set_test/Symbols/x.jpg");
        // A link to itself: drawn or not, it cannot be read.
        for (const QString& link : {QStringLiteral("Set_test/Images/loop.jpg"), QStringLiteral("Set_test/Symbols/s-loop.jpg")})
            QFile::link(QFileInfo(app(link)).fileName(), app(link));
        const QStringList unreadable{Report(err::FileNotFound), Report(err::PathFileAccessError),
                                     Report(err::InvalidPicture), Report(err::PermissionDenied)};
        images_["loop.jpg"] = {unreadable};
        symbols_["s-loop.jpg"] = {unreadable};

        // Listed, then gone before it is loaded (Vanish).
        Image("gone.jpg", good, {Report(err::FileNotFound)});
        Symbol("s-gone.jpg", good, {Report(err::FileNotFound)});

        // Sounds: good ones under awkward names, and every kind of damage.
        const QByteArray wave = Wave();
        for (const auto& [name, bytes] : std::map<QString, QByteArray>{
                 {"ok.wav", wave},
                 {"two words.wav", wave},
                 {"new\nline.wav", wave},
                 {"empty.wav", QByteArray()},
                 {"cut.wav", wave.left(60)},
                 {"random.wav", RandomBytes(3000, 11)},
                 {"png.wav", Encode(Noise(8, 8, 12), "png")},
                 {"claims more.wav", wave.left(40) + QByteArray("\xff\xff\xff\x7f", 4) + wave.mid(44, 100)},
                 {"locked.wav", wave},
                 {"gone.wav", wave},
             }) {
            app.WriteFile("Sounds/" + name, bytes);
            sounds_ << name;
        }
        ::chmod(QFile::encodeName(app("Sounds/locked.wav")).constData(), 0);
        app.MakeFolder("Sounds/folder.wav");
        QFile::link("loop.wav", app("Sounds/loop.wav"));
        sounds_ << "folder.wav" << "loop.wav" << "missing.wav";
    }

    // Removes the files that vanish after the catalogues were listed.
    void Vanish() const
    {
        QFile::remove(app_("Set_test/Images/gone.jpg"));
        QFile::remove(app_("Set_test/Symbols/s-gone.jpg"));
        QFile::remove(app_("Sounds/gone.wav"));
    }
    void MarkVanishedAsMaybe()
    {
        images_["gone.jpg"].maybe = true;
        symbols_["s-gone.jpg"].maybe = true;
    }

    // The reports an image or a symbol of this name gives; others none.
    Expectation ForImage(const QString& name) const { return Find(images_, name); }
    Expectation ForSymbol(const QString& name) const { return Find(symbols_, name); }
    const QStringList& sounds() const { return sounds_; }

private:
    using Expectations = std::map<QString, Expectation>;
    static Expectation Find(const Expectations& expectations, const QString& name)
    {
        const auto found = expectations.find(name);
        return found == expectations.end() ? Expectation{} : found->second;
    }
    void Image(const QString& name, const QByteArray& bytes, const QStringList& reports)
    {
        app_.WriteFile("Set_test/Images/" + name, bytes);
        app_.WriteFile("Set_test/Symbols/" + name, Encode(Noise(64, 48, 1), "jpeg"));
        images_[name] = {reports};
    }
    void Symbol(const QString& name, const QByteArray& bytes, const QStringList& reports)
    {
        app_.WriteFile("Set_test/Symbols/" + name, bytes);
        symbols_[name] = {reports};
    }

    const AppFolder& app_;
    Expectations images_;
    Expectations symbols_;
    QStringList sounds_;
};

// Whether the boxes of one round are those its pictures call for, in the
// order they are loaded: the image, then the wrong symbols left to right
// (the right symbol is always a good picture).
::testing::AssertionResult RoundReports(const HostileFolder& folder, const RoundState& round, int placeholders,
                                        const QStringList& boxes)
{
    QStringList names{round.imageTag};
    std::vector<Expectation> expectations{folder.ForImage(round.imageTag)};
    for (int i = 0; i < placeholders; ++i) {
        const QString tag = round.symbolTags[std::size_t(i)];
        if (tag.toUpper() != round.imageTag.toUpper()) names << tag, expectations.push_back(folder.ForSymbol(tag));
    }
    qsizetype at = 0;
    for (std::size_t n = 0; n < expectations.size(); ++n) {
        const QString& name = names[qsizetype(n)];
        const Expectation& expected = expectations[n];
        if (expected.reports.isEmpty()) continue;
        if (at < boxes.size() && expected.reports.contains(boxes[at])) {
            ++at;
        } else if (!expected.maybe) {
            return ::testing::AssertionFailure()
                   << "no report for " << name.toStdString() << " in " << boxes.join(" | ").toStdString() << " for "
                   << names.join(", ").toStdString();
        }
    }
    if (at != boxes.size())
        return ::testing::AssertionFailure() << "unexpected: " << boxes.mid(at).join(" | ").toStdString() << " for "
                                             << names.join(", ").toStdString();
    return ::testing::AssertionSuccess();
}

qint64 PeakMemoryKb()
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').front().toLongLong();
    return -1;
}

bool UnderSanitizer()
{
#if defined(__SANITIZE_ADDRESS__)
    return true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
    return true;
#endif
#endif
    return false;
}

class HostileFolderGame : public GameTest {
protected:
    HostileFolderGame() : folder(app)
    {
        module1.MaxPlaceholders = 4;
        runtime.realSound = true;
    }
    ~HostileFolderGame() override
    {
        if (qEnvironmentVariableIsSet(kChildVariable)) {
            const qint64 peak = PeakMemoryKb();
            std::printf("VmHWM %lld kB\n", static_cast<long long>(peak));
            if (!UnderSanitizer()) EXPECT_LT(peak, kPeakLimitKb);
        }
    }

    // Plays rounds until `rounds` were shown or the window closed: right
    // answers, wrong ones and skips in a seeded mix, each with another sound.
    int Play(int rounds)
    {
        StartGame();
        EXPECT_NE(window.data(), nullptr);
        if (!window) return 0;
        folder.Vanish();
        folder.MarkVanishedAsMaybe();
        runtime.boxes.clear();  // the coherence check's reports
        QRandomGenerator random(77);
        const int placeholders = PlaceholdersInUse(module1.MaxPlaceholders);
        int played = 1;
        while (window && window->isVisible() && played < rounds) {
            const QStringList& sounds = folder.sounds();
            module1.SoundOk = sounds[played % sounds.size()];
            module1.SoundWrong = sounds[(played * 7 + 3) % sounds.size()];
            const quint32 move = random.bounded(10u);
            if (move < 2) {
                ClickSymbol(WrongPosition());
                EXPECT_TRUE(runtime.boxes.empty()) << runtime.BoxTexts().join(" | ").toStdString();
            }
            if (move < 8) ClickSymbol(RightPosition());
            else Skip();
            QCoreApplication::processEvents();
            if (!window || !window->isVisible()) break;
            ++played;
            const RoundState& round = window->game().round;
            EXPECT_TRUE(RoundReports(folder, round, placeholders, runtime.BoxTexts())) << "round " << played;
            EXPECT_EQ(RightPositions().size(), 1) << round.imageTag.toStdString();
            reports += int(runtime.boxes.size());
            runtime.boxes.clear();
        }
        return played;
    }

    HostileFolder folder;
    int reports = 0;  // bad pictures reported in the rounds played
};

TEST_F(HostileFolderGame, RandomDrawingPlaysAHundredRounds)
{
    EXPECT_EQ(Play(100), 100);
    EXPECT_EQ(module1.SessionShown, 100);
    EXPECT_GT(reports, 50);
    EXPECT_FALSE(runtime.playedSounds.isEmpty());
}

TEST_F(HostileFolderGame, ControlledDrawingShowsEveryListedImageOnceAndEnds)
{
    module1.WayToWork = kControlledRandom;
    const int played = Play(1000);
    // The round drawing ended the set: every listed image once, then the end box.
    EXPECT_TRUE(window.isNull() || !window->isVisible());
    ASSERT_FALSE(runtime.boxes.empty());
    EXPECT_EQ(runtime.boxes.back().title, "End of set");
    EXPECT_EQ(module1.SessionShown, played);
    EXPECT_GT(played, 15);
    EXPECT_GT(reports, 5);
}

// The same games in a process of their own, whose peak memory is its own.
TEST(HostileFolder, GamesStayWithinTheirMemory)
{
    if (qEnvironmentVariableIsSet(kChildVariable)) GTEST_SKIP() << "the child itself";
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(kChildVariable, "1");
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=HostileFolderGame.*"});
    ASSERT_TRUE(child.waitForFinished(240000));
    const QByteArray output = child.readAll();
    EXPECT_EQ(child.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(child.exitCode(), 0) << output.right(4000).toStdString();
    EXPECT_TRUE(output.contains("VmHWM")) << output.right(2000).toStdString();
}

}  // namespace
}  // namespace lumari::test
