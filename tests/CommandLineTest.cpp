#include "tests/support/PanelDriver.h"
#include "tests/support/InstalledUpdater.h"
#include "tests/support/SimulatedInstrument.h"
#include "tests/support/ThrowAwayKey.h"
#include "tests/support/UpdaterRun.h"
#include "cli/CommandLine.h"
#include "host/UpdaterLock.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QtTest>

#include <csignal>
#include <functional>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const auto usbModel = &SimulatedInstrument::usbModel;
const auto rz610t = &SimulatedInstrument::rz610t;

// The demo key's ID as the updater reports it: all 16 digits.
QString demoKeyId()
{
    return ThrowAwayKey::printedIdOf(RZ_DEMO_KEY_DIR "/rzsim.pub").rightJustified(16, '0');
}


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
    void eventsFollowTheRun_data();
    void eventsFollowTheRun();
    void writesOutlastStopsAndLostOutput_data();
    void writesOutlastStopsAndLostOutput();
    void stopsWaitForTheWriteOrItsBudget_data();
    void stopsWaitForTheWriteOrItsBudget();
    void stopNoticePromisesWhatFollows_data();
    void stopNoticePromisesWhatFollows();
    void environmentIsChecked_data();
    void environmentIsChecked();
    void oneUpdaterPerMachine();
    void outsidersAreToldToJoinTheGroup_data();
    void outsidersAreToldToJoinTheGroup();
    void plantedFilesAreNeitherFollowedNorWaitedOn_data();
    void plantedFilesAreNeitherFollowedNorWaitedOn();
    void windowPutsOffAStopUntilTheVerdict();
    void windowEndsAfterAStuckCall();
    void unfinishedUpdateIsFinished_data();
    void unfinishedUpdateIsFinished();
    void trustsTheKeysOfItsOwnPrefix_data();
    void trustsTheKeysOfItsOwnPrefix();
    void windowAndCommandLineAgree_data();
    void windowAndCommandLineAgree();
    void speaksTheOperatorsLanguage_data();
    void speaksTheOperatorsLanguage();
    void pendingListsAndDiscards_data();
    void pendingListsAndDiscards();
    void exitCodesAreListedAlikeEverywhere();
    void quotedCommandLinesAreAccepted();
    void releaseSaysWhatItCarriesWithoutTheLibrary_data();
    void releaseSaysWhatItCarriesWithoutTheLibrary();
    void quietPrintsTheVerdictAlone_data();
    void quietPrintsTheVerdictAlone();
    void bashCompletesCommandsOptionsModelsAndFolders_data();
    void bashCompletesCommandsOptionsModelsAndFolders();
};

void CommandLineTest::exitCodes_data()
{
    QTest::addColumn<QStringList>("device"); // empty: no instrument
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("versionsAfter"); // empty: no write call at all
    // Empty: ./firmware as made; a file of it: that file cut short; "none":
    // no ./firmware; "installed": ./firmware moved to the installed release;
    // "elsewhere": ./firmware moved to releases/4.5.10.
    QTest::addColumn<QString>("release");
    // Printed, or given as the reason on standard error; empty: none
    // checked. {here} is ./firmware's absolute path, {installed} the
    // installed release's. A "Run `...` to continue." line is the only one
    // of its kind the run prints.
    QTest::addColumn<QString>("line");
    const QStringList old = usbModel("RZ610R", 4, 5, 9);
    const QStringList newer = usbModel("RZ610R", 4, 5, 11);
    const QStringList bootMode = usbModel("RZ610S", 4, 8, 14) + QStringList{"--invalid", "fpga"};
    const QStringList silent = usbModel("RZ610R", 4, 5, 10) + QStringList{"--invalid", "boot"};
    const QString asMade, unchecked;
    const QString declined = "%1 holds newer firmware than this release; to write this release anyway, "
                             "run `rz-firmware-updater update --allow-downgrade`.";
    QTest::newRow("check, up to date") << usbModel("RZ610R", 4, 5, 10) << QStringList{"check"} << 0 << "" << asMade
                                       << unchecked;
    QTest::newRow("check, update available") << old << QStringList{"check"} << 10 << "" << asMade
                                             << "Run `rz-firmware-updater update` to continue.";
    QTest::newRow("check, restore needed") << bootMode << QStringList{"check"} << 11 << "" << asMade
                                           << "Run `rz-firmware-updater restore` to continue.";
    QTest::newRow("check, nothing connected") << QStringList() << QStringList{"check"} << 3 << "" << asMade
                                              << unchecked;
    QTest::newRow("check, newer firmware") << newer << QStringList{"check"} << 4 << "" << asMade
                                           << declined.arg("RZ610R 12345");
    QTest::newRow("check, newer allowed") << newer << QStringList{"check", "--allow-downgrade"} << 10 << "" << asMade
                                          << "Run `rz-firmware-updater update --allow-downgrade` to continue.";
    QTest::newRow("update") << old << QStringList{"update"} << 0 << "4.5.10" << asMade
                            << "Firmware updated successfully.";
    QTest::newRow("update, newer refused") << newer << QStringList{"update"} << 4 << "" << asMade
                                           << declined.arg("RZ610R 12345");
    QTest::newRow("update, newer allowed") << newer << QStringList{"update", "--allow-downgrade"} << 0 << "4.5.10"
                                           << asMade << unchecked;
    QTest::newRow("update, unknown model") << old + QStringList{"--reported-type", "7"} << QStringList{"update"} << 4
                                           << "" << asMade << unchecked;
    QTest::newRow("update, needs a restore") << bootMode << QStringList{"update"} << 4 << "" << asMade << unchecked;
    QTest::newRow("update, write fails") << old + QStringList{"--fault", "rzConfigUSBWriteFPGAProgram:5"}
                                         << QStringList{"update"} << 1 << "4.5.9!" << asMade << unchecked;
    QTest::newRow("update, corrupt image") << old << QStringList{"update"} << 4 << ""
                                           << "./firmware/RZ610R-FPGA-v10.rbf" << unchecked;
    QTest::newRow("update, RZ610T firmware query fails")
        << rz610t(8, 6) + QStringList{"--fault", "rzConfigNetGetFirmwareVersion:3"} << QStringList{"update"} << 3 << ""
        << asMade << unchecked;
    QTest::newRow("update, RZ610T FPGA query fails")
        << rz610t(8, 6) + QStringList{"--fault", "rzConfigNetGetFPGAStatus:3"} << QStringList{"update"} << 3 << ""
        << asMade << unchecked;
    QTest::newRow("update, RZ610T firmware number 0") << rz610t(0, 6) << QStringList{"update"} << 3 << "" << asMade
                                                      << unchecked;
    QTest::newRow("update, RZ610T newer firmware refused") << rz610t(10, 8) << QStringList{"update"} << 4 << ""
                                                           << asMade << declined.arg("RZ610T 777");
    QTest::newRow("update, RZ610T newer firmware allowed")
        << rz610t(10, 8) << QStringList{"update", "--allow-downgrade"} << 0 << "9.7" << asMade << unchecked;
    QTest::newRow("update, signature cut short") << old << QStringList{"update"} << 4 << ""
                                                 << "./firmware/SHA256SUMS.minisig" << unchecked;
    QTest::newRow("check, list cut short") << old << QStringList{"check"} << 4 << "" << "./firmware/SHA256SUMS"
                                           << unchecked;
    QTest::newRow("update, no release anywhere")
        << old << QStringList{"update"} << 4 << "" << "none"
        << "No firmware found in {here} or in {installed}; nothing will be written.";
    QTest::newRow("update, only the installed release")
        << old << QStringList{"update"} << 0 << "4.5.10" << "installed"
        << "Using the firmware installed with the updater: {installed}";
    QTest::newRow("update, the release named by a relative path")
        << old << QStringList{"update", "--firmware", "releases/4.5.10"} << 0 << "4.5.10" << "elsewhere" << unchecked;
    QTest::newRow("update, the named release is not there, ./firmware is")
        << old << QStringList{"update", "--firmware", "firmware/4.5.10"} << 4 << "" << asMade
        << "No firmware found in {here}/4.5.10; nothing will be written.";
    QTest::newRow("restore, silent, list cut short") << silent << QStringList{"restore", "--model", "RZ610R"} << 4
                                                     << "" << "./firmware/SHA256SUMS" << unchecked;
    QTest::newRow("restore") << bootMode << QStringList{"restore"} << 0 << "4.8.14" << asMade << unchecked;
    QTest::newRow("restore, working instrument") << old << QStringList{"restore"} << 4 << "" << asMade << unchecked;
    QTest::newRow("restore, silent, no model") << silent << QStringList{"restore"} << 4 << "" << asMade << unchecked;
    QTest::newRow("restore, silent, model named") << silent << QStringList{"restore", "--model", "RZ610R"} << 0
                                                  << "4.5.10" << asMade << unchecked;
    QTest::newRow("unknown command") << old << QStringList{"frobnicate"} << 2 << "" << asMade << unchecked;
    QTest::newRow("unknown model") << silent << QStringList{"restore", "--model", "RZ999"} << 2 << "" << asMade
                                   << unchecked;
    QTest::newRow("serial number below 1") << old << QStringList{"history", "--serial", "-5"} << 2 << "" << asMade
                                           << unchecked;
    QTest::newRow("no display, no command") << old << QStringList() << 2 << "" << asMade << unchecked;
    QTest::newRow("events and json") << old << QStringList{"update", "--events", "--json"} << 2 << "" << asMade
                                     << "--events and --json do not go together: the events end with the report "
                                        "--json prints.";
    QTest::newRow("events of history") << old << QStringList{"history", "--events"} << 2 << "" << asMade
                                       << "--events goes with check, update and restore only.";
}

