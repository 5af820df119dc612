#include "tests/support/PanelDriver.h"
#include "tests/support/ModalAnswer.h"
#include "tests/support/Samples.h"
#include "tests/support/SimulatedInstrument.h"
#include "tests/support/UpdaterRun.h"
#include "tests/support/FakeOpener.h"

#include "catalogue/ChecksumList.h"
#include "host/UpdaterLock.h"
#include "ui/HistoryDialog.h"
#include "records/history/UpdateHistory.h"

#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSysInfo>
#include <QTableView>
#include <QTextEdit>
#include <QTimer>
#include <QtTest>

#include <optional>

#include <sys/stat.h>

namespace {

const auto usbModel = &SimulatedInstrument::usbModel;

QJsonArray historyJson()
{
    UpdaterRun run({"history", "--json"});
    if (run.finish() != 0)
        return QJsonArray();
    return QJsonDocument::fromJson(run.output).object().value("attempts").toArray();
}

// "id action state resumedFrom error" an attempt, newest first; "-" for null.
QStringList summary(const QJsonArray& attempts)
{
    QStringList lines;
    for (const QJsonValue& value : attempts) {
        const QJsonObject attempt = value.toObject();
        lines << QString("%1 %2 %3 %4 %5")
                     .arg(attempt.value("id").toInt())
                     .arg(attempt.value("action").toString(), attempt.value("state").toString(),
                          attempt.value("resumedFrom").isNull() ? "-" : QString::number(attempt.value("resumedFrom").toInt()),
                          attempt.value("error").isNull() ? "-" : attempt.value("error").toString());
    }
    return lines;
}

QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The ids an output of `history` lists, in its order.
QStringList idsIn(const QByteArray& output, const QString& format)
{
    QStringList ids;
    if (format == "json") {
        for (const QJsonValue& attempt : QJsonDocument::fromJson(output).object().value("attempts").toArray())
            ids << QString::number(attempt.toObject().value("id").toInt());
        return ids;
    }
    QStringList lines = QString::fromUtf8(output).split('\n', Qt::SkipEmptyParts);
    if (lines.isEmpty())
        return ids;
    const QString header = lines.takeFirst();
    if (format == "csv" && header != UpdateAttempt::fieldNames().join(','))
        return {"bad header: " + header};
    for (const QString& line : lines)
        ids << line.section(QRegularExpression("[ ,]"), 0, 0);
    return ids;
}

// What a hand edit of the history could put in a failure line: a formula
// for a spreadsheet, a sequence that retitles a terminal and rings its bell,
// and a mark that turns the rest of a line around.
const char planted[] = "=HYPERLINK(\"http://x\")\x1b]0;owned\x07\u202E";

// Any byte that would reach a terminal or a spreadsheet as a control
// character; rows end with a line break, which is no field's.
bool hasControlCharacter(const QByteArray& output)
{
    return std::any_of(output.cbegin(), output.cend(), [](char byte) {
        return (static_cast<unsigned char>(byte) < 0x20 && byte != '\n') || byte == '\x7f';
    });
}

// Four attempts on two models and three instruments, one a month, one of
// them failed with a planted error and a log outside the state folder, one
// with a session log whose name needs quoting in CSV, one whose serial
// number was edited by hand.
QString seedHistory()
{
    const QString quotedLog = QFileInfo(HistoryDatabase::path()).dir().filePath("logs, \"old\"/2024-03-15.log");
    const QString outsideLog = QDir::current().filePath("outside.log");
    QDir().mkpath(QFileInfo(quotedLog).path());
    QFile(quotedLog).open(QIODevice::WriteOnly);
    QFile(outsideLog).open(QIODevice::WriteOnly);
    UpdateHistory history([](const OperatorText& line) { QFAIL(qPrintable(line.english())); });
    const struct
    {
        const char* started;
        const char* model;
        int serial;
        bool succeeded;
        QString log;
    } rows[] = {{"2024-01-15T12:00:00Z", "RZ610R", 111, true, QString()},
                {"2024-02-15T12:00:00Z", "RZ870S", 222, false, outsideLog},
                {"2024-03-15T12:00:00Z", "RZ610R", 111, true, quotedLog},
                {"2024-04-15T12:00:00Z", "RZ870S", 1110, true, QString()}};
    for (const auto& row : rows) {
        UpdateAttempt attempt = UpdateAttempt::onThisMachine();
        attempt.started = QDateTime::fromString(row.started, Qt::ISODate);
        attempt.action = "update";
        attempt.model = row.model;
        attempt.serial = row.serial;
        attempt.versionTarget = "4.5.10";
        attempt.components = QStringList{"run", "fpga"};
        attempt.log = row.log;
        history.finish(history.begin(attempt, false), row.succeeded, planted);
    }
    { // a hand edit that is no number
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "hand edit");
        db.setDatabaseName(HistoryDatabase::path());
        if (db.open())
            QSqlQuery(db).exec("UPDATE attempts SET serial = 'A1110' WHERE serial = 1110");
    }
    QSqlDatabase::removeDatabase("hand edit");
    return quotedLog;
}

} // namespace

