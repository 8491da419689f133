#pragma once

#include <QString>

namespace lumari {

// Where everything lives in the program's folder: the image sets
// ("Set_" + name, with Images and Symbols folders of "*.jpg" files), the
// Sounds folder and the check log. Every path of a set is built here, and
// each refuses a set name that would lead out of the program's folder.
class SetLayout {
public:
    explicit SetLayout(QString programFolder) : folder_(std::move(programFolder)) {}

    // The program's folder, listed with its sub-folders.
    QString FolderListing() const { return folder_ + u'\\'; }

    // Error 76 for a name that is not safe (see IsSafeSetName), as for a
    // set folder that does not exist.
    QString SetFolder(const QString& set) const;
    QString ImagesFolder(const QString& set) const { return SetFolder(set) + QStringLiteral("\\Images"); }
    QString SymbolsFolder(const QString& set) const { return SetFolder(set) + QStringLiteral("\\Symbols"); }
    QString ImagesPattern(const QString& set) const { return ImagesFolder(set) + kPictures; }
    QString SymbolsPattern(const QString& set) const { return SymbolsFolder(set) + kPictures; }
    QString Image(const QString& set, const QString& file) const { return ImagesFolder(set) + u'\\' + file; }
    QString Symbol(const QString& set, const QString& file) const { return SymbolsFolder(set) + u'\\' + file; }

    QString SoundsPattern() const { return folder_ + QStringLiteral("\\Sounds\\*.wav"); }
    QString Sound(const QString& file) const { return folder_ + QStringLiteral("\\Sounds\\") + file; }

    QString CheckLog() const { return folder_ + QStringLiteral("\\LumariCheck.log"); }

    // Whether a folder of the program's folder is a set: "Set_" in any
    // letter case, then its name, kept in its own case.
    static bool IsSetFolder(const QString& folder) { return folder.left(4).toUpper() == QStringLiteral("SET_"); }
    static QString SetNameOf(const QString& folder) { return folder.mid(4); }

    // The name of the set every program folder must have.
    static QString DefaultSet() { return QStringLiteral("default"); }
    // A set lives directly in the program's folder: a name holding a path
    // separator ("\" or "/") would reach into another folder, or out through "..".
    static bool IsSafeSetName(const QString& set);
    // A name of dots alone ("." or "..") is not a folder name that every
    // file system keeps as typed.
    static bool IsDotsOnly(const QString& set);

private:
    inline static const QString kPictures = QStringLiteral("\\*.jpg");
    QString folder_;
};

}  // namespace lumari
