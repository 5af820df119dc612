#include "tests/support/PanelDriver.h"
#include "tests/support/SimulatedInstrument.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

#include <csignal>

namespace {

const auto usbModel = &SimulatedInstrument::usbModel;

// The updater installed, as the package would, into a prefix of the test's
// own: it trusts the keys in PREFIX/share/rz-firmware-updater beside its
// bin/, here the build's demo key, whatever keys the build itself trusts.
class InstalledUpdater
{
public:
    InstalledUpdater()
    {
        QDir(prefix.path()).mkpath("bin");
        QDir(prefix.path()).mkpath("share/rz-firmware-updater/keys");
        if (!QFile::copy(QCoreApplication::applicationDirPath() + "/rz-firmware-updater", program())
            || !QFile::copy(RZ_DEMO_KEY_DIR "/rzsim.pub", keyFile()))
            qFatal("cannot install the updater in %s", qPrintable(prefix.path()));
    }

    QString program() const { return prefix.filePath("bin/rz-firmware-updater"); }
    QString keyFile() const { return prefix.filePath("share/rz-firmware-updater/keys/rzsim-demo.pub"); }
    QString revokedFile() const { return prefix.filePath("share/rz-firmware-updater/revoked-keys"); }

private:
    QTemporaryDir prefix;
};

const InstalledUpdater& installedUpdater()
{
    static const InstalledUpdater installed;
    return installed;
}

// The demo key's ID as the updater reports it, from the key's comment line.
QString demoKeyId()
{
    QFile key(RZ_DEMO_KEY_DIR "/rzsim.pub");
    if (!key.open(QIODevice::ReadOnly))
        qFatal("no demo key");
    return QString::fromLatin1(key.readLine().trimmed()).section(' ', -1).rightJustified(16, '0');
}

// The updater as a script runs it: no display, the simulated instrument
// loaded even when the updater was built against another device library.
class UpdaterRun
{
public:
    explicit UpdaterRun(const QStringList& arguments, bool withDisplayVariables = true)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("DISPLAY");
        environment.remove("WAYLAND_DISPLAY");
        if (!withDisplayVariables)
            environment.remove("QT_QPA_PLATFORM");
        environment.insert("LD_LIBRARY_PATH", RZ_SIMULATOR_DIR);
        process.setProcessEnvironment(environment);
        process.start(installedUpdater().program(), arguments);
    }

    int finish()
    {
        if (!process.waitForFinished(60000))
            qFatal("the updater did not finish");
        output = process.readAllStandardOutput();
        errors = process.readAllStandardError();
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }

    QStringList lines() const
    {
        QStringList lines = QString::fromLocal8Bit(output).split('\n');
        lines.removeLast(); // after the last newline
        return lines;
    }

    QProcess process;
    QByteArray output;
    QByteArray errors;
};

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
    void trustsTheKeysOfItsOwnPrefix_data();
    void trustsTheKeysOfItsOwnPrefix();
    void windowAndCommandLineAgree_data();
    void windowAndCommandLineAgree();
};

void CommandLineTest::exitCodes_data()
{
    QTest::addColumn<QStringList>("device"); // empty: no instrument
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("versionsAfter"); // empty: no write call at all
    QTest::addColumn<QString>("damagedFile");
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
    QTest::newRow("update, signature cut short") << old << QStringList{"update"} << 4 << ""
                                                 << "./firmware/SHA256SUMS.minisig";
    QTest::newRow("check, list cut short") << old << QStringList{"check"} << 4 << "" << "./firmware/SHA256SUMS";
    QTest::newRow("restore, silent, list cut short") << silent << QStringList{"restore", "--model", "RZ610R"} << 4
                                                     << "" << "./firmware/SHA256SUMS";
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
    QFETCH(QString, damagedFile);
    SimulatedInstrument instrument;
    if (!device.isEmpty())
        instrument.create(device);
    if (!damagedFile.isEmpty())
        QVERIFY(QFile(damagedFile).resize(100));
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
    QTest::addColumn<bool>("signedRelease");
    QTest::newRow("check") << "check" << "4.5.9" << "4.5.9" << true;
    QTest::newRow("update") << "update" << "4.5.9" << "4.5.10" << true;
    QTest::newRow("update, not signed") << "update" << "4.5.9" << "4.5.9" << false;
}

void CommandLineTest::jsonReportHoldsThePlainRunsLines()
{
    QFETCH(QString, command);
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(bool, signedRelease);
    SimulatedInstrument instrument;
    instrument.create(usbModel("RZ610R", 4, 5, 9));
    if (!signedRelease)
        QVERIFY(QFile::remove("./firmware/SHA256SUMS.minisig"));
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
    const QJsonValue release = signedRelease ? QJsonValue(QJsonObject{
                                                   {"key", demoKeyId()},
                                                   {"comment", "RZ610/RZ870 simulated firmware, signed by rzsim"}})
                                             : QJsonValue();
    QCOMPARE(report.value("release"), release);
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

void CommandLineTest::trustsTheKeysOfItsOwnPrefix_data()
{
    QTest::addColumn<bool>("keyThere");
    QTest::addColumn<QByteArray>("revoked"); // PREFIX/share/rz-firmware-updater/revoked-keys, "{id}" the demo key's
    QTest::addColumn<int>("exitCode");
    QTest::newRow("its key there") << true << QByteArray() << 10;
    QTest::newRow("its key gone") << false << QByteArray() << 4;
    QTest::newRow("its key revoked") << true << QByteArray("0{id}  # leaked\n") << 4;
    QTest::newRow("another key revoked") << true << QByteArray("# leaked\nfeed\n") << 10;
}

void CommandLineTest::trustsTheKeysOfItsOwnPrefix()
{
    QFETCH(bool, keyThere);
    QFETCH(QByteArray, revoked);
    QFETCH(int, exitCode);
    SimulatedInstrument instrument;
    instrument.create(usbModel("RZ610R", 4, 5, 9));
    const InstalledUpdater& installed = installedUpdater();
    const QString keyAside = instrument.path("rzsim-demo.pub");
    if (!keyThere)
        QVERIFY(QFile::rename(installed.keyFile(), keyAside));
    QFile revokedFile(installed.revokedFile());
    if (!revoked.isEmpty()) {
        QVERIFY(revokedFile.open(QIODevice::WriteOnly));
        revokedFile.write(revoked.replace("{id}", demoKeyId().toLower().toLatin1()));
        revokedFile.close();
    }
    UpdaterRun run({"check"});
    const int exited = run.finish();
    revokedFile.remove();
    if (!keyThere)
        QVERIFY(QFile::rename(keyAside, installed.keyFile()));
    QCOMPARE(exited, exitCode);
    QCOMPARE(run.lines().last(), exitCode == 4 ? "The firmware in ./firmware is not signed by a trusted key; nothing "
                                                 "will be written."
                                               : "Press Update to continue.");
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
