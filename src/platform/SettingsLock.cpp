#include "platform/SettingsLock.h"

#include <QElapsedTimer>
#include <QLockFile>
#include <QRandomGenerator>
#include <QThread>

namespace lumari {

QString SettingsLock::LockFileName(const QString& settingsFile) { return settingsFile + QStringLiteral(".update-lock"); }

bool SettingsLock::held() const { return lock_ && lock_->isLocked(); }

std::shared_ptr<QLockFile> SettingsLock::Take(const QString& settingsFile, std::weak_ptr<QLockFile>& shared)
{
    if (auto current = shared.lock()) return current;
    auto lock = std::make_shared<QLockFile>(LockFileName(settingsFile));
    lock->setStaleLockTime(kStaleMs);
    // Short, uneven waits: the lock is held for a few writes only, and
    // copies that wait alike would wake alike. (QLockFile's own waiting
    // doubles up to seconds.)
    QElapsedTimer waited;
    waited.start();
    while (!lock->tryLock(0) && lock->error() == QLockFile::LockFailedError && waited.elapsed() < kWaitMs)
        QThread::msleep(2 + QRandomGenerator::global()->bounded(8));
    shared = lock;
    return lock;
}

}  // namespace lumari
