#include "sets/SetInfo.h"

#include "pictograms/Pictograms.h"
#include "platform/PathResolver.h"
#include "platform/Services.h"
#include "sets/PairNames.h"
#include "sets/SetFolder.h"
#include "sets/SetPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace lumari {
namespace {

QString Tr(const char* text) { return QCoreApplication::translate("SetInfo", text); }

QString FilePath(const QString& setFolder) { return setFolder + QStringLiteral("/set.json"); }

QString Key(const QString& pair) { return pair.toUpper(); }

// The file's object; none, with the reason, when it is not one.
std::optional<QJsonObject> Parse(const QByteArray& bytes, QString* why)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        *why = error.errorString();
        return std::nullopt;
    }
    if (!document.isObject()) {
        *why = Tr("not a JSON object");
        return std::nullopt;
    }
    return document.object();
}

}  // namespace

SetInfo SetInfo::Load(const QString& setFolder)
{
    SetInfo info;
    QFile file(FilePath(setFolder));
    if (!file.exists()) return info;
    if (!file.open(QIODevice::ReadOnly)) {
        info.problem_ = Tr("cannot read %1: %2").arg(QDir::toNativeSeparators(file.fileName()), file.errorString());
        return info;
    }
    QString why;
    const std::optional<QJsonObject> root = Parse(file.readAll(), &why);
    if (!root) {
        info.problem_ = Tr("%1 is damaged (%2): the set's defaults are used").arg(QDir::toNativeSeparators(file.fileName()), why);
        return info;
    }
    // Fields of the wrong kind are left out, the rest is kept.
    for (const QJsonValue& language : root->value(QStringLiteral("languages")).toArray())
        if (language.isString() && !language.toString().isEmpty()) info.languages << language.toString();
    const QJsonObject pictograms = root->value(QStringLiteral("pictograms")).toObject();
    for (auto it = pictograms.begin(); it != pictograms.end(); ++it) {
        const QJsonObject entry = it.value().toObject();
        const QString emoji = entry.value(QStringLiteral("emoji")).toString();
        if (emoji.isEmpty()) continue;
        info.SetPictogram(it.key(), {emoji, entry.value(QStringLiteral("name")).toString(),
                                     entry.value(QStringLiteral("review")).toBool()});
    }
    return info;
}

bool SetInfo::Save(const QString& setFolder, QString* why) const
{
    const QString path = FilePath(setFolder);
    auto fail = [&](const QString& reason) {
        if (why) *why = reason;
        return false;
    };
    // A damaged file is the adult's to look at: it goes aside, not away.
    QFile old(path);
    if (old.open(QIODevice::ReadOnly)) {
        QString ignored;
        const bool damaged = !Parse(old.readAll(), &ignored);
        old.close();
        if (damaged) {
            const QString aside = path + QStringLiteral(".damaged");
            QFile::remove(aside);
            if (!QFile::rename(path, aside))
                return fail(Tr("cannot keep the damaged %1 aside").arg(QDir::toNativeSeparators(path)));
        }
    }
    QJsonObject root;
    root.insert(QStringLiteral("languages"), QJsonArray::fromStringList(languages));
    QJsonObject pictograms;
    for (const auto& [key, entry] : entries_)
        pictograms.insert(entry.pair, QJsonObject{{QStringLiteral("emoji"), entry.pictogram.emoji},
                                                  {QStringLiteral("name"), entry.pictogram.name},
                                                  {QStringLiteral("review"), entry.pictogram.review}});
    root.insert(QStringLiteral("pictograms"), pictograms);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return fail(Tr("cannot write %1: %2").arg(QDir::toNativeSeparators(path), file.errorString()));
    file.write(QJsonDocument(root).toJson(QJsonDocument::Indented));
    if (!file.commit()) return fail(Tr("cannot write %1: %2").arg(QDir::toNativeSeparators(path), file.errorString()));
    return true;
}

QStringList SetInfo::Languages() const { return languages.isEmpty() ? PictogramIndex::DefaultLanguages() : languages; }

std::optional<PairPictogram> SetInfo::Pictogram(const QString& pair) const
{
    const auto it = entries_.find(Key(pair));
    if (it == entries_.end()) return std::nullopt;
    return it->second.pictogram;
}

void SetInfo::SetPictogram(const QString& pair, const PairPictogram& p) { entries_[Key(pair)] = {pair, p}; }

void SetInfo::Forget(const QString& pair) { entries_.erase(Key(pair)); }

void SetInfo::Rename(const QString& from, const QString& to)
{
    const auto it = entries_.find(Key(from));
    if (it == entries_.end()) return;
    const PairPictogram p = it->second.pictogram;
    entries_.erase(it);
    SetPictogram(to, p);
}

QStringList SetInfo::ToReview() const
{
    QStringList names;
    for (const auto& [key, entry] : entries_)
        if (entry.pictogram.review) names << PairFileName(entry.pair);
    QStringList sorted;
    for (const Pair& pair : PairUp(names, {})) sorted << pair.name;
    return sorted;
}

std::map<QString, PairPictogram> SetInfo::Pictograms() const
{
    std::map<QString, PairPictogram> all;
    for (const auto& [key, entry] : entries_) all.emplace(entry.pair, entry.pictogram);
    return all;
}

QString SetInfoFolder(Files& files, const QString& set) { return ResolvePath(SetPaths(files.AppPath()).SetFolder(set)); }

QStringList ParseLanguages(const QString& typed)
{
    QStringList codes;
    for (QString code : typed.split(u',', Qt::SkipEmptyParts)) {
        code = code.trimmed().replace(u'-', u'_');
        if (!code.isEmpty() && !codes.contains(code)) codes << code;
    }
    return codes;
}

}  // namespace lumari
