// The simulated instrument, driven in-process through the C API the updater
// uses, with its state file rewritten between scenarios.
#include "device/rz_api.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <thread>

namespace {

QJsonObject part(bool valid, int version)
{
    return QJsonObject{{"valid", valid}, {"version", version}};
}

// An RZ610R-like USB instrument at versions 4.5.10, flash serial 777.
QJsonObject usbInstrument(const QString& model = "RZ610R", bool boot = true, bool run = true, bool fpga = true)
{
    return QJsonObject{
        {"model", model},
        {"serial", 12345},
        {"flashSerial", 777},
        {"components", QJsonObject{{"boot", part(boot, 4)}, {"run", part(run, 5)}, {"fpga", part(fpga, 10)}}},
        {"timing", QJsonObject{{"clearMs", 0}, {"writeMs", 0}, {"fpgaClearMs", 0}, {"fpgaWriteMs", 0}}},
    };
}

QJsonObject networkInstrument(bool fx3 = true, bool fpga = true)
{
    QJsonObject state = usbInstrument("RZ610T");
    state["components"] = QJsonObject{{"fx3", part(fx3, 9)}, {"fpga", part(fpga, 7)}};
    return state;
}

QJsonObject withMember(QJsonObject state, const QString& key, const QJsonValue& value)
{
    state[key] = value;
    return state;
}

} // namespace

class SimulatorTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void operationalUsbInstrumentAnswersEveryUsbCall_data();
    void operationalUsbInstrumentAnswersEveryUsbCall();
    void bootModeAnswersOnlyConfigurationCalls_data();
    void bootModeAnswersOnlyConfigurationCalls();
    void invalidBootAnswersOnlyAfterBootstrap();
    void bootstrapRejectsWrongImagesAndChangesNothing_data();
    void bootstrapRejectsWrongImagesAndChangesNothing();
    void bootstrapOfAnotherProcessOrValidBootIsNotSeen();
    void networkInstrumentIsListedAndReportsFpga();
    void networkListingReportsOthersThatNeverOpen();
    void networkInstrumentAnswersAfterFx3Bootstrap();
    void wrongFamilyFindsNoInstrument();
    void handlesAreNumberedClosedAndKeptAcrossClears();

    void writesRejectBadImagesAndChangeNothing_data();
    void writesRejectBadImagesAndChangeNothing();
    void clearsAndWritesChangeComponents();
    void flashSerialSurvivesClearsAndFollowsBootWrites();
    void fpgaCallsRaiseProgressToHundred();
    void progressRisesWhileAnotherThreadPolls();

    void faultFiresOnItsCallOnly();
    void repeatedFaultKeepsFiring();
    void unplugKeepsTheEffectThenAnswersNothing();

    void traceRecordsArgumentsStatusAndOutputs();
    void badInputFailsWithoutCrashing();
    void missingOrMalformedFileMeansNoInstrument();

    void toolCreatesShowsAndUnplugs();
    void toolWritesReleaseAndRequestedImages();
    void toolRejectsBadArguments_data();
    void toolRejectsBadArguments();
    void toolSummarizesEditedRecordings_data();
    void toolSummarizesEditedRecordings();

private:
    void writeState(const QJsonObject& state) const;
    QJsonObject readState() const;
    QByteArray stateBytes() const;
    QByteArray image(const QString& name) const;
    QByteArray writeFile(const QString& name, const QByteArray& bytes) const;
    int usbHandle() const;
    int netHandle() const;
    int runTool(const QStringList& arguments, QString* output = nullptr) const;

    QTemporaryDir m_dir;
};

void SimulatorTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
    // The key from the environment, as a script would give it.
    qputenv("RZ_SIM_KEY", RZ_DEMO_KEY_DIR "/rzsim.key");
    QCOMPARE(runTool({"firmware", m_dir.filePath("firmware"), "--image", "RZ610R:run:3", "--image",
                      "RZ610R:fpga:6", "--image", "RZ610T:fx3:5"}),
             0);
    qunsetenv("RZ_SIM_KEY");
}

void SimulatorTest::init()
{
    qputenv("RZ_SIM_DEVICE", QFile::encodeName(m_dir.filePath("device.json")));
    qunsetenv("RZ_SIM_TRACE");
}

void SimulatorTest::operationalUsbInstrumentAnswersEveryUsbCall_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("type");
    QTest::newRow("RZ610R") << "RZ610R" << 0;
    QTest::newRow("RZ610S") << "RZ610S" << 1;
    QTest::newRow("RZ870S") << "RZ870S" << 3;
}

