#include "tests/support/PanelDriver.h"
#include "catalogue/Catalogue.h"
#include "records/run/PendingUpdate.h"
#include "host/SessionLog.h"
#include "host/UpdaterLock.h"
#include "tests/support/SimulatedInstrument.h"
#include "tests/support/UpdaterRun.h"
#include "tests/support/FakeOpener.h"
#include "ui/Updater.h"
#include "records/history/UpdateHistory.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

#include <ctime>
#include <sys/stat.h>

namespace {

const QString nameFormat = "yyyy-MM-dd_HH-mm-ss";
// Each line starts with the local date and time and its UTC offset, then a space.
constexpr int stampLength = 26;

// The session log files of the folder, oldest first.
QStringList logFiles()
{
    return QDir(SessionLog::folder()).entryList({"*.log"}, QDir::Files, QDir::Name);
}

// A file of the log folder by its name, or any by its full path.
QStringList linesOfFile(const QString& name)
{
    QFile file(QDir(SessionLog::folder()).filePath(name));
    if (!file.open(QIODevice::ReadOnly))
        return QStringList();
    QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// The window, noting at each sync of its log the erases the device library
// had been asked for and the lines shown and kept on disk by then.
class SyncWatcher : public Updater
{
public:
    explicit SyncWatcher(const SimulatedInstrument& instrument) : instrument(instrument) {}

    struct Moment
    {
        QStringList erases;
        QStringList shown;
        QStringList kept;
    };
    QList<Moment> syncs;

    void logKept() override
    {
        QStringList kept;
        for (const QString& line : linesOfFile(sessionLogPath()))
            kept << line.mid(stampLength);
        syncs.append({instrument.calledFunctions().filter("Clear"), PanelDriver::linesOf(findChild<QTextEdit*>()), kept});
    }

private:
    const SimulatedInstrument& instrument;
};

QDateTime startOf(const QString& name)
{
    QDateTime start = QDateTime::fromString(name.left(nameFormat.size()), nameFormat);
    start.setTimeSpec(Qt::UTC);
    return start;
}

// As if last written `minutes` ago.
bool age(const QString& path, int minutes)
{
    QFile file(path);
    return file.open(QIODevice::Append)
           && file.setFileTime(QDateTime::currentDateTime().addSecs(-60 * minutes), QFileDevice::FileModificationTime);
}

QDateTime nowToTheSecond()
{
    const QDateTime now = QDateTime::currentDateTime();
    return now.addMSecs(-now.time().msec());
}

} // namespace

// Every test keeps its session logs in a folder of its own.
class SessionLogTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void fileHoldsTheWindowsLinesWithTheirTime();
    void fileHoldsEveryLineBeforeTheFirstEraseAndAfterTheVerdict_data();
    void fileHoldsEveryLineBeforeTheFirstEraseAndAfterTheVerdict();
    void eachRunHasAFileOfItsOwn();
    void unwritableFolderIsSaidOnceAndTheWindowWorksOn();
    void onlyTheNewestFiftyAreKept();
    void logsThatMatterOutliveChecks_data();
    void logsThatMatterOutliveChecks();
    void openLogFolderOpensTheFolderOfTheLogs_data();
    void openLogFolderOpensTheFolderOfTheLogs();

private:
    QTemporaryDir* state = nullptr;
};

void SessionLogTest::init()
{
    state = new QTemporaryDir;
    QVERIFY(state->isValid());
    qputenv("RZ_STATE_DIR", QFile::encodeName(state->path()));
}

void SessionLogTest::cleanup()
{
    delete state;
    state = nullptr;
}

