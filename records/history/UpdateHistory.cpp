#include "records/history/UpdateHistory.h"

#include "catalogue/OperatorText.h"
#include "records/history/HistoryTime.h"

#include <QSqlError>
#include <QSqlQuery>

#include <utility>

UpdateHistory::UpdateHistory(LineSink lineSink)
    : say(lineSink), database(lineSink, HistoryDatabase::Access::Writer), idMark(std::move(lineSink))
{
}

qint64 UpdateHistory::begin(const UpdateAttempt& attempt, bool resuming)
{
    if (!database.isOpen()) {
        say(OperatorText::tr("This attempt is not recorded in the update history."));
        return 0;
    }
    QSqlError why;
    qint64 id = insertAttempt(attempt, resuming, &why);
    // Damage where the checks on opening do not look.
    if (id == 0 && HistorySchema::isDamage(why)) {
        if (!database.startOver())
            return 0;
        id = insertAttempt(attempt, resuming, &why);
    }
    if (id == 0)
        say(OperatorText::tr("The update history could not be written: %1").arg(HistoryQueryLimit::reason(why)));
    return id;
}

qint64 UpdateHistory::insertAttempt(const UpdateAttempt& attempt, bool resuming, QSqlError* why)
{
    QSqlDatabase db = database.connection();
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
    // The pending state written out, not bound: so SQLite finds those rows
    // through the index kept of them alone.
    if (!query.exec(QStringLiteral("UPDATE attempts SET state = '%1' WHERE state = '%2'")
                        .arg(AttemptState::stored(AttemptState::Interrupted), AttemptState::stored(AttemptState::Pending))))
        return failed(query.lastError());
    QVariant resumedFrom;
    if (resuming) {
        query.prepare(QStringLiteral("SELECT id, state FROM attempts WHERE serial = ? AND model = ? ORDER BY id DESC LIMIT 1"));
        query.addBindValue(attempt.serial);
        query.addBindValue(attempt.model);
        if (!query.exec())
            return failed(query.lastError());
        if (query.next() && query.value(1).toString() != AttemptState::stored(AttemptState::Succeeded))
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
    row.state = AttemptState::Pending;
    row.finished = QDateTime();
    row.error.clear();
    row.resumedFrom = resumedFrom;
    const QStringList columns = UpdateAttempt::fieldNames().mid(UpdateAttempt::Started);
    query.prepare(QStringLiteral("INSERT INTO attempts (%1) VALUES (%2)")
                      .arg(columns.join(QStringLiteral(", ")), QStringLiteral(", ?").repeated(columns.size()).mid(2)));
    for (int field = UpdateAttempt::Started; field < UpdateAttempt::FieldCount; ++field)
        query.addBindValue(row.value(UpdateAttempt::Field(field)));
    return query.exec();
}

void UpdateHistory::finish(qint64 id, bool succeeded, const QString& error)
{
    settle(id, succeeded ? AttemptState::Succeeded : AttemptState::Failed, succeeded ? QString() : error);
}

void UpdateHistory::interrupt(qint64 id, const QString& error)
{
    settle(id, AttemptState::Interrupted, error);
}

void UpdateHistory::settle(qint64 id, AttemptState::Value state, const QString& error)
{
    if (!database.isOpen() || id <= 0)
        return;
    QSqlQuery query(database.connection());
    query.prepare(QStringLiteral(
        "UPDATE attempts SET state = ?, finished = ?, error = ? WHERE id = ? AND state = ?"));
    query.addBindValue(QString(AttemptState::stored(state)));
    query.addBindValue(HistoryTime::text(QDateTime::currentDateTimeUtc()));
    query.addBindValue(error.isEmpty() ? QVariant() : QVariant(error));
    query.addBindValue(id);
    query.addBindValue(QString(AttemptState::stored(AttemptState::Pending)));
    if (!query.exec())
        say(OperatorText::tr("The update history could not be written: %1").arg(HistoryQueryLimit::reason(query.lastError())));
}

bool UpdateHistory::noteDiscarded(const QString& model, int serial)
{
    if (!database.isOpen())
        return false;
    const UpdateAttempt here = UpdateAttempt::onThisMachine();
    QSqlQuery query(database.connection());
    query.prepare(QStringLiteral(
        "UPDATE attempts SET discarded = ?, discardedBy = ? WHERE id = "
        "(SELECT MAX(id) FROM attempts WHERE serial = ? AND model = ?) AND state <> ?"));
    query.addBindValue(HistoryTime::text(QDateTime::currentDateTimeUtc()));
    query.addBindValue(QStringLiteral("%1@%2").arg(here.user, here.host));
    query.addBindValue(serial);
    query.addBindValue(model);
    query.addBindValue(QString(AttemptState::stored(AttemptState::Succeeded)));
    if (!query.exec()) {
        say(OperatorText::tr("The update history could not be written: %1").arg(query.lastError().text()));
        return false;
    }
    if (query.numRowsAffected() > 0)
        return true;
    say(OperatorText::tr("The update history holds no unfinished attempt of %1 %2 to mark as discarded.")
            .arg(model)
            .arg(serial));
    return false;
}
