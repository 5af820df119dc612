#ifndef UPDATEHISTORY_H
#define UPDATEHISTORY_H

#include "catalogue/OperatorText.h"

#include "records/history/AttemptIdMark.h"
#include "records/history/HistoryDatabase.h"
#include "records/history/UpdateAttempt.h"

#include <QString>

#include <functional>

class QSqlError;
class QSqlQuery;

// Every update and restore ever started on this machine, one row each, in
// history.db in the state folder: written as pending before the first erase
// and finished once, never deleted. The pending records, not this, decide
// what must be rewritten; this answers who wrote which firmware to which
// instrument, when, and how it ended. HistoryReader reads it.
//
// Only the updater that holds the machine's lock writes; HistoryDatabase
// opens the history for it and sets a damaged one aside.
class UpdateHistory
{
public:
    using LineSink = std::function<void(const OperatorText&)>;

    explicit UpdateHistory(LineSink lineSink);

    bool isOpen() const { return database.isOpen(); }

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
    // The pending record of this instrument was let go unfinished, by this
    // account on this machine: its newest attempt, unless that succeeded,
    // says so. False, after a line, where no such attempt is on record.
    bool noteDiscarded(const QString& model, int serial);

private:
    void settle(qint64 id, AttemptState::Value state, const QString& error);
    qint64 insertAttempt(const UpdateAttempt& attempt, bool resuming, QSqlError* why);
    static bool insertPending(QSqlQuery& query, UpdateAttempt row, qint64 resumedFrom);

    LineSink say;
    HistoryDatabase database;
    AttemptIdMark idMark;
};

#endif