class HistoryTest : public QObject
{
    Q_OBJECT

private slots:
    void everyWriteIsOnRecord();
    void filtersAndFormats_data();
    void filtersAndFormats();
    void damagedHistoryIsSetAside_data();
    void damagedHistoryIsSetAside();
    void queriesAreCutShort_data();
    void queriesAreCutShort();
    void historyTakesNoLock_data();
    void historyTakesNoLock();
    void plantedFilesAreLeftAlone_data();
    void plantedFilesAreLeftAlone();
    void recoveryFromTheRecord_data();
    void recoveryFromTheRecord();
    void stuckInstrumentEndsTheRun_data();
    void stuckInstrumentEndsTheRun();
};

// A full update, a failed one, one whose updater is killed mid-write, and the
// update that finishes it: four rows, each finished once, read by a second
// program while the third is written.
void HistoryTest::everyWriteIsOnRecord()
{
    SimulatedInstrument instrument;
    const QStringList old = usbModel("RZ610R", 4, 5, 9);
    instrument.create(old);
    QCOMPARE(UpdaterRun({"check"}).finish(), 10);
    QVERIFY(!QFile::exists(HistoryDatabase::path())); // a check writes no row

    UpdaterRun first({"update", "--json"});
    QCOMPARE(first.finish(), 0);
    const QJsonObject report = QJsonDocument::fromJson(first.output).object();
    QCOMPARE(report.value("attemptId").toInt(), 1);
    QCOMPARE(report.value("libraryVersion").toString(), "rzsim 1.0 (simulated instrument)");

    instrument.create(old + QStringList{"--fault", "rzConfigUSBWriteFPGAProgram:5"});
    QCOMPARE(UpdaterRun({"update"}).finish(), 1);

    instrument.create(old + QStringList{"--fpga-write-ms", "20000"});
    UpdaterRun killed({"update"});
    QByteArray seen;
    while (!seen.contains("Updating FPGA") && killed.process.waitForReadyRead(30000))
        seen += killed.process.readAllStandardOutput();
    QCOMPARE(summary(historyJson()).value(0), "3 update pending 2 -"); // its updater still runs
    killed.process.kill();
    QCOMPARE(killed.finish(), -1);

    instrument.create(old);
    QCOMPARE(UpdaterRun({"update"}).finish(), 0);
    const QJsonArray attempts = historyJson();
    QCOMPARE(summary(attempts), QStringList({"4 update succeeded 3 -", "3 update interrupted 2 -",
                                             "2 update failed - Failed writing FPGA of RZ610R 12345.", "1 update succeeded - -"}));

    const QString sums = ChecksumList::sha256Of("firmware/SHA256SUMS");
    QStringList fieldsByName = UpdateAttempt::fieldNames();
    fieldsByName.sort(); // as JSON orders them
    QSet<QString> logs;
    for (const QJsonValue& value : attempts) {
        const QJsonObject attempt = value.toObject();
        QCOMPARE(attempt.keys(), fieldsByName);
        const QString described = QString("%1 %2 %3>%4 %5 %6 %7")
                                      .arg(attempt.value("model").toString())
                                      .arg(attempt.value("serial").toInt())
                                      .arg(attempt.value("versionBefore").toString(), attempt.value("versionTarget").toString(),
                                           attempt.value("components").toVariant().toStringList().join(','),
                                           attempt.value("sumsSha256").toString() == sums ? "sums" : "other sums",
                                           QRegularExpression("^[0-9A-F]{16}$").match(attempt.value("releaseKey").toString()).hasMatch()
                                               ? "signing key"
                                               : "no key");
        QCOMPARE(described, "RZ610R 12345 4.5.9>4.5.10 fpga sums signing key");
        QCOMPARE(attempt.value("libraryVersion").toString(), "rzsim 1.0 (simulated instrument)");
        QCOMPARE(attempt.value("host").toString(), QSysInfo::machineHostName());
        QVERIFY(!attempt.value("user").toString().isEmpty());
        QVERIFY(!attempt.value("updaterVersion").toString().isEmpty());
        QCOMPARE(attempt.value("finished").isNull(), attempt.value("state") == "interrupted");
        QVERIFY(attempt.value("finished").isNull() || attempt.value("finished").toString() >= attempt.value("started").toString());
        QVERIFY(contentsOf(attempt.value("log").toString()).contains("Updating FPGA, estimated 6 minutes."));
        logs << attempt.value("log").toString();
    }
    QCOMPARE(logs.size(), 4); // each run's own

    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "schema");
        db.setDatabaseName(HistoryDatabase::path());
        QVERIFY(db.open());
        QSqlQuery query(db);
        QStringList found;
        for (const char* pragma : {"PRAGMA user_version", "PRAGMA journal_mode"}) {
            QVERIFY(query.exec(pragma) && query.next());
            found << query.value(0).toString();
        }
        QVERIFY(query.exec("PRAGMA table_info(attempts)"));
        QStringList columns;
        while (query.next())
            columns << query.value(1).toString();
        QCOMPARE(found, QStringList({QString::number(HistorySchema::current), "wal"}));
        QCOMPARE(columns, UpdateAttempt::fieldNames());
    }
    QSqlDatabase::removeDatabase("schema");
}

