#ifndef SESSIONLOG_H
#define SESSIONLOG_H

#include "catalogue/OperatorText.h"

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QString>
#include <QStringList>

#include <memory>

class FileSyncThread;

// The log of one run of the program kept on disk, so a failure report
// outlives the window: one file per run in folder(), named by the run's start
// time in UTC, each line prefixed with the local date and time it was
// written and their UTC offset.
//
// Only the filesKept most recently written files are kept, less those that
// still matter, which are never removed: a log that a pending record or one
// of the attemptsKept newest attempts in the history names, and a log that
// another running updater writes (each holds a shared flock on its own for
// as long as it runs). So the logs of checks give way to one another, never
// to the log of an update or a restore on record.
//
// A folder that cannot be written leaves the log closed, with the reason in
// errorString(); writing to a closed log does nothing.
class SessionLog
{
public:
    static constexpr int filesKept = 50;
    static constexpr int attemptsKept = 200;

    explicit SessionLog(const QDateTime& start = QDateTime::currentDateTimeUtc());
    ~SessionLog();

    Q_DISABLE_COPY(SessionLog)

    // The state folder the machine shares (see StateFolder.h).
    static QString folder();

    bool isOpen() const;
    OperatorText errorString() const;
    QString filePath() const;

    // Removes the files of earlier runs beyond filesKept, sparing those
    // named in `named` (paths, as the records give them) and those in use.
    // Nothing is removed when this run has no log of its own.
    void removeOldFiles(const QStringList& named) const;

    // Queues the line for another thread, which writes what has queued up
    // and syncs it to the disk, batch by batch: the caller never waits for
    // the disk, and a crash loses at most the batch not yet written. A
    // failure found there closes the log at the next write() or sync().
    void write(const QString& line);
    void write(const QStringList& lines);
    // Returns when every line written so far is on the disk: before a step
    // the instrument may not survive, and after its outcome.
    void sync();

private:
    bool open(const QDateTime& start);
    void fail(const QString& reason); // closes the log
    QByteArray timeStamp();

    QFile file;
    QString path; // of the file, once one was made
    std::unique_ptr<FileSyncThread> writer; // stopped before the file closes
    OperatorText error;
    QByteArray stamp; // of stampSecond
    qint64 stampSecond = -1;
};

#endif