// A terminal has no buttons to press and no software to close: the only
// advice it gives is the command that writes what a check offered.
void CommandLineTest::exitCodes()
{
    QFETCH(QStringList, device);
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, versionsAfter);
    QFETCH(QString, release);
    QFETCH(QString, line);
    SimulatedInstrument instrument;
    if (!device.isEmpty())
        instrument.create(device);
    const QString installed = InstalledUpdater::get().releaseFolder();
    // Nothing installed is left for the next row, whatever this one found.
    const auto uninstall = qScopeGuard([&] { QDir(installed).removeRecursively(); });
    if (release == "none")
        QVERIFY(QDir("firmware").removeRecursively());
    else if (release == "installed")
        QVERIFY(QDir().rename("firmware", installed));
    else if (release == "elsewhere")
        QVERIFY(QDir().mkdir("releases") && QDir().rename("firmware", "releases/4.5.10"));
    else if (!release.isEmpty())
        QVERIFY(QFile(release).resize(100));
    UpdaterRun run(arguments, !arguments.isEmpty());
    QCOMPARE(run.finish(), exitCode);
    if (versionsAfter.isEmpty())
        QCOMPARE(writeCalls(instrument), QStringList());
    else
        QCOMPARE(versionsOf(instrument), versionsAfter);
    line.replace("{here}", instrument.path("firmware")).replace("{installed}", installed);
    const QStringList shown = run.lines() + QString::fromLocal8Bit(run.errors).split('\n').replaceInStrings(
                                                QRegularExpression("^rz-firmware-updater: "), QString());
    QVERIFY2(line.isEmpty() || shown.contains(line), qPrintable(shown.join('\n')));
    const QStringList advice = shown.filter(QRegularExpression("^(Press |Run `|You may now close the software)"));
    QCOMPARE(advice, line.startsWith("Run `") ? QStringList{line} : QStringList());
}

void CommandLineTest::jsonReportHoldsThePlainRunsLines_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::addColumn<bool>("written");
    QTest::addColumn<bool>("signedRelease");
    QTest::addColumn<QString>("fault"); // rzsim's options for it
    QTest::addColumn<QString>("reason"); // also on standard error; empty: none
    QTest::addColumn<QString>("scale");  // RZ_STALL_SCALE; empty: unset
    QTest::newRow("check") << "check" << "4.5.9" << "4.5.9" << false << true << QString() << QString() << QString();
    QTest::newRow("update") << "update" << "4.5.9" << "4.5.10" << true << true << QString() << QString() << QString();
    QTest::newRow("update, not signed") << "update" << "4.5.9" << "4.5.9" << false << false << QString()
                                        << "Cannot write RZ610R 12345: The firmware in ./firmware is not signed; "
                                           "nothing will be written."
                                        << QString();
    QTest::newRow("update, FPGA write fails") << "update" << "4.5.9" << QString() << false << true
                                              << "--fault rzConfigUSBWriteFPGAProgram:5"
                                              << "Failed writing FPGA of RZ610R 12345." << QString();
    QTest::newRow("update, FPGA clear fails") << "update" << "4.5.9" << QString() << false << true
                                              << "--fault rzConfigUSBClearFPGAProgram:6"
                                              << "Failed clearing FPGA of RZ610R 12345." << QString();
    // The FPGA write's 18 minutes scaled to 1.08 seconds: the times said are
    // the ones that passed, and the scale is named wherever the run is told.
    QTest::newRow("update, FPGA write stuck, times scaled")
        << "update" << "4.5.9" << QString() << false << true << "--stall rzConfigUSBWriteFPGAProgram"
        << "RZ610R 12345 stopped answering while writing FPGA: no answer for 1 second, the time allowed scaled by "
           "RZ_STALL_SCALE=0.001."
        << "0.001";
}

void CommandLineTest::jsonReportHoldsThePlainRunsLines()
{
    QFETCH(QString, command);
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(bool, written);
    QFETCH(bool, signedRelease);
    QFETCH(QString, fault);
    QFETCH(QString, reason);
    QFETCH(QString, scale);
    const QStringList device = usbModel("RZ610R", 4, 5, 9) + fault.split(' ', Qt::SkipEmptyParts);
    QMap<QString, QString> variables;
    if (!scale.isEmpty())
        variables.insert("RZ_STALL_SCALE", scale);
    SimulatedInstrument instrument;
    instrument.create(device);
    if (!signedRelease)
        QVERIFY(QFile::remove("./firmware/SHA256SUMS.minisig"));
    UpdaterRun plain({command}, true, variables);
    const int plainExit = plain.finish();
    const QByteArray reasonLine = reason.isEmpty() ? QByteArray() : "rz-firmware-updater: " + reason.toUtf8() + '\n';
    QCOMPARE(plain.errors, reasonLine);
    instrument.create(device);
    const QDateTime started = QDateTime::currentDateTimeUtc().addMSecs(-999);
    // A state folder of its own: the plain run's failure left a record there.
    variables.insert("RZ_STATE_DIR", instrument.path("json-state"));
    UpdaterRun json({command, "--json"}, true, variables);
    QCOMPARE(json.finish(), plainExit);
    const QDateTime finished = QDateTime::currentDateTimeUtc();
    QJsonParseError error;
    const QJsonObject report = QJsonDocument::fromJson(json.output, &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);
    QStringList reported;
    for (const QJsonValue& line : report.value("lines").toArray())
        reported << line.toString();
    // How often a call past its estimate says so depends on the machine's speed.
    const QRegularExpression notNotice("^(?!Still working: )");
    QCOMPARE(reported.filter(notNotice), plain.lines().filter(notNotice));
    const QString scaleLine = QString("RZ_STALL_SCALE is %1: every call's estimate and the time it is allowed are %1 "
                                      "times their usual length.").arg(scale);
    QCOMPARE(reported.contains(scaleLine), !scale.isEmpty());
    QCOMPARE(report.value("stallScale").toDouble(), scale.isEmpty() ? 1.0 : scale.toDouble());
    // No time a line says passed is longer than the run.
    const qint64 runSeconds = started.secsTo(finished) + 1;
    const QRegularExpression said("(?:Still working: .*? for|no answer for) (\\d+) (milliseconds?|seconds?|minutes)");
    for (const QString& line : qAsConst(reported)) {
        const QRegularExpressionMatch time = said.match(line);
        if (time.hasMatch()) {
            const qint64 unit = time.captured(2).startsWith("minute") ? 60000 : time.captured(2).startsWith("second") ? 1000 : 1;
            QVERIFY2(time.captured(1).toLongLong() * unit <= runSeconds * 1000, qPrintable(line));
        }
    }
    // Standard error is no terminal here: the lines and nothing redrawn.
    QCOMPARE(json.errors, (reported.join('\n') + '\n').toLocal8Bit() + reasonLine);
    QCOMPARE(report.value("reason"), reason.isEmpty() ? QJsonValue() : QJsonValue(reason));
    const QDateTime reportedStart = QDateTime::fromString(report.value("started").toString(), Qt::ISODate);
    const QDateTime reportedEnd = QDateTime::fromString(report.value("finished").toString(), Qt::ISODate);
    QVERIFY2(report.value("finished").toString().endsWith('Z') && started <= reportedStart
                 && reportedStart <= reportedEnd && reportedEnd <= finished,
             qPrintable(report.value("started").toString() + " " + report.value("finished").toString()));
    QCOMPARE(report.value("erased").toBool(), written || !fault.isEmpty());
    QCOMPARE(report.value("command").toString(), command);
    QCOMPARE(report.value("exitCode").toInt(), plainExit);
    QCOMPARE(report.value("model").toString(), "RZ610R");
    QCOMPARE(report.value("serial").toInt(), 12345);
    QCOMPARE(report.value("firmwareBefore").toString(), before);
    QCOMPARE(report.value("firmwareAfter"), after.isNull() ? QJsonValue() : QJsonValue(after));
    QCOMPARE(report.value("target").toString(), "4.5.10");
    QCOMPARE(report.value("written"), QJsonValue(written));
    // The session log ends with the reported lines, each after its time.
    QFile logFile(report.value("logFile").toString());
    QVERIFY2(logFile.open(QIODevice::ReadOnly), qPrintable(logFile.fileName()));
    QStringList logged = QString::fromUtf8(logFile.readAll()).split('\n');
    logged.removeLast();
    logged = logged.mid(logged.size() - reported.size());
    QCOMPARE(logged.replaceInStrings(QRegularExpression("^\\S+ "), QString()), reported);
    const QJsonObject release{
        {"folder", instrument.path("firmware")},
        {"signature", signedRelease ? "verified" : "unsigned"},
        {"key", signedRelease ? QJsonValue(demoKeyId()) : QJsonValue()},
        {"keyStatus", signedRelease ? QJsonValue("trusted") : QJsonValue()},
        {"comment", signedRelease ? QJsonValue("RZ610/RZ870 simulated firmware, signed by rzsim") : QJsonValue()}};
    QCOMPARE(report.value("release"), QJsonValue(release));
    // The history's row of the write tells the run as the report does.
    UpdaterRun history({"history", "--json"}, true, {{"RZ_STATE_DIR", instrument.path("json-state")}});
    QCOMPARE(history.finish(), 0);
    const QJsonArray rows = QJsonDocument::fromJson(history.output).object().value("attempts").toArray();
    QCOMPARE(rows.size(), report.value("attemptId").isNull() ? 0 : 1);
    for (const QJsonValue& row : rows) {
        QCOMPARE(row["id"], report.value("attemptId"));
        QCOMPARE(row["log"], report.value("logFile"));
        QCOMPARE(row["error"], report.value("reason"));
        QCOMPARE(row["state"].toString(), written ? "succeeded" : plainExit == 5 ? "interrupted" : "failed");
        QCOMPARE(row["libraryVersion"], report.value("libraryVersion"));
        QCOMPARE(row["stallScale"], scale.isEmpty() ? QJsonValue() : QJsonValue(scale.toDouble()));
    }
}

