#include "PlainCheck.h"

#include "game/Catalogue.h"
#include "game/CoherenceCheck.h"
#include "platform/ErrorTrap.h"
#include "state/SetLayout.h"

namespace lumari::bench {

QStringList WithoutCounterpartByScan(const QStringList& names, const QStringList& others)
{
    QStringList missing;
    for (const QString& name : names) {
        bool found = false;
        for (const QString& other : others)
            if (name.toUpper() == other.toUpper()) found = true;
        if (!found) missing << name;
    }
    return missing;
}

void ControllaCoerenzaByScan(const Services& services, const Catalogue& images, const Catalogue& symbols)
{
    const QString crLf = QStringLiteral("\r\n");
    const QString rule = QString(50, u'-');
    ErrorTrap trap(services.boxes, QStringLiteral("ControllaCoerenza"));
    LogOutput& log = services.log;
    QString report;

    trap([&] { log.Open(SetLayout(services.files.AppPath()).CheckLog()); });
    trap([&] { log.Print(crLf + QStringLiteral("Data check on ") + services.clock.Today() + crLf); });
    trap([&] { log.Print(crLf + rule + crLf); });

    trap([&] {
        report = MissingReport(QStringLiteral("These images have no correspondant symbol:"),
                               WithoutCounterpartByScan(images.Names(), symbols.Names()));
    });
    if (!report.isEmpty()) {
        services.boxes.MsgBox(report, mb::Critical, QStringLiteral("WARNING !!!"));
        trap([&] { log.Print(crLf + report + crLf); });
    } else {
        trap([&] { log.Print(crLf + QStringLiteral("Images OK !") + crLf); });
    }

    trap([&] { log.Print(crLf + rule + crLf); });

    report.clear();
    trap([&] {
        report = MissingReport(QStringLiteral("These symbols have no correspondant image:"),
                               WithoutCounterpartByScan(symbols.Names(), images.Names()));
    });
    if (!report.isEmpty()) {
        services.boxes.MsgBox(report, mb::Information, QStringLiteral("Information"));
        trap([&] { log.Print(crLf + report); });
    } else {
        trap([&] { log.Print(crLf + QStringLiteral("Symbols OK !") + crLf); });
    }

    log.Close();
}

}  // namespace lumari::bench
