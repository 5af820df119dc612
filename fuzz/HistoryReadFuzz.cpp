// The history as `history` reads it back from a history.db planted in the
// state folder, as anyone in the group can plant one. The input's first
// byte chooses its schema: the history's own, one with a column more, one
// with a column fewer, the attempts a view (of the rows, or of a query that
// never ends), a trigger that never ends, a column computed, or a view that
// never ends beside the table; the next picks the missing column. The rest
// is a run of values for the table that holds the rows, each a kind byte
// (null, integer, real, text, bytes stored as text, blob) and its data,
// one row every as many values as the history has columns.
// Invariant: no crash, hang or undefined behaviour, and no open and read of
// the history takes more than a second; a history of the first two schemas
// prints its table, JSON and CSV, inert and holding every row, and any other
// is refused, printing nothing (PrintedHistory).

#include "fuzz/FuzzInput.h"
#include "fuzz/PrintedHistory.h"
#include "records/history/HistorySchema.h"
#include "records/history/UpdateAttempt.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <cstdlib>
#include <cstring>

namespace {

QString historyFile;

enum Schema { Own, ExtraColumn, MissingColumn, View, EndlessView, EndlessTrigger, ComputedColumn, EndlessViewBeside, SchemaCount };

const QString endless = QStringLiteral("WITH RECURSIVE forever(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM forever) ");

// The table that holds the rows, and what is made after they are in it.
QString tableOf(Schema schema, const QStringList& columns)
{
    const QString own = columns.join(QLatin1Char(','));
    switch (schema) {
    case ExtraColumn: return "CREATE TABLE attempts (" + own + ", planted TEXT DEFAULT 'x')";
    case View:
    case EndlessView: return "CREATE TABLE kept (" + own + ')';
    case ComputedColumn: return "CREATE TABLE attempts (" + own + ", planted TEXT GENERATED ALWAYS AS (upper(model)))";
    default: return "CREATE TABLE attempts (" + own + ')';
    }
}

QStringList madeAfterRows(Schema schema)
{
    switch (schema) {
    case View: return {QStringLiteral("CREATE VIEW attempts AS SELECT * FROM kept")};
    case EndlessView: return {"CREATE VIEW attempts AS " + endless + "SELECT kept.* FROM kept, forever"};
    case EndlessTrigger:
        return {"CREATE TRIGGER planted AFTER INSERT ON attempts BEGIN SELECT count(*) FROM (" + endless
                + "SELECT n FROM forever); END"};
    case EndlessViewBeside: return {"CREATE VIEW planted AS " + endless + "SELECT n FROM forever"};
    default: return {};
    }
}

// A new file each time: nothing of the last input's schema is left.
QSqlQuery plantedAnew()
{
    {
        QSqlDatabase db = QSqlDatabase::database(QStringLiteral("planted"), false);
        db.close();
    }
    QFile::remove(historyFile);
    QSqlDatabase db = QSqlDatabase::database(QStringLiteral("planted"), false);
    QSqlQuery query(db);
    // No journal to write, nothing to sync.
    if (!db.open() || !query.exec("PRAGMA journal_mode = MEMORY") || !query.exec("PRAGMA synchronous = OFF")
        || !query.exec(QStringLiteral("PRAGMA user_version = %1").arg(HistorySchema::current)))
        std::abort();
    return query;
}

// A placeholder for the next value, and what it binds (nothing for null).
QString planted(FuzzInput& input, QVariantList* bound)
{
    const int kind = input.byte() % 6;
    const qint64 number = kind == 1 || kind == 2 ? input.number(8) : 0;
    double real;
    std::memcpy(&real, &number, sizeof real);
    switch (kind) {
    case 0: return QStringLiteral("NULL");
    case 1: *bound << number; break;
    case 2: *bound << real; break;
    case 3: *bound << QString::fromUtf8(input.counted()); break;
    case 4: *bound << input.counted(); return QStringLiteral("CAST(? AS TEXT)");
    default: *bound << input.counted(); break; // a blob
    }
    return QStringLiteral("?");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    historyFile = PrintedHistory::prepare(argc, argv) + QStringLiteral("/history.db");
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("planted"));
    db.setDatabaseName(historyFile);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput input(data, size);
    const auto schema = Schema(input.byte() % SchemaCount);
    QStringList columns = UpdateAttempt::fieldNames();
    const int missing = input.byte() % columns.size();
    if (schema == MissingColumn)
        columns.removeAt(missing);
    QSqlQuery query = plantedAnew();
    QSqlDatabase db = QSqlDatabase::database(QStringLiteral("planted"));
    if (!db.transaction())
        std::abort();
    if (!query.exec(tableOf(schema, columns)))
        std::abort();
    const QString table = schema == View || schema == EndlessView ? QStringLiteral("kept") : QStringLiteral("attempts");
    int rows = 0;
    for (; !input.atEnd(); ++rows) {
        QStringList placeholders;
        QVariantList bound;
        for (int column = 0; column < columns.size(); ++column)
            placeholders << planted(input, &bound);
        query.prepare("INSERT INTO " + table + " (" + columns.join(',') + ") VALUES (" + placeholders.join(',') + ')');
        for (const QVariant& value : bound)
            query.addBindValue(value);
        if (!query.exec())
            std::abort();
    }
    for (const QString& statement : madeAfterRows(schema)) {
        if (!query.exec(statement))
            std::abort();
    }
    if (!db.commit())
        std::abort();
    if (schema == Own || schema == ExtraColumn)
        PrintedHistory::check(rows);
    else
        PrintedHistory::checkRefused();
    return 0;
}