// Read while the window is still open: the update's verdict put every line
// on disk.
void SessionLogTest::fileHoldsTheWindowsLinesWithTheirTime()
{
    // A zone whose offset has minutes, west of UTC.
    qputenv("TZ", "America/St_Johns");
    tzset();
    SimulatedInstrument instrument;
    instrument.create(SimulatedInstrument::usbModel("RZ610R", 4, 4, 10));
    PanelDriver driver;
    driver.pressCheckVersions();
    QMetaObject::invokeMethod(driver.panel(), "addLine", Q_ARG(QString, "Température 10 %"));
    driver.pressUpdate();

    QCOMPARE(logFiles().size(), 1);
    const QStringList kept = linesOfFile(logFiles().first());
    QStringList withoutTime;
    const int offset = QDateTime::currentDateTime().offsetFromUtc();
    for (const QString& line : kept) {
        const QDateTime written = QDateTime::fromString(line.left(stampLength - 1), Qt::ISODate);
        QVERIFY2(written.isValid() && written.offsetFromUtc() == offset && line.at(stampLength - 1) == ' ',
                 qPrintable(line));
        withoutTime << line.mid(stampLength);
    }
    qunsetenv("TZ");
    tzset();
    QCOMPARE(withoutTime, driver.logLines());
}

void SessionLogTest::fileHoldsEveryLineBeforeTheFirstEraseAndAfterTheVerdict_data()
{
    QTest::addColumn<QStringList>("device");
    QTest::addColumn<QString>("button"); // its slot
    QTest::newRow("update") << SimulatedInstrument::usbModel("RZ610R", 4, 5, 9) << "updateDevice";
    QTest::newRow("restore") << SimulatedInstrument::rz610t(9, 7) + QStringList{"--invalid", "fpga"} << "restoreDevice";
}

// What a power cut during the write would leave: the whole log up to the
// write, and after it the whole log with its outcome.
void SessionLogTest::fileHoldsEveryLineBeforeTheFirstEraseAndAfterTheVerdict()
{
    QFETCH(QStringList, device);
    QFETCH(QString, button);
    SimulatedInstrument instrument;
    instrument.create(device);
    SyncWatcher window(instrument);
    QVERIFY(QMetaObject::invokeMethod(&window, "checkVersions"));
    QVERIFY(QMetaObject::invokeMethod(&window, qPrintable(button)));

    QCOMPARE(window.syncs.size(), 2);
    const SyncWatcher::Moment beforeWrite = window.syncs.first();
    const SyncWatcher::Moment afterVerdict = window.syncs.last();
    QCOMPARE(beforeWrite.erases, QStringList());
    QCOMPARE(beforeWrite.kept, beforeWrite.shown);
    QVERIFY(!afterVerdict.erases.isEmpty());
    QCOMPARE(afterVerdict.kept, afterVerdict.shown);
    QCOMPARE(afterVerdict.kept.mid(afterVerdict.kept.size() - 2),
             QStringList({"Firmware updated successfully.", "You may now close the software."}));
}

void SessionLogTest::eachRunHasAFileOfItsOwn()
{
    const QDateTime before = nowToTheSecond();
    for (int run = 0; run < 2; ++run)
        const PanelDriver window; // a run: its window opens and closes
    const QDateTime after = QDateTime::currentDateTime();
    const QStringList names = logFiles();
    QCOMPARE(names.size(), 2);
    for (const QString& name : names) {
        QVERIFY2(startOf(name) >= before && startOf(name) <= after, qPrintable(name));
        QCOMPARE(linesOfFile(name).value(0).mid(stampLength), QStringLiteral("RZ610/RZ870 firmware updater"));
    }

    // Two runs started in the same second, named in UTC.
    const QDateTime start(QDate(2026, 12, 7), QTime(15, 3, 22), Qt::OffsetFromUTC, 3600);
    const SessionLog first(start);
    const SessionLog second(start);
    QVERIFY(first.isOpen() && second.isOpen());
    QCOMPARE(QFileInfo(first.filePath()).fileName(), QStringLiteral("2026-12-07_14-03-22.log"));
    QCOMPARE(QFileInfo(second.filePath()).fileName(), QStringLiteral("2026-12-07_14-03-22_02.log"));

    // Names planted ahead are passed over, never written through.
    QTemporaryDir outside;
    const QString kept = outside.filePath("kept");
    QFile keptFile(kept);
    QVERIFY(keptFile.open(QIODevice::WriteOnly) && keptFile.write("kept") == 4);
    keptFile.close();
    const QDir folder(SessionLog::folder());
    QVERIFY(QFile::link(kept, folder.filePath("2026-12-07_14-03-22_03.log")));
    QVERIFY(QFile::link(outside.filePath("made"), folder.filePath("2026-12-07_14-03-22_04.log")));
    QVERIFY(::mkfifo(QFile::encodeName(folder.filePath("2026-12-07_14-03-22_05.log")).constData(), 0660) == 0);
    SessionLog third(start);
    third.write(QStringLiteral("a line"));
    third.sync();
    QCOMPARE(QFileInfo(third.filePath()).fileName(), QStringLiteral("2026-12-07_14-03-22_06.log"));
    QCOMPARE(QDir(outside.path()).entryList(QDir::Files), QStringList{"kept"});
    QVERIFY(keptFile.open(QIODevice::ReadOnly));
    QCOMPARE(keptFile.readAll(), QByteArray("kept"));
}

