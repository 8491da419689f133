// Picture decoding from real files: format by content, orientation, scaled
// decoding, and every kind of damage as a run-time error.
#include "platform/PictureLoader.h"
#include "platform/QtRuntime.h"
#include "platform/RuntimeError.h"
#include "support/TestFiles.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

namespace lumari {
namespace {

using test::AppFolder;

int ErrorOf(const std::function<void()>& f)
{
    try {
        f();
    } catch (const RuntimeError& e) {
        return e.number();
    }
    return 0;
}

// A picture wider than tall: its left half red, its right half blue.
QImage TwoHalves(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    QPainter p(&image);
    p.fillRect(0, 0, w / 2, h, Qt::red);
    p.fillRect(w / 2, 0, w - w / 2, h, Qt::blue);
    return image;
}

QByteArray Encode(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, 95);
    return bytes;
}

// The JPEG with an EXIF block whose orientation is the given value.
QByteArray WithOrientation(const QByteArray& jpeg, quint16 orientation)
{
    QByteArray tiff("MM\0*\0\0\0\x08", 8);               // big-endian, first directory at 8
    tiff += QByteArray("\0\x01", 2);                      // one entry
    tiff += QByteArray("\x01\x12\0\x03\0\0\0\x01", 8);    // Orientation, SHORT, count 1
    tiff += char(orientation >> 8);
    tiff += char(orientation & 0xff);
    tiff += QByteArray("\0\0\0\0\0\0", 6);                // padding, no next directory
    const QByteArray payload = QByteArray("Exif\0\0", 6) + tiff;
    QByteArray segment("\xff\xe1", 2);
    const int length = int(payload.size()) + 2;
    segment += char(length >> 8);
    segment += char(length & 0xff);
    segment += payload;
    return jpeg.left(2) + segment + jpeg.mid(2);
}

// The JPEG with the size in its frame header replaced.
QByteArray ClaimingSize(QByteArray jpeg, int width, int height)
{
    const qsizetype sof = jpeg.indexOf(QByteArray("\xff\xc0", 2));
    if (sof < 0) return {};
    jpeg[sof + 5] = char(height >> 8);
    jpeg[sof + 6] = char(height & 0xff);
    jpeg[sof + 7] = char(width >> 8);
    jpeg[sof + 8] = char(width & 0xff);
    return jpeg;
}

long PeakMemoryKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

TEST(PictureLoader, FormatComesFromTheContent)
{
    AppFolder app;
    app.WriteFile("png.jpg", Encode(TwoHalves(40, 20), "PNG"));
    app.WriteFile("bmp.JPG", Encode(TwoHalves(40, 20), "BMP"));
    app.WriteJpeg("Images/Cat.jpg", Qt::green, QSize(30, 10));
    QtRuntime rt(app.path());
    for (const char* name : {"\\png.jpg", "\\bmp.jpg", "\\images\\CAT.JPG"}) {
        SCOPED_TRACE(name);
        const QImage image = rt.LoadPicture(app.path() + name);
        EXPECT_FALSE(image.isNull());
        EXPECT_EQ(image.height() * (QString(name).contains("CAT") ? 3 : 2), image.width());
    }
}

TEST(PictureLoader, ExifOrientationShowsThePictureUpright)
{
    AppFolder app;
    app.WriteFile("turned.jpg", WithOrientation(Encode(TwoHalves(40, 20), "JPG"), 6));
    // Stored 40 x 20 with red on the left; turned a quarter clockwise it stands
    // 20 x 40 with red on top.
    for (const QSize shown : {QSize(), QSize(10, 20)}) {
        SCOPED_TRACE(shown.width());
        const QImage image = DecodePicture(app("turned.jpg"), shown);
        ASSERT_EQ(image.size(), shown.isValid() ? shown : QSize(20, 40));
        const QColor top = image.pixelColor(image.width() / 2, image.height() / 8);
        const QColor bottom = image.pixelColor(image.width() / 2, image.height() * 7 / 8);
        EXPECT_GT(top.red(), 200);
        EXPECT_LT(top.blue(), 60);
        EXPECT_GT(bottom.blue(), 200);
        EXPECT_LT(bottom.red(), 60);
    }
}

TEST(PictureLoader, ScaledDecodingGivesTheShownSize)
{
    AppFolder app;
    app.WriteJpeg("big.jpg", Qt::darkGreen, QSize(1600, 1200));
    app.WriteJpeg("small.jpg", Qt::darkGreen, QSize(40, 30));
    EXPECT_EQ(DecodePicture(app("big.jpg"), QSize(160, 120)).size(), QSize(160, 120));
    EXPECT_EQ(DecodePicture(app("big.jpg"), QSize(100, 100)).size(), QSize(100, 100));
    EXPECT_EQ(DecodePicture(app("big.jpg")).size(), QSize(1600, 1200));
    // A picture smaller than shown is decoded as it is; the control stretches it.
    EXPECT_EQ(DecodePicture(app("small.jpg"), QSize(160, 120)).size(), QSize(40, 30));
}

TEST(PictureLoader, DamageIsAnErrorByItsKind)
{
    AppFolder app;
    const QByteArray good = Encode(TwoHalves(64, 64), "JPG");
    app.WriteFile("empty.jpg", "");
    app.WriteFile("text.jpg", "this is not a picture");
    app.WriteFile("header-only.jpg", good.left(good.indexOf(QByteArray("\xff\xda", 2))));
    app.WriteFile("random.jpg", QByteArray(4096, '\x5a'));
    app.MakeFolder("folder.jpg");
    ASSERT_EQ(::mkfifo(QFile::encodeName(app("pipe.jpg")).constData(), 0600), 0);
    QtRuntime rt(app.path());
    struct Case {
        const char* name;
        int error;
    } cases[] = {
        {"empty.jpg", err::InvalidPicture}, {"text.jpg", err::InvalidPicture},
        {"header-only.jpg", err::InvalidPicture}, {"random.jpg", err::InvalidPicture},
        {"missing.jpg", err::FileNotFound}, {"Missing\\x.jpg", err::FileNotFound},
        {"folder.jpg", err::PathFileAccessError}, {"pipe.jpg", err::PathFileAccessError},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ErrorOf([&] { rt.LoadPicture(app.path() + "\\" + c.name); }), c.error);
        EXPECT_EQ(ErrorOf([&] { rt.LoadPicture(app.path() + "\\" + c.name, QSize(50, 50)); }), c.error);
    }
}

