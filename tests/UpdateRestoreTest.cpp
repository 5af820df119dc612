#include "tests/support/PanelDriver.h"
#include "catalogue/Catalogue.h"
#include "catalogue/release/TrustedKeys.h"
#include "tests/support/RecordingFrontEnd.h"
#include "tests/support/SimulatedInstrument.h"
#include "tests/support/ThrowAwayKey.h"
#include "tests/support/UpdaterRun.h"
#include "ui/PLProgressDialog.h"
#include "ui/Updater.h"
#include "workflows/flows/CheckVersionsFlow.h"
#include "workflows/flows/FirmwareWriteFlow.h"
#include "workflows/workers/UpdateDeviceThread.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextEdit>
#include <QtTest>

#include <sys/stat.h>

namespace {

const auto usbModel = &SimulatedInstrument::usbModel;
const auto rz610t = &SimulatedInstrument::rz610t;

const QString checkHeading = "Checking Firmware Versions...";
const QString updateHeading = "Updating Firmware";
const QString restoreHeading = "Restoring Device";
const QString successLine = "Firmware updated successfully.";
const QString failureLine = "Firmware updated unsuccessfully.";
// As a recording front end keeps them, with the verdict's colour.
const QStringList successLines = {"[green] " + successLine, "You may now close the software."};
// A refusal touched nothing: its advice is about its cause, not the cable.
QStringList refusalLines(const QString& advice)
{
    return {"[red] " + failureLine, advice, "You may now close the software."};
}
const QString getTheRelease = "Nothing on the instrument was changed. Get this release again, whole and signed by a "
                              "trusted key, then start the update again.";
const QString fixThenAgain = "Nothing on the instrument was changed. Once what the line above names is put right, "
                             "start the update again.";
const QString onlyThatOne = "Nothing on the instrument was changed. Connect only the instrument to update, then "
                            "start again.";
const QStringList failureLines = {"[red] " + failureLine, "Check device connections and re-run the software.",
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
void alterRelease(const QString& how, const ThrowAwayKey& key, SimulatedInstrument& instrument)
{
    const QString revokedFile = instrument.path("revoked-keys");
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
        instrument.trust({{RZ_DEMO_KEY_DIR, key.keyFolder()}, {revokedFile}});
    }
}

const QString rz610rAtTarget = "boot:valid@4 run:valid@5 fpga:valid@10";
const QString rz610tAtTarget = "fx3:valid@9 fpga:valid@7";

// Writes that take long enough to watch: the run image, then the FPGA's.
const QStringList slowUpdate = usbModel("RZ610R", 4, 4, 9)
                               + QStringList{"--write-ms", "300", "--fpga-clear-ms", "300", "--fpga-write-ms", "2000"};

const QString redBannerLine = "Do NOT disconnect the device at any time during the update.";

// The colour each line of the log must have, by its text.
QColor colourOfKind(const QString& line)
{
    if (line == redBannerLine || line == failureLine)
        return Qt::red;
    if (line == successLine)
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
    void logColoursFollowEachLinesKind_data();
    void logColoursFollowEachLinesKind();
    void writeTheCheckedInstrument_data();
    void writeTheCheckedInstrument();
    void updateSkippingEverythingSucceeds_data();
    void updateSkippingEverythingSucceeds();
    void onlyTheMakersReleaseIsWritten_data();
    void onlyTheMakersReleaseIsWritten();
    void fpgaProgressIsShown();
    void busyDialogShowsFpgaProgressAndTheElapsedTime();
    void interruptedUpdateRecovers_data();
    void interruptedUpdateRecovers();
    void plantedRecordIsNeverFollowed_data();
    void plantedRecordIsNeverFollowed();
    void recordsAreOfferedNeverObeyed_data();
    void recordsAreOfferedNeverObeyed();
};

void UpdateRestoreTest::logColoursFollowEachLinesKind_data()
{
    QTest::addColumn<QStringList>("device");
    QTest::addColumn<bool>("selectWord");
    QTest::addColumn<QString>("verdict");
    QTest::newRow("success after a click") << usbModel("RZ610R", 4, 4, 10) << false << successLine;
    QTest::newRow("failure after selecting a word")
        << usbModel("RZ610R", 4, 4, 10) + QStringList{"--fault", "rzConfigUSBClearRunSector:6"} << true << failureLine;
}

// Whatever the operator clicked or selected, each line has its kind's colour
// and the line after a red or green one is back in the default colour. Then
// nothing more can be started, but the log can still be read and copied for
// a report.
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

    QVERIFY(!driver.checkButton()->isEnabled());
    QVERIFY(!driver.updateButton()->isEnabled());
    QVERIFY(!driver.restoreButton()->isEnabled());
    QVERIFY(driver.log()->isEnabled());
    QApplication::clipboard()->clear();
    QCOMPARE(PanelDriver::chooseFromLogMenu(driver.log(), "Copy All"),
             QStringList({"Copy All", "Save Log As...", "Open Log Folder", "Update History..."}));
    QCOMPARE(QApplication::clipboard()->text(), driver.logLines().join('\n'));
}