void HistoryTest::filtersAndFormats_data()
{
    QTest::addColumn<QStringList>("arguments"); // for the window: the serial filter's text
    QTest::addColumn<QString>("format");        // table, json, csv; window: its CSV export
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("ids");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QByteArray>("shows"); // the planted error, made inert
    QTest::newRow("table") << QStringList() << "table" << 0 << QStringList{"4", "3", "2", "1"} << ""
                           << QByteArray("failed: =HYPERLINK(\"http://x\")\\x1B]0;owned\\x07\\u202E");
    QTest::newRow("serial, JSON") << QStringList{"--serial", "111", "--json"} << "json" << 0 << QStringList{"3", "1"} << "" << QByteArray();
    QTest::newRow("model, CSV") << QStringList{"--model", "RZ870S", "--csv"} << "csv" << 0 << QStringList{"4", "2"} << ""
                                << QByteArray(",\"'=HYPERLINK(\"\"http://x\"\")\\x1B]0;owned\\x07\\u202E\",");
    QTest::newRow("model, JSON") << QStringList{"--model", "RZ870S", "--json"} << "json" << 0 << QStringList{"4", "2"} << ""
                                 << QByteArray(R"("error": "=HYPERLINK(\"http://x\")\u001b]0;owned\u0007\u202e")");
    QTest::newRow("serial edited by hand, JSON") << QStringList{"--model", "RZ870S", "--json"} << "json" << 0
                                                 << QStringList{"4", "2"} << "" << QByteArray(R"("serial": "A1110")");
    QTest::newRow("since, JSON") << QStringList{"--since", "2024-03-01", "--json"} << "json" << 0
                                 << QStringList{"4", "3"} << "" << QByteArray();
    QTest::newRow("all three, CSV") << QStringList{"--serial", "111", "--model", "RZ610R", "--since", "2024-02-01", "--csv"}
                                    << "csv" << 0 << QStringList{"3"} << "" << QByteArray();
    QTest::newRow("none match") << QStringList{"--serial", "999"} << "table" << 0 << QStringList() << "" << QByteArray();
    QTest::newRow("bad date") << QStringList{"--since", "2024-13-01"} << "table" << 2 << QStringList()
                              << "rz-firmware-updater: --since: expected a date as YYYY-MM-DD, not 2024-13-01." << QByteArray();
    QTest::newRow("bad serial") << QStringList{"--serial", "one"} << "table" << 2 << QStringList()
                                << "rz-firmware-updater: --serial: expected a serial number above 0, not one." << QByteArray();
    QTest::newRow("two formats") << QStringList{"--json", "--csv"} << "table" << 2 << QStringList()
                                 << "rz-firmware-updater: --json and --csv cannot be combined." << QByteArray();
    QTest::newRow("window") << QStringList{""} << "window" << 0 << QStringList{"4", "3", "2", "1"} << ""
                            << QByteArray("failed: =HYPERLINK(\"http://x\")\\x1B]0;owned\\x07\\u202E");
    QTest::newRow("window, serial filter") << QStringList{"111"} << "window" << 0 << QStringList{"3", "1"} << "" << QByteArray();
    QTest::newRow("window, log outside the state folder") << QStringList{"222"} << "window" << 0 << QStringList{"2"} << "" << QByteArray();
}

void HistoryTest::filtersAndFormats()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, format);
    QFETCH(int, exitCode);
    QFETCH(QStringList, ids);
    QFETCH(QString, error);
    QFETCH(QByteArray, shows);
    SimulatedInstrument instrument;
    const QString quotedLog = seedHistory();
    const QByteArray quotedInCsv = ",\"" + quotedLog.toUtf8().replace("\"", "\"\"") + "\",";
    if (format != "window") {
        UpdaterRun run(QStringList{"history"} + arguments);
        QCOMPARE(run.finish(), exitCode);
        QCOMPARE(QString::fromLocal8Bit(run.errors).trimmed(), error);
        QCOMPARE(idsIn(run.output, format), ids);
        if (format == "json") {
            for (const QJsonValue& attempt : QJsonDocument::fromJson(run.output).object().value("attempts").toArray())
                QCOMPARE(attempt.toObject().size(), UpdateAttempt::fieldNames().size());
        }
        QCOMPARE(run.output.contains(quotedInCsv), format == "csv" && ids.contains("3"));
        QVERIFY(run.output.contains(shows));
        QVERIFY(!hasControlCharacter(run.output));
        return;
    }
    // Ctrl+H in the window; the dialog filtered, its first row's log opened, what it shows exported.
    const QString exported = instrument.path("exported.csv");
    std::optional<FakeOpener> desktop{std::in_place};
    PanelDriver driver;
    QVERIFY(QTest::qWaitForWindowActive(driver.log()->window()));
    QStringList shownIds;
    QByteArray shownResults;
    const ModalAnswer<HistoryDialog> answer([&](HistoryDialog* dialog) {
        dialog->findChild<QLineEdit*>()->setText(arguments.first());
        QTableView* table = dialog->findChild<QTableView*>();
        for (int row = 0; row < table->model()->rowCount(); ++row) {
            shownIds << table->model()->index(row, 0).data().toString();
            for (int column = 0; column < table->model()->columnCount(); ++column) {
                if (!table->isColumnHidden(column))
                    shownResults += table->model()->index(row, column).data().toString().toUtf8() + "\n";
            }
        }
        table->selectRow(0);
        for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
            if (button->text() == "Open Session Log" && button->isEnabled())
                button->click();
        }
        dialog->askFileName = [&](QWidget*) { return exported; };
        QSignalSpy done(dialog, &HistoryDialog::exported);
        dialog->exportCsv();
        QVERIFY(done.wait(10000));
        dialog->reject();
    });
    QTest::keyClick(driver.log(), Qt::Key_H, Qt::ControlModifier);
    QVERIFY(answer.hasAnswered());
    // Only the newest attempt of serial 111 has a session log; serial 222's
    // log is no file of the state folder.
    QTRY_COMPARE(desktop->opened(), arguments.first() == "111" ? QStringList{quotedLog} : QStringList());
    desktop.reset();
    QCOMPARE(shownIds, ids);
    QVERIFY(shownResults.contains(shows) && !shownResults.contains('\x1b'));
    QCOMPARE(idsIn(contentsOf(exported), "csv"), ids);
    QVERIFY(!hasControlCharacter(contentsOf(exported)));
    UpdaterRun run(arguments.first().isEmpty() ? QStringList{"history", "--csv"}
                                               : QStringList{"history", "--csv", "--serial", arguments.first()});
    QCOMPARE(run.finish(), 0);
    QCOMPARE(contentsOf(exported), run.output);
}

