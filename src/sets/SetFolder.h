#pragma once

#include "sets/WordRecordings.h"

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

namespace lumari {

class Files;

// One pair of a set: an image and its symbol, the two files of the same name
// ignoring letter case. A half pair lacks one of them.
struct Pair {
    QString name;    // the file name without ".jpg"
    QString image;   // file name in Images, "" when there is none
    QString symbol;  // file name in Symbols, "" when there is none
    bool whole() const noexcept { return !image.isEmpty() && !symbol.isEmpty(); }
};

// The pairs the game makes of these files (names equal ignoring letter
// case, as its coherence check judges), sorted by name as people read
// numbers ("cat 2" before "cat 10").
QList<Pair> PairUp(const QStringList& images, const QStringList& symbols);

// A set as the Sets page lists it.
struct SetSummary {
    QString name;
    int images = 0;  // pictures in Images: the game shows only the first 1000
    int pairs = 0;   // whole pairs
    int halves = 0;  // pictures without their counterpart
};

// The sets the options window lists, in its order, each with its counts.
QList<SetSummary> ListSets(Files& files);

// Why a set could not be given this name ("" when it can): it must be some
// text that leads nowhere out of the program's folder, as for "Create new set".
QString SetNameProblem(const QString& name);

// The two sides of a pair.
enum class Side { Image, Symbol };

// Where the files of a removed pair lie in the trash ("" for a side it
// lacked), and its recording.
struct Trashed {
    QString image;
    QString symbol;
    TrashedRecording word;
};

// One set's folders on disk, found as the game finds them: the program's
// folder's paths resolve without regard to letter case. Changes throw
// SetError with the reason; a change that fails half-way is undone.
// Moves a file or folder to the desktop's trash; returns where it lies
// there. SetError with the reason when it cannot go.
QString TrashFile(const QString& path);

class SetFolder {
public:
    // SetError for a set name that would lead out of the program's folder.
    SetFolder(Files& files, QString set);

    const QString& set() const { return set_; }
    QString ImagesFolder() const;
    QString SymbolsFolder() const;
    QString ImagePath(const QString& file) const { return ImagesFolder() + u'/' + file; }
    QString SymbolPath(const QString& file) const { return SymbolsFolder() + u'/' + file; }

    // The game's listings of Images and Symbols ("*.jpg" files in any letter
    // case), and the pairs they make, sorted by name.
    QStringList ImageFiles() const;
    QStringList SymbolFiles() const;
    QList<Pair> Pairs() const { return PairUp(ImageFiles(), SymbolFiles()); }

    // Gives a pair a new name, made safe and free among `pairs` (the set's
    // pairs); renames both files and its recording, each back when a later one fails.
    // Returns the name given.
    QString Rename(const Pair& pair, const QString& wanted, const QList<Pair>& pairs) const;
    // Where one side of a pair lies, or will: its file, or the name + ".jpg".
    QString SidePath(const Pair& pair, Side side) const;
    // Writes a picture, already at its stored size, as one side of a pair,
    // replacing the file it has (see StoreJpeg).
    void Store(const Pair& pair, Side side, const QImage& picture) const;
    // Moves both files of a pair and its recording to the desktop's trash;
    // all come back when one cannot go. Returns where they lie in the trash.
    Trashed Remove(const Pair& pair) const;
    // Takes a removed pair's files and recording back out of the trash,
    // under their names; a name taken meanwhile is refused, and nothing is
    // moved then.
    void Restore(const Pair& pair, const Trashed& trashed) const;

private:
    Files& files_;
    QString set_;
};

// Renames a set's folder; a name taken by another set (ignoring letter case)
// is refused. Moves a set's folder to the desktop's trash. Both throw SetError.
void RenameSet(Files& files, const QString& set, const QString& wanted, const QStringList& sets);
void DeleteSet(Files& files, const QString& set);

}  // namespace lumari
