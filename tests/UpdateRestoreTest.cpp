#include "tests/support/PanelDriver.h"
#include "catalogue/Catalogue.h"
#include "catalogue/TrustedKeys.h"
#include "tests/support/SimulatedInstrument.h"
#include "tests/support/ThrowAwayKey.h"
#include "ui/PLProgressDialog.h"
#include "ui/Updater.h"
#include "workflows/UpdateDeviceThread.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextEdit>
#include <QtTest>

namespace {

const auto usbModel = &SimulatedInstrument::usbModel;
const auto rz610t = &SimulatedInstrument::rz610t;

const QString updateHeading = "Updating Firmware";
const QString restoreHeading = "Restoring Device";
const QStringList successLines = {"Firmware updated successfully.", "You may now close the software."};
const QStringList failureLines = {"Firmware updated unsuccessfully.",
                                  "Check device connections and re-run the software.",
                                  "If problem persists, contact Pellanor.", "You may now close the software."};


// "valid@version" for each component of the instrument's state.
QString components(const SimulatedInstrument& instrument)
{
    const QJsonObject parts = instrument.state().value("components").toObject();
    QStringList text;
    for (const char* name : {"boot", "run", "fx3", "fpga"}) {
        if (!parts.contains(name))
            continue;
        const QJsonObject part = parts.value(name).toObject();
        text << QString("%1:%2@%3").arg(name, part.value("valid").toBool() ? "valid" : "invalid")
                    .arg(part.value("version").toInt());
    }
    return text.join(' ');
}

// Flips the last byte of a file, as a damaged copy would.
void corruptLastByte(const QString& path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    file.seek(file.size() - 1);
    const char flipped = char(file.peek(1).at(0) ^ 0x5a);
    file.write(&flipped, 1);
}

// Drops one image's entry from the release's checksum list.
void unlist(const QString& image)
{
    QFile list("./firmware/SHA256SUMS");
    QVERIFY(list.open(QIODevice::ReadOnly));
    QByteArray kept;
    while (!list.atEnd()) {
        const QByteArray line = list.readLine();
        if (!line.trimmed().endsWith(QFileInfo(image).fileName().toUtf8()))
            kept += line;
    }
    list.close();
    QVERIFY(list.open(QIODevice::WriteOnly | QIODevice::Truncate));
    list.write(kept);
}

void replaceInFile(const QString& path, const QByteArray& before, const QByteArray& after)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QByteArray contents = file.readAll();
    file.close();
    QVERIFY2(contents.contains(before), before.constData());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(contents.replace(before, after));
}

// Makes ./firmware what a test needs: "no list", "no signature", "signature
// damaged", "trusted comment edited", "list changed", "corrupt IMAGE", and,
// with the throw-away key, "untrusted key" (signed by it), "revoked key"
// (trusted, then revoked), "sign with a second trusted key", which may
// follow "unlist IMAGE, ".
void alterRelease(const QString& how, const ThrowAwayKey& key, const QString& revokedFile)
{
    const QString list = "./firmware/SHA256SUMS";
    const QString signature = "./firmware/SHA256SUMS.minisig";
    if (how.startsWith("no list")) {
        QVERIFY(QFile::remove(list));
        if (how.endsWith("RZ610S FPGA image")) // as a colleague's copy might hold
            QVERIFY(QFile::remove("./firmware/RZ610R-FPGA-v10.rbf")
                    && QFile::copy("./firmware/RZ610S-FPGA-v14.rbf", "./firmware/RZ610R-FPGA-v10.rbf"));
    } else if (how == "no signature") {
        QVERIFY(QFile::remove(signature));
    } else if (how == "signature damaged") {
        QFile file(signature);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray line = file.readAll().split('\n').at(1);
        QByteArray damaged = line;
        damaged[30] = line[30] == 'A' ? 'B' : 'A';
        file.close();
        replaceInFile(signature, line, damaged);
    } else if (how == "trusted comment edited") {
        replaceInFile(signature, "signed by rzsim", "signed by the maker");
    } else if (how == "list changed") {
        replaceInFile(list, "RZ610S-FPGA-v14.rbf", "RZ610S-FPGA-v15.rbf");
    } else if (how.startsWith("corrupt ")) {
        corruptLastByte(how.mid(8));
    } else {
        if (how.startsWith("unlist "))
            unlist(how.section(',', 0, 0).mid(7));
        key.sign(list, "RZ610/RZ870 firmware, signed by a throw-away key");
        if (how == "untrusted key")
            return;
        QFile file(revokedFile);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(how == "revoked key" ? "# leaked\n" + key.printedId().toLower().toLatin1() + '\n'
                                        : QByteArray("# none yet\n"));
        file.close();
        TrustedKeys::useLocations({{RZ_DEMO_KEY_DIR, key.keyFolder()}, {revokedFile}});
    }
}

const QString rz610rAtTarget = "boot:valid@4 run:valid@5 fpga:valid@10";
const QString rz610tAtTarget = "fx3:valid@9 fpga:valid@7";

const QString redBannerLine = "Do NOT disconnect the device at any time during the update.";

// The colour each line of the log must have, by its text.
QColor colourOfKind(const QString& line)
{
    if (line == redBannerLine || line == failureLines.first())
        return Qt::red;
    if (line == successLines.first())
        return QColor(34, 177, 76, 255);
    return Qt::black; // the log's default colour
}

// A click on the word "NOT" of the banner's red line, or a double click that
// selects it, as an operator would do with the mouse.
void touchRedBannerLine(QTextEdit* log, bool selectWord)
{
    QTextCursor word = log->document()->find(QStringLiteral("NOT"));
    word.clearSelection();
    const QPoint at = log->cursorRect(word).center() + QPoint(2, 0);
    if (selectWord)
        QTest::mouseDClick(log->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    else
        QTest::mouseClick(log->viewport(), Qt::LeftButton, Qt::NoModifier, at);
}

} // namespace

