#include "host/FileSyncThread.h"

#include <QMutexLocker>

#include <cerrno>

#include <unistd.h>

FileSyncThread::FileSyncThread(int fileDescriptor)
    : QThread(nullptr), fileDescriptor(fileDescriptor)
{
    start(QThread::LowPriority);
}

FileSyncThread::~FileSyncThread()
{
    {
        const QMutexLocker lock(&mutex);
        stopping = true;
    }
    woken.wakeOne();
    wait();
}

bool FileSyncThread::append(const QByteArray& bytes)
{
    {
        const QMutexLocker lock(&mutex);
        if (!error.isEmpty())
            return false;
        queue += bytes;
        appended += bytes.size();
    }
    woken.wakeOne();
    return true;
}

bool FileSyncThread::sync()
{
    QMutexLocker lock(&mutex);
    syncWanted = appended;
    woken.wakeOne();
    while (synced < syncWanted && error.isEmpty())
        durable.wait(&mutex);
    return error.isEmpty();
}

QString FileSyncThread::failure() const
{
    const QMutexLocker lock(&mutex);
    return error;
}

// One batch a round: what queued up is written, then synced if due. The
// mutex is let go for the disk's work, so append() never waits for it.
void FileSyncThread::run()
{
    QMutexLocker lock(&mutex);
    for (;;) {
        waitForWork();
        if (!hasWork())
            return; // stopping, with everything on disk or writing failed
        QByteArray batch;
        batch.swap(queue);
        const qint64 upTo = appended;
        const bool syncing = syncAllowed();
        lock.unlock();
        QString failed = write(batch);
        if (failed.isEmpty() && syncing)
            failed = syncToDisk();
        lock.relock();
        if (!failed.isEmpty()) {
            error = failed;
            queue.clear();
        } else {
            written = upTo;
            if (syncing) {
                synced = upTo;
                nextSyncAllowed.setRemainingTime(syncInterval);
            }
        }
        durable.wakeAll();
    }
}

// Written bytes wait for their sync only while one ran a moment ago, and
// not when someone waits for them or the file is about to close.
bool FileSyncThread::syncAllowed() const
{
    return stopping || syncWanted > synced || nextSyncAllowed.hasExpired();
}

bool FileSyncThread::syncDue() const
{
    return written > synced && syncAllowed();
}

bool FileSyncThread::hasWork() const
{
    return error.isEmpty() && (!queue.isEmpty() || syncDue());
}

void FileSyncThread::waitForWork()
{
    while (!hasWork() && !stopping) {
        if (written > synced && error.isEmpty())
            woken.wait(&mutex, nextSyncAllowed);
        else
            woken.wait(&mutex);
    }
}

QString FileSyncThread::write(const QByteArray& batch) const
{
    const char* next = batch.constData();
    qint64 left = batch.size();
    while (left > 0) {
        const ssize_t done = ::write(fileDescriptor, next, static_cast<size_t>(left));
        if (done < 0 && errno == EINTR)
            continue;
        if (done < 0)
            return qt_error_string(errno);
        next += done;
        left -= done;
    }
    return QString();
}

QString FileSyncThread::syncToDisk() const
{
    return ::fdatasync(fileDescriptor) == 0 ? QString() : qt_error_string(errno);
}
