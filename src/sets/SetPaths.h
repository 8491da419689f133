#pragma once

#include <QString>

namespace lumari {

// Where a set lives in the program's folder, as both programs find it: the
// folder "Set_" + name, holding Images and Symbols of "*.jpg" files. Paths
// are joined with '/'; resolve them with ResolvePath, since the program's
// folder's paths are found without regard to letter case.
class SetPaths {
public:
    explicit SetPaths(QString programFolder) : folder_(std::move(programFolder)) {}

    // "" for a name that is not safe (see IsSafeSetName).
    QString SetFolder(const QString& set) const;
    QString ImagesFolder(const QString& set) const { return Inside(set, QStringLiteral("/Images")); }
    QString SymbolsFolder(const QString& set) const { return Inside(set, QStringLiteral("/Symbols")); }
    QString ImagesPattern(const QString& set) const { return Inside(set, QStringLiteral("/Images/*.jpg")); }
    QString SymbolsPattern(const QString& set) const { return Inside(set, QStringLiteral("/Symbols/*.jpg")); }

    // Whether a folder of the program's folder is a set: "Set_" in any
    // letter case, then its name, kept in its own case.
    static bool IsSetFolder(const QString& folder) { return folder.left(4).toUpper() == QStringLiteral("SET_"); }
    static QString SetNameOf(const QString& folder) { return folder.mid(4); }

    // The name of the set every program folder must have.
    static QString DefaultSet() { return QStringLiteral("default"); }
    // A set lives directly in the program's folder: a name holding a path
    // separator ("\" or "/") would reach into another folder, or out through "..".
    static bool IsSafeSetName(const QString& set) { return !set.contains(u'/') && !set.contains(u'\\'); }
    // A name of dots alone ("." or "..") is not a folder name that every
    // file system keeps as typed.
    static bool IsDotsOnly(const QString& set);

private:
    QString Inside(const QString& set, const QString& rest) const;

    QString folder_;
};

}  // namespace lumari
