#include "pictograms/Annotations.h"

#include <QFile>
#include <QHash>
#include <QXmlStreamReader>

#include <algorithm>

namespace lumari {
namespace {

// What a regional file writes for "the same as the language's own file".
const QString kInherited = QStringLiteral("↑↑↑");

class Merger {
public:
    explicit Merger(AnnotationSet& set) : set_(set) {}

    void Read(const QString& path, int language)
    {
        language_ = language;
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) return;
        ++set_.filesRead;
        QXmlStreamReader xml(&file);
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != QLatin1String("annotation")) continue;
            const QString emoji = xml.attributes().value(QLatin1String("cp")).toString();
            const bool tts = xml.attributes().value(QLatin1String("type")) == QLatin1String("tts");
            const QString text = xml.readElementText(QXmlStreamReader::SkipChildElements).trimmed();
            if (!emoji.isEmpty() && !text.isEmpty()) Add(emoji, tts, text);
        }
    }

private:
    void Add(const QString& emoji, bool tts, const QString& text)
    {
        PictogramWords& words = Find(emoji);
        if (words.byLanguage.size() <= std::size_t(language_)) words.byLanguage.resize(std::size_t(language_) + 1);
        LanguageWords& own = words.byLanguage[std::size_t(language_)];
        if (tts) {
            if (text == kInherited) return;
            if (words.name.isEmpty()) words.name = text;
            if (!words.names.contains(text)) words.names << text;
            if (own.name.isEmpty()) own.name = text;
            return;
        }
        for (const QString& part : text.split(QLatin1Char('|'))) {
            const QString keyword = part.trimmed();
            if (keyword.isEmpty() || keyword == kInherited) continue;
            if (!words.keywords.contains(keyword)) words.keywords << keyword;
            if (!own.keywords.contains(keyword)) own.keywords << keyword;
        }
    }

    PictogramWords& Find(const QString& emoji)
    {
        auto found = index_.constFind(emoji);
        if (found == index_.cend()) {
            found = index_.insert(emoji, set_.pictograms.size());
            set_.pictograms.push_back(PictogramWords{emoji, {}, {}, {}, {}});
        }
        return set_.pictograms[std::size_t(found.value())];
    }

    AnnotationSet& set_;
    QHash<QString, std::size_t> index_;
    int language_ = 0;
};

}  // namespace

static QString Language(const QString& file) { return file.section(QLatin1Char('_'), 0, 0); }

QStringList AnnotationFiles(const QStringList& languages)
{
    QStringList files;
    for (QString tag : languages) {
        tag.replace(QLatin1Char('-'), QLatin1Char('_'));
        if (tag == QLatin1String("C") || tag == QLatin1String("POSIX") || tag.startsWith(QLatin1String("C."))) tag = QStringLiteral("en");
        for (; !tag.isEmpty(); tag.truncate(std::max<qsizetype>(tag.lastIndexOf(QLatin1Char('_')), 0)))
            if (!files.contains(tag)) files << tag;
    }
    const QStringList found = files;
    auto base = [&](const QString& tag) { return found.indexOf(Language(tag)); };
    std::stable_sort(files.begin(), files.end(), [&](const QString& a, const QString& b) {
        return base(a) != base(b) ? base(a) < base(b) : a.count(QLatin1Char('_')) > b.count(QLatin1Char('_'));
    });
    return files;
}

QStringList AnnotationLanguages(const QStringList& uiLanguages)
{
    // English, where the user does not name it, comes last.
    return AnnotationFiles(uiLanguages + QStringList{QStringLiteral("en")});
}

AnnotationSet ReadAnnotations(const QString& root, const QStringList& languages,
                              const std::function<bool(const QString&)>& drawable)
{
    AnnotationSet set;
    Merger merger(set);
    for (const QString& language : languages) {
        if (!set.languages.contains(Language(language))) set.languages << Language(language);
        const int rank = int(set.languages.indexOf(Language(language)));
        merger.Read(root + QStringLiteral("/annotations/") + language + QStringLiteral(".xml"), rank);
        merger.Read(root + QStringLiteral("/annotationsDerived/") + language + QStringLiteral(".xml"), rank);
    }
    for (PictogramWords& p : set.pictograms) p.byLanguage.resize(std::size_t(set.languages.size()));
    std::erase_if(set.pictograms, [&](PictogramWords& p) {
        if (p.name.isEmpty() && !p.keywords.isEmpty()) p.name = p.keywords.first();
        return p.name.isEmpty() || (drawable && !drawable(p.emoji));
    });
    return set;
}

}  // namespace lumari
