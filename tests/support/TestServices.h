#pragma once

#include "platform/Notifier.h"
#include "platform/QtFiles.h"
#include "platform/QtPictures.h"
#include "platform/Random.h"
#include "platform/SettingsStore.h"
#include "platform/TextOutput.h"
#include "state/Module1.h"
#include "state/SettingsKeys.h"

#include <QByteArray>
#include <QColor>
#include <QProcess>
#include <QSize>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <functional>
#include <vector>

// Test failures print texts as text.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace lumari::test {

// A temporary folder that plays the executable's folder.
class AppFolder {
public:
    AppFolder();
    QString path() const { return dir_.path(); }
    // Full path of a relative name ("/" separators).
    QString operator()(const QString& relative) const;

    void MakeFolder(const QString& relative) const;
    void WriteFile(const QString& relative, const QByteArray& bytes) const;
    // A real JPEG picture of one colour.
    void WriteJpeg(const QString& relative, QColor color = Qt::red, QSize size = QSize(64, 48)) const;
    // A set folder with Images and Symbols holding the given JPEG names.
    void MakeSet(const QString& setFolder, const QStringList& images, const QStringList& symbols) const;

private:
    QTemporaryDir dir_;
};

// Every path below a folder, relative to it, sorted.
QStringList Tree(const QString& root);
// A file's bytes, "<none>" when it cannot be read; and writing one, making its folder first.
QByteArray ReadBytes(const QString& path);
void WriteBytes(const QString& path, const QByteArray& bytes);
// Runs `body` while `folder` is read-only and its parent open to all, as another user when run as
// root (who may write anywhere); what it returns, -1 when the folder or the user could not be had.
int InReadOnlyFolder(const QString& folder, const std::function<int()>& body);

// Another copy of the program: this test run again by this test program in a process of its own, with this
// one's home, where IsOtherCopy() is true and the test does the copy's part only. Passed() waits for its end.
bool IsOtherCopy();
std::unique_ptr<QProcess> StartOtherCopy();
bool Passed(QProcess& copy);

// The real settings file of the application used by the tests.
QString SettingsFilePath();
inline QByteArray ReadSettingsFile() { return ReadBytes(SettingsFilePath()); }
inline void WriteSettingsFile(const QByteArray& bytes) { WriteBytes(SettingsFilePath(), bytes); }

// One message box the program showed.
struct ShownBox {
    QString prompt;
    int style;
    QString title;  // as given by the program; "" means the program's title
};

// Boxes as "prompt|style|title", in order.
template <typename Box> QStringList BoxTexts(const std::vector<Box>& boxes)
{
    QStringList texts;
    for (const Box& b : boxes) texts << QString("%1|%2|%3").arg(b.prompt).arg(b.style).arg(b.title);
    return texts;
}

// Boxes answered from a script and recorded, in order.
class FakeBoxes : public Boxes {
public:
    int MsgBox(const QString& prompt, int style = mb::OkOnly, const QString& title = QString()) noexcept override;
    QString InputBox(const QString& prompt, const QString& title) noexcept override;

    // The prompts shown; and the boxes shown since the last call, as BoxTexts gives them.
    QStringList Texts() const { QStringList t; for (const ShownBox& b : shown) t << b.prompt; return t; }
    QStringList Take() { return BoxTexts(std::exchange(shown, {})); }

    std::vector<ShownBox> shown;
    std::deque<int> answers;         // the next boxes' buttons; OK (Yes for a question) when empty
    std::deque<QString> replies;     // the next input boxes' texts; "" (cancel) when empty
    QStringList asked;               // input box prompts
    std::function<void(const ShownBox&)> whileOpen;  // runs while a box is open
};

struct FakeClock : Clock {
    QString Today() const noexcept override { return QStringLiteral("06/12/2026"); }
};
// These record what they are asked to do.
struct FakeOpener : FolderOpener {
    void Open(const QString& path) noexcept override { opened << path; }
    QStringList opened;
};
struct FakeSound : SoundOutput {
    void Play(const QString& path) override { played << path; }
    QStringList played;
};

// A program's world on real files: a temporary program folder and the real settings file (in the
// test program's own settings folder, emptied), with boxes, sounds, the folder opener, today's
// date and the random generator's clock under the test's control.
class World {
public:
    explicit World(std::uint64_t seed = 1);

    Services services() { return {settings, files, boxes, pictures, random, clock, log, opener, sound}; }
    // A stored key, "<missing>" when absent; and storing one.
    using Text = const QString&;
    QString Stored(Text section, Text key) { return settings.Get(keys::kApp, section, key, "<missing>"); }
    void Store(Text section, Text key, Text value) { settings.Save(keys::kApp, section, key, value); }

    AppFolder app;
    SettingsStore settings;
    QtFiles files;
    FakeBoxes boxes;
    BoxesNotifier notifier{boxes};  // the adults' messages, through the scripted boxes
    QtPictures pictures;
    Random random;
    FakeClock clock;
    TextOutput log;
    FakeOpener opener;
    FakeSound sound;
    Module1 module1;

private:
    std::uint64_t tick_ = 0;
};

}  // namespace lumari::test
