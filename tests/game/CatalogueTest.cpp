#include "GameFixture.h"

#include "game/Catalogue.h"

#include <QBuffer>

namespace lumari::test {
namespace {

class CatalogueLoading : public GameTest {
protected:
    Catalogue images, symbols;
    void Load()
    {
        CaricaImmagini(runtime, module1, images);
        CaricaSimboli(runtime, module1, symbols);
    }
};

TEST_F(CatalogueLoading, KeepsJpegFileNamesWithTheirLetterCaseFromFoldersInAnyCase)
{
    app.WriteJpeg("SET_TEST/IMAGES/b.jpg");
    app.WriteJpeg("SET_TEST/IMAGES/a.jpg");
    app.WriteJpeg("SET_TEST/IMAGES/C.JPG");
    app.WriteFile("SET_TEST/IMAGES/notes.txt", "not a picture");
    app.MakeFolder("SET_TEST/IMAGES/x.jpg");  // a folder, not a file
    app.WriteJpeg("SET_TEST/symbols/one.jpg");
    Load();
    EXPECT_EQ(images.Count(), 3);
    EXPECT_EQ(images.Names(), QStringList({"a.jpg", "b.jpg", "C.JPG"}));
    EXPECT_EQ(symbols.Names(), QStringList({"one.jpg"}));
    EXPECT_TRUE(runtime.boxes.empty());
}

TEST_F(CatalogueLoading, EmptyOrMissingFolderGivesCountOneWithAnEmptyName)
{
    app.MakeFolder("Set_test/Images");  // empty; Symbols missing altogether
    images.Set(1, "stale.jpg");
    Load();
    EXPECT_EQ(images.Count(), 1);
    EXPECT_EQ(images.At(1), "");
    EXPECT_EQ(symbols.Count(), 1);
    EXPECT_EQ(symbols.At(1), "");
    EXPECT_TRUE(runtime.boxes.empty());
}

TEST_F(CatalogueLoading, FilesBeyondTheThousandthAreReportedOnceEachAndNotStored)
{
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    QImage(8, 8, QImage::Format_RGB32).save(&buffer, "JPG");
    for (int i = 1; i <= 1002; ++i) app.WriteFile(QString("Set_test/Symbols/s%1.jpg").arg(i, 4, 10, QChar('0')), jpeg);
    CaricaSimboli(runtime, module1, symbols);
    EXPECT_EQ(symbols.Count(), 1000);
    EXPECT_EQ(symbols.At(1), "s0001.jpg");
    EXPECT_EQ(symbols.At(1000), "s1000.jpg");
    ASSERT_EQ(runtime.boxes.size(), 2u);  // files 1001 and 1002
    for (const ShownBox& box : runtime.boxes) {
        EXPECT_EQ(box.prompt, "Error \"Subscript out of range\" in CaricaSimboli() routine");
        EXPECT_EQ(box.style, mb::Critical);
    }
}

}  // namespace
}  // namespace lumari::test
