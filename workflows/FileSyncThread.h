#ifndef FILESYNCTHREAD_H
#define FILESYNCTHREAD_H

#include <QMutex>
#include <QThread>
#include <QWaitCondition>

// Makes what was written to an open file durable without making the writer
// wait for the disk: each request() is followed, on this thread, by an
// fdatasync() of the descriptor. Requests made while one runs are served by
// the next. Destroying it serves a pending request, then stops the thread;
// the descriptor must stay open until then.
class FileSyncThread : public QThread
{
    Q_OBJECT

public:
    explicit FileSyncThread(int fileDescriptor);
    ~FileSyncThread() override;

    void request();

protected:
    void run() override;

private:
    bool waitForRequest(); // false once stopping with nothing pending

    const int fileDescriptor;
    QMutex mutex;
    QWaitCondition woken;
    bool pending = false;
    bool stopping = false;
};

#endif