void SimulatorTest::operationalUsbInstrumentAnswersEveryUsbCall()
{
    QFETCH(QString, model);
    QFETCH(int, type);
    writeState(usbInstrument(model));

    int handle = -1;
    QCOMPARE(rzOpenDevice(&handle), 0);
    RzDeviceType reportedType = RZ_DEVICE_RZ610T;
    int serial = 0;
    QCOMPARE(rzGetDeviceInfo(handle, &reportedType, &serial), 0);
    QCOMPARE(int(reportedType), type);
    QCOMPARE(serial, 777); // the serial in flash, not the label
    int boot = 0, run = 0, fpga = 0;
    QCOMPARE(rzGetFirmwareVersion(handle, &boot, &run, &fpga), 0);
    QCOMPARE(QVector<int>({boot, run, fpga}), QVector<int>({4, 5, 10}));
    QCOMPARE(rzCloseDevice(handle), 0);

    QCOMPARE(rzConfigUSBOpenDevice(&handle), RZ_INIT_SUCCESS);
    QCOMPARE(rzConfigUSBOpenDeviceBySerial(&handle, 777), RZ_INIT_SUCCESS);
    QVERIFY(rzConfigUSBOpenDeviceBySerial(&handle, 12345) != RZ_INIT_SUCCESS);

    // Firmware may report a type no release knows; it is still this model.
    writeState(withMember(usbInstrument(model), "reportedType", 7));
    QCOMPARE(rzOpenDevice(&handle), 0);
    QCOMPARE(rzGetDeviceInfo(handle, &reportedType, &serial), 0);
    QCOMPARE(int(reportedType), 7);
    QCOMPARE(rzConfigUSBOpenDevice(&handle), RZ_INIT_SUCCESS);
    QCOMPARE(rzConfigUSBGetDeviceType(handle, &reportedType), RZ_INIT_SUCCESS);
    QCOMPARE(int(reportedType), 7);
}

void SimulatorTest::bootModeAnswersOnlyConfigurationCalls_data()
{
    QTest::addColumn<bool>("run");
    QTest::addColumn<bool>("fpga");
    QTest::newRow("run invalid") << false << true;
    QTest::newRow("fpga invalid") << true << false;
}

void SimulatorTest::bootModeAnswersOnlyConfigurationCalls()
{
    QFETCH(bool, run);
    QFETCH(bool, fpga);
    writeState(usbInstrument("RZ610S", true, run, fpga));

    int handle = -1;
    QVERIFY(rzOpenDevice(&handle) != 0);
    QCOMPARE(handle, -1);
    QCOMPARE(rzConfigUSBOpenDevice(&handle), RZ_INIT_SUCCESS);
    int serial = 0;
    QCOMPARE(rzConfigUSBGetDeviceSerial(handle, &serial), RZ_INIT_SUCCESS);
    QCOMPARE(serial, 777);
    RzDeviceType type = RZ_DEVICE_RZ610R;
    QCOMPARE(rzConfigUSBGetDeviceType(handle, &type), RZ_INIT_SUCCESS);
    QCOMPARE(type, RZ_DEVICE_RZ610S);
}

void SimulatorTest::invalidBootAnswersOnlyAfterBootstrap()
{
    writeState(usbInstrument("RZ610R", false));
    int handle = -1;
    QVERIFY(rzOpenDevice(&handle) != 0);
    QVERIFY(rzConfigUSBOpenDevice(&handle) != RZ_INIT_SUCCESS);
    QVERIFY(rzConfigUSBOpenDeviceBySerial(&handle, 777) != RZ_INIT_SUCCESS);

    QCOMPARE(rzConfigUSBBootstrapDevice(&handle, image("RZ610R-Cypress-Boot-v4.img")), RZ_INIT_SUCCESS);
    int serial = 0;
    QCOMPARE(rzConfigUSBGetSerialFromFlash(handle, &serial), RZ_INIT_SUCCESS);
    QCOMPARE(serial, 777);
    QVERIFY(!readState().value("components").toObject().value("boot").toObject().value("valid").toBool());

    int again = -1;
    QCOMPARE(rzConfigUSBOpenDevice(&again), RZ_INIT_SUCCESS);
    QCOMPARE(rzConfigUSBOpenDeviceBySerial(&again, 777), RZ_INIT_SUCCESS);
    QVERIFY(rzOpenDevice(&again) != 0);
    // Out of its boot loader now, so there is nothing left to bootstrap.
    QVERIFY(rzConfigUSBBootstrapDevice(&again, image("RZ610R-Cypress-Boot-v4.img")) != RZ_INIT_SUCCESS);
}

void SimulatorTest::bootstrapRejectsWrongImagesAndChangesNothing_data()
{
    QTest::addColumn<QByteArray>("path");
    QTest::newRow("another model") << image("RZ610S-Cypress-Boot-v4.img");
    QTest::newRow("run image") << image("RZ610R-Cypress-Run-v5.img");
    QTest::newRow("missing") << image("RZ610R-Cypress-Boot-v99.img");
    QTest::newRow("not an image") << writeFile("text.img", "RZSIMG0 is not quite the magic");
}

void SimulatorTest::bootstrapRejectsWrongImagesAndChangesNothing()
{
    QFETCH(QByteArray, path);
    writeState(usbInstrument("RZ610R", false));
    const QByteArray before = stateBytes();
    int handle = -1;
    QVERIFY(rzConfigUSBBootstrapDevice(&handle, path) != RZ_INIT_SUCCESS);
    QCOMPARE(handle, -1);
    QCOMPARE(stateBytes(), before);
    QVERIFY(rzConfigUSBOpenDevice(&handle) != RZ_INIT_SUCCESS);
}

