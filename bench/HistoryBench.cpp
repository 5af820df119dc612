// What keeping the update history costs, against plain Qt SQL doing the same
// visible work, measured in one run by bench/run.sh. Both keep their files in
// the state folder, $RZ_STATE_DIR as bench/run.sh sets it.
//
//   history_bench seed N              N finished attempts in the history
//   history_bench record updater|bare ms to record one attempt and finish it
//                                     on an open history (median of 51); bare
//                                     inserts and updates a row of its own table
//   history_bench open updater|bare   ms to open the history (median of 11):
//                                     the updater with its integrity check,
//                                     bare with the same journal settings only
//   history_bench print bare          the history's rows printed one a line by
//                                     a plain query, beside `history`

#include "host/StateFolder.h"
#include "workflows/UpdateHistory.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

void ignore(const QString&) {}

UpdateAttempt sampleAttempt(int serial)
{
    UpdateAttempt attempt = UpdateAttempt::onThisMachine();
    attempt.started = QDateTime::currentDateTimeUtc();
    attempt.action = QStringLiteral("update");
    attempt.model = QStringLiteral("RZ610R");
    attempt.serial = serial;
    attempt.versionBefore = QStringLiteral("4.5.9");
    attempt.versionTarget = QStringLiteral("4.5.10");
    attempt.components = QStringList{"fpga"};
    attempt.sumsSha256 = QString(64, QLatin1Char('a'));
    attempt.log = stateFolder() + QStringLiteral("/2026-12-07_14-03-22.log");
    return attempt;
}

int seed(int count)
{
    UpdateHistory history(ignore);
    for (int i = 0; i < count; ++i)
        history.finish(history.begin(sampleAttempt(10000 + i % 500), false), i % 7 != 0, QStringLiteral("Failed Writing"));
    return 0;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

QSqlDatabase openBare(const QString& path)
{
    QSqlDatabase db = QSqlDatabase::database();
    if (!db.isValid())
        db = QSqlDatabase::addDatabase("QSQLITE");
    db.setDatabaseName(path);
    db.open();
    QSqlQuery query(db);
    query.exec("PRAGMA journal_mode = WAL");
    query.exec("PRAGMA synchronous = NORMAL");
    return db;
}

double recordUpdater(UpdateHistory& history, const UpdateAttempt& attempt)
{
    QElapsedTimer timer;
    timer.start();
    history.finish(history.begin(attempt, false), true, QString());
    return timer.nsecsElapsed() / 1e6;
}

double recordBare(QSqlDatabase& db)
{
    QElapsedTimer timer;
    timer.start();
    QSqlQuery query(db);
    query.prepare("INSERT INTO attempts (started, state) VALUES (?, 'pending')");
    query.addBindValue(QDateTime::currentDateTimeUtc().toString(Qt::ISODate));
    query.exec();
    const QVariant id = query.lastInsertId();
    query.prepare("UPDATE attempts SET state = 'succeeded', finished = ? WHERE id = ?");
    query.addBindValue(QDateTime::currentDateTimeUtc().toString(Qt::ISODate));
    query.addBindValue(id);
    query.exec();
    return timer.nsecsElapsed() / 1e6;
}

int record(bool updater)
{
    std::vector<double> times;
    if (updater) {
        UpdateHistory history(ignore);
        const UpdateAttempt attempt = sampleAttempt(4242);
        for (int i = 0; i < 51; ++i)
            times.push_back(recordUpdater(history, attempt));
    } else {
        QSqlDatabase db = openBare(stateFolder() + "/bare.db");
        QSqlQuery(db).exec("CREATE TABLE IF NOT EXISTS attempts (id INTEGER PRIMARY KEY, started TEXT, finished TEXT, state TEXT)");
        for (int i = 0; i < 51; ++i)
            times.push_back(recordBare(db));
    }
    std::printf("%.3f\n", median(times));
    return 0;
}

int open(bool updater)
{
    std::vector<double> times;
    for (int i = 0; i < 11; ++i) {
        QElapsedTimer timer;
        timer.start();
        if (updater) {
            UpdateHistory history(ignore);
            times.push_back(timer.nsecsElapsed() / 1e6);
        } else {
            QSqlDatabase db = openBare(UpdateHistory::path());
            times.push_back(timer.nsecsElapsed() / 1e6);
            db.close();
        }
    }
    std::printf("%.3f\n", median(times));
    return 0;
}

int printBare()
{
    QSqlDatabase db = openBare(UpdateHistory::path());
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.exec("SELECT id, started, action, model, serial, versionBefore, versionTarget, state FROM attempts"
               " ORDER BY id DESC");
    QTextStream out(stdout);
    while (query.next()) {
        QStringList fields;
        for (int column = 0; column < 8; ++column)
            fields << query.value(column).toString();
        out << fields.join("  ") << '\n';
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const auto is = [&](int index, const char* text) { return argc > index && std::strcmp(argv[index], text) == 0; };
    if (is(1, "seed") && argc > 2)
        return seed(std::atoi(argv[2]));
    if (is(1, "record") && (is(2, "updater") || is(2, "bare")))
        return record(is(2, "updater"));
    if (is(1, "open") && (is(2, "updater") || is(2, "bare")))
        return open(is(2, "updater"));
    if (is(1, "print") && is(2, "bare"))
        return printBare();
    std::fprintf(stderr, "usage: history_bench seed N | record updater|bare | open updater|bare | print bare\n");
    return 2;
}