void CommandLineTest::eventsFollowTheRun_data()
{
    QTest::addColumn<QStringList>("device");
    QTest::addColumn<QString>("scale"); // RZ_STALL_SCALE
    QTest::addColumn<int>("stop");      // sent once the first step began; 0: none
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("outcome");
    QTest::addColumn<QStringList>("steps"); // component, estimate and budget: the line's, scaled
    const QStringList fpgaTimes{"--fpga-clear-ms", "1000", "--fpga-write-ms", "1500"};
    const QStringList fpga = usbModel("RZ610R", 4, 5, 9) + fpgaTimes;
    const QStringList fpgaStep{"fpga 3.6 10.8"};
    // The boot's 10 seconds have no figure, and a budget of two minutes: at
    // a tenth, the write outlasts a tick of the clock.
    QTest::newRow("boot and FPGA written")
        << usbModel("RZ610R", 3, 5, 9) + fpgaTimes + QStringList{"--clear-ms", "1200", "--write-ms", "1200"} << "0.1"
        << 0 << 0 << "done" << QStringList{"boot 1 12", "fpga 36 108"};
    QTest::newRow("FPGA write fails") << fpga + QStringList{"--fault", "rzConfigUSBWriteFPGAProgram:5"} << "0.01" << 0
                                      << 1 << "failed" << fpgaStep;
    QTest::newRow("Ctrl-C while the FPGA is written") << fpga << "0.01" << int(SIGINT) << 130 << "done" << fpgaStep;
}

// A station's software reads each object as it comes: one a line, typed and
// timed, the format first and the report last; the lines are the report's,
// each step says its estimate and budget, the FPGA's figures rise, and a
// stop's notice is an object of its own.
void CommandLineTest::eventsFollowTheRun()
{
    QFETCH(QStringList, device);
    QFETCH(QString, scale);
    QFETCH(int, stop);
    QFETCH(int, exitCode);
    QFETCH(QString, outcome);
    QFETCH(QStringList, steps);
    SimulatedInstrument instrument;
    instrument.create(device);
    UpdaterRun run({"update", "--events"}, true, {{"RZ_STALL_SCALE", scale}});
    QList<QJsonObject> events;
    bool stopSent = false;
    const QDeadlineTimer deadline(60000);
    while ((run.process.state() != QProcess::NotRunning || run.process.canReadLine()) && !deadline.hasExpired()) {
        if (!run.process.canReadLine() && !run.process.waitForReadyRead(1000))
            continue;
        while (run.process.canReadLine()) {
            const QByteArray line = run.process.readLine().chopped(1);
            const QJsonDocument parsed = QJsonDocument::fromJson(line);
            QVERIFY2(parsed.isObject(), line.constData());
            events << parsed.object();
            if (stop && !stopSent && events.last().value("type") == "step") {
                ::kill(run.process.processId(), stop);
                stopSent = true;
            }
        }
    }
    QCOMPARE(run.finish(), exitCode);
    QVERIFY2(run.output.isEmpty(), run.output.constData());
    QCOMPARE(events.first().value("type").toString(), "start");
    QCOMPARE(events.first().value("format").toInt(), 1);
    QCOMPARE(events.last().value("type").toString(), "report");
    const QJsonObject report = events.last().value("report").toObject();
    QCOMPARE(report.value("exitCode").toInt(-1), exitCode);
    QCOMPARE(report.value("outcome").toString(), outcome);
    QDateTime previous;
    QStringList lines, failures, started;
    int stops = 0;
    QMap<QString, QStringList> percents; // by step; "null" for none
    double elapsed = -1;
    for (const QJsonObject& event : events) {
        const QDateTime time = QDateTime::fromString(event.value("time").toString(), Qt::ISODateWithMs);
        QVERIFY2(time.isValid() && time >= previous, qPrintable(event.value("time").toString()));
        previous = time;
        const QString type = event.value("type").toString();
        const QString text = event.value("text").toString();
        if (type == "line" && event.value("kind") == "failure")
            failures << text;
        else if (type == "line" || type == "stop")
            lines << text;
        stops += type == "stop";
        if (type == "step") {
            elapsed = -1;
            started << QStringLiteral("%1 %2 %3").arg(event.value("component").toString())
                           .arg(event.value("estimate").toDouble()).arg(event.value("budget").toDouble());
        }
        if (type == "progress" && event.value("component").isString()) {
            QVERIFY(event.value("elapsed").toDouble() >= elapsed);
            elapsed = event.value("elapsed").toDouble();
            const QJsonValue percent = event.value("percent");
            percents[event.value("component").toString()]
                << (percent.isNull() ? QStringLiteral("null") : QString::number(percent.toInt()));
        }
    }
    QCOMPARE(lines, report.value("lines").toVariant().toStringList());
    QCOMPARE(failures, exitCode == 1 ? QStringList{report.value("reason").toString()} : QStringList());
    QCOMPARE(stops, stop ? 1 : 0);
    QCOMPARE(started, steps);
    // The clear's figure rises to 100, then the write's from 0 again; a
    // step without a figure has only its time.
    const QStringList figures = percents.take("fpga");
    int restarts = 0;
    for (int index = 1; index < figures.size(); ++index)
        restarts += figures[index].toInt() < figures[index - 1].toInt();
    QVERIFY2(figures.size() > 1 && figures.last().toInt() > 0 && restarts <= 1, qPrintable(figures.join(' ')));
    for (const QStringList& others : percents)
        QCOMPARE(others.count("null"), others.size());
    QCOMPARE(percents.keys(), steps.size() > 1 ? QStringList{"boot"} : QStringList());
}

void CommandLineTest::writesOutlastStopsAndLostOutput_data()
{
    QTest::addColumn<QList<int>>("stops");
    QTest::addColumn<bool>("readerQuits"); // after the FPGA step's line
    QTest::addColumn<QString>("fault");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("versionsAfter");
    QTest::newRow("SIGTERM and Ctrl-C") << QList<int>{SIGTERM, SIGINT} << false << QString() << 143 << "4.5.10";
    QTest::newRow("Ctrl-Z, SIGTTIN, SIGTTOU: ignored")
        << QList<int>{SIGTSTP, SIGTTIN, SIGTTOU, SIGTSTP} << false << QString() << 0 << "4.5.10";
    QTest::newRow("reader gone") << QList<int>() << true << QString() << 0 << "4.5.10";
    QTest::newRow("reader gone, then Ctrl-C") << QList<int>{SIGINT} << true << QString() << 130 << "4.5.10";
    QTest::newRow("a stop during a write that fails")
        << QList<int>{SIGTERM} << false << "rzConfigUSBWriteFPGAProgram:5" << 1 << "4.5.9!";
}

// A stop asked for while the FPGA is written is honoured only after the
// verdict, and a reader that went away stops the printing, not the write:
// the instrument is never left half programmed by the updater. A second
// stop is sent once the first one's notice is out, as a person would.
void CommandLineTest::writesOutlastStopsAndLostOutput()
{
    QFETCH(QList<int>, stops);
    QFETCH(bool, readerQuits);
    QFETCH(QString, fault);
    QFETCH(int, exitCode);
    QFETCH(QString, versionsAfter);
    SimulatedInstrument instrument;
    QStringList device = usbModel("RZ610R", 4, 5, 9) + QStringList{"--fpga-clear-ms", "1500", "--fpga-write-ms", "1500"};
    if (!fault.isEmpty())
        device += QStringList{"--fault", fault};
    instrument.create(device);
    UpdaterRun run({"update"}, true, {{"RZ_STALL_SCALE", "0.01"}}, readerQuits ? QStringList{"sed", "-u", "/Updating FPGA/q"} : QStringList());
    QByteArray seen;
    if (readerQuits) {
        QVERIFY(run.reader.waitForFinished(30000));
        seen = run.reader.readAllStandardOutput();
    }
    while (!seen.contains("Updating FPGA") && run.process.waitForReadyRead(30000))
        seen += run.process.readAllStandardOutput();
    QVERIFY(seen.contains("Updating FPGA"));
    for (int index = 0; index < stops.size(); ++index) {
        ::kill(run.process.processId(), stops[index]);
        while (index + 1 < stops.size() && !seen.contains("Firmware is being written")
               && run.process.waitForReadyRead(30000))
            seen += run.process.readAllStandardOutput();
    }
    QCOMPARE(run.finish(), exitCode);
    QCOMPARE(versionsOf(instrument), versionsAfter);
    if (!readerQuits) {
        const QByteArray all = seen + run.output;
        const bool paused = stops.contains(SIGTSTP);
        QCOMPARE(all.count("Firmware is being written; stopping now could leave the instrument unusable."), paused ? 0 : 1);
        QCOMPARE(all.count("the updater cannot be paused now. The write goes on."), paused ? 1 : 0);
        QVERIFY(all.contains(exitCode == 1 ? "Firmware updated unsuccessfully." : "Firmware updated successfully."));
    }
}

