// The rules a pair's name follows: camera names, names safe for every file system, free names.
#include "support/TestServices.h"
#include "sets/PairNames.h"

namespace lumari::test {

TEST(PairNames, CameraNamesCountAsUnnamed)
{
    struct Case { const char* name; bool camera; };
    for (const Case c : {Case{"IMG_1234", true}, {"img_1234 (1)", true}, {"IMG_20240101_101010_HDR", true},
                         {"IMG-20240101-WA0003", true}, {"DSC01234", true}, {"DSCN0042", true}, {"_DSC1234", true},
                         {"PXL_20240101_123456789", true}, {"PXL_20240101_123456789.PORTRAIT", true},
                         {"Screenshot 2024-01-01 at 10.00.00", true}, {"Screenshot_20240101-101010", true},
                         {"20240101_101010", true}, {"WhatsApp Image 2024-01-01 at 10.00.00", true}, {"P1010001", true},
                         {"GOPR0001", true}, {"image (3)", true}, {"Untitled", true}, {"cat", false}, {"Pasta", false},
                         {"IMGirl", false}, {"Dog 2", false}, {"IMG_1234 cat", false}, {"photo", false}, {"P2", false}})
        EXPECT_EQ(IsCameraName(c.name), c.camera) << c.name;
}

TEST(PairNames, SafeForEveryFileSystem)
{
    const QString cats = QString::fromUtf8("🐱").repeated(40);
    struct Case { QString wanted, safe; };
    for (const Case& c : {Case{"  cat  ", "cat"}, {"a/b\\c:d*e?f\"g<h>i|j", "a b c d e f g h i j"},
                          {".hidden", "hidden"}, {"...x...", "x"}, {"tab\there\nnow", "tab here now"},
                          {QString(70, u'x'), QString(64, u'x')}, {QString(63, u'x') + " y", QString(63, u'x')},
                          {cats, QString::fromUtf8("🐱").repeated(32)}, {"con", "con_"}, {"LPT1.txt", "LPT1_.txt"},
                          {"console", "console"}, {"/ \\", ""}, {"Éléphant", "Éléphant"}})
        EXPECT_EQ(SafePairName(c.wanted), c.safe) << c.wanted.toStdString();
    EXPECT_EQ(PairNameOfFile("apple.tar.png"), "apple.tar");
    EXPECT_EQ(PairNameOfFile(".png"), "picture");
    EXPECT_EQ(PairNameOfFile("?.png"), "picture");
}

TEST(PairNames, FreeNamesIgnoreLetterCase)
{
    TakenNames taken({"cat", "Cat 2", "dog", QString(64, u'x')});
    EXPECT_EQ(taken.Free("CAT"), "CAT 3");
    EXPECT_EQ(taken.Free("bird"), "bird");
    EXPECT_EQ(taken.Free(QString(64, u'X')), QString(62, u'X') + " 2");
    taken.Remove("DOG");
    EXPECT_EQ(taken.Free("dog"), "dog");
}

}  // namespace lumari::test
