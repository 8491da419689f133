#pragma once

#include "platform/SettingsLock.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <memory>

namespace lumari {

// Message box styles and answers the program uses.
namespace mb {
constexpr int OkOnly = 0;
constexpr int YesNo = 4;
constexpr int Critical = 16;
constexpr int Information = 64;

constexpr int Ok = 1;
constexpr int Yes = 6;
constexpr int No = 7;
}  // namespace mb

// Directory listing attributes and file attribute bits.
namespace attr {
constexpr int Normal = 0;
constexpr int ReadOnly = 1;
constexpr int Hidden = 2;
constexpr int Directory = 16;
}  // namespace attr

// Every operation the windows need from the machine. Paths may use "\" or "/"
// as separators and resolve without regard to letter case. A failing operation
// throws RuntimeError with the classic number and description.
class Runtime {
public:
    virtual ~Runtime() = default;

    // Per-user settings store: every value is text; the default applies only
    // to a key that does not exist.
    virtual QString GetSetting(const QString& app, const QString& section, const QString& key,
                               const QString& defaultValue) = 0;
    virtual void SaveSetting(const QString& app, const QString& section, const QString& key,
                             const QString& value) = 0;
    // Holds an application's settings against every other copy of the
    // program until the result is destroyed, so that reading a key and
    // writing it back counts once per copy. Saves in between join the lock.
    // A runtime without a settings store of its own holds nothing.
    virtual std::unique_ptr<SettingsLock> LockSettings(const QString& app)
    {
        (void)app;
        return nullptr;
    }

    // Directory listing: the first match of a pattern with "*" / "?" in its
    // last component, "" when none; then DirNext gives the following ones and
    // "" at the end. Attributes 0: plain files; 16: folders too, "." and "..".
    virtual QString Dir(const QString& pattern, int attributes) = 0;
    virtual QString DirNext() = 0;
    virtual int GetAttr(const QString& path) = 0;
    // Creates one folder (not its parents); 58 when it exists already.
    virtual void CreateFolder(const QString& path) = 0;

    // Modal boxes. An empty title gives the program's title as caption.
    virtual int MsgBox(const QString& prompt, int style = mb::OkOnly, const QString& title = QString()) = 0;
    // The text typed, "" when cancelled.
    virtual QString InputBox(const QString& prompt, const QString& title) = 0;

    // A picture decoded from a file, at the size it will be shown when one is
    // given (device pixels), upright by its EXIF orientation.
    virtual QImage LoadPicture(const QString& path, const QSize& shownSize = QSize()) = 0;

    // The executable's folder, without a trailing separator.
    virtual QString AppPath() = 0;

    // Reseeds from the clock, mixing it into the generator state.
    virtual void Randomize() = 0;
    // A uniform single-precision value in [0, 1).
    virtual float RandomNext() = 0;

    // Today's date in the user's short date format.
    virtual QString Today() = 0;

    // Sequential output to one file: created or emptied by the opening, each
    // print writes the text then CR LF as 8-bit text.
    virtual void FileOpenOutput(const QString& path) = 0;
    virtual void FilePrint(const QString& text) = 0;
    virtual void FileClose() = 0;

    // Shows a folder in the desktop's file browser without waiting.
    virtual void OpenFolder(const QString& path) = 0;

    // Starts a WAV file and returns at once; a sound still playing stops.
    virtual void PlayWave(const QString& path) = 0;
};

}  // namespace lumari
