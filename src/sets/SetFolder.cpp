#include "sets/SetFolder.h"

#include "platform/PathResolver.h"
#include "platform/Services.h"
#include "sets/PairNames.h"
#include "sets/Pairing.h"
#include "sets/PictureImport.h"
#include "sets/SetList.h"
#include "sets/SetPaths.h"
#include "sets/WordRecordings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QSet>
#include <QStandardPaths>

#include <algorithm>

namespace lumari {
namespace {

QString Tr(const char* text) { return QCoreApplication::translate("SetFolder", text); }

QString BaseName(const QString& file) { return file.left(file.size() - 4); }  // less ".jpg"

// Every name of a listing, to its end (no cap: the page tells when the game
// shows fewer). A listing that fails gives what it had.
QStringList ListAll(Files& files, const QString& pattern)
{
    QStringList names;
    try {
        for (QString name = files.Dir(pattern, attr::Normal); !name.isEmpty(); name = files.DirNext()) names << name;
    } catch (const std::exception&) {
    }
    return names;
}

void Move(const QString& from, const QString& to)
{
    QFile file(from);
    if (!file.rename(to))
        throw SetError(Tr("cannot rename %1 to %2: %3").arg(QFileInfo(from).fileName(), QFileInfo(to).fileName(), file.errorString()));
}


// Takes a file back out of the trash, with the note the trash keeps of it.
bool Untrash(const QString& inTrash, const QString& path)
{
    if (QFileInfo::exists(path) || !QFile::rename(inTrash, path)) return false;
    const QFileInfo trashed(inTrash);
    QFile::remove(trashed.dir().filePath(QStringLiteral("../info/") + trashed.fileName() + QStringLiteral(".trashinfo")));
    return true;
}

// The characters FAT and NTFS refuse in a name, as the adult is told them.
const QString kRefusedCharacters = QStringLiteral("\\ / : * ? \" < > |");

bool HoldsRefusedCharacter(const QString& name)
{
    return std::any_of(name.begin(), name.end(), [](QChar c) { return QStringView(u"\\/:*?\"<>|").contains(c); });
}

// Compares names ignoring letter case, numbers by their value ("cat 2"
// before "cat 10"), in any locale.
int ReadingOrder(const QString& a, const QString& b)
{
    qsizetype i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            const qsizetype si = i, sj = j;
            while (i < a.size() && a[i].isDigit()) ++i;
            while (j < b.size() && b[j].isDigit()) ++j;
            const QString na = a.mid(si, i - si), nb = b.mid(sj, j - sj);
            const int byValue = na.size() != nb.size() ? int(na.size() - nb.size()) : na.compare(nb);
            if (byValue != 0) return byValue;
            continue;
        }
        const int byLetter = QString::compare(a.mid(i, 1), b.mid(j, 1), Qt::CaseInsensitive);
        if (byLetter != 0) return byLetter;
        ++i, ++j;
    }
    return int(a.size() - i) - int(b.size() - j);
}

}  // namespace

QString TrashFile(const QString& path)
{
    // The trash lies in the user's data folder, which a fresh account may lack.
    QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    QFile file(path);
    if (!file.moveToTrash())
        throw SetError(Tr("cannot move %1 to the trash: %2").arg(QDir::toNativeSeparators(path), file.errorString()));
    return file.fileName();
}

QList<Pair> PairUp(const QStringList& images, const QStringList& symbols)
{
    const QStringList lonelyImages = WithoutCounterpart(images, symbols);
    const QStringList lonelySymbols = WithoutCounterpart(symbols, images);
    const QSet<QString> halfImages(lonelyImages.begin(), lonelyImages.end());
    QHash<QString, QString> symbolOf;
    for (const QString& symbol : symbols) symbolOf.insert(symbol.toUpper(), symbol);

    QList<Pair> pairs;
    pairs.reserve(images.size() + lonelySymbols.size());
    for (const QString& image : images)
        pairs.append({BaseName(image), image, halfImages.contains(image) ? QString() : symbolOf.value(image.toUpper())});
    for (const QString& symbol : lonelySymbols) pairs.append({BaseName(symbol), QString(), symbol});

    std::stable_sort(pairs.begin(), pairs.end(), [](const Pair& a, const Pair& b) { return ReadingOrder(a.name, b.name) < 0; });
    return pairs;
}

QList<SetSummary> ListSets(Files& files)
{
    const QStringList names = SetNames(files.AppPath());
    QList<SetSummary> sets;
    for (const QString& name : names) {
        SetSummary summary{name};
        if (!SetPaths::IsSafeSetName(name)) continue;
        const SetFolder folder(files, name);
        const QStringList images = folder.ImageFiles();
        for (const Pair& pair : PairUp(images, folder.SymbolFiles())) ++(pair.whole() ? summary.pairs : summary.halves);
        summary.images = int(images.size());
        sets << summary;
    }
    return sets;
}

QString SetNameProblem(const QString& name)
{
    if (name.isEmpty()) return Tr("a set needs a name");
    // FAT and NTFS refuse these, and sets travel on USB sticks.
    if (HoldsRefusedCharacter(name)) return Tr("a set's name cannot hold any of %1").arg(kRefusedCharacters);
    if (SetPaths::IsDotsOnly(name)) return Tr("a set's name cannot be dots alone");
    return QString();
}

SetFolder::SetFolder(Files& files, QString set) : files_(files), set_(std::move(set))
{
    if (!SetPaths::IsSafeSetName(set_)) throw SetError(SetNameProblem(set_));
}

