#include "tests/support/PanelDriver.h"
#include "tests/support/RecordingFrontEnd.h"
#include "tests/support/SimulatedInstrument.h"

#include "catalogue/Catalogue.h"
#include "ui/PLProgressDialog.h"
#include "workflows/workers/CheckVersionThread.h"
#include "workflows/flows/CheckVersionsFlow.h"

#include <QApplication>
#include <QFile>

#include <QProcess>
#include <QPushButton>
#include <QtTest>

namespace {

const auto usbModel = &SimulatedInstrument::usbModel;
const auto rz610t = &SimulatedInstrument::rz610t;

const QString heading = "Checking Firmware Versions...";
const QStringList usbFailureLines = {"Failed to open RZ.", "Looking for RZ boot device...",
                                     "Failed to open RZ boot device."};
const QStringList bootstrapLines = {"Failed to open boot device.", "Looking to bootstrap device."};
const QStringList bootstrapAsked = bootstrapLines + QStringList{"[asked] model"};
const QStringList notDetectedLines = {
    "Failed to detect device.",
    "Cycle the power on the device, restart the firmware updater,  and try again.",
    "If you continue to receive this message, contact Pellanor."};

QStringList restoreOffer(int serial)
{
    return {"Attempting to bootstrap firmware.", QString("Found serial %1").arg(serial),
            "Firmware can now be restored.", "Press Restore to continue."};
}


} // namespace

class CheckVersionsTest : public QObject
{
    Q_OBJECT

private slots:
    void detectionWritesOnlyItsFields_data();
    void detectionWritesOnlyItsFields();
    void check_data();
    void check();
    void downgradeQuestionBox_data();
    void downgradeQuestionBox();
    void bootstrapRunsUnderTheBusyDialog();
    void cancelOrDismissingTheSelectorEndsTheProgram_data();
    void cancelOrDismissingTheSelectorEndsTheProgram();

private:
    void expectButtons(const PanelDriver& driver, bool update, bool restore);
};

void CheckVersionsTest::expectButtons(const PanelDriver& driver, bool update, bool restore)
{
    QVERIFY(!driver.checkButton()->isEnabled());
    QCOMPARE(driver.updateButton()->isEnabled(), update);
    QCOMPARE(driver.restoreButton()->isEnabled(), restore);
}

// "status serial type current target", versions as type.boot.run.fpga.
static QString describe(const DeviceState& state)
{
    const auto version = [](const FirmwareVersion& v) {
        return QString("%1.%2.%3.%4").arg(v.deviceType).arg(v.bootVersion).arg(v.runVersion).arg(v.fpgaVersion);
    };
    return QString("%1 %2 %3 %4 %5")
        .arg(state.status)
        .arg(state.serialNumber)
        .arg(state.deviceType)
        .arg(version(state.currentVersion), version(state.targetVersion));
}

void CheckVersionsTest::detectionWritesOnlyItsFields_data()
{
    QTest::addColumn<QStringList>("device");
    QTest::addColumn<QString>("found");
    QTest::newRow("network") << rz610t(8, 6) << "2 777 2 2.8.8.6 2.9.9.7";
    QTest::newRow("network, FPGA not loaded") << rz610t(9, 7) + QStringList{"--invalid", "fpga"}
                                              << "1 777 2 2.9.9.7 2.9.9.7";
    // The current version's own type field is not written on this path.
    QTest::newRow("plain open") << usbModel("RZ610S", 4, 8, 13) << "2 12345 1 0.4.8.13 1.4.8.14";
    QTest::newRow("version query fails")
        << usbModel("RZ610S", 4, 8, 13) + QStringList{"--fault", "rzGetFirmwareVersion:3"} << "0 0 0 0.0.0.0 0.0.0.0";
    QTest::newRow("info query fails")
        << usbModel("RZ610S", 4, 8, 13) + QStringList{"--fault", "rzGetDeviceInfo:3"} << "0 0 0 0.4.8.13 0.0.0.0";
    QTest::newRow("boot mode") << usbModel("RZ610S", 4, 8, 13) + QStringList{"--invalid", "fpga"}
                               << "1 12345 1 0.0.0.0 1.4.8.14";
    QTest::newRow("nothing") << QStringList() << "0 0 0 0.0.0.0 0.0.0.0";
}