void SimulatorTest::bootstrapOfAnotherProcessOrValidBootIsNotSeen()
{
    const qint64 otherProcess = QCoreApplication::applicationPid() + 1;
    writeState(withMember(usbInstrument("RZ610R", false), "bootstrap",
                          QJsonObject{{"pid", otherProcess}, {"version", 4}}));
    int handle = -1;
    QVERIFY(rzConfigUSBOpenDevice(&handle) != RZ_INIT_SUCCESS);
    // For this process it still waits in its boot loader.
    QCOMPARE(rzConfigUSBBootstrapDevice(&handle, image("RZ610R-Cypress-Boot-v4.img")), RZ_INIT_SUCCESS);

    writeState(usbInstrument("RZ610R", true, false));
    QVERIFY(rzConfigUSBBootstrapDevice(&handle, image("RZ610R-Cypress-Boot-v4.img")) != RZ_INIT_SUCCESS);
}

void SimulatorTest::networkInstrumentIsListedAndReportsFpga()
{
    for (const bool fpgaValid : {true, false}) {
        writeState(networkInstrument(true, fpgaValid));
        int serials[4] = {};
        int count = 4;
        QCOMPARE(rzConfigNetGetDeviceList(serials, &count), RZ_SUCCESS);
        QCOMPARE(count, 1);
        QCOMPARE(serials[0], 777);

        int handle = -1;
        QVERIFY(rzConfigNetOpenDevice(&handle, 12345) != RZ_SUCCESS);
        QCOMPARE(rzConfigNetOpenDevice(&handle, 777), RZ_SUCCESS);
        int firmware = 0;
        QCOMPARE(rzConfigNetGetFirmwareVersion(handle, &firmware), RZ_SUCCESS);
        QCOMPARE(firmware, 9);
        int fpgaState = 0;
        QCOMPARE(rzConfigNetGetFPGAStatus(handle, &fpgaState), RZ_SUCCESS);
        QCOMPARE(fpgaState, fpgaValid ? RZ_FPGA_LOADED : RZ_FPGA_FAILED_TO_LOAD);
        const QByteArray before = stateBytes();
        QCOMPARE(rzConfigNetPreset(handle), RZ_SUCCESS);
        QCOMPARE(stateBytes(), before);
    }
}

void SimulatorTest::networkListingReportsOthersThatNeverOpen()
{
    writeState(withMember(networkInstrument(), "listedCount", 3));
    int serials[2] = {};
    int count = 2;
    QCOMPARE(rzConfigNetGetDeviceList(serials, &count), RZ_SUCCESS);
    QCOMPARE(count, 3); // found, though there was room for two
    QCOMPARE(serials[0], 777);
    QVERIFY(serials[1] != 777);
    int handle = -1;
    QVERIFY(rzConfigNetOpenDevice(&handle, serials[1]) != RZ_SUCCESS);
    QCOMPARE(rzConfigNetOpenDevice(&handle, serials[0]), RZ_SUCCESS);
}

void SimulatorTest::networkInstrumentAnswersAfterFx3Bootstrap()
{
    writeState(networkInstrument(false, false));
    int serials[1] = {};
    int count = 1;
    QVERIFY(rzConfigNetGetDeviceList(serials, &count) != RZ_SUCCESS);
    QCOMPARE(count, 0);
    int handle = -1;
    QVERIFY(rzConfigNetBootstrapDevice(&handle, image("RZ610R-Cypress-Boot-v4.img")) != RZ_SUCCESS);
    QCOMPARE(rzConfigNetBootstrapDevice(&handle, image("RZ610T-Cypress-v5.img")), RZ_SUCCESS);

    count = 1;
    QCOMPARE(rzConfigNetGetDeviceList(serials, &count), RZ_SUCCESS);
    QCOMPARE(count, 1);
    int firmware = 0;
    QCOMPARE(rzConfigNetGetFirmwareVersion(handle, &firmware), RZ_SUCCESS);
    QCOMPARE(firmware, 5); // running from RAM, what the bootstrap loaded
    int serial = 0;
    QCOMPARE(rzConfigNetGetSerialFromFlash(handle, &serial), RZ_SUCCESS);
    QCOMPARE(serial, 777);
}

void SimulatorTest::wrongFamilyFindsNoInstrument()
{
    writeState(networkInstrument());
    int handle = -1;
    QVERIFY(rzOpenDevice(&handle) != 0);
    QVERIFY(rzConfigUSBOpenDevice(&handle) != RZ_INIT_SUCCESS);
    QVERIFY(rzConfigUSBOpenDeviceBySerial(&handle, 777) != RZ_INIT_SUCCESS);
    QCOMPARE(rzConfigNetOpenDevice(&handle, 777), RZ_SUCCESS);
    QVERIFY(rzConfigUSBClearRunSector(handle) != RZ_INIT_SUCCESS);
    QVERIFY(rzCloseDevice(handle) != 0);

    writeState(usbInstrument());
    int count = 1;
    int serial = 0;
    QVERIFY(rzConfigNetGetDeviceList(&serial, &count) != RZ_SUCCESS);
    QCOMPARE(count, 0);
    QVERIFY(rzConfigNetOpenDevice(&handle, 777) != RZ_SUCCESS);
    QCOMPARE(rzOpenDevice(&handle), 0);
    // A plain handle is no configuration handle.
    QVERIFY(rzConfigUSBGetDeviceSerial(handle, &serial) != RZ_INIT_SUCCESS);
    QVERIFY(rzConfigNetGetSerialFromFlash(handle, &serial) != RZ_SUCCESS);
}

