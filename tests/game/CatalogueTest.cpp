#include "QtPrinters.h"
#include "game/Catalogue.h"
#include "platform/RuntimeError.h"
#include "state/Module1.h"
#include "support/TestFiles.h"
#include "support/TestRuntime.h"

#include <QBuffer>
#include <QImage>

#include <gtest/gtest.h>

namespace lumari::test {
namespace {

TEST(Catalogue, SlotsOutsideZeroToThousandRaiseSubscriptOutOfRange)
{
    Catalogue catalogue;
    for (int slot : {-1, 1001, 5000}) {
        try {
            catalogue.Set(slot, QStringLiteral("x.jpg"));
            FAIL() << "slot " << slot << " was written";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.number(), err::SubscriptOutOfRange);
        }
        EXPECT_THROW(catalogue.At(slot), RuntimeError);
    }
    catalogue.Set(0, QStringLiteral("zero"));
    catalogue.Set(1000, QStringLiteral("last"));
    EXPECT_EQ(catalogue.At(0), "zero");
    EXPECT_EQ(catalogue.At(1000), "last");
}

TEST(Catalogue, RemovingASlotMovesTheLaterNamesUpInOrder)
{
    Catalogue catalogue;
    const QStringList names = {"a.jpg", "b.jpg", "c.jpg", "d.jpg"};
    for (int i = 0; i < names.size(); ++i) catalogue.Set(i + 1, names[i]);
    catalogue.SetCount(4);
    catalogue.Remove(2);
    EXPECT_EQ(catalogue.Count(), 3);
    EXPECT_EQ(catalogue.Names(), QStringList({"a.jpg", "c.jpg", "d.jpg"}));
    catalogue.Remove(3);
    EXPECT_EQ(catalogue.Names(), QStringList({"a.jpg", "c.jpg"}));
}

class CatalogueLoading : public ::testing::Test {
protected:
    AppFolder app;
    TestRuntime runtime{app.path()};
    Module1 module1;
    Catalogue images;
    Catalogue symbols;

    CatalogueLoading() { module1.ImagesSet = QStringLiteral("demo"); }
};

TEST_F(CatalogueLoading, KeepsTheNamesOfJpegFilesOnlyWithTheirLetterCase)
{
    app.WriteJpeg("Set_demo/Images/b.jpg");
    app.WriteJpeg("Set_demo/Images/a.jpg");
    app.WriteJpeg("Set_demo/Images/C.JPG");
    app.WriteFile("Set_demo/Images/notes.txt", "not a picture");
    app.MakeFolder("Set_demo/Images/x.jpg");  // a folder, not a file
    app.WriteJpeg("Set_demo/Symbols/one.jpg");

    CaricaImmagini(runtime, module1, images);
    CaricaSimboli(runtime, module1, symbols);

    EXPECT_EQ(images.Count(), 3);
    EXPECT_EQ(images.Names(), QStringList({"a.jpg", "b.jpg", "C.JPG"}));
    EXPECT_EQ(symbols.Count(), 1);
    EXPECT_EQ(symbols.At(1), "one.jpg");
    EXPECT_TRUE(runtime.boxes.empty());
}

TEST_F(CatalogueLoading, EmptyOrMissingFolderGivesCountOneWithAnEmptyName)
{
    app.MakeFolder("Set_demo/Images");  // empty; Symbols missing altogether
    images.Set(1, QStringLiteral("stale.jpg"));
    CaricaImmagini(runtime, module1, images);
    CaricaSimboli(runtime, module1, symbols);
    EXPECT_EQ(images.Count(), 1);
    EXPECT_EQ(images.At(1), "");
    EXPECT_EQ(symbols.Count(), 1);
    EXPECT_EQ(symbols.At(1), "");
    EXPECT_TRUE(runtime.boxes.empty());
}

TEST_F(CatalogueLoading, FoldersAreFoundInAnyLetterCase)
{
    app.WriteJpeg("SET_DEMO/IMAGES/cat.jpg");
    app.WriteJpeg("SET_DEMO/symbols/CAT.JPG");
    CaricaImmagini(runtime, module1, images);
    CaricaSimboli(runtime, module1, symbols);
    EXPECT_EQ(images.Names(), QStringList({"cat.jpg"}));
    EXPECT_EQ(symbols.Names(), QStringList({"CAT.JPG"}));
}

TEST_F(CatalogueLoading, FilesBeyondTheThousandthAreReportedOnceEachAndNotStored)
{
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    QImage(8, 8, QImage::Format_RGB32).save(&buffer, "JPG");
    for (int i = 1; i <= 1002; ++i)
        app.WriteFile(QStringLiteral("Set_demo/Symbols/s%1.jpg").arg(i, 4, 10, QChar('0')), jpeg);

    CaricaSimboli(runtime, module1, symbols);

    EXPECT_EQ(symbols.Count(), 1000);
    EXPECT_EQ(symbols.At(1), "s0001.jpg");
    EXPECT_EQ(symbols.At(1000), "s1000.jpg");
    ASSERT_EQ(runtime.boxes.size(), 2u);  // files 1001 and 1002
    for (const ShownBox& box : runtime.boxes) {
        EXPECT_EQ(box.prompt, "Error \"Subscript out of range\" in CaricaSimboli() routine");
        EXPECT_EQ(box.style, mb::Critical);
        EXPECT_EQ(box.title, "");
    }
}

}  // namespace
}  // namespace lumari::test
