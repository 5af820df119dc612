#include "records/history/HistoryDatabase.h"

#include "catalogue/OperatorText.h"
#include "host/StateFiles.h"
#include "host/StateFolder.h"

#include <QAtomicInt>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QVariant>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>

#include <utility>

namespace {

const QString historyName = QStringLiteral("history.db");

QString nextConnectionName()
{
    static QAtomicInt made;
    return QStringLiteral("rz-update-history-%1").arg(made.fetchAndAddRelaxed(1));
}

} // namespace

HistoryDatabase::HistoryDatabase(LineSink lineSink, Access access)
    : say(std::move(lineSink)), access(access), connectionName(nextConnectionName()), schema(connectionName),
      idMark(say)
{
    OperatorText error;
    bool damaged = false;
    open = openFile(&error, &damaged) && prepare(&error, &damaged);
    if (!open && damaged && access == Access::Writer)
        open = startOver(&error);
    if (!open)
        say(OperatorText::tr("The update history could not be read: %1").arg(error));
}

HistoryDatabase::~HistoryDatabase()
{
    closeConnection();
}

QString HistoryDatabase::path()
{
    return stateFolder() + QLatin1Char('/') + historyName;
}

QSqlDatabase HistoryDatabase::connection() const
{
    return QSqlDatabase::database(connectionName, false);
}

bool HistoryDatabase::startOver()
{
    OperatorText error;
    open = startOver(&error);
    if (!open)
        say(OperatorText::tr("The update history could not be read: %1").arg(error));
    return open;
}

// SQLite is handed a name that it may not create (mode=rw): the updater makes
// the file itself, and SQLite's own files beside it (-wal, -shm) it never
// opens through a link. It still follows a link at the name, so what it
// opened is compared with the file that was checked.
bool HistoryDatabase::openFile(OperatorText* error, bool* damaged)
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
            *error = OperatorText::verbatim(
                QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path()), QString::fromLocal8Bit(std::strerror(ENOENT))));
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
    QSqlQuery query(connection());
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

bool HistoryDatabase::openConnection(const QString& name, const QString& options, OperatorText* error)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
    db.setDatabaseName(name);
    db.setConnectOptions(QStringList{options, HistoryQueryLimit::busyTimeoutOption()}.join(QLatin1Char(';')));
    if (!db.open()) {
        *error = OperatorText::verbatim(db.lastError().text());
        return false;
    }
    if (limit.watch(db))
        return true;
    *error = OperatorText::tr("Qt's SQLite driver gives no handle to bound its queries by");
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
bool HistoryDatabase::prepare(OperatorText* error, bool* damaged)
{
    QSqlDatabase db = connection();
    if (db.databaseName() == QLatin1String(":memory:"))
        return true;
    const int found = schema.version(error, damaged);
    if (found < 0 || !schema.runsNoCode(error, damaged))
        return false;
    version = access == Access::Writer ? std::max(found, int(HistorySchema::current)) : found;
    if (access == Access::Reader && found == 0) {
        // Made by a writer that has not yet written its schema: nothing on record.
        closeConnection();
        version = HistorySchema::current;
        return openConnection(QStringLiteral(":memory:"), QString(), error) && schema.create(0, error, damaged);
    }
    QSqlQuery query(db);
    if (access == Access::Writer
        && (!query.exec(QStringLiteral("PRAGMA journal_mode = WAL"))
            || !query.exec(QStringLiteral("PRAGMA synchronous = NORMAL"))))
        return HistorySchema::failed(query.lastError(), error, damaged);
    if (access == Access::Writer && found < HistorySchema::current && !schema.create(found, error, damaged))
        return false;
    if (!schema.holdsAttempts(version, error, damaged))
        return false;
    return access == Access::Reader || (schema.checkedToday(error, damaged) && keepIdsAboveMark(error, damaged));
}

// The history and the mark beside it agree on the highest id handed out:
// the mark learns it from a history written before it existed, and a new
// history starts above it.
bool HistoryDatabase::keepIdsAboveMark(OperatorText* error, bool* damaged)
{
    QSqlQuery query(connection());
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

bool HistoryDatabase::startOver(OperatorText* error)
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
QString HistoryDatabase::setAside()
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

void HistoryDatabase::closeConnection()
{
    {
        QSqlDatabase db = connection();
        db.close();
    }
    QSqlDatabase::removeDatabase(connectionName);
    // Only once SQLite has let go of the file: closing another descriptor of
    // it would drop SQLite's locks.
    fileHandle = FileDescriptor();
}
