// The sleep inhibitor against a login manager on a private bus. Qt connects
// to the system bus once per process, so this runs apart from the tests
// without a bus.
#include "tests/support/PanelDriver.h"
#include "tests/support/SimulatedInstrument.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class LoginManagerTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void aSlowAnswerNeitherFreezesTheWindowNorGoesUnheld();

private:
    QTemporaryDir folder;
    QProcess bus;
    QProcess loginManager;
};

void LoginManagerTest::initTestCase()
{
    bus.start("dbus-daemon", {"--session", "--nofork", "--print-address=1",
                              "--address=unix:path=" + folder.filePath("system_bus_socket")});
    QVERIFY2(bus.waitForReadyRead(10000), "dbus-daemon did not start");
    const QByteArray address = bus.readLine().trimmed();
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", address);
    // The answer comes a second after the question, much later than a GUI
    // that keeps turning needs to notice.
    loginManager.start(QCoreApplication::applicationDirPath() + "/FakeLoginManager", {address, "1000"});
    QVERIFY(loginManager.waitForReadyRead(10000));
    QCOMPARE(loginManager.readLine(), QByteArray("ready\n"));
}

void LoginManagerTest::cleanupTestCase()
{
    loginManager.kill();
    loginManager.waitForFinished();
    bus.kill();
    bus.waitForFinished();
}

// What the login manager says, with the number of GUI timer ticks seen by then.
void LoginManagerTest::aSlowAnswerNeitherFreezesTheWindowNorGoesUnheld()
{
    SimulatedInstrument instrument;
    instrument.create(SimulatedInstrument::usbModel("RZ610R", 4, 5, 9) + QStringList{"--fpga-write-ms", "2500"});
    int ticks = 0;
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
    QMap<QString, int> tickOf;
    QString question;
    connect(&loginManager, &QProcess::readyReadStandardOutput, [&] {
        while (loginManager.canReadLine()) {
            const QString line = QString::fromUtf8(loginManager.readLine()).trimmed();
            const QString word = line.section(' ', 0, 0);
            tickOf.insert(word, ticks);
            if (word == "asked")
                question = line.section(' ', 1);
        }
    });
    ticker.start(20);
    PanelDriver driver;
    driver.pressCheckVersions();
    driver.pressUpdate();
    QTRY_VERIFY_WITH_TIMEOUT(tickOf.contains("released"), 10000);

    QCOMPARE(question, "shutdown:sleep:idle|RZ610/RZ870 Firmware Updater|Firmware is being written|block");
    QVERIFY(driver.logLines().contains("Firmware updated successfully."));
    // The window turned while the answer was awaited, and the lock was held
    // through the rest of the FPGA write.
    QVERIFY2(tickOf.value("answered") - tickOf.value("asked") >= 5, qPrintable(QString::number(ticks)));
    QVERIFY(tickOf.value("released") - tickOf.value("answered") >= 5);
}

QTEST_MAIN(LoginManagerTest)
#include "LoginManagerTest.moc"