class UpdateRestoreTest : public QObject
{
    Q_OBJECT

private slots:
    void usbUpdateRewritesWhatDiffers_data();
    void usbUpdateRewritesWhatDiffers();
    void updateSkippingEverythingSucceeds_data();
    void updateSkippingEverythingSucceeds();
    void updateOpenFailure_data();
    void updateOpenFailure();
    void usbUpdateFailures_data();
    void usbUpdateFailures();
    void logColoursFollowEachLinesKind_data();
    void logColoursFollowEachLinesKind();
    void acceptedDowngradeRewritesNewerComponents();
    void networkUpdate();
    void networkUpdateFx3ClearFailure();
    void missingImageStopsBeforeAnyDeviceCall_data();
    void missingImageStopsBeforeAnyDeviceCall();
    void unwritableRecordStopsBeforeAnyErase_data();
    void unwritableRecordStopsBeforeAnyErase();
    void onlyTheMakersReleaseIsWritten_data();
    void onlyTheMakersReleaseIsWritten();
    void imageChangedBeforeItsWrite_data();
    void imageChangedBeforeItsWrite();
    void usbRestore();
    void usbRestoreBootstrapsWhenTheOpenFails();
    void usbRestoreFindsNothing();
    void usbRestoreRunFailures_data();
    void usbRestoreRunFailures();
    void anotherInstrumentAfterTheCheckIsNotWritten_data();
    void anotherInstrumentAfterTheCheckIsNotWritten();
    void networkRestoreNeedsExactlyOneListedInstrument_data();
    void networkRestoreNeedsExactlyOneListedInstrument();
    void missingImageStopsTheRestore();
    void busyDialogShowsFpgaProgressAndTheElapsedTime();
    void interruptedUpdateRecovers_data();
    void interruptedUpdateRecovers();

private:
    void expectOnlyTheButtonsDisabled(const PanelDriver& driver);
};

// Nothing more can be started, but the log can still be read and copied for
// a report.
void UpdateRestoreTest::expectOnlyTheButtonsDisabled(const PanelDriver& driver)
{
    QVERIFY(!driver.checkButton()->isEnabled());
    QVERIFY(!driver.updateButton()->isEnabled());
    QVERIFY(!driver.restoreButton()->isEnabled());
    QVERIFY(driver.log()->isEnabled());
    QApplication::clipboard()->clear();
    QCOMPARE(PanelDriver::chooseFromLogMenu(driver.log(), "Copy All"),
             QStringList({"Copy All", "Save Log As...", "Open Log Folder", "Update History..."}));
    QCOMPARE(QApplication::clipboard()->text(), driver.logLines().join('\n'));
}

void UpdateRestoreTest::usbUpdateRewritesWhatDiffers_data()
{
    QTest::addColumn<QStringList>("device");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("calls");
    QTest::newRow("all three older")
        << usbModel("RZ610R", 3, 4, 9)
        << QStringList{"Updating boot Fx3, estimated 10 seconds.", "Updating run Fx3, estimated 10 seconds.",
                       "Updating FPGA, estimated 6 minutes."}
        << QStringList{"rzConfigUSBOpenDeviceBySerial", "rzConfigUSBGetDeviceType", "rzConfigUSBClearBootSector", "rzConfigUSBWriteBootSector",
                       "rzConfigUSBClearRunSector", "rzConfigUSBWriteRunSector", "rzConfigUSBClearFPGAProgram",
                       "rzConfigUSBWriteFPGAProgram"};
    QTest::newRow("only run older")
        << usbModel("RZ610R", 4, 4, 10)
        << QStringList{"Skipping boot Fx3, already current version.", "Updating run Fx3, estimated 10 seconds.",
                       "Skipping FPGA, already current version."}
        << QStringList{"rzConfigUSBOpenDeviceBySerial", "rzConfigUSBGetDeviceType", "rzConfigUSBClearRunSector", "rzConfigUSBWriteRunSector"};
}

void UpdateRestoreTest::usbUpdateRewritesWhatDiffers()
{
    QFETCH(QStringList, device);
    QFETCH(QStringList, lines);
    QFETCH(QStringList, calls);
    SimulatedInstrument instrument;
    instrument.create(device);
    PanelDriver driver;
    driver.pressCheckVersions();
    instrument.clearTrace();
    driver.pressUpdate();
    QCOMPARE(driver.linesAfter(updateHeading), lines + successLines);
    expectOnlyTheButtonsDisabled(driver);
    QCOMPARE(instrument.calledFunctions(), calls);
    QVERIFY(instrument.traceOf("rzConfigUSBOpenDeviceBySerial").first().contains("serial=12345"));
    for (const QString& fpgaWrite : instrument.traceOf("rzConfigUSBWriteFPGAProgram"))
        QVERIFY2(fpgaWrite.contains(R"(imagePath="./firmware/RZ610R-FPGA-v10.rbf")"), qPrintable(fpgaWrite));
    const QStringList runWrite = instrument.traceOf("rzConfigUSBWriteRunSector");
    QVERIFY2(runWrite.first().contains(R"(imagePath="./firmware/RZ610R-Cypress-Run-v5.img", serial=-1))"),
             qPrintable(runWrite.first()));
    QCOMPARE(components(instrument), rz610rAtTarget);
    QCOMPARE(instrument.state().value("flashSerial").toInt(), 12345);
    // The record was kept while writing and cleared by the green verdict.
    const QDir records(instrument.path("state/pending"));
    QVERIFY(records.exists());
    QCOMPARE(records.entryList(QDir::Files), QStringList());
}

// Nothing differs: only reachable by a worker given such a state, since the
// check offers no update then. Every component is skipped, nothing erased.
void UpdateRestoreTest::updateSkippingEverythingSucceeds_data()
{
    QTest::addColumn<QStringList>("device");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("serial");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("calls");
    QTest::newRow("USB") << usbModel("RZ610R", 4, 5, 10) << 0 << 12345
                         << QStringList{"Skipping boot Fx3, already current version.",
                                        "Skipping run Fx3, already current version.",
                                        "Skipping FPGA, already current version."}
                         << QStringList{"rzConfigUSBOpenDeviceBySerial", "rzConfigUSBGetDeviceType"};
    QTest::newRow("network") << rz610t(9, 7) << 2 << 777
                             << QStringList{"Skipping FX3, already current version.",
                                            "Skipping FPGA, already current version."}
                             << QStringList{"rzConfigNetGetDeviceList", "rzConfigNetOpenDevice", "rzConfigNetPreset"};
}

