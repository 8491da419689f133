// Every typed key read from and written to the real settings file, in every form a file can hold.
#include "platform/RuntimeError.h"
#include "settings/StoredKeys.h"
#include "support/TestServices.h"

#include <QDateTime>
#include <QFile>

#include <functional>

namespace lumari::test {
namespace {

using namespace stored;

// A typed read as text: the value, or "E<number>" for the run-time error it raised.
template <typename T> QString ReadAsText(const SettingValue<T>& setting, Settings& settings) try {
    if constexpr (std::is_same_v<T, QString>) return setting.Get(settings);
    else return QString::number(setting.Get(settings));
} catch (const RuntimeError& e) {
    return "E" + QString::number(e.number());
}

enum class Type { Int16, Int32, Text };
template <typename T> constexpr Type TypeOf()
{
    if constexpr (std::is_same_v<T, std::int16_t>) return Type::Int16;
    else if constexpr (std::is_same_v<T, std::int32_t>) return Type::Int32;
    else return Type::Text;
}

// One typed key, and the section and name the file gives it.
struct Key {
    QByteArray section, name;
    Type type;
    QString missing;  // what it reads as while the file does not hold it
    std::function<QString(Settings&)> read, text;
    std::function<void(Settings&)> writeSample;  // -7 for a number, "" for a text
};
template <typename T> Key Typed(const SettingValue<T>& s, const char* section, const char* name, const char* missing)
{
    const auto sample = [&s](Settings& st) {
        if constexpr (std::is_same_v<T, QString>) s.Set(st, QString());
        else s.Set(st, -7);
    };
    return {section, name, TypeOf<T>(), missing, [&s](Settings& st) { return ReadAsText(s, st); },
            [&s](Settings& st) { return s.Text(st); }, sample};
}

// The INI reader knows a file it has read by its size and time: each version written here gets a time of
// its own, so two of the same size written within one tick are never taken for each other.
void WriteVersion(const QByteArray& bytes)
{
    static qint64 version = 0;
    WriteSettingsFile(bytes);
    QFile file(SettingsFilePath());
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(QDateTime::fromSecsSinceEpoch(1'000'000'000 + ++version), QFileDevice::FileModificationTime));
}

TEST(StoredKeys, EveryKeyReadsEveryStoredFormAndWritesItsTextForm)
{
    World w;
    const Key keys[] = {
        Typed(ShowLabels, "GeneralSettings", "ShowLabels", "1"), Typed(PlaySounds, "GeneralSettings", "PlaySounds", "1"),
        Typed(WayToWork, "GeneralSettings", "WayToWork", "1"), Typed(MaxPlaceholders, "GeneralSettings", "MaxPlaceholders", "2"),
        Typed(ImagesSet, "GeneralSettings", "ImagesSet", "Default"), Typed(SoundOk, "GeneralSettings", "SoundOk", "ok.wav"),
        Typed(SoundWrong, "GeneralSettings", "SoundWrong", "error.wav"), Typed(Shown, "Statistics", "Shown", "0"),
        Typed(CorrectAnswers, "Statistics", "CorrectAnswers", "0"), Typed(WrongAnswers, "Statistics", "WrongAnswers", "0"),
        Typed(Used, "Statistics", "Used", "0"), Typed(Author, "Information", "Author", ""), Typed(Year, "Information", "Year", ""),
        Typed(Contact, "Information", "Contact", ""), Typed(Website, "Information", "Website", ""),
        Typed(CurrentLearner, "Learners", "Current", ""),
    };
    struct Form {
        const char* line;  // what follows the key's name on its line; nullptr: no line
        QString asInt16, asInt32, asText;
    };
    const Form forms[] = {
        {nullptr, "", "", ""},  // the key's default
        {"=", "E13", "E13", ""},
        {"=-1", "-1", "-1", "-1"},
        {"=0", "0", "0", "0"},
        {"=1", "1", "1", "1"},
        {"=\" 2 \"", "2", "2", " 2 "},
        {"=2.5", "2", "2", "2.5"},
        {"=abc", "E13", "E13", "abc"},
        {"=32768", "E6", "32768", "32768"},
        {"=2147483648", "E6", "E6", "2147483648"},
        {" =  7 ", "7", "7", "7"},              // edited by hand: blanks around
        {"=3, 4", "E13", "E13", "3, 4"},       // edited by hand: an unquoted list is one text
    };
    for (const Key& key : keys) {
        for (const Form& form : forms) {
            SCOPED_TRACE((key.section + "/" + key.name + (form.line ? form.line : " missing")).constData());
            // The other sections around it, with the same key name, must not be read.
            QByteArray file = "[Other]\n" + key.name + "=9\n[" + key.section + "]\n";
            if (form.line) file += key.name + form.line + "\n";
            WriteVersion(file + "[Other2]\n" + key.name + "=8\n");
            const QString text = form.line ? form.asText : key.missing;
            const QString typed = !form.line ? key.missing
                : key.type == Type::Int16   ? form.asInt16
                : key.type == Type::Int32   ? form.asInt32
                                            : form.asText;
            EXPECT_EQ(key.read(w.settings), typed);
            EXPECT_EQ(key.text(w.settings), text);
        }
        WriteVersion("");
        key.writeSample(w.settings);
        EXPECT_EQ(w.Stored(key.section, key.name), key.type == Type::Text ? "" : "-7") << key.name.constData();
    }
}

}  // namespace
}  // namespace lumari::test