void CommandLineTest::stopsWaitForTheWriteOrItsBudget_data()
{
    QTest::addColumn<int>("stop");
    QTest::addColumn<QStringList>("device");
    QTest::addColumn<QString>("when"); // a line seen, a call returned, or a stalled call begun
    QTest::addColumn<bool>("stuck");   // else exits 128 + the signal
    QTest::addColumn<QString>("versionsAfter");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("recorded"); // the history's state, and error
    QTest::addColumn<QString>("outcome");  // the JSON report's
    // Scaled by 0.01: the FPGA's clear and write are estimated at 3.6
    // seconds, with a budget of 10.8; an open's budget is 0.6 seconds.
    const QString notice = "Firmware is being written; stopping now could leave the instrument unusable. "
                           "The updater will stop when the write ends, in at most ";
    const QString atMost = notice;
    const QList<QPair<QString, int>> stops{{"SIGINT", SIGINT}, {"SIGTERM", SIGTERM}, {"SIGHUP", SIGHUP}, {"SIGQUIT", SIGQUIT}};
    for (const auto& [name, stop] : stops) {
        const auto row = [&name = name](const char* moment) -> QTestData& {
            return QTest::newRow(qPrintable(name + ", " + moment));
        };
        const QString stopped = "Stopped before anything was erased.";
        const QString stoppedOnRecord = "failed Stopped before anything was erased on RZ610R 12345.";
        row("before the first erase") << stop << QStringList{"--stall", "rzConfigUSBOpenDeviceBySerial"}
                                      << "line Updating Firmware" << false << "4.5.9" << stopped << stoppedOnRecord
                                      << "refused";
        // The open never returns; the stop comes while it is waited on.
        row("while opening") << stop << QStringList{"--stall", "rzConfigUSBOpenDeviceBySerial"}
                             << "stalled rzConfigUSBOpenDeviceBySerial" << false << "4.5.9" << stopped
                             << stoppedOnRecord << "refused";
        row("during a clear") << stop << QStringList{"--fpga-clear-ms", "1500", "--fpga-write-ms", "300"}
                              << "line Updating FPGA" << false << "4.5.10" << notice << "succeeded " << "done";
        row("during a write within its estimate") << stop << QStringList{"--fpga-clear-ms", "100", "--fpga-write-ms", "2000"}
                                                  << "call rzConfigUSBClearFPGAProgram" << false << "4.5.10" << notice
                                                  << "succeeded " << "done";
        // Longer than its budget, but its progress still moves: alive.
        row("past its estimate and alive") << stop << QStringList{"--fpga-clear-ms", "100", "--fpga-write-ms", "12000"}
                                           << "line Still working" << false << "4.5.10" << atMost << "succeeded "
                                           << "done";
        row("stuck") << stop << QStringList{"--stall", "rzConfigUSBWriteFPGAProgram"}
                     << "call rzConfigUSBClearFPGAProgram" << true << "4.5.9!"
                     << "The instrument stopped answering while writing FPGA: no answer for "
                     << "interrupted RZ610R 12345 stopped answering while writing FPGA: no answer for "
                     << "stopped answering";
    }
}

// A stop before the first erase ends the run at once, erasing nothing and
// leaving no record; after it, the stop waits for the last write, or for a
// call's budget, never for less because a call passed its estimate. The
// private copies of the images never outlive the run. A script reads the
// same end in the JSON report as in the exit code, the lines and the log.
void CommandLineTest::stopsWaitForTheWriteOrItsBudget()
{
    QFETCH(int, stop);
    QFETCH(QStringList, device);
    QFETCH(QString, when);
    QFETCH(bool, stuck);
    QFETCH(QString, versionsAfter);
    QFETCH(QString, line);
    QFETCH(QString, recorded);
    QFETCH(QString, outcome);
    SimulatedInstrument instrument;
    instrument.create(usbModel("RZ610R", 4, 5, 9) + device);
    const QString temporary = instrument.path("tmp");
    // Left by a run whose process is gone (no process has that id).
    QVERIFY(QDir().mkpath(temporary + "/rz-firmware-updater-999999999-a1B2c3/firmware"));
    // A stalled open is given its whole budget, a minute: a stop sent before
    // it or while it is waited on surely comes before that ends.
    const QString scale = device.contains("rzConfigUSBOpenDeviceBySerial") ? "1" : "0.01";
    UpdaterRun run({"update", "--json"}, true, {{"RZ_STALL_SCALE", scale}, {"TMPDIR", temporary}});
    run.process.setReadChannel(QProcess::StandardError); // the lines; the report is on standard output
    QByteArray seen;
    if (when.startsWith("line ")) {
        while (!seen.contains(when.mid(5).toUtf8()) && run.process.waitForReadyRead(30000))
            seen += run.process.readAllStandardError();
        QVERIFY(seen.contains(when.mid(5).toUtf8()));
    } else if (when.startsWith("stalled ")) {
        QTRY_COMPARE_WITH_TIMEOUT(instrument.state().value("stall")["calls"].toInt(), 1, 30000);
    } else {
        QTRY_VERIFY_WITH_TIMEOUT(!instrument.traceOf(when.mid(5)).isEmpty(), 30000);
    }
    ::kill(run.process.processId(), stop);
    const int exitCode = run.finish();
    QCOMPARE(exitCode, stuck ? 5 : 128 + stop);
    const QStringList lines = QString::fromUtf8(seen + run.errors).split('\n');
    QCOMPARE(lines.filter(line).size(), 1);
    QCOMPARE(versionsOf(instrument), versionsAfter);
    QCOMPARE(writeCalls(instrument).isEmpty(), versionsAfter == "4.5.9");
    QCOMPARE(QDir(instrument.path("state/pending")).entryList(QDir::Files).size(), stuck ? 1 : 0);
    QCOMPARE(QDir(temporary).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    const QJsonObject report = QJsonDocument::fromJson(run.output).object();
    QCOMPARE(report.value("exitCode").toInt(-1), exitCode);
    QCOMPARE(report.value("outcome").toString(), outcome);
    QCOMPARE(report.value("erased").toBool(), versionsAfter != "4.5.9");
    const QString logged = QString::fromUtf8(readFile(report.value("logFile").toString()));
    QCOMPARE(logged.split('\n').filter(line).size(), 1);
    UpdaterRun history({"history", "--json"});
    QCOMPARE(history.finish(), 0);
    const QJsonObject newest = QJsonDocument::fromJson(history.output).object().value("attempts")[0].toObject();
    QVERIFY2((newest.value("state").toString() + ' ' + newest.value("error").toString()).startsWith(recorded),
             qPrintable(newest.value("state").toString() + ' ' + newest.value("error").toString()));
}

void CommandLineTest::stopNoticePromisesWhatFollows_data()
{
    QTest::addColumn<QStringList>("device");
    QTest::addColumn<QString>("during"); // the call that returned before the stop
    QTest::addColumn<QString>("stillToWrite");
    // Writes long enough for the stop to come while the one named is under
    // way, well within their budgets scaled by 0.05 (6 seconds for a Fx3).
    const QStringList slow{"--write-ms", "1000", "--fpga-write-ms", "1500"};
    const QStringList oldEverywhere = usbModel("RZ610R", 3, 4, 9) + slow;
    QTest::newRow("during the boot write of a boot, run and FPGA update")
        << oldEverywhere << "rzConfigUSBClearBootSector" << "boot Fx3, run Fx3, FPGA";
    QTest::newRow("during the FPGA write of the same update")
        << oldEverywhere << "rzConfigUSBClearFPGAProgram" << "FPGA";
    QTest::newRow("during the network model's FX3 write") << rz610t(8, 6) + slow << "rzConfigNetClearFx3" << "FX3, FPGA";
}

// Once something was erased a stop waits for the rest of the write, never
// leaving an instrument half written: the notice names what is still to
// write and promises a time the run then keeps, every component written.
void CommandLineTest::stopNoticePromisesWhatFollows()
{
    QFETCH(QStringList, device);
    QFETCH(QString, during);
    QFETCH(QString, stillToWrite);
    SimulatedInstrument instrument;
    instrument.create(device);
    const QString before = versionsOf(instrument);
    UpdaterRun run({"update"}, true, {{"RZ_STALL_SCALE", "0.05"}});
    QTRY_VERIFY_WITH_TIMEOUT(!instrument.traceOf(during).isEmpty(), 30000);
    QElapsedTimer sinceStop;
    sinceStop.start();
    ::kill(run.process.processId(), SIGINT);
    QCOMPARE(run.finish(), 128 + SIGINT);
    const qint64 took = sinceStop.elapsed();
    const QStringList notices = run.lines().filter("Firmware is being written; stopping now");
    QCOMPARE(notices.size(), 1);
    const QRegularExpressionMatch promise =
        QRegularExpression("in at most (\\d+) (seconds|minutes); still to write: (.+)\\.$").match(notices.first());
    QVERIFY2(promise.hasMatch(), qPrintable(notices.first()));
    QCOMPARE(promise.captured(3), stillToWrite);
    const qint64 promised = promise.captured(1).toLongLong() * (promise.captured(2) == "minutes" ? 60000 : 1000);
    QVERIFY2(took <= promised, qPrintable(QString("took %1 ms, promised %2 ms").arg(took).arg(promised)));
    QVERIFY(run.lines().contains("Firmware updated successfully."));
    QVERIFY(versionsOf(instrument) != before);
    QVERIFY(!versionsOf(instrument).contains('!'));
}

void CommandLineTest::environmentIsChecked_data()
{
    QTest::addColumn<QString>("variable");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("refusal"); // empty: the check runs
    QTest::addColumn<bool>("folderRemoved"); // the working folder, before the updater starts
    const QString scale = "RZ_STALL_SCALE must be a number from 0.001 to 1000, not \"%1\".";
    QTest::newRow("too small: every call would be given up at once") << "RZ_STALL_SCALE" << "1e-12" << scale.arg("1e-12") << false;
    QTest::newRow("too large: budgets would overflow") << "RZ_STALL_SCALE" << "1e20" << scale.arg("1e20") << false;
    QTest::newRow("not a number") << "RZ_STALL_SCALE" << "fast" << scale.arg("fast") << false;
    QTest::newRow("the smallest usable") << "RZ_STALL_SCALE" << "0.001" << "" << false;
    QTest::newRow("the largest usable") << "RZ_STALL_SCALE" << "1000" << "" << false;
    // Reached wherever the process is, which during a write is the verified copies' folder.
    QTest::newRow("a relative state folder") << "RZ_STATE_DIR" << "state"
                                             << "RZ_STATE_DIR must be an absolute path, not \"state\"." << false;
    QTest::newRow("a state folder Qt would take for a resource") << "RZ_STATE_DIR" << ":state"
                                                                 << "RZ_STATE_DIR must be an absolute path, not \":state\"." << false;
    // Taken from a folder that no longer has a path, they would name files at the root.
    const QString gone = "%1 must be an absolute path, not \"%2\": the working folder no longer exists.";
    const QString lock = QString("rz-test-%1.lock").arg(QCoreApplication::applicationPid());
    const QString recording = QString("rz-test-%1.jsonl").arg(QCoreApplication::applicationPid());
    QTest::newRow("a relative lock file, the working folder removed")
        << "RZ_LOCK_FILE" << lock << gone.arg("RZ_LOCK_FILE", lock) << true;
    QTest::newRow("a relative recording, the working folder removed")
        << "RZ_API_RECORD" << recording << gone.arg("RZ_API_RECORD", recording) << true;
}

// A value that cannot be used is refused before any call, with the variable named.
void CommandLineTest::environmentIsChecked()
{
    QFETCH(QString, variable);
    QFETCH(QString, value);
    QFETCH(QString, refusal);
    QFETCH(bool, folderRemoved);
    SimulatedInstrument instrument;
    instrument.create(usbModel("RZ610R", 4, 5, 9));
    const QString atRoot = "/" + value;
    // What an updater that took it from nowhere left there.
    const auto removeAtRoot = qScopeGuard([&] {
        if (folderRemoved)
            QFile::remove(atRoot);
    });
    const QStringList fromRemovedFolder{"sh", "-c", "mkdir gone && cd gone && rmdir ../gone && exec \"$@\"", "sh"};
    UpdaterRun run({"check"}, true, {{variable, value}}, {}, folderRemoved ? fromRemovedFolder : QStringList());
    QCOMPARE(run.finish(), refusal.isEmpty() ? 10 : 2);
    QCOMPARE(instrument.trace().isEmpty(), !refusal.isEmpty());
    if (!refusal.isEmpty())
        QCOMPARE(QString::fromUtf8(run.errors).trimmed(), "rz-firmware-updater: " + refusal);
    QVERIFY(!folderRemoved || !QFileInfo::exists(atRoot));
}

// One updater at a time: a second one beside a running one makes no
// library call, whatever its state folder; the lock of a killed one is free
// at once; a lock that cannot be taken at all says why at once, and nothing
// planted under its name is followed or waited on.
void CommandLineTest::oneUpdaterPerMachine()
{
    SimulatedInstrument instrument;
    instrument.create(usbModel("RZ610R", 4, 5, 9) + QStringList{"--fpga-write-ms", "3000"});
    UpdaterRun first({"update"});
    // The trace has a call once it returned: the FPGA write is under way.
    QTRY_VERIFY_WITH_TIMEOUT(!instrument.traceOf("rzConfigUSBClearFPGAProgram").isEmpty(), 30000);
    const int callsBefore = instrument.trace().size();
    UpdaterRun second({"check"}, true, {{"RZ_STATE_DIR", instrument.path("another-state")}});
    QCOMPARE(second.finish(), 4);
    const QString holder = QString("Another firmware updater is already running: process %1 of the account %2.")
                               .arg(first.process.processId())
                               .arg(QString::fromLocal8Bit(::getpwuid(::geteuid())->pw_name));
    QCOMPARE(second.lines(), QStringList{holder});
    QCOMPARE(instrument.trace().size(), callsBefore);
    first.process.kill();
    first.finish();
    UpdaterRun third({"check"}); // finds the FPGA the killed one had cleared
    QCOMPARE(third.finish(), 11);
    const QString lock = instrument.path("planted.lock");
    const QString target = instrument.path("rzsim-device.json");
    const QByteArray targetBefore = readFile(target);
    const QList<QPair<QString, std::function<bool()>>> plants = {
        {" is a folder", [&] { return QDir().mkdir(lock); }},
        {" is a symbolic link", [&] { return QFile::link(target, lock); }},
        {" is a symbolic link", [&] { return QFile::link(instrument.path("nowhere"), lock); }},
        {" is a named pipe", [&] { return ::mkfifo(QFile::encodeName(lock).constData(), 0666) == 0; }},
    };
    for (const auto& plant : plants) {
        QDir(lock).removeRecursively();
        QFile::remove(lock);
        QVERIFY(plant.second());
        UpdaterRun locked({"check"}, true, {{"RZ_LOCK_FILE", lock}});
        QCOMPARE(locked.finish(), 4);
        QCOMPARE(locked.lines().value(0), "Cannot take the updater lock: " + lock + plant.first);
    }
    QCOMPARE(readFile(target), targetBefore);
    QVERIFY(!QFileInfo::exists(instrument.path("nowhere")));
    // One it makes itself is no other group's to flock, whatever the umask.
    const QString made = instrument.path("made.lock");
    QCOMPARE(UpdaterRun({"check"}, true, {{"RZ_LOCK_FILE", made}}).finish(), 11);
    struct stat madeStatus {};
    QCOMPARE(::stat(QFile::encodeName(made).constData(), &madeStatus), 0);
    QCOMPARE(madeStatus.st_mode & 07777, mode_t(0660));
}

void CommandLineTest::outsidersAreToldToJoinTheGroup_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("shared"); // made root:plugdev, open to the group alone
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("says"); // on standard error; %1 the shared path
    const QString join = "only members of the group plugdev may use %1; add the account nobody to that group "
                         "(sudo adduser nobody plugdev), then log out and log in again.";
    QTest::newRow("the lock") << "check" << "updater.lock" << 4 << "Cannot take the updater lock: " + join;
    QTest::newRow("the state folder") << "history" << "state" << 1 << "The update history could not be read: " + join;
}