// A file where the folder should be stops even a root user from writing.
void SessionLogTest::unwritableFolderIsSaidOnceAndTheWindowWorksOn()
{
    const QString blocker = state->filePath("not-a-folder");
    QFile file(blocker);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    SimulatedInstrument instrument;
    instrument.create(SimulatedInstrument::usbModel("RZ610R", 4, 4, 10));
    qputenv("RZ_STATE_DIR", QFile::encodeName(blocker));
    PanelDriver driver;
    driver.pressCheckVersions();
    driver.pressUpdate();

    const QStringList lines = driver.logLines();
    const QStringList said = lines.filter(QRegularExpression("^Could not keep a log file: "));
    QCOMPARE(said.size(), 1);
    QVERIFY2(said.first().contains(QDir::toNativeSeparators(SessionLog::folder())), qPrintable(said.first()));
    QCOMPARE(lines.indexOf(said.first()), 15); // right after the banner
    // The check works on; the update's own record cannot be kept either, so
    // it stops before any erase.
    QVERIFY(lines.contains("Press Update to continue."));
    QVERIFY(lines.contains("Firmware updated unsuccessfully."));
    QCOMPARE(PanelDriver::chooseFromLogMenu(driver.log(), QString()), QStringList({"Copy All", "Save Log As...", "Update History..."}));
}

