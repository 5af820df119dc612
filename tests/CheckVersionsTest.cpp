#include "tests/support/PanelDriver.h"
#include "tests/support/SimulatedInstrument.h"

#include "ui/PLProgressDialog.h"
#include "workflows/CheckVersionThread.h"

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
    void operationalUsbInstrument_data();
    void operationalUsbInstrument();
    void networkInstrument_data();
    void networkInstrument();
    void networkFpgaFailedToLoadOffersRestore();
    void onlyTheFirstListedSerialIsOpened();
    void aListedInstrumentThatFailsToOpenFallsThroughToUsb();
    void downgradeQuestion_data();
    void downgradeQuestion();
    void unknownOperationalTypeIsOfferedNothing();
    void bootModeInstrumentOffersRestore();
    void unreadBootDeviceAnswersLeadToTheSelector_data();
    void unreadBootDeviceAnswersLeadToTheSelector();
    void failedQueriesLeadToTheBootstrap_data();
    void failedQueriesLeadToTheBootstrap();
    void bootstrapOfEachModel_data();
    void bootstrapOfEachModel();
    void failedBootstrapStillCloses();
    void failedSerialReadAfterBootstrap();
    void bootstrapImageMustMatchTheRelease();
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

void CheckVersionsTest::operationalUsbInstrument_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("boot");
    QTest::addColumn<int>("run");
    QTest::addColumn<int>("fpga");
    QTest::addColumn<QStringList>("verdict");
    QTest::addColumn<bool>("update");
    QTest::newRow("RZ610R up to date") << "RZ610R" << 4 << 5 << 10
                                       << QStringList{"Firmware does not require update."} << false;
    QTest::newRow("RZ610R 4.5.9") << "RZ610R" << 4 << 5 << 9
                                  << QStringList{"Firmware requires update.", "Press Update to continue."}
                                  << true;
    QTest::newRow("RZ870S boot older") << "RZ870S" << 1 << 4 << 4
                                       << QStringList{"Firmware requires update.", "Press Update to continue."}
                                       << true;
}

void CheckVersionsTest::operationalUsbInstrument()
{
    QFETCH(QString, model);
    QFETCH(int, boot);
    QFETCH(int, run);
    QFETCH(int, fpga);
    QFETCH(QStringList, verdict);
    QFETCH(bool, update);
    SimulatedInstrument instrument;
    instrument.create(usbModel(model, boot, run, fpga));
    PanelDriver driver;
    driver.pressCheckVersions();
    const QStringList expected = QStringList{"Found " + model,
                                             QString("Serial 12345, with firmware %1.%2.%3").arg(boot).arg(run).arg(fpga)}
                                 + verdict;
    QCOMPARE(driver.linesAfter(heading), expected);
    expectButtons(driver, update, false);
    // Listed nowhere on the network, opened and closed by the plain family.
    QCOMPARE(instrument.calledFunctions(),
             QStringList({"rzConfigNetGetDeviceList", "rzOpenDevice", "rzGetFirmwareVersion",
                          "rzGetDeviceInfo", "rzCloseDevice"}));
    QVERIFY(instrument.traceOf("rzConfigNetGetDeviceList").first().contains("count=1"));
}

void CheckVersionsTest::networkInstrument_data()
{
    QTest::addColumn<int>("firmware");
    QTest::addColumn<QString>("version");
    QTest::addColumn<QStringList>("verdict");
    QTest::addColumn<bool>("update");
    QTest::newRow("number 9 is current") << 9 << "9.9.7" << QStringList{"Firmware does not require update."}
                                         << false;
    QTest::newRow("number 8 is older") << 8 << "8.8.6"
                                       << QStringList{"Firmware requires update.", "Press Update to continue."}
                                       << true;
}

void CheckVersionsTest::networkInstrument()
{
    QFETCH(int, firmware);
    QFETCH(QString, version);
    QFETCH(QStringList, verdict);
    QFETCH(bool, update);
    SimulatedInstrument instrument;
    instrument.create(rz610t(firmware, firmware == 9 ? 7 : 6));
    PanelDriver driver;
    driver.pressCheckVersions();
    QCOMPARE(driver.linesAfter(heading),
             QStringList({"Found RZ610T", "Serial 777, with firmware " + version}) + verdict);
    expectButtons(driver, update, false);
    QCOMPARE(instrument.calledFunctions(),
             QStringList({"rzConfigNetGetDeviceList", "rzConfigNetOpenDevice", "rzConfigNetGetFirmwareVersion",
                          "rzConfigNetGetFPGAStatus", "rzConfigNetCloseDevice"}));
    QVERIFY(instrument.traceOf("rzConfigNetOpenDevice").first().contains("serial=777"));
}

