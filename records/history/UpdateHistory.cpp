#include "records/history/UpdateHistory.h"

#include "catalogue/OperatorText.h"
#include "host/StateFiles.h"
#include "host/StateFolder.h"

#include <QAtomicInt>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUrl>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

#include <utility>

namespace {

const QString historyName = QStringLiteral("history.db");
// The columns in the order of UpdateAttempt::fieldNames().
enum Column {
    Id, Started, Finished, Host, User, Action, Model, Serial, VersionBefore, VersionTarget, Components, State,
    Error, ReleaseKey, SumsSha256, Log, UpdaterVersion, LibraryVersion, ResumedFrom
};

const std::pair<Column, QString UpdateAttempt::*> textColumns[] = {
    {Host, &UpdateAttempt::host},                     {User, &UpdateAttempt::user},
    {Action, &UpdateAttempt::action},                 {Model, &UpdateAttempt::model},
    {VersionBefore, &UpdateAttempt::versionBefore},   {VersionTarget, &UpdateAttempt::versionTarget},
    {State, &UpdateAttempt::state},                   {Error, &UpdateAttempt::error},
    {ReleaseKey, &UpdateAttempt::releaseKey},         {SumsSha256, &UpdateAttempt::sumsSha256},
    {Log, &UpdateAttempt::log},                       {UpdaterVersion, &UpdateAttempt::updaterVersion},
    {LibraryVersion, &UpdateAttempt::libraryVersion},
};

QString timeText(const QDateTime& time)
{
    return time.toUTC().toString(Qt::ISODate);
}

QString nextConnectionName()
{
    static QAtomicInt made;
    return QStringLiteral("rz-update-history-%1").arg(made.fetchAndAddRelaxed(1));
}

template <typename Row>
UpdateAttempt attemptFrom(const Row& row)
{
    UpdateAttempt attempt;
    attempt.id = row.value(Id).toLongLong();
    attempt.started = QDateTime::fromString(row.value(Started).toString(), Qt::ISODate);
    attempt.finished = QDateTime::fromString(row.value(Finished).toString(), Qt::ISODate);
    for (const auto& column : textColumns)
        attempt.*column.second = row.value(column.first).toString();
    attempt.serial = row.value(Serial).toInt();
    attempt.components = row.value(Components).toString().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    attempt.resumedFrom = row.value(ResumedFrom).toLongLong();
    return attempt;
}

} // namespace

UpdateHistory::UpdateHistory(LineSink lineSink, Access access)
    : say(std::move(lineSink)), access(access), connection(nextConnectionName()), schema(connection), idMark(say)
{
    QString error;
    bool damaged = false;
    open = openFile(&error, &damaged) && prepare(&error, &damaged);
    if (!open && damaged && access == Access::Writer)
        open = startOver(&error);
    if (!open)
        say(OperatorText::tr("The update history could not be read: %1").arg(error));
}

UpdateHistory::~UpdateHistory()
{
    closeConnection();
}

QString UpdateHistory::path()
{
    return stateFolder() + QLatin1Char('/') + historyName;
}

