// Picture decoding from real files: format by content, orientation, scaled
// decoding, and every kind of damage as a run-time error.
#include "platform/PictureLoader.h"
#include "platform/QtRuntime.h"
#include "support/TestFiles.h"

#include "RaisedError.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

namespace lumari {
namespace {

using test::ErrorOf;

// A picture wider than tall, its left half red and its right half blue, encoded.
QByteArray TwoHalves(int w, int h, const char* format = "JPG")
{
    QImage image(w, h, QImage::Format_RGB32);
    QPainter(&image).fillRect(0, 0, w / 2, h, Qt::red);
    QPainter(&image).fillRect(w / 2, 0, w - w / 2, h, Qt::blue);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, 95);
    return bytes;
}

long PeakMemoryKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

class PictureLoader : public ::testing::Test {
protected:
    test::AppFolder app;
    QtRuntime rt{app.path()};
};

TEST_F(PictureLoader, ExifOrientationShowsThePictureUpright)
{
    // An EXIF block, big-endian, with one entry: Orientation (SHORT) = 6, a quarter turn clockwise.
    const QByteArray exif("\xff\xe1\x00\x22"
                          "Exif\0\0MM\0*\0\0\0\x08\0\x01\x01\x12\0\x03\0\0\0\x01\0\x06\0\0\0\0\0\0",
                          36);
    const QByteArray jpeg = TwoHalves(40, 20);
    app.WriteFile("turned.jpg", jpeg.left(2) + exif + jpeg.mid(2));
    // Stored 40 x 20 with red on the left, it stands 20 x 40 with red on top.
    for (const QSize shown : {QSize(), QSize(10, 20)}) {
        SCOPED_TRACE(shown.width());
        const QImage image = DecodePicture(app("turned.jpg"), shown);
        ASSERT_EQ(image.size(), shown.isValid() ? shown : QSize(20, 40));
        const QColor top = image.pixelColor(image.width() / 2, image.height() / 8);
        const QColor bottom = image.pixelColor(image.width() / 2, image.height() * 7 / 8);
        EXPECT_TRUE(top.red() > 200 && top.blue() < 60) << top.name().toStdString();
        EXPECT_TRUE(bottom.blue() > 200 && bottom.red() < 60) << bottom.name().toStdString();
    }
}

TEST_F(PictureLoader, ScaledDecodingGivesTheShownSize)
{
    app.WriteJpeg("big.jpg", Qt::darkGreen, QSize(1600, 1200));
    app.WriteJpeg("small.jpg", Qt::darkGreen, QSize(40, 30));
    EXPECT_EQ(DecodePicture(app("big.jpg"), QSize(160, 120)).size(), QSize(160, 120));
    EXPECT_EQ(DecodePicture(app("big.jpg")).size(), QSize(1600, 1200));
    // A picture smaller than shown is decoded as it is; the control stretches it.
    EXPECT_EQ(DecodePicture(app("small.jpg"), QSize(160, 120)).size(), QSize(40, 30));
}

TEST_F(PictureLoader, FormatComesFromTheContentAndDamageIsAnErrorByItsKind)
{
    const QByteArray good = TwoHalves(64, 64);
    app.WriteFile("Images/png.jpg", TwoHalves(40, 20, "PNG"));
    app.WriteFile("empty.jpg", "");
    app.WriteFile("text.jpg", "this is not a picture");
    app.WriteFile("header-only.jpg", good.left(good.indexOf(QByteArray("\xff\xda", 2))));
    app.MakeFolder("folder.jpg");
    ASSERT_EQ(::mkfifo(QFile::encodeName(app("pipe.jpg")).constData(), 0600), 0);
    const std::pair<const char*, int> cases[] = {
        {"Images\\png.jpg", 0},                  {"IMAGES\\PNG.JPG", 0},  // the name in any letter case
        {"empty.jpg", err::InvalidPicture},      {"text.jpg", err::InvalidPicture},
        {"header-only.jpg", err::InvalidPicture}, {"missing.jpg", err::FileNotFound},
        {"folder.jpg", err::PathFileAccessError}, {"pipe.jpg", err::PathFileAccessError},
    };
    for (const auto& [name, error] : cases) {
        SCOPED_TRACE(name);
        EXPECT_EQ(ErrorOf([&] { rt.LoadPicture(app.path() + "\\" + name); }), error);
        EXPECT_EQ(ErrorOf([&] { rt.LoadPicture(app.path() + "\\" + name, QSize(50, 50)); }), error);
    }
}

TEST_F(PictureLoader, AHugeClaimedSizeIsRefusedWithoutAllocatingIt)
{
    QByteArray huge = TwoHalves(64, 64);
    const qsizetype frame = huge.indexOf(QByteArray("\xff\xc0", 2));
    ASSERT_GT(frame, 0);
    huge.replace(frame + 5, 4, QByteArray("\xea\x60\xea\x60", 4));  // 60000 x 60000
    app.WriteFile("huge.jpg", huge);
    const long before = PeakMemoryKb();
    EXPECT_EQ(ErrorOf([&] { DecodePicture(app("huge.jpg")); }), err::InvalidPicture);
    EXPECT_EQ(ErrorOf([&] { DecodePicture(app("huge.jpg"), QSize(100, 100)); }), err::InvalidPicture);
    EXPECT_LT(PeakMemoryKb() - before, 100 * 1024);  // 60000 x 60000 would take gigabytes
}

}  // namespace
}  // namespace lumari
