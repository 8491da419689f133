#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

namespace lumari {

// A pictogram of the colour emoji font: its character sequence and its name
// (the CLDR "tts" name, in the first language that names it).
struct Pictogram {
    QString emoji;
    QString name;
};

// The pictograms found by a word, best first.
struct PictogramMatch {
    Pictogram pictogram;
    int score = 0;  // higher is better; only the order is meaningful
};

// The words of every pictogram, read from the Unicode CLDR annotations
// (annotations/ and annotationsDerived/ of Debian's unicode-cldr-core), in the
// given languages, the first before the others. Skin-tone and gender
// variants are found as their base pictogram; Variants() lists them.
// Matching ignores letter case and accents; exact names rank above keywords,
// whole words above prefixes. Safe to search from several threads once loaded.
class PictogramIndex {
public:
    // Where Debian installs the annotations.
    static QString DefaultRoot();
    // The user's interface languages (from the system locale) followed by
    // English, as language tags ("it-IT", "en"); the C and POSIX locales are English.
    static QStringList DefaultLanguages();

    // Reads the annotations of the languages under root: codes such as
    // {"it", "en"}, the words of a set, each with its regional files when
    // given as "de-CH". Never throws: a missing folder or file leaves those
    // words out, and missing() says why.
    static PictogramIndex Load(const QString& root, const QStringList& languages);

    PictogramIndex();
    ~PictogramIndex();
    PictogramIndex(PictogramIndex&&) noexcept;
    PictogramIndex& operator=(PictogramIndex&&) noexcept;

    // Whether any word was read.
    bool available() const noexcept;
    // When nothing was read: a sentence for the adult naming the package to
    // install ("unicode-cldr-core"); "" otherwise.
    QString missing() const;

    // The languages searched, as codes, first first.
    QStringList languages() const;

    // The base pictograms whose words match what the adult typed, best
    // first; within a score, words of an earlier language first. Empty when
    // nothing matched.
    std::vector<PictogramMatch> Search(const QString& typed, int limit) const;
    // The pictogram to propose for a pair's name, or none when no pictogram
    // is plainly what the name says. The first language that has the name
    // as a whole name or keyword decides; there, a pictogram named by it
    // comes first, then one whose name holds it (first, in Italian, French
    // and Spanish: "gato enfadado" is a cat), never one by a keyword alone.
    // The everyday words of young children decide by a curated table first
    // (FirstWords.h). People are proposed only by their own name (a woman's
    // or man's name gives the person), signs only when no thing has the
    // word. Accents typed must agree ("papá" is not "papa"), and a regular
    // plural is found too.
    std::optional<Pictogram> Best(const QString& pairName) const;
    // A base pictogram and its skin-tone and gender variants, the base
    // first; the variant's base and its siblings for a variant; empty for
    // an emoji the index does not have.
    std::vector<Pictogram> Variants(const QString& emoji) const;

private:
    struct Data;
    std::unique_ptr<Data> d_;
};

// Draws pictograms with the colour emoji font (Debian fonts-noto-color-emoji).
class PictogramPainter {
public:
    // Whether the colour emoji font is installed.
    static bool FontAvailable();
    // When it is not: a sentence naming the package to install; "" otherwise.
    static QString Missing();
    // The pictogram centred on white, filling most of the canvas; a null
    // image when the font is missing. Needs a QGuiApplication.
    static QImage Draw(const QString& emoji, QSize canvas = QSize(600, 600));
};

}  // namespace lumari
