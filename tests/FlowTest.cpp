#include "families/DeviceFamily.h"
#include "catalogue/Catalogue.h"
#include "catalogue/ChecksumList.h"
#include "tests/support/RecordingFrontEnd.h"
#include "tests/support/Samples.h"
#include "tests/support/SimulatedInstrument.h"
#include "workflows/flows/FirmwareWriteFlow.h"
#include "workflows/flows/UpdaterSession.h"

#include <QRegularExpression>
#include <QtTest>

#include <cstdio>
#include <functional>

namespace {

QStringList familyCalls;
// Called by each write of the family, with the image it was handed.
std::function<void(const char* image)> onWrite;

void record(const QString& call)
{
    familyCalls << call;
}

// Another file of the same size under each copy's name, in the working
// folder (the private one while the library works).
void swapCopies()
{
    const QDir copies("firmware");
    for (const QString& name : copies.entryList(QDir::Files)) {
        QFile other(copies.filePath(name + ".other"));
        QVERIFY(other.open(QIODevice::WriteOnly)
                && other.write(QByteArray(QFileInfo(copies.filePath(name)).size(), 'x')) > 0);
        other.close();
        QVERIFY(::rename(QFile::encodeName(other.fileName()).constData(),
                         QFile::encodeName(copies.filePath(name)).constData())
                == 0);
    }
}

// A USB family in-process: an RZ610R with serial 12345 and older boot and
// FPGA firmware answers the check; each call is recorded, and the opening
// and one named call answer as a row of the test says.
DeviceFamily fakeFamily(DeviceFamily::Opened opening, const QString& failing)
{
    std::vector<ComponentCalls> components;
    for (const QString component : {"boot", "run", "fpga"}) {
        if (failing == "no calls for " + component)
            continue;
        ComponentCalls calls;
        calls.component = component;
        calls.label = OperatorText::verbatim(component);
        calls.updateEstimate = ComponentCalls::Seconds(1);
        calls.clear = [component, failing](int, double*) {
            record("clear " + component);
            // A cleaner of the temporary folder, while the library works in it.
            if (failing == "vanish at clear " + component)
                QDir(QDir::currentPath()).removeRecursively();
            else if (failing == "swap at clear " + component)
                swapCopies();
            return failing == "clear " + component ? 5 : 0;
        };
        calls.write = [component, failing](int, const char* image, int serial, double*) {
            record(QStringLiteral("write %1 %2 %3").arg(component, QString::fromLatin1(image)).arg(serial));
            if (onWrite)
                onWrite(image);
            return failing == "write " + component ? 5 : 0;
        };
        calls.updatePassesSerial = component != "run";
        components.push_back(calls);
    }
    DeviceFamily::Calls calls;
    calls.openForUpdate = [opening, failing](OpenedInstrument& instrument, DeviceFamily::Identity checked,
                                             OperatorText* line) {
        record(QStringLiteral("open %1 %2").arg(checked.serial).arg(checked.type));
        if (failing == "vanish at open")
            QDir(QDir::currentPath()).removeRecursively();
        *instrument.handleOut() = 7;
        *line = OperatorText::verbatim(QStringLiteral("Cannot Find Device"));
        return opening;
    };
    calls.finishUpdate = [](OpenedInstrument& instrument) {
        record(QStringLiteral("finish %1").arg(instrument.handle()));
        return 0;
    };
    const DeviceFamily::Probe answers{[](DeviceState& found, const DeviceFamily::LineSink&) {
                                          found = sampleInstrument(0, FirmwareVersion{0, 3, 5, 9});
                                          return true;
                                      },
                                      {}};
    return DeviceFamily(calls, components, Connection::Usb, {answers});
}

const QStringList failureLines = {"[red] Firmware updated unsuccessfully.",
                                  "Check device connections and re-run the software.",
                                  "If problem persists, contact Pellanor.", "You may now close the software."};

// A refusal touched nothing: its advice is about its cause, not the cable.
QStringList refusalLines(const QString& advice)
{
    return {"[red] Firmware updated unsuccessfully.", "Nothing on the instrument was changed. " + advice,
            "You may now close the software."};
}

} // namespace

class FlowTest : public QObject
{
    Q_OBJECT

private slots:
    void updateThroughTheFamily_data();
    void updateThroughTheFamily();
    void theVerifiedBytesAreWritten();
    void aComponentWithoutCallsRefusesTheStart();
};

