#include "workflows/FileSyncThread.h"

#include <QMutexLocker>

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

void FileSyncThread::request()
{
    {
        const QMutexLocker lock(&mutex);
        pending = true;
    }
    woken.wakeOne();
}

void FileSyncThread::run()
{
    while (waitForRequest())
        ::fdatasync(fileDescriptor);
}

bool FileSyncThread::waitForRequest()
{
    QMutexLocker lock(&mutex);
    while (!pending && !stopping)
        woken.wait(&mutex);
    const bool serve = pending;
    pending = false;
    return serve;
}