void UpdateRestoreTest::updateSkippingEverythingSucceeds()
{
    QFETCH(QStringList, device);
    QFETCH(int, type);
    QFETCH(int, serial);
    QFETCH(QStringList, lines);
    QFETCH(QStringList, calls);
    SimulatedInstrument instrument;
    instrument.create(device);
    UpdateDeviceThread worker;
    worker.state.deviceType = RzDeviceType(type);
    worker.state.serialNumber = serial;
    worker.state.currentVersion = worker.state.targetVersion = targetVersion(type);
    QSignalSpy emitted(&worker, &FirmwareWriterThread::addLine);
    worker.start();
    QVERIFY(worker.wait(30000));
    QVERIFY(worker.success);
    QStringList texts;
    for (const QList<QVariant>& line : emitted)
        texts << line.first().toString();
    QCOMPARE(texts, lines);
    QCOMPARE(instrument.calledFunctions(), calls);
}

void UpdateRestoreTest::updateOpenFailure_data()
{
    QTest::addColumn<QStringList>("device");
    QTest::newRow("USB") << usbModel("RZ610R", 4, 5, 9) + QStringList{"--fault", "rzConfigUSBOpenDeviceBySerial:1"};
    QTest::newRow("network") << rz610t(8, 6) + QStringList{"--fault", "rzConfigNetOpenDevice:1:2"};
}

void UpdateRestoreTest::updateOpenFailure()
{
    QFETCH(QStringList, device);
    SimulatedInstrument instrument;
    instrument.create(device);
    PanelDriver driver;
    driver.pressCheckVersions();
    driver.pressUpdate();
    QCOMPARE(driver.linesAfter(updateHeading), QStringList{"Cannot Find Device"} + failureLines);
    expectOnlyTheButtonsDisabled(driver);
}

void UpdateRestoreTest::usbUpdateFailures_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("components");
    const QString runUpdate = "Updating run Fx3, estimated 10 seconds.";
    QTest::newRow("run clear") << "rzConfigUSBClearRunSector:6" << QStringList{runUpdate, "Failed Clearing"}
                               << "boot:valid@4 run:valid@4 fpga:valid@9";
    QTest::newRow("run write") << "rzConfigUSBWriteRunSector:6" << QStringList{runUpdate, "Failed Writing"}
                               << "boot:valid@4 run:invalid@4 fpga:valid@9";
    QTest::newRow("run write, negative status") << "rzConfigUSBWriteRunSector:-1"
                                                << QStringList{runUpdate, "Failed Writing"}
                                                << "boot:valid@4 run:invalid@4 fpga:valid@9";
    QTest::newRow("FPGA clear") << "rzConfigUSBClearFPGAProgram:6"
                                << QStringList{runUpdate, "Updating FPGA, estimated 6 minutes.", "Failed Clearing"}
                                << "boot:valid@4 run:valid@5 fpga:valid@9";
}

// A failed run step stops the update like any other failure.
void UpdateRestoreTest::usbUpdateFailures()
{
    QFETCH(QString, fault);
    QFETCH(QStringList, lines);
    QFETCH(QString, components);
    SimulatedInstrument instrument;
    instrument.create(usbModel("RZ610R", 4, 4, 9) + QStringList{"--fault", fault});
    PanelDriver driver;
    driver.pressCheckVersions();
    driver.pressUpdate();
    QCOMPARE(driver.linesAfter(updateHeading),
             QStringList{"Skipping boot Fx3, already current version."} + lines + failureLines);
    QCOMPARE(::components(instrument), components);
    if (!fault.startsWith("rzConfigUSBClearFPGA"))
        QVERIFY(instrument.traceOf("rzConfigUSBClearFPGAProgram").isEmpty());
    expectOnlyTheButtonsDisabled(driver);
}

void UpdateRestoreTest::logColoursFollowEachLinesKind_data()
{
    QTest::addColumn<QStringList>("device");
    QTest::addColumn<bool>("selectWord");
    QTest::addColumn<QString>("verdict");
    QTest::newRow("success after a click") << usbModel("RZ610R", 4, 4, 10) << false << successLines.first();
    QTest::newRow("failure after selecting a word")
        << usbModel("RZ610R", 4, 4, 10) + QStringList{"--fault", "rzConfigUSBClearRunSector:6"} << true
        << failureLines.first();
}

// Whatever the operator clicked or selected, each line has its kind's colour
// and the line after a red or green one is back in the default colour.
void UpdateRestoreTest::logColoursFollowEachLinesKind()
{
    QFETCH(QStringList, device);
    QFETCH(bool, selectWord);
    QFETCH(QString, verdict);
    SimulatedInstrument instrument;
    instrument.create(device);
    PanelDriver driver;
    QVERIFY(QTest::qWaitForWindowExposed(driver.panel()->window()));
    touchRedBannerLine(driver.log(), selectWord);
    const QTextCursor touched = driver.log()->textCursor();
    QCOMPARE(touched.block().text(), redBannerLine);
    QCOMPARE(touched.selectedText(), selectWord ? QStringLiteral("NOT") : QString());
    driver.pressCheckVersions();
    driver.pressUpdate();
    const QStringList lines = driver.logLines();
    QVERIFY(lines.contains(verdict));
    for (int line = 0; line < lines.size(); ++line)
        QVERIFY2(PanelDriver::lineColour(driver.log(), line) == colourOfKind(lines[line]),
                 qPrintable(QString("line %1: %2").arg(line).arg(lines[line])));
    QCOMPARE(driver.log()->textCursor().selectedText(), touched.selectedText());
}

void UpdateRestoreTest::acceptedDowngradeRewritesNewerComponents()
{
    SimulatedInstrument instrument;
    instrument.create(usbModel("RZ610R", 4, 6, 11));
    PanelDriver driver;
    driver.answerQuestionWith(QMessageBox::Yes);
    driver.pressCheckVersions();
    driver.pressUpdate();
    QCOMPARE(driver.linesAfter(updateHeading),
             QStringList({"Skipping boot Fx3, already current version.", "Updating run Fx3, estimated 10 seconds.",
                          "Updating FPGA, estimated 6 minutes."})
                 + successLines);
    QCOMPARE(components(instrument), rz610rAtTarget);
}

