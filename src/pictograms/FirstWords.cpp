#include "pictograms/FirstWords.h"

#include "pictograms/WordFolding.h"

#include <QHash>

namespace lumari {
namespace {

// One concept: its pictogram ("" for none) and its words in English,
// Italian, German, French and Spanish, spellings separated by "|".
struct Row {
    const char* emoji;
    const char* words[5];
};

const char* const kLanguages[5] = {"en", "it", "de", "fr", "es"};

// The words children learn first, where the rules over CLDR alone propose
// nothing or a wrong picture: CLDR names the thing by another word (🚗 is
// "automobile", ✈ "airplane"), gives the word to several pictograms alike
// (red and green apple, the moon's phases, many balls), or holds it for a
// rarer meaning (⚓ "ancora", 🥧 "torta", 🍶 "Tasse"). Words with no right
// picture (big, small, table) propose none. Kept to that vocabulary.
const Row kRows[] = {
    {"👩", {"mum|mummy|mom|mommy", "mamma", "Mama|Mutti", "maman", "mamá|mami"}},
    {"👨", {"dad|daddy", "papà|babbo", "Papa|Vati", "papa", "papá"}},
    {"👶", {"", "bambino|bebè|neonato", "", "", ""}},
    {"👦", {"", "ragazzo", "", "", ""}},
    {"👧", {"", "ragazza", "", "", ""}},
    {"💧", {"water", "", "Wasser", "", "agua"}},
    {"🍎", {"apple", "mela", "Apfel", "pomme", "manzana"}},
    {"🍞", {"", "pane", "", "", ""}},
    {"🎂", {"", "torta", "Kuchen", "", "pastel|tarta"}},
    {"🧀", {"", "", "Käse", "", ""}},
    {"🧃", {"juice", "succo", "Saft", "jus", "zumo|jugo"}},
    {"🍪", {"", "", "", "biscuit", ""}},
    {"🍦", {"", "", "Eis", "", ""}},
    {"🐑", {"sheep", "", "", "", ""}},
    {"🚗", {"car", "macchina", "", "", ""}},
    {"🚌", {"", "autobus", "", "", ""}},
    {"✈", {"plane|aeroplane", "aereo", "", "", ""}},
    {"⛵", {"", "barca", "Boot", "", ""}},
    {"🚲", {"bike|bicycle", "", "", "", ""}},
    {"👞", {"", "", "Schuh", "chaussure", "zapato"}},
    {"🎩", {"", "cappello", "Hut", "", "sombrero"}},
    {"🧦", {"", "", "", "", "calcetín"}},
    {"👕", {"shirt", "", "Hemd", "chemise", "camisa"}},
    {"☕", {"cup", "", "Tasse", "", ""}},
    {"⚽", {"ball", "palla", "Ball", "balle|ballon", "pelota"}},
    {"📖", {"book", "libro", "Buch", "livre", "libro"}},
    {"🌙", {"moon", "luna", "Mond", "lune", "luna"}},
    {"🌳", {"tree", "albero", "Baum", "arbre", "árbol"}},
    {"🌸", {"flower", "", "Blume", "fleur", ""}},
    {"🌧", {"", "", "Regen", "", ""}},
    {"❄", {"snow", "", "Schnee", "neige", "nieve"}},
    {"🍽", {"eat", "mangiare", "essen", "manger", "comer"}},
    {"🥤", {"", "bere", "trinken", "boire", "beber"}},
    {"😴", {"sleep", "dormire", "", "dormir", "dormir"}},
    {"😀", {"happy", "felice", "glücklich|froh", "heureux|heureuse|content", "feliz"}},
    {"😢", {"sad", "triste", "traurig", "triste", "triste"}},
    {"👋", {"hello|hi", "ciao", "hallo", "bonjour|salut", "hola"}},
    {"👍", {"yes", "sì", "ja", "oui", "sí"}},
    {"👎", {"no", "no", "nein", "non", "no"}},
    {"🛑", {"stop", "stop", "Stopp|halt", "stop", ""}},
    // No right picture, and CLDR's would mislead: big (a dodo, a zany face), small (a zany face),
    // more (the anchor), table (table tennis), stop as "alto" (a loud speaker).
    {"", {"big", "grande", "groß", "grand", "grande"}},
    {"", {"", "", "", "petit", "pequeño"}},
    {"", {"", "ancora", "", "", ""}},
    {"", {"", "", "", "", "mesa|alto"}},
};

// Kept with accents: "papá" is dad where "papa" is a potato.
QString Key(const QString& words) { return Words(words.normalized(QString::NormalizationForm_C).toCaseFolded()).join(QLatin1Char(' ')); }

QHash<QString, QString> Table()
{
    QHash<QString, QString> table;
    for (const Row& row : kRows)
        for (int l = 0; l < 5; ++l)
            for (const QString& word : QString::fromUtf8(row.words[l]).split(QLatin1Char('|'), Qt::SkipEmptyParts))
                table.insert(QLatin1String(kLanguages[l]) + QLatin1Char(':') + Key(word), QString::fromUtf8(row.emoji));
    return table;
}

}  // namespace

std::optional<QString> FirstWordPictogram(const QString& language, const QString& word)
{
    static const QHash<QString, QString> table = Table();
    const auto found = table.constFind(language + QLatin1Char(':') + Key(word));
    return found == table.cend() ? std::nullopt : std::optional<QString>(found.value());
}

}  // namespace lumari