void HistoryTest::damagedHistoryIsSetAside_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("file"); // in the state folder: what is damaged, then set aside
    QTest::addColumn<bool>("readable"); // by `history`
    QTest::addColumn<QString>("said"); // "{file}" and "{kept}" stand for the paths
    QTest::addColumn<QStringList>("ids"); // on record after the update, newest first
    const QString newHistory = "The update history could not be read; it was kept as {kept} and a new one started.";
    QTest::newRow("not a database") << "not a database" << "history.db" << false << newHistory << QStringList{"5"};
    QTest::newRow("a damaged page") << "a damaged page" << "history.db" << false << newHistory << QStringList{"5"};
    // Every later attempt would fail to be recorded, as "database or disk is full".
    QTest::newRow("an id mark beyond any id")
        << "9223372036854775807\n" << "history.db.last-id" << true
        << "The update history's highest attempt id in {file} is beyond any it can hold; it was kept as {kept}."
        << QStringList{"5", "4", "3", "2", "1"};
    QTest::newRow("its ids used up") << "UPDATE sqlite_sequence SET seq = 9223372036854775807" << "history.db" << true
                                     << newHistory << QStringList{"5"};
    // The next id would be 2^53, which a JSON report does not hold exactly.
    QTest::newRow("an id mark at the last id")
        << "9007199254740991\n" << "history.db.last-id" << true
        << "The update history's highest attempt id in {file} is beyond any it can hold; it was kept as {kept}."
        << QStringList{"5", "4", "3", "2", "1"};
    QTest::newRow("its ids at the last") << "UPDATE sqlite_sequence SET seq = 9007199254740991" << "history.db" << true
                                         << newHistory << QStringList{"5"};
    // Each runs a query of its own whenever the attempts are read or written.
    const QString inPlace = "ALTER TABLE attempts RENAME TO kept\nCREATE VIEW attempts AS ";
    QTest::newRow("a view in place of its attempts")
        << inPlace + "SELECT * FROM kept" << "history.db" << false << newHistory << QStringList{"5"};
    QTest::newRow("a view in place of its attempts that never ends")
        << inPlace + "WITH RECURSIVE forever(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM forever) SELECT kept.* FROM kept, forever"
        << "history.db" << false << newHistory << QStringList{"5"};
    QTest::newRow("a trigger on its attempts")
        << "CREATE TRIGGER stamped AFTER INSERT ON attempts BEGIN UPDATE attempts SET error = 'planted' WHERE id = new.id; END"
        << "history.db" << false << newHistory << QStringList{"5"};
}

