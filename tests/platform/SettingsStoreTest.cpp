// The settings store on the real settings file.
#include "platform/QtRuntime.h"
#include "platform/RuntimeError.h"
#include "state/SettingsKeys.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace lumari {
namespace {

using namespace test;

class SettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override { ClearSettings(); }
    void TearDown() override
    {
        QDir(SettingsFilePath()).removeRecursively();  // a folder left by a failing-write test
        ClearSettings();
    }
    QString Get(const QString& key, const QString& def = QStringLiteral("<default>"))
    {
        return rt.GetSetting(keys::kApp, keys::kGeneral, key, def);
    }
    void Save(const QString& key, const QString& value) { rt.SaveSetting(keys::kApp, keys::kGeneral, key, value); }
    AppFolder app;
    QtRuntime rt{app.path()};
};

TEST_F(SettingsStoreTest, AwkwardTextsComeBackUnchanged)
{
    const QString texts[] = {
        "plain", "a,b", "a, b ,c", "\"quoted\"", "'single'", "back\\slash\\", "C:\\Sets\\Set_a", "a=b", "x;y",
        "[GeneralSettings]", "[x", "  leading and trailing  ", " ", "line1\r\nline2", "\n", "tab\there",
        "caf\u00e9 \u00fc\u00df \u65e5\u672c \U0001F600", "#not a comment", ";not a comment", "@Invalid()",
        "@ByteArray(x)", "0", "-1", "true", "%41%", "a\\,b", "\\\"", "\\",
    };
    int n = 0;
    for (const QString& text : texts) Save(QStringLiteral("Key%1").arg(n++), text);
    // The file the store wrote reads as sound: nothing was set aside as damaged.
    Save("Again", "x");
    EXPECT_TRUE(QDir(QFileInfo(SettingsFilePath()).absolutePath())
                    .entryList({"K.Orvel-Lumari.ini.damaged-*"}, QDir::Files)
                    .isEmpty());
    // Read back by a fresh runtime, as the next run would.
    QtRuntime next(app.path());
    n = 0;
    for (const QString& text : texts) {
        SCOPED_TRACE(text.toStdString());
        EXPECT_EQ(next.GetSetting(keys::kApp, keys::kGeneral, QStringLiteral("Key%1").arg(n++), "<default>"), text);
    }
}

TEST_F(SettingsStoreTest, EmptyTextIsAValueAndOnlyAMissingKeyTakesTheDefault)
{
    EXPECT_EQ(Get(keys::kSoundOk, keys::kSoundOkDefault), "ok.wav");
    Save(keys::kSoundOk, "");
    EXPECT_EQ(Get(keys::kSoundOk, keys::kSoundOkDefault), "");
    EXPECT_TRUE(ReadSettingsFile().contains("[GeneralSettings]"));
    // Keys and sections are separate: the same key in another section is another value.
    rt.SaveSetting(keys::kApp, keys::kStatistics, keys::kUsed, "3");
    EXPECT_EQ(rt.GetSetting(keys::kApp, keys::kStatistics, keys::kUsed, "0"), "3");
    EXPECT_EQ(Get(keys::kUsed, "0"), "0");
    // A later value replaces the earlier one.
    rt.SaveSetting(keys::kApp, keys::kStatistics, keys::kUsed, "4");
    EXPECT_EQ(rt.GetSetting(keys::kApp, keys::kStatistics, keys::kUsed, "0"), "4");
}

TEST_F(SettingsStoreTest, TheFileIsWhereTheUserExpectsIt)
{
    EXPECT_EQ(QFileInfo(SettingsFilePath()).fileName(), "K.Orvel-Lumari.ini");
    EXPECT_EQ(QFileInfo(SettingsFilePath()).absolutePath(), QDir(qEnvironmentVariable("XDG_CONFIG_HOME")).absolutePath());
    Save(keys::kImagesSet, "Animals");
    // Written through at once: the bytes are on disk before any other call.
    EXPECT_TRUE(ReadSettingsFile().contains("ImagesSet=Animals"));
}

TEST_F(SettingsStoreTest, HandEditedValuesReadAsOneText)
{
    WriteSettingsFile("[GeneralSettings]\nImagesSet=a,b\nSoundOk=\nSoundWrong=\"x y\"\nShowLabels= 0\nPlaySounds=a, b\n");
    EXPECT_EQ(Get(keys::kImagesSet), "a,b");
    EXPECT_EQ(Get(keys::kSoundOk), "");
    EXPECT_EQ(Get(keys::kSoundWrong), "x y");
    EXPECT_EQ(Get(keys::kShowLabels), "0");
    EXPECT_EQ(Get(keys::kPlaySounds), "a, b");
    EXPECT_EQ(Get(keys::kWayToWork), "<default>");
    // Saving one key keeps the others.
    Save(keys::kWayToWork, "2");
    EXPECT_EQ(Get(keys::kImagesSet), "a,b");
    EXPECT_EQ(Get(keys::kWayToWork), "2");
}

TEST_F(SettingsStoreTest, AFileThatCannotBeReadIsKeptBeforeTheFirstWrite)
{
    const QByteArray damaged("[Statistics]\nCorrectAnswers=4711\n\x00\xff\xfe years of counts \x01", 44);
    WriteSettingsFile(damaged);
    EXPECT_EQ(Get(keys::kImagesSet), "<default>");  // what cannot be read takes the default
    Save(keys::kImagesSet, "Animals");
    EXPECT_EQ(Get(keys::kImagesSet), "Animals");
    const QFileInfoList copies = QDir(QFileInfo(SettingsFilePath()).absolutePath())
                                     .entryInfoList({"K.Orvel-Lumari.ini.damaged-*"}, QDir::Files);
    ASSERT_EQ(copies.size(), 1);
    QFile copy(copies[0].filePath());
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    EXPECT_EQ(copy.readAll(), damaged);
    // The repaired file is read normally and copied no more.
    Save(keys::kSoundOk, "ok.wav");
    EXPECT_EQ(QDir(QFileInfo(SettingsFilePath()).absolutePath())
                  .entryList({"K.Orvel-Lumari.ini.damaged-*"}, QDir::Files)
                  .size(),
              1);
    QFile::remove(copies[0].filePath());
}

TEST_F(SettingsStoreTest, AFailedWriteIsARunTimeError)
{
    // The file's place is taken by a folder: the write cannot happen, even for root.
    ASSERT_TRUE(QDir().mkpath(SettingsFilePath()));
    int number = 0;
    try {
        Save(keys::kImagesSet, "Animals");
    } catch (const RuntimeError& e) {
        number = e.number();
    }
    EXPECT_TRUE(number == err::PathFileAccessError || number == err::PermissionDenied) << number;
    EXPECT_EQ(Get(keys::kImagesSet), "<default>");
}

}  // namespace
}  // namespace lumari