namespace {

// A change between the check and the write: "unplug", "plug", "list two"
// (the network listing reports a second instrument), "remove IMAGE", "empty
// IMAGE", "block records" (a file where the records' folder goes) or
// "connect OPTIONS" (another instrument, made by rzsim with these options).
void change(SimulatedInstrument& instrument, const QString& step)
{
    const QString what = step.section(' ', 1);
    if (step == "unplug" || step == "plug") {
        instrument.runTool({step});
    } else if (step == "list two") {
        QJsonObject state = instrument.state();
        state["listedCount"] = 2;
        instrument.writeState(state);
    } else if (step.startsWith("remove ")) {
        QVERIFY(QFile::remove(what));
    } else if (step.startsWith("empty ")) {
        QVERIFY(QFile(what).resize(0));
    } else if (step == "block records") {
        QVERIFY(QDir().mkpath(instrument.path("state")));
        QFile blocker(instrument.path("state/pending"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
    } else {
        QVERIFY(step.startsWith("connect "));
        instrument.create(what.split(' '));
    }
}

} // namespace

void UpdateRestoreTest::writeTheCheckedInstrument_data()
{
    QTest::addColumn<QStringList>("device");
    QTest::addColumn<QString>("write");       // "update" or "restore", as the check offered
    QTest::addColumn<QStringList>("between"); // see change()
    QTest::addColumn<QStringList>("lines");   // after the write's heading
    QTest::addColumn<QStringList>("calls");   // see SimulatedInstrument::callsLike()
    QTest::addColumn<QString>("components");
    const QString bootUpdate = "Updating boot Fx3, estimated 10 seconds.";
    const QString runUpdate = "Updating run Fx3, estimated 10 seconds.";
    const QString fpgaUpdate = "Updating FPGA, estimated 6 minutes.";
    const QString bootSkip = "Skipping boot Fx3, already current version.";
    const QString fpgaSkip = "Skipping FPGA, already current version.";
    const QStringList usbOpen = {"rzConfigUSBOpenDeviceBySerial: serial=12345", "rzConfigUSBGetDeviceType"};
    const QStringList rz610rWrites = {
        "rzConfigUSBClearBootSector", "rzConfigUSBWriteBootSector", "rzConfigUSBClearRunSector",
        R"(rzConfigUSBWriteRunSector: "./firmware/RZ610R-Cypress-Run-v5.img", serial=-1))",
        "rzConfigUSBClearFPGAProgram", R"(rzConfigUSBWriteFPGAProgram: "./firmware/RZ610R-FPGA-v10.rbf")"};
    QTest::newRow("USB update, all three older")
        << usbModel("RZ610R", 3, 4, 9) << "update" << QStringList()
        << QStringList{bootUpdate, runUpdate, fpgaUpdate} + successLines << usbOpen + rz610rWrites << rz610rAtTarget;
    QTest::newRow("USB update, only run older")
        << usbModel("RZ610R", 4, 4, 10) << "update" << QStringList()
        << QStringList{bootSkip, runUpdate, fpgaSkip} + successLines << usbOpen + rz610rWrites.mid(2, 2)
        << rz610rAtTarget;
    QTest::newRow("USB update, downgrade accepted")
        << usbModel("RZ610R", 4, 6, 11) << "update" << QStringList()
        << QStringList{bootSkip, runUpdate, fpgaUpdate} + successLines << usbOpen + rz610rWrites.mid(2)
        << rz610rAtTarget;
    QTest::newRow("USB update, not found")
        << usbModel("RZ610R", 4, 5, 9) + QStringList{"--fault", "rzConfigUSBOpenDeviceBySerial:1"} << "update"
        << QStringList() << QStringList{"Cannot Find Device"} + failureLines
        << QStringList{"rzConfigUSBOpenDeviceBySerial"}
        << "boot:valid@4 run:valid@5 fpga:valid@9";
    // A failed step stops the update like any other failure. Run and FPGA
    // older, and the call named after this fails:
    const QStringList failing = usbModel("RZ610R", 4, 4, 9) + QStringList{"--fault"};
    QTest::newRow("USB update, run clear fails")
        << failing + QStringList{"rzConfigUSBClearRunSector:6"} << "update" << QStringList()
        << QStringList{bootSkip, runUpdate, "Failed Clearing"} + failureLines << usbOpen + rz610rWrites.mid(2, 1)
        << "boot:valid@4 run:valid@4 fpga:valid@9";
    QTest::newRow("USB update, run write fails")
        << failing + QStringList{"rzConfigUSBWriteRunSector:6"} << "update" << QStringList()
        << QStringList{bootSkip, runUpdate, "Failed Writing"} + failureLines << usbOpen + rz610rWrites.mid(2, 2)
        << "boot:valid@4 run:invalid@4 fpga:valid@9";
    QTest::newRow("USB update, run write fails, negative status")
        << failing + QStringList{"rzConfigUSBWriteRunSector:-1"} << "update" << QStringList()
        << QStringList{bootSkip, runUpdate, "Failed Writing"} + failureLines << usbOpen + rz610rWrites.mid(2, 2)
        << "boot:valid@4 run:invalid@4 fpga:valid@9";
    QTest::newRow("USB update, FPGA clear fails")
        << failing + QStringList{"rzConfigUSBClearFPGAProgram:6"} << "update" << QStringList()
        << QStringList{bootSkip, runUpdate, fpgaUpdate, "Failed Clearing"} + failureLines
        << usbOpen + rz610rWrites.mid(2, 3) << "boot:valid@4 run:valid@5 fpga:valid@9";

    const QStringList netListed = {"rzConfigNetGetDeviceList"};
    const QStringList netOpen = netListed + QStringList{"rzConfigNetOpenDevice"};
    const QStringList rz610tWrites = {
        "rzConfigNetClearFx3", R"(rzConfigNetWriteFx3: "./firmware/RZ610T-Cypress-v9.img", serial=777))",
        "rzConfigNetClearFPGA", "rzConfigNetWriteFGPA: ./firmware/RZ610T-FPGA-v7.rbf", "rzConfigNetPreset"};
    QTest::newRow("network update")
        << rz610t(8, 6) << "update" << QStringList()
        << QStringList{"Updating FX3, estimated 20 seconds.", "Updating FPGA, estimated 10 minutes."} + successLines
        << netOpen + rz610tWrites << rz610tAtTarget;
    // Only a preset instrument takes up what was written.
    QTest::newRow("network update, preset fails")
        << rz610t(8, 6) + QStringList{"--fault", "rzConfigNetPreset:5"} << "update" << QStringList()
        << QStringList{"Updating FX3, estimated 20 seconds.", "Updating FPGA, estimated 10 minutes.",
                       "Failed presetting the instrument."}
               + failureLines
        << netOpen + rz610tWrites << rz610tAtTarget;
    QTest::newRow("network update, not found")
        << rz610t(8, 6) + QStringList{"--fault", "rzConfigNetOpenDevice:1:2"} << "update" << QStringList()
        << QStringList{"Cannot Find Device"} + failureLines << netOpen << "fx3:valid@8 fpga:valid@6";
    QTest::newRow("network update, FX3 clear fails")
        << rz610t(8, 6) + QStringList{"--fault", "rzConfigNetClearFx3:1"} << "update" << QStringList()
        << QStringList{"Updating FX3, estimated 20 seconds.", "Failed Clearing"} + failureLines
        << netOpen + QStringList{"rzConfigNetClearFx3"} << "fx3:valid@8 fpga:valid@6";

    // Images are checked before any device call.
    for (const QString& step :
         QStringList{"empty ./firmware/RZ610S-Cypress-Boot-v4.img", "remove ./firmware/RZ610S-Cypress-Boot-v4.img",
                     "remove ./firmware/RZ610S-Cypress-Run-v8.img", "remove ./firmware/RZ610S-FPGA-v14.rbf"})
        QTest::newRow(qPrintable("USB update, " + step))
            << usbModel("RZ610S", 3, 7, 13) << "update" << QStringList{step}
            << QStringList{"Missing firmware image: " + step.section(' ', 1)} + refusalLines(getTheRelease) << QStringList()
            << "boot:valid@3 run:valid@7 fpga:valid@13";
    for (const QString& step : QStringList{"empty ./firmware/RZ610T-FPGA-v7.rbf",
                                           "remove ./firmware/RZ610T-Cypress-v9.img",
                                           "remove ./firmware/RZ610T-FPGA-v7.rbf"})
        QTest::newRow(qPrintable("network update, " + step))
            << rz610t(8, 6) << "update" << QStringList{step}
            << QStringList{"Missing firmware image: " + step.section(' ', 1)} + refusalLines(getTheRelease) << QStringList()
            << "fx3:valid@8 fpga:valid@6";
    QTest::newRow("USB restore, two images missing")
        << usbModel("RZ610R", 4, 5, 10) + QStringList{"--invalid", "run"} << "restore"
        << QStringList{"remove ./firmware/RZ610R-FPGA-v10.rbf", "remove ./firmware/RZ610R-Cypress-Run-v5.img"}
        << QStringList{"Missing firmware image: ./firmware/RZ610R-Cypress-Run-v5.img",
                       "Missing firmware image: ./firmware/RZ610R-FPGA-v10.rbf"}
               + refusalLines(getTheRelease)
        << QStringList() << "boot:valid@4 run:invalid@5 fpga:valid@10";
    // Without its record an interrupted write could later pass for a finished one.
    const QString unrecorded = "Cannot record the update before writing: state/pending is not a folder";
    QTest::newRow("update without a record")
        << usbModel("RZ610R", 4, 5, 9) << "update" << QStringList{"block records"}
        << QStringList{unrecorded} + refusalLines(fixThenAgain) << usbOpen << "boot:valid@4 run:valid@5 fpga:valid@9";
    QTest::newRow("restore without a record")
        << rz610t(9, 7) + QStringList{"--invalid", "fpga"} << "restore" << QStringList{"block records"}
        << QStringList{unrecorded} + refusalLines(fixThenAgain) << netOpen << "fx3:valid@9 fpga:invalid@7";

    const QString restoreRun = "Updating run Fx3 device, estimated 10 seconds.";
    const QStringList restored = QStringList{bootUpdate, restoreRun, fpgaUpdate} + successLines;
    const QStringList usbRestoreOpen = {"rzConfigUSBOpenDevice", "rzConfigUSBGetDeviceSerial",
                                        "rzConfigUSBGetDeviceType"};
    const QStringList usbRestoreWrites = {"rzConfigUSBClearBootSector",  "rzConfigUSBWriteBootSector",
                                          "rzConfigUSBClearRunSector",   "rzConfigUSBWriteRunSector",
                                          "rzConfigUSBClearFPGAProgram", "rzConfigUSBWriteFPGAProgram",
                                          "rzConfigUSBCloseDevice"};
    // An instrument that does not answer is bootstrapped as the model checked.
    const QStringList usbBootstrap = {"rzConfigUSBOpenDevice", "rzConfigUSBBootstrapDevice",
                                      "rzConfigUSBGetSerialFromFlash"};
    // Versions already at the target do not shorten a restore.
    QTest::newRow("USB restore")
        << usbModel("RZ870S", 2, 4, 4) + QStringList{"--invalid", "fpga"} << "restore" << QStringList() << restored
        << usbRestoreOpen
               + QStringList{"rzConfigUSBClearBootSector",
                             R"(rzConfigUSBWriteBootSector: "./firmware/RZ870S-Cypress-Boot-v2.img", serial=12345))",
                             "rzConfigUSBClearRunSector",
                             R"(rzConfigUSBWriteRunSector: "./firmware/RZ870S-Cypress-Run-v4.img", serial=12345))"}
               + usbRestoreWrites.mid(4)
        << "boot:valid@2 run:valid@4 fpga:valid@4";
    // Bootstrapped by the check, then without power before the restore: the
    // restore's own bootstrap brings it back.
    QTest::newRow("USB restore, bootstrapped again")
        << usbModel("RZ610R", 4, 5, 10) + QStringList{"--invalid", "boot"} << "restore" << QStringList{"unplug", "plug"}
        << restored << usbBootstrap + usbRestoreWrites << rz610rAtTarget;
    QTest::newRow("USB restore, not found")
        << usbModel("RZ610R", 4, 5, 10) + QStringList{"--invalid", "run"} << "restore" << QStringList{"unplug"}
        << QStringList{"Failed to open device."} + failureLines << QStringList(usbBootstrap.mid(0, 2))
        << "boot:valid@4 run:invalid@5 fpga:valid@10";
    QTest::newRow("USB restore, run clear fails")
        << usbModel("RZ610R", 4, 5, 10) + QStringList{"--invalid", "run", "--fault", "rzConfigUSBClearRunSector:6"}
        << "restore" << QStringList() << QStringList{bootUpdate, restoreRun, "Failed clearing run Fx3."} + failureLines
        << usbRestoreOpen + usbRestoreWrites.mid(0, 3) << "boot:valid@4 run:invalid@5 fpga:valid@10";
    QTest::newRow("USB restore, run write fails")
        << usbModel("RZ610R", 4, 5, 10) + QStringList{"--invalid", "run", "--fault", "rzConfigUSBWriteRunSector:6"}
        << "restore" << QStringList() << QStringList{bootUpdate, restoreRun, "Failed writing run Fx3."} + failureLines
        << usbRestoreOpen + usbRestoreWrites.mid(0, 4)
        << "boot:valid@4 run:invalid@5 fpga:valid@10";
    QTest::newRow("network restore")
        << rz610t(9, 7) + QStringList{"--invalid", "fpga"} << "restore" << QStringList()
        << QStringList{"Updating FX3 program, estimated 10 seconds.", "Updating FPGA, estimated 10 minutes."}
               + successLines
        << netOpen + rz610tWrites << rz610tAtTarget;
    QTest::newRow("network restore, none listed")
        << rz610t(9, 7) + QStringList{"--invalid", "fpga"} << "restore" << QStringList{"unplug"}
        << QStringList{"Unable to find device."} + failureLines << netListed << "fx3:valid@9 fpga:invalid@7";
    QTest::newRow("network restore, two listed")
        << rz610t(9, 7) + QStringList{"--invalid", "fpga"} << "restore" << QStringList{"list two"}
        << QStringList{"Unable to find device."} + failureLines << netListed << "fx3:valid@9 fpga:invalid@7";

    // The identity is read back before the first erase: another instrument
    // plugged in between the check and the write is left as it is.
    const QStringList another = QStringList{"The connected instrument is not the one checked; nothing was written."}
                                + refusalLines(onlyThatOne);
    const QString bootMode = " --invalid fpga";
    const QString silent = " --invalid boot";
    QTest::newRow("USB update, another model under the same serial")
        << usbModel("RZ610R", 4, 5, 9) << "update" << QStringList{"connect " + usbModel("RZ870S", 2, 4, 3).join(' ')}
        << another << usbOpen << "boot:valid@2 run:valid@4 fpga:valid@3";
    QTest::newRow("USB restore, another model")
        << usbModel("RZ870S", 2, 4, 4) + QStringList{"--invalid", "fpga"} << "restore"
        << QStringList{"connect " + usbModel("RZ610R", 4, 5, 10).join(' ') + bootMode} << another << usbRestoreOpen
        << "boot:valid@4 run:valid@5 fpga:invalid@10";
    QTest::newRow("USB restore, another serial")
        << usbModel("RZ610R", 4, 5, 10) + QStringList{"--invalid", "fpga"} << "restore"
        << QStringList{"connect " + usbModel("RZ610R", 4, 5, 10).join(' ') + bootMode + " --serial 222"} << another
        << usbRestoreOpen << "boot:valid@4 run:valid@5 fpga:invalid@10";
    QTest::newRow("USB restore after a bootstrap, another serial")
        << usbModel("RZ610R", 4, 5, 10) + QStringList{"--invalid", "boot"} << "restore"
        << QStringList{"connect " + usbModel("RZ610R", 4, 5, 10).join(' ') + silent + " --serial 222"} << another
        << usbBootstrap << "boot:invalid@4 run:valid@5 fpga:valid@10";
    QTest::newRow("network update, another serial")
        << rz610t(8, 6) << "update" << QStringList{"connect " + rz610t(8, 6).join(' ') + " --serial 778"} << another
        << netListed << "fx3:valid@8 fpga:valid@6";
    QTest::newRow("network restore, another serial")
        << rz610t(9, 7) + QStringList{"--invalid", "fpga"} << "restore"
        << QStringList{"connect " + rz610t(9, 7).join(' ') + bootMode + " --serial 778"} << another
        << netListed << "fx3:valid@9 fpga:invalid@7";
}

// The check in-process, answered by an operator who names the instrument's
// own model and accepts a downgrade, then the write it offered.
void UpdateRestoreTest::writeTheCheckedInstrument()
{
    QFETCH(QStringList, device);
    QFETCH(QString, write);
    QFETCH(QStringList, between);
    QFETCH(QStringList, lines);
    QFETCH(QStringList, calls);
    QFETCH(QString, components);
    SimulatedInstrument instrument;
    instrument.create(device);
    RecordingFrontEnd frontEnd;
    frontEnd.modelAnswer = deviceTypeNamed(device.at(device.indexOf("--model") + 1));
    frontEnd.downgradeAnswer = true;
    CheckVersionsFlow check(frontEnd, frontEnd.record);
    check.run();
    const bool restore = write == "restore";
    QCOMPARE(check.offered(), int(restore ? FrontEnd::RestoreAction : FrontEnd::UpdateAction));
    for (const QString& step : between)
        change(instrument, step);
    instrument.clearTrace();
    if (restore)
        FirmwareWriteFlow::restore(frontEnd, frontEnd.record, check.state());
    else
        FirmwareWriteFlow::update(frontEnd, frontEnd.record, check.state());
    // Paths in the working folder as the table names them.
    QCOMPARE(frontEnd.linesAfter(restore ? restoreHeading : updateHeading)
                 .replaceInStrings(QDir::currentPath() + '/', QString()),
             lines);
    QCOMPARE(frontEnd.offered, int(FrontEnd::NoAction)); // whatever the outcome
    QCOMPARE(instrument.callsLike(calls), calls);
    QCOMPARE(::components(instrument), components);
    if (lines.contains(successLines.first())) {
        // The serial stays in flash; the record kept while writing is cleared.
        QCOMPARE(instrument.state().value("flashSerial").toInt(), check.state().serialNumber);
        const QDir records(instrument.path("state/pending"));
        QVERIFY(records.exists());
        QCOMPARE(records.entryList(QDir::Files), QStringList());
    }
}

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
    DeviceState state;
    state.deviceType = type;
    state.serialNumber = serial;
    state.currentVersion = state.targetVersion = targetVersion(type);
    StopRequest stop;
    UpdateDeviceThread worker(state, stop);
    QSignalSpy emitted(&worker, &FirmwareWriterThread::updateText);
    worker.start();
    QVERIFY(worker.wait(30000));
    QVERIFY(worker.outcome().written());
    QStringList texts;
    for (const QList<QVariant>& line : emitted)
        texts << line.first().value<OperatorText>().english();
    QCOMPARE(texts, lines);
    QCOMPARE(instrument.calledFunctions(), calls);
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
    // {key}: the throw-away key's ID; {demo}: the demo key's, which signs the release as made.
    const QString changed = "Its signature by key {demo} does not hold for its list of images: the list or the "
                            "signature was changed after signing; get the release again.";
    const QStringList untrustedChanged = {untrustedLine, changed};
    QTest::newRow("no list, another model's FPGA image")
        << old << "no list, RZ610S FPGA image" << false << oldFound + QStringList{unsignedLine} << false;
    QTest::newRow("no signature, boot mode") << bootMode << "no signature" << false
                                             << bootModeFound + QStringList{unsignedLine} << false;
    QTest::newRow("no signature, silent") << silent << "no signature" << false
                                          << silentFound + QStringList{unsignedLine} << false;
    QTest::newRow("no signature, newer firmware")
        << usbModel("RZ610R", 4, 5, 11) << "no signature" << false
        << QStringList{"Found RZ610R", "Serial 12345, with firmware 4.5.11", unsignedLine} << false;
    QTest::newRow("signature damaged") << old << "signature damaged" << false << oldFound + untrustedChanged << false;
    QTest::newRow("untrusted key")
        << old << "untrusted key" << false
        << oldFound + QStringList{untrustedLine, "It is signed by key {key}, which this machine does not trust: ask "
                                                 "the administrator whether key {key} is the maker's."}
        << false;
    QTest::newRow("revoked key, its file still there")
        << bootMode << "revoked key" << false
        << bootModeFound + QStringList{untrustedLine, "It is signed by key {key}, which the administrator revoked: "
                                                      "get a release signed by a key in use."}
        << false;
    QTest::newRow("trusted comment edited") << silent << "trusted comment edited" << false
                                            << silentFound + untrustedChanged << false;
    QTest::newRow("list changed after signing") << old << "list changed" << false << oldFound + untrustedChanged
                                                << false;
    QTest::newRow("list changed after the check") << old << "list changed" << true
                                                  << untrustedChanged + refusalLines(getTheRelease) << false;
    QTest::newRow("signature gone after the check") << bootMode << "no signature" << true
                                                    << QStringList{unsignedLine} + refusalLines(getTheRelease) << false;
    // A restore writes every component, so each kind of image is checked by one.
    for (const char* image : {"./firmware/RZ610S-Cypress-Boot-v4.img", "./firmware/RZ610S-Cypress-Run-v8.img",
                              "./firmware/RZ610S-FPGA-v14.rbf"})
        QTest::newRow(qPrintable(QString("corrupted after the check: ") + image))
            << bootMode << QString("corrupt ") + image << true << QStringList{mismatch + image} + refusalLines(getTheRelease) << false;
    QTest::newRow("corrupted after the check: RZ610T FX3")
        << rz610t(9, 7) + QStringList{"--invalid", "fpga"} << "corrupt ./firmware/RZ610T-Cypress-v9.img" << true
        << QStringList{mismatch + "./firmware/RZ610T-Cypress-v9.img"} + refusalLines(getTheRelease) << false;
    QTest::newRow("FPGA image not in the signed list")
        << bootMode << "unlist ./firmware/RZ610S-FPGA-v14.rbf, sign with a second trusted key" << false
        << QStringList{mismatch + "./firmware/RZ610S-FPGA-v14.rbf"} + refusalLines(getTheRelease) << false;
    // The boot image is checked before the bootstrap that would load it.
    QTest::newRow("boot image corrupted, silent")
        << silent << "corrupt ./firmware/RZ610R-Cypress-Boot-v4.img" << false
        << silentFound
               + QStringList{"Looking to bootstrap device.", "[asked] model",
                             mismatch + "./firmware/RZ610R-Cypress-Boot-v4.img", "Failed to detect device.",
                             "Cycle the power on the device, restart the firmware updater,  and try again.",
                             "If you continue to receive this message, contact Pellanor."}
        << false;
    QTest::newRow("signed by a second trusted key")
        << old << "sign with a second trusted key" << false
        << QStringList{"Skipping boot Fx3, already current version.", "Skipping run Fx3, already current version.",
                       "Updating FPGA, estimated 6 minutes."}
               + successLines
        << true;
}

// Whatever the release lacks, the check offers nothing, asks nothing and
// bootstraps nothing, and a write that was offered sends no clear or write.
// A question asked shows among the lines.
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
    const auto idOf = [](const QString& keyFile) {
        return ThrowAwayKey::printedIdOf(keyFile).rightJustified(16, '0').toUpper();
    };
    lines.replaceInStrings("{key}", idOf(key.publicKeyFile()))
        .replaceInStrings("{demo}", idOf(RZ_DEMO_KEY_DIR "/rzsim.pub"));
    RecordingFrontEnd frontEnd;
    frontEnd.modelAnswer = deviceTypeNamed("RZ610R");
    frontEnd.downgradeAnswer = true;
    if (!afterCheck)
        alterRelease(alteration, key, instrument);
    CheckVersionsFlow check(frontEnd, frontEnd.record);
    check.run();
    // The lines of a write end with its verdict; the others are the check's.
    const bool refusedByTheCheck = lines.last() != "You may now close the software.";
    QCOMPARE(check.offered() != FrontEnd::NoAction, !refusedByTheCheck);
    if (refusedByTheCheck) {
        QCOMPARE(frontEnd.linesAfter(checkHeading), lines);
    } else {
        if (afterCheck)
            alterRelease(alteration, key, instrument);
        const bool update = check.offered() == FrontEnd::UpdateAction;
        update ? FirmwareWriteFlow::update(frontEnd, frontEnd.record, check.state())
               : FirmwareWriteFlow::restore(frontEnd, frontEnd.record, check.state());
        QCOMPARE(frontEnd.linesAfter(update ? updateHeading : restoreHeading), lines);
    }
    QCOMPARE(frontEnd.lines.filter("[asked] ").size(), lines.filter("[asked] ").size());
    QCOMPARE(instrument.calledFunctions().filter(QRegularExpression("Clear|Write|Bootstrap")).isEmpty(), !written);
}