// `history` leaves it alone; the update goes on, the damaged file is kept
// byte for byte beside a new one, and the new one's ids go on above the
// four attempts of the old one.
void HistoryTest::damagedHistoryIsSetAside()
{
    QFETCH(QString, damage);
    QFETCH(QString, file);
    QFETCH(bool, readable);
    QFETCH(QString, said);
    QFETCH(QStringList, ids);
    SimulatedInstrument instrument;
    seedHistory();
    const QDir folder = QFileInfo(HistoryDatabase::path()).dir();
    const QString path = folder.filePath(file);
    if (QRegularExpression("^(UPDATE|ALTER|CREATE) ").match(damage).hasMatch()) {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "damage");
            db.setDatabaseName(path);
            QVERIFY(db.open());
            for (const QString& statement : damage.split('\n'))
                QVERIFY2(QSqlQuery(db).exec(statement), qPrintable(statement));
        }
        QSqlDatabase::removeDatabase("damage");
    } else {
        QFile damaged(path);
        QVERIFY(damaged.size() > 4 * 4096 || file != "history.db");
        // The second page holds the attempts, which every reader reads and every write reaches.
        if (damage == "a damaged page")
            QVERIFY(damaged.open(QIODevice::ReadWrite) && damaged.seek(4096) && damaged.write(QByteArray(4096, '\x55')) == 4096);
        else if (damage == "not a database")
            QVERIFY(damaged.open(QIODevice::WriteOnly) && damaged.write(QByteArray("serial,firmware\n").repeated(500)) > 0);
        else
            QVERIFY(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate) && damaged.write(damage.toLatin1()) > 0);
    }
    const QByteArray damaged = contentsOf(path);
    UpdaterRun reading({"history"}); // beside an updater that may be writing: said, left alone
    QCOMPARE(reading.finish(), readable ? 0 : 1);
    QCOMPARE(QString::fromLocal8Bit(reading.errors).startsWith("rz-firmware-updater: The update history could not be read: "),
             !readable);
    QCOMPARE(contentsOf(path), damaged);
    instrument.create(usbModel("RZ610R", 4, 5, 9));
    UpdaterRun run({"update"});
    QCOMPARE(run.finish(), 0);
    const QStringList kept = folder.entryList({file + ".broken-*"}, QDir::Files);
    QCOMPARE(kept.size(), 1);
    QVERIFY2(run.lines().contains(QString(said).replace("{file}", path).replace("{kept}", folder.filePath(kept.first()))),
             qPrintable(run.lines().join('\n')));
    QCOMPARE(contentsOf(folder.filePath(kept.first())), damaged);
    QStringList recorded;
    for (const QJsonValue& attempt : historyJson())
        recorded << QString::number(attempt.toObject().value("id").toInt());
    QCOMPARE(recorded, ids);
    QCOMPARE(summary(historyJson()).value(0), ids.first() + " update succeeded - -");
}