// As the package makes them, the lock and the state folder refuse an account
// outside their group; it is told what to ask for and that it must log in
// again, as the kernel gives a process the groups of its login.
void CommandLineTest::outsidersAreToldToJoinTheGroup()
{
    QFETCH(QString, command);
    QFETCH(QString, shared);
    QFETCH(int, exitCode);
    QFETCH(QString, says);
    if (::geteuid() != 0)
        QSKIP("Only root can run the updater as nobody, outside the group plugdev.");
    const struct group* plugdev = ::getgrnam("plugdev");
    if (!plugdev)
        QSKIP("This machine has no group plugdev.");
    SimulatedInstrument instrument;
    instrument.create(usbModel("RZ610R", 4, 5, 9));
    const QString path = instrument.path(shared);
    QVERIFY(shared.endsWith(".lock") ? QFile(path).open(QIODevice::WriteOnly) : QDir().mkpath(path));
    QVERIFY(::chown(QFile::encodeName(path).constData(), 0, plugdev->gr_gid) == 0);
    QVERIFY(::chmod(QFile::encodeName(path).constData(), shared.endsWith(".lock") ? 0660 : 02770) == 0);
    // Everything else nobody may reach: the installed updater and the working folder.
    const QString prefix = QFileInfo(InstalledUpdater::get().program()).dir().absoluteFilePath("..");
    for (const QString& folder : {prefix, instrument.path(".")})
        QVERIFY(::chmod(QFile::encodeName(folder).constData(), 0755) == 0);
    UpdaterRun run({command}, true, {}, {},
                   {"setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups"});
    QCOMPARE(run.finish(), exitCode);
    QCOMPARE(QString::fromUtf8(run.errors), "rz-firmware-updater: " + says.arg(path) + '\n');
}

void CommandLineTest::plantedFilesAreNeitherFollowedNorWaitedOn_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("link"); // else a named pipe
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("line");
    const QString unchecked = "The firmware in ./firmware cannot be checked: %1 is a named pipe; nothing will be written.";
    const QString list = "./firmware/SHA256SUMS", signature = "./firmware/SHA256SUMS.minisig";
    const QString fpga = "./firmware/RZ610R-FPGA-v10.rbf", recording = "recording.jsonl";
    QTest::newRow("check, a named pipe at the signature") << "check" << signature << false << 4 << unchecked.arg(signature);
    QTest::newRow("update, a named pipe at the list") << "update" << list << false << 4 << unchecked.arg(list);
    QTest::newRow("update, a named pipe at an image") << "update" << fpga << false << 4
                                                      << "Missing firmware image: " + fpga;
    QTest::newRow("update, a link at an image") << "update" << fpga << true << 4 << "Missing firmware image: " + fpga;
    QTest::newRow("check, a named pipe at the recording")
        << "check" << recording << false << 10
        << "Could not record the device library's calls: %1: %1 is a named pipe";
    QTest::newRow("check, a link at the recording")
        << "check" << recording << true << 10
        << "Could not record the device library's calls: %1: %1 is a symbolic link";
}

