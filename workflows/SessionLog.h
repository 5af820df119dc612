#ifndef SESSIONLOG_H
#define SESSIONLOG_H

#include <QDateTime>
#include <QFile>
#include <QString>

#include <memory>

class FileSyncThread;

// The log of one run of the program kept on disk, so a failure report
// outlives the window: one file per run in folder(), named by the run's start
// time, each line prefixed with the local time it was written. Only the
// filesKept most recently written files are kept.
//
// A folder that cannot be written leaves the log closed, with the reason in
// errorString(); writing to a closed log does nothing.
class SessionLog
{
public:
    static constexpr int filesKept = 50;

    explicit SessionLog(const QDateTime& start = QDateTime::currentDateTime());
    ~SessionLog();

    SessionLog(const SessionLog&) = delete;
    SessionLog& operator=(const SessionLog&) = delete;

    // The state folder the machine shares (see StateFolder.h).
    static QString folder();

    bool isOpen() const;
    QString errorString() const;
    QString filePath() const;

    // Each line is handed to the system before the call returns, so a crash
    // of the program loses none; another thread has it written to the disk
    // at once, so a power cut loses at most the line being written.
    void write(const QString& line);
    // Rewrites the last line written, as the window does with its last line.
    void replaceLast(const QString& line);

private:
    bool open(const QDateTime& start);
    void removeOldFiles() const;
    void fail(const QString& reason); // closes the log

    QFile file;
    std::unique_ptr<FileSyncThread> syncer; // stopped before the file closes
    qint64 lastLineStart = 0;
    QString error;
};

#endif
