// Which way a set's word is said: its recording, else synthesis in the first
// of the set's languages with a voice, else silence; on a real set folder.
#include "speech/SpokenWords.h"
#include "support/TestServices.h"

#include <QFileInfo>

namespace lumari::test {
namespace {

// What the speaker was told, as "play <file>" and "speak <word> <voice>", and how to tell it the voices.
struct HeardSpeaker : WordSpeaker {
    void FindVoices(std::function<void(const QStringList&)> found) override { voicesFound = std::move(found); }
    void Play(const QString& wavFile) override { said << "play " + QFileInfo(wavFile).fileName(); }
    void Speak(const QString& word, const QString& voice) override { said << "speak " + word + ' ' + voice; }
    QStringList said;
    std::function<void(const QStringList&)> voicesFound;
};

TEST(SpokenWords, ARecordingInAnyLetterCaseElseTheFirstLanguageWithAVoiceElseSilence)
{
    // voicesFirst: the synthesis's voices are known before the words are asked for, else after.
    struct Row { const char* name; QStringList recordings; QStringList languages; QStringList voices; bool voicesFirst;
                 QStringList asked; QStringList said; } const rows[] = {
        {"a recording in other letter cases is played", {"words/CAT.WAV"}, {"it"}, {"it_IT"}, true, {"cat"}, {"play CAT.WAV"}},
        {"a recording needs no voice to be known", {"Words/cat.wav"}, {"it"}, {}, false, {"cat"}, {"play cat.wav"}},
        {"another pair's recording is not this one's", {"Words/dog.wav"}, {"it"}, {"it_IT"}, true, {"cat"}, {"speak cat it_IT"}},
        {"the first of the set's languages that has a voice", {}, {"fr", "it", "en"}, {"en_GB", "it_IT"}, true, {"cat"},
         {"speak cat it_IT"}},
        {"a language with a country needs that country's voice", {}, {"pt_BR", "en"}, {"pt_PT", "en_US"}, true, {"cat"},
         {"speak cat en_US"}},
        {"no voice for the set's languages: silence", {}, {"fr"}, {"en_GB"}, true, {"cat", "dog"}, {}},
        {"no synthesis at all: silence", {}, {"en"}, {}, false, {"cat"}, {}},
        {"each word in turn once the voices are known", {}, {"en"}, {"en_GB"}, true, {"cat", "dog"},
         {"speak cat en_GB", "speak dog en_GB"}},
        {"words asked before the voices are known: only the latest, when they are", {}, {"en"}, {"en_GB"}, false,
         {"cat", "dog"}, {"speak dog en_GB"}},
        {"a recording played meanwhile drops the word waiting", {"Words/dog.wav"}, {"en"}, {"en_GB"}, false,
         {"cat", "dog"}, {"play dog.wav"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        World w;
        w.app.MakeSet("Set_s", {"cat.jpg", "dog.jpg"}, {"cat.jpg", "dog.jpg"});
        for (const QString& recording : row.recordings) w.app.WriteFile("Set_s/" + recording, "RIFF");
        auto speaker = std::make_unique<HeardSpeaker>();
        HeardSpeaker& heard = *speaker;  // kept by the words
        SpokenWords words(SetFolder(w.files, "s"), row.languages, std::move(speaker));
        ASSERT_TRUE(heard.voicesFound);
        if (row.voicesFirst) heard.voicesFound(row.voices);
        for (const QString& pair : row.asked) words.Say(pair);
        if (!row.voicesFirst) heard.voicesFound(row.voices);
        EXPECT_EQ(heard.said, row.said);
    }
}

}  // namespace
}  // namespace lumari::test