// While the FPGA is programmed the front end is given the library's
// percentage; before it, no figure. The clear and the write each count from
// 0 to 100, so the figures are not in order.
void UpdateRestoreTest::fpgaProgressIsShown()
{
    SimulatedInstrument instrument;
    instrument.create(slowUpdate);
    RecordingFrontEnd frontEnd;
    CheckVersionsFlow check(frontEnd, frontEnd.record);
    check.run();
    FirmwareWriteFlow::update(frontEnd, frontEnd.record, check.state());
    QCOMPARE(frontEnd.linesAfter(updateHeading).mid(3), successLines);
    QCOMPARE(frontEnd.percents.value(frontEnd.percents.size() - 1), -1); // no figure once the FPGA is written
    QList<int> figures = frontEnd.percents;
    figures.removeAll(-1);
    QVERIFY(!figures.isEmpty());
    for (int figure : figures)
        QVERIFY2(figure >= 0 && figure <= 100, qPrintable(QString::number(figure)));
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

// The busy bar, then the figures the flow gives; under the bar the elapsed
// time counts up.
void UpdateRestoreTest::busyDialogShowsFpgaProgressAndTheElapsedTime()
{
    SimulatedInstrument instrument;
    instrument.create(slowUpdate);
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

    QVERIFY(!seen.isEmpty());
    QCOMPARE(seen.first(), -1);
    QVERIFY2(*std::max_element(seen.begin(), seen.end()) > 0, qPrintable(QString::number(seen.size())));
    // From 0:00, second by second, through the whole write of about 3 s.
    QCOMPARE(elapsed.mid(0, 3), QList<int>({0, 1, 2}));
    QVERIFY(std::is_sorted(elapsed.begin(), elapsed.end()));
}

void UpdateRestoreTest::interruptedUpdateRecovers_data()
{
    QTest::addColumn<QStringList>("device");
    QTest::addColumn<QString>("call");        // the instrument is unplugged once it returns
    QTest::addColumn<QString>("rewritten");   // a write the record alone asks for, if any
    QTest::addColumn<QString>("atTarget");
    QTest::addColumn<QString>("beside"); // another instrument's record, "MODEL-SERIAL", if any
    for (const QString call : {"rzConfigUSBClearBootSector", "rzConfigUSBClearRunSector", "rzConfigUSBWriteRunSector",
                                "rzConfigUSBClearFPGAProgram", "rzConfigUSBWriteFPGAProgram"})
        QTest::newRow(qPrintable("RZ610R after " + call))
            << usbModel("RZ610R", 3, 4, 9) << call << "" << rz610rAtTarget << "";
    // Its boot already reads as current, yet the record has it rewritten.
    QTest::newRow("RZ610R after rzConfigUSBWriteBootSector")
        << usbModel("RZ610R", 3, 4, 9) << "rzConfigUSBWriteBootSector" << "rzConfigUSBWriteBootSector"
        << rz610rAtTarget << "";
    // Beside a record of another RZ610R, started later, that names only its
    // FPGA: this instrument's own record is followed, and alone removed.
    QTest::newRow("RZ610R after rzConfigUSBWriteBootSector, another RZ610R's record beside")
        << usbModel("RZ610R", 3, 4, 9) << "rzConfigUSBWriteBootSector" << "rzConfigUSBWriteBootSector"
        << rz610rAtTarget << "RZ610R-222";
    for (const QString call : {"rzConfigNetClearFx3", "rzConfigNetClearFPGA", "rzConfigNetWriteFGPA"})
        QTest::newRow(qPrintable("RZ610T after " + call)) << rz610t(8, 6) << call << "" << rz610tAtTarget << "";
    // The RZ610T reports one firmware number, taken from its FX3, and its
    // FPGA version is inferred from it: with the new FX3 and the old FPGA it
    // reads as current. Only the record says the FPGA is still to be written.
    QTest::newRow("RZ610T after rzConfigNetWriteFx3")
        << rz610t(8, 6) << "rzConfigNetWriteFx3" << "rzConfigNetWriteFGPA" << rz610tAtTarget << "";
}

// After an interrupted update: plug the instrument back in and do what the
// updater offers, as an operator who names its model would. Then a power
// cycle, and a check finds it operational and current.
void UpdateRestoreTest::interruptedUpdateRecovers()
{
    QFETCH(QStringList, device);
    QFETCH(QString, call);
    QFETCH(QString, rewritten);
    QFETCH(QString, atTarget);
    QFETCH(QString, beside);
    const QString model = device.at(device.indexOf("--model") + 1);
    const int serial = device.at(device.indexOf("--serial") + 1).toInt();
    SimulatedInstrument instrument;
    instrument.create(device + QStringList{"--unplug-after", call});
    {
        RecordingFrontEnd frontEnd;
        CheckVersionsFlow check(frontEnd, frontEnd.record);
        check.run();
        FirmwareWriteFlow::update(frontEnd, frontEnd.record, check.state());
    }
    QVERIFY(instrument.state().value("unplugged").toBool());
    instrument.clearTrace();
    const QStringList besideFiles = beside.isEmpty() ? QStringList() : QStringList{beside + ".json"};
    if (!beside.isEmpty()) {
        const QJsonObject other{{"model", beside.section('-', 0, 0)}, {"serial", beside.section('-', 1).toInt()},
                                {"components", QJsonArray{"fpga"}}, {"target", "4.5.10"},
                                {"started", QDateTime::currentDateTimeUtc().addSecs(1).toString(Qt::ISODate)}};
        QFile file(instrument.path("state/pending/" + besideFiles.first()));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(QJsonDocument(other).toJson()) > 0);
    }

    instrument.runTool({"plug"});
    RecordingFrontEnd recovery;
    recovery.modelAnswer = deviceTypeNamed(model);
    CheckVersionsFlow check(recovery, recovery.record);
    check.run();
    if (check.offered() == FrontEnd::UpdateAction)
        FirmwareWriteFlow::update(recovery, recovery.record, check.state());
    else if (check.offered() == FrontEnd::RestoreAction)
        FirmwareWriteFlow::restore(recovery, recovery.record, check.state());
    const QStringList& lines = recovery.lines;
    QVERIFY2(lines.contains(successLines.first()) || lines.contains("Firmware does not require update."),
             qPrintable(lines.join('\n')));
    // An instrument that still answers normally is offered the rest of the
    // interrupted update, whatever versions it reports.
    QCOMPARE(lines.contains("The last update of this instrument did not finish."), lines.contains(updateHeading));
    if (!rewritten.isEmpty())
        QCOMPARE(instrument.traceOf(rewritten).size(), 1);
    QCOMPARE(components(instrument), atTarget);
    QCOMPARE(QDir(instrument.path("state/pending")).entryList(QDir::Files), besideFiles);

    instrument.runTool({"unplug"});
    instrument.runTool({"plug"});
    RecordingFrontEnd after;
    CheckVersionsFlow(after, after.record).run();
    const QStringList found = after.linesAfter(checkHeading);
    QCOMPARE(found.value(0), "Found " + model);
    QVERIFY2(found.value(1).startsWith(QString("Serial %1, with firmware ").arg(serial)), qPrintable(found.value(1)));
    QCOMPARE(found.mid(2), QStringList{"Firmware does not require update."});
    QCOMPARE(instrument.state().value("flashSerial").toInt(), serial);
}

