#include "workflows/UpdateHistory.h"

#include "host/StateFolder.h"

#include <QAtomicInt>
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <utility>

namespace {

// Raised with every change of the table; a history written by a newer
// updater is used as it is, since columns are only ever added.
constexpr int schemaVersion = 1;

const char* const schema[] = {
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
    " state TEXT NOT NULL CHECK (state IN ('pending', 'succeeded', 'failed', 'interrupted')),"
    " error TEXT,"
    " releaseKey TEXT,"
    " sumsSha256 TEXT,"
    " log TEXT,"
    " updaterVersion TEXT NOT NULL,"
    " libraryVersion TEXT,"
    " resumedFrom INTEGER REFERENCES attempts (id))",
    "CREATE INDEX attempts_instrument ON attempts (serial, model)",
    // Kept small: every new attempt looks for pending rows.
    "CREATE INDEX attempts_pending ON attempts (id) WHERE state = 'pending'",
};

enum SqliteCode { Corrupt = 11, NotADatabase = 26 };

// A file that is not a database or a damaged one; a lock held too long or a
// missing permission is no damage, and setting the file aside would not help.
bool isDamage(const QSqlError& error)
{
    const int code = error.nativeErrorCode().toInt() & 0xff; // without the extended part
    return code == Corrupt || code == NotADatabase;
}

QString timeText(const QDateTime& time)
{
    return time.toUTC().toString(Qt::ISODate);
}

QString nextConnectionName()
{
    static QAtomicInt made;
    return QStringLiteral("rz-update-history-%1").arg(made.fetchAndAddRelaxed(1));
}

// The text columns of a row, by name.
const std::pair<const char*, QString UpdateAttempt::*> textColumns[] = {
    {"host", &UpdateAttempt::host},                     {"user", &UpdateAttempt::user},
    {"action", &UpdateAttempt::action},                 {"model", &UpdateAttempt::model},
    {"versionBefore", &UpdateAttempt::versionBefore},   {"versionTarget", &UpdateAttempt::versionTarget},
    {"state", &UpdateAttempt::state},                   {"error", &UpdateAttempt::error},
    {"releaseKey", &UpdateAttempt::releaseKey},         {"sumsSha256", &UpdateAttempt::sumsSha256},
    {"log", &UpdateAttempt::log},                       {"updaterVersion", &UpdateAttempt::updaterVersion},
    {"libraryVersion", &UpdateAttempt::libraryVersion},
};

} // namespace

UpdateHistory::UpdateHistory(LineSink lineSink, Access access)
    : say(std::move(lineSink)), access(access), connection(nextConnectionName())
{
    QString error;
    bool damaged = false;
    open = openFile(&error) && prepare(&error, &damaged);
    QString kept;
    if (!open && damaged && access == Access::Writer && !(kept = setAside()).isEmpty())
        open = openFile(&error) && prepare(&error, &damaged);
    if (!open)
        say(QStringLiteral("The update history could not be read: ") + error);
    else if (!kept.isEmpty())
        say(QStringLiteral("The update history could not be read; it was kept as %1 and a new one started.")
                .arg(QDir::toNativeSeparators(kept)));
}

UpdateHistory::~UpdateHistory()
{
    closeConnection();
}

QString UpdateHistory::path()
{
    return stateFolder() + QStringLiteral("/history.db");
}

