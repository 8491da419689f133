#include "platform/PathResolver.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include <sys/stat.h>

namespace lumari {
namespace {

bool Exists(const QString& path)
{
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0;
}

// The entry of a folder equal to name ignoring case; the smallest by exact
// order when several differ only in case, so the choice is stable.
QString FindIgnoringCase(const QString& folder, const QString& name)
{
    const QStringList entries = QDir(folder.isEmpty() ? QStringLiteral("/") : folder)
                                    .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                               QDir::Name);
    QString best;
    for (const QString& e : entries) {
        if (e.compare(name, Qt::CaseInsensitive) == 0 && (best.isNull() || e < best)) best = e;
    }
    return best;
}

}  // namespace

QString NormalizeSeparators(const QString& path)
{
    QString p = path;
    p.replace(u'\\', u'/');
    return p;
}

QString ResolvePath(const QString& path)
{
    const QString p = NormalizeSeparators(path);
    if (p.isEmpty() || Exists(p)) return p;

    const bool absolute = p.startsWith(u'/');
    const QString root = absolute ? QStringLiteral("/") : QString();
    const QStringList parts = p.split(u'/');
    QStringList out;
    bool lost = false;  // once a component matches nothing, the rest stays as written
    for (qsizetype i = absolute ? 1 : 0; i < parts.size(); ++i) {
        QString part = parts[i];
        if (!lost && !part.isEmpty() && part != u"." && part != u"..") {
            const QString folder = root + out.join(u'/');
            const QString candidate = folder.isEmpty() ? part
                                      : folder.endsWith(u'/') ? folder + part
                                                              : folder + u'/' + part;
            if (!Exists(candidate)) {
                const QString found = FindIgnoringCase(folder.isEmpty() ? QStringLiteral(".") : folder, part);
                if (found.isNull()) lost = true;
                else part = found;
            }
        }
        out << part;
    }
    return root + out.join(u'/');
}

namespace {

bool Glob(const QString& n, const QString& p)
{
    // Iterative glob match with backtracking on the last "*".
    qsizetype ni = 0, pi = 0, starP = -1, starN = 0;
    while (ni < n.size()) {
        if (pi < p.size() && (p[pi] == u'?' || p[pi] == n[ni])) {
            ++ni;
            ++pi;
        } else if (pi < p.size() && p[pi] == u'*') {
            starP = pi++;
            starN = ni;
        } else if (starP >= 0) {
            pi = starP + 1;
            ni = ++starN;
        } else {
            return false;
        }
    }
    while (pi < p.size() && p[pi] == u'*') ++pi;
    return pi == p.size();
}

}  // namespace

bool MatchesPattern(const QString& name, const QString& pattern)
{
    const QString n = name.toCaseFolded();
    const QString p = pattern.toCaseFolded();
    if (Glob(n, p)) return true;
    // As on the classic file system, a pattern ending in ".*" also takes a
    // name without any extension: "*.*" lists every file.
    return p.endsWith(QStringLiteral(".*")) && !n.contains(u'.') && Glob(n, p.left(p.size() - 2));
}

}  // namespace lumari
