#include "game/AccessOptions.h"

#include <QKeySequence>

#include <array>
#include <utility>

namespace lumari {
namespace {

template <typename Enum, std::size_t N>
std::optional<Enum> Named(const std::array<std::pair<Enum, const char*>, N>& names, const QString& name)
{
    for (const auto& [value, text] : names)
        if (name.compare(QLatin1String(text), Qt::CaseInsensitive) == 0) return value;
    return std::nullopt;
}

template <typename Enum, std::size_t N>
QString NameOf(const std::array<std::pair<Enum, const char*>, N>& names, Enum value)
{
    for (const auto& [known, text] : names)
        if (known == value) return QString::fromLatin1(text);
    return QString();
}

constexpr std::array kScreens = {std::pair{ScreenMode::Window, "window"}, std::pair{ScreenMode::Full, "full"}};
constexpr std::array kScanModes = {std::pair{ScanMode::Auto, "auto"}, std::pair{ScanMode::Step, "step"}};
constexpr std::array kSpeech = {std::pair{Speech::Off, "off"}, std::pair{Speech::Word, "word"}};
constexpr std::array kTasks = {std::pair{Task::Match, "match"}, std::pair{Task::Spoken, "spoken"}};

// The two keys that separate the list's own parts go by a name.
constexpr std::array kSeparatorKeys = {std::pair{int(Qt::Key_Comma), "Comma"}, std::pair{int(Qt::Key_Plus), "Plus"},
                                       std::pair{int(Qt::Key_Equal), "Equal"}};

std::optional<QList<int>> KeyList(const QString& text)
{
    QList<int> keys;
    for (const QString& name : text.split(QLatin1Char('+'))) {
        const auto key = KeyNamed(name);
        if (!key) return std::nullopt;
        if (!keys.contains(*key)) keys << *key;
    }
    return keys;
}

QString KeyListName(const QList<int>& keys)
{
    QStringList names;
    for (int key : keys) names << KeyName(key);
    return names.join(QLatin1Char('+'));
}

}  // namespace

QString ScreenModeName(ScreenMode mode) { return NameOf(kScreens, mode); }
std::optional<ScreenMode> ScreenModeNamed(const QString& name) { return Named(kScreens, name); }
QString ScanModeName(ScanMode mode) { return NameOf(kScanModes, mode); }
std::optional<ScanMode> ScanModeNamed(const QString& name) { return Named(kScanModes, name); }
QString SpeechName(Speech speech) { return NameOf(kSpeech, speech); }
std::optional<Speech> SpeechNamed(const QString& name) { return Named(kSpeech, name); }
QString TaskName(Task task) { return NameOf(kTasks, task); }
std::optional<Task> TaskNamed(const QString& name) { return Named(kTasks, name); }

QList<int> ScanKeys::Select(ScanMode mode) const
{
    if (select) return *select;
    if (mode == ScanMode::Auto) return {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter};
    return {Qt::Key_Return, Qt::Key_Enter};
}

QList<int> ScanKeys::Step(ScanMode mode) const
{
    if (step) return *step;
    if (mode == ScanMode::Auto) return {};
    return {Qt::Key_Space};
}

std::optional<int> KeyNamed(const QString& name)
{
    const QString trimmed = name.trimmed();
    for (const auto& [key, text] : kSeparatorKeys)
        if (trimmed.compare(QLatin1String(text), Qt::CaseInsensitive) == 0) return key;
    if (trimmed.isEmpty() || trimmed.contains(QLatin1Char(',')) || trimmed.contains(QLatin1Char('+'))) return std::nullopt;
    const QKeySequence sequence = QKeySequence::fromString(trimmed, QKeySequence::PortableText);
    if (sequence.count() != 1) return std::nullopt;
    const QKeyCombination combination = sequence[0];
    if (combination.keyboardModifiers() != Qt::NoModifier || combination.key() == Qt::Key_unknown) return std::nullopt;
    return int(combination.key());
}

QString KeyName(int key)
{
    for (const auto& [known, text] : kSeparatorKeys)
        if (known == key) return QString::fromLatin1(text);
    return QKeySequence(key).toString(QKeySequence::PortableText);
}

std::optional<ScanKeys> ScanKeysNamed(const QString& text)
{
    ScanKeys keys;
    if (text.trimmed().compare(QStringLiteral("default"), Qt::CaseInsensitive) == 0) return keys;
    for (const QString& part : text.split(QLatin1Char(','))) {
        const qsizetype equal = part.indexOf(QLatin1Char('='));
        if (equal < 0) return std::nullopt;
        const QString role = part.left(equal).trimmed();
        const auto list = KeyList(part.mid(equal + 1));
        if (!list) return std::nullopt;
        if (role.compare(QStringLiteral("select"), Qt::CaseInsensitive) == 0 && !keys.select)
            keys.select = *list;
        else if (role.compare(QStringLiteral("step"), Qt::CaseInsensitive) == 0 && !keys.step)
            keys.step = *list;
        else
            return std::nullopt;
    }
    // One key cannot both select and step.
    if (keys.select && keys.step)
        for (int key : *keys.select)
            if (keys.step->contains(key)) return std::nullopt;
    return keys;
}

QString ScanKeysName(const ScanKeys& keys)
{
    QStringList parts;
    if (keys.select) parts << QStringLiteral("select=") + KeyListName(*keys.select);
    if (keys.step) parts << QStringLiteral("step=") + KeyListName(*keys.step);
    return parts.isEmpty() ? QStringLiteral("default") : parts.join(QLatin1Char(','));
}

}  // namespace lumari
