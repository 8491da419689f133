#pragma once

#include "game/PictureCache.h"
#include "platform/RuntimeError.h"
#include "platform/Services.h"

#include <QImage>
#include <QSize>
#include <QString>
#include <QThreadPool>

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

namespace lumari {

// Decoded symbols kept between rounds: about a hundred placeholders' worth at
// the designed size on an ordinary screen.
constexpr qsizetype kSymbolCacheBytes = 16 * 1024 * 1024;

// One picture a round will show.
struct PictureRequest {
    int target = 0;    // the image or a placeholder
    QString path;      // as the round builds it ("\" separators, any letter case)
    QString file;      // the file it names on this file system
    QSize size;        // device pixels at which it is shown
    bool cacheable = false;  // a symbol: kept in the cache once shown
};

// The pictures of one round, decoded on worker threads. Every picture is
// decoded once, by whichever thread takes it first: a worker, or the window
// itself when it needs the round before a worker has begun.
class PictureBatch {
public:
    // The decoded picture, or the run-time error its decoding raised.
    struct Result {
        QImage image;
        std::optional<RuntimeError> error;
    };

    // Decodes whatever no worker has taken yet, then waits for the rest.
    void Wait();
    bool Ready() const;
    // The result for a target and path decoded at that size once Wait has
    // returned; nullptr when the round does not hold that picture, when it
    // was decoded at another size, or when its file has changed, appeared or
    // gone since it was read: that one is read again at once.
    const Result* Find(int target, const QString& path, const QSize& size) const;

private:
    friend class PicturePipeline;
    enum State { Pending, Decoding, Done };
    struct Job {
        PictureRequest request;
        QString cacheKey;  // the file as it was when the round was prepared
        std::atomic<int> state{Pending};
        Result result;
    };

    // Decodes the job when no one has taken it yet.
    void RunIfPending(Job& job);

    const Pictures* pictures_ = nullptr;

    std::vector<std::unique_ptr<Job>> jobs_;
    mutable std::mutex mutex_;
    std::condition_variable finished_;
};

// Starts the decoding of a round's pictures at the size they are shown, takes
// symbols decoded before from a bounded cache and keeps those shown there.
class PicturePipeline {
public:
    // Decodes on a pool of its own: Qt's painting splits large scalings over
    // the application's shared pool and waits for them, so decodings there
    // would hold up the very repaint they are meant to speed.
    explicit PicturePipeline(const Pictures& pictures, qsizetype cacheBytes = kSymbolCacheBytes);
    // Decodings not begun are dropped; one under way is finished first.
    ~PicturePipeline();

    std::shared_ptr<PictureBatch> Start(const std::vector<PictureRequest>& requests);
    // The symbols of a round that has been shown, kept for later rounds.
    void Keep(const PictureBatch& batch);

    QThreadPool& pool() { return pool_; }
    const PictureCache& cache() const { return cache_; }

private:
    const Pictures& pictures_;
    QThreadPool pool_;
    PictureCache cache_;
};

}  // namespace lumari
