#ifndef FILESYNCTHREAD_H
#define FILESYNCTHREAD_H

#include <QByteArray>
#include <QDeadlineTimer>
#include <QMutex>
#include <QString>
#include <QThread>
#include <QWaitCondition>

// Writes to an open file off the caller's thread and makes it durable, so
// neither a write() nor the disk holds up the caller. append() only queues
// the bytes; this thread writes whatever has queued up since its last
// write in one go, so a crash of the program loses at most the bytes still
// queued. It fdatasync()s what it wrote at once, but not more often than
// every syncInterval: a steady stream of lines would otherwise keep the
// disk busy for nothing. sync() waits until everything appended is on disk.
//
// The first failure to write or sync ends the writing; what is appended
// after it is dropped and failure() says why. Destroying it writes and
// syncs what is queued, then stops the thread; the descriptor must stay
// open until then.
class FileSyncThread : public QThread
{
    Q_OBJECT

public:
    static constexpr int syncInterval = 100; // ms

    explicit FileSyncThread(int fileDescriptor);
    ~FileSyncThread() override;

    // False once writing has failed.
    bool append(const QByteArray& bytes);
    // Returns when everything appended so far is written and synced; false
    // once writing has failed.
    bool sync();
    // Empty while writing works.
    QString failure() const;

protected:
    void run() override;

private:
    // All below with the mutex held.
    bool syncAllowed() const;
    bool syncDue() const;
    bool hasWork() const;
    void waitForWork();

    QString write(const QByteArray& batch) const; // why it failed, or empty
    QString syncToDisk() const;

    const int fileDescriptor;
    mutable QMutex mutex;
    QWaitCondition woken;   // this thread: bytes queued, a sync asked for, or stopping
    QWaitCondition durable; // sync(): a batch is on disk, or writing failed
    QByteArray queue;
    // Byte counts since the start: appended, of them written, of them synced.
    qint64 appended = 0;
    qint64 written = 0;
    qint64 synced = 0;
    qint64 syncWanted = 0;         // sync() waits for the bytes up to here
    QDeadlineTimer nextSyncAllowed; // expired: a sync may run at once
    QString error;
    bool stopping = false;
};

#endif
