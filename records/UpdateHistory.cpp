#include "records/UpdateHistory.h"

#include "catalogue/OperatorText.h"
#include "host/GroupRefusal.h"
#include "host/StateFiles.h"
#include "host/StateFolder.h"

#include <QAtomicInt>
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUrl>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

namespace {

// Raised with every change of the schema; a history written by a newer
// updater is used as it is, since tables, columns and indexes are only ever
// added.
constexpr int schemaVersion = 2;

const char* const tableSchema[] = {
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

// Added in version 2: what `history --model` and `--since` read instead of
// the whole table, and when the whole file was last checked.
const char* const version2Schema[] = {
    "CREATE INDEX IF NOT EXISTS attempts_model ON attempts (model)",
    "CREATE INDEX IF NOT EXISTS attempts_started ON attempts (started)",
    "CREATE TABLE IF NOT EXISTS upkeep (name TEXT PRIMARY KEY, value TEXT NOT NULL)",
};

const char historyName[] = "history.db";
// The highest attempt id ever handed out here, beside the history so that a
// history started after a set-aside, or put back from a copy, continues
// above it.
const char idMarkName[] = "history.db.last-id";

// Beyond any id this history hands out. Ids reach scripts as JSON numbers
// (the report's attemptId, `history --json`), which hold integers exactly
// only below 2^53; and at SQLite's own end, 2^63 - 1, every later attempt
// would fail as "database or disk is full". No machine comes near either: a
// mark or a sequence there was put there by hand or by a fault, and is set
// aside like a damaged history.
constexpr qint64 idsEnd = qint64(1) << 53;
// The highest id handed out: a mark or a sequence there leaves no next one.
constexpr qint64 lastId = idsEnd - 1;

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

enum SqliteCode { Corrupt = 11, NotADatabase = 26 };

constexpr qint64 secondsBetweenFullChecks = 24 * 60 * 60;

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

QString inStateFolder(const char* name)
{
    return QDir::toNativeSeparators(stateFolder() + QLatin1Char('/') + QLatin1String(name));
}

QString kindOf(mode_t mode)
{
    if (S_ISLNK(mode))
        return OperatorText::tr("a symbolic link");
    if (S_ISDIR(mode))
        return OperatorText::tr("a folder");
    if (S_ISFIFO(mode))
        return OperatorText::tr("a named pipe");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return OperatorText::tr("a device");
    return OperatorText::tr("a socket");
}

QString notAFile(const char* name, mode_t mode)
{
    return OperatorText::tr("%1 is %2, not a file.").arg(inStateFolder(name)).arg(kindOf(mode));
}

// An account outside the folder's group is told how to join it.
QString systemError(const QString& path, int error)
{
    const GroupRefusal refusal(path);
    if (error == EACCES && refusal.applies())
        return refusal.line();
    return QStringLiteral("%1: %2").arg(path, QString::fromLocal8Bit(std::strerror(error)));
}

// A file directly in the state folder, opened without following a link and
// without waiting on a pipe, and looked at before that: opening a device can
// itself do something. O_CREAT makes it, open to the owner and the group
// only. -1 when it is missing (`why` empty) or no plain file (`why` says so).
int openStateFile(const char* name, int flags, QString* why)
{
    why->clear();
    const int folder = ::open(QFile::encodeName(stateFolder()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0) {
        if (errno != ENOENT)
            *why = systemError(QDir::toNativeSeparators(stateFolder()), errno);
        return -1;
    }
    struct stat seen {};
    const bool existed = ::fstatat(folder, name, &seen, AT_SYMLINK_NOFOLLOW) == 0;
    int file = -1;
    if (existed && !S_ISREG(seen.st_mode)) {
        *why = notAFile(name, seen.st_mode);
    } else if ((file = ::openat(folder, name, flags | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0660)) < 0) {
        // A link or a pipe put there since it was looked at.
        if (errno == ELOOP || errno == ENXIO)
            *why = notAFile(name, errno == ELOOP ? S_IFLNK : S_IFSOCK);
        else if (errno != ENOENT)
            *why = systemError(inStateFolder(name), errno);
    } else if (::fstat(file, &seen) != 0 || !S_ISREG(seen.st_mode)) {
        *why = notAFile(name, seen.st_mode);
        ::close(file);
        file = -1;
    } else if (!existed) {
        ::fchmod(file, 0660);
    }
    ::close(folder);
    return file;
}

// Empty when the file is missing or a plain file.
QString plainOrMissing(const char* name)
{
    struct stat seen {};
    const QByteArray path = QFile::encodeName(inStateFolder(name));
    if (::lstat(path.constData(), &seen) != 0 || S_ISREG(seen.st_mode))
        return QString();
    return notAFile(name, seen.st_mode);
}

// The mark goes through the open state folder like the pending records: a
// link, a pipe or a huge file planted under its name is never read or
// written through, and a new mark is renamed into place.
qint64 readIdMark()
{
    QByteArray text;
    QString unusable;
    const StateFiles folder(stateFolder(), QString(), false);
    if (folder.read(QString::fromLatin1(idMarkName), 32, &text, &unusable) != StateFiles::Found::File)
        return 0;
    return text.trimmed().toLongLong();
}

bool writeIdMark(qint64 id, QString* why)
{
    const StateFiles folder(stateFolder(), QString(), true);
    if (!folder.isOpen()) {
        *why = folder.errorString();
        return false;
    }
    return folder.replace(QString::fromLatin1(idMarkName), QByteArray::number(id) + '\n', why);
}

// Renamed within the state folder, never over another file.
bool movedAside(const QString& from, const QString& to)
{
    return ::renameat2(AT_FDCWD, QFile::encodeName(from).constData(), AT_FDCWD, QFile::encodeName(to).constData(),
                       RENAME_NOREPLACE)
           == 0;
}

// The name a file set aside was kept as, stamped with the time; empty when
// it could not be moved.
QString keptAside(const QString& path)
{
    const QString stem = path + QStringLiteral(".broken-")
                         + QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
    QString kept = stem;
    for (int copy = 2; !movedAside(path, kept); ++copy) {
        if (errno != EEXIST)
            return QString();
        kept = stem + QStringLiteral("-%1").arg(copy);
    }
    return kept;
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
    : say(std::move(lineSink)), access(access), connection(nextConnectionName())
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
    return stateFolder() + QLatin1Char('/') + QLatin1String(historyName);
}

// SQLite is handed a name that it may not create (mode=rw): the updater makes
// the file itself, and SQLite's own files beside it (-wal, -shm) it never
// opens through a link. It still follows a link at the name, so what it
// opened is compared with the file that was checked.
bool UpdateHistory::openFile(QString* error, bool* damaged)
{
    *damaged = false;
    if (access == Access::Writer) {
        const StateFiles folder(stateFolder(), QString(), true);
        if (!folder.isOpen()) {
            *error = folder.errorString();
            return false;
        }
    }
    fileHandle = openStateFile(historyName, access == Access::Writer ? O_RDONLY | O_CREAT : O_RDONLY, error);
    if (fileHandle < 0 && error->isEmpty() && access == Access::Reader)
        return openConnection(QStringLiteral(":memory:"), QString(), error) && createSchema(0, error, damaged);
    if (fileHandle < 0) {
        if (error->isEmpty())
            *error = systemError(QDir::toNativeSeparators(path()), ENOENT);
        return false;
    }
    for (const char* companion : {"history.db-wal", "history.db-shm"}) {
        *error = plainOrMissing(companion);
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
    if (::lstat(QFile::encodeName(opened).constData(), &openedFile) != 0 || ::fstat(fileHandle, &checkedFile) != 0
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
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next())
        return failed(query.lastError(), error, damaged);
    const int version = query.value(0).toInt();
    if (access == Access::Reader && version == 0) {
        // Made by a writer that has not yet written its schema: nothing on record.
        closeConnection();
        return openConnection(QStringLiteral(":memory:"), QString(), error) && createSchema(0, error, damaged);
    }
    if (access == Access::Writer
        && (!query.exec(QStringLiteral("PRAGMA journal_mode = WAL"))
            || !query.exec(QStringLiteral("PRAGMA synchronous = NORMAL"))))
        return failed(query.lastError(), error, damaged);
    if (access == Access::Writer && version < schemaVersion && !createSchema(version, error, damaged))
        return false;
    if (!query.exec(QStringLiteral("SELECT %1 FROM attempts LIMIT 0").arg(UpdateAttempt::fieldNames().join(QLatin1Char(','))))) {
        failed(query.lastError(), error, damaged);
        *damaged = true; // a database, but not a history
        return false;
    }
    return access == Access::Reader || (checkedToday(error, damaged) && keepIdsAboveMark(error, damaged));
}

bool UpdateHistory::createSchema(int version, QString* error, bool* damaged)
{
    QSqlDatabase db = QSqlDatabase::database(connection, false);
    QSqlQuery query(db);
    db.transaction();
    QStringList statements;
    if (version == 0) {
        for (const char* statement : tableSchema)
            statements << QString::fromLatin1(statement);
    }
    for (const char* statement : version2Schema)
        statements << QString::fromLatin1(statement);
    if (version == 0) // nothing in it to check
        statements << QStringLiteral("INSERT INTO upkeep (name, value) VALUES ('checked', '%1')")
                          .arg(timeText(QDateTime::currentDateTimeUtc()));
    statements << QStringLiteral("PRAGMA user_version = %1").arg(schemaVersion);
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

// A damaged page that nothing reads on opening is found by this, or by
// SQLite when a write reaches it.
bool UpdateHistory::checkedToday(QString* error, bool* damaged)
{
    QSqlQuery query(QSqlDatabase::database(connection, false));
    if (!query.exec(QStringLiteral("SELECT value FROM upkeep WHERE name = 'checked'")))
        return failed(query.lastError(), error, damaged);
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const QDateTime last = query.next() ? QDateTime::fromString(query.value(0).toString(), Qt::ISODate) : QDateTime();
    if (last.isValid() && last <= now && last.secsTo(now) < secondsBetweenFullChecks)
        return true;
    if (!query.exec(QStringLiteral("PRAGMA quick_check")))
        return failed(query.lastError(), error, damaged);
    if (!query.next() || query.value(0).toString() != QLatin1String("ok")) {
        *error = OperatorText::tr("it fails its integrity check");
        *damaged = true;
        return false;
    }
    query.finish();
    query.prepare(QStringLiteral("INSERT OR REPLACE INTO upkeep (name, value) VALUES ('checked', ?)"));
    query.addBindValue(timeText(now));
    return query.exec() || failed(query.lastError(), error, damaged);
}

// The history and the mark beside it agree on the highest id handed out:
// the mark learns it from a history written before it existed, and a new
// history starts above it.
bool UpdateHistory::keepIdsAboveMark(QString* error, bool* damaged)
{
    QSqlQuery query(QSqlDatabase::database(connection, false));
    if (!query.exec(QStringLiteral("SELECT seq FROM sqlite_sequence WHERE name = 'attempts'")))
        return failed(query.lastError(), error, damaged);
    const qint64 recorded = query.next() ? query.value(0).toLongLong() : 0;
    query.finish();
    if (recorded >= lastId) {
        *error = OperatorText::tr("its attempt ids are used up");
        *damaged = true;
        return false;
    }
    const qint64 mark = usableIdMark();
    QString why;
    if (recorded > mark && !writeIdMark(recorded, &why))
        say(OperatorText::tr("The update history's highest attempt id could not be kept: %1").arg(why));
    if (mark <= recorded)
        return true;
    query.prepare(recorded > 0 ? QStringLiteral("UPDATE sqlite_sequence SET seq = ? WHERE name = 'attempts'")
                               : QStringLiteral("INSERT INTO sqlite_sequence (seq, name) VALUES (?, 'attempts')"));
    query.addBindValue(mark);
    return query.exec() || failed(query.lastError(), error, damaged);
}

// The mark, or none once a mark that leaves no next id is set aside, with a
// line.
qint64 UpdateHistory::usableIdMark()
{
    const qint64 mark = readIdMark();
    if (mark < lastId)
        return mark;
    const QString markPath = inStateFolder(idMarkName);
    const QString kept = keptAside(markPath);
    if (kept.isEmpty()) {
        say(OperatorText::tr("The update history's highest attempt id in %1 is beyond any it can hold; "
                             "it is left out.")
                .arg(markPath));
    } else {
        say(OperatorText::tr("The update history's highest attempt id in %1 is beyond any it can hold; "
                             "it was kept as %2.")
                .arg(markPath)
                .arg(QDir::toNativeSeparators(kept)));
    }
    return 0;
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
            .arg(QDir::toNativeSeparators(kept)));
    return true;
}

// Renamed, never deleted: the attempts in it may still be read by hand. A
// name already taken is never replaced.
QString UpdateHistory::setAside()
{
    closeConnection();
    const QString kept = keptAside(path());
    // Left beside a new history.db, they would be taken for its own.
    if (!kept.isEmpty()) {
        for (const char* suffix : {"-wal", "-shm"})
            movedAside(path() + QLatin1String(suffix), kept + QLatin1String(suffix));
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
    // Only once SQLite has let go of the file: closing another descriptor of
    // it would drop SQLite's locks.
    if (fileHandle >= 0)
        ::close(fileHandle);
    fileHandle = -1;
}

bool UpdateHistory::failed(const QSqlError& why, QString* error, bool* damaged) const
{
    *error = why.databaseText().isEmpty() ? why.text() : why.databaseText();
    *damaged = isDamage(why);
    return false;
}

qint64 UpdateHistory::begin(const UpdateAttempt& attempt, bool resuming)
{
    if (!open)
        return 0;
    QSqlError why;
    qint64 id = insertAttempt(attempt, resuming, &why);
    // Damage where the checks on opening do not look.
    if (id == 0 && isDamage(why) && access == Access::Writer) {
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
    QString markError;
    if (!writeIdMark(id, &markError))
        say(OperatorText::tr("The update history's highest attempt id could not be kept: %1").arg(markError));
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