void SimulatorTest::handlesAreNumberedClosedAndKeptAcrossClears()
{
    writeState(usbInstrument());
    const int first = usbHandle();
    const int second = usbHandle();
    QVERIFY(first >= 1);
    QCOMPARE(second, first + 1);

    QCOMPARE(rzConfigUSBClearBootSector(first), RZ_INIT_SUCCESS);
    QCOMPARE(rzConfigUSBClearRunSector(first), RZ_INIT_SUCCESS);
    int serial = 0;
    QCOMPARE(rzConfigUSBGetDeviceSerial(first, &serial), RZ_INIT_SUCCESS);
    QCOMPARE(rzConfigUSBCloseDevice(first), RZ_INIT_SUCCESS);
    QVERIFY(rzConfigUSBGetDeviceSerial(first, &serial) != RZ_INIT_SUCCESS);
    QVERIFY(rzConfigUSBCloseDevice(first) != RZ_INIT_SUCCESS);
    QVERIFY(rzConfigUSBGetDeviceSerial(9999, &serial) != RZ_INIT_SUCCESS);
    // Nothing opens a cleared instrument anew.
    int handle = -1;
    QVERIFY(rzConfigUSBOpenDevice(&handle) != RZ_INIT_SUCCESS);
}

void SimulatorTest::writesRejectBadImagesAndChangeNothing_data()
{
    QFile file(QString::fromLocal8Bit(image("RZ610R-Cypress-Run-v3.img")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray good = file.readAll();
    QByteArray flipped = good;
    flipped[flipped.size() - 100] = char(flipped.at(flipped.size() - 100) ^ 0x01);

    QTest::addColumn<QByteArray>("path");
    QTest::newRow("missing") << image("absent.img");
    QTest::newRow("not an image") << writeFile("notes.img", QByteArray(5000, 'x'));
    QTest::newRow("another model") << image("RZ610S-Cypress-Run-v8.img");
    QTest::newRow("another component") << image("RZ610R-FPGA-v10.rbf");
    QTest::newRow("truncated") << writeFile("short.img", good.left(good.size() - 1));
    QTest::newRow("payload bit flipped") << writeFile("flipped.img", flipped);
    QTest::newRow("directory") << QFile::encodeName(m_dir.path());
}

void SimulatorTest::writesRejectBadImagesAndChangeNothing()
{
    QFETCH(QByteArray, path);
    writeState(usbInstrument("RZ610R", true, false));
    const int handle = usbHandle();
    const QByteArray before = stateBytes();
    QVERIFY(rzConfigUSBWriteRunSector(handle, path, -1) != RZ_INIT_SUCCESS);
    QCOMPARE(stateBytes(), before);
}

void SimulatorTest::clearsAndWritesChangeComponents()
{
    writeState(usbInstrument());
    const int handle = usbHandle();
    double progress = 0;
    QCOMPARE(rzConfigUSBClearRunSector(handle), RZ_INIT_SUCCESS);
    QCOMPARE(rzConfigUSBClearFPGAProgram(handle, &progress), RZ_INIT_SUCCESS);
    QJsonObject components = readState().value("components").toObject();
    QCOMPARE(components.value("run").toObject().value("valid").toBool(), false);
    QCOMPARE(components.value("fpga").toObject().value("valid").toBool(), false);
    QCOMPARE(components.value("boot").toObject().value("valid").toBool(), true);

    QCOMPARE(rzConfigUSBWriteRunSector(handle, image("RZ610R-Cypress-Run-v3.img"), 55), RZ_INIT_SUCCESS);
    QCOMPARE(rzConfigUSBWriteFPGAProgram(handle, image("RZ610R-FPGA-v6.rbf"), &progress), RZ_INIT_SUCCESS);
    components = readState().value("components").toObject();
    QCOMPARE(components.value("run").toObject(), part(true, 3));
    QCOMPARE(components.value("fpga").toObject(), part(true, 6));
    QCOMPARE(readState().value("flashSerial").toInt(), 777); // a run write ignores its serial

    int plain = -1;
    QCOMPARE(rzOpenDevice(&plain), 0);
    int boot = 0, run = 0, fpga = 0;
    QCOMPARE(rzGetFirmwareVersion(plain, &boot, &run, &fpga), 0);
    QCOMPARE(QVector<int>({boot, run, fpga}), QVector<int>({4, 3, 6}));
}

void SimulatorTest::flashSerialSurvivesClearsAndFollowsBootWrites()
{
    writeState(usbInstrument());
    const int handle = usbHandle();
    QCOMPARE(rzConfigUSBClearBootSector(handle), RZ_INIT_SUCCESS);
    QCOMPARE(readState().value("flashSerial").toInt(), 777);
    QCOMPARE(rzConfigUSBWriteBootSector(handle, image("RZ610R-Cypress-Boot-v4.img"), -1), RZ_INIT_SUCCESS);
    QCOMPARE(readState().value("flashSerial").toInt(), 777);
    QCOMPARE(rzConfigUSBWriteBootSector(handle, image("RZ610R-Cypress-Boot-v4.img"), 4242), RZ_INIT_SUCCESS);
    QCOMPARE(readState().value("flashSerial").toInt(), 4242);
    int serial = 0;
    QCOMPARE(rzConfigUSBGetSerialFromFlash(handle, &serial), RZ_INIT_SUCCESS);
    QCOMPARE(serial, 4242);

    writeState(networkInstrument());
    const int net = netHandle();
    QCOMPARE(rzConfigNetClearFx3(net), RZ_SUCCESS);
    QCOMPARE(rzConfigNetClearFPGA(net), RZ_SUCCESS);
    QCOMPARE(readState().value("flashSerial").toInt(), 777);
    QCOMPARE(rzConfigNetWriteFx3(net, image("RZ610T-Cypress-v9.img"), 31), RZ_SUCCESS);
    QCOMPARE(rzConfigNetWriteFGPA(net, image("RZ610T-FPGA-v7.rbf")), RZ_SUCCESS);
    QCOMPARE(readState().value("flashSerial").toInt(), 31);
    QCOMPARE(readState().value("components").toObject().value("fx3").toObject(), part(true, 9));
    QCOMPARE(readState().value("components").toObject().value("fpga").toObject(), part(true, 7));
}

void SimulatorTest::fpgaCallsRaiseProgressToHundred()
{
    // Long enough for several progress slices.
    QJsonObject state = usbInstrument();
    state["timing"] = QJsonObject{{"fpgaClearMs", 60}, {"fpgaWriteMs", 60}, {"clearMs", 0}, {"writeMs", 0}};
    writeState(state);
    const int handle = usbHandle();
    double progress = -1;
    QCOMPARE(rzConfigUSBClearFPGAProgram(handle, &progress), RZ_INIT_SUCCESS);
    QCOMPARE(progress, 100.0);
    progress = -1;
    QCOMPARE(rzConfigUSBWriteFPGAProgram(handle, image("RZ610R-FPGA-v10.rbf"), &progress), RZ_INIT_SUCCESS);
    QCOMPARE(progress, 100.0);

    const QByteArray before = stateBytes();
    QVERIFY(rzConfigUSBClearFPGAProgram(handle, nullptr) != RZ_INIT_SUCCESS);
    QVERIFY(rzConfigUSBWriteFPGAProgram(handle, image("RZ610R-FPGA-v6.rbf"), nullptr) != RZ_INIT_SUCCESS);
    QCOMPARE(stateBytes(), before);
}

void SimulatorTest::progressRisesWhileAnotherThreadPolls()
{
    QJsonObject state = usbInstrument();
    state["timing"] = QJsonObject{{"fpgaWriteMs", 150}};
    writeState(state);
    const int handle = usbHandle();
    const QByteArray path = image("RZ610R-FPGA-v10.rbf");
    double progress = -1;
    std::atomic<int> status{-1};
    // As the updater does: a worker writes, the GUI thread polls the value.
    std::thread worker([&] { status = rzConfigUSBWriteFPGAProgram(handle, path, &progress); });
    QVector<double> seen;
    while (status == -1) {
        double value = 0;
        __atomic_load(&progress, &value, __ATOMIC_RELAXED);
        if (seen.isEmpty() || seen.last() != value)
            seen << value;
        QThread::msleep(5);
    }
    worker.join();
    QCOMPARE(status.load(), 0);
    QCOMPARE(progress, 100.0);
    for (int index = 1; index < seen.size(); ++index)
        QVERIFY2(seen[index] >= seen[index - 1] && seen[index] <= 100.0, qPrintable(QString::number(seen[index])));
}

void SimulatorTest::faultFiresOnItsCallOnly()
{
    const QJsonObject fault{{"call", "rzConfigUSBWriteRunSector"}, {"status", 5}, {"onCall", 2}};
    writeState(withMember(usbInstrument(), "faults", QJsonArray{fault}));
    const int handle = usbHandle();
    const QByteArray run3 = image("RZ610R-Cypress-Run-v3.img");
    QCOMPARE(rzConfigUSBWriteRunSector(handle, image("RZ610R-Cypress-Run-v5.img"), -1), RZ_INIT_SUCCESS);
    QCOMPARE(rzConfigUSBWriteRunSector(handle, run3, -1), RZ_INIT_IO_ERROR);
    QCOMPARE(readState().value("components").toObject().value("run").toObject(), part(true, 5));
    QCOMPARE(readState().value("faults").toArray().at(0).toObject().value("calls").toInt(), 2);
    QCOMPARE(rzConfigUSBWriteRunSector(handle, run3, -1), RZ_INIT_SUCCESS);
    QCOMPARE(readState().value("components").toObject().value("run").toObject(), part(true, 3));
}

void SimulatorTest::repeatedFaultKeepsFiring()
{
    const QJsonObject fault{{"call", "rzConfigNetGetDeviceList"}, {"status", 6}, {"onCall", 2}, {"repeat", true}};
    writeState(withMember(networkInstrument(), "faults", QJsonArray{fault}));
    int serial = 0;
    QVector<int> statuses;
    for (int call = 0; call < 4; ++call) {
        int count = 1;
        statuses << rzConfigNetGetDeviceList(&serial, &count);
    }
    QCOMPARE(statuses, QVector<int>({0, 6, 6, 6}));
}

void SimulatorTest::unplugKeepsTheEffectThenAnswersNothing()
{
    writeState(withMember(usbInstrument(), "unplugAfter",
                          QJsonObject{{"call", "rzConfigUSBWriteBootSector"}, {"onCall", 2}}));
    const int handle = usbHandle();
    const QByteArray boot = image("RZ610R-Cypress-Boot-v4.img");
    QCOMPARE(rzConfigUSBWriteBootSector(handle, boot, 1), RZ_INIT_SUCCESS);
    QVERIFY(!readState().value("unplugged").toBool());
    QCOMPARE(rzConfigUSBWriteBootSector(handle, boot, 2), RZ_INIT_SUCCESS);
    QCOMPARE(readState().value("flashSerial").toInt(), 2);
    QVERIFY(readState().value("unplugged").toBool());

    int serial = 0;
    QVERIFY(rzConfigUSBGetDeviceSerial(handle, &serial) != RZ_INIT_SUCCESS);
    int fresh = -1;
    QVERIFY(rzConfigUSBOpenDevice(&fresh) != RZ_INIT_SUCCESS);
    QVERIFY(rzOpenDevice(&fresh) != 0);

    QCOMPARE(runTool({"plug"}), 0);
    QVERIFY(!readState().contains("unplugAfter"));
    QCOMPARE(rzOpenDevice(&fresh), 0);
    // Power was lost: the handle from before does not come back.
    QVERIFY(rzConfigUSBGetDeviceSerial(handle, &serial) != RZ_INIT_SUCCESS);
}

void SimulatorTest::traceRecordsArgumentsStatusAndOutputs()
{
    const QString tracePath = m_dir.filePath("trace.log");
    QFile::remove(tracePath);
    qputenv("RZ_SIM_TRACE", QFile::encodeName(tracePath));
    writeState(networkInstrument());

    int serials[2] = {};
    int count = 2;
    rzConfigNetGetDeviceList(serials, &count);
    int handle = -1;
    rzConfigNetOpenDevice(&handle, 777);
    rzConfigNetWriteFx3(handle, "./firmware/none.img", 12);
    rzConfigNetGetFirmwareVersion(handle, nullptr);
    rzConfigNetClearFx3(handle);
    qunsetenv("RZ_SIM_TRACE");

    QFile file(tracePath);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 5);
    QCOMPARE(lines[0], QString("rzConfigNetGetDeviceList(count=2) -> 0 [count=1, serials=[777]]"));
    QCOMPARE(lines[1], QString("rzConfigNetOpenDevice(handle=-1, serial=777) -> 0 [handle=%1]").arg(handle));
    QVERIFY2(lines[2].startsWith(
                 QString("rzConfigNetWriteFx3(handle=%1, imagePath=\"./firmware/none.img\", serial=12) -> 5").arg(handle)),
             qPrintable(lines[2]));
    QCOMPARE(lines[3], QString("rzConfigNetGetFirmwareVersion(handle=%1, firmwareNumber=null) -> 3").arg(handle));
    QCOMPARE(lines[4], QString("rzConfigNetClearFx3(handle=%1) -> 0").arg(handle));
}

void SimulatorTest::badInputFailsWithoutCrashing()
{
    writeState(usbInstrument());
    QVERIFY(rzOpenDevice(nullptr) != 0);
    QVERIFY(rzConfigUSBOpenDevice(nullptr) != RZ_INIT_SUCCESS);
    QVERIFY(rzConfigUSBOpenDeviceBySerial(nullptr, 777) != RZ_INIT_SUCCESS);
    int handle = -1;
    QVERIFY(rzConfigUSBOpenDeviceBySerial(&handle, -1) != RZ_INIT_SUCCESS);
    QCOMPARE(rzOpenDevice(&handle), 0);
    QVERIFY(rzGetDeviceInfo(handle, nullptr, nullptr) != 0);
    int value = 0;
    QVERIFY(rzGetFirmwareVersion(handle, &value, nullptr, &value) != 0);
    QVERIFY(rzGetDeviceInfo(-5, nullptr, &value) != 0);

    const int usb = usbHandle();
    const QByteArray before = stateBytes();
    const QByteArray longPath(5000, 'a');
    QVERIFY(rzConfigUSBWriteBootSector(usb, longPath.constData(), 1) != RZ_INIT_SUCCESS);
    QVERIFY(rzConfigUSBWriteBootSector(usb, "", 1) != RZ_INIT_SUCCESS);
    QVERIFY(rzConfigUSBWriteBootSector(usb, nullptr, 1) != RZ_INIT_SUCCESS);
    QVERIFY(rzConfigUSBWriteRunSector(usb + 100, image("RZ610R-Cypress-Run-v5.img"), 1) != RZ_INIT_SUCCESS);
    QVERIFY(rzConfigUSBGetDeviceType(usb, nullptr) != RZ_INIT_SUCCESS);
    QVERIFY(rzConfigUSBBootstrapDevice(nullptr, image("RZ610R-Cypress-Boot-v4.img")) != RZ_INIT_SUCCESS);
    QCOMPARE(stateBytes(), before);

    writeState(networkInstrument());
    int count = 3;
    QVERIFY(rzConfigNetGetDeviceList(nullptr, &count) != RZ_SUCCESS);
    QCOMPARE(count, 0);
    QVERIFY(rzConfigNetGetDeviceList(&value, nullptr) != RZ_SUCCESS);
    count = -1;
    QVERIFY(rzConfigNetGetDeviceList(&value, &count) != RZ_SUCCESS);
    QVERIFY(rzConfigNetOpenDevice(&handle, -777) != RZ_SUCCESS);
    QVERIFY(rzConfigNetWriteFGPA(netHandle(), nullptr) != RZ_SUCCESS);
    QVERIFY(rzConfigNetPreset(0) != RZ_SUCCESS);
    QVERIFY(rzGetAPIVersion() != nullptr);
}

void SimulatorTest::missingOrMalformedFileMeansNoInstrument()
{
    const QList<QByteArray> files{QByteArray(), "{ not json", "[]", R"({"model": "RZ999", "serial": 1})",
                                  R"({"model": "RZ610R", "serial": "one"})"};
    for (const QByteArray& contents : files) {
        QFile::remove(m_dir.filePath("device.json"));
        if (!contents.isNull())
            writeFile("device.json", contents);
        int handle = -1;
        QVERIFY(rzOpenDevice(&handle) != 0);
        QVERIFY(rzConfigUSBOpenDevice(&handle) != RZ_INIT_SUCCESS);
        QVERIFY(rzConfigUSBBootstrapDevice(&handle, image("RZ610R-Cypress-Boot-v4.img")) != RZ_INIT_SUCCESS);
        QVERIFY(rzConfigNetBootstrapDevice(&handle, image("RZ610T-Cypress-v9.img")) != RZ_SUCCESS);
        QCOMPARE(handle, -1);
        int serial = 0;
        int count = 1;
        QVERIFY(rzConfigNetGetDeviceList(&serial, &count) != RZ_SUCCESS);
        QCOMPARE(count, 0);
    }
}

void SimulatorTest::toolCreatesShowsAndUnplugs()
{
    const QString file = m_dir.filePath("tool.json");
    QCOMPARE(runTool({"device", "--file", file, "--model", "RZ610T", "--serial", "31", "--fx3", "8", "--invalid",
                      "fpga", "--flash-serial", "32", "--fault", "rzConfigNetPreset:4:3:repeat", "--listed-count", "2",
                      "--reported-type", "9", "--fast"}),
             0);
    qputenv("RZ_SIM_DEVICE", QFile::encodeName(file));
    const QJsonObject state = readState();
    QCOMPARE(state.value("model").toString(), QString("RZ610T"));
    QCOMPARE(state.value("flashSerial").toInt(), 32);
    QCOMPARE(state.value("components").toObject().value("fx3").toObject(), part(true, 8));
    QCOMPARE(state.value("components").toObject().value("fpga").toObject(), part(false, 7));
    const QJsonObject fault = state.value("faults").toArray().at(0).toObject();
    QCOMPARE(fault.value("status").toInt(), 4);
    QCOMPARE(fault.value("onCall").toInt(), 3);
    QVERIFY(fault.value("repeat").toBool());
    QCOMPARE(state.value("timing").toObject().value("fpgaWriteMs").toInt(), 0);
    QCOMPARE(state.value("listedCount").toInt(), 2);
    QCOMPARE(state.value("reportedType").toInt(), 9);

    QString shown;
    QCOMPARE(runTool({"show", "--file", file}, &shown), 0);
    QVERIFY2(shown.contains("fpga:         invalid, version 7"), qPrintable(shown));
    QVERIFY2(shown.contains("Answers:      boot mode"), qPrintable(shown));

    QCOMPARE(runTool({"unplug", "--file", file}), 0);
    int serial = 0;
    int count = 1;
    QVERIFY(rzConfigNetGetDeviceList(&serial, &count) != RZ_SUCCESS);
    QCOMPARE(runTool({"plug", "--file", file}), 0);
    QCOMPARE(rzConfigNetGetDeviceList(&serial, &count), RZ_SUCCESS);
}

void SimulatorTest::toolWritesReleaseAndRequestedImages()
{
    const QDir folder(m_dir.filePath("firmware"));
    const QStringList names = folder.entryList(QDir::Files);
    QCOMPARE(names.size(), 11 + 3 + 2);
    QProcess check;
    check.setWorkingDirectory(folder.path());
    check.start("sha256sum", {"--check", "--strict", "SHA256SUMS"});
    QVERIFY(check.waitForFinished());
    QCOMPARE(check.exitCode(), 0);
    QCOMPARE(check.readAllStandardOutput().count(": OK\n"), 11 + 3);
    // Signed with the build's demo key, in a form minisign itself accepts.
    QProcess verify;
    verify.setWorkingDirectory(folder.path());
    verify.start("minisign", {"-V", "-m", "SHA256SUMS", "-p", RZ_DEMO_KEY_DIR "/rzsim.pub"});
    QVERIFY(verify.waitForFinished());
    QCOMPARE(verify.exitCode(), 0);
    QVERIFY(verify.readAllStandardOutput().contains("Trusted comment: RZ610/RZ870 simulated firmware, signed by rzsim"));
    QVERIFY(names.contains("RZ610T-Cypress-v9.img"));
    QVERIFY(names.contains("RZ870S-FPGA-v4.rbf"));
    QVERIFY(names.contains("RZ610R-FPGA-v6.rbf"));
    QVERIFY(!names.contains(QStringLiteral("RZ610T-Cypress-Run-v9.img")));
}

void SimulatorTest::toolRejectsBadArguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("no command") << QStringList();
    QTest::newRow("unknown command") << QStringList{"explode"};
    QTest::newRow("unknown model") << QStringList{"device", "--model", "RZ1", "--serial", "1"};
    QTest::newRow("no serial") << QStringList{"device", "--model", "RZ610R"};
    QTest::newRow("run on RZ610T") << QStringList{"device", "--model", "RZ610T", "--serial", "1", "--run", "2"};
    QTest::newRow("bad fault") << QStringList{"device", "--model", "RZ610R", "--serial", "1", "--fault", "rzNope:5"};
    QTest::newRow("nothing listed") << QStringList{"device", "--model", "RZ610T", "--serial", "1", "--listed-count", "0"};
    QTest::newRow("bad timing") << QStringList{"device", "--model", "RZ610R", "--serial", "1", "--write-ms", "-3"};
    QTest::newRow("firmware without folder") << QStringList{"firmware"};
    QTest::newRow("bad image") << QStringList{"firmware", m_dir.filePath("more"), "--image", "RZ610T:run:1"};
    QTest::newRow("no signing key") << QStringList{"firmware", m_dir.filePath("more"), "--key", m_dir.filePath("none.key")};
    QTest::newRow("no key named") << QStringList{"firmware", m_dir.filePath("more")};
    QTest::newRow("key made over a key") << QStringList{"keygen", RZ_DEMO_KEY_DIR};
}