void CheckVersionsTest::networkFpgaFailedToLoadOffersRestore()
{
    SimulatedInstrument instrument;
    instrument.create(rz610t(9, 7) + QStringList{"--invalid", "fpga"});
    PanelDriver driver;
    driver.pressCheckVersions();
    QCOMPARE(driver.linesAfter(heading), QStringList{"FPGA failed to load."} + restoreOffer(777));
    expectButtons(driver, false, true);
    QVERIFY(instrument.traceOf("rzConfigNetCloseDevice").size() == 1);
}

void CheckVersionsTest::onlyTheFirstListedSerialIsOpened()
{
    SimulatedInstrument instrument;
    instrument.create(rz610t(9, 7) + QStringList{"--listed-count", "2"});
    PanelDriver driver;
    driver.pressCheckVersions();
    const QStringList opens = instrument.traceOf("rzConfigNetOpenDevice");
    QCOMPARE(opens.size(), 1);
    QVERIFY(opens.first().contains("serial=777"));
    QCOMPARE(driver.linesAfter(heading).first(), QStringLiteral("Found RZ610T"));
}

void CheckVersionsTest::aListedInstrumentThatFailsToOpenFallsThroughToUsb()
{
    SimulatedInstrument instrument;
    instrument.create(rz610t(9, 7) + QStringList{"--fault", "rzConfigNetOpenDevice:5"});
    PanelDriver driver;
    driver.answerSelectorWith("RZ610T");
    driver.pressCheckVersions();
    // The failed network open adds no line of its own.
    QCOMPARE(driver.linesAfter(heading), usbFailureLines + bootstrapLines + notDetectedLines);
    expectButtons(driver, false, false);
    QCOMPARE(instrument.calledFunctions().mid(0, 4),
             QStringList({"rzConfigNetGetDeviceList", "rzConfigNetOpenDevice", "rzOpenDevice",
                          "rzConfigUSBOpenDevice"}));
}

void CheckVersionsTest::downgradeQuestion_data()
{
    QTest::addColumn<int>("answer"); // a button, or 0 for Escape
    QTest::addColumn<QStringList>("verdict");
    QTest::addColumn<bool>("update");
    QTest::newRow("Yes") << int(QMessageBox::Yes)
                         << QStringList{"Firmware can now be updated.", "Press Update to continue."} << true;
    QTest::newRow("No") << int(QMessageBox::No) << QStringList{"Cancelling operation."} << false;
    QTest::newRow("Escape") << 0 << QStringList{"Cancelling operation."} << false;
}

void CheckVersionsTest::downgradeQuestion()
{
    QFETCH(int, answer);
    QFETCH(QStringList, verdict);
    QFETCH(bool, update);
    SimulatedInstrument instrument;
    instrument.create(usbModel("RZ610R", 4, 6, 9)); // run newer, FPGA older
    PanelDriver driver;
    if (answer)
        driver.answerQuestionWith(QMessageBox::StandardButton(answer));
    else
        driver.answerQuestionByEscape();
    driver.pressCheckVersions();
    QCOMPARE(driver.questionsAsked(), 1);
    QCOMPARE(driver.lastQuestionTitle(), QStringLiteral("Warning"));
    QCOMPARE(driver.lastQuestionText(),
             QStringLiteral("Your device appears to have a newer firmware version.\n"
                            "Installing this will overwrite your firmware with an older version.\n"
                            "Are you sure you wish to continue?"));
    QCOMPARE(driver.linesAfter(heading),
             QStringList({"Found RZ610R", "Serial 12345, with firmware 4.6.9"}) + verdict);
    expectButtons(driver, update, false);
}

void CheckVersionsTest::unknownOperationalTypeIsOfferedNothing()
{
    SimulatedInstrument instrument;
    instrument.create(usbModel("RZ610R", 4, 5, 10) + QStringList{"--reported-type", "7"});
    PanelDriver driver;
    driver.answerQuestionWith(QMessageBox::Yes);
    driver.pressCheckVersions();
    QCOMPARE(driver.questionsAsked(), 0);
    QCOMPARE(driver.linesAfter(heading),
             QStringList({"Found Invalid device type", "Serial 12345, with firmware 4.5.10",
                          "This release has no firmware for this device type."}));
    expectButtons(driver, false, false);
}

