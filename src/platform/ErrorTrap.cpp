#include "platform/ErrorTrap.h"

#include <QCoreApplication>

namespace lumari {

void ErrorTrap::Report(const RuntimeError& error) const
{
    boxes_.MsgBox(MessageText(error.description(), name_, kind_), mb::Critical);
}

QString ErrorTrap::MessageText(const QString& description, const QString& name, Kind kind)
{
    return QStringLiteral("Error \"%1\" in %2() %3")
        .arg(description, name, kind == Kind::Function ? QStringLiteral("function") : QStringLiteral("routine"));
}

void ReportUntrapped(Boxes& boxes, const RuntimeError& error)
{
    boxes.MsgBox(QStringLiteral("Run-time error '%1':\r\n\r\n%2").arg(error.number()).arg(error.description()),
                 mb::Critical);
    QCoreApplication::exit(1);
}

}  // namespace lumari
