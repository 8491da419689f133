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

// What the windows need from the machine, one role each. Paths may use "\"
// or "/" as separators and resolve without regard to letter case. A call
// that can fail throws RuntimeError with the classic number and description;
// a call marked noexcept cannot fail.

// The per-user settings store. Every value is text; the default applies only
// to a key that does not exist.
class Settings {
public:
    virtual ~Settings() = default;
    // A file that cannot be read gives the defaults.
    virtual QString Get(const QString& app, const QString& section, const QString& key,
                        const QString& defaultValue) noexcept = 0;
    // Written through at once; 70 or 75 when it cannot be written.
    virtual void Save(const QString& app, const QString& section, const QString& key, const QString& value) = 0;
    // Holds an application's settings against every other copy of the
    // program until the result is destroyed, so that reading a key and
    // writing it back counts once per copy; saves in between join the lock.
    // nullptr when no lock can be had: the caller goes on unlocked.
    virtual std::unique_ptr<SettingsLock> Lock(const QString& app) noexcept = 0;
};

// The program's folder and the files in it.
class Files {
public:
    virtual ~Files() = default;
    // The program's folder, without a trailing separator.
    virtual QString AppPath() const noexcept = 0;
    // The first match of a pattern with "*" / "?" in its last component, ""
    // when none; DirNext gives the following ones and "" at the end.
    // Attributes 0: plain files; 16: folders too, "." and "..". A folder
    // that is missing or cannot be read lists nothing; DirNext raises 5 when
    // no listing is going on.
    virtual QString Dir(const QString& pattern, int attributes) = 0;
    virtual QString DirNext() = 0;
    // 53 when the entry does not exist.
    virtual int GetAttr(const QString& path) = 0;
    // One folder, not its parents: 58 when it exists, 70, 75 or 76 otherwise.
    virtual void CreateFolder(const QString& path) = 0;
};

// Modal boxes. An empty title gives the program's title as caption.
class Boxes {
public:
    virtual ~Boxes() = default;
    // The button pressed (mb::Ok, mb::Yes, mb::No).
    virtual int MsgBox(const QString& prompt, int style = mb::OkOnly, const QString& title = QString()) noexcept = 0;
    // The text typed, "" when cancelled.
    virtual QString InputBox(const QString& prompt, const QString& title) noexcept = 0;
};

// Picture files. Safe to call from several threads at once.
class Pictures {
public:
    virtual ~Pictures() = default;
    // Decoded at the size it will be shown when one is given (device pixels),
    // upright by its EXIF orientation. 53 missing, 70 unreadable, 75 a
    // folder, 481 not a picture, 7 too large.
    virtual QImage Load(const QString& path, const QSize& shownSize = QSize()) const = 0;
};

class RandomNumbers {
public:
    virtual ~RandomNumbers() = default;
    // Reseeds from the clock, mixing it into the generator state.
    virtual void Randomize() noexcept = 0;
    // A uniform single-precision value in [0, 1).
    virtual float Next() noexcept = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    // Today's date in the user's short date format.
    virtual QString Today() const noexcept = 0;
};

// Sequential output to one file at a time, as 8-bit text.
class LogOutput {
public:
    virtual ~LogOutput() = default;
    // Creates or empties the file: 53, 70, 75 or 76 when it cannot.
    virtual void Open(const QString& path) = 0;
    // Writes the text then CR LF: 52 when nothing is open, 57 when the bytes
    // cannot be written.
    virtual void Print(const QString& text) = 0;
    // Closing when nothing is open does nothing.
    virtual void Close() noexcept = 0;
};

class FolderOpener {
public:
    virtual ~FolderOpener() = default;
    // Shows a folder in the desktop's file browser without waiting; a
    // browser that cannot be started shows nothing.
    virtual void Open(const QString& path) noexcept = 0;
};

class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    // Starts a WAV file and returns at once; a sound still playing stops. A
    // missing or unplayable file is silence; 48 only when the audio output
    // itself cannot be set up.
    virtual void Play(const QString& path) = 0;
};

// Every role, handed to windows and routines together.
struct Services {
    Settings& settings;
    Files& files;
    Boxes& boxes;
    Pictures& pictures;
    RandomNumbers& random;
    Clock& clock;
    LogOutput& log;
    FolderOpener& folders;
    SoundOutput& sound;

    // The same services with other boxes, such as boxes held back.
    Services WithBoxes(Boxes& other) const
    {
        return {settings, files, other, pictures, random, clock, log, folders, sound};
    }
};

}  // namespace lumari
