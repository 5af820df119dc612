// The history as `history` reads it back from a history.db planted in the
// state folder, whose attempts table takes any value, as a planted one can.
// The input is a run of values, each a kind byte (null, integer, real,
// text, bytes stored as text, blob) and its data, every 20 a row.
// Invariant: no crash, hang or undefined behaviour; the table, the JSON
// and the CSV all print, inert, and hold every row (PrintedHistory).

#include "fuzz/FuzzInput.h"
#include "fuzz/PrintedHistory.h"
#include "records/history/HistorySchema.h"
#include "records/history/UpdateAttempt.h"

#include <QSqlDatabase>
#include <QSqlQuery>

#include <cstdlib>
#include <cstring>

namespace {

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
    const QString stateFolder = PrintedHistory::prepare(argc, argv);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("planted"));
    db.setDatabaseName(stateFolder + QStringLiteral("/history.db"));
    QSqlQuery query(db);
    // Planted again for every input: no journal to write, nothing to sync.
    if (!db.open() || !query.exec("PRAGMA journal_mode = MEMORY") || !query.exec("PRAGMA synchronous = OFF")
        || !query.exec(QStringLiteral("PRAGMA user_version = %1").arg(HistorySchema::current))
        || !query.exec("CREATE TABLE attempts (" + UpdateAttempt::fieldNames().join(',') + ')'))
        std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QSqlDatabase db = QSqlDatabase::database(QStringLiteral("planted"));
    QSqlQuery query(db);
    if (!db.transaction() || !query.exec(QStringLiteral("DELETE FROM attempts")))
        std::abort();
    int rows = 0;
    for (FuzzInput input(data, size); !input.atEnd(); ++rows) {
        QStringList placeholders;
        QVariantList bound;
        for (int column = 0; column < UpdateAttempt::fieldNames().size(); ++column)
            placeholders << planted(input, &bound);
        query.prepare("INSERT INTO attempts VALUES (" + placeholders.join(',') + ')');
        for (const QVariant& value : bound)
            query.addBindValue(value);
        if (!query.exec())
            std::abort();
    }
    if (!db.commit())
        std::abort();
    PrintedHistory::check(rows);
    return 0;
}
