#include "sets/Pairing.h"

#include <QSet>

namespace lumari {

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

}  // namespace lumari
