#pragma once

#include "pictograms/Pictograms.h"

#include <QAbstractListModel>
#include <QCache>
#include <QPixmap>
#include <QSet>
#include <QThreadPool>

#include <vector>

namespace lumari {

// The pictograms found for the typed word, as a list for a view. Each icon
// is drawn off the window's thread the first time a view asks for it, and
// kept for the next searches.
class PictogramResults : public QAbstractListModel {
    Q_OBJECT
public:
    // Icons of iconPixels logical pixels, drawn for a screen of that pixel ratio.
    PictogramResults(int iconPixels, qreal pixelRatio, QObject* parent = nullptr);
    ~PictogramResults() override;

    void SetMatches(std::vector<PictogramMatch> matches);
    const Pictogram& At(int row) const { return matches_[std::size_t(row)].pictogram; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    void RequestIcon(const QString& emoji) const;
    void IconDrawn(const QString& emoji, const QImage& icon);

    int iconPixels_;
    qreal pixelRatio_;
    std::vector<PictogramMatch> matches_;
    QPixmap blank_;
    mutable QCache<QString, QPixmap> icons_;
    mutable QSet<QString> drawing_;
    // Last, so that it is destroyed first: no icon is drawn for a model that is gone.
    mutable QThreadPool painters_;
};

}  // namespace lumari