void UpdateRestoreTest::networkUpdate()
{
    SimulatedInstrument instrument;
    instrument.create(rz610t(8, 6));
    PanelDriver driver;
    driver.pressCheckVersions();
    instrument.clearTrace();
    driver.pressUpdate();
    QCOMPARE(driver.linesAfter(updateHeading),
             QStringList({"Updating FX3, estimated 20 seconds.", "Updating FPGA, estimated 10 minutes."})
                 + successLines);
    QCOMPARE(instrument.calledFunctions(),
             QStringList({"rzConfigNetGetDeviceList", "rzConfigNetOpenDevice", "rzConfigNetClearFx3", "rzConfigNetWriteFx3",
                          "rzConfigNetClearFPGA", "rzConfigNetWriteFGPA", "rzConfigNetPreset"}));
    QVERIFY(instrument.traceOf("rzConfigNetWriteFx3").first().contains(
        R"(imagePath="./firmware/RZ610T-Cypress-v9.img", serial=777))"));
    QVERIFY(instrument.traceOf("rzConfigNetWriteFGPA").first().contains("./firmware/RZ610T-FPGA-v7.rbf"));
    QCOMPARE(components(instrument), rz610tAtTarget);
}

void UpdateRestoreTest::networkUpdateFx3ClearFailure()
{
    SimulatedInstrument instrument;
    instrument.create(rz610t(8, 6) + QStringList{"--fault", "rzConfigNetClearFx3:1"});
    PanelDriver driver;
    driver.pressCheckVersions();
    driver.pressUpdate();
    QCOMPARE(driver.linesAfter(updateHeading),
             QStringList({"Updating FX3, estimated 20 seconds.", "Failed Clearing"}) + failureLines);
    QVERIFY(instrument.traceOf("rzConfigNetClearFPGA").isEmpty());
    QVERIFY(instrument.traceOf("rzConfigNetPreset").isEmpty());
}

void UpdateRestoreTest::missingImageStopsBeforeAnyDeviceCall_data()
{
    QTest::addColumn<QStringList>("device");
    QTest::addColumn<QString>("image");
    QTest::addColumn<bool>("leftEmpty"); // else removed
    QTest::newRow("empty boot") << usbModel("RZ610S", 3, 7, 13) << "./firmware/RZ610S-Cypress-Boot-v4.img" << true;
    QTest::newRow("empty RZ610T FPGA") << rz610t(8, 6) << "./firmware/RZ610T-FPGA-v7.rbf" << true;
    QTest::newRow("boot") << usbModel("RZ610S", 3, 7, 13) << "./firmware/RZ610S-Cypress-Boot-v4.img" << false;
    QTest::newRow("run") << usbModel("RZ610S", 3, 7, 13) << "./firmware/RZ610S-Cypress-Run-v8.img" << false;
    QTest::newRow("FPGA") << usbModel("RZ610S", 3, 7, 13) << "./firmware/RZ610S-FPGA-v14.rbf" << false;
    QTest::newRow("FX3") << rz610t(8, 6) << "./firmware/RZ610T-Cypress-v9.img" << false;
    QTest::newRow("RZ610T FPGA") << rz610t(8, 6) << "./firmware/RZ610T-FPGA-v7.rbf" << false;
}

void UpdateRestoreTest::missingImageStopsBeforeAnyDeviceCall()
{
    QFETCH(QStringList, device);
    QFETCH(QString, image);
    QFETCH(bool, leftEmpty);
    SimulatedInstrument instrument;
    instrument.create(device);
    PanelDriver driver;
    driver.pressCheckVersions();
    const QString before = components(instrument);
    instrument.clearTrace();
    QFile file(image);
    QVERIFY(leftEmpty ? file.resize(0) : file.remove());
    driver.pressUpdate();
    QCOMPARE(driver.linesAfter(updateHeading), QStringList{"Missing firmware image: " + image} + failureLines);
    QVERIFY(instrument.calledFunctions().isEmpty());
    QCOMPARE(components(instrument), before);
    expectOnlyTheButtonsDisabled(driver);
}

void UpdateRestoreTest::unwritableRecordStopsBeforeAnyErase_data()
{
    QTest::addColumn<QStringList>("device");
    QTest::addColumn<QString>("heading");
    QTest::newRow("update") << usbModel("RZ610R", 4, 5, 9) << updateHeading;
    QTest::newRow("restore") << rz610t(9, 7) + QStringList{"--invalid", "fpga"} << restoreHeading;
}

// Without its record an interrupted write could later pass for a finished one.
void UpdateRestoreTest::unwritableRecordStopsBeforeAnyErase()
{
    QFETCH(QStringList, device);
    QFETCH(QString, heading);
    SimulatedInstrument instrument;
    instrument.create(device);
    QVERIFY(QDir().mkpath(instrument.path("state/rz-firmware-updater")));
    QFile blocker(instrument.path("state/pending"));
    QVERIFY(blocker.open(QIODevice::WriteOnly)); // a file where the folder should be
    blocker.close();
    PanelDriver driver;
    driver.pressCheckVersions();
    heading == updateHeading ? driver.pressUpdate() : driver.pressRestore();
    const QStringList lines = driver.linesAfter(heading);
    QVERIFY2(lines.value(0).startsWith("Cannot record the update before writing: cannot create "),
             qPrintable(lines.value(0)));
    QCOMPARE(lines.mid(1), failureLines);
    QCOMPARE(instrument.calledFunctions().filter(QRegularExpression("Clear|Write")), QStringList());
}