void FlowTest::updateThroughTheFamily_data()
{
    QTest::addColumn<int>("opening");
    QTest::addColumn<QString>("failing");
    QTest::addColumn<QStringList>("lines"); // after the heading
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<int>("exitCode");
    const QString boot = "write boot ./firmware/RZ610R-Cypress-Boot-v4.img 12345";
    const QString run = "write run ./firmware/RZ610R-Cypress-Run-v5.img -1";
    const QString fpga = "write fpga ./firmware/RZ610R-FPGA-v10.rbf 12345";
    QTest::newRow("written; run skipped, its write without serial")
        << int(DeviceFamily::Opened::Yes) << QString()
        << QStringList{"Updating boot, estimated 1 second.", "Skipping run, already current version.",
                       "Updating fpga, estimated 1 second.", "[green] Firmware updated successfully.",
                       "You may now close the software."}
        << QStringList{"open 12345 0", "clear boot", boot, "clear fpga", fpga, "finish 7"} << 0;
    QTest::newRow("another instrument")
        << int(DeviceFamily::Opened::NotChecked) << QString()
        << QStringList{"The connected instrument is not the one checked; nothing was written."}
               + refusalLines("Connect only the instrument to update, then start again.")
        << QStringList{"open 12345 0"} << 4;
    QTest::newRow("not found") << int(DeviceFamily::Opened::Failed) << QString()
                               << QStringList{"Cannot Find Device"} + failureLines << QStringList{"open 12345 0"}
                               << 1;
    QTest::newRow("a failed clear stops the rest")
        << int(DeviceFamily::Opened::Yes) << "clear boot"
        << QStringList{"Updating boot, estimated 1 second.", "Failed Clearing"} + failureLines << QStringList{"open 12345 0", "clear boot"}
        << 1;
    const QString unusable = "The verified copy of the firmware cannot be used (%1); "
                             "the device library was not called.";
    QTest::newRow("private copies gone before the first erase")
        << int(DeviceFamily::Opened::Yes) << "vanish at open"
        << QStringList{unusable.arg("PRIVATE is gone")}
               + refusalLines("Once what the line above names is put right, start the update again.")
        << QStringList{"open 12345 0"} << 4;
    const QStringList fpgaCleared = {"Updating boot, estimated 1 second.", "Skipping run, already current version.",
                                     "Updating fpga, estimated 1 second."};
    QTest::newRow("private copies gone after an erase")
        << int(DeviceFamily::Opened::Yes) << "vanish at clear fpga"
        << fpgaCleared + QStringList{unusable.arg("PRIVATE/firmware/RZ610R-FPGA-v10.rbf is gone")} + failureLines
        << QStringList{"open 12345 0", "clear boot", boot, "clear fpga"} << 1;
    QTest::newRow("private copies replaced after an erase")
        << int(DeviceFamily::Opened::Yes) << "swap at clear fpga"
        << fpgaCleared + QStringList{unusable.arg("PRIVATE/firmware/RZ610R-FPGA-v10.rbf was changed")} + failureLines
        << QStringList{"open 12345 0", "clear boot", boot, "clear fpga"} << 1;
}

// The session checks, then the worker builds its steps from the catalogue's
// components through the family: the catalogue's order and images, the
// family's calls and lines.
void FlowTest::updateThroughTheFamily()
{
    QFETCH(int, opening);
    QFETCH(QString, failing);
    QFETCH(QStringList, lines);
    QFETCH(QStringList, calls);
    QFETCH(int, exitCode);
    SimulatedInstrument release; // this release's images, and a state folder of the test's own
    const DeviceFamily family = fakeFamily(DeviceFamily::Opened(opening), failing);
    familyCalls.clear();
    RecordingFrontEnd frontEnd;
    UpdaterSession session(frontEnd);
    const int ended = [&] {
        const DeviceFamily::Replacement replaced(Connection::Usb, family);
        return session.run(UpdaterSession::Command::Update);
    }();
    // The private folder's name is the process's own.
    const QStringList shown = frontEnd.linesAfter("Updating Firmware")
                                  .replaceInStrings(QRegularExpression("/[^ ]*/rz-firmware-updater-\\d+-\\w{6}"), "PRIVATE");
    QCOMPARE(shown, lines);
    QCOMPARE(familyCalls, calls);
    QCOMPARE(ended, exitCode);
}

// Whoever can write the release folder replaces each image after it was
// verified, just before the library reads it by its name: the library still
// reads the bytes that were verified.
void FlowTest::theVerifiedBytesAreWritten()
{
    SimulatedInstrument release;
    const DeviceFamily family = fakeFamily(DeviceFamily::Opened::Yes, QString());
    const QString workingFolder = QDir::currentPath();
    ChecksumList listed;
    QVERIFY(listed.load(release.path("firmware")));
    QStringList read;
    onWrite = [&](const char* image) {
        const QString name = QFileInfo(QString::fromLatin1(image)).fileName();
        QFile planted(release.path("planted"));
        QVERIFY(planted.open(QIODevice::WriteOnly) && planted.write("not the maker's") > 0);
        planted.close();
        QVERIFY(::rename(QFile::encodeName(planted.fileName()).constData(),
                         QFile::encodeName(release.path("firmware/" + name)).constData())
                == 0);
        read << (ChecksumList::sha256Of(QString::fromLatin1(image)) == listed.digestOf(name) ? "verified " : "other ")
                    + name;
    };
    const DeviceFamily::Replacement replaced(Connection::Usb, family);
    const DeviceState state = sampleInstrument(0, FirmwareVersion{0, 3, 4, 9});
    RecordingFrontEnd frontEnd;
    const FlowOutcome ended = FirmwareWriteFlow::update(frontEnd, frontEnd.record, state);
    onWrite = nullptr;
    QCOMPARE(int(ended), int(FlowOutcome::Done));
    QCOMPARE(read, QStringList({"verified RZ610R-Cypress-Boot-v4.img", "verified RZ610R-Cypress-Run-v5.img",
                                "verified RZ610R-FPGA-v10.rbf"}));
    QCOMPARE(QDir::currentPath(), workingFolder);
}

// A catalogue component its family has no calls for refuses the start: an
// update would pass it over and report success.
void FlowTest::aComponentWithoutCallsRefusesTheStart()
{
    const DeviceFamily family = fakeFamily(DeviceFamily::Opened::Yes, "no calls for run");
    const QString refusal = [&] {
        const DeviceFamily::Replacement replaced(Connection::Usb, family);
        return UpdaterSession::environmentProblem().english();
    }();
    QCOMPARE(refusal, "This build cannot update the RZ610R: no calls of the device library write its run image.");
}

QTEST_MAIN(FlowTest)
#include "FlowTest.moc"
