#include "teacher/picker/PictogramLanguages.h"

#include <QDir>
#include <QLocale>

#include <algorithm>

namespace lumari {

PictogramIndexes::PictogramIndexes(QString root) : root_(std::move(root)) {}

std::shared_ptr<const PictogramIndex> PictogramIndexes::For(const QStringList& languages) const
{
    const QString key = languages.join(QLatin1Char(','));
    {
        const QMutexLocker locked(&lock_);
        if (const auto found = read_.constFind(key); found != read_.cend()) return *found;
    }
    // Read unlocked: another list may be read meanwhile; the first one kept wins.
    auto index = std::make_shared<const PictogramIndex>(PictogramIndex::Load(root_, languages));
    const QMutexLocker locked(&lock_);
    return *read_.insert(key, read_.value(key, index));
}

QStringList PictogramIndexes::Installed() const
{
    QStringList codes;
    for (const QString& file : QDir(root_ + QStringLiteral("/annotations")).entryList({QStringLiteral("*.xml")}, QDir::Files))
        if (!file.startsWith(QLatin1String("root"))) codes << file.chopped(4);
    std::sort(codes.begin(), codes.end(), [](const QString& a, const QString& b) {
        return LanguageName(a).localeAwareCompare(LanguageName(b)) < 0;
    });
    return codes;
}

QString LanguageName(const QString& code)
{
    const QLocale locale(code);
    if (locale.language() == QLocale::C) return code;
    // In its own letters when they are Latin; in English otherwise, which any font here draws.
    if (locale.script() != QLocale::LatinScript) {
        const QString english = QLocale::languageToString(locale.language());
        return code.contains(QLatin1Char('_')) ? QStringLiteral("%1 (%2)").arg(english, QLocale::territoryToString(locale.territory())) : english;
    }
    QString name = locale.nativeLanguageName();
    const QString territory = locale.nativeTerritoryName();
    if (!code.contains(QLatin1Char('_'))) {
        // The language alone, not as the region QLocale picks for it speaks it.
        if (locale.language() == QLocale::English) name = QStringLiteral("English");
        if (!territory.isEmpty() && name.endsWith(territory) && name != territory) {
            name.chop(territory.size());  // "español de España"
            name = name.trimmed();
            if (const qsizetype space = name.lastIndexOf(QLatin1Char(' ')); space > 0 && name.size() - space <= 3) name.truncate(space);
        }
    } else if (name == QLocale(locale.language()).nativeLanguageName()) {
        name += QStringLiteral(" (%1)").arg(territory);  // "português (Brasil)"
    }
    if (name.isEmpty()) name = QLocale::languageToString(locale.language());
    name[0] = name[0].toUpper();
    return name;
}

QString LanguageNames(const QStringList& codes)
{
    QStringList names;
    for (const QString& code : codes) names << LanguageName(code);
    return names.join(QStringLiteral(", "));
}

}  // namespace lumari