void HistoryTest::queriesAreCutShort_data()
{
    QTest::addColumn<bool>("writer");
    QTest::newRow("the writer's") << true;
    QTest::newRow("a reader's") << false;
}

// Whatever a history makes SQLite do, no statement keeps the run waiting:
// one that would never end fails within the limit, and the connection
// answers the next one.
void HistoryTest::queriesAreCutShort()
{
    QFETCH(bool, writer);
    SimulatedInstrument instrument;
    seedHistory();
    HistoryDatabase history([](const OperatorText& line) { QFAIL(qPrintable(line.english())); },
                            writer ? HistoryDatabase::Access::Writer : HistoryDatabase::Access::Reader);
    QSqlQuery query(history.connection());
    QVERIFY(!query.exec("WITH RECURSIVE forever(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM forever) "
                        "SELECT count(*) FROM forever"));
    QCOMPARE(HistoryQueryLimit::reason(query.lastError()).english(), "it did not answer within 1 second");
    QVERIFY(query.exec("SELECT count(*) FROM attempts") && query.next());
    QCOMPARE(query.value(0).toInt(), 4);
}

void HistoryTest::historyTakesNoLock_data()
{
    QTest::addColumn<QString>("lock");
    QTest::addColumn<QString>("state"); // of the attempt recorded as pending, as `history` shows it
    QTest::newRow("free, an earlier holder's line in it") << "free" << "interrupted";
    QTest::newRow("no lock file") << "missing" << "interrupted";
    QTest::newRow("held by another process") << "held" << "pending";
}

// `history` only asks whether an updater runs: it neither takes the lock,
// which would refuse an update starting meanwhile, nor writes itself in as
// the holder, nor makes the file.
void HistoryTest::historyTakesNoLock()
{
    QFETCH(QString, lock);
    QFETCH(QString, state);
    SimulatedInstrument instrument;
    QCOMPARE(UpdateHistory([](const OperatorText& line) { QFAIL(qPrintable(line.english())); }).begin(sampleAttempt(), false), 1);
    const QString lockFile = UpdaterLock::path();
    if (lock == "free") {
        QFile file(lockFile);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("4711 nobody\n") > 0);
    }
    UpdaterLock holder;
    QVERIFY(lock != "held" || holder.acquire());
    const QByteArray before = contentsOf(lockFile);
    QCOMPARE(summary(historyJson()), QStringList{"1 update " + state + " - -"});
    QCOMPARE(QFileInfo::exists(lockFile), lock != "missing");
    QCOMPARE(contentsOf(lockFile), before);
}

void HistoryTest::plantedFilesAreLeftAlone_data()
{
    QTest::addColumn<QString>("name"); // in the state folder
    QTest::addColumn<QString>("planted");
    QTest::addColumn<QString>("kind");
    QTest::newRow("link") << "history.db" << "link" << "a symbolic link";
    QTest::newRow("dangling link") << "history.db" << "dangling link" << "a symbolic link";
    QTest::newRow("named pipe") << "history.db" << "pipe" << "a named pipe";
    QTest::newRow("dangling link at its journal") << "history.db-wal" << "dangling link" << "a symbolic link";
}

// Read and written by nobody, with one line; nothing outside the folder is
// made or changed, and the update goes on without its row.
void HistoryTest::plantedFilesAreLeftAlone()
{
    QFETCH(QString, name);
    QFETCH(QString, planted);
    QFETCH(QString, kind);
    SimulatedInstrument instrument;
    seedHistory();
    const QString at = QFileInfo(HistoryDatabase::path()).dir().filePath(name);
    QVERIFY(!QFile::exists(at) || QFile::remove(at));
    const QString target = instrument.path("elsewhere");
    if (planted == "link") {
        QFile file(target);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("not a history") > 0);
    }
    if (planted == "pipe")
        QCOMPARE(::mkfifo(QFile::encodeName(at).constData(), 0660), 0);
    else
        QVERIFY(QFile::link(target, at));
    const QString line = QString("The update history could not be read: %1 is %2, not a file.").arg(at, kind);
    UpdaterRun reading({"history"});
    QCOMPARE(reading.finish(), 1);
    QCOMPARE(QString::fromLocal8Bit(reading.errors).trimmed(), "rz-firmware-updater: " + line);
    instrument.create(usbModel("RZ610R", 4, 5, 9));
    UpdaterRun run({"update"});
    QCOMPARE(run.finish(), 0);
    QVERIFY(run.lines().contains(line));
    QCOMPARE(contentsOf(target), QByteArray(planted == "link" ? "not a history" : ""));
    QCOMPARE(QFileInfo::exists(target), planted == "link");
    QCOMPARE(QFileInfo(at).isSymLink(), planted != "pipe");
}

