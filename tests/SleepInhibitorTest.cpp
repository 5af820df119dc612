#include "tests/support/PanelDriver.h"
#include "host/SleepInhibitor.h"
#include "tests/support/SimulatedInstrument.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

// Everything Qt and our code print while it lives.
class MessageRecorder
{
public:
    MessageRecorder() { previous = qInstallMessageHandler(&MessageRecorder::record); }
    ~MessageRecorder() { qInstallMessageHandler(previous); }

    static QStringList messages;

private:
    static void record(QtMsgType, const QMessageLogContext&, const QString& message)
    {
        messages << message;
    }

    QtMessageHandler previous = nullptr;
};

QStringList MessageRecorder::messages;

} // namespace

// Every test here runs without a system bus, as in a container.
class SleepInhibitorTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void withoutASystemBusNothingIsHeldOrSaid();
    void anUpdateStillSucceedsWithoutASystemBus();

private:
    QTemporaryDir noBus;
};

// Qt connects to the system bus once per process, on first use.
void SleepInhibitorTest::initTestCase()
{
    QVERIFY(noBus.isValid());
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=" + QFile::encodeName(noBus.filePath("no-such-socket")));
}

void SleepInhibitorTest::withoutASystemBusNothingIsHeldOrSaid()
{
    MessageRecorder::messages.clear();
    {
        const MessageRecorder recorder;
        const SleepInhibitor first;
        QVERIFY(!first.isHeld());
        const SleepInhibitor second; // the failed connection is not retried noisily
        QVERIFY(!second.isHeld());
    }
    QCOMPARE(MessageRecorder::messages, QStringList());
}

void SleepInhibitorTest::anUpdateStillSucceedsWithoutASystemBus()
{
    SimulatedInstrument instrument;
    instrument.create(SimulatedInstrument::usbModel("RZ610R", 4, 4, 10));
    PanelDriver driver;
    driver.pressCheckVersions();
    MessageRecorder::messages.clear();
    {
        const MessageRecorder recorder;
        driver.pressUpdate();
    }
    QCOMPARE(MessageRecorder::messages, QStringList());
    const QStringList lines = driver.linesAfter("Updating Firmware");
    QVERIFY(!lines.isEmpty());
    QCOMPARE(lines.mid(lines.size() - 2),
             QStringList({"Firmware updated successfully.", "You may now close the software."}));
    QCOMPARE(instrument.state().value("components").toObject().value("run").toObject().value("version").toInt(), 5);
}

QTEST_MAIN(SleepInhibitorTest)
#include "SleepInhibitorTest.moc"