void SimulatorTest::toolRejectsBadArguments()
{
    QFETCH(QStringList, arguments);
    const QString file = m_dir.filePath("rejected.json");
    QVERIFY(runTool(arguments + QStringList{"--file", file}) != 0);
    QVERIFY(!QFile::exists(file));
    QVERIFY(!QFile::exists(m_dir.filePath("more")));
}

// A recording edited by hand: `rzsim replay` prints its texts escaped (a tag
// character beyond the BMP too) and its figures saturated, never wrapped
// round to a negative number.
void SimulatorTest::toolSummarizesEditedRecordings_data()
{
    QTest::addColumn<QByteArray>("recording");
    QTest::addColumn<QStringList>("summary");
    QTest::newRow("control and direction characters")
        << QByteArray(R"({"action":"update\u001b[2J","library":"rzsim\u001b]0;owned\u0007","updater":"1.0\u202e\udb40\udc01"}
{"call":1,"durationMs":3,"function":"rzOpenDevice\u0007","inputs":{},"outputs":{},"sinceFirstCallMs":0,"status":0}
)") << QStringList{"Library:    rzsim\\x1B]0;owned\\x07", "Updater:    1.0\\u202E\\U000E0001", "Action:     update\\x1B[2J",
                   "Calls:      1 (by status: 0 x1)", "Total time: 3 ms",
                   "  rzOpenDevice\\x07                 calls   1,        3 ms, by status: 0 x1"};
    QTest::newRow("absurd figures")
        << QByteArray(R"({"action":"update","library":"rzsim 1.0","updater":"1.0"}
{"call":1,"durationMs":1e300,"function":"rzOpenDevice","inputs":{},"outputs":{},"sinceFirstCallMs":5,"status":1e20}
{"call":2,"durationMs":1e300,"function":"rzOpenDevice","inputs":{},"outputs":{},"sinceFirstCallMs":1e300,"status":-1e20}
)") << QStringList{"Library:    rzsim 1.0", "Updater:    1.0", "Action:     update",
                   "Calls:      2 (by status: -2147483648 x1, 2147483647 x1)", "Total time: 9223372036854775807 ms",
                   "  rzOpenDevice                     calls   2, 9223372036854775807 ms, by status: -2147483648 x1, "
                   "2147483647 x1"};
}

