#include "game/PicturePipeline.h"

#include "platform/PathResolver.h"

#include <algorithm>
#include <new>

namespace lumari {

void PictureBatch::RunIfPending(Job& job)
{
    int expected = Pending;
    if (!job.state.compare_exchange_strong(expected, Decoding)) return;
    try {
        job.result.image = pictures_->Load(job.request.file, job.request.size);
    } catch (const RuntimeError& e) {
        job.result.error = e;
    } catch (const std::bad_alloc&) {
        job.result.error = RuntimeError(err::OutOfMemory);
    }
    {
        const std::lock_guard lock(mutex_);
        job.state = Done;
    }
    finished_.notify_all();
}

void PictureBatch::Wait()
{
    for (const auto& job : jobs_) RunIfPending(*job);
    std::unique_lock lock(mutex_);
    finished_.wait(lock, [this] {
        return std::all_of(jobs_.begin(), jobs_.end(), [](const auto& job) { return job->state == Done; });
    });
}

bool PictureBatch::Ready() const
{
    return std::all_of(jobs_.begin(), jobs_.end(), [](const auto& job) { return job->state == Done; });
}

const PictureBatch::Result* PictureBatch::Find(int target, const QString& path, const QSize& size) const
{
    for (const auto& job : jobs_)
        if (job->request.target == target && job->request.path == path && job->state == Done) {
            const bool unchanged = job->request.size == size && ResolvePath(path) == job->request.file &&
                                   PictureCache::KeyOf(job->request.file, job->request.size) == job->cacheKey;
            return unchanged ? &job->result : nullptr;
        }
    return nullptr;
}

PicturePipeline::PicturePipeline(const Pictures& pictures, qsizetype cacheBytes)
    : pictures_(pictures), cache_(cacheBytes)
{
    pool_.setMaxThreadCount(std::max(1, QThread::idealThreadCount()));
}

PicturePipeline::~PicturePipeline()
{
    pool_.clear();
    pool_.waitForDone();
}

std::shared_ptr<PictureBatch> PicturePipeline::Start(const std::vector<PictureRequest>& requests)
{
    auto batch = std::make_shared<PictureBatch>();
    batch->pictures_ = &pictures_;
    for (const PictureRequest& request : requests) {
        auto job = std::make_unique<PictureBatch::Job>();
        job->request = request;
        job->cacheKey = PictureCache::KeyOf(request.file, request.size);
        if (request.cacheable) {
            const QImage kept = cache_.Find(job->cacheKey);
            if (!kept.isNull()) {
                job->result.image = kept;
                job->state = PictureBatch::Done;
            }
        }
        batch->jobs_.push_back(std::move(job));
    }
    for (const auto& job : batch->jobs_) {
        if (job->state != PictureBatch::Pending) continue;
        PictureBatch::Job* raw = job.get();
        pool_.start([weak = std::weak_ptr<PictureBatch>(batch), raw] {
            if (const std::shared_ptr<PictureBatch> alive = weak.lock()) alive->RunIfPending(*raw);
        });
    }
    return batch;
}

void PicturePipeline::Keep(const PictureBatch& batch)
{
    for (const auto& job : batch.jobs_)
        if (job->request.cacheable && job->state == PictureBatch::Done && !job->result.error)
            cache_.Insert(job->cacheKey, job->result.image);
}

}  // namespace lumari