void HistoryTest::recoveryFromTheRecord_data()
{
    QTest::addColumn<bool>("window");
    QTest::addColumn<int>("flashSerial");
    QTest::addColumn<bool>("historyUsable"); // else a folder stands in its place
    QTest::addColumn<QStringList>("lines"); // after the bootstrap's announcement
    const QString record = "The last update of RZ610R serial 12345 did not finish.";
    // The restore command goes on by itself: no button to press.
    const QStringList restoreOffered = {"Attempting to bootstrap firmware.", "Found serial %1",
                                        "Firmware can now be restored."};
    const QStringList pressRestore = {"Press Restore to continue."};
    // The window names the record, then asks: the operator answers RZ610R.
    QTest::newRow("window") << true << 12345 << true
                            << QStringList{record} + restoreOffered.join('\n').arg(12345).split('\n') + pressRestore;
    QTest::newRow("window, another instrument")
        << true << 999 << true << QStringList{record} + restoreOffered.join('\n').arg(999).split('\n') + pressRestore;
    const QStringList fromRecord = {record, "Bootstrapping it as RZ610R, the model on record."};
    const QStringList restoring = fromRecord + restoreOffered.join('\n').arg(12345).split('\n') + QStringList{""};
    QTest::newRow("restore") << false << 12345 << true << restoring;
    QTest::newRow("restore, no usable history") << false << 12345 << false << restoring;
    QTest::newRow("restore, another instrument")
        << false << 999 << true
        << fromRecord + QStringList{"The instrument that answers is not the one whose update did not finish.",
                                    "No instrument answers. To bootstrap it, name its model: restore --model "
                                    "RZ610R|RZ610S|RZ610T|RZ870S."};
}

// Cut off during its boot sector's erase, the instrument answers nothing.
// restore finishes the one record there is, and only the serial number in
// the flash decides; the window names the record and asks for the model.
void HistoryTest::recoveryFromTheRecord()
{
    QFETCH(bool, window);
    QFETCH(int, flashSerial);
    QFETCH(bool, historyUsable);
    QFETCH(QStringList, lines);
    SimulatedInstrument instrument;
    instrument.create(usbModel("RZ610R", 3, 5, 10) + QStringList{"--unplug-after", "rzConfigUSBClearBootSector"});
    QCOMPARE(UpdaterRun({"update"}).finish(), 1);
    if (!historyUsable)
        QVERIFY(QFile::remove(HistoryDatabase::path()) && QDir().mkdir(HistoryDatabase::path()));
    instrument.create(usbModel("RZ610R", 3, 5, 10)
                      + QStringList{"--invalid", "boot", "--flash-serial", QString::number(flashSerial)});
    instrument.clearTrace();
    const bool same = flashSerial == 12345;
    QStringList shown;
    if (window) {
        PanelDriver driver;
        driver.answerSelectorWith("RZ610R");
        driver.pressCheckVersions();
        QCOMPARE(driver.selectorsShown(), 1);
        driver.pressRestore();
        shown = driver.logLines();
    } else {
        UpdaterRun run({"restore"});
        QCOMPARE(run.finish(), same ? 0 : 4);
        shown = run.lines();
    }
    const int from = shown.indexOf("Looking to bootstrap device.") + 1;
    QCOMPARE(shown.mid(from, lines.size()), lines);
    // The model's boot image, loaded once.
    QCOMPARE(instrument.traceOf("rzConfigUSBBootstrapDevice").size(), 1);
    QVERIFY(instrument.traceOf("rzConfigUSBBootstrapDevice").first().contains("RZ610R-Cypress-Boot-v4.img"));
    const QStringList restored = window || same ? QStringList{QString("2 restore succeeded %1 -").arg(same ? "1" : "-")}
                                                : QStringList();
    if (historyUsable)
        QCOMPARE(summary(historyJson()), restored + QStringList{"1 update failed - Failed writing boot Fx3 of RZ610R 12345."});
}

