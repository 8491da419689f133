#pragma once

#include "sets/SetPaths.h"

#include <QString>

namespace lumari {

// Where everything lives in the program's folder, in the described windows'
// own terms: the image sets ("Set_" + name, with Images and Symbols folders
// of "*.jpg" files), the Sounds folder and the check log, joined with "\" as
// the described routines build them. Every path of a set is built here, and each
// refuses a set name that would lead out of the program's folder with
// error 76.
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

    // The rules of set names, shared with the adults' program.
    static bool IsSetFolder(const QString& folder) { return SetPaths::IsSetFolder(folder); }
    static QString SetNameOf(const QString& folder) { return SetPaths::SetNameOf(folder); }
    static QString DefaultSet() { return SetPaths::DefaultSet(); }
    static bool IsSafeSetName(const QString& set) { return SetPaths::IsSafeSetName(set); }
    static bool IsDotsOnly(const QString& set) { return SetPaths::IsDotsOnly(set); }

private:
    inline static const QString kPictures = QStringLiteral("\\*.jpg");
    QString folder_;
};

}  // namespace lumari
