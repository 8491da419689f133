#include "GameFixture.h"

#include "game/PictureCache.h"

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
    for (const char* key : {"a", "b", "c"}) cache.Insert(key, Picture(10));
    EXPECT_FALSE(cache.Find("a").isNull());  // a is now the most recent
    cache.Insert("d", Picture(10));          // b goes
    EXPECT_TRUE(cache.Find("b").isNull());
    for (const char* kept : {"a", "c", "d"}) EXPECT_FALSE(cache.Find(kept).isNull()) << kept;

    // One larger than the whole bound is not kept, and drops nothing.
    cache.Insert("huge", Picture(40));
    EXPECT_TRUE(cache.Find("huge").isNull());
    EXPECT_EQ(cache.count(), 3);

    // Inserting a key again replaces its picture without counting it twice.
    cache.Insert("d", Picture(10, Qt::green));
    EXPECT_EQ(cache.Find("d").pixelColor(0, 0), QColor(Qt::green));
    EXPECT_EQ(cache.bytes(), 3 * one);
}

}  // namespace
}  // namespace lumari::test
