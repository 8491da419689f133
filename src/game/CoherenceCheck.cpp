#include "game/CoherenceCheck.h"

#include "game/Catalogue.h"
#include "platform/ErrorTrap.h"
#include "state/SetLayout.h"

#include <QSet>

namespace lumari {
namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QString kRule = QString(50, u'-');

}  // namespace

QString MissingReport(const QString& heading, const QStringList& missing)
{
    if (missing.isEmpty()) return QString();
    QString text = heading;
    for (const QString& name : missing) text += kCrLf + name;
    return text;
}

void ControllaCoerenza(const Services& services, const Catalogue& images, const Catalogue& symbols)
{
    ErrorTrap trap(services.boxes, QStringLiteral("ControllaCoerenza"));
    LogOutput& log = services.log;
    QString report;

    trap([&] { log.Open(SetLayout(services.files.AppPath()).CheckLog()); });
    trap([&] { log.Print(kCrLf + QStringLiteral("Data check on ") + services.clock.Today() + kCrLf); });
    trap([&] { log.Print(kCrLf + kRule + kCrLf); });

    trap([&] {
        report = MissingReport(QStringLiteral("These images have no correspondant symbol:"),
                               WithoutCounterpart(images.Names(), symbols.Names()));
    });
    if (!report.isEmpty()) {
        services.boxes.MsgBox(report, mb::Critical, QStringLiteral("WARNING !!!"));
        trap([&] { log.Print(kCrLf + report + kCrLf); });
    } else {
        trap([&] { log.Print(kCrLf + QStringLiteral("Images OK !") + kCrLf); });
    }

    trap([&] { log.Print(kCrLf + kRule + kCrLf); });

    report.clear();
    trap([&] {
        report = MissingReport(QStringLiteral("These symbols have no correspondant image:"),
                               WithoutCounterpart(symbols.Names(), images.Names()));
    });
    if (!report.isEmpty()) {
        services.boxes.MsgBox(report, mb::Information, QStringLiteral("Information"));
        trap([&] { log.Print(kCrLf + report); });
    } else {
        trap([&] { log.Print(kCrLf + QStringLiteral("Symbols OK !") + kCrLf); });
    }

    log.Close();
}

}  // namespace lumari