// Nothing ever writes to a pipe: an updater that opened it would wait for
// ever, and is given up on. Nothing is read or written through a link.
void CommandLineTest::plantedFilesAreNeitherFollowedNorWaitedOn()
{
    QFETCH(QString, command);
    QFETCH(QString, file);
    QFETCH(bool, link);
    QFETCH(int, exitCode);
    QFETCH(QString, line);
    SimulatedInstrument instrument;
    instrument.create(usbModel("RZ610R", 4, 5, 9));
    // What a link leads to: a copy of the very image, which must stay as it is.
    const QString target = instrument.path("elsewhere");
    QVERIFY(QFile::copy("./firmware/RZ610R-FPGA-v10.rbf", target));
    const qint64 targetSize = QFileInfo(target).size();
    QFile::remove(file);
    QVERIFY(link ? QFile::link(target, file) : ::mkfifo(QFile::encodeName(file).constData(), 0660) == 0);
    const QString recorded = QFileInfo(file).absoluteFilePath();
    UpdaterRun run({command}, true, {{"RZ_API_RECORD", file.endsWith(".jsonl") ? recorded : instrument.path("kept.jsonl")}});
    QVERIFY2(run.process.waitForFinished(30000), "the updater waits on the pipe");
    QCOMPARE(run.finish(), exitCode);
    QVERIFY2(run.lines().contains(QString(line).replace("%1", recorded)), qPrintable(run.lines().join('\n')));
    QCOMPARE(writeCalls(instrument), QStringList());
    QCOMPARE(QFileInfo(target).size(), targetSize);
}

// The window puts a stop off as the command line does: it says so in the
// log, writes on, shows the verdict, then quits.
void CommandLineTest::windowPutsOffAStopUntilTheVerdict()
{
    SimulatedInstrument instrument;
    instrument.create(usbModel("RZ610R", 4, 5, 9) + QStringList{"--fpga-write-ms", "1500"});
    QProcess window;
    window.start(QCoreApplication::applicationDirPath() + "/WindowExitProbe", {"update"});
    QTRY_VERIFY_WITH_TIMEOUT(!instrument.traceOf("rzConfigUSBClearFPGAProgram").isEmpty(), 30000);
    ::kill(window.processId(), SIGHUP);
    QVERIFY(window.waitForFinished(60000));
    QCOMPARE(window.exitStatus(), QProcess::NormalExit);
    QCOMPARE(window.exitCode(), 128 + SIGHUP);
    const QStringList log = QString::fromUtf8(window.readAllStandardOutput()).split('\n');
    const int notice = log.indexOf(QRegularExpression(
        "^Firmware is being written; stopping now could leave the instrument unusable. "
        "The updater will stop when the write ends, in at most \\d+ (seconds|minutes)(; still to write: .+)?\\.$"));
    QVERIFY(notice > 0);
    QVERIFY(log.indexOf("Firmware updated successfully.") > notice);
    QCOMPARE(versionsOf(instrument), "4.5.10");
}

// A call that never returns: the window shows the verdict, withdraws its
// buttons, keeps the log and its menu for a support request, and closes
// without waiting for the call.
void CommandLineTest::windowEndsAfterAStuckCall()
{
    SimulatedInstrument instrument;
    instrument.create(usbModel("RZ610R", 4, 5, 9) + QStringList{"--stall", "rzConfigUSBWriteFPGAProgram"});
    QProcess window;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("RZ_STALL_SCALE", "0.002");
    window.setProcessEnvironment(environment);
    window.start(QCoreApplication::applicationDirPath() + "/WindowExitProbe", {"update-close"});
    QVERIFY(window.waitForFinished(60000));
    QCOMPARE(window.exitStatus(), QProcess::NormalExit);
    const QStringList log = QString::fromUtf8(window.readAllStandardOutput()).split('\n');
    const QStringList stopped = log.filter(QRegularExpression("^The instrument stopped answering while writing FPGA: "));
    QCOMPARE(stopped.size(), 1);
    QCOMPARE(log.mid(log.indexOf(stopped.first()) + 1, 2),
             (QStringList{"Firmware updated unsuccessfully.", "Check device connections and re-run the software."}));
    QCOMPARE(log.filter(QRegularExpression("^(Log enabled|Log menu|Buttons enabled): ")),
             (QStringList{"Log enabled: yes", "Log menu: Copy All, Save Log As..., Open Log Folder, Update History...",
                          "Buttons enabled: none"}));
}

void CommandLineTest::unfinishedUpdateIsFinished_data()
{
    QTest::addColumn<QString>("record");
    QTest::newRow("left in the account's own folder by an earlier release") << "own";
    QTest::newRow("naming a component this release does not know") << "unknown";
}

// An RZ610T whose FX3 was written before its FPGA step failed reads as current;
// only the record says otherwise, in the account's folder too, where earlier
// releases kept it, and every component is rewritten when it names one this
// release does not know.
void CommandLineTest::unfinishedUpdateIsFinished()
{
    QFETCH(QString, record);
    SimulatedInstrument instrument;
    instrument.create(rz610t(8, 6) + QStringList{"--fault", "rzConfigNetClearFPGA:5"});
    QCOMPARE(UpdaterRun({"update"}).finish(), 1);
    const QString own = instrument.path("home-state/rz-firmware-updater"); // under XDG_STATE_HOME
    if (record == "own") {
        QVERIFY(QDir().mkpath(own));
        QVERIFY(QDir().rename(instrument.path("state/pending"), own + "/pending"));
    } else {
        QFile file(instrument.path("state/pending/RZ610T-777.json"));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(R"({"model": "RZ610T", "serial": 777, "components": ["fx3", "fpga2"]})");
    }
    UpdaterRun check({"check"});
    QCOMPARE(check.finish(), 10);
    QVERIFY(check.lines().contains("The last update of this instrument did not finish."));
    QCOMPARE(UpdaterRun({"update"}).finish(), 0);
    QCOMPARE(versionsOf(instrument), "9.7");
    QCOMPARE(QDir(instrument.path("state/pending")).entryList(QDir::Files), QStringList());
    QCOMPARE(QDir(own + "/pending").entryList(QDir::Files), QStringList());
}

void CommandLineTest::trustsTheKeysOfItsOwnPrefix_data()
{
    QTest::addColumn<bool>("keyThere");
    QTest::addColumn<QByteArray>("revoked"); // PREFIX/share/rz-firmware-updater/revoked-keys, "{id}" the demo key's
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("lastLine"); // "{id}" the demo key's
    QTest::addColumn<QString>("keyStatus"); // as the JSON report names it
    const QString goOn = "Run `rz-firmware-updater update` to continue.";
    QTest::newRow("its key there") << true << QByteArray() << 10 << goOn << "trusted";
    QTest::newRow("its key gone") << false << QByteArray() << 4
                                  << "It is signed by key {id}, which this machine does not trust: ask the "
                                     "administrator whether key {id} is the maker's."
                                  << "unknown";
    QTest::newRow("its key revoked") << true << QByteArray("0{id}  # leaked\n") << 4
                                     << "It is signed by key {id}, which the administrator revoked: get a release "
                                        "signed by a key in use."
                                     << "revoked";
    QTest::newRow("another key revoked") << true << QByteArray("# leaked\nfeed\n") << 10 << goOn << "trusted";
}

void CommandLineTest::trustsTheKeysOfItsOwnPrefix()
{
    QFETCH(bool, keyThere);
    QFETCH(QByteArray, revoked);
    QFETCH(int, exitCode);
    QFETCH(QString, lastLine);
    QFETCH(QString, keyStatus);
    SimulatedInstrument instrument;
    instrument.create(usbModel("RZ610R", 4, 5, 9));
    const InstalledUpdater& installed = InstalledUpdater::get();
    const QString keyAside = instrument.path("rzsim-demo.pub");
    if (!keyThere)
        QVERIFY(QFile::rename(installed.keyFile(), keyAside));
    QFile revokedFile(installed.revokedFile());
    if (!revoked.isEmpty()) {
        QVERIFY(revokedFile.open(QIODevice::WriteOnly));
        revokedFile.write(revoked.replace("{id}", demoKeyId().toLower().toLatin1()));
        revokedFile.close();
    }
    UpdaterRun run({"check", "--json"});
    const int exited = run.finish();
    revokedFile.remove();
    if (!keyThere)
        QVERIFY(QFile::rename(keyAside, installed.keyFile()));
    QCOMPARE(exited, exitCode);
    const QJsonObject report = QJsonDocument::fromJson(run.output).object();
    QCOMPARE(report.value("lines").toVariant().toStringList().last(), lastLine.replace("{id}", demoKeyId()));
    // A refusal's report names the key to look up, as a success's does.
    const QJsonObject release = report.value("release").toObject();
    QCOMPARE(release.value("key").toString(), demoKeyId());
    QCOMPARE(release.value("keyStatus").toString(), keyStatus);
    QCOMPARE(release.value("signature").toString(), exitCode == 4 ? "untrusted" : "verified");
    QCOMPARE(release.value("folder").toString(), instrument.path("firmware"));
}

void CommandLineTest::windowAndCommandLineAgree_data()
{
    QTest::addColumn<QStringList>("device");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("written"); // the terminal's last line, where the window's says it may be closed
    QTest::newRow("update") << usbModel("RZ870S", 2, 3, 4) << "update" << "RZ870S 12345 now holds firmware 2.4.4.";
    QTest::newRow("restore") << usbModel("RZ610S", 4, 8, 14) + QStringList{"--invalid", "run"} << "restore"
                             << "RZ610S 12345 now holds firmware 4.8.14.";
}

