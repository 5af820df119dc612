#include "tests/support/PanelDriver.h"
#include "tests/support/SimulatedInstrument.h"
#include "tests/support/UpdaterRun.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

#include <csignal>

namespace {

const auto usbModel = &SimulatedInstrument::usbModel;

QStringList writeCalls(const SimulatedInstrument& instrument)
{
    return instrument.calledFunctions().filter(QRegularExpression("Clear|Write|Bootstrap"));
}

QString versionsOf(const SimulatedInstrument& instrument)
{
    const QJsonObject parts = instrument.state().value("components").toObject();
    QStringList text;
    for (const char* name : {"boot", "run", "fx3", "fpga"}) {
        if (parts.contains(name))
            text << QString::number(parts.value(name).toObject().value("version").toInt())
                        + (parts.value(name).toObject().value("valid").toBool() ? "" : "!");
    }
    return text.join('.');
}

} // namespace

class CommandLineTest : public QObject
{
    Q_OBJECT

private slots:
    void exitCodes_data();
    void exitCodes();
    void jsonReportHoldsThePlainRunsLines_data();
    void jsonReportHoldsThePlainRunsLines();
    void stopSignalWaitsForTheWriteToFinish();
    void oneUpdaterAtATime();
    void windowAndCommandLineAgree_data();
    void windowAndCommandLineAgree();
};

void CommandLineTest::exitCodes_data()
{
    QTest::addColumn<QStringList>("device"); // empty: no instrument
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("versionsAfter"); // empty: no write call at all
    QTest::addColumn<QString>("damagedImage");
    const QStringList old = usbModel("RZ610R", 4, 5, 9);
    const QStringList newer = usbModel("RZ610R", 4, 5, 11);
    const QStringList bootMode = usbModel("RZ610S", 4, 8, 14) + QStringList{"--invalid", "fpga"};
    const QStringList silent = usbModel("RZ610R", 4, 5, 10) + QStringList{"--invalid", "boot"};
    QTest::newRow("check, up to date") << usbModel("RZ610R", 4, 5, 10) << QStringList{"check"} << 0 << "" << QString();
    QTest::newRow("check, update available") << old << QStringList{"check"} << 10 << "" << QString();
    QTest::newRow("check, restore needed") << bootMode << QStringList{"check"} << 11 << "" << QString();
    QTest::newRow("check, nothing connected") << QStringList() << QStringList{"check"} << 3 << "" << QString();
    QTest::newRow("check, newer firmware") << newer << QStringList{"check"} << 4 << "" << QString();
    QTest::newRow("update") << old << QStringList{"update"} << 0 << "4.5.10" << QString();
    QTest::newRow("update, newer refused") << newer << QStringList{"update"} << 4 << "" << QString();
    QTest::newRow("update, newer allowed") << newer << QStringList{"update", "--allow-downgrade"} << 0 << "4.5.10" << QString();
    QTest::newRow("update, unknown model") << old + QStringList{"--reported-type", "7"} << QStringList{"update"} << 4
                                           << "" << QString();
    QTest::newRow("update, needs a restore") << bootMode << QStringList{"update"} << 4 << "" << QString();
    QTest::newRow("update, write fails") << old + QStringList{"--fault", "rzConfigUSBWriteFPGAProgram:5"}
                                         << QStringList{"update"} << 1 << "4.5.9!" << QString();
    QTest::newRow("update, corrupt image") << old << QStringList{"update"} << 4 << ""
                                           << "./firmware/RZ610R-FPGA-v10.rbf";
    QTest::newRow("restore") << bootMode << QStringList{"restore"} << 0 << "4.8.14" << QString();
    QTest::newRow("restore, working instrument") << old << QStringList{"restore"} << 4 << "" << QString();
    QTest::newRow("restore, silent, no model") << silent << QStringList{"restore"} << 4 << "" << QString();
    QTest::newRow("restore, silent, model named") << silent << QStringList{"restore", "--model", "RZ610R"} << 0
                                                  << "4.5.10" << QString();
    QTest::newRow("unknown command") << old << QStringList{"frobnicate"} << 2 << "" << QString();
    QTest::newRow("unknown model") << silent << QStringList{"restore", "--model", "RZ999"} << 2 << "" << QString();
    QTest::newRow("no display, no command") << old << QStringList() << 2 << "" << QString();
}

void CommandLineTest::exitCodes()
{
    QFETCH(QStringList, device);
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, versionsAfter);
    QFETCH(QString, damagedImage);
    SimulatedInstrument instrument;
    if (!device.isEmpty())
        instrument.create(device);
    if (!damagedImage.isEmpty())
        QVERIFY(QFile(damagedImage).resize(100));
    UpdaterRun run(arguments, !arguments.isEmpty());
    QCOMPARE(run.finish(), exitCode);
    if (versionsAfter.isEmpty())
        QCOMPARE(writeCalls(instrument), QStringList());
    else
        QCOMPARE(versionsOf(instrument), versionsAfter);
}

