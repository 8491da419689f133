#pragma once

#include <QList>
#include <QString>

#include <optional>

namespace lumari {

// How the game window sits on the screen: as described, or full screen with
// the described layout scaled to fit.
enum class ScreenMode { Window, Full };
// One switch: the frame moves by itself and a press selects. Two switches:
// one press moves the frame, the other selects.
enum class ScanMode { Auto, Step };
// Whether each image's word is spoken when it appears.
enum class Speech { Off, Word };
// The described matching, or "Find the one I say": the word is spoken and
// the photo is not shown.
enum class Task { Match, Spoken };

QString ScreenModeName(ScreenMode mode);  // "window", "full"
std::optional<ScreenMode> ScreenModeNamed(const QString& name);
QString ScanModeName(ScanMode mode);  // "auto", "step"
std::optional<ScanMode> ScanModeNamed(const QString& name);
QString SpeechName(Speech speech);  // "off", "word"
std::optional<Speech> SpeechNamed(const QString& name);
QString TaskName(Task task);  // "match", "spoken"
std::optional<Task> TaskNamed(const QString& name);

namespace access_limits {
constexpr int kShortestStepMs = 500;  // the scan's step and the dwell time
constexpr int kLongestStepMs = 5000;
constexpr int kDefaultDebounceMs = 300;
constexpr int kLongestDebounceMs = 5000;
}  // namespace access_limits

// Which keys the switches send, as Qt key codes (Qt::Key). A role left
// unset takes the mode's default: one switch, Space, Return and Enter
// select; two switches, Space steps and Return and Enter select.
struct ScanKeys {
    std::optional<QList<int>> select;
    std::optional<QList<int>> step;

    QList<int> Select(ScanMode mode) const;
    QList<int> Step(ScanMode mode) const;
    bool Default() const { return !select && !step; }
    bool operator==(const ScanKeys&) const = default;
};

// A key's name ("Space", "Return", "1", "F5", "Comma", in any letter case),
// or nothing for a name that is no single key without modifiers.
std::optional<int> KeyNamed(const QString& name);
QString KeyName(int key);
// "select=Return+2,step=Space"; "default" for the defaults. Roles not named
// keep their default. Nothing for a text that is not such a list.
std::optional<ScanKeys> ScanKeysNamed(const QString& text);
QString ScanKeysName(const ScanKeys& keys);

// A learner's access settings, handed to the game as they are. The
// defaults, set or not, give exactly the described game.
struct AccessOptions {
    ScreenMode screen = ScreenMode::Window;
    std::optional<int> scanMs;  // the scan's step, 500-5000; none: no scanning
    ScanMode scanMode = ScanMode::Auto;
    ScanKeys scanKeys{};
    int debounceMs = access_limits::kDefaultDebounceMs;
    std::optional<int> dwellMs;  // 500-5000; none: no dwell
    Speech speech = Speech::Off;
    Task task = Task::Match;

    bool Scanning() const { return scanMs.has_value(); }
    bool Dwelling() const { return dwellMs.has_value(); }
    // Each image's word is said: asked for, or the task is to find the word heard.
    bool Speaking() const { return speech == Speech::Word || task == Task::Spoken; }
    // None of the settings that change the game is set: the described game.
    bool Described() const
    {
        return screen == ScreenMode::Window && !scanMs && !dwellMs && speech == Speech::Off && task == Task::Match;
    }
    bool operator==(const AccessOptions&) const = default;
};

}  // namespace lumari