void CommandLineTest::windowAndCommandLineAgree()
{
    QFETCH(QStringList, device);
    QFETCH(QString, command);
    QFETCH(QString, written);
    SimulatedInstrument instrument;
    instrument.create(device);
    QStringList banner;
    QStringList windowLines;
    {
        instrument.clearTrace();
        PanelDriver driver; // its banner asks the library's version, as the command line's does
        driver.pressCheckVersions();
        command == "update" ? driver.pressUpdate() : driver.pressRestore();
        windowLines = driver.logLines();
        banner = windowLines.mid(0, windowLines.indexOf("Checking Firmware Versions...") - 1);
        windowLines = windowLines.mid(banner.size());
    }
    // What the window says of its buttons and of closing it, which a terminal has not; a terminal names
    // the firmware the instrument now holds instead.
    const QString pressed = command == "update" ? "Press Update to continue." : "Press Restore to continue.";
    QCOMPARE(windowLines.removeAll(pressed), 1);
    QCOMPARE(windowLines.takeLast(), QString("You may now close the software."));
    windowLines.append(written);
    // What the window's banner warned of, a terminal shows before the first erase.
    const QString library = banner.filter(QRegularExpression("^Using RZ API version ")).value(0);
    // after the write's heading and its blank line
    int erasing = windowLines.indexOf(command == "update" ? "Updating Firmware" : "Restoring Device") + 2;
    QVERIFY(!library.isEmpty() && erasing > 1);
    for (const QString& line : {library, QString("Do NOT disconnect the device at any time during the update."),
                                QString("Disconnecting the device during an update can leave your device in an "
                                        "unoperable state.")})
        windowLines.insert(erasing++, line);
    const QStringList windowCalls = instrument.calledFunctions();
    instrument.create(device);
    instrument.clearTrace();
    UpdaterRun run({command});
    QCOMPARE(run.finish(), 0);
    QCOMPARE(run.lines(), windowLines);
    QCOMPARE(instrument.calledFunctions(), windowCalls);
}

void CommandLineTest::speaksTheOperatorsLanguage_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("lcAll");
    QTest::addColumn<QString>("line"); // on standard output or standard error
    QTest::newRow("--help") << QStringList{"--help"} << "" << "Ohne Befehl öffnet sich das Fenster.";
    QTest::newRow("a usage error") << QStringList{"history", "--since", "gestern"} << ""
                                   << "rz-firmware-updater: --since: Datum als YYYY-MM-DD erwartet, nicht gestern.";
    QTest::newRow("LC_ALL=C.UTF-8, as scripts set it") << QStringList{"frobnicate"} << "C.UTF-8"
        << "rz-firmware-updater: Expected one command: check, update, restore, history, pending or release (see "
           "--help).";
}

// LANGUAGE=de, as a German desktop sets it.
void CommandLineTest::speaksTheOperatorsLanguage()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, lcAll);
    QFETCH(QString, line);
    UpdaterRun run(arguments, true, {{"LANGUAGE", "de"}, {"LC_ALL", lcAll}});
    run.finish();
    const QStringList lines = QString::fromUtf8(run.output + run.errors).split('\n');
    QVERIFY2(lines.contains(line), qPrintable(lines.join('\n')));
}

void CommandLineTest::pendingListsAndDiscards_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("lockHeld"); // by another updater
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("printed"); // a line of standard output, or of the JSON's models
    QTest::addColumn<QStringList>("recordsLeft");
    QTest::addColumn<bool>("discardOnRecord"); // the failed update's history row says who discarded it
    const QStringList both = {"RZ610R-12345.json", "RZ870S-999.json"};
    QTest::newRow("listed, newest first")
        << QStringList{"pending"} << false << 0 << "RZ610R  12345   {started}  fpga" << both << false;
    QTest::newRow("as JSON") << QStringList{"pending", "--json"} << false << 0 << "RZ610R RZ870S" << both << false;
    QTest::newRow("discarded") << QStringList{"pending", "--discard", "12345"} << false << 0
                               << "The record of the unfinished update of RZ610R 12345 was discarded; a later "
                                  "check takes the instrument as it answers."
                               << QStringList{"RZ870S-999.json"} << true;
    QTest::newRow("no such record") << QStringList{"pending", "--discard", "5"} << false << 1 << "" << both << false;
    QTest::newRow("an updater runs: it may be writing the record")
        << QStringList{"pending", "--discard", "12345"} << true << 4 << "" << both << false;
    QTest::newRow("listed while an updater runs") << QStringList{"pending"} << true << 0
                                                  << "RZ870S  999     2026-12-01 08:00:00  all" << both << false;
}

// An update cut short leaves its record; another instrument's record was
// left long before. Listing takes no lock; a discard takes it, removes one
// record and marks the attempt that left it.
void CommandLineTest::pendingListsAndDiscards()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, lockHeld);
    QFETCH(int, exitCode);
    QFETCH(QString, printed);
    QFETCH(QStringList, recordsLeft);
    QFETCH(bool, discardOnRecord);
    SimulatedInstrument instrument;
    instrument.create(usbModel("RZ610R", 4, 5, 9) + QStringList{"--fault", "rzConfigUSBWriteFPGAProgram:5"});
    QCOMPARE(UpdaterRun({"update"}).finish(), 1);
    QFile other(instrument.path("state/pending/RZ870S-999.json"));
    QVERIFY(other.open(QIODevice::WriteOnly)
            && other.write(R"({"model": "RZ870S", "serial": 999, "started": "2026-12-01T08:00:00Z"})") > 0);
    other.close();
    const QString started = QJsonDocument::fromJson(readFile(instrument.path("state/pending/RZ610R-12345.json")))
                                .object().value("started").toString().replace('T', ' ').remove('Z');
    UpdaterLock lock;
    QVERIFY(!lockHeld || lock.acquire());
    UpdaterRun run(arguments);
    QCOMPARE(run.finish(), exitCode);
    if (arguments.contains("--json")) {
        QStringList models;
        for (const QJsonValue& record : QJsonDocument::fromJson(run.output).object().value("pending").toArray())
            models << record.toObject().value("model").toString();
        QCOMPARE(models.join(' '), printed);
    } else if (!printed.isEmpty()) {
        QVERIFY2(run.lines().contains(QString(printed).replace("{started}", started)), run.output.constData());
    }
    QCOMPARE(QDir(instrument.path("state/pending")).entryList(QDir::Files), recordsLeft);
    UpdaterRun history({"history", "--json"});
    QCOMPARE(history.finish(), 0);
    const QJsonObject row = QJsonDocument::fromJson(history.output).object().value("attempts").toArray()
                                .first().toObject();
    QCOMPARE(row.value("state").toString(), "failed");
    QCOMPARE(row.value("discardedBy").toString().startsWith(QString::fromLocal8Bit(::getpwuid(::geteuid())->pw_name) + '@'),
             discardOnRecord);
}

// The exit codes of a section, as a script reads them: "0", ..., "128+N".
QStringList exitCodesIn(const QString& text, const QString& start, const QString& end, const QString& code)
{
    const int from = text.indexOf(start);
    const QString section = text.mid(from, text.indexOf(end, from + start.size()) - from);
    QStringList codes;
    for (auto match = QRegularExpression(code, QRegularExpression::MultilineOption).globalMatch(section);
         match.hasNext();)
        codes << match.next().captured(1).remove(' ');
    return codes;
}

// --help, the manual page and operators.md list the same exit codes, in the
// same order: a code added to one and not the others fails here.
void CommandLineTest::exitCodesAreListedAlikeEverywhere()
{
    UpdaterRun help({"--help"}, true, {{"LANGUAGE", ""}, {"LC_ALL", "C.UTF-8"}});
    QCOMPARE(help.finish(), 0);
    const QStringList fromHelp = exitCodesIn(QString::fromLocal8Bit(help.output), "Exit codes:", "\n\n",
                                             "^ {1,3}(\\d+|128\\+N)  ");
    const QStringList fromManual = exitCodesIn(QString::fromUtf8(readFile(RZ_SOURCE_DIR "/packaging/rz-firmware-updater.1")),
                                               ".SH EXIT STATUS", "\n.SH ", "^\\.B (\\d+|128 \\+ N)$");
    const QStringList fromPage = exitCodesIn(QString::fromUtf8(readFile(RZ_SOURCE_DIR "/docs/operators.md")),
                                             "| exit code | meaning |", "\n\n", "^\\| (\\d+|128 \\+ N) \\|");
    QCOMPARE(fromHelp, (QStringList{"0", "1", "2", "3", "4", "5", "10", "11", "128+N"}));
    QCOMPARE(fromManual, fromHelp);
    QCOMPARE(fromPage, fromHelp);
}

// A command line a page quotes, as its reader would type it: what is in
// brackets given, the first of alternatives, the placeholders filled in,
// the shell's redirections and what follows them left out.
QStringList typedAs(QString quoted)
{
    quoted.remove(QRegularExpression("\\s+#.*$"));
    quoted.replace(QRegularExpression("\\[\\s*([^]|]*?)\\s*(\\|[^]]*)?\\]"), "\\1");
    quoted = quoted.section(QRegularExpression("\\s*(;|&&|\\|\\||\\s\\|\\s|[0-9]?>)"), 0, 0);
    quoted.replace(QRegularExpression("(\\S+?)\\|\\S+"), "\\1");
    const QMap<QString, QString> filled{{"MODEL", "RZ610R"}, {"M", "RZ610R"},       {"SERIAL", "12345"},
                                        {"N", "12345"},      {"YYYY-MM-DD", "2026-01-01"}, {"DIR", "."}};
    QStringList typed;
    for (const QString& word : QProcess::splitCommand(quoted))
        typed << filled.value(word, word);
    return typed;
}

// Each `rz-firmware-updater ...` in a page, with where it stands: in code
// blocks (the manual page's .nf) line by line, elsewhere between backticks,
// which may span lines.
QMap<QString, QString> quotedCommandLines(const QString& page)
{
    QString text = QString::fromUtf8(readFile(QString(RZ_SOURCE_DIR "/") + page));
    if (page.endsWith(".1"))
        text.replace("\\-", "-").replace("\\(ga", "`").replace("\\&", "").replace(".nf\n", "```\n").replace(".fi\n", "```\n");
    const QRegularExpression command("`(rz-firmware-updater(?: [^`]*)?)`");
    QMap<QString, QString> quoted;
    const QStringList blocks = text.split("```");
    for (int block = 0; block < blocks.size(); ++block) {
        const QStringList lines = block % 2 ? blocks.at(block).split('\n') : QStringList{blocks.at(block).simplified()};
        for (const QString& line : lines) {
            const QRegularExpression& in = block % 2 ? QRegularExpression("(?:^|\\s)(rz-firmware-updater(?: .*)?)$") : command;
            for (auto match = in.globalMatch(line); match.hasNext();)
                quoted.insert(match.next().captured(1), page);
        }
    }
    return quoted;
}