void UpdateRestoreTest::onlyTheMakersReleaseIsWritten_data()
{
    QTest::addColumn<QStringList>("device");
    QTest::addColumn<QString>("alteration"); // see alterRelease()
    QTest::addColumn<bool>("afterCheck");    // made between the check and the write
    QTest::addColumn<QStringList>("lines");  // after the heading of the check, or of the write once offered
    QTest::addColumn<bool>("written");
    const QStringList old = usbModel("RZ610R", 4, 5, 9);
    const QStringList bootMode = usbModel("RZ610S", 4, 8, 14) + QStringList{"--invalid", "fpga"};
    const QStringList silent = usbModel("RZ610R", 4, 5, 10) + QStringList{"--invalid", "boot"};
    const QStringList oldFound = {"Found RZ610R", "Serial 12345, with firmware 4.5.9", "Firmware requires update."};
    const QStringList bootModeFound = {"Failed to open RZ.", "Looking for RZ boot device...",
                                       "Attempting to bootstrap firmware.", "Found serial 12345"};
    const QStringList silentFound = {"Failed to open RZ.", "Looking for RZ boot device...",
                                     "Failed to open RZ boot device.", "Failed to open boot device."};
    const QString unsignedLine = "The firmware in ./firmware is not signed; nothing will be written.";
    const QString untrustedLine = "The firmware in ./firmware is not signed by a trusted key; nothing will be written.";
    const QString mismatch = "Firmware image does not match the release checksum: ";
    QTest::newRow("no list, another model's FPGA image")
        << old << "no list, RZ610S FPGA image" << false << oldFound + QStringList{unsignedLine} << false;
    QTest::newRow("no signature, boot mode") << bootMode << "no signature" << false
                                             << bootModeFound + QStringList{unsignedLine} << false;
    QTest::newRow("no signature, silent") << silent << "no signature" << false
                                          << silentFound + QStringList{unsignedLine} << false;
    QTest::newRow("no signature, newer firmware")
        << usbModel("RZ610R", 4, 5, 11) << "no signature" << false
        << QStringList{"Found RZ610R", "Serial 12345, with firmware 4.5.11", unsignedLine} << false;
    QTest::newRow("signature damaged") << old << "signature damaged" << false
                                       << oldFound + QStringList{untrustedLine} << false;
    QTest::newRow("untrusted key") << old << "untrusted key" << false << oldFound + QStringList{untrustedLine}
                                   << false;
    QTest::newRow("revoked key, its file still there") << bootMode << "revoked key" << false
                                                       << bootModeFound + QStringList{untrustedLine} << false;
    QTest::newRow("trusted comment edited") << silent << "trusted comment edited" << false
                                            << silentFound + QStringList{untrustedLine} << false;
    QTest::newRow("list changed after signing") << old << "list changed" << false
                                                << oldFound + QStringList{untrustedLine} << false;
    QTest::newRow("list changed after the check") << old << "list changed" << true
                                                  << QStringList{untrustedLine} + failureLines << false;
    QTest::newRow("signature gone after the check") << bootMode << "no signature" << true
                                                    << QStringList{unsignedLine} + failureLines << false;
    // A restore writes every component, so each kind of image is checked by one.
    for (const char* image : {"./firmware/RZ610S-Cypress-Boot-v4.img", "./firmware/RZ610S-Cypress-Run-v8.img",
                              "./firmware/RZ610S-FPGA-v14.rbf"})
        QTest::newRow(qPrintable(QString("corrupted after the check: ") + image))
            << bootMode << QString("corrupt ") + image << true << QStringList{mismatch + image} + failureLines << false;
    QTest::newRow("corrupted after the check: RZ610T FX3")
        << rz610t(9, 7) + QStringList{"--invalid", "fpga"} << "corrupt ./firmware/RZ610T-Cypress-v9.img" << true
        << QStringList{mismatch + "./firmware/RZ610T-Cypress-v9.img"} + failureLines << false;
    QTest::newRow("FPGA image not in the signed list")
        << bootMode << "unlist ./firmware/RZ610S-FPGA-v14.rbf, sign with a second trusted key" << false
        << QStringList{mismatch + "./firmware/RZ610S-FPGA-v14.rbf"} + failureLines << false;
    QTest::newRow("signed by a second trusted key")
        << old << "sign with a second trusted key" << false
        << QStringList{"Skipping boot Fx3, already current version.", "Skipping run Fx3, already current version.",
                       "Updating FPGA, estimated 6 minutes."}
               + successLines
        << true;
}

// Whatever the release lacks, the check offers nothing, asks nothing and
// bootstraps nothing, and a write that was offered sends no clear or write.
void UpdateRestoreTest::onlyTheMakersReleaseIsWritten()
{
    QFETCH(QStringList, device);
    QFETCH(QString, alteration);
    QFETCH(bool, afterCheck);
    QFETCH(QStringList, lines);
    QFETCH(bool, written);
    SimulatedInstrument instrument;
    instrument.create(device);
    const ThrowAwayKey key;
    PanelDriver driver;
    // Answers that nothing should ask for.
    driver.answerSelectorWith("RZ610R");
    driver.answerQuestionWith(QMessageBox::Yes);
    if (!afterCheck)
        alterRelease(alteration, key, instrument.path("revoked-keys"));
    driver.pressCheckVersions();
    QCOMPARE(driver.selectorsShown(), 0);
    QCOMPARE(driver.questionsAsked(), 0);
    // The lines of a write end with its verdict; the others are the check's.
    const bool refusedByTheCheck = lines.last() != "You may now close the software.";
    QCOMPARE(driver.updateButton()->isEnabled() || driver.restoreButton()->isEnabled(), !refusedByTheCheck);
    if (refusedByTheCheck) {
        QCOMPARE(driver.linesAfter("Checking Firmware Versions..."), lines);
    } else {
        if (afterCheck)
            alterRelease(alteration, key, instrument.path("revoked-keys"));
        const bool update = driver.updateButton()->isEnabled();
        update ? driver.pressUpdate() : driver.pressRestore();
        QCOMPARE(driver.linesAfter(update ? updateHeading : restoreHeading), lines);
    }
    QCOMPARE(instrument.calledFunctions().filter(QRegularExpression("Clear|Write|Bootstrap")).isEmpty(), !written);
}

void UpdateRestoreTest::imageChangedBeforeItsWrite_data()
{
    QTest::addColumn<QString>("changedAt"); // the worker's line at which the FPGA image is changed
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("fpgaCalls");
    QTest::addColumn<bool>("refused");
    const QString mismatch = "Firmware image does not match the release checksum: ./firmware/RZ610R-FPGA-v10.rbf";
    QTest::newRow("before its erase")
        << "Skipping run Fx3, already current version."
        << QStringList{"Skipping boot Fx3, already current version.", "Skipping run Fx3, already current version.",
                       mismatch}
        << QStringList() << true;
    QTest::newRow("while it is erased")
        << "Updating FPGA, estimated 6 minutes."
        << QStringList{"Skipping boot Fx3, already current version.", "Skipping run Fx3, already current version.",
                       "Updating FPGA, estimated 6 minutes.", mismatch}
        << QStringList{"rzConfigUSBClearFPGAProgram"} << false;
}

