#include "pictograms/PictogramKinds.h"

#include <QFile>
#include <QTextStream>

#include <algorithm>

namespace lumari {
namespace {

constexpr char32_t kZwj = 0x200D, kFemale = 0x2640, kMale = 0x2642, kMan = 0x1F468, kWoman = 0x1F469, kPerson = 0x1F9D1;

bool SkinTone(char32_t c) { return c >= 0x1F3FB && c <= 0x1F3FF; }

QList<uint> Points(const QString& emoji)
{
    QList<uint> points = emoji.toUcs4();
    points.removeAll(0xFE0F);
    return points;
}

// The characters of a labels.txt set: "[😀-😆😉{👨‍⚕️}]".
QStringList SetMembers(const QString& set)
{
    QStringList members;
    const QList<uint> p = set.toUcs4();
    for (qsizetype i = 1; i + 1 < p.size(); ++i) {
        if (p[i] == '{') {
            const qsizetype end = p.indexOf('}', i);
            if (end < 0) break;
            members << QString::fromUcs4(reinterpret_cast<const char32_t*>(p.constData() + i + 1), end - i - 1);
            i = end;
        } else if (i + 3 < p.size() && p[i + 1] == '-') {
            for (uint c = p[i]; c <= p[i + 2]; ++c) members << QString::fromUcs4(reinterpret_cast<const char32_t*>(&c), 1);
            i += 2;
        } else {
            members << QString::fromUcs4(reinterpret_cast<const char32_t*>(&p[i]), 1);
        }
    }
    for (QString& m : members) m.remove(QChar(0xFE0F));
    return members;
}

}  // namespace

QString VariantBase(const QString& emoji, const std::function<bool(const QString&)>& known)
{
    QList<uint> p = Points(emoji);
    p.removeIf([](uint c) { return SkinTone(char32_t(c)); });
    for (qsizetype i = 0; i + 1 < p.size();)
        if (p[i] == kZwj && (p[i + 1] == kFemale || p[i + 1] == kMale)) p.remove(i, 2);
        else ++i;
    auto text = [](const QList<uint>& q) { return QString::fromUcs4(reinterpret_cast<const char32_t*>(q.constData()), q.size()); };
    if (p.size() > 1 && (p[0] == kMan || p[0] == kWoman) && p[1] == kZwj) {
        QList<uint> person = p;
        person[0] = kPerson;
        if (known(text(person))) return text(person);
    }
    const QString base = text(p);
    return base != emoji && known(base) ? base : emoji;
}

bool GenderVariant(const QString& emoji)
{
    const QList<uint> p = Points(emoji);
    for (qsizetype i = 0; i + 1 < p.size(); ++i)
        if (p[i] == kZwj && (p[i + 1] == kFemale || p[i + 1] == kMale)) return true;
    return p.size() > 1 && (p[0] == kMan || p[0] == kWoman) && p[1] == kZwj;
}

PictogramKinds::PictogramKinds(const QString& root)
{
    QFile file(root + QStringLiteral("/properties/labels.txt"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return;
    for (QTextStream in(&file); !in.atEnd();) {
        const QStringList fields = in.readLine().split(QLatin1Char(';'));
        if (fields.size() < 3 || !fields[0].trimmed().startsWith(QLatin1Char('['))) continue;
        const QString category = fields[1].trimmed(), sub = fields[2].trimmed();
        const PictogramKind kind{sub.startsWith(QLatin1String("person")) || sub == QLatin1String("family"),
                                 category == QLatin1String("Symbols") || category == QLatin1String("Flags")};
        for (const QString& member : SetMembers(fields[0].trimmed())) labelled_.insert(member, kind);
    }
}

PictogramKind PictogramKinds::Of(const QString& emoji) const
{
    PictogramKind kind = labelled_.value(QString(emoji).remove(QChar(0xFE0F)));
    const QList<uint> p = Points(emoji);
    // Men, women, children and people together, in any sequence.
    static const uint people[] = {0x1F466, 0x1F467, kMan, kWoman, 0x1F474, 0x1F475, 0x1F476, 0x1F46A, 0x1F46B,
                                  0x1F46C, 0x1F46D, 0x1F48F, 0x1F491, 0x1FAC2, 0x1F9D2, kPerson};
    kind.person = kind.person || std::any_of(p.begin(), p.end(), [](uint c) { return std::find(std::begin(people), std::end(people), c) != std::end(people); });
    kind.symbol = kind.symbol || (!p.isEmpty() && p.front() < 0x2000);
    return kind;
}

}  // namespace lumari