void CheckVersionsTest::detectionWritesOnlyItsFields()
{
    QFETCH(QStringList, device);
    QFETCH(QString, found);
    SimulatedInstrument instrument;
    if (!device.isEmpty())
        instrument.create(device);
    CheckVersionThread worker;
    worker.start();
    QVERIFY(worker.wait(30000));
    QCOMPARE(describe(worker.result()), found);
}

void CheckVersionsTest::check_data()
{
    QTest::addColumn<QStringList>("device"); // none connected when empty
    QTest::addColumn<QString>("answer");     // a model to bootstrap, or "Yes" to a downgrade
    QTest::addColumn<QStringList>("lines");  // after the heading
    QTest::addColumn<int>("offered");
    QTest::addColumn<QStringList>("calls"); // see SimulatedInstrument::callsLike()
    const int update = FrontEnd::UpdateAction;
    const int restore = FrontEnd::RestoreAction;
    const int nothing = FrontEnd::NoAction;
    const QStringList updateLines = {"Firmware requires update.", "Press Update to continue."};
    // Listed nowhere on the network, opened and closed by the plain family.
    const QStringList plainCalls = {"rzConfigNetGetDeviceList: count=1", "rzOpenDevice", "rzGetFirmwareVersion",
                                    "rzGetDeviceInfo", "rzCloseDevice"};
    const QStringList networkCalls = {"rzConfigNetGetDeviceList", "rzConfigNetOpenDevice: serial=777",
                                      "rzConfigNetGetFirmwareVersion", "rzConfigNetGetFPGAStatus",
                                      "rzConfigNetCloseDevice"};
    const QStringList usbCalls = {"rzConfigNetGetDeviceList", "rzOpenDevice", "rzConfigUSBOpenDevice"};
    const QStringList bootModeCalls = usbCalls + QStringList{"rzConfigUSBGetDeviceSerial", "rzConfigUSBGetDeviceType",
                                                             "rzConfigUSBCloseDevice"};
    const QStringList failedBootstrap = {"rzConfigUSBBootstrapDevice", "rzConfigUSBCloseDevice"};

    QTest::newRow("RZ610R up to date") << usbModel("RZ610R", 4, 5, 10) << ""
                                       << QStringList{"Found RZ610R", "Serial 12345, with firmware 4.5.10",
                                                      "Firmware does not require update."}
                                       << nothing << plainCalls;
    QTest::newRow("RZ610R 4.5.9") << usbModel("RZ610R", 4, 5, 9) << ""
                                  << QStringList{"Found RZ610R", "Serial 12345, with firmware 4.5.9"} + updateLines
                                  << update << plainCalls;
    QTest::newRow("RZ870S boot older") << usbModel("RZ870S", 1, 4, 4) << ""
                                       << QStringList{"Found RZ870S", "Serial 12345, with firmware 1.4.4"} + updateLines
                                       << update << plainCalls;
    QTest::newRow("RZ610T number 9 is current")
        << rz610t(9, 7) << "" << QStringList{"Found RZ610T", "Serial 777, with firmware 9.9.7",
                                             "Firmware does not require update."}
        << nothing << networkCalls;
    QTest::newRow("RZ610T number 8 is older")
        << rz610t(8, 6) << "" << QStringList{"Found RZ610T", "Serial 777, with firmware 8.8.6"} + updateLines
        << update << networkCalls;
    QTest::newRow("RZ610T FPGA failed to load") << rz610t(9, 7) + QStringList{"--invalid", "fpga"} << ""
                                                << QStringList{"FPGA failed to load."} + restoreOffer(777) << restore
                                                << networkCalls;
    QTest::newRow("only the first listed serial is opened")
        << rz610t(9, 7) + QStringList{"--listed-count", "2"} << ""
        << QStringList{"Found RZ610T", "Serial 777, with firmware 9.9.7", "Firmware does not require update."}
        << nothing << networkCalls;
    // The failed network open adds no line of its own.
    QTest::newRow("listed, fails to open: on to USB")
        << rz610t(9, 7) + QStringList{"--fault", "rzConfigNetOpenDevice:5"} << "RZ610T"
        << usbFailureLines + bootstrapAsked + notDetectedLines << nothing
        << QStringList{"rzConfigNetGetDeviceList", "rzConfigNetOpenDevice", "rzOpenDevice", "rzConfigUSBOpenDevice",
                       "rzConfigNetBootstrapDevice", "rzConfigNetCloseDevice"};
    QTest::newRow("run newer, FPGA older: downgrade accepted")
        << usbModel("RZ610R", 4, 6, 9) << "Yes"
        << QStringList{"Found RZ610R", "Serial 12345, with firmware 4.6.9", "[asked] downgrade",
                       "Firmware can now be updated.", "Press Update to continue."}
        << update << plainCalls;
    QTest::newRow("run newer, FPGA older: downgrade refused")
        << usbModel("RZ610R", 4, 6, 9) << ""
        << QStringList{"Found RZ610R", "Serial 12345, with firmware 4.6.9", "[asked] downgrade",
                       "Cancelling operation.",
                       "RZ610R 12345 holds newer firmware than this release; the downgrade was declined."}
        << nothing << plainCalls;
    QTest::newRow("unknown type, operational")
        << usbModel("RZ610R", 4, 5, 10) + QStringList{"--reported-type", "7"} << "Yes"
        << QStringList{"Found Invalid device type", "Serial 12345, with firmware 4.5.10",
                       "This release has no firmware for this device type."}
        << nothing << plainCalls;
    QTest::newRow("boot mode") << usbModel("RZ610S", 4, 8, 14) + QStringList{"--invalid", "run"} << ""
                               << QStringList{"Failed to open RZ.", "Looking for RZ boot device..."}
                                      + restoreOffer(12345)
                               << restore << bootModeCalls;
    // Restoring from answers that were never read would write another
    // model's images, or serial 0: the operator names the model instead.
    // Below, the instrument's boot is valid, so it waits in no boot loader:
    // the bootstrap fails and the check reports nothing found.
    for (const QStringList& answers : {QStringList{"--fault", "rzConfigUSBGetDeviceSerial:3"},
                                       QStringList{"--fault", "rzConfigUSBGetDeviceType:3"},
                                       QStringList{"--fault", "rzConfigUSBGetDeviceType:-1"},
                                       QStringList{"--reported-type", "7"}})
        QTest::newRow(qPrintable("boot mode, unread: " + answers.join(' ')))
            << usbModel("RZ870S", 2, 4, 4) + QStringList{"--invalid", "fpga"} + answers << "RZ870S"
            << QStringList{"Failed to open RZ.", "Looking for RZ boot device...",
                           "Failed to read the boot device's serial number or type."}
                   + bootstrapAsked + notDetectedLines
            << nothing << bootModeCalls + failedBootstrap;
    QTest::newRow("versions query fails")
        << usbModel("RZ610R", 4, 5, 9) + QStringList{"--fault", "rzGetFirmwareVersion:3"} << "RZ610R"
        << QStringList{"Failed to retrieve firmware versions."} + bootstrapAsked + notDetectedLines << nothing
        << plainCalls.mid(0, 3) + QStringList{"rzCloseDevice"} + failedBootstrap;
    QTest::newRow("serial query fails")
        << usbModel("RZ610R", 4, 5, 9) + QStringList{"--fault", "rzGetDeviceInfo:3"} << "RZ610R"
        << QStringList{"Failed to retrieve serial number."} + bootstrapAsked + notDetectedLines << nothing
        << plainCalls + failedBootstrap;
    // The boot image of the model the operator named, through its family.
    const auto bootstrapCalls = [&](const QString& family, const QString& image) {
        return usbCalls + QStringList{family + "BootstrapDevice: handle=-1, bootImagePath=\"./firmware/" + image + '"',
                                      family + "GetSerialFromFlash", family + "CloseDevice"};
    };
    const QStringList flashSerial = {"--flash-serial", "4242"};
    const QStringList bootstrapped = usbFailureLines + bootstrapAsked + restoreOffer(4242);
    QTest::newRow("bootstrap of an RZ610R")
        << usbModel("RZ610R", 4, 5, 10) + QStringList{"--invalid", "boot"} + flashSerial << "RZ610R" << bootstrapped
        << restore << bootstrapCalls("rzConfigUSB", "RZ610R-Cypress-Boot-v4.img");
    QTest::newRow("bootstrap of an RZ610S")
        << usbModel("RZ610S", 4, 8, 14) + QStringList{"--invalid", "boot"} + flashSerial << "RZ610S" << bootstrapped
        << restore << bootstrapCalls("rzConfigUSB", "RZ610S-Cypress-Boot-v4.img");
    QTest::newRow("bootstrap of an RZ610T")
        << rz610t(9, 7) + QStringList{"--invalid", "fx3"} + flashSerial << "RZ610T" << bootstrapped << restore
        << bootstrapCalls("rzConfigNet", "RZ610T-Cypress-v9.img");
    QTest::newRow("bootstrap of an RZ870S")
        << usbModel("RZ870S", 2, 4, 4) + QStringList{"--invalid", "boot"} + flashSerial << "RZ870S" << bootstrapped
        << restore << bootstrapCalls("rzConfigUSB", "RZ870S-Cypress-Boot-v2.img");
    QTest::newRow("bootstrap of nothing") << QStringList() << "RZ870S"
                                          << usbFailureLines + bootstrapAsked + notDetectedLines << nothing
                                          << usbCalls + QStringList{"rzConfigUSBBootstrapDevice",
                                                                    "rzConfigUSBCloseDevice: handle=-1)"};
    QTest::newRow("serial read fails after the bootstrap")
        << usbModel("RZ610R", 4, 5, 10) + QStringList{"--invalid", "boot", "--fault", "rzConfigUSBGetSerialFromFlash:2"}
        << "RZ610R" << usbFailureLines + bootstrapAsked + notDetectedLines << nothing
        << usbCalls
               + QStringList{"rzConfigUSBBootstrapDevice", "rzConfigUSBGetSerialFromFlash", "rzConfigUSBCloseDevice"};
}

