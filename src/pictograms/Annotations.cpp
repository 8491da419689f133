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

    void Read(const QString& path)
    {
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
        if (tts) {
            if (text == kInherited) return;
            if (words.name.isEmpty()) words.name = text;
            if (!words.names.contains(text)) words.names << text;
            return;
        }
        for (const QString& part : text.split(QLatin1Char('|'))) {
            const QString keyword = part.trimmed();
            if (!keyword.isEmpty() && keyword != kInherited && !words.keywords.contains(keyword)) words.keywords << keyword;
        }
    }

    PictogramWords& Find(const QString& emoji)
    {
        auto found = index_.constFind(emoji);
        if (found == index_.cend()) {
            found = index_.insert(emoji, set_.pictograms.size());
            set_.pictograms.push_back(PictogramWords{emoji, {}, {}, {}});
        }
        return set_.pictograms[std::size_t(found.value())];
    }

    AnnotationSet& set_;
    QHash<QString, std::size_t> index_;
};

}  // namespace

QStringList AnnotationLanguages(const QStringList& uiLanguages)
{
    // "it-IT" gives "it_IT" and "it": a regional file (de_CH, en_GB) only
    // holds what differs, so it comes before its language's own file.
    // English, where the user does not name it, comes last.
    QStringList languages;
    for (QString tag : uiLanguages) {
        tag.replace(QLatin1Char('-'), QLatin1Char('_'));
        for (; !tag.isEmpty() && tag != QLatin1String("C"); tag.truncate(std::max<qsizetype>(tag.lastIndexOf(QLatin1Char('_')), 0)))
            if (!languages.contains(tag)) languages << tag;
    }
    if (!languages.contains(QStringLiteral("en"))) languages << QStringLiteral("en");
    const QStringList found = languages;
    auto base = [&](const QString& tag) { return found.indexOf(tag.section(QLatin1Char('_'), 0, 0)); };
    std::stable_sort(languages.begin(), languages.end(), [&](const QString& a, const QString& b) {
        return base(a) != base(b) ? base(a) < base(b) : a.count(QLatin1Char('_')) > b.count(QLatin1Char('_'));
    });
    return languages;
}

AnnotationSet ReadAnnotations(const QString& root, const QStringList& languages,
                              const std::function<bool(const QString&)>& drawable)
{
    AnnotationSet set;
    Merger merger(set);
    for (const QString& language : languages) {
        merger.Read(root + QStringLiteral("/annotations/") + language + QStringLiteral(".xml"));
        merger.Read(root + QStringLiteral("/annotationsDerived/") + language + QStringLiteral(".xml"));
    }
    std::erase_if(set.pictograms, [&](PictogramWords& p) {
        if (p.name.isEmpty() && !p.keywords.isEmpty()) p.name = p.keywords.first();
        return p.name.isEmpty() || (drawable && !drawable(p.emoji));
    });
    return set;
}

}  // namespace lumari