// Every command line the pages and the manual page quote is one the
// program takes: an option renamed or a command dropped fails here.
void CommandLineTest::quotedCommandLinesAreAccepted()
{
    QMap<QString, QString> quoted;
    for (const QString& page : QDir(RZ_SOURCE_DIR "/docs").entryList({"*.md"}))
        quoted.insert(quotedCommandLines("docs/" + page));
    quoted.insert(quotedCommandLines("README.md"));
    quoted.insert(quotedCommandLines("packaging/rz-firmware-updater.1"));
    QVERIFY(quoted.size() > 15);
    for (auto line = quoted.cbegin(); line != quoted.cend(); ++line) {
        const QStringList typed = typedAs(line.key());
        if (typed.size() == 1)
            continue; // the window
        int exitCode = -1;
        const bool accepted = CommandLine().validate(typed, &exitCode) || exitCode == 0;
        QVERIFY2(accepted, qPrintable(line.value() + ": " + line.key() + " -> " + typed.join(' ')));
    }
}

void CommandLineTest::releaseSaysWhatItCarriesWithoutTheLibrary_data()
{
    QTest::addColumn<QString>("release"); // "signed", "unsigned" or "revoked"
    QTest::addColumn<bool>("json");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("keyStatus"); // empty: no key named
    // A line of standard output, or of the JSON's reasons; {folder} is the
    // release's absolute path, {id} the demo key's.
    QTest::addColumn<QString>("says");
    const QString notSigned = "The firmware in {folder} is not signed; nothing will be written.";
    const QString revoked = "It is signed by key {id}, which the administrator revoked: get a release signed by "
                            "a key in use.";
    QTest::newRow("signed") << "signed" << false << 0 << "trusted" << "Signed by key {id}, which this machine trusts.";
    QTest::newRow("signed, JSON") << "signed" << true << 0 << "trusted" << "";
    QTest::newRow("unsigned") << "unsigned" << false << 4 << "" << notSigned;
    QTest::newRow("unsigned, JSON") << "unsigned" << true << 4 << "" << notSigned;
    QTest::newRow("revoked key") << "revoked" << false << 4 << "revoked"
                                 << "Signed by key {id}, which the administrator revoked.";
    QTest::newRow("revoked key, JSON") << "revoked" << true << 4 << "revoked" << revoked;
}

// An administrator asks before the release goes to the benches: not one
// call reaches the device library, even with an instrument connected.
void CommandLineTest::releaseSaysWhatItCarriesWithoutTheLibrary()
{
    QFETCH(QString, release);
    QFETCH(bool, json);
    QFETCH(int, exitCode);
    QFETCH(QString, keyStatus);
    QFETCH(QString, says);
    SimulatedInstrument instrument;
    instrument.create(usbModel("RZ610R", 4, 5, 9));
    instrument.clearTrace();
    QVERIFY(QDir().mkdir("releases") && QDir().rename("firmware", "releases/4.5.10"));
    const QString folder = instrument.path("releases/4.5.10");
    if (release == "unsigned")
        QVERIFY(QFile::remove("releases/4.5.10/SHA256SUMS.minisig"));
    QFile revokedFile(InstalledUpdater::get().revokedFile());
    const auto unrevoke = qScopeGuard([&] { revokedFile.remove(); });
    if (release == "revoked")
        QVERIFY(revokedFile.open(QIODevice::WriteOnly) && revokedFile.write(demoKeyId().toLatin1() + "\n") > 0);
    revokedFile.close();
    UpdaterRun run(json ? QStringList{"release", "--json", "--firmware", "releases/4.5.10"}
                        : QStringList{"release", "--firmware", "releases/4.5.10"});
    QCOMPARE(run.finish(), exitCode);
    QCOMPARE(instrument.trace(), QStringList());
    says.replace("{folder}", folder).replace("{id}", demoKeyId());
    const QString verdict = exitCode == 0 ? "The release in %1 can be written."
                                          : "The release in %1 is refused: nothing in it will be written.";
    if (!json) {
        const QStringList lines = run.lines();
        QVERIFY2(lines.contains(says) && lines.contains("  FPGA 10: RZ610R-FPGA-v10.rbf"), qPrintable(lines.join('\n')));
        QCOMPARE(lines.first(), "Release folder: " + folder);
        QCOMPARE(lines.last(), verdict.arg(folder));
        return;
    }
    const QJsonObject report = QJsonDocument::fromJson(run.output).object();
    QCOMPARE(report.value("folder").toString(), folder);
    QCOMPARE(report.value("usable").toBool(), exitCode == 0);
    QCOMPARE(report.value("keyStatus").toString(), keyStatus);
    QCOMPARE(report.value("key").toString(), keyStatus.isEmpty() ? QString() : demoKeyId());
    const QJsonObject first = report.value("models").toArray().first().toObject();
    QCOMPARE(first.value("model").toString() + ' ' + first.value("firmware").toString(), "RZ610R 4.5.10");
    QCOMPARE(first.value("components").toArray().last().toObject().value("image").toString(), "RZ610R-FPGA-v10.rbf");
    const QJsonArray reasons = report.value("reasons").toArray();
    QVERIFY2(says.isEmpty() ? reasons.isEmpty() : reasons.contains(says), run.output.constData());
}

void CommandLineTest::quietPrintsTheVerdictAlone_data()
{
    QTest::addColumn<QStringList>("device");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("verdict"); // all of standard output; empty: nothing
    const QStringList old = usbModel("RZ610R", 4, 5, 9);
    QTest::newRow("check, up to date") << usbModel("RZ610R", 4, 5, 10) << QStringList{"check", "--quiet"} << 0
                                       << "Firmware does not require update.";
    QTest::newRow("check, update available") << old << QStringList{"check", "--quiet"} << 10
                                             << "Firmware requires update.";
    QTest::newRow("update: the write's verdict, not the check's") << old << QStringList{"update", "--quiet"} << 0
                                                                  << "Firmware updated successfully.";
    QTest::newRow("update, write fails") << old + QStringList{"--fault", "rzConfigUSBWriteFPGAProgram:5"}
                                         << QStringList{"update", "--quiet"} << 1 << "Firmware updated unsuccessfully.";
    QTest::newRow("update, newer refused before a verdict") << usbModel("RZ610R", 4, 5, 11)
                                                            << QStringList{"update", "--quiet"} << 4 << "";
    QTest::newRow("release") << QStringList() << QStringList{"release", "--quiet"} << 0
                             << "The release in {here} can be written.";
    QTest::newRow("with --json") << old << QStringList{"check", "--quiet", "--json"} << 2 << "";
}

// A reason is on standard error wherever a run failed or refused.
void CommandLineTest::quietPrintsTheVerdictAlone()
{
    QFETCH(QStringList, device);
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, verdict);
    SimulatedInstrument instrument;
    if (!device.isEmpty())
        instrument.create(device);
    UpdaterRun run(arguments);
    QCOMPARE(run.finish(), exitCode);
    verdict.replace("{here}", instrument.path("firmware"));
    QCOMPARE(run.lines(), verdict.isEmpty() ? QStringList() : QStringList{verdict});
    QCOMPARE(run.errors.isEmpty(), exitCode == 0 || exitCode == 10);
}

void CommandLineTest::bashCompletesCommandsOptionsModelsAndFolders_data()
{
    QTest::addColumn<QStringList>("words"); // after the program's name; the last is the one completed
    QTest::addColumn<QStringList>("offered");
    QTest::newRow("a command") << QStringList{"rel"} << QStringList{"release"};
    QTest::newRow("an option") << QStringList{"update", "--al"} << QStringList{"--allow-downgrade"};
    QTest::newRow("a model") << QStringList{"restore", "--model", ""}
                             << QStringList{"RZ610R", "RZ610S", "RZ610T", "RZ870S"};
    QTest::newRow("a release folder, not a file") << QStringList{"update", "--firmware", "rel"}
                                                  << QStringList{"releases"};
}

// As bash-completion loads it on the first Tab after the command's name.
void CommandLineTest::bashCompletesCommandsOptionsModelsAndFolders()
{
    QFETCH(QStringList, words);
    QFETCH(QStringList, offered);
    SimulatedInstrument instrument;
    QVERIFY(QDir().mkdir("releases"));
    QFile notes("release-notes.txt");
    QVERIFY(notes.open(QIODevice::WriteOnly));
    notes.close();
    QProcess bash;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("PATH", QFileInfo(InstalledUpdater::get().program()).path() + ':' + environment.value("PATH"));
    bash.setProcessEnvironment(environment);
    bash.start("bash", QStringList{"-c",
                                   "source \"$1\" && complete -p rz-firmware-updater && shift"
                                   " && COMP_WORDS=(\"$@\") && COMP_CWORD=$(($# - 1)) && _rz_firmware_updater"
                                   " && printf '%s\\n' \"${COMPREPLY[@]}\"",
                                   "bash", RZ_SOURCE_DIR "/packaging/rz-firmware-updater.bash-completion",
                                   "rz-firmware-updater"} + words);
    QVERIFY(bash.waitForFinished(30000));
    QStringList lines = QString::fromLocal8Bit(bash.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(bash.exitCode(), 0);
    QCOMPARE(lines.value(0), "complete -F _rz_firmware_updater rz-firmware-updater");
    lines.removeFirst();
    lines.sort();
    QCOMPARE(lines, offered);
}

QTEST_MAIN(CommandLineTest)
#include "CommandLineTest.moc"
