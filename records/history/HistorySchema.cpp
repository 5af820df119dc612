#include "records/history/HistorySchema.h"

#include "catalogue/OperatorText.h"
#include "records/history/AttemptState.h"
#include "records/history/HistoryQueryLimit.h"
#include "records/history/HistoryTime.h"
#include "records/history/UpdateAttempt.h"

#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {

// The states as AttemptState stores them.
QStringList tableSchema()
{
    return {
        QStringLiteral(
            "CREATE TABLE attempts ("
            " id INTEGER PRIMARY KEY AUTOINCREMENT," // never reused: an id names one attempt for good
            " started TEXT NOT NULL,"
            " finished TEXT,"
            " host TEXT NOT NULL,"
            " user TEXT NOT NULL,"
            " action TEXT NOT NULL CHECK (action IN ('update', 'restore')),"
            " model TEXT NOT NULL,"
            " serial INTEGER NOT NULL,"
            " versionBefore TEXT,"
            " versionTarget TEXT NOT NULL,"
            " components TEXT NOT NULL,"
            " state TEXT NOT NULL CHECK (state IN (%1)),"
            " error TEXT,"
            " releaseKey TEXT,"
            " sumsSha256 TEXT,"
            " log TEXT,"
            " updaterVersion TEXT NOT NULL,"
            " libraryVersion TEXT,"
            " resumedFrom INTEGER REFERENCES attempts (id))")
            .arg(AttemptState::sqlList()),
        QStringLiteral("CREATE INDEX attempts_instrument ON attempts (serial, model)"),
        // Kept small: every new attempt looks for pending rows.
        QStringLiteral("CREATE INDEX attempts_pending ON attempts (id) WHERE state = '%1'")
            .arg(AttemptState::stored(AttemptState::Pending)),
    };
}

// Added in version 2: what `history --model` and `--since` read instead of
// the whole table, and when the whole file was last checked.
const char* const version2Schema[] = {
    "CREATE INDEX IF NOT EXISTS attempts_model ON attempts (model)",
    "CREATE INDEX IF NOT EXISTS attempts_started ON attempts (started)",
    "CREATE TABLE IF NOT EXISTS upkeep (name TEXT PRIMARY KEY, value TEXT NOT NULL)",
};

// Added in version 3: the scale of the attempt's call times (RZ_STALL_SCALE),
// null for none.
const char version3Column[] = "ALTER TABLE attempts ADD COLUMN stallScale REAL";

// Added in version 4: when and by whom the pending record an attempt left
// was let go unfinished.
const char* const version4Columns[] = {
    "ALTER TABLE attempts ADD COLUMN discarded TEXT",
    "ALTER TABLE attempts ADD COLUMN discardedBy TEXT",
};

enum SqliteCode { Corrupt = 11, NotADatabase = 26 };

constexpr qint64 secondsBetweenFullChecks = 24 * 60 * 60;

} // namespace

HistorySchema::HistorySchema(const QString& connection) : connection(connection) {}

int HistorySchema::version(OperatorText* error, bool* damaged) const
{
    QSqlQuery query(QSqlDatabase::database(connection, false));
    if (query.exec(QStringLiteral("PRAGMA user_version")) && query.next())
        return query.value(0).toInt();
    failed(query.lastError(), error, damaged);
    return -1;
}

bool HistorySchema::create(int version, OperatorText* error, bool* damaged) const
{
    QSqlDatabase db = QSqlDatabase::database(connection, false);
    QSqlQuery query(db);
    db.transaction();
    QStringList statements;
    if (version == 0) {
        statements << tableSchema();
    }
    for (const char* statement : version2Schema)
        statements << QString::fromLatin1(statement);
    if (version < 3)
        statements << QString::fromLatin1(version3Column);
    if (version < 4) {
        for (const char* statement : version4Columns)
            statements << QString::fromLatin1(statement);
    }
    if (version == 0) // nothing in it to check
        statements << QStringLiteral("INSERT INTO upkeep (name, value) VALUES ('checked', '%1')")
                          .arg(HistoryTime::text(QDateTime::currentDateTimeUtc()));
    statements << QStringLiteral("PRAGMA user_version = %1").arg(current);
    for (const QString& statement : statements) {
        if (!query.exec(statement)) {
            const QSqlError why = query.lastError();
            db.rollback();
            return failed(why, error, damaged);
        }
    }
    if (!db.commit()) {
        const QSqlError why = db.lastError();
        db.rollback();
        return failed(why, error, damaged);
    }
    return true;
}