// Resolved at each use: the folder may be made or renamed meanwhile.
QString SetFolder::ImagesFolder() const { return ResolvePath(SetPaths(files_.AppPath()).ImagesFolder(set_)); }

QString SetFolder::SymbolsFolder() const { return ResolvePath(SetPaths(files_.AppPath()).SymbolsFolder(set_)); }

QStringList SetFolder::ImageFiles() const { return ListAll(files_, SetPaths(files_.AppPath()).ImagesPattern(set_)); }

QStringList SetFolder::SymbolFiles() const { return ListAll(files_, SetPaths(files_.AppPath()).SymbolsPattern(set_)); }

QString SetFolder::Rename(const Pair& pair, const QString& wanted, const QList<Pair>& pairs) const
{
    if (HoldsRefusedCharacter(wanted)) throw SetError(Tr("a pair's name cannot hold any of %1").arg(kRefusedCharacters));
    const QString safe = SafePairName(wanted);
    if (safe.isEmpty()) throw SetError(Tr("a pair needs a name"));
    TakenNames taken;
    for (const Pair& other : pairs)
        if (other.image != pair.image || other.symbol != pair.symbol) taken.Add(other.name);
    const QString name = taken.Free(safe);
    const QString file = PairFileName(name);
    const bool image = !pair.image.isEmpty() && pair.image != file;
    const bool symbol = !pair.symbol.isEmpty() && pair.symbol != file;
    if (image) Move(ImagePath(pair.image), ImagePath(file));
    if (symbol) {
        try {
            Move(SymbolPath(pair.symbol), SymbolPath(file));
        } catch (const SetError&) {
            // No half-renamed pair: the image takes its old name back.
            if (image) QFile::rename(ImagePath(file), ImagePath(pair.image));
            throw;
        }
    }
    try {
        RenameRecording(*this, pair.name, name);  // the word goes with its pictures
    } catch (const SetError&) {
        if (symbol) QFile::rename(SymbolPath(file), SymbolPath(pair.symbol));
        if (image) QFile::rename(ImagePath(file), ImagePath(pair.image));
        throw;
    }
    return name;
}

QString SetFolder::SidePath(const Pair& pair, Side side) const
{
    // An existing file keeps its own spelling, so no second file of another letter case appears.
    if (side == Side::Image) return ImagePath(pair.image.isEmpty() ? PairFileName(pair.name) : pair.image);
    return SymbolPath(pair.symbol.isEmpty() ? PairFileName(pair.name) : pair.symbol);
}

void SetFolder::Store(const Pair& pair, Side side, const QImage& picture) const { StoreJpeg(picture, SidePath(pair, side)); }

Trashed SetFolder::Remove(const Pair& pair) const
{
    // The word goes first, and comes back if the pictures cannot go.
    Trashed trashed;
    trashed.word = TrashRecording(*this, pair.name);
    try {
        trashed.image = pair.image.isEmpty() ? QString() : TrashFile(ImagePath(pair.image));
    } catch (const SetError&) {
        trashed.word.Restore();
        throw;
    }
    if (pair.symbol.isEmpty()) return trashed;
    try {
        trashed.symbol = TrashFile(SymbolPath(pair.symbol));
    } catch (const SetError&) {
        // Not half a pair in the trash: the image comes back.
        if (!trashed.image.isEmpty()) Untrash(trashed.image, ImagePath(pair.image));
        trashed.word.Restore();
        throw;
    }
    return trashed;
}

void SetFolder::Restore(const Pair& pair, const Trashed& trashed) const
{
    const auto missing = [](const QString& inTrash) { return !inTrash.isEmpty() && !QFileInfo::exists(inTrash); };
    if (missing(trashed.image) || missing(trashed.symbol))
        throw SetError(Tr("the files of %1 are no longer in the trash").arg(pair.name));
    for (const Pair& other : Pairs())
        if (other.name.compare(pair.name, Qt::CaseInsensitive) == 0) throw SetError(Tr("a pair named %1 exists").arg(other.name));
    if (!trashed.image.isEmpty() && !Untrash(trashed.image, ImagePath(pair.image)))
        throw SetError(Tr("cannot take %1 out of the trash").arg(pair.image));
    if (!trashed.symbol.isEmpty() && !Untrash(trashed.symbol, SymbolPath(pair.symbol))) {
        // Not half a pair back: the image returns to the trash.
        if (!trashed.image.isEmpty()) QFile::rename(ImagePath(pair.image), trashed.image);
        throw SetError(Tr("cannot take %1 out of the trash").arg(pair.symbol));
    }
    trashed.word.Restore();
}

void RenameSet(Files& files, const QString& set, const QString& wanted, const QStringList& sets)
{
    const QString problem = SetNameProblem(wanted);
    if (!problem.isEmpty()) throw SetError(problem);
    for (const QString& other : sets)
        if (other.compare(set, Qt::CaseSensitive) != 0 && other.compare(wanted, Qt::CaseInsensitive) == 0)
            throw SetError(Tr("a set named %1 exists").arg(other));
    const SetPaths paths(files.AppPath());
    Move(ResolvePath(paths.SetFolder(set)), paths.SetFolder(wanted));
}

void DeleteSet(Files& files, const QString& set)
{
    const QString folder = SetPaths(files.AppPath()).SetFolder(set);
    if (folder.isEmpty()) throw SetError(SetNameProblem(set));
    TrashFile(ResolvePath(folder));
}

}  // namespace lumari
