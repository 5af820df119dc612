// What keeping the update history costs, against plain Qt SQL doing the same
// visible work, measured in one run by bench/run.sh. Both keep their files in
// the state folder, $RZ_STATE_DIR as bench/run.sh sets it.
//
//   history_bench seed N              a new history of N finished attempts,
//                                     made by the updater and grown by SQL;
//                                     ten of them, whatever N, of serial 12345
//   history_bench record updater|bare ms to record one attempt and finish it
//                                     on an open history (median of 51); bare
//                                     inserts and updates a row of its own table
//   history_bench open updater|bare   ms to open the history (median of 11):
//                                     the updater as before a write, bare with
//                                     the same journal settings only
//   history_bench check               ms to open it on the day its whole file
//                                     is checked
//   history_bench dialog              ms from "Update History..." to the
//                                     dialog's first paint over the window,
//                                     and the peak KiB of the process
//   history_bench peak COMMAND...     ms and peak KiB of COMMAND, its output
//                                     thrown away

#include "app/MainWindow.h"
#include "app/StartupEnvironment.h"
#include "host/StateFolder.h"
#include "ui/HistoryDialog.h"
#include "records/history/UpdateHistory.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>
#include <QTimer>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

void ignore(const OperatorText&) {}

UpdateAttempt sampleAttempt(int serial)
{
    UpdateAttempt attempt = UpdateAttempt::updateStartedNow(QStringLiteral("RZ610R"), serial, QStringLiteral("4.5.10"),
                                                            QStringLiteral("fpga"));
    attempt.versionBefore = QStringLiteral("4.5.9");
    attempt.sumsSha256 = QString(64, QLatin1Char('a'));
    attempt.log = stateFolder() + QStringLiteral("/2026-12-07_14-03-22.log");
    return attempt;
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

// One attempt every five minutes, on 5,000 instruments of the four models,
// one in seven failed.
int seed(int count)
{
    { UpdateHistory history(ignore); }
    QSqlDatabase db = openBare(HistoryDatabase::path());
    QSqlQuery query(db);
    const QString insert = QStringLiteral(
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1)"
        " INSERT INTO attempts (started, finished, host, user, action, model, serial, versionBefore,"
        " versionTarget, components, state, error, releaseKey, sumsSha256, log, updaterVersion, libraryVersion)"
        " SELECT strftime('%Y-%m-%dT%H:%M:%SZ', '2020-01-01', '+' || (i * 300) || ' seconds'),"
        " strftime('%Y-%m-%dT%H:%M:%SZ', '2020-01-01', '+' || (i * 300 + 200) || ' seconds'),"
        " 'bench-1', 'operator', 'update', CASE i % 4 WHEN 0 THEN 'RZ610R' WHEN 1 THEN 'RZ610S'"
        " WHEN 2 THEN 'RZ610T' ELSE 'RZ870S' END,"
        " CASE WHEN i % %2 = 0 THEN 12345 ELSE 20000 + i % 5000 END, '4.5.9', '4.5.10', 'fpga',"
        " CASE WHEN i % 7 = 0 THEN 'failed' ELSE 'succeeded' END,"
        " CASE WHEN i % 7 = 0 THEN 'Failed Writing' END, 'A1B2C3D4E5F60718', '%3',"
        " '%4/2020-01-01_00-00-00.log', '1.0.0', 'rzsim 1.0 (simulated instrument)' FROM n");
    db.transaction();
    const bool grown = query.exec(insert.arg(count).arg(qMax(1, count / 10)).arg(QString(64, QLatin1Char('a')), stateFolder()));
    db.commit();
    if (!grown)
        std::fprintf(stderr, "%s\n", qPrintable(query.lastError().text()));
    return grown ? 0 : 1;
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
            QSqlDatabase db = openBare(HistoryDatabase::path());
            times.push_back(timer.nsecsElapsed() / 1e6);
            db.close();
        }
    }
    std::printf("%.3f\n", median(times));
    return 0;
}

// The day's check made due again, as if the last one were a day old.
int check()
{
    {
        QSqlDatabase db = openBare(HistoryDatabase::path());
        QSqlQuery(db).exec("DELETE FROM upkeep WHERE name = 'checked'");
        db.close();
    }
    QElapsedTimer timer;
    timer.start();
    UpdateHistory history(ignore);
    std::printf("%.3f\n", timer.nsecsElapsed() / 1e6);
    return history.isOpen() ? 0 : 1;
}

long peakKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Reports once the dialog has painted itself over the window.
class FirstPaint : public QObject
{
public:
    QElapsedTimer sinceAsked;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !reported) {
            reported = true;
            QTimer::singleShot(0, [this] {
                std::printf("%lld %ld\n", sinceAsked.elapsed(), peakKiB());
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool reported = false;
};

int dialog()
{
    MainWindow window(nullptr);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    FirstPaint watcher;
    watcher.sinceAsked.start();
    HistoryDialog shown(&window, ignore);
    shown.installEventFilter(&watcher);
    for (QWidget* child : shown.findChildren<QWidget*>())
        child->installEventFilter(&watcher);
    shown.show();
    return QApplication::exec();
}

int peak(char* command[])
{
    QElapsedTimer timer;
    timer.start();
    const pid_t child = fork();
    if (child == 0) {
        const int nowhere = ::open("/dev/null", O_WRONLY);
        dup2(nowhere, STDOUT_FILENO);
        execvp(command[0], command);
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (child < 0 || wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return 1;
    std::printf("%lld %ld\n", timer.elapsed(), usage.ru_maxrss);
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    const auto is = [&](int index, const char* text) { return argc > index && std::strcmp(argv[index], text) == 0; };
    if (is(1, "peak") && argc > 2)
        return peak(argv + 2);
    if (is(1, "dialog")) {
        StartupEnvironment::skipOpenGlIntegration(); // as the updater's own main() does
        QApplication application(argc, argv);
        return dialog();
    }
    QCoreApplication application(argc, argv);
    if (is(1, "seed") && argc > 2)
        return seed(std::atoi(argv[2]));
    if (is(1, "record") && (is(2, "updater") || is(2, "bare")))
        return record(is(2, "updater"));
    if (is(1, "open") && (is(2, "updater") || is(2, "bare")))
        return open(is(2, "updater"));
    if (is(1, "check"))
        return check();
    std::fprintf(stderr, "usage: history_bench seed N | record updater|bare | open updater|bare | check | dialog"
                         " | peak COMMAND...\n");
    return 2;
}
