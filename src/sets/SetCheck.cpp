#include "sets/SetCheck.h"

#include "sets/SetInfo.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <map>
#include <numeric>

namespace lumari {
namespace {

QString Tr(const char* text) { return QCoreApplication::translate("SetCheck", text); }

// Groups of items that share any key, each group in the order of its first item.
class Groups {
public:
    explicit Groups(int count) : parent_(std::size_t(count)) { std::iota(parent_.begin(), parent_.end(), 0); }
    void Key(int item, const QString& key)
    {
        const auto it = first_.constFind(key);
        if (it == first_.cend())
            first_.insert(key, item);
        else
            parent_[std::size_t(Root(item))] = Root(it.value());
    }
    std::vector<std::vector<int>> Shared()
    {
        std::map<int, std::vector<int>> byRoot;
        for (int i = 0; i < int(parent_.size()); ++i) byRoot[Root(i)].push_back(i);
        std::vector<std::vector<int>> groups;
        for (auto& [root, members] : byRoot)
            if (members.size() > 1) groups.push_back(std::move(members));
        std::sort(groups.begin(), groups.end());
        return groups;
    }

private:
    int Root(int i)
    {
        while (parent_[std::size_t(i)] != i) i = parent_[std::size_t(i)] = parent_[parent_[std::size_t(i)]];
        return i;
    }
    std::vector<int> parent_;
    QHash<QString, int> first_;
};

// Each symbol file once, with the first pair that shows it: pairs whose
// names clash by letter case share one file, told as a clash of names.
struct Symbol {
    QString pair;
    QString path;
};

std::vector<SetFinding> SameSymbols(const SetFolder& folder, const QList<Pair>& pairs, const SetInfo& info)
{
    std::vector<Symbol> symbols;
    QHash<QString, int> seen;
    for (const Pair& pair : pairs)
        if (!pair.symbol.isEmpty() && !seen.contains(pair.symbol)) {
            seen.insert(pair.symbol, int(symbols.size()));
            symbols.push_back({pair.name, folder.SymbolPath(pair.symbol)});
        }
    Groups groups(int(symbols.size()));
    // Only files of equal length are read, so a sound set costs one listing.
    QHash<qint64, QList<int>> bySize;
    for (int i = 0; i < int(symbols.size()); ++i) {
        if (const auto pictogram = info.Pictogram(symbols[std::size_t(i)].pair))
            groups.Key(i, QStringLiteral("pictogram ") + pictogram->emoji);
        bySize[QFileInfo(symbols[std::size_t(i)].path).size()] << i;
    }
    for (const QList<int>& sameSize : std::as_const(bySize)) {
        if (sameSize.size() < 2) continue;
        for (int i : sameSize) {
            QFile file(symbols[std::size_t(i)].path);
            if (file.open(QIODevice::ReadOnly)) groups.Key(i, QStringLiteral("bytes ") + QString::fromLatin1(
                                               QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256).toHex()));
        }
    }
    std::vector<SetFinding> findings;
    for (const std::vector<int>& group : groups.Shared()) {
        SetFinding finding{SetFinding::Kind::SameSymbol, {}, Side::Symbol};
        for (int i : group) finding.pairs << symbols[std::size_t(i)].pair;
        findings.push_back(std::move(finding));
    }
    return findings;
}

QString BaseName(const QString& file) { return file.left(file.size() - 4); }  // less ".jpg"

std::vector<SetFinding> SameNames(const SetFolder& folder)
{
    // One finding per name, whichever folder holds the clash.
    std::map<QString, QStringList> byName;
    for (const QStringList& files : {folder.ImageFiles(), folder.SymbolFiles()}) {
        QHash<QString, QStringList> inFolder;
        for (const QString& file : files) inFolder[BaseName(file).toUpper()] << BaseName(file);
        for (auto it = inFolder.cbegin(); it != inFolder.cend(); ++it)
            if (it.value().size() > 1)
                for (const QString& name : it.value())
                    if (!byName[it.key()].contains(name)) byName[it.key()] << name;
    }
    std::vector<SetFinding> findings;
    for (auto& [key, names] : byName) {
        names.sort();
        findings.push_back({SetFinding::Kind::SameName, names, Side::Image});
    }
    return findings;
}

}  // namespace

QString FindingLine(const SetFinding& finding)
{
    switch (finding.kind) {
    case SetFinding::Kind::HalfPair:
        return Tr("half pair: %1: %2").arg(finding.pairs.value(0), finding.missing == Side::Image ? Tr("no image") : Tr("no symbol"));
    case SetFinding::Kind::SameSymbol:
        return Tr("same symbol: %1").arg(finding.pairs.join(QStringLiteral(", ")));
    case SetFinding::Kind::SameName:
        break;
    }
    return Tr("same name: %1").arg(finding.pairs.join(QStringLiteral(", ")));
}

std::vector<SetFinding> CheckSet(const SetFolder& folder, const SetInfo& info)
{
    const QList<Pair> pairs = folder.Pairs();
    std::vector<SetFinding> findings;
    for (const Pair& pair : pairs)
        if (!pair.whole()) findings.push_back({SetFinding::Kind::HalfPair, {pair.name}, pair.image.isEmpty() ? Side::Image : Side::Symbol});
    for (const std::vector<SetFinding>& more : {SameSymbols(folder, pairs, info), SameNames(folder)})
        findings.insert(findings.end(), more.begin(), more.end());
    return findings;
}

}  // namespace lumari