TEST(PictureLoader, ATruncatedJpegShowsWhatItHolds)
{
    // The decoder fills the missing rows: the learner sees the part that is
    // there, as a picture viewer would, and the round goes on.
    AppFolder app;
    const QByteArray good = Encode(TwoHalves(64, 64), "JPG");
    const qsizetype scan = good.indexOf(QByteArray("\xff\xda", 2));
    ASSERT_GT(scan, 0);
    app.WriteFile("half.jpg", good.left(scan + (good.size() - scan) / 2));
    EXPECT_EQ(DecodePicture(app("half.jpg")).size(), QSize(64, 64));
    EXPECT_EQ(DecodePicture(app("half.jpg"), QSize(32, 32)).size(), QSize(32, 32));
}

TEST(PictureLoader, AHugeClaimedSizeIsRefusedWithoutAllocatingIt)
{
    AppFolder app;
    const QByteArray huge = ClaimingSize(Encode(TwoHalves(64, 64), "JPG"), 60000, 60000);
    ASSERT_FALSE(huge.isEmpty());
    app.WriteFile("huge.jpg", huge);
    const long before = PeakMemoryKb();
    EXPECT_EQ(ErrorOf([&] { DecodePicture(app("huge.jpg")); }), err::InvalidPicture);
    EXPECT_EQ(ErrorOf([&] { DecodePicture(app("huge.jpg"), QSize(100, 100)); }), err::InvalidPicture);
    EXPECT_LT(PeakMemoryKb() - before, 100 * 1024);  // 60000 x 60000 would take gigabytes
}

}  // namespace
}  // namespace lumari
