#include "records/history/HistoryStatement.h"

#include <QByteArray>
#include <QSqlDatabase>
#include <QSqlDriver>

#include <sqlite3.h>

#include <algorithm>

namespace {

sqlite3* handleOf(const QSqlDatabase& connection)
{
    const QVariant handle = connection.driver() ? connection.driver()->handle() : QVariant();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3* const*>(handle.constData());
}

// What Qt's driver reads for SQL's NULL: a text that is null.
QVariant nullText()
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return QVariant(QMetaType::fromType<QString>());
#else
    return QVariant(QVariant::String);
#endif
}

constexpr int sqliteMisuse = 21;

} // namespace

HistoryStatement::HistoryStatement(const QSqlDatabase& connection, const QString& sql, const QVariantList& values)
    : database(handleOf(connection))
{
    if (!database) {
        errorCode = sqliteMisuse;
        errorMessage = QStringLiteral("no SQLite connection");
        return;
    }
    const QByteArray text = sql.toUtf8();
    const int prepared = sqlite3_prepare_v2(database, text.constData(), int(text.size()), &statement, nullptr);
    if (prepared != SQLITE_OK) {
        fail(prepared);
        return;
    }
    for (int i = 0; i < values.size(); ++i) {
        if (!bind(i + 1, values.at(i)))
            return;
    }
}

HistoryStatement::~HistoryStatement()
{
    sqlite3_finalize(statement);
}

bool HistoryStatement::next()
{
    if (failed())
        return false;
    const int stepped = sqlite3_step(statement);
    if (stepped == SQLITE_ROW)
        return true;
    if (stepped != SQLITE_DONE)
        fail(sqlite3_reset(statement));
    return false;
}

QVariant HistoryStatement::value(int column) const
{
    switch (sqlite3_column_type(statement, column)) {
    case SQLITE_INTEGER:
        return qint64(sqlite3_column_int64(statement, column));
    case SQLITE_FLOAT:
        return sqlite3_column_double(statement, column);
    case SQLITE_NULL:
        return nullText();
    case SQLITE_BLOB:
        return QByteArray(static_cast<const char*>(sqlite3_column_blob(statement, column)),
                          sqlite3_column_bytes(statement, column));
    default:
        return text(column);
    }
}

// ASCII, nearly all of a history, is taken as it is stored; anything else
// SQLite turns into UTF-16 as it does for Qt's driver, replacing what is no
// UTF-8 alike.
QString HistoryStatement::text(int column) const
{
    if (sqlite3_column_type(statement, column) != SQLITE_TEXT)
        return value(column).toString();
    const auto* utf8 = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
    const int size = sqlite3_column_bytes(statement, column);
    if (std::all_of(utf8, utf8 + size, [](char c) { return (c & 0x80) == 0; }))
        return QString::fromLatin1(utf8, size);
    const auto* utf16 = static_cast<const QChar*>(sqlite3_column_text16(statement, column));
    return QString(utf16, sqlite3_column_bytes16(statement, column) / int(sizeof(QChar)));
}

bool HistoryStatement::bind(int index, const QVariant& value)
{
    int bound = SQLITE_OK;
    if (value.userType() == QMetaType::Int || value.userType() == QMetaType::LongLong) {
        bound = sqlite3_bind_int64(statement, index, value.toLongLong());
    } else {
        const QByteArray text = value.toString().toUtf8();
        bound = sqlite3_bind_text(statement, index, text.constData(), int(text.size()), SQLITE_TRANSIENT);
    }
    if (bound != SQLITE_OK)
        fail(bound);
    return bound == SQLITE_OK;
}

void HistoryStatement::fail(int result)
{
    errorCode = result == SQLITE_OK ? sqliteMisuse : result;
    errorMessage = QString::fromUtf8(sqlite3_errmsg(database));
}