// The library reads an image only when told to write it, minutes after the
// check: a file changed meanwhile is caught before it reaches the library.
void UpdateRestoreTest::imageChangedBeforeItsWrite()
{
    QFETCH(QString, changedAt);
    QFETCH(QStringList, lines);
    QFETCH(QStringList, fpgaCalls);
    QFETCH(bool, refused);
    SimulatedInstrument instrument;
    instrument.create(usbModel("RZ610R", 4, 5, 9));
    UpdateDeviceThread worker;
    worker.state.deviceType = RzDeviceType(0);
    worker.state.serialNumber = 12345;
    worker.state.currentVersion = FirmwareVersion{0, 4, 5, 9};
    worker.state.targetVersion = targetVersion(0);
    worker.attempt = UpdateAttempt::onThisMachine(); // as the flow describes it
    worker.attempt.action = "update";
    worker.attempt.model = "RZ610R";
    worker.attempt.versionTarget = "4.5.10";
    QStringList emitted;
    // On the worker's thread, between two of its steps.
    QObject::connect(
        &worker, &FirmwareWriterThread::addLine, &worker,
        [&](const QString& line) {
            emitted << line;
            if (line == changedAt)
                corruptLastByte("./firmware/RZ610R-FPGA-v10.rbf");
        },
        Qt::DirectConnection);
    worker.start();
    QVERIFY(worker.wait(30000));
    QCOMPARE(emitted, lines);
    QVERIFY(!worker.success);
    QCOMPARE(worker.refused, refused);
    QCOMPARE(instrument.calledFunctions().filter("FPGA"), fpgaCalls);
}

void UpdateRestoreTest::usbRestore()
{
    SimulatedInstrument instrument;
    instrument.create(usbModel("RZ870S", 2, 4, 4) + QStringList{"--invalid", "fpga"});
    PanelDriver driver;
    driver.pressCheckVersions();
    instrument.clearTrace();
    driver.pressRestore();
    QCOMPARE(driver.linesAfter(restoreHeading),
             QStringList({"Updating boot Fx3, estimated 10 seconds.", "Updating run Fx3 device, estimated 10 seconds.",
                          "Updating FPGA, estimated 6 minutes."})
                 + successLines);
    expectOnlyTheButtonsDisabled(driver);
    const QStringList calls = instrument.calledFunctions();
    // Versions already at the target do not shorten a restore.
    QCOMPARE(calls, QStringList({"rzConfigUSBOpenDevice", "rzConfigUSBGetDeviceSerial", "rzConfigUSBGetDeviceType",
                                 "rzConfigUSBClearBootSector", "rzConfigUSBWriteBootSector",
                                 "rzConfigUSBClearRunSector", "rzConfigUSBWriteRunSector",
                                 "rzConfigUSBClearFPGAProgram", "rzConfigUSBWriteFPGAProgram",
                                 "rzConfigUSBCloseDevice"}));
    QVERIFY(instrument.traceOf("rzConfigUSBWriteBootSector").first().contains(
        R"(imagePath="./firmware/RZ870S-Cypress-Boot-v2.img", serial=12345))"));
    QVERIFY(instrument.traceOf("rzConfigUSBWriteRunSector").first().contains(
        R"(imagePath="./firmware/RZ870S-Cypress-Run-v4.img", serial=12345))"));
    QCOMPARE(components(instrument), QStringLiteral("boot:valid@2 run:valid@4 fpga:valid@4"));
}

// The instrument was bootstrapped by the check, then lost power before the
// restore: the restore's own bootstrap brings it back.
void UpdateRestoreTest::usbRestoreBootstrapsWhenTheOpenFails()
{
    SimulatedInstrument instrument;
    instrument.create(usbModel("RZ610R", 4, 5, 10) + QStringList{"--invalid", "boot"});
    PanelDriver driver;
    driver.answerSelectorWith("RZ610R");
    driver.pressCheckVersions();
    instrument.runTool({"unplug"});
    instrument.runTool({"plug"});
    instrument.clearTrace();
    driver.pressRestore();
    QCOMPARE(driver.linesAfter(restoreHeading),
             QStringList({"Updating boot Fx3, estimated 10 seconds.", "Updating run Fx3 device, estimated 10 seconds.",
                          "Updating FPGA, estimated 6 minutes."})
                 + successLines);
    QCOMPARE(instrument.calledFunctions().mid(0, 2),
             QStringList({"rzConfigUSBOpenDevice", "rzConfigUSBBootstrapDevice"}));
    QCOMPARE(components(instrument), rz610rAtTarget);
}

void UpdateRestoreTest::usbRestoreFindsNothing()
{
    SimulatedInstrument instrument;
    instrument.create(usbModel("RZ610R", 4, 5, 10) + QStringList{"--invalid", "run"});
    PanelDriver driver;
    driver.pressCheckVersions();
    instrument.runTool({"unplug"});
    driver.pressRestore();
    QCOMPARE(driver.linesAfter(restoreHeading), QStringList{"Failed to open device."} + failureLines);
    expectOnlyTheButtonsDisabled(driver);
}

void UpdateRestoreTest::usbRestoreRunFailures_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("line");
    QTest::newRow("clear") << "rzConfigUSBClearRunSector:6" << "Failed clearing run Fx3.";
    QTest::newRow("write") << "rzConfigUSBWriteRunSector:6" << "Failed writing run Fx3.";
}

void UpdateRestoreTest::usbRestoreRunFailures()
{
    QFETCH(QString, fault);
    QFETCH(QString, line);
    SimulatedInstrument instrument;
    instrument.create(usbModel("RZ610R", 4, 5, 10) + QStringList{"--invalid", "run", "--fault", fault});
    PanelDriver driver;
    driver.pressCheckVersions();
    driver.pressRestore();
    QCOMPARE(driver.linesAfter(restoreHeading),
             QStringList({"Updating boot Fx3, estimated 10 seconds.", "Updating run Fx3 device, estimated 10 seconds.",
                          line})
                 + failureLines);
    QVERIFY(instrument.traceOf("rzConfigUSBClearFPGAProgram").isEmpty());
}

