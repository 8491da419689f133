#pragma once

#include <QCache>
#include <QImage>
#include <QObject>
#include <QSet>
#include <QSize>
#include <QString>
#include <QThreadPool>

#include <atomic>

namespace lumari {

// Small pictures of a set's files, made on worker threads and kept, so the
// pairs grid never decodes on the window's thread. A picture is stretched to
// the size asked, as the game stretches it to its box. The latest asked is
// made first: what is on screen now comes before what was scrolled past.
class ThumbnailCache : public QObject {
    Q_OBJECT
public:
    explicit ThumbnailCache(QObject* parent = nullptr);
    ~ThumbnailCache() override;

    // The thumbnail when it is made; a null image, and ready() later, when not.
    QImage Get(const QString& path, QSize size);
    // A file changed on disk: its thumbnail is made again when next asked.
    void Forget(const QString& path);
    // Whether every thumbnail asked for so far has been made.
    bool idle() const { return pending_.isEmpty(); }

signals:
    void ready(const QString& path);

private:
    static QString Key(const QString& path, QSize size);
    void Made(const QString& key, const QString& path, const QImage& image);

    QThreadPool pool_;
    QCache<QString, QImage> cache_;
    QSet<QString> pending_;
    QSet<QString> failed_;
    int order_ = 0;
};

}  // namespace lumari
