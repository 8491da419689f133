#pragma once

#include <QString>
#include <QSet>
#include <QStringList>

namespace lumari {

// The longest pair name, in characters, that every file system keeps.
constexpr int kMaxPairNameLength = 64;

// Whether a file's base name is one a camera, a phone or a screenshot tool
// gave it (IMG_1234, DSC01234, PXL_20240101_123456789, "Screenshot 2024-…"):
// such a pair counts as unnamed and gets no pictogram.
bool IsCameraName(const QString& baseName);

// A name safe for every file system: no / \ : * ? " < > | or control
// character (each becomes a blank), blanks collapsed, trimmed, no leading or
// trailing dot, no device name (CON, NUL, COM1…), at most 64 characters.
// "" when nothing is left.
QString SafePairName(const QString& wanted);

// The pair names of a set, compared ignoring letter case as the game pairs
// pictures: lookups take constant time, so a folder of 10,000 pictures is
// named in linear time.
class TakenNames {
public:
    TakenNames() = default;
    explicit TakenNames(const QStringList& names);

    bool Contains(const QString& name) const { return upper_.contains(name.toUpper()); }
    void Add(const QString& name) { upper_.insert(name.toUpper()); }
    void Remove(const QString& name) { upper_.remove(name.toUpper()); }

    // The wanted name when it is free, else the first free "name 2",
    // "name 3", … (the name shortened so that the whole stays within 64).
    QString Free(const QString& wanted) const;

private:
    QSet<QString> upper_;
};

// The pair name a picture file gives: its base name (the file name without
// its last extension), made safe; "picture" when nothing is left.
QString PairNameOfFile(const QString& fileName);

// Where a pair's file lies in Images and Symbols: the name plus ".jpg".
inline QString PairFileName(const QString& pairName) { return pairName + QStringLiteral(".jpg"); }

}  // namespace lumari