// SQLite is handed a name that it may not create (mode=rw): the updater makes
// the file itself, and SQLite's own files beside it (-wal, -shm) it never
// opens through a link. It still follows a link at the name, so what it
// opened is compared with the file that was checked.
bool UpdateHistory::openFile(QString* error, bool* damaged)
{
    *damaged = false;
    const StateFiles folder(stateFolder(), QString(), access == Access::Writer);
    if (!folder.isOpen() && (access == Access::Writer || QFileInfo::exists(stateFolder()))) {
        *error = folder.errorString();
        return false;
    }
    fileHandle = folder.openRegular(historyName, access == Access::Writer, error);
    if (!fileHandle.isOpen() && error->isEmpty() && access == Access::Reader)
        return openConnection(QStringLiteral(":memory:"), QString(), error) && schema.create(0, error, damaged);
    if (!fileHandle.isOpen()) {
        if (error->isEmpty())
            *error = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path()), QString::fromLocal8Bit(std::strerror(ENOENT)));
        return false;
    }
    for (const QString& companion : {QStringLiteral("history.db-wal"), QStringLiteral("history.db-shm")}) {
        *error = folder.whyNotRegular(companion);
        if (!error->isEmpty())
            return false;
    }
    const QString uri = QUrl::fromLocalFile(path()).toString(QUrl::FullyEncoded) + QStringLiteral("?mode=rw");
    if (!openConnection(uri, QStringLiteral("QSQLITE_OPEN_URI"), error))
        return false;
    QSqlQuery query(QSqlDatabase::database(connection, false));
    QString opened;
    if (query.exec(QStringLiteral("PRAGMA database_list")) && query.next())
        opened = query.value(2).toString();
    query.finish();
    struct stat openedFile {}, checkedFile {};
    if (::lstat(QFile::encodeName(opened).constData(), &openedFile) != 0 || ::fstat(fileHandle.get(), &checkedFile) != 0
        || openedFile.st_dev != checkedFile.st_dev || openedFile.st_ino != checkedFile.st_ino) {
        *error = OperatorText::tr("%1 was replaced while it was being opened.").arg(QDir::toNativeSeparators(path()));
        return false;
    }
    return true;
}

bool UpdateHistory::openConnection(const QString& name, const QString& options, QString* error)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
    db.setDatabaseName(name);
    db.setConnectOptions(options);
    if (db.open())
        return true;
    *error = db.lastError().text();
    return false;
}

// Reading the header and the schema tells a file that is no history, before
// anything is written to it. The writer also checks the whole file once a
// day; a reader never runs a check whose cost grows with the file.
//
// WAL: the history can be read while an updater writes to it. NORMAL
// synchronisation is what WAL needs to lose no commit when the program dies;
// a power cut may cost the last row, and the pending record, written through
// to the disk, still says what must be finished.
bool UpdateHistory::prepare(QString* error, bool* damaged)
{
    QSqlDatabase db = QSqlDatabase::database(connection, false);
    if (db.databaseName() == QLatin1String(":memory:"))
        return true;
    const int version = schema.version(error, damaged);
    if (version < 0)
        return false;
    if (access == Access::Reader && version == 0) {
        // Made by a writer that has not yet written its schema: nothing on record.
        closeConnection();
        return openConnection(QStringLiteral(":memory:"), QString(), error) && schema.create(0, error, damaged);
    }
    QSqlQuery query(db);
    if (access == Access::Writer
        && (!query.exec(QStringLiteral("PRAGMA journal_mode = WAL"))
            || !query.exec(QStringLiteral("PRAGMA synchronous = NORMAL"))))
        return HistorySchema::failed(query.lastError(), error, damaged);
    if (access == Access::Writer && version < HistorySchema::current && !schema.create(version, error, damaged))
        return false;
    if (!schema.holdsAttempts(error, damaged))
        return false;
    return access == Access::Reader || (schema.checkedToday(error, damaged) && keepIdsAboveMark(error, damaged));
}

// The history and the mark beside it agree on the highest id handed out:
// the mark learns it from a history written before it existed, and a new
// history starts above it.
bool UpdateHistory::keepIdsAboveMark(QString* error, bool* damaged)
{
    QSqlQuery query(QSqlDatabase::database(connection, false));
    if (!query.exec(QStringLiteral("SELECT seq FROM sqlite_sequence WHERE name = 'attempts'")))
        return HistorySchema::failed(query.lastError(), error, damaged);
    const qint64 recorded = query.next() ? query.value(0).toLongLong() : 0;
    query.finish();
    if (recorded >= AttemptIdMark::lastId) {
        *error = OperatorText::tr("its attempt ids are used up");
        *damaged = true;
        return false;
    }
    const qint64 mark = idMark.usable();
    if (recorded > mark)
        idMark.keep(recorded);
    if (mark <= recorded)
        return true;
    query.prepare(recorded > 0 ? QStringLiteral("UPDATE sqlite_sequence SET seq = ? WHERE name = 'attempts'")
                               : QStringLiteral("INSERT INTO sqlite_sequence (seq, name) VALUES (?, 'attempts')"));
    query.addBindValue(mark);
    return query.exec() || HistorySchema::failed(query.lastError(), error, damaged);
}

