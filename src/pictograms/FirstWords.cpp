#include "pictograms/FirstWords.h"

#include "pictograms/WordFolding.h"

#include <QFile>
#include <QHash>
#include <QTextStream>

namespace lumari {
namespace {

const QStringList kLanguages = {QStringLiteral("en"), QStringLiteral("it"), QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("es")};

struct Entry {
    QString written;  // as the table spells it, for its accents
    QString emoji;    // "" to propose none
};

// By language and accent-free words: "arbol" still finds "árbol", but an
// accent typed must be there ("papá" is dad where "papa" is a potato).
using Table = QHash<QString, std::vector<Entry>>;

QString Key(const QString& language, const QString& words) { return language + QLatin1Char(':') + Words(Fold(words)).join(QLatin1Char(' ')); }

Table Read()
{
    Table table;
    QFile file(QStringLiteral(":/pictograms/FirstWords.tsv"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return table;
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QString line = in.readLine();
        const QStringList fields = line.split(QLatin1Char('\t'));
        if (line.startsWith(QLatin1Char('#')) || fields.size() != 2 + kLanguages.size()) continue;
        const QString emoji = fields[1] == QLatin1String("-") ? QString() : QString(fields[1]).remove(QChar(0xFE0F));
        for (int l = 0; l < kLanguages.size(); ++l)
            for (const QString& word : fields[2 + l].split(QLatin1Char('|'), Qt::SkipEmptyParts))
                table[Key(kLanguages[l], word)].push_back(Entry{word.normalized(QString::NormalizationForm_C), emoji});
    }
    return table;
}

// The singulars a regular plural may come from ("gatti" → "gatto", "Katzen" →
// "Katze"), for a set named in the plural; each is tried only where the
// table has it.
QStringList Singulars(const QString& language, const QString& word)
{
    QStringList forms;
    const auto strip = [&](std::initializer_list<const char*> endings) {
        for (const char* ending : endings)
            if (word.size() > int(qstrlen(ending)) + 2 && word.endsWith(QLatin1String(ending))) forms << word.chopped(int(qstrlen(ending)));
    };
    if (language == QLatin1String("en")) {
        strip({"s", "es"});
        if (word.endsWith(QLatin1String("ies"))) forms << word.chopped(3) + QLatin1Char('y');
    } else if (language == QLatin1String("fr")) {
        strip({"s", "x"});
    } else if (language == QLatin1String("es")) {
        strip({"s", "es"});
    } else if (language == QLatin1String("de")) {
        strip({"e", "n", "er", "s"});  // not "en": "kochen" is no "Koch"
    } else if (language == QLatin1String("it") && word.size() > 3) {
        const QString stem = word.chopped(1);
        if (word.endsWith(QLatin1Char('i'))) forms << stem + QLatin1Char('o') << stem + QLatin1Char('e');
        if (word.endsWith(QLatin1Char('e'))) forms << stem + QLatin1Char('a');
    }
    return forms;
}

std::optional<QString> Look(const Table& table, const QString& code, const QString& word);

}  // namespace

std::optional<QString> FirstWordPictogram(const QString& language, const QString& word)
{
    static const Table table = Read();
    const QString code = language.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0);
    if (const std::optional<QString> found = Look(table, code, word)) return found;
    for (const QString& singular : Singulars(code, word.trimmed()))
        if (const std::optional<QString> found = Look(table, code, singular)) return found;
    return std::nullopt;
}

namespace {

std::optional<QString> Look(const Table& table, const QString& code, const QString& word)
{
    const auto found = table.constFind(Key(code, word));
    if (found == table.cend()) return std::nullopt;
    // The spelling typed, letter case aside, before one it only agrees with.
    const QString typed = Words(word.normalized(QString::NormalizationForm_C).toCaseFolded()).join(QLatin1Char(' '));
    for (const Entry& e : *found)
        if (Words(e.written.toCaseFolded()).join(QLatin1Char(' ')) == typed) return e.emoji;
    for (const Entry& e : *found)
        if (AccentsAgree(word, e.written)) return e.emoji;
    return std::nullopt;
}

}  // namespace
}  // namespace lumari
