#include "sets/PairNames.h"

#include <QRegularExpression>

namespace lumari {
namespace {

// Names cameras, phones, messengers and screenshot tools give their files:
// a maker's prefix and a number, with their usual additions (IMG_1234_HDR,
// IMG-20240101-WA0003, "IMG_1234 (1)"), dates, screenshots, "image (3)".
const QRegularExpression kCameraName(
    QStringLiteral("^(?:"
                   "(?:IMG|VID|MVIMG|PANO|BURST|DSC[FN]?|_DSC|SAM|CIMG|DJI|GOPR|GP|PXL|HPIM|KIF|SDC|_?MG|DCP|PICT|WP)"
                   "[ _-]?\\d[\\d _-]*"
                   "(?:[._~-](?:WA|BURST|COVER|HDR|PORTRAIT|MP|LS|NIGHT|PANO|EDIT|\\d)\\w*)*"
                   "|P\\d{7}"
                   "|\\d{8}[ _-]\\d{6}\\w*"
                   "|(?:Screenshot|Screen Shot|Bildschirmfoto|Capture d.écran|Schermata|Captura de pantalla)(?:[ _-].*)?"
                   "|WhatsApp Image(?: .*)?"
                   "|(?:image|photo|picture|untitled)[ _-]?(?:\\(\\d+\\)|\\d+)"
                   "|untitled|image"
                   ")(?: ?\\(\\d+\\))?$"),
    QRegularExpression::CaseInsensitiveOption);

const QString kUnsafe = QStringLiteral("/\\:*?\"<>|");

// Names Windows keeps for its devices, whatever follows their first dot.
const QRegularExpression kDeviceName(QStringLiteral("^(CON|PRN|AUX|NUL|COM[1-9]|LPT[1-9])(?:\\..*)?$"),
                                     QRegularExpression::CaseInsensitiveOption);

// Cuts to at most `length` characters without splitting a surrogate pair.
QString Cut(const QString& text, qsizetype length)
{
    if (text.size() <= length) return text;
    qsizetype end = length;
    if (end > 0 && text.at(end - 1).isHighSurrogate()) --end;
    return text.left(end);
}

// Trims blanks and dots from both ends: a leading dot hides the file and a
// trailing one is dropped by some file systems.
QString TrimEnds(QString name)
{
    name = name.trimmed();
    while (name.startsWith(u'.') || name.startsWith(u' ')) name.remove(0, 1);
    while (name.endsWith(u'.') || name.endsWith(u' ')) name.chop(1);
    return name;
}

}  // namespace

bool IsCameraName(const QString& baseName) { return kCameraName.match(baseName.trimmed()).hasMatch(); }

QString SafePairName(const QString& wanted)
{
    QString name;
    name.reserve(wanted.size());
    for (const QChar c : wanted) name += (kUnsafe.contains(c) || c.category() == QChar::Other_Control) ? u' ' : c;
    name = TrimEnds(name.simplified());
    name = TrimEnds(Cut(name, kMaxPairNameLength));
    const QRegularExpressionMatch device = kDeviceName.match(name);
    if (device.hasMatch()) name = Cut(name.insert(device.capturedEnd(1), u'_'), kMaxPairNameLength);
    return name;
}

TakenNames::TakenNames(const QStringList& names)
{
    upper_.reserve(names.size());
    for (const QString& name : names) Add(name);
}

QString TakenNames::Free(const QString& wanted) const
{
    if (!Contains(wanted)) return wanted;
    for (int n = 2;; ++n) {
        const QString suffix = u' ' + QString::number(n);
        const QString candidate = TrimEnds(Cut(wanted, kMaxPairNameLength - suffix.size())) + suffix;
        if (!Contains(candidate)) return candidate;
    }
}

QString PairNameOfFile(const QString& fileName)
{
    const qsizetype dot = fileName.lastIndexOf(u'.');
    const QString name = SafePairName(dot >= 0 ? fileName.left(dot) : fileName);
    return name.isEmpty() ? QStringLiteral("picture") : name;
}

}  // namespace lumari