// By when they were last written, not by name: after the clock was set
// back, the file with the latest name is the oldest.
void SessionLogTest::onlyTheNewestFiftyAreKept()
{
    QVERIFY(QDir().mkpath(SessionLog::folder()));
    const QDir folder(SessionLog::folder());
    const QDateTime now = QDateTime::currentDateTime();
    QStringList older;
    for (int minute = 0; minute < SessionLog::filesKept; ++minute)
        older << QDateTime(QDate(2025, 1, 1), QTime(0, minute)).toString(nameFormat) + ".log";
    for (const QString& name : older + QStringList{"notes.log", "readme.txt"}) {
        QFile file(folder.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        const int age = older.indexOf(name) + 1; // hours; the last name is the oldest file
        QVERIFY(file.setFileTime(now.addSecs(-3600 * age), QFileDevice::FileModificationTime));
    }
    const SessionLog newest;
    QVERIFY(newest.isOpen());
    newest.removeOldFiles({});
    QStringList expected = older.mid(0, older.size() - 1) + QStringList{QFileInfo(newest.filePath()).fileName(), "notes.log"};
    expected.sort();
    QCOMPARE(logFiles(), expected);
    QVERIFY(folder.exists("readme.txt"));
}

void SessionLogTest::logsThatMatterOutliveChecks_data()
{
    QTest::addColumn<QString>("keeper"); // of the oldest log
    QTest::newRow("refused by the lock: no log written, none removed") << "lock";
    QTest::newRow("named by a history row") << "history";
    QTest::newRow("named by a pending record") << "pending record";
    QTest::newRow("written by another updater") << "writer";
}

// The logs of checks fill the folder beyond what is kept; the oldest log of
// all, an update's, still matters. A check beside it keeps its own and the
// newest others, and leaves that one alone.
void SessionLogTest::logsThatMatterOutliveChecks()
{
    QFETCH(QString, keeper);
    SimulatedInstrument instrument; // nothing connected
    auto update = std::make_unique<SessionLog>(QDateTime(QDate(2024, 12, 31), QTime(23, 0), Qt::UTC));
    const QString updateLog = update->filePath();
    OperatorText reason;
    const PendingUpdate record(deviceTypeNamed("RZ610R"), 12345);
    if (keeper == "pending record")
        QVERIFY2(record.write({"fpga"}, "4.5.10", updateLog, &reason), qPrintable(reason.english()));
    if (keeper == "history") {
        UpdateHistory history([](const OperatorText& line) { QFAIL(qPrintable(line.english())); });
        UpdateAttempt attempt = UpdateAttempt::onThisMachine();
        attempt.started = QDateTime::currentDateTimeUtc();
        attempt.action = "update";
        attempt.model = "RZ610R";
        attempt.versionTarget = "4.5.10";
        attempt.components = QStringList{"fpga"};
        attempt.log = updateLog;
        history.finish(history.begin(attempt, false), false, "Failed Writing");
    }
    if (keeper != "writer")
        update.reset();
    QVERIFY(age(updateLog, SessionLog::filesKept + 10));
    for (int minute = 1; minute <= SessionLog::filesKept + 5; ++minute) {
        const QString check = QDir(SessionLog::folder()).filePath(
            QDateTime(QDate(2025, 1, 1), QTime(0, minute)).toString(nameFormat) + ".log");
        QVERIFY(QFile(check).open(QIODevice::WriteOnly) && age(check, minute));
    }
    const QStringList before = logFiles();
    UpdaterLock lock;
    QVERIFY(keeper != "lock" || lock.acquire());

    UpdaterRun check({"check"});
    QCOMPARE(check.finish(), keeper == "lock" ? 4 : 3);
    const QStringList after = logFiles();
    if (keeper == "lock") {
        QCOMPARE(after, before);
    } else {
        QVERIFY(after.contains(QFileInfo(updateLog).fileName()));
        QCOMPARE(after.size(), SessionLog::filesKept + 1); // and the check's own
    }
}

void SessionLogTest::openLogFolderOpensTheFolderOfTheLogs_data()
{
    QTest::addColumn<int>("opener");
    QTest::addColumn<bool>("pathShown"); // in a dialog
    QTest::newRow("opened") << int(FakeOpener::Opens) << false;
    QTest::newRow("no program for folders") << int(FakeOpener::Fails) << true;
    QTest::newRow("no opener") << int(FakeOpener::Missing) << true;
}

// Where the desktop's opener fails or is missing, the operator still gets
// the path.
void SessionLogTest::openLogFolderOpensTheFolderOfTheLogs()
{
    QFETCH(int, opener);
    QFETCH(bool, pathShown);
    const FakeOpener desktop{FakeOpener::Kind(opener)};
    PanelDriver driver;
    driver.answerQuestionWith(QMessageBox::Ok);
    QVERIFY(QTest::qWaitForWindowExposed(driver.panel()->window()));
    PanelDriver::chooseFromLogMenu(driver.log(), "Open Log Folder");
    const QStringList handed = opener == FakeOpener::Missing ? QStringList() : QStringList{SessionLog::folder()};
    QTRY_COMPARE(desktop.opened(), handed);
    QTRY_COMPARE(driver.questionsAsked(), pathShown ? 1 : 0);
    QCOMPARE(driver.lastQuestionText().contains(QDir::toNativeSeparators(SessionLog::folder())), pathShown);
}

QTEST_MAIN(SessionLogTest)
#include "SessionLogTest.moc"