void SimulatorTest::toolSummarizesEditedRecordings()
{
    QFETCH(QByteArray, recording);
    QFETCH(QStringList, summary);
    QString shown;
    QCOMPARE(runTool({"replay", writeFile("edited.jsonl", recording)}, &shown), 0);
    QCOMPARE(shown.split('\n', Qt::SkipEmptyParts), summary);
}

void SimulatorTest::writeState(const QJsonObject& state) const
{
    QFile file(QFile::decodeName(qgetenv("RZ_SIM_DEVICE")));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(QJsonDocument(state).toJson());
}

QJsonObject SimulatorTest::readState() const
{
    return QJsonDocument::fromJson(stateBytes()).object();
}

QByteArray SimulatorTest::stateBytes() const
{
    QFile file(QFile::decodeName(qgetenv("RZ_SIM_DEVICE")));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray SimulatorTest::image(const QString& name) const
{
    return QFile::encodeName(m_dir.filePath("firmware/" + name));
}

QByteArray SimulatorTest::writeFile(const QString& name, const QByteArray& bytes) const
{
    QFile file(m_dir.filePath(name));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
    return QFile::encodeName(file.fileName());
}

int SimulatorTest::usbHandle() const
{
    int handle = -1;
    return rzConfigUSBOpenDeviceBySerial(&handle, 777) == RZ_INIT_SUCCESS ? handle : -1;
}

int SimulatorTest::netHandle() const
{
    int handle = -1;
    return rzConfigNetOpenDevice(&handle, 777) == RZ_SUCCESS ? handle : -1;
}

int SimulatorTest::runTool(const QStringList& arguments, QString* output) const
{
    QProcess tool;
    tool.setWorkingDirectory(m_dir.path());
    tool.start(QCoreApplication::applicationDirPath() + "/rzsim", arguments);
    if (!tool.waitForFinished(60000) || tool.exitStatus() != QProcess::NormalExit)
        return -1;
    if (output)
        *output = QString::fromLocal8Bit(tool.readAllStandardOutput());
    return tool.exitCode();
}

QTEST_GUILESS_MAIN(SimulatorTest)
#include "SimulatorTest.moc"