void CheckVersionsTest::bootModeInstrumentOffersRestore()
{
    SimulatedInstrument instrument;
    instrument.create(usbModel("RZ610S", 4, 8, 14) + QStringList{"--invalid", "run"});
    PanelDriver driver;
    driver.pressCheckVersions();
    QCOMPARE(driver.linesAfter(heading),
             QStringList({"Failed to open RZ.", "Looking for RZ boot device..."}) + restoreOffer(12345));
    expectButtons(driver, false, true);
    QCOMPARE(driver.selectorsShown(), 0);
    QCOMPARE(instrument.calledFunctions(),
             QStringList({"rzConfigNetGetDeviceList", "rzOpenDevice", "rzConfigUSBOpenDevice",
                          "rzConfigUSBGetDeviceSerial", "rzConfigUSBGetDeviceType", "rzConfigUSBCloseDevice"}));
}

void CheckVersionsTest::unreadBootDeviceAnswersLeadToTheSelector_data()
{
    QTest::addColumn<QStringList>("answers");
    QTest::newRow("serial query fails") << QStringList{"--fault", "rzConfigUSBGetDeviceSerial:3"};
    QTest::newRow("type query fails") << QStringList{"--fault", "rzConfigUSBGetDeviceType:3"};
    QTest::newRow("type query fails, negative status") << QStringList{"--fault", "rzConfigUSBGetDeviceType:-1"};
    QTest::newRow("type out of range") << QStringList{"--reported-type", "7"};
}

// Restoring from answers that were never read would write another model's
// images, or serial 0: the operator names the model instead.
void CheckVersionsTest::unreadBootDeviceAnswersLeadToTheSelector()
{
    QFETCH(QStringList, answers);
    SimulatedInstrument instrument;
    instrument.create(usbModel("RZ870S", 2, 4, 4) + QStringList{"--invalid", "fpga"} + answers);
    PanelDriver driver;
    driver.answerSelectorWith("RZ870S");
    driver.pressCheckVersions();
    QCOMPARE(driver.selectorsShown(), 1);
    QCOMPARE(driver.linesAfter(heading).mid(0, 5),
             QStringList({"Failed to open RZ.", "Looking for RZ boot device...",
                          "Failed to read the boot device's serial number or type."})
                 + bootstrapLines);
    QCOMPARE(instrument.calledFunctions().mid(3, 3),
             QStringList({"rzConfigUSBGetDeviceSerial", "rzConfigUSBGetDeviceType", "rzConfigUSBCloseDevice"}));
    QVERIFY(instrument.calledFunctions().filter(QRegularExpression("Clear|Write")).isEmpty());
}

void CheckVersionsTest::failedQueriesLeadToTheBootstrap_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("line");
    QTest::newRow("versions") << "rzGetFirmwareVersion:3" << "Failed to retrieve firmware versions.";
    QTest::newRow("serial") << "rzGetDeviceInfo:3" << "Failed to retrieve serial number.";
}

void CheckVersionsTest::failedQueriesLeadToTheBootstrap()
{
    QFETCH(QString, fault);
    QFETCH(QString, line);
    SimulatedInstrument instrument;
    instrument.create(usbModel("RZ610R", 4, 5, 9) + QStringList{"--fault", fault});
    PanelDriver driver;
    driver.answerSelectorWith("RZ610R");
    driver.pressCheckVersions();
    // The instrument's boot is valid, so it waits in no boot loader: the
    // bootstrap fails and the check reports nothing found.
    QCOMPARE(driver.linesAfter(heading), QStringList{line} + bootstrapLines + notDetectedLines);
    expectButtons(driver, false, false);
    QCOMPARE(instrument.traceOf("rzCloseDevice").size(), 1);
}