// Made empty first, with the state folder's modes: SQLite gives its journal
// files the database file's.
bool UpdateHistory::openFile(QString* error)
{
    QFile file(path());
    if (access == Access::Reader && !file.exists()) {
        *error = QStringLiteral("%1: no such file").arg(path());
        return false;
    }
    if (access == Access::Writer && !makeStateFolder(stateFolder(), error))
        return false;
    if (!file.exists() && file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        file.close();
        restrictStateFile(path());
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
    db.setDatabaseName(path());
    if (db.open())
        return true;
    *error = db.lastError().text();
    return false;
}

// WAL: the history can be read while an updater writes to it. NORMAL
// synchronisation is what WAL needs to lose no commit when the program dies;
// a power cut may cost the last row, and the pending record, written through
// to the disk, still says what must be finished.
bool UpdateHistory::prepare(QString* error, bool* damaged)
{
    QSqlDatabase db = QSqlDatabase::database(connection, false);
    QSqlQuery query(db);
    const auto failed = [&](const QSqlError& why) {
        *error = why.databaseText().isEmpty() ? why.text() : why.databaseText();
        *damaged = isDamage(why);
        return false;
    };
    // Checked before anything is written to it: a damaged file is kept as it was.
    if (!query.exec(QStringLiteral("PRAGMA quick_check")))
        return failed(query.lastError());
    if (!query.next() || query.value(0).toString() != QLatin1String("ok")) {
        *error = QStringLiteral("it fails its integrity check");
        *damaged = true;
        return false;
    }
    if (!query.exec(QStringLiteral("PRAGMA journal_mode = WAL")) || !query.exec(QStringLiteral("PRAGMA synchronous = NORMAL")))
        return failed(query.lastError());
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next())
        return failed(query.lastError());
    if (query.value(0).toInt() > 0)
        return true;
    db.transaction();
    for (const char* statement : schema) {
        if (!query.exec(QString::fromLatin1(statement))) {
            const QSqlError why = query.lastError();
            db.rollback();
            return failed(why);
        }
    }
    if (!query.exec(QStringLiteral("PRAGMA user_version = %1").arg(schemaVersion)) || !db.commit()) {
        const QSqlError why = query.lastError().isValid() ? query.lastError() : db.lastError();
        db.rollback();
        return failed(why);
    }
    return true;
}

// Renamed, never deleted: the attempts in it may still be read by hand.
QString UpdateHistory::setAside()
{
    closeConnection();
    const QString stem = path() + QStringLiteral(".broken-")
                         + QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
    QString kept = stem;
    for (int copy = 2; QFile::exists(kept); ++copy)
        kept = stem + QStringLiteral("-%1").arg(copy);
    if (!QFile::rename(path(), kept))
        return QString();
    // Left beside a new history.db, they would be taken for its own.
    for (const char* suffix : {"-wal", "-shm"}) {
        if (QFile::exists(path() + QLatin1String(suffix)))
            QFile::rename(path() + QLatin1String(suffix), kept + QLatin1String(suffix));
    }
    return kept;
}