// The check in-process, its questions answered by the test.
void CheckVersionsTest::check()
{
    QFETCH(QStringList, device);
    QFETCH(QString, answer);
    QFETCH(QStringList, lines);
    QFETCH(int, offered);
    QFETCH(QStringList, calls);
    SimulatedInstrument instrument;
    if (!device.isEmpty())
        instrument.create(device);
    RecordingFrontEnd frontEnd;
    frontEnd.downgradeAnswer = answer == "Yes";
    if (deviceTypeNamed(answer) >= 0)
        frontEnd.modelAnswer = deviceTypeNamed(answer);
    CheckVersionsFlow(frontEnd, frontEnd.record).run();
    QCOMPARE(frontEnd.linesAfter(heading), lines);
    QCOMPARE(frontEnd.offered, offered);
    QCOMPARE(instrument.callsLike(calls), calls);
}

void CheckVersionsTest::downgradeQuestionBox_data()
{
    QTest::addColumn<int>("answer"); // a button, or NoButton for Escape
    QTest::addColumn<bool>("update");
    QTest::newRow("Yes") << int(QMessageBox::Yes) << true;
    QTest::newRow("No") << int(QMessageBox::No) << false;
    QTest::newRow("Escape") << int(QMessageBox::NoButton) << false;
}

// The window's question; what either answer leads to is the check's own.
void CheckVersionsTest::downgradeQuestionBox()
{
    QFETCH(int, answer);
    QFETCH(bool, update);
    SimulatedInstrument instrument;
    instrument.create(usbModel("RZ610R", 4, 6, 9)); // run newer, FPGA older
    PanelDriver driver;
    driver.answerQuestionWith(QMessageBox::StandardButton(answer));
    driver.pressCheckVersions();
    QCOMPARE(driver.questionsAsked(), 1);
    QCOMPARE(driver.lastQuestionTitle(), QStringLiteral("Warning"));
    QCOMPARE(driver.lastQuestionText(),
             QStringLiteral("Your device appears to have a newer firmware version.\n"
                            "Installing this will overwrite your firmware with an older version.\n"
                            "Are you sure you wish to continue?"));
    expectButtons(driver, update, false);
}

