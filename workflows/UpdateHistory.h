#ifndef UPDATEHISTORY_H
#define UPDATEHISTORY_H

#include "workflows/UpdateAttempt.h"

#include <QDate>
#include <QList>
#include <QString>

class QSqlQuery;

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

    // A reader makes no file and sets nothing aside.
    explicit UpdateHistory(LineSink lineSink, Access access = Access::Writer);
    ~UpdateHistory();

    UpdateHistory(const UpdateHistory&) = delete;
    UpdateHistory& operator=(const UpdateHistory&) = delete;

    static QString path();
    bool isOpen() const { return open; }

    // Records the attempt as pending; its id, or 0 when it could not be kept.
    // Resuming: a pending record of this instrument was found, so the
    // attempt finishes its last one, if that did not succeed.
    qint64 begin(const UpdateAttempt& attempt, bool resuming);
    // A second call changes nothing.
    void finish(qint64 id, bool succeeded, const QString& error);
    // The instrument stopped answering mid-write: neither succeeded nor
    // failed, to be finished by the next run.
    void interrupt(qint64 id, const QString& error);

    // Newest first. A pending row reads as interrupted unless another
    // updater runs, which may be the one writing it.
    QList<UpdateAttempt> attempts(const Filter& filter, bool updaterRunsElsewhere) const;
    // Attempts that did not succeed and that no later attempt on the same
    // instrument brought to success, newest first.
    QList<UpdateAttempt> unfinished() const;

private:
    bool openFile(QString* error);
    // WAL journal, integrity check and schema; `damaged` tells a file that
    // must be set aside from one that cannot be read for another reason.
    bool prepare(QString* error, bool* damaged);
    // The name the damaged file was kept as; empty when it could not be moved.
    QString setAside();
    void closeConnection();
    void settle(qint64 id, const QString& state, const QString& error);
    static bool insertPending(QSqlQuery& query, UpdateAttempt row, qint64 resumedFrom);
    QList<UpdateAttempt> select(const QString& where, const QVariantList& values) const;

    LineSink say;
    const Access access;
    QString connection;
    bool open = false;
};

#endif
