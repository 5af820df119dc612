#ifndef UPDATEHISTORY_H
#define UPDATEHISTORY_H

#include "host/FileDescriptor.h"
#include "records/history/AttemptIdMark.h"
#include "records/history/HistorySchema.h"
#include "records/history/UpdateAttempt.h"

#include <QDate>
#include <QList>
#include <QSqlQuery>
#include <QString>

class QSqlError;
class QSqlRecord;

#include <functional>
#include <optional>

// Every update and restore ever started on this machine, one row each, in
// history.db in the state folder: written as pending before the first erase
// and finished once, never deleted. The pending records, not this, decide
// what must be rewritten; this answers who wrote which firmware to which
// instrument, when, and how it ended.
//
// A connection belongs to the thread that made the object: make one where it
// is used. A history that cannot be read is set aside whole, with a line to
// say so, and a new one started: recording never stops a write. Only the
// updater that holds the machine's lock does that; a reader beside it only
// says the history cannot be read.
//
// Its files are opened as anything in the state folder is: never through a
// link, never a pipe or a device. Opening costs the same whatever the
// history's size; the whole file is checked once a day, by the writer.
class UpdateHistory
{
public:
    using LineSink = std::function<void(const QString&)>;
    enum class Access { Writer, Reader };

    struct Filter
    {
        std::optional<int> serial;
        QString model;
        QDate since; // attempts started on this day (UTC) or later
    };

    // A reader makes no file and sets nothing aside; a history not yet
    // written reads as empty.
    explicit UpdateHistory(LineSink lineSink, Access access = Access::Writer);
    ~UpdateHistory();

    UpdateHistory(const UpdateHistory&) = delete;
    UpdateHistory& operator=(const UpdateHistory&) = delete;

    static QString path();
    bool isOpen() const { return open; }

    // Records the attempt as pending; its id, or 0 when it could not be kept.
    // Resuming: a pending record of this instrument was found, so the
    // attempt finishes its last one, if that did not succeed. Ids are never
    // handed out twice on this machine, not even after a set-aside.
    qint64 begin(const UpdateAttempt& attempt, bool resuming);
    // A second call changes nothing.
    void finish(qint64 id, bool succeeded, const QString& error);
    // The instrument stopped answering mid-write: neither succeeded nor
    // failed, to be finished by the next run.
    void interrupt(qint64 id, const QString& error);

    // The attempts the filter lets through, newest first, as SQLite finds
    // them: forward only to print them, else for a model to page through.
    // The columns are UpdateAttempt::fieldNames(), as a StoredRow has them.
    // A pending row reads as interrupted unless another updater runs, which
    // may be the one writing it. Inactive, after a line, when it failed.
    QSqlQuery select(const Filter& filter, bool updaterRunsElsewhere, bool forwardOnly) const;
    // The attempt in a row of a model over that query.
    static UpdateAttempt attemptIn(const QSqlRecord& record);
    // The session logs the newest `attempts` attempts name; none when they
    // could not be read.
    std::optional<QStringList> recentLogs(int attempts) const;

private:
    bool openFile(QString* error, bool* damaged);
    bool openConnection(const QString& name, const QString& options, QString* error);
    // WAL journal, schema and, once a day, the whole file's check; `damaged`
    // tells a file that must be set aside from one that cannot be read for
    // another reason.
    bool prepare(QString* error, bool* damaged);
    bool keepIdsAboveMark(QString* error, bool* damaged);
    // The damaged file set aside and a new history started, with a line.
    bool startOver(QString* error);
    // The name the damaged file was kept as; empty when it could not be moved.
    QString setAside();
    void closeConnection();
    void settle(qint64 id, const QString& state, const QString& error);
    qint64 insertAttempt(const UpdateAttempt& attempt, bool resuming, QSqlError* why);
    static bool insertPending(QSqlQuery& query, UpdateAttempt row, qint64 resumedFrom);

    LineSink say;
    const Access access;
    QString connection;
    HistorySchema schema;
    AttemptIdMark idMark;
    FileDescriptor fileHandle; // what was checked to be history.db, held while SQLite has it open
    bool open = false;
};

#endif