void CommandLineTest::jsonReportHoldsThePlainRunsLines_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::newRow("check") << "check" << "4.5.9" << "4.5.9";
    QTest::newRow("update") << "update" << "4.5.9" << "4.5.10";
}

void CommandLineTest::jsonReportHoldsThePlainRunsLines()
{
    QFETCH(QString, command);
    QFETCH(QString, before);
    QFETCH(QString, after);
    SimulatedInstrument instrument;
    instrument.create(usbModel("RZ610R", 4, 5, 9));
    UpdaterRun plain({command});
    const int plainExit = plain.finish();
    instrument.create(usbModel("RZ610R", 4, 5, 9));
    UpdaterRun json({command, "--json"});
    QCOMPARE(json.finish(), plainExit);
    QJsonParseError error;
    const QJsonObject report = QJsonDocument::fromJson(json.output, &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);
    QStringList reported;
    for (const QJsonValue& line : report.value("lines").toArray())
        reported << line.toString();
    QCOMPARE(reported, plain.lines());
    // Standard error is no terminal here: the lines and nothing redrawn.
    QCOMPARE(QString::fromLocal8Bit(json.errors), reported.join('\n') + '\n');
    QCOMPARE(report.value("command").toString(), command);
    QCOMPARE(report.value("exitCode").toInt(), plainExit);
    QCOMPARE(report.value("model").toString(), "RZ610R");
    QCOMPARE(report.value("serial").toInt(), 12345);
    QCOMPARE(report.value("firmwareBefore").toString(), before);
    QCOMPARE(report.value("firmwareAfter").toString(), after);
    QCOMPARE(report.value("target").toString(), "4.5.10");
}

// A stop asked for while the FPGA is written is honoured only after the
// verdict: the instrument is never left half programmed by the updater.
void CommandLineTest::stopSignalWaitsForTheWriteToFinish()
{
    SimulatedInstrument instrument;
    instrument.create(usbModel("RZ610R", 4, 5, 9) + QStringList{"--fpga-write-ms", "1500"});
    UpdaterRun run({"update"});
    QByteArray seen;
    while (!seen.contains("Updating FPGA") && run.process.waitForReadyRead(30000))
        seen += run.process.readAllStandardOutput();
    QVERIFY(seen.contains("Updating FPGA"));
    ::kill(run.process.processId(), SIGTERM);
    ::kill(run.process.processId(), SIGINT);
    QCOMPARE(run.finish(), 130);
    QVERIFY((seen + run.output).contains("Firmware updated successfully."));
    QCOMPARE(run.errors.count("Firmware is being written; stopping now could leave the instrument unusable."), 1);
    QCOMPARE(versionsOf(instrument), "4.5.10");
}

// A second updater beside a running one makes no library call; a lock left
// by a killed one blocks nothing.
void CommandLineTest::oneUpdaterAtATime()
{
    SimulatedInstrument instrument;
    instrument.create(usbModel("RZ610R", 4, 5, 9) + QStringList{"--fpga-write-ms", "3000"});
    UpdaterRun first({"update"});
    // The trace has a call once it returned: the FPGA write is under way.
    QTRY_VERIFY_WITH_TIMEOUT(!instrument.traceOf("rzConfigUSBClearFPGAProgram").isEmpty(), 30000);
    const int callsBefore = instrument.trace().size();
    UpdaterRun second({"check"});
    QCOMPARE(second.finish(), 4);
    QCOMPARE(second.lines(), QStringList{"Another firmware updater is already running."});
    QCOMPARE(instrument.trace().size(), callsBefore);
    first.process.kill();
    first.finish();
    UpdaterRun third({"check"}); // finds the FPGA the killed one had cleared
    QCOMPARE(third.finish(), 11);
}

void CommandLineTest::windowAndCommandLineAgree_data()
{
    QTest::addColumn<QStringList>("device");
    QTest::addColumn<QString>("command");
    QTest::newRow("update") << usbModel("RZ870S", 2, 3, 4) << "update";
    QTest::newRow("restore") << usbModel("RZ610S", 4, 8, 14) + QStringList{"--invalid", "run"} << "restore";
}

void CommandLineTest::windowAndCommandLineAgree()
{
    QFETCH(QStringList, device);
    QFETCH(QString, command);
    SimulatedInstrument instrument;
    instrument.create(device);
    QStringList windowLines;
    {
        PanelDriver driver;
        instrument.clearTrace(); // the banner's version query
        driver.pressCheckVersions();
        command == "update" ? driver.pressUpdate() : driver.pressRestore();
        windowLines = driver.logLines();
        windowLines = windowLines.mid(windowLines.indexOf("Checking Firmware Versions...") - 1);
    }
    const QStringList windowCalls = instrument.calledFunctions();
    instrument.create(device);
    instrument.clearTrace();
    UpdaterRun run({command});
    QCOMPARE(run.finish(), 0);
    QCOMPARE(run.lines(), windowLines);
    QCOMPARE(instrument.calledFunctions(), windowCalls);
}

QTEST_MAIN(CommandLineTest)
#include "CommandLineTest.moc"