bool UpdateHistory::startOver(QString* error)
{
    const QString kept = setAside();
    if (kept.isEmpty())
        return false;
    bool damaged = false;
    if (!openFile(error, &damaged) || !prepare(error, &damaged))
        return false;
    say(OperatorText::tr("The update history could not be read; it was kept as %1 and a new one started.")
            .arg(kept));
    return true;
}

// Renamed, never deleted: the attempts in it may still be read by hand. A
// name already taken is never replaced.
QString UpdateHistory::setAside()
{
    closeConnection();
    const StateFiles folder(stateFolder(), QString(), false);
    const QString kept = folder.setAside(historyName);
    if (kept.isEmpty())
        return QString();
    // Left beside a new history.db, they would be taken for its own.
    for (const QString& suffix : {QStringLiteral("-wal"), QStringLiteral("-shm")})
        folder.renameUnlessTaken(historyName + suffix, kept + suffix);
    return folder.pathOf(kept);
}

void UpdateHistory::closeConnection()
{
    {
        QSqlDatabase db = QSqlDatabase::database(connection, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    // Only once SQLite has let go of the file: closing another descriptor of
    // it would drop SQLite's locks.
    fileHandle = FileDescriptor();
}

qint64 UpdateHistory::begin(const UpdateAttempt& attempt, bool resuming)
{
    if (!open)
        return 0;
    QSqlError why;
    qint64 id = insertAttempt(attempt, resuming, &why);
    // Damage where the checks on opening do not look.
    if (id == 0 && HistorySchema::isDamage(why) && access == Access::Writer) {
        QString error;
        open = startOver(&error);
        if (!open) {
            say(OperatorText::tr("The update history could not be read: %1").arg(error));
            return 0;
        }
        id = insertAttempt(attempt, resuming, &why);
    }
    if (id == 0)
        say(OperatorText::tr("The update history could not be written: %1").arg(why.text()));
    return id;
}

qint64 UpdateHistory::insertAttempt(const UpdateAttempt& attempt, bool resuming, QSqlError* why)
{
    QSqlDatabase db = QSqlDatabase::database(connection, false);
    QSqlQuery query(db);
    const auto failed = [&](const QSqlError& error) {
        *why = error;
        query.finish();
        db.rollback();
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
    // Before the commit: a mark ahead of the history skips an id, one behind could repeat it.
    idMark.keep(id);
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
        say(OperatorText::tr("The update history could not be written: %1").arg(query.lastError().text()));
}

// Each filter has its index; newest first is the table's own order.
QSqlQuery UpdateHistory::select(const Filter& filter, bool updaterRunsElsewhere, bool forwardOnly) const
{
    QSqlQuery query(QSqlDatabase::database(connection, false));
    if (!open)
        return query;
    QStringList columns = UpdateAttempt::fieldNames();
    if (!updaterRunsElsewhere)
        columns[State] = QStringLiteral("CASE state WHEN 'pending' THEN 'interrupted' ELSE state END");
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
    query.setForwardOnly(forwardOnly);
    query.prepare(QStringLiteral("SELECT %1 FROM attempts WHERE %2 ORDER BY id DESC")
                      .arg(columns.join(QStringLiteral(", ")),
                           conditions.isEmpty() ? QStringLiteral("1") : conditions.join(QStringLiteral(" AND "))));
    for (const QVariant& value : values)
        query.addBindValue(value);
    if (!query.exec())
        say(OperatorText::tr("The update history could not be read: %1").arg(query.lastError().text()));
    return query;
}

UpdateAttempt UpdateHistory::attemptIn(const QSqlRecord& record)
{
    return attemptFrom(record);
}

std::optional<QStringList> UpdateHistory::recentLogs(int attempts) const
{
    if (!open)
        return std::nullopt;
    QSqlQuery query(QSqlDatabase::database(connection, false));
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT log FROM attempts ORDER BY id DESC LIMIT ?"));
    query.addBindValue(attempts);
    if (!query.exec())
        return std::nullopt;
    QStringList logs;
    while (query.next()) {
        if (!query.value(0).isNull())
            logs << query.value(0).toString();
    }
    return logs;
}
