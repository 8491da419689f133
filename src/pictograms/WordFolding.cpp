#include "pictograms/WordFolding.h"

#include <QHash>

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

namespace lumari {
namespace {

QString Decomposed(const QString& text)
{
    return text.toCaseFolded().replace(QChar(0x00DF), QLatin1String("ss")).normalized(QString::NormalizationForm_D);
}

bool WordAccentsAgree(const QString& typed, const QString& term)
{
    // The term with only the accents that were typed where they were typed.
    const QString t = Decomposed(typed), m = Decomposed(term);
    QString kept;
    for (const QChar c : m) {
        const bool mark = c.category() == QChar::Mark_NonSpacing;
        if (!mark || (kept.size() < t.size() && t[kept.size()] == c)) kept.append(c);
    }
    return kept == t;
}

}  // namespace

bool AccentsAgree(const QString& typed, const QString& term)
{
    auto words = [](const QString& text) { return Words(text.normalized(QString::NormalizationForm_C).toCaseFolded()); };
    const QStringList t = words(typed), m = words(term);
    if (t.size() != m.size()) return false;
    for (qsizetype i = 0; i < t.size(); ++i)
        if (!WordAccentsAgree(t[i], m[i])) return false;
    return true;
}

QStringList PluralForms(const QString& language, const QString& folded)
{
    static const QHash<QString, QStringList> endings = {
        {QStringLiteral("en"), {QStringLiteral("s"), QStringLiteral("es")}},
        {QStringLiteral("fr"), {QStringLiteral("s"), QStringLiteral("x")}},
        {QStringLiteral("es"), {QStringLiteral("s"), QStringLiteral("es")}},
        {QStringLiteral("de"), {QStringLiteral("e"), QStringLiteral("n"), QStringLiteral("en"), QStringLiteral("er"), QStringLiteral("s")}},
    };
    QStringList forms;
    for (const QString& ending : endings.value(language)) forms << folded + ending;
    // Italian changes the last vowel: calzino → calzini, mela → mele.
    if (language == QLatin1String("it") && folded.size() > 2) {
        const QChar last = folded.back();
        if (last == QLatin1Char('o') || last == QLatin1Char('e')) forms << folded.chopped(1) + QLatin1Char('i');
        if (last == QLatin1Char('a')) forms << folded.chopped(1) + QLatin1Char('e');
    }
    return forms;
}

}  // namespace lumari