void UpdateRestoreTest::plantedRecordIsNeverFollowed_data()
{
    QTest::addColumn<QString>("plant");   // under the record's name, or "pending links elsewhere"
    QTest::addColumn<QString>("problem"); // what the check says of the record, after its path
    QTest::newRow("link") << "link" << " is a symbolic link";
    QTest::newRow("dangling link") << "dangling link" << " is a symbolic link";
    QTest::newRow("pipe") << "pipe" << " is a named pipe";
    QTest::newRow("oversized file") << "oversized file" << " is larger than 64 KiB";
    QTest::newRow("pending/ links elsewhere") << "pending links elsewhere" << QString();
}

// Any member of the group can plant files in the state folder: the check
// says what it found and never waits on it, the update replaces it (every
// component rewritten) or, where the record cannot be written safely, is
// refused before the first erase; nothing outside the folder changes.
void UpdateRestoreTest::plantedRecordIsNeverFollowed()
{
    QFETCH(QString, plant);
    QFETCH(QString, problem);
    SimulatedInstrument instrument;
    instrument.create(usbModel("RZ610R", 4, 5, 9));
    const QString outside = instrument.path("outside");
    QVERIFY(QDir().mkpath(outside) && QDir().mkpath(instrument.path("state/pending")));
    QFile kept(outside + "/kept.json");
    QVERIFY(kept.open(QIODevice::WriteOnly) && kept.write("kept") == 4);
    kept.close();
    const QString record = instrument.path("state/pending/RZ610R-12345.json");
    if (plant == "link") {
        QVERIFY(QFile::link(kept.fileName(), record));
    } else if (plant == "dangling link") {
        QVERIFY(QFile::link(outside + "/made.json", record));
    } else if (plant == "pipe") {
        QVERIFY(::mkfifo(QFile::encodeName(record).constData(), 0660) == 0);
    } else if (plant == "oversized file") {
        QFile file(record);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(64 * 1024 + 1));
    } else {
        QVERIFY(QDir(instrument.path("state/pending")).removeRecursively());
        QVERIFY(QFile::link(outside, instrument.path("state/pending")));
    }
    RecordingFrontEnd frontEnd;
    CheckVersionsFlow check(frontEnd, frontEnd.record);
    check.run();
    QCOMPARE(check.offered(), int(FrontEnd::UpdateAction));
    const QString said = "Cannot read the update record: " + record + problem + "; every component will be rewritten.";
    QCOMPARE(frontEnd.lines.contains(said), !problem.isEmpty());
    FirmwareWriteFlow::update(frontEnd, frontEnd.record, check.state());
    const QStringList written = frontEnd.linesAfter(updateHeading);
    if (problem.isEmpty()) {
        QCOMPARE(written.value(0), "Cannot record the update before writing: " + instrument.path("state/pending")
                                       + " is not a folder");
        QCOMPARE(instrument.calledFunctions().filter("Clear"), QStringList());
    } else {
        QCOMPARE(written.mid(written.size() - 2), successLines);
        QCOMPARE(instrument.traceOf("rzConfigUSBWriteBootSector").size(), 1);
        QVERIFY(!QFileInfo::exists(record) && !QFileInfo(record).isSymLink());
    }
    QCOMPARE(QDir(outside).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"kept.json"});
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("kept"));
}

