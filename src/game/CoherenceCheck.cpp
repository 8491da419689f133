#include "game/CoherenceCheck.h"

#include "game/Catalogue.h"
#include "platform/ErrorTrap.h"
#include "platform/Runtime.h"

#include <QSet>

namespace lumari {
namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QString kRule = QString(50, u'-');

}  // namespace

QStringList WithoutCounterpart(const QStringList& names, const QStringList& others)
{
    QSet<QString> known;
    known.reserve(others.size());
    for (const QString& other : others) known.insert(other.toUpper());
    QStringList missing;
    for (const QString& name : names)
        if (!known.contains(name.toUpper())) missing << name;
    return missing;
}

QStringList WithoutCounterpartByScan(const QStringList& names, const QStringList& others)
{
    QStringList missing;
    for (const QString& name : names) {
        bool found = false;
        for (const QString& other : others)
            if (name.toUpper() == other.toUpper()) found = true;  // every one, as described: no early stop
        if (!found) missing << name;
    }
    return missing;
}

QString MissingReport(const QString& heading, const QStringList& missing)
{
    if (missing.isEmpty()) return QString();
    QString text = heading;
    for (const QString& name : missing) text += kCrLf + name;
    return text;
}

void ControllaCoerenza(Runtime& runtime, const Catalogue& images, const Catalogue& symbols,
                       CounterpartMatcher matcher)
{
    ErrorTrap trap(runtime, QStringLiteral("ControllaCoerenza"));
    QString report;

    trap([&] { runtime.FileOpenOutput(runtime.AppPath() + QStringLiteral("\\LumariCheck.log")); });
    trap([&] { runtime.FilePrint(kCrLf + QStringLiteral("Data check on ") + runtime.Today() + kCrLf); });
    trap([&] { runtime.FilePrint(kCrLf + kRule + kCrLf); });

    trap([&] {
        report = MissingReport(QStringLiteral("These images have no correspondant symbol:"),
                               matcher(images.Names(), symbols.Names()));
    });
    if (!report.isEmpty()) {
        trap([&] { runtime.MsgBox(report, mb::Critical, QStringLiteral("WARNING !!!")); });
        trap([&] { runtime.FilePrint(kCrLf + report + kCrLf); });
    } else {
        trap([&] { runtime.FilePrint(kCrLf + QStringLiteral("Images OK !") + kCrLf); });
    }

    trap([&] { runtime.FilePrint(kCrLf + kRule + kCrLf); });

    report.clear();
    trap([&] {
        report = MissingReport(QStringLiteral("These symbols have no correspondant image:"),
                               matcher(symbols.Names(), images.Names()));
    });
    if (!report.isEmpty()) {
        trap([&] { runtime.MsgBox(report, mb::Information, QStringLiteral("Information")); });
        trap([&] { runtime.FilePrint(kCrLf + report); });
    } else {
        trap([&] { runtime.FilePrint(kCrLf + QStringLiteral("Symbols OK !") + kCrLf); });
    }

    trap([&] { runtime.FileClose(); });
}

}  // namespace lumari
