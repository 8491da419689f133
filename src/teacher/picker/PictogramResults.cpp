#include "teacher/picker/PictogramResults.h"

#include <QThread>

namespace lumari {
namespace {

constexpr int kIconsKept = 1500;

}  // namespace

PictogramResults::PictogramResults(int iconPixels, qreal pixelRatio, QObject* parent)
    : QAbstractListModel(parent),
      iconPixels_(iconPixels),
      pixelRatio_(pixelRatio),
      blank_(QSize(iconPixels, iconPixels) * pixelRatio),
      icons_(kIconsKept)
{
    blank_.fill(Qt::white);
    blank_.setDevicePixelRatio(pixelRatio);
    painters_.setMaxThreadCount(std::max(1, QThread::idealThreadCount()));
}

PictogramResults::~PictogramResults()
{
    painters_.clear();
    painters_.waitForDone();
}

void PictogramResults::SetMatches(std::vector<PictogramMatch> matches)
{
    // Icons not yet begun are for pictograms that may no longer be shown.
    painters_.clear();
    drawing_.clear();
    beginResetModel();
    matches_ = std::move(matches);
    endResetModel();
}

int PictogramResults::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(matches_.size()); }

QVariant PictogramResults::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const Pictogram& p = At(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
    case Qt::AccessibleTextRole:
        return p.name;
    case Qt::DecorationRole:
        if (const QPixmap* icon = icons_.object(p.emoji)) return *icon;
        RequestIcon(p.emoji);
        return blank_;
    default:
        return {};
    }
}

void PictogramResults::RequestIcon(const QString& emoji) const
{
    if (drawing_.contains(emoji)) return;
    drawing_.insert(emoji);
    auto* self = const_cast<PictogramResults*>(this);
    const int pixels = qRound(iconPixels_ * pixelRatio_);
    painters_.start([self, emoji, pixels] {
        const QImage icon = PictogramPainter::Draw(emoji, QSize(pixels, pixels));
        QMetaObject::invokeMethod(self, [self, emoji, icon] { self->IconDrawn(emoji, icon); }, Qt::QueuedConnection);
    });
}

void PictogramResults::IconDrawn(const QString& emoji, const QImage& icon)
{
    drawing_.remove(emoji);
    auto* pixmap = new QPixmap(icon.isNull() ? blank_ : QPixmap::fromImage(icon));
    pixmap->setDevicePixelRatio(pixelRatio_);
    icons_.insert(emoji, pixmap);
    for (int row = 0; row < rowCount(); ++row)
        if (At(row).emoji == emoji) emit dataChanged(index(row), index(row), {Qt::DecorationRole});
}

}  // namespace lumari
