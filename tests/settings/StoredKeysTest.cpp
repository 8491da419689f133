// Every typed key read from and written to the real settings file, in every form a file can hold.
#include "platform/RuntimeError.h"
#include "settings/StoredKeys.h"
#include "support/TestServices.h"

#include <QDateTime>
#include <QFile>

#include <functional>
#include <vector>

namespace lumari::test {
namespace {

using namespace stored;

// One form of a key's line in the file, and what it reads as: the value, or "E<number>" for the run-time error.
struct Form {
    const char* line;  // what follows the key's name; nullptr: no line
    QString asInt16, asInt32, asText;
};

// One typed key with the section and name the file gives it.
struct Key {
    QByteArray section, name;
    QString Form::*typed;  // the column it reads as: a 16-bit or a 32-bit number, or a text
    QString missing;       // what it reads as while the file does not hold it
    std::function<QString(Settings&)> read, text;
    std::function<void(Settings&)> writeSample;  // -7 for a number, "" for a text
};
template <typename T>
Key Typed(const SettingValue<T>& s, const char* section, const char* name, QString Form::*typed, const char* missing)
{
    constexpr bool text = std::is_same_v<T, QString>;
    const auto read = [&s](Settings& st) -> QString {
        try {
            if constexpr (text) return s.Get(st);
            else return QString::number(s.Get(st));
        } catch (const RuntimeError& e) {
            return "E" + QString::number(e.number());
        }
    };
    const auto sample = [&s](Settings& st) {
        if constexpr (text) s.Set(st, QString());
        else s.Set(st, -7);
    };
    return {section, name, typed, missing, read, [&s](Settings& st) { return s.Text(st); }, sample};
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
    const auto i16 = &Form::asInt16, i32 = &Form::asInt32, text = &Form::asText;
    const Key keys[] = {
        Typed(ShowLabels, "GeneralSettings", "ShowLabels", i16, "1"), Typed(PlaySounds, "GeneralSettings", "PlaySounds", i16, "1"),
        Typed(WayToWork, "GeneralSettings", "WayToWork", i16, "1"),
        Typed(MaxPlaceholders, "GeneralSettings", "MaxPlaceholders", i32, "2"),
        Typed(ImagesSet, "GeneralSettings", "ImagesSet", text, "Default"), Typed(SoundOk, "GeneralSettings", "SoundOk", text, "ok.wav"),
        Typed(SoundWrong, "GeneralSettings", "SoundWrong", text, "error.wav"), Typed(Shown, "Statistics", "Shown", i32, "0"),
        Typed(CorrectAnswers, "Statistics", "CorrectAnswers", i32, "0"), Typed(WrongAnswers, "Statistics", "WrongAnswers", i32, "0"),
        Typed(Used, "Statistics", "Used", i32, "0"), Typed(Author, "Information", "Author", text, ""),
        Typed(Year, "Information", "Year", text, ""), Typed(Contact, "Information", "Contact", text, ""),
        Typed(Website, "Information", "Website", text, ""), Typed(CurrentLearner, "Learners", "Current", text, ""),
    };
    // The last two as edited by hand: blanks around, an unquoted list that is one text.
    const Form forms[] = {
        {"=", "E13", "E13", ""}, {"=-1", "-1", "-1", "-1"}, {"=0", "0", "0", "0"}, {"=1", "1", "1", "1"},
        {"=\" 2 \"", "2", "2", " 2 "}, {"=2.5", "2", "2", "2.5"}, {"=abc", "E13", "E13", "abc"}, {"=32768", "E6", "32768", "32768"},
        {"=2147483648", "E6", "E6", "2147483648"}, {" =  7 ", "7", "7", "7"}, {"=3, 4", "E13", "E13", "3, 4"},
    };
    for (const Key& key : keys) {
        std::vector<Form> rows{{nullptr, key.missing, key.missing, key.missing}};
        rows.insert(rows.end(), std::begin(forms), std::end(forms));
        for (const Form& form : rows) {
            SCOPED_TRACE((key.section + "/" + key.name + (form.line ? form.line : " missing")).constData());
            // Sections around it with a key of the same name are not read.
            QByteArray file = "[Other]\n" + key.name + "=9\n[" + key.section + "]\n";
            if (form.line) file += key.name + form.line + "\n";
            WriteVersion(file + "[Other2]\n" + key.name + "=8\n");
            EXPECT_EQ(key.read(w.settings), form.*key.typed);
            EXPECT_EQ(key.text(w.settings), form.asText);
        }
        WriteVersion("");
        key.writeSample(w.settings);
        EXPECT_EQ(w.Stored(key.section, key.name), key.typed == &Form::asText ? "" : "-7") << key.name.constData();
    }
}

}  // namespace
}  // namespace lumari::test
