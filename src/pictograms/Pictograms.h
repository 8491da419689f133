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
// given languages. Matching ignores letter case and accents; exact names
// rank above keywords, whole words above prefixes. Safe to search from
// several threads once loaded.
class PictogramIndex {
public:
    // Where Debian installs the annotations.
    static QString DefaultRoot();
    // The user's languages (from the system locale) followed by English.
    static QStringList DefaultLanguages();

    // Reads the annotations of the languages under root. Never throws: a
    // missing folder or file leaves those words out, and missing() says why.
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

    // The pictograms whose words match what the adult typed, best first.
    std::vector<PictogramMatch> Search(const QString& typed, int limit) const;
    // The pictogram to propose for a pair's name: the best one whose exact
    // name or keyword equals the name as a whole word; none otherwise.
    std::optional<Pictogram> Best(const QString& pairName) const;

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
