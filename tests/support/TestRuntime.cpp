#include "support/TestRuntime.h"

namespace lumari::test {

TestRuntime::TestRuntime(const QString& appPath, std::uint64_t seed)
    : QtRuntime(appPath), seeded_(seed, [this] { return ++tick_; })
{
}

void TestRuntime::Seed(std::uint64_t seed)
{
    tick_ = 0;
    seeded_ = Random(seed, [this] { return ++tick_; });
}

int TestRuntime::MsgBox(const QString& prompt, int style, const QString& title)
{
    boxes.push_back({prompt, style, title});
    if (onBox) onBox(boxes.back());
    if (!msgBoxAnswers.empty()) {
        const int answer = msgBoxAnswers.front();
        msgBoxAnswers.pop_front();
        return answer;
    }
    return (style & 0x7) == mb::YesNo ? mb::Yes : mb::Ok;
}

QString TestRuntime::InputBox(const QString& prompt, const QString& title)
{
    inputBoxes.emplace_back(prompt, title);
    if (inputAnswers.empty()) return QString();
    QString answer = inputAnswers.front();
    inputAnswers.pop_front();
    return answer;
}

void TestRuntime::Randomize() { seeded_.Randomize(); }
float TestRuntime::RandomNext() { return seeded_.Next(); }
QString TestRuntime::Today() { return today; }
void TestRuntime::OpenFolder(const QString& path) { openedFolders << path; }

void TestRuntime::PlayWave(const QString& path)
{
    playedSounds << path;
    if (realSound) QtRuntime::PlayWave(path);
}

QStringList TestRuntime::BoxTexts() const
{
    QStringList texts;
    for (const ShownBox& b : boxes) texts << b.prompt;
    return texts;
}

}  // namespace lumari::test