void UpdateRestoreTest::recordsAreOfferedNeverObeyed_data()
{
    QTest::addColumn<QStringList>("records");   // "MODEL-SERIAL", the first started last
    QTest::addColumn<QStringList>("arguments"); // none: the window's check, answered RZ610R
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("bootImages"); // handed to the bootstraps, in order
    QTest::addColumn<QString>("lastLine");
    const QStringList other = {"RZ870S-999"};
    const QString offered = "Nothing answers. The last update of RZ870S 999 did not finish: if this is that "
                            "instrument, run `rz-firmware-updater restore` to finish it; otherwise "
                            "`rz-firmware-updater restore --model MODEL`.";
    const QString nameIt = "No instrument answers. To bootstrap it, name its model: restore --model "
                           "RZ610R|RZ610S|RZ610T|RZ870S.";
    const QStringList rz610rImage = {"RZ610R-Cypress-Boot-v4.img"};
    QTest::newRow("check") << other << QStringList{"check"} << 3 << QStringList() << offered;
    QTest::newRow("update") << other << QStringList{"update"} << 3 << QStringList() << offered;
    QTest::newRow("restore: the one record, asked for")
        << other << QStringList{"restore"} << 4 << QStringList{"RZ870S-Cypress-Boot-v2.img"} << nameIt;
    QTest::newRow("restore --model") << other << QStringList{"restore", "--model", "RZ610R"} << 0 << rz610rImage
                                     << "RZ610R 12345 now holds firmware 4.5.10.";
    QTest::newRow("window") << other << QStringList() << 0 << rz610rImage << "Press Restore to continue.";
    QTest::newRow("restore: two records")
        << QStringList{"RZ870S-999", "RZ610R-12345"} << QStringList{"restore"} << 4 << QStringList() << nameIt;
    QTest::newRow("check: two records")
        << QStringList{"RZ870S-999", "RZ610R-12345"} << QStringList{"check"} << 3 << QStringList()
        << "Nothing answers. The updates of RZ870S 999, RZ610R 12345 did not finish: run `rz-firmware-updater "
           "restore --model MODEL` with the connected instrument's model; `rz-firmware-updater pending` lists them.";
}