void UpdateRestoreTest::anotherInstrumentAfterTheCheckIsNotWritten_data()
{
    QTest::addColumn<QStringList>("checked");
    QTest::addColumn<QString>("named"); // in the device selector, when nothing answers
    QTest::addColumn<bool>("restore");
    QTest::addColumn<QStringList>("connected"); // plugged in after the check
    const QStringList bootMode{"--invalid", "fpga"};
    const QStringList silent{"--invalid", "boot"};
    const QStringList serial222{"--serial", "222"};
    const QStringList serial778{"--serial", "778"};
    QTest::newRow("USB update, another model under the same serial")
        << usbModel("RZ610R", 4, 5, 9) << QString() << false << usbModel("RZ870S", 2, 4, 3);
    QTest::newRow("USB restore, another model")
        << usbModel("RZ870S", 2, 4, 4) + bootMode << QString() << true << usbModel("RZ610R", 4, 5, 10) + bootMode;
    QTest::newRow("USB restore, another serial")
        << usbModel("RZ610R", 4, 5, 10) + bootMode << QString() << true
        << usbModel("RZ610R", 4, 5, 10) + bootMode + serial222;
    QTest::newRow("USB restore after a bootstrap, another serial")
        << usbModel("RZ610R", 4, 5, 10) + silent << "RZ610R" << true << usbModel("RZ610R", 4, 5, 10) + silent + serial222;
    QTest::newRow("network update, another serial") << rz610t(8, 6) << QString() << false << rz610t(8, 6) + serial778;
    QTest::newRow("network restore, another serial")
        << rz610t(9, 7) + bootMode << QString() << true << rz610t(9, 7) + bootMode + serial778;
}

// The identity is read back before the first erase: another instrument
// plugged in between the check and the write is left as it is.
void UpdateRestoreTest::anotherInstrumentAfterTheCheckIsNotWritten()
{
    QFETCH(QStringList, checked);
    QFETCH(QString, named);
    QFETCH(bool, restore);
    QFETCH(QStringList, connected);
    SimulatedInstrument instrument;
    instrument.create(checked);
    PanelDriver driver;
    if (!named.isEmpty())
        driver.answerSelectorWith(named);
    driver.pressCheckVersions();
    instrument.create(connected);
    const QString before = components(instrument);
    instrument.clearTrace();
    restore ? driver.pressRestore() : driver.pressUpdate();
    QCOMPARE(driver.linesAfter(restore ? restoreHeading : updateHeading),
             QStringList{"The connected instrument is not the one checked; nothing was written."} + failureLines);
    QCOMPARE(instrument.calledFunctions().filter(QRegularExpression("Clear|Write")), QStringList());
    QCOMPARE(components(instrument), before);
}

void UpdateRestoreTest::networkRestoreNeedsExactlyOneListedInstrument_data()
{
    QTest::addColumn<bool>("unplug");
    QTest::newRow("none listed") << true;
    QTest::newRow("two listed") << false;
}

void UpdateRestoreTest::networkRestoreNeedsExactlyOneListedInstrument()
{
    QFETCH(bool, unplug);
    SimulatedInstrument instrument;
    instrument.create(rz610t(9, 7) + QStringList{"--invalid", "fpga"});
    PanelDriver driver;
    driver.pressCheckVersions();
    if (unplug) {
        instrument.runTool({"unplug"});
    } else {
        QJsonObject state = instrument.state();
        state["listedCount"] = 2;
        instrument.writeState(state);
    }
    instrument.clearTrace();
    driver.pressRestore();
    QCOMPARE(driver.linesAfter(restoreHeading), QStringList{"Unable to find device."} + failureLines);
    QCOMPARE(instrument.calledFunctions(), QStringList{"rzConfigNetGetDeviceList"});
}

void UpdateRestoreTest::missingImageStopsTheRestore()
{
    SimulatedInstrument instrument;
    instrument.create(usbModel("RZ610R", 4, 5, 10) + QStringList{"--invalid", "run"});
    PanelDriver driver;
    driver.pressCheckVersions();
    QVERIFY(QFile::remove("./firmware/RZ610R-FPGA-v10.rbf"));
    QVERIFY(QFile::remove("./firmware/RZ610R-Cypress-Run-v5.img"));
    instrument.clearTrace();
    driver.pressRestore();
    QCOMPARE(driver.linesAfter(restoreHeading),
             QStringList({"Missing firmware image: ./firmware/RZ610R-Cypress-Run-v5.img",
                          "Missing firmware image: ./firmware/RZ610R-FPGA-v10.rbf"})
                 + failureLines);
    QVERIFY(instrument.calledFunctions().isEmpty());
    QCOMPARE(components(instrument), QStringLiteral("boot:valid@4 run:invalid@5 fpga:valid@10"));
}

namespace {

// The seconds of the busy dialog's "Elapsed m:ss" line, or -1 without one.
int elapsedSeconds(const PLProgressDialog* dialog)
{
    static const QRegularExpression elapsed("^Elapsed (\\d+):(\\d\\d)$");
    for (const QLabel* line : dialog->findChildren<QLabel*>()) {
        const QRegularExpressionMatch match = elapsed.match(line->text());
        if (match.hasMatch())
            return match.captured(1).toInt() * 60 + match.captured(2).toInt();
    }
    return -1;
}

} // namespace

