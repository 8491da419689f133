#include "QtPrinters.h"

#include "game/PictureCache.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QThread>

#include <gtest/gtest.h>

namespace lumari::test {
namespace {

QImage Picture(int side, QColor colour = Qt::red)
{
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

TEST(PictureCache, DropsTheLeastRecentlyUsedToStayWithinItsBound)
{
    const qsizetype one = Picture(10).sizeInBytes();
    PictureCache cache(3 * one + one / 2);
    cache.Insert("a", Picture(10));
    cache.Insert("b", Picture(10));
    cache.Insert("c", Picture(10));
    EXPECT_EQ(cache.count(), 3);
    EXPECT_FALSE(cache.Find("a").isNull());  // a is now the most recent
    cache.Insert("d", Picture(10));          // b goes
    EXPECT_TRUE(cache.Find("b").isNull());
    for (const char* kept : {"a", "c", "d"}) EXPECT_FALSE(cache.Find(kept).isNull()) << kept;
    EXPECT_LE(cache.bytes(), cache.maxBytes());

    // A larger picture pushes out as many as it needs.
    cache.Insert("big", Picture(17));
    EXPECT_LE(cache.bytes(), cache.maxBytes());
    EXPECT_FALSE(cache.Find("big").isNull());

    // One larger than the whole bound is not kept, and drops nothing.
    const qsizetype before = cache.count();
    cache.Insert("huge", Picture(40));
    EXPECT_TRUE(cache.Find("huge").isNull());
    EXPECT_EQ(cache.count(), before);

    // Inserting a key again replaces its picture without counting it twice.
    cache.Insert("d", Picture(10, Qt::green));
    EXPECT_EQ(cache.Find("d").pixelColor(0, 0), QColor(Qt::green));
    qsizetype sum = 0;
    for (const char* k : {"a", "c", "d", "big"}) sum += cache.Find(k).sizeInBytes();
    EXPECT_EQ(cache.bytes(), sum);
}

TEST(PictureCache, ManyInsertsNeverPassTheBound)
{
    PictureCache cache(50'000);
    for (int i = 0; i < 500; ++i) {
        cache.Insert(QString::number(i % 97), Picture(5 + i % 60));
        ASSERT_LE(cache.bytes(), cache.maxBytes()) << i;
    }
}

TEST(PictureCache, KeyChangesWithTheSizeShownAndWithTheFile)
{
    AppFolder app;
    app.WriteJpeg("a.jpg", Qt::red, QSize(20, 20));
    const QString file = app("a.jpg");
    const QString key = PictureCache::KeyOf(file, QSize(100, 100));
    EXPECT_EQ(PictureCache::KeyOf(file, QSize(100, 100)), key);
    EXPECT_NE(PictureCache::KeyOf(file, QSize(100, 50)), key);
    EXPECT_NE(PictureCache::KeyOf(app("b.jpg"), QSize(100, 100)), key);
    // The same name written again with other content is another picture.
    app.WriteJpeg("a.jpg", Qt::blue, QSize(20, 20));
    EXPECT_NE(PictureCache::KeyOf(file, QSize(100, 100)), key);
}

}  // namespace
}  // namespace lumari::test
