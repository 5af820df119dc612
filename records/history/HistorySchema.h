#ifndef HISTORYSCHEMA_H
#define HISTORYSCHEMA_H

#include "catalogue/OperatorText.h"

#include <QString>
#include <QStringList>

class QSqlError;

// The tables of history.db and the checks that tell a history from a file
// that is none or is damaged, on one open connection. `damaged`, where a
// step fails, tells a file that must be set aside from one that cannot be
// read for another reason (a lock held too long, a missing permission), for
// which setting it aside would not help.
class HistorySchema
{
public:
    // Raised with every change of the schema; a history written by a newer
    // updater is used as it is, since tables, columns and indexes are only
    // ever added.
    static constexpr int current = 4;

    // The connection's name, as QSqlDatabase knows it.
    explicit HistorySchema(const QString& connection);

    // The schema version the file says it has; -1 when it cannot be read.
    int version(OperatorText* error, bool* damaged) const;
    // Brings a history of `version` to the current one; 0 makes the tables.
    bool create(int version, OperatorText* error, bool* damaged) const;
    // False, damaged, when anything in the file would run a query or code of
    // its own: a view, a trigger, a virtual table.
    bool runsNoCode(OperatorText* error, bool* damaged) const;
    // False, damaged, when the attempts table lacks a column a history of
    // `version` has, or computes one.
    bool holdsAttempts(int version, OperatorText* error, bool* damaged) const;
    // What selects UpdateAttempt::fieldNames() from a history of `version`:
    // NULL for a column added since, which a reader cannot add.
    static QStringList columns(int version);
    // The whole file's check, unless it passed in the last day.
    bool checkedToday(OperatorText* error, bool* damaged) const;

    // Fills `error` and `damaged` from `why`; always false.
    static bool failed(const QSqlError& why, OperatorText* error, bool* damaged);
    // A file that is not a database, or a damaged one.
    static bool isDamage(const QSqlError& error);

private:
    QString connection;
};

#endif
