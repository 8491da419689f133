#pragma once

#include "platform/QtRuntime.h"
#include "platform/Random.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <vector>

namespace lumari::test {

// One message box the program showed.
struct ShownBox {
    QString prompt;
    int style;
    QString title;  // as given by the program; "" means the program's title
};

// The real runtime on real files and the real settings file, with the parts a
// test cannot drive replaced: message and input boxes answer from a script and
// are recorded, the random generator is seeded, today's date is fixed, and
// opened folders and played sounds are recorded.
class TestRuntime : public QtRuntime {
public:
    explicit TestRuntime(const QString& appPath, std::uint64_t seed = 1);

    int MsgBox(const QString& prompt, int style = mb::OkOnly, const QString& title = QString()) override;
    QString InputBox(const QString& prompt, const QString& title) override;
    void Randomize() override;
    float RandomNext() override;
    QString Today() override;
    void OpenFolder(const QString& path) override;
    void PlayWave(const QString& path) override;

    // Re-seeds the generator; the clock it mixes in is a fixed counter.
    void Seed(std::uint64_t seed);

    std::vector<ShownBox> boxes;
    std::deque<int> msgBoxAnswers;      // answers to the next boxes; Ok / Yes when empty
    std::deque<QString> inputAnswers;   // replies to the next input boxes; "" when empty
    std::vector<std::pair<QString, QString>> inputBoxes;  // prompt, title
    QStringList openedFolders;
    QStringList playedSounds;
    QString today = QStringLiteral("06/12/2026");
    bool realSound = false;             // pass sounds to the real player too
    std::function<void(const ShownBox&)> onBox;  // runs while a box is "open"

    // The prompts of the boxes shown so far.
    QStringList BoxTexts() const;

private:
    Random seeded_;
    std::uint64_t tick_ = 0;
};

}  // namespace lumari::test
