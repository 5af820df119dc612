#include "records/history/HistoryQueryLimit.h"

#include "catalogue/OperatorText.h"
#include "families/CallBudget.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QVariant>

#include <sqlite3.h>

namespace {

// Often enough that a second is kept to within a few milliseconds, seldom
// enough that asking the clock costs nothing measurable.
constexpr int instructionsBetweenLooks = 1000;

constexpr int sqliteInterrupt = 9;

} // namespace

bool HistoryQueryLimit::watch(const QSqlDatabase& connection)
{
    const QVariant handle = connection.driver() ? connection.driver()->handle() : QVariant();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return false;
    sqlite3* const database = *static_cast<sqlite3* const*>(handle.constData());
    if (!database)
        return false;
    restart = true;
    sqlite3_progress_handler(database, instructionsBetweenLooks, &HistoryQueryLimit::onProgress, this);
    sqlite3_trace_v2(database, SQLITE_TRACE_STMT | SQLITE_TRACE_ROW, &HistoryQueryLimit::onTrace, this);
    return true;
}

QString HistoryQueryLimit::busyTimeoutOption()
{
    return QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1")
        .arg(std::chrono::duration_cast<std::chrono::milliseconds>(limit).count());
}

OperatorText HistoryQueryLimit::reason(const QSqlError& error)
{
    return reason(error.nativeErrorCode().toInt(),
                  error.databaseText().isEmpty() ? error.text() : error.databaseText());
}

OperatorText HistoryQueryLimit::reason(int code, const QString& message)
{
    if ((code & 0xff) == sqliteInterrupt)
        return OperatorText::tr("it did not answer within %1").arg(CallBudget::describe(limit));
    return OperatorText::verbatim(message);
}

bool HistoryQueryLimit::interrupted(const QSqlError& error)
{
    return (error.nativeErrorCode().toInt() & 0xff) == sqliteInterrupt;
}

int HistoryQueryLimit::onProgress(void* watched)
{
    auto* self = static_cast<HistoryQueryLimit*>(watched);
    const Clock::time_point now = Clock::now();
    if (self->restart) {
        self->restart = false;
        self->deadline = now + limit;
        return 0;
    }
    return now > self->deadline ? 1 : 0;
}

int HistoryQueryLimit::onTrace(unsigned, void* watched, void*, void*)
{
    static_cast<HistoryQueryLimit*>(watched)->restart = true;
    return 0;
}
