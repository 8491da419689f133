#include "GameFixture.h"

#include "game/Catalogue.h"
#include "game/CoherenceCheck.h"

#include <QDir>
#include <QFileInfo>

#include <unistd.h>

namespace lumari::test {
namespace {

const QByteArray kRule(50, '-');

class CoherenceCheck : public GameTest {
protected:
    Catalogue images, symbols;

    // Catalogues loaded from a real set folder.
    void Load(const QStringList& imageNames, const QStringList& symbolNames)
    {
        MakeSet(imageNames, symbolNames);
        CaricaImmagini(runtime, module1, images);
        CaricaSimboli(runtime, module1, symbols);
        ASSERT_TRUE(runtime.boxes.empty());
    }
    QByteArray Log() const
    {
        QFile f(app("LumariCheck.log"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<no log>");
    }
    static QByteArray Lines(const QList<QByteArray>& lines)
    {
        QByteArray text;
        for (const QByteArray& line : lines) text += line + "\r\n";
        return text;
    }
    static QByteArray OkLog(const QByteArray& date)
    {
        return Lines({"", "Data check on " + date, "", "", kRule, "", "", "Images OK !", "", "", kRule, "", "",
                      "Symbols OK !", ""});
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
    EXPECT_EQ(Log(), Lines({"", "Data check on 06/12/2026", "", "", kRule, "", "",
                            "These images have no correspondant symbol:", "b.jpg", "", "", kRule, "", "",
                            "These symbols have no correspondant image:", "d.jpg"}));
}

TEST_F(CoherenceCheck, EmptyThenCoherentSetGiveTheOkFormNoBoxAndEachStartOverwritesTheLog)
{
    app.WriteFile("LumariCheck.log", QByteArray(5000, 'x'));  // a longer log from an earlier start
    Load({}, {});
    ControllaCoerenza(runtime, images, symbols);
    EXPECT_EQ(Log(), OkLog("06/12/2026"));

    module1.ImagesSet = "two";
    app.MakeSet("Set_two", {"cat.jpg", "Dog.JPG"}, {"CAT.JPG", "dog.jpg"});
    CaricaImmagini(runtime, module1, images);
    CaricaSimboli(runtime, module1, symbols);
    runtime.today = "2026-12-06";  // the user's short date format, whatever it is
    ControllaCoerenza(runtime, images, symbols);
    EXPECT_EQ(Log(), OkLog("2026-12-06"));
    EXPECT_TRUE(runtime.boxes.empty());
}

TEST_F(CoherenceCheck, ListsInCatalogueOrderAndExtensionsMustMatch)
{
    Load({"z.jpg", "m.jpeg.jpg", "b.JPG", "a.jpg"}, {"Z.JPG", "m.jpg", "b.jpeg.jpg"});
    ControllaCoerenza(runtime, images, symbols);
    EXPECT_EQ(runtime.BoxTexts(), QStringList({"These images have no correspondant symbol:\r\na.jpg\r\nb.JPG\r\nm.jpeg.jpg",
                                               "These symbols have no correspondant image:\r\nb.jpeg.jpg\r\nm.jpg"}));
}

TEST_F(CoherenceCheck, UnwritableLogIsReportedAtEachStepAndTheChecksStillRun)
{
    Load({"a.jpg", "b.jpg"}, {"a.jpg", "c.jpg"});
    // A folder that refuses new files; where permissions do not bind (root),
    // a folder in the log's place makes it unopenable all the same.
    QFile::setPermissions(app.path(), QFile::ReadOwner | QFile::ExeOwner);
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
    EXPECT_EQ(texts, QStringList({openFailed, writeFailed, writeFailed,
                                  "These images have no correspondant symbol:\r\nb.jpg", writeFailed, writeFailed,
                                  "These symbols have no correspondant image:\r\nc.jpg", writeFailed}));
    EXPECT_FALSE(QFileInfo(app("LumariCheck.log")).isFile());
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
            for (int n = int(next() % 40); n > 0; --n)
                *list << parts[int(next() % parts.size())] + parts[int(next() % parts.size())];
        ASSERT_EQ(WithoutCounterpart(names, others), WithoutCounterpartByScan(names, others))
            << names.join(',').toStdString() << " / " << others.join(',').toStdString();
    }
}

}  // namespace
}  // namespace lumari::test