QStringList HistorySchema::columns(int version)
{
    QStringList names = UpdateAttempt::fieldNames();
    if (version < 3)
        names[UpdateAttempt::StallScale] = QStringLiteral("NULL");
    if (version < 4)
        names[UpdateAttempt::Discarded] = names[UpdateAttempt::DiscardedBy] = QStringLiteral("NULL");
    return names;
}

// Whatever a history's tables hold is only ever data. A view or a trigger
// runs a query of its own whenever the attempts are read or written, one
// that need never end; a virtual table runs a module's code. The schema is
// read, never run, to find them.
bool HistorySchema::runsNoCode(OperatorText* error, bool* damaged) const
{
    QSqlQuery query(QSqlDatabase::database(connection, false));
    if (!query.exec(QStringLiteral("SELECT type FROM sqlite_master"
                                   " WHERE NOT (type = 'index' OR (type = 'table' AND sql LIKE 'CREATE TABLE %'))")))
        return failed(query.lastError(), error, damaged);
    if (!query.next())
        return query.lastError().isValid() ? failed(query.lastError(), error, damaged) : true;
    *error = OperatorText::tr("it holds a view, a trigger or a virtual table, which no update history does");
    *damaged = true;
    return false;
}

// Its columns as the table declares them: none that a history of its
// version has missing, none computed.
bool HistorySchema::holdsAttempts(int version, OperatorText* error, bool* damaged) const
{
    QSqlQuery query(QSqlDatabase::database(connection, false));
    if (!query.exec(QStringLiteral("PRAGMA table_xinfo(attempts)")))
        return failed(query.lastError(), error, damaged);
    QStringList expected = columns(version);
    expected.removeAll(QStringLiteral("NULL"));
    QStringList missing = expected;
    bool computed = false;
    while (query.next()) {
        missing.removeAll(query.value(1).toString());
        computed = computed || query.value(6).toInt() != 0;
    }
    if (query.lastError().isValid())
        return failed(query.lastError(), error, damaged);
    if (missing.size() == expected.size())
        *error = OperatorText::tr("it holds no table of attempts");
    else if (!missing.isEmpty())
        *error = OperatorText::tr("its table of attempts has no column %1").arg(missing.first());
    else if (computed)
        *error = OperatorText::tr("its table of attempts computes a column, which no update history does");
    else
        return true;
    *damaged = true; // a database, but not a history
    return false;
}

// A damaged page that nothing reads on opening is found by this, or by
// SQLite when a write reaches it.
bool HistorySchema::checkedToday(OperatorText* error, bool* damaged) const
{
    QSqlQuery query(QSqlDatabase::database(connection, false));
    if (!query.exec(QStringLiteral("SELECT value FROM upkeep WHERE name = 'checked'")))
        return failed(query.lastError(), error, damaged);
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const QDateTime last = query.next() ? QDateTime::fromString(query.value(0).toString(), Qt::ISODate) : QDateTime();
    if (last.isValid() && last <= now && last.secsTo(now) < secondsBetweenFullChecks)
        return true;
    const bool ran = query.exec(QStringLiteral("PRAGMA quick_check"));
    const bool answered = ran && query.next();
    // A history too large to check within the limit is checked no further
    // that day: SQLite still reports damage wherever a write reaches it.
    const bool cutShort = !answered && HistoryQueryLimit::interrupted(query.lastError());
    if (!ran && !cutShort)
        return failed(query.lastError(), error, damaged);
    if (!cutShort && (!answered || query.value(0).toString() != QLatin1String("ok"))) {
        *error = OperatorText::tr("it fails its integrity check");
        *damaged = true;
        return false;
    }
    query.finish();
    query.prepare(QStringLiteral("INSERT OR REPLACE INTO upkeep (name, value) VALUES ('checked', ?)"));
    query.addBindValue(HistoryTime::text(now));
    return query.exec() || failed(query.lastError(), error, damaged);
}

bool HistorySchema::failed(const QSqlError& why, OperatorText* error, bool* damaged)
{
    *error = HistoryQueryLimit::reason(why);
    *damaged = isDamage(why);
    return false;
}

// Without the extended part of the code.
bool HistorySchema::isDamage(const QSqlError& error)
{
    const int code = error.nativeErrorCode().toInt() & 0xff;
    return code == Corrupt || code == NotADatabase;
}
