#include "pictograms/WordFolding.h"

namespace lumari {

QString Fold(const QString& text)
{
    const QString decomposed = text.normalized(QString::NormalizationForm_D);
    QString bare;
    bare.reserve(decomposed.size());
    for (const QChar c : decomposed)
        if (c.category() != QChar::Mark_NonSpacing) bare.append(c);
    // Simple case folding keeps "ß"; full folding, which "Strasse" needs, makes it "ss".
    return bare.toCaseFolded().replace(QChar(0x00DF), QLatin1String("ss"));
}

QStringList Words(const QString& folded)
{
    QStringList words;
    qsizetype start = -1;
    for (qsizetype i = 0; i <= folded.size(); ++i) {
        const bool inWord = i < folded.size() && (folded[i].isLetterOrNumber() || folded[i].isSurrogate());
        if (inWord && start < 0) start = i;
        if (!inWord && start >= 0) words << folded.mid(start, i - start), start = -1;
    }
    return words;
}

QString WithoutTrailingNumber(const QString& name)
{
    const QString trimmed = name.trimmed();
    qsizetype end = trimmed.size();
    while (end > 0 && trimmed[end - 1].isDigit()) --end;
    if (end == trimmed.size() || end == 0 || !trimmed[end - 1].isSpace()) return trimmed;
    const QString rest = trimmed.left(end).trimmed();
    return rest.isEmpty() ? trimmed : rest;
}

}  // namespace lumari
