#pragma once

#include <QStringList>

namespace lumari {

// The classic first/next directory listing. The whole folder is read at the
// first call, so the following calls see one consistent listing.
class DirListing {
public:
    // The first entry matching the pattern's last component ("" for "*"),
    // "" when none. Hidden entries (names starting with ".") never match,
    // but with the folder attribute "." and ".." come first.
    QString First(const QString& pattern, int attributes);
    // The next entry, "" at the end; error 5 when no listing is going on.
    QString Next();

private:
    QStringList entries_;
    qsizetype position_ = 0;
    bool active_ = false;
};

}  // namespace lumari