// While the FPGA is programmed the dialog shows the library's percentage;
// before it, the busy bar. Under the bar the elapsed time counts up.
void UpdateRestoreTest::busyDialogShowsFpgaProgressAndTheElapsedTime()
{
    SimulatedInstrument instrument;
    instrument.create(usbModel("RZ610R", 4, 4, 9));
    QJsonObject state = instrument.state();
    QJsonObject timing = state.value("timing").toObject();
    timing["writeMs"] = 300;
    timing["fpgaClearMs"] = 300;
    timing["fpgaWriteMs"] = 2000;
    state["timing"] = timing;
    instrument.writeState(state);
    PanelDriver driver;
    driver.pressCheckVersions();

    QList<int> seen; // -1 for the busy bar, else the bar's value
    QList<int> elapsed; // each new value of the elapsed seconds
    QTimer sampler;
    connect(&sampler, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<PLProgressDialog*>(QApplication::activeModalWidget());
        const QProgressBar* bar = dialog ? dialog->findChild<QProgressBar*>() : nullptr;
        if (!bar)
            return;
        seen << (bar->maximum() == 0 ? -1 : bar->value());
        if (elapsed.isEmpty() || elapsed.last() != elapsedSeconds(dialog))
            elapsed << elapsedSeconds(dialog);
    });
    sampler.start(20);
    driver.pressUpdate();
    sampler.stop();

    QCOMPARE(driver.linesAfter(updateHeading).mid(3), successLines);
    QVERIFY(!seen.isEmpty());
    QCOMPARE(seen.first(), -1); // the run image is written under the busy bar
    const QList<int> percentages = seen.mid(seen.lastIndexOf(-1) + 1);
    QVERIFY2(percentages.size() >= 5, qPrintable(QString::number(percentages.size())));
    // The bar is refreshed ten times a second: its last value before the
    // write ends is close to, not exactly, 100.
    QVERIFY2(percentages.first() < 50, qPrintable(QString::number(percentages.first())));
    const int highest = *std::max_element(percentages.begin(), percentages.end());
    QVERIFY2(highest >= 80, qPrintable(QString::number(highest)));
    // From 0:00, second by second, through the whole write of about 3 s.
    QCOMPARE(elapsed.mid(0, 3), QList<int>({0, 1, 2}));
    QVERIFY(std::is_sorted(elapsed.begin(), elapsed.end()));
}

namespace {

// After an interrupted update: plug the instrument back in and do what the
// updater offers in a fresh window, as an operator would.
void recoverInAFreshWindow(SimulatedInstrument& instrument, const QString& model)
{
    instrument.runTool({"plug"});
    PanelDriver driver;
    driver.answerSelectorWith(model);
    driver.pressCheckVersions();
    if (driver.updateButton()->isEnabled())
        driver.pressUpdate();
    else if (driver.restoreButton()->isEnabled())
        driver.pressRestore();
    const QStringList lines = driver.logLines();
    QVERIFY2(lines.contains("Firmware updated successfully.") || lines.contains("Firmware does not require update."),
             qPrintable(lines.join('\n')));
    // An instrument that still answers normally is offered the rest of the
    // interrupted update, whatever versions it reports.
    QCOMPARE(lines.contains("The last update of this instrument did not finish."),
             lines.contains("Updating Firmware"));
}

// A power cycle, then a check that finds the instrument operational and current.
void expectCurrentAndOperational(SimulatedInstrument& instrument, const QString& model, int serial)
{
    instrument.runTool({"unplug"});
    instrument.runTool({"plug"});
    PanelDriver driver;
    driver.pressCheckVersions();
    QCOMPARE(driver.selectorsShown(), 0);
    const QStringList lines = driver.linesAfter("Checking Firmware Versions...");
    QCOMPARE(lines.value(0), "Found " + model);
    QVERIFY2(lines.value(1).startsWith(QString("Serial %1, with firmware ").arg(serial)), qPrintable(lines.value(1)));
    QCOMPARE(lines.value(2), QStringLiteral("Firmware does not require update."));
    QCOMPARE(instrument.state().value("flashSerial").toInt(), serial);
}

} // namespace

void UpdateRestoreTest::interruptedUpdateRecovers_data()
{
    QTest::addColumn<QStringList>("device");
    QTest::addColumn<QString>("call");        // the instrument is unplugged once it returns
    QTest::addColumn<QString>("rewritten");   // a write the record alone asks for, if any
    QTest::addColumn<QString>("atTarget");
    for (const QString call : {"rzConfigUSBClearBootSector", "rzConfigUSBClearRunSector", "rzConfigUSBWriteRunSector",
                                "rzConfigUSBClearFPGAProgram", "rzConfigUSBWriteFPGAProgram"})
        QTest::newRow(qPrintable("RZ610R after " + call)) << usbModel("RZ610R", 3, 4, 9) << call << "" << rz610rAtTarget;
    // Its boot already reads as current, yet the record has it rewritten.
    QTest::newRow("RZ610R after rzConfigUSBWriteBootSector")
        << usbModel("RZ610R", 3, 4, 9) << "rzConfigUSBWriteBootSector" << "rzConfigUSBWriteBootSector"
        << rz610rAtTarget;
    for (const QString call : {"rzConfigNetClearFx3", "rzConfigNetClearFPGA", "rzConfigNetWriteFGPA"})
        QTest::newRow(qPrintable("RZ610T after " + call)) << rz610t(8, 6) << call << "" << rz610tAtTarget;
    // The RZ610T reports one firmware number, taken from its FX3, and its
    // FPGA version is inferred from it: with the new FX3 and the old FPGA it
    // reads as current. Only the record says the FPGA is still to be written.
    QTest::newRow("RZ610T after rzConfigNetWriteFx3")
        << rz610t(8, 6) << "rzConfigNetWriteFx3" << "rzConfigNetWriteFGPA" << rz610tAtTarget;
}

void UpdateRestoreTest::interruptedUpdateRecovers()
{
    QFETCH(QStringList, device);
    QFETCH(QString, call);
    QFETCH(QString, rewritten);
    QFETCH(QString, atTarget);
    const QString model = device.at(device.indexOf("--model") + 1);
    const int serial = device.at(device.indexOf("--serial") + 1).toInt();
    SimulatedInstrument instrument;
    instrument.create(device + QStringList{"--unplug-after", call});
    {
        PanelDriver driver;
        driver.pressCheckVersions();
        driver.pressUpdate();
    }
    QVERIFY(instrument.state().value("unplugged").toBool());
    instrument.clearTrace();
    recoverInAFreshWindow(instrument, model);
    if (!rewritten.isEmpty())
        QCOMPARE(instrument.traceOf(rewritten).size(), 1);
    QCOMPARE(components(instrument), atTarget);
    expectCurrentAndOperational(instrument, model, serial);
}

QTEST_MAIN(UpdateRestoreTest)
#include "UpdateRestoreTest.moc"
