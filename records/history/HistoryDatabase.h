#ifndef HISTORYDATABASE_H
#define HISTORYDATABASE_H

#include "catalogue/OperatorText.h"

#include "host/FileDescriptor.h"
#include "records/history/AttemptIdMark.h"
#include "records/history/HistoryQueryLimit.h"
#include "records/history/HistorySchema.h"

#include <QSqlDatabase>
#include <QString>

#include <functional>

// history.db in the state folder, open on a SQLite connection of its own,
// for the writer (UpdateHistory) or a reader (HistoryReader).
//
// A connection belongs to the thread that made the object: make one where it
// is used. A history that cannot be read is set aside whole, with a line to
// say so, and a new one started: recording never stops a write. Only the
// writer, the updater that holds the machine's lock, does that; a reader
// beside it only says the history cannot be read, makes no file and reads a
// history not yet written as empty.
//
// Its files are opened as anything in the state folder is: never through a
// link, never a pipe or a device. Opening costs the same whatever the
// history's size; the whole file is checked once a day, by the writer. A
// file whose schema would run queries of its own (a view, a trigger) is no
// history, and no statement on the connection keeps its caller waiting for
// more than HistoryQueryLimit::limit.
class HistoryDatabase
{
public:
    using LineSink = std::function<void(const OperatorText&)>;
    enum class Access { Writer, Reader };

    HistoryDatabase(LineSink lineSink, Access access);
    ~HistoryDatabase();

    HistoryDatabase(const HistoryDatabase&) = delete;
    HistoryDatabase& operator=(const HistoryDatabase&) = delete;

    static QString path();
    bool isOpen() const { return open; }
    // The open connection, for queries on this thread.
    QSqlDatabase connection() const;
    // What selects every field of an attempt from this history.
    QStringList columns() const { return HistorySchema::columns(version); }

    // The writer's answer to damage where the checks on opening do not
    // look: the file set aside and a new history started, with a line.
    // False, after a line, when no new one could be started.
    bool startOver();

private:
    bool openFile(OperatorText* error, bool* damaged);
    bool openConnection(const QString& name, const QString& options, OperatorText* error);
    // WAL journal, schema and, once a day, the whole file's check; `damaged`
    // tells a file that must be set aside from one that cannot be read for
    // another reason.
    bool prepare(OperatorText* error, bool* damaged);
    bool keepIdsAboveMark(OperatorText* error, bool* damaged);
    bool startOver(OperatorText* error);
    // The name the damaged file was kept as; empty when it could not be moved.
    QString setAside();
    void closeConnection();

    LineSink say;
    const Access access;
    HistoryQueryLimit limit; // outlives the connection it watches
    QString connectionName;
    HistorySchema schema;
    AttemptIdMark idMark;
    FileDescriptor fileHandle; // what was checked to be history.db, held while SQLite has it open
    bool open = false;
    int version = HistorySchema::current; // of the schema open, which a reader does not raise
};

#endif
