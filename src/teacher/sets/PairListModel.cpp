#include "teacher/sets/PairListModel.h"

#include "sets/PairNames.h"
#include "sets/WordRecordings.h"
#include "teacher/sets/ThumbnailCache.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>

namespace lumari {

PairListModel::PairListModel(ThumbnailCache& thumbnails, QObject* parent)
    : QAbstractListModel(parent), thumbnails_(thumbnails), pixelRatio_(qApp->devicePixelRatio())
{
    connect(&thumbnails_, &ThumbnailCache::ready, this, &PairListModel::ThumbnailReady);
}

void PairListModel::Show(const SetFolder* folder, QList<Pair> pairs)
{
    beginResetModel();
    if (folder_ == nullptr || folder == nullptr || folder_->set() != folder->set()) proposed_.clear();
    folder_ = folder;
    pairs_ = std::move(pairs);
    rowOfPath_.clear();
    recorded_.clear();
    if (folder_ != nullptr) {
        // One listing of the words, not one look per pair painted.
        const QDir words(WordsFolder(*folder_));
        for (const QFileInfo& word : words.entryInfoList({QStringLiteral("*.wav")}, QDir::Files))
            recorded_.insert(word.completeBaseName().toUpper());
        for (int row = 0; row < pairs_.size(); ++row) {
            if (!pairs_[row].image.isEmpty()) rowOfPath_.insert(folder_->ImagePath(pairs_[row].image), row);
            if (!pairs_[row].symbol.isEmpty()) rowOfPath_.insert(folder_->SymbolPath(pairs_[row].symbol), row);
        }
    }
    endResetModel();
}

int PairListModel::RowOf(const QString& name) const
{
    for (int row = 0; row < pairs_.size(); ++row)
        if (pairs_[row].name.compare(name, Qt::CaseInsensitive) == 0) return row;
    return -1;
}

void PairListModel::Propose(const QString& name, const std::optional<Pictogram>& pictogram)
{
    if (pictogram)
        proposed_.insert(name.toUpper(), *pictogram);
    else
        proposed_.remove(name.toUpper());
    const int row = RowOf(name);
    if (row >= 0) emit dataChanged(index(row), index(row), {ProposedRole});
}

std::optional<Pictogram> PairListModel::Proposed(const QString& name) const
{
    const auto it = proposed_.constFind(name.toUpper());
    return it == proposed_.cend() ? std::nullopt : std::optional<Pictogram>(*it);
}

int PairListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(pairs_.size()); }

QVariant PairListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= pairs_.size() || folder_ == nullptr) return {};
    const Pair& pair = pairs_[index.row()];
    const auto thumbnail = [&](const QString& path, QSize size) {
        return QVariant::fromValue(thumbnails_.Get(path, size * pixelRatio_));
    };
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return pair.name;
    case ImageRole:
        return pair.image.isEmpty() ? QVariant() : thumbnail(folder_->ImagePath(pair.image), kImageThumb);
    case SymbolRole:
        return pair.symbol.isEmpty() ? QVariant() : thumbnail(folder_->SymbolPath(pair.symbol), kSymbolThumb);
    case LacksImageRole:
        return pair.image.isEmpty();
    case LacksSymbolRole:
        return pair.symbol.isEmpty();
    case UnnamedRole:
        return IsCameraName(pair.name);
    case ProposedRole:
        return Proposed(pair.name).value_or(Pictogram{}).name;
    case RecordedRole:
        return recorded_.contains(pair.name.toUpper());
    case Qt::ToolTipRole:
        if (pair.image.isEmpty()) return tr("This pair has no image.");
        if (pair.symbol.isEmpty()) return tr("This pair has no symbol.");
        if (IsCameraName(pair.name)) return tr("A camera gave this name: give the pair a real name.");
        return recorded_.contains(pair.name.toUpper()) ? tr("Its word is recorded.") : tr("Its word is not recorded yet.");
    default:
        return {};
    }
}

Qt::ItemFlags PairListModel::flags(const QModelIndex& index) const
{
    return QAbstractListModel::flags(index) | (index.isValid() ? Qt::ItemIsEditable : Qt::NoItemFlags);
}

bool PairListModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !index.isValid()) return false;
    const QString wanted = value.toString();
    if (wanted == pairs_.value(index.row()).name) return false;
    emit renameAsked(index.row(), wanted);
    return true;
}

void PairListModel::ThumbnailReady(const QString& path)
{
    const auto it = rowOfPath_.constFind(path);
    if (it == rowOfPath_.cend()) return;
    emit dataChanged(index(*it), index(*it), {ImageRole, SymbolRole});
}

}  // namespace lumari