// The bootstrap takes seconds on real hardware; the window keeps turning
// its event loop under the busy dialog meanwhile.
void CheckVersionsTest::bootstrapRunsUnderTheBusyDialog()
{
    SimulatedInstrument instrument;
    instrument.create(usbModel("RZ610R", 4, 5, 10) + QStringList{"--invalid", "boot", "--write-ms", "1500"});
    PanelDriver driver;
    driver.answerSelectorWith("RZ610R");
    int ticksUnderTheDialog = 0;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* busy = qobject_cast<PLProgressDialog*>(widget);
            if (busy && busy->isVisible() && busy->labelText() == "Bootstrapping Device\nPlease Wait...")
                ++ticksUnderTheDialog;
        }
    });
    watcher.start(50);
    driver.pressCheckVersions();
    QVERIFY2(ticksUnderTheDialog >= 3, qPrintable(QString::number(ticksUnderTheDialog)));
    expectButtons(driver, false, true);
}

void CheckVersionsTest::cancelOrDismissingTheSelectorEndsTheProgram_data()
{
    QTest::addColumn<QString>("answer");
    QTest::newRow("Cancel") << "cancel";
    QTest::newRow("Escape") << "escape";
}

// Run the real updater as a child with a scripted operator, so the exit
// itself is observed.
void CheckVersionsTest::cancelOrDismissingTheSelectorEndsTheProgram()
{
    QFETCH(QString, answer);
    SimulatedInstrument instrument; // an instrument whose boot image is lost answers nothing
    instrument.create(usbModel("RZ610R", 4, 5, 10) + QStringList{"--invalid", "boot"});
    QProcess updater;
    // A runtime folder of its own, so Qt has nothing to warn about at start.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    QDir().mkpath(instrument.path("runtime"));
    QFile::setPermissions(instrument.path("runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    environment.insert("XDG_RUNTIME_DIR", instrument.path("runtime"));
    updater.setProcessEnvironment(environment);
    updater.start(QCoreApplication::applicationDirPath() + "/WindowExitProbe", {answer});
    QVERIFY(updater.waitForFinished(60000));
    // The offscreen platform's own note about window size hints is no fault.
    const QString errors = QString::fromLocal8Bit(updater.readAllStandardError())
                               .remove("This plugin does not support propagateSizeHints()");
    QCOMPARE(updater.exitStatus(), QProcess::NormalExit);
    QCOMPARE(updater.exitCode(), 0);
    QVERIFY2(errors.trimmed().isEmpty(), qPrintable(errors));
    const QStringList log = QString::fromUtf8(updater.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    QVERIFY(log.size() >= 2);
    QCOMPARE(log.mid(log.size() - 2), bootstrapLines);
    QVERIFY(instrument.traceOf("rzConfigUSBBootstrapDevice").isEmpty());
    QVERIFY(instrument.traceOf("rzConfigNetBootstrapDevice").isEmpty());
    QCOMPARE(instrument.calledFunctions().last(), QStringLiteral("rzConfigUSBOpenDevice"));
}

QTEST_MAIN(CheckVersionsTest)
#include "CheckVersionsTest.moc"
