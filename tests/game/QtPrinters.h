#pragma once

// Readable failure messages for Qt strings and string lists.
#include <QString>
#include <QStringList>

#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QStringList& list, std::ostream* os)
{
    *os << "{";
    for (const QString& s : list) *os << " \"" << s.toStdString() << "\"";
    *os << " }";
}
inline void PrintTo(const QByteArray& bytes, std::ostream* os) { *os << '"' << bytes.toStdString() << '"'; }