void CheckVersionsTest::bootstrapOfEachModel_data()
{
    QTest::addColumn<QStringList>("device");
    QTest::addColumn<QString>("choice");
    QTest::addColumn<QString>("image");
    QTest::addColumn<QString>("family");
    QTest::newRow("RZ610R") << usbModel("RZ610R", 4, 5, 10) << "RZ610R"
                            << "./firmware/RZ610R-Cypress-Boot-v4.img" << "rzConfigUSB";
    QTest::newRow("RZ610S") << usbModel("RZ610S", 4, 8, 14) << "RZ610S"
                            << "./firmware/RZ610S-Cypress-Boot-v4.img" << "rzConfigUSB";
    QTest::newRow("RZ610T") << rz610t(9, 7) << "RZ610T" << "./firmware/RZ610T-Cypress-v9.img"
                            << "rzConfigNet";
    QTest::newRow("RZ870S") << usbModel("RZ870S", 2, 4, 4) << "RZ870S"
                            << "./firmware/RZ870S-Cypress-Boot-v2.img" << "rzConfigUSB";
}

void CheckVersionsTest::bootstrapOfEachModel()
{
    QFETCH(QStringList, device);
    QFETCH(QString, choice);
    QFETCH(QString, image);
    QFETCH(QString, family);
    SimulatedInstrument instrument;
    const QString component = choice == "RZ610T" ? "fx3" : "boot";
    instrument.create(device + QStringList{"--invalid", component, "--flash-serial", "4242"});
    PanelDriver driver;
    driver.answerSelectorWith(choice);
    driver.pressCheckVersions();
    QCOMPARE(driver.selectorsShown(), 1);
    QCOMPARE(driver.linesAfter(heading), usbFailureLines + bootstrapLines + restoreOffer(4242));
    expectButtons(driver, false, true);

    const QStringList calls = instrument.calledFunctions();
    const int detection = calls.lastIndexOf("rzConfigUSBOpenDevice") + 1;
    QCOMPARE(calls.mid(detection), QStringList({family + "BootstrapDevice", family + "GetSerialFromFlash",
                                                family + "CloseDevice"}));
    const QString bootstrap = instrument.traceOf(family + "BootstrapDevice").first();
    QVERIFY2(bootstrap.contains("handle=-1") && bootstrap.contains('"' + image + '"'), qPrintable(bootstrap));
}

void CheckVersionsTest::failedBootstrapStillCloses()
{
    SimulatedInstrument instrument; // no instrument connected at all
    PanelDriver driver;
    driver.answerSelectorWith("RZ870S");
    driver.pressCheckVersions();
    QCOMPARE(driver.linesAfter(heading), usbFailureLines + bootstrapLines + notDetectedLines);
    expectButtons(driver, false, false);
    QVERIFY(instrument.traceOf("rzConfigUSBGetSerialFromFlash").isEmpty());
    const QStringList closes = instrument.traceOf("rzConfigUSBCloseDevice");
    QCOMPARE(closes.size(), 1);
    QVERIFY2(closes.first().startsWith("rzConfigUSBCloseDevice(handle=-1)"), qPrintable(closes.first()));
}

void CheckVersionsTest::failedSerialReadAfterBootstrap()
{
    SimulatedInstrument instrument;
    instrument.create(usbModel("RZ610R", 4, 5, 10)
                      + QStringList{"--invalid", "boot", "--fault", "rzConfigUSBGetSerialFromFlash:2"});
    PanelDriver driver;
    driver.answerSelectorWith("RZ610R");
    driver.pressCheckVersions();
    QCOMPARE(driver.linesAfter(heading), usbFailureLines + bootstrapLines + notDetectedLines);
    expectButtons(driver, false, false);
    QCOMPARE(instrument.traceOf("rzConfigUSBCloseDevice").size(), 1);
}

void CheckVersionsTest::bootstrapImageMustMatchTheRelease()
{
    SimulatedInstrument instrument;
    instrument.create(usbModel("RZ610R", 4, 5, 10) + QStringList{"--invalid", "boot"});
    const QString image = "./firmware/RZ610R-Cypress-Boot-v4.img";
    QFile file(image);
    QVERIFY(file.open(QIODevice::Append));
    file.write("x");
    file.close();
    PanelDriver driver;
    driver.answerSelectorWith("RZ610R");
    driver.pressCheckVersions();
    QCOMPARE(driver.linesAfter(heading),
             usbFailureLines + bootstrapLines
                 + QStringList{"Firmware image does not match the release checksum: " + image} + notDetectedLines);
    QVERIFY(instrument.traceOf("rzConfigUSBBootstrapDevice").isEmpty());
    expectButtons(driver, false, false);
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
    QCOMPARE(driver.linesAfter(heading), usbFailureLines + bootstrapLines + restoreOffer(12345));
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
    SimulatedInstrument instrument; // nothing connected
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
