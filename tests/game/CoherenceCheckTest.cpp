#include "QtPrinters.h"
#include "game/Catalogue.h"
#include "game/CoherenceCheck.h"
#include "state/Module1.h"
#include "support/TestFiles.h"
#include "support/TestRuntime.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>
#include <unistd.h>

namespace lumari::test {
namespace {

const QByteArray kRule(50, '-');

class CoherenceCheck : public ::testing::Test {
protected:
    AppFolder app;
    TestRuntime runtime{app.path()};
    Module1 module1;
    Catalogue images;
    Catalogue symbols;

    CoherenceCheck() { module1.ImagesSet = QStringLiteral("demo"); }

    // Catalogues loaded from a real set folder.
    void Load(const QStringList& imageNames, const QStringList& symbolNames)
    {
        app.MakeSet(QStringLiteral("Set_demo"), imageNames, symbolNames);
        CaricaImmagini(runtime, module1, images);
        CaricaSimboli(runtime, module1, symbols);
        ASSERT_TRUE(runtime.boxes.empty());
    }

    QByteArray Log() const
    {
        QFile f(app("LumariCheck.log"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<no log>");
    }

    static QByteArray OkLog(const QByteArray& date)
    {
        return "\r\nData check on " + date + "\r\n\r\n" + "\r\n" + kRule + "\r\n\r\n" + "\r\nImages OK !\r\n\r\n" +
               "\r\n" + kRule + "\r\n\r\n" + "\r\nSymbols OK !\r\n\r\n";
    }
};

TEST_F(CoherenceCheck, WorkedExampleGivesBothBoxesAndTheSixteenLines)
{
    Load({"a.jpg", "b.jpg", "c.jpg"}, {"A.JPG", "c.jpg", "d.jpg"});
    ControllaCoerenza(runtime, images, symbols);

    ASSERT_EQ(runtime.boxes.size(), 2u);
    EXPECT_EQ(runtime.boxes[0].prompt, "These images have no correspondant symbol:\r\nb.jpg");
    EXPECT_EQ(runtime.boxes[0].style, mb::Critical);
    EXPECT_EQ(runtime.boxes[0].title, "WARNING !!!");
    EXPECT_EQ(runtime.boxes[1].prompt, "These symbols have no correspondant image:\r\nd.jpg");
    EXPECT_EQ(runtime.boxes[1].style, mb::Information);
    EXPECT_EQ(runtime.boxes[1].title, "Information");

    const QList<QByteArray> lines = {"",
                                     "Data check on 06/12/2026",
                                     "",
                                     "",
                                     kRule,
                                     "",
                                     "",
                                     "These images have no correspondant symbol:",
                                     "b.jpg",
                                     "",
                                     "",
                                     kRule,
                                     "",
                                     "",
                                     "These symbols have no correspondant image:",
                                     "d.jpg"};
    QByteArray expected;
    for (const QByteArray& line : lines) expected += line + "\r\n";
    EXPECT_EQ(Log(), expected);
}

TEST_F(CoherenceCheck, CoherentSetGivesTheOkFormAndNoBox)
{
    Load({"cat.jpg", "Dog.JPG"}, {"CAT.JPG", "dog.jpg"});
    runtime.today = QStringLiteral("2026-12-06");
    ControllaCoerenza(runtime, images, symbols);
    EXPECT_TRUE(runtime.boxes.empty());
    EXPECT_EQ(Log(), OkLog("2026-12-06"));
}

TEST_F(CoherenceCheck, BothFoldersEmptyGiveBothOk)
{
    Load({}, {});
    ControllaCoerenza(runtime, images, symbols);
    EXPECT_TRUE(runtime.boxes.empty());
    EXPECT_EQ(Log(), OkLog("06/12/2026"));
}

TEST_F(CoherenceCheck, EmptyImageFolderListsAnEmptyNameAndEverySymbol)
{
    Load({}, {"x.jpg", "y.jpg"});
    ControllaCoerenza(runtime, images, symbols);
    ASSERT_EQ(runtime.boxes.size(), 2u);
    EXPECT_EQ(runtime.boxes[0].prompt, "These images have no correspondant symbol:\r\n");
    EXPECT_EQ(runtime.boxes[1].prompt, "These symbols have no correspondant image:\r\nx.jpg\r\ny.jpg");
}

TEST_F(CoherenceCheck, ExtensionsMustMatchAndOrderIsCatalogueOrder)
{
    Load({"z.jpg", "m.jpeg.jpg", "b.JPG", "a.jpg"}, {"Z.JPG", "m.jpg", "b.jpeg.jpg"});
    ControllaCoerenza(runtime, images, symbols);
    ASSERT_EQ(runtime.boxes.size(), 2u);
    EXPECT_EQ(runtime.boxes[0].prompt, "These images have no correspondant symbol:\r\na.jpg\r\nb.JPG\r\nm.jpeg.jpg");
    EXPECT_EQ(runtime.boxes[1].prompt, "These symbols have no correspondant image:\r\nb.jpeg.jpg\r\nm.jpg");
}

TEST_F(CoherenceCheck, SecondRunOverwritesTheFirstLog)
{
    Load({"a.jpg", "b.jpg"}, {"a.jpg"});
    ControllaCoerenza(runtime, images, symbols);
    ASSERT_TRUE(Log().contains("b.jpg"));

    Catalogue same;
    same.Set(1, QStringLiteral("a.jpg"));
    same.SetCount(1);
    runtime.boxes.clear();
    ControllaCoerenza(runtime, same, symbols);
    EXPECT_EQ(Log(), OkLog("06/12/2026"));
}

TEST_F(CoherenceCheck, UnwritableLogIsReportedAtEachStepAndTheChecksStillRun)
{
    Load({"a.jpg", "b.jpg"}, {"a.jpg", "c.jpg"});
    // A folder that refuses new files; where permissions do not bind (root),
    // a folder in the log's place makes it unopenable all the same.
    QFile::setPermissions(app.path(), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup |
                                          QFile::ReadOther | QFile::ExeOther);
    if (::access(QFile::encodeName(app.path()).constData(), W_OK) == 0) {
        QFile::setPermissions(app.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        ASSERT_TRUE(QDir(app.path()).mkdir("LumariCheck.log"));
    }

    ControllaCoerenza(runtime, images, symbols);
    QFile::setPermissions(app.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    // The opening fails with the file system's reason (no permission, or a folder in the way).
    const QStringList texts = runtime.BoxTexts();
    ASSERT_FALSE(texts.isEmpty());
    const QString openFailed = texts.front();
    EXPECT_TRUE(openFailed.startsWith("Error \"") && openFailed.endsWith("\" in ControllaCoerenza() routine"))
        << openFailed.toStdString();
    const QString writeFailed = "Error \"Bad file name or number\" in ControllaCoerenza() routine";
    const QStringList expected = {openFailed,
                                  writeFailed,
                                  writeFailed,
                                  "These images have no correspondant symbol:\r\nb.jpg",
                                  writeFailed,
                                  writeFailed,
                                  "These symbols have no correspondant image:\r\nc.jpg",
                                  writeFailed};
    EXPECT_EQ(texts, expected);
    EXPECT_FALSE(QFileInfo(app("LumariCheck.log")).isFile());
}

TEST(WithoutCounterpart, KeepsOrderAndDuplicatesOnLargeLists)
{
    QStringList images;
    QStringList symbols;
    for (int i = 0; i < 1000; ++i) {
        images << QStringLiteral("img%1.jpg").arg(i);
        if (i % 3 != 0) symbols << QStringLiteral("IMG%1.JPG").arg(999 - i);
    }
    const QStringList missing = WithoutCounterpart(images, symbols);
    QStringList expected;
    for (int i = 0; i < 1000; ++i)
        if ((999 - i) % 3 == 0) expected << QStringLiteral("img%1.jpg").arg(i);
    EXPECT_EQ(missing, expected);
    EXPECT_EQ(WithoutCounterpart({"a.jpg", "a.jpg", "b.jpg"}, {"B.JPG"}), QStringList({"a.jpg", "a.jpg"}));
}

TEST(WithoutCounterpart, AgreesWithTheScanOfEveryPair)
{
    // Names drawn from a small alphabet, so that case twins, duplicates,
    // names that upper-case alike (straße / STRASSE) and empty names all occur.
    const QStringList parts = {"a", "A", "b", "straße", "STRASSE", "é", "É", ".jpg", ".JPG", ""};
    quint32 state = 12345;
    auto next = [&] { return (state = state * 1103515245u + 12345u) >> 16; };
    for (int round = 0; round < 200; ++round) {
        QStringList names, others;
        for (QStringList* list : {&names, &others})
            for (int n = int(next() % 12); n > 0; --n)
                *list << parts[int(next() % parts.size())] + parts[int(next() % parts.size())];
        ASSERT_EQ(WithoutCounterpart(names, others), WithoutCounterpartByScan(names, others))
            << names.join(',').toStdString() << " / " << others.join(',').toStdString();
    }
}

}  // namespace
}  // namespace lumari::test