// An update left unfinished on an instrument that never came back: its
// record names a model, not the silent instrument connected now. Nothing is
// bootstrapped but what the operator named or asked restore to finish, and
// the records are named before anything is asked.
void UpdateRestoreTest::recordsAreOfferedNeverObeyed()
{
    QFETCH(QStringList, records);
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QStringList, bootImages);
    QFETCH(QString, lastLine);
    SimulatedInstrument instrument;
    instrument.create(usbModel("RZ610R", 4, 5, 9) + QStringList{"--invalid", "boot"});
    QVERIFY(QDir().mkpath(instrument.path("state/pending")));
    for (int i = 0; i < records.size(); ++i) {
        const QStringList named = records.at(i).split('-');
        const QJsonObject record{{"model", named.at(0)}, {"serial", named.at(1).toInt()},
                                 {"components", QJsonArray{"fpga"}}, {"target", "4.5.10"},
                                 {"started", QDateTime::currentDateTimeUtc().addSecs(-60 * i).toString(Qt::ISODate)}};
        QFile file(instrument.path("state/pending/" + records.at(i) + ".json"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(QJsonDocument(record).toJson()) > 0);
    }
    QStringList shown;
    if (arguments.isEmpty()) {
        PanelDriver driver;
        driver.answerSelectorWith("RZ610R");
        driver.pressCheckVersions();
        QCOMPARE(driver.selectorsShown(), 1);
        shown = driver.logLines();
    } else {
        UpdaterRun run(arguments);
        QCOMPARE(run.finish(), exitCode);
        shown = run.lines();
    }
    QStringList images;
    for (const QString& call : instrument.traceOf("rzConfigUSBBootstrapDevice"))
        images << QRegularExpression("[^/ ]*-Boot-v[0-9]+\\.img").match(call).captured();
    QCOMPARE(images, bootImages);
    QCOMPARE(shown.value(shown.lastIndexOf(QRegularExpression(".+")), QString()), lastLine);
    for (const QString& record : records) {
        const QStringList named = record.split('-');
        QVERIFY(shown.contains(QString("The last update of %1 serial %2 did not finish.").arg(named.at(0), named.at(1))));
    }
}

QTEST_MAIN(UpdateRestoreTest)
#include "UpdateRestoreTest.moc"