void HistoryTest::stuckInstrumentEndsTheRun_data()
{
    QTest::addColumn<QStringList>("device");
    QTest::addColumn<QStringList>("stuck"); // "command call step": a run each, whose call never returns
    QTest::addColumn<QString>("finishing"); // the command that then finishes the work
    QTest::addColumn<QString>("says");      // a line the finishing run begins with
    QTest::addColumn<QStringList>("rows");  // the history after it, errors up to their colon
    const QStringList old = usbModel("RZ610R", 4, 5, 9);
    const QString stopped = "RZ610R 12345 stopped answering while ";
    QTest::newRow("a query in the check: nothing written or recorded")
        << old << QStringList{"update rzGetFirmwareVersion reading the firmware versions"} << "update"
        << "Firmware updated successfully." << QStringList{"1 update succeeded - -"};
    QTest::newRow("the FPGA write") << old << QStringList{"update rzConfigUSBWriteFPGAProgram writing FPGA"}
                                    << "restore" << "Firmware updated successfully."
                                    << QStringList{"2 restore succeeded 1 -", "1 update interrupted - " + stopped + "writing FPGA"};
    QTest::newRow("the FPGA write, finished by the next update")
        << old << QStringList{"update rzConfigUSBWriteFPGAProgram writing FPGA"} << "update"
        << "The last update of RZ610R 12345 did not finish; it is finished by rewriting the instrument."
        << QStringList{"2 restore succeeded 1 -", "1 update interrupted - " + stopped + "writing FPGA"};
    QTest::newRow("the boot sector's write, then the bootstrap from the record")
        << usbModel("RZ610R", 3, 5, 10)
        << QStringList{"update rzConfigUSBWriteBootSector writing boot Fx3",
                       "restore rzConfigUSBBootstrapDevice bootstrapping the instrument"}
        << "restore" << "Firmware updated successfully."
        << QStringList{"2 restore succeeded 1 -", "1 update interrupted - " + stopped + "writing boot Fx3"};
    QTest::newRow("a slow write within its time")
        << old + QStringList{"--fpga-write-ms", "3000"} << QStringList() << "update"
        << "Still working: writing FPGA for " << QStringList{"1 update succeeded - -"};
}

// A call that never returns ends the run by itself once past its time
// (scaled down here): exit 5, the line naming the step, the attempt's row
// interrupted and its record kept, so that the next run finishes it.
void HistoryTest::stuckInstrumentEndsTheRun()
{
    QFETCH(QStringList, device);
    QFETCH(QStringList, stuck);
    QFETCH(QString, finishing);
    QFETCH(QString, says);
    QFETCH(QStringList, rows);
    SimulatedInstrument instrument;
    instrument.create(device);
    const QMap<QString, QString> scaled{{"RZ_STALL_SCALE", "0.005"}};
    for (const QString& run : stuck) {
        QJsonObject state = instrument.state();
        state.insert("stall", QJsonObject{{"call", run.section(' ', 1, 1)}, {"onCall", 1}, {"calls", 0}});
        instrument.writeState(state);
        UpdaterRun stuckRun({run.section(' ', 0, 0)}, true, scaled);
        QCOMPARE(stuckRun.finish(), 5);
        const QString line = "The instrument stopped answering while " + run.section(' ', 2) + ": no answer for ";
        QVERIFY2(!stuckRun.lines().filter(QRegularExpression("^" + QRegularExpression::escape(line))).isEmpty(),
                 stuckRun.output.constData());
    }
    const bool recorded = rows.size() > 1;
    QCOMPARE(QFile::exists(instrument.path("state/pending/RZ610R-12345.json")), recorded);
    UpdaterRun finishingRun({finishing}, true, scaled);
    QCOMPARE(finishingRun.finish(), 0);
    QVERIFY2(!finishingRun.lines().filter(QRegularExpression("^" + QRegularExpression::escape(says))).isEmpty(),
             finishingRun.output.constData());
    QCOMPARE(summary(historyJson()).replaceInStrings(QRegularExpression(": no answer for .*"), QString()), rows);
}

QTEST_MAIN(HistoryTest)
#include "HistoryTest.moc"
