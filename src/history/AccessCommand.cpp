#include "history/AccessCommand.h"

#include "history/HistoryText.h"

#include <QCommandLineParser>
#include <QTextStream>

namespace lumari {
namespace {

using namespace access_limits;

constexpr const char* kOptions[] = {"screen", "scan", "scan-mode", "scan-keys", "debounce", "dwell", "speak", "task"};

// "off" (no number), or a whole number of ms from least to most; false for anything else.
bool OffOrMs(const QString& text, int least, int most, std::optional<int>& setting)
{
    if (text.trimmed().compare(QStringLiteral("off"), Qt::CaseInsensitive) == 0) {
        setting.reset();
        return true;
    }
    bool ok = false;
    const int ms = text.trimmed().toInt(&ok);
    if (!ok || ms < least || ms > most) return false;
    setting = ms;
    return true;
}

QString OffOr(const std::optional<int>& ms) { return ms ? QString::number(*ms) : QStringLiteral("off"); }

}  // namespace

void AddAccessOptions(QCommandLineParser& parser)
{
    for (const char* name : kOptions)
        parser.addOption(QCommandLineOption(QString::fromLatin1(name), QString(), QStringLiteral("value")));
}

std::variant<AccessOptions, QString> AppliedAccess(AccessOptions access, const QCommandLineParser& parser)
{
    AccessValues values;
    for (const char* name : kOptions)
        if (parser.isSet(QString::fromLatin1(name))) values.insert(QString::fromLatin1(name), parser.value(QString::fromLatin1(name)));
    return AppliedAccess(access, values);
}

std::variant<AccessOptions, QString> AppliedAccess(AccessOptions access, const AccessValues& values)
{
    auto given = [&](const char* name) { return values.contains(QString::fromLatin1(name)); };
    auto value = [&](const char* name) { return values.value(QString::fromLatin1(name)); };
    if (given("screen")) {
        const auto screen = ScreenModeNamed(value("screen"));
        if (!screen) return HistoryText::tr("The screen is window or full, not %1.").arg(value("screen"));
        access.screen = *screen;
    }
    for (const auto& [name, setting] : {std::pair{"scan", &access.scanMs}, std::pair{"dwell", &access.dwellMs}}) {
        if (!given(name)) continue;
        if (!OffOrMs(value(name), kShortestStepMs, kLongestStepMs, *setting))
            return HistoryText::tr("--%1 is off or a whole number of ms from %2 to %3, not %4.")
                .arg(QString::fromLatin1(name)).arg(kShortestStepMs).arg(kLongestStepMs).arg(value(name));
    }
    if (given("scan-mode")) {
        const auto mode = ScanModeNamed(value("scan-mode"));
        if (!mode) return HistoryText::tr("The scan mode is auto or step, not %1.").arg(value("scan-mode"));
        access.scanMode = *mode;
    }
    if (given("scan-keys")) {
        const auto keys = ScanKeysNamed(value("scan-keys"));
        if (!keys)
            return HistoryText::tr("The scan keys are default, or select=KEY[+KEY...] and step=KEY[+KEY...] "
                                   "joined by a comma, with no key in both (keys such as Space, Return, 1, F5, Comma), "
                                   "not %1.").arg(value("scan-keys"));
        access.scanKeys = *keys;
    }
    if (given("debounce")) {
        bool ok = false;
        const int ms = value("debounce").trimmed().toInt(&ok);
        if (!ok || ms < 0 || ms > kLongestDebounceMs)
            return HistoryText::tr("The debounce is a whole number of ms from 0 to %1, not %2.")
                .arg(kLongestDebounceMs).arg(value("debounce"));
        access.debounceMs = ms;
    }
    if (given("speak")) {
        const auto speech = SpeechNamed(value("speak"));
        if (!speech) return HistoryText::tr("Speaking is off or word, not %1.").arg(value("speak"));
        access.speech = *speech;
    }
    if (given("task")) {
        const auto task = TaskNamed(value("task"));
        if (!task) return HistoryText::tr("The task is match or spoken, not %1.").arg(value("task"));
        access.task = *task;
    }
    return access;
}

void PrintAccess(QTextStream& out, const AccessOptions& access)
{
    out << "screen: " << ScreenModeName(access.screen) << '\n'
        << "scan: " << OffOr(access.scanMs) << '\n'
        << "scan-mode: " << ScanModeName(access.scanMode) << '\n'
        << "scan-keys: " << ScanKeysName(access.scanKeys) << '\n'
        << "debounce: " << access.debounceMs << '\n'
        << "dwell: " << OffOr(access.dwellMs) << '\n'
        << "speak: " << SpeechName(access.speech) << '\n'
        << "task: " << TaskName(access.task) << '\n';
}

}  // namespace lumari