void UpdateHistory::closeConnection()
{
    {
        QSqlDatabase db = QSqlDatabase::database(connection, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
}

qint64 UpdateHistory::begin(const UpdateAttempt& attempt, bool resuming)
{
    if (!open)
        return 0;
    QSqlDatabase db = QSqlDatabase::database(connection, false);
    QSqlQuery query(db);
    const auto failed = [&](const QSqlError& why) {
        db.rollback();
        say(QStringLiteral("The update history could not be written: ") + why.text());
        return qint64(0);
    };
    if (!db.transaction())
        return failed(db.lastError());
    // Only an updater holding the machine's lock writes, so a row still
    // pending now is one whose updater died.
    if (!query.exec(QStringLiteral("UPDATE attempts SET state = 'interrupted' WHERE state = 'pending'")))
        return failed(query.lastError());
    QVariant resumedFrom;
    if (resuming) {
        query.prepare(QStringLiteral("SELECT id, state FROM attempts WHERE serial = ? AND model = ? ORDER BY id DESC LIMIT 1"));
        query.addBindValue(attempt.serial);
        query.addBindValue(attempt.model);
        if (!query.exec())
            return failed(query.lastError());
        if (query.next() && query.value(1).toString() != QLatin1String("succeeded"))
            resumedFrom = query.value(0);
    }
    if (!insertPending(query, attempt, resumedFrom.toLongLong()))
        return failed(query.lastError());
    const qint64 id = query.lastInsertId().toLongLong();
    query.finish();
    if (!db.commit())
        return failed(db.lastError());
    return id;
}

// Every field but the id, which the table gives, as the attempt describes
// itself: pending, not finished, no error yet.
bool UpdateHistory::insertPending(QSqlQuery& query, UpdateAttempt row, qint64 resumedFrom)
{
    row.state = QStringLiteral("pending");
    row.finished = QDateTime();
    row.error.clear();
    row.resumedFrom = resumedFrom;
    const QStringList columns = UpdateAttempt::fieldNames().mid(1);
    query.prepare(QStringLiteral("INSERT INTO attempts (%1) VALUES (%2)")
                      .arg(columns.join(QStringLiteral(", ")), QStringLiteral(", ?").repeated(columns.size()).mid(2)));
    for (const QVariant& value : row.values().mid(1)) {
        query.addBindValue(value.userType() == QMetaType::QStringList ? value.toStringList().join(QLatin1Char(' '))
                                                                      : value);
    }
    return query.exec();
}

void UpdateHistory::finish(qint64 id, bool succeeded, const QString& error)
{
    settle(id, succeeded ? QStringLiteral("succeeded") : QStringLiteral("failed"), succeeded ? QString() : error);
}

void UpdateHistory::interrupt(qint64 id, const QString& error)
{
    settle(id, QStringLiteral("interrupted"), error);
}

void UpdateHistory::settle(qint64 id, const QString& state, const QString& error)
{
    if (!open || id <= 0)
        return;
    QSqlQuery query(QSqlDatabase::database(connection, false));
    query.prepare(QStringLiteral(
        "UPDATE attempts SET state = ?, finished = ?, error = ? WHERE id = ? AND state = 'pending'"));
    query.addBindValue(state);
    query.addBindValue(timeText(QDateTime::currentDateTimeUtc()));
    query.addBindValue(error.isEmpty() ? QVariant() : QVariant(error));
    query.addBindValue(id);
    if (!query.exec())
        say(QStringLiteral("The update history could not be written: ") + query.lastError().text());
}

QList<UpdateAttempt> UpdateHistory::attempts(const Filter& filter, bool updaterRunsElsewhere) const
{
    QStringList conditions;
    QVariantList values;
    if (filter.serial) {
        conditions << QStringLiteral("serial = ?");
        values << *filter.serial;
    }
    if (!filter.model.isEmpty()) {
        conditions << QStringLiteral("model = ?");
        values << filter.model;
    }
    // The times are all written alike, so their text sorts as they do.
    if (filter.since.isValid()) {
        conditions << QStringLiteral("started >= ?");
        values << timeText(filter.since.startOfDay(Qt::UTC));
    }
    QList<UpdateAttempt> found = select(conditions.isEmpty() ? QStringLiteral("1") : conditions.join(" AND "), values);
    if (!updaterRunsElsewhere) {
        for (UpdateAttempt& attempt : found) {
            if (attempt.state == QLatin1String("pending"))
                attempt.state = QStringLiteral("interrupted");
        }
    }
    return found;
}

QList<UpdateAttempt> UpdateHistory::unfinished() const
{
    return select(QStringLiteral("state <> 'succeeded' AND NOT EXISTS (SELECT 1 FROM attempts AS later"
                                 " WHERE later.serial = attempts.serial AND later.model = attempts.model"
                                 " AND later.id > attempts.id AND later.state = 'succeeded')"),
                  {});
}

QList<UpdateAttempt> UpdateHistory::select(const QString& where, const QVariantList& values) const
{
    QList<UpdateAttempt> found;
    if (!open)
        return found;
    QSqlQuery query(QSqlDatabase::database(connection, false));
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT %1 FROM attempts WHERE %2 ORDER BY id DESC")
                      .arg(UpdateAttempt::fieldNames().join(QStringLiteral(", ")), where));
    for (const QVariant& value : values)
        query.addBindValue(value);
    if (!query.exec()) {
        say(QStringLiteral("The update history could not be read: ") + query.lastError().text());
        return found;
    }
    while (query.next()) {
        UpdateAttempt attempt;
        attempt.id = query.value(QStringLiteral("id")).toLongLong();
        attempt.started = QDateTime::fromString(query.value(QStringLiteral("started")).toString(), Qt::ISODate);
        attempt.finished = QDateTime::fromString(query.value(QStringLiteral("finished")).toString(), Qt::ISODate);
        for (const auto& column : textColumns)
            attempt.*column.second = query.value(QLatin1String(column.first)).toString();
        attempt.serial = query.value(QStringLiteral("serial")).toInt();
        attempt.components =
            query.value(QStringLiteral("components")).toString().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        attempt.resumedFrom = query.value(QStringLiteral("resumedFrom")).toLongLong();
        found << attempt;
    }
    return found;
}
