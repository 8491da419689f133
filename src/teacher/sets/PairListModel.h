#pragma once

#include "pictograms/Pictograms.h"
#include "sets/SetFolder.h"

#include <QAbstractListModel>
#include <QHash>
#include <QSet>
#include <QSize>

#include <optional>

namespace lumari {

class ThumbnailCache;

// The pairs of the set on show, for the grid: each row a pair, with its two
// thumbnails (asked of the cache as the grid paints them, so only what is on
// screen is decoded) and what it lacks. Renaming in the grid is asked of the
// page, which changes the files.
class PairListModel : public QAbstractListModel {
    Q_OBJECT
public:
    enum Role {
        ImageRole = Qt::UserRole + 1,  // QImage, null while it is being made or missing
        SymbolRole,
        LacksImageRole,   // bool
        LacksSymbolRole,  // bool
        UnnamedRole,      // bool: a camera's name
        ProposedRole,     // QString: the proposed pictogram's name, "" when confirmed or none
        RecordedRole,     // bool: its word is recorded
    };

    // The sizes of the thumbnails, in logical pixels: the game's boxes halved.
    static constexpr QSize kImageThumb{150, 75};
    static constexpr QSize kSymbolThumb{75, 75};

    PairListModel(ThumbnailCache& thumbnails, QObject* parent = nullptr);

    // Shows a set's pairs, and which have their word recorded; folder:
    // nullptr for none.
    void Show(const SetFolder* folder, QList<Pair> pairs);
    const QList<Pair>& pairs() const { return pairs_; }
    // -1 when no pair has this name (letter case ignored).
    int RowOf(const QString& name) const;

    // A pictogram drawn as a pair's symbol and not yet confirmed by the adult.
    void Propose(const QString& name, const std::optional<Pictogram>& pictogram);
    std::optional<Pictogram> Proposed(const QString& name) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

signals:
    void renameAsked(int row, const QString& wanted);

private:
    void ThumbnailReady(const QString& path);

    ThumbnailCache& thumbnails_;
    const SetFolder* folder_ = nullptr;
    QList<Pair> pairs_;
    QHash<QString, int> rowOfPath_;
    QHash<QString, Pictogram> proposed_;  // by upper-cased name
    QSet<QString> recorded_;              // upper-cased names of the pairs whose word is recorded
    qreal pixelRatio_ = 1;
};

}  // namespace lumari
