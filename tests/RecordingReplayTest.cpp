#include "tests/support/SimulatedInstrument.h"
#include "tests/support/UpdaterRun.h"

#include "host/SessionLog.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

namespace {

const QString corpus = QStringLiteral(RZ_RECORDINGS_DIR);

QByteArrayList linesOf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return file.readAll().split('\n');
}

QJsonObject jsonOf(const QByteArray& text)
{
    return QJsonDocument::fromJson(text).object();
}

// The calls of a recording without their times, which no two runs share.
QStringList callsOf(const QString& path)
{
    QStringList calls;
    for (const QByteArray& line : linesOf(path)) {
        QJsonObject call = jsonOf(line);
        if (!call.contains("function"))
            continue;
        call.remove("sinceFirstCallMs");
        call.remove("durationMs");
        calls << QString::fromUtf8(QJsonDocument(call).toJson(QJsonDocument::Compact));
    }
    return calls;
}

// The lines a run printed, without the notices of a call past its estimate,
// which depend on the machine's speed.
QStringList withoutNotices(QStringList lines)
{
    lines.erase(std::remove_if(lines.begin(), lines.end(),
                               [](const QString& line) { return line.startsWith("Still working: "); }),
                lines.end());
    return lines;
}

QStringList shownLines(const UpdaterRun& run)
{
    return withoutNotices(run.lines());
}

// What a replay says first: the recordings' expected lines, made on the
// simulated instrument, do not have it.
QString rehearsalLine(const QString& recording)
{
    return "Rehearsal: the device library replays the recording " + recording
           + "; no instrument is written, and the update history and the pending records are left as they are.";
}

// The updater run as the recording says it was (its expected result may
// name the arguments instead, for a recording made in the window), its
// calls answered at once from the recording.
UpdaterRun* replay(const QString& recording, const QJsonObject& expected, QMap<QString, QString> variables = {},
                   const QStringList& options = {})
{
    QStringList arguments = expected.value("arguments").toVariant().toStringList();
    if (arguments.isEmpty())
        arguments = jsonOf(linesOf(recording).value(0)).value("action").toString().split(' ', Qt::SkipEmptyParts);
    arguments += options;
    variables.insert("RZ_SIM_REPLAY", recording);
    variables.insert("RZ_SIM_TIME_SCALE", "0");
    variables.insert("RZ_STALL_SCALE", "0.01");
    return new UpdaterRun(arguments, true, variables);
}

} // namespace

// The recordings in tests/recordings, replayed by the simulated library:
// each bench's run, and each story of the simulator's, must stay what it
// was. A recording that diverges fails its run.
class RecordingReplayTest : public QObject
{
    Q_OBJECT

private slots:
    void corpusReplays_data();
    void corpusReplays();
    void divergenceFailsTheRun_data();
    void divergenceFailsTheRun();
    void unwritableRecordingIsSaidOnce();
    void windowRecordsAsTheCommandLine();
};

void RecordingReplayTest::corpusReplays_data()
{
    QTest::addColumn<QString>("name");
    const QStringList recordings = QDir(corpus).entryList({"*.jsonl"}, QDir::Files, QDir::Name);
    QVERIFY(recordings.size() >= 7);
    for (const QString& file : recordings) {
        const QString name = file.chopped(6);
        QTest::newRow(qPrintable(name)) << name;
    }
}

// Recorded again while replayed, the run makes the same calls with the
// same answers: the recorder writes what the replay reads. A replay is a
// rehearsal: its lines, log and report name the recording, and the state
// folder keeps no record of it (no history, no pending record) and loses
// none of the session logs already there, however many.
void RecordingReplayTest::corpusReplays()
{
    QFETCH(QString, name);
    const QJsonObject expected = jsonOf(linesOf(corpus + "/" + name + ".expected.json").join('\n'));
    QVERIFY2(expected.contains("exitCode"), "the recording needs NAME.expected.json");
    SimulatedInstrument instrument;
    QStringList planted;
    for (int log = 0; log <= SessionLog::filesKept; ++log)
        planted << QString("2001-01-01_00-%1-00.log").arg(log, 2, 10, QChar('0'));
    QVERIFY(QDir().mkpath(instrument.path("state")));
    for (const QString& log : qAsConst(planted)) {
        QFile file(instrument.path("state/" + log));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    const QString recording = corpus + "/" + name + ".jsonl";
    const QString again = instrument.path("again.jsonl");
    std::unique_ptr<UpdaterRun> run(replay(recording, expected, {{"RZ_API_RECORD", again}}, {"--json"}));
    QCOMPARE(run->finish(), expected.value("exitCode").toInt());
    QVERIFY2(!run->errors.contains("rzsim replay: diverged"), run->errors.constData());
    const QJsonObject report = jsonOf(run->output);
    QCOMPARE(report.value("replay").toString(), recording);
    QCOMPARE(report.value("stallScale").toDouble(), 0.01);
    QCOMPARE(withoutNotices(report.value("lines").toVariant().toStringList()),
             QStringList{rehearsalLine(recording)} + expected.value("lines").toVariant().toStringList());
    QCOMPARE(callsOf(again), callsOf(recording));

    // The planted logs and this run's, which names the recording; nothing else.
    QStringList kept = QDir(instrument.path("state")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    const QString log = QFileInfo(report.value("logFile").toString()).fileName();
    QVERIFY2(kept.removeAll(log) == 1, qPrintable(log));
    QCOMPARE(kept, planted);
    QVERIFY(linesOf(instrument.path("state/" + log)).join('\n').contains(rehearsalLine(recording).toUtf8()));
}

void RecordingReplayTest::divergenceFailsTheRun_data()
{
    QTest::addColumn<int>("call");     // of update-usb.jsonl
    QTest::addColumn<QString>("from"); // in that call's line; empty: the recording ends before it
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("message"); // how the line on standard error and in the trace begins

    const QString diverged = "rzsim replay: diverged at call %1: ";
    QTest::newRow("another call") << 2 << "\"rzOpenDevice\"" << "\"rzConfigUSBOpenDevice\""
                                  << diverged.arg(2)
                                         + "expected rzConfigUSBOpenDevice {\"handle\":-1}, came rzOpenDevice {\"handle\":-1}";
    QTest::newRow("other inputs") << 6 << "\"serial\":12345" << "\"serial\":54321"
                                  << diverged.arg(6)
                                         + "expected rzConfigUSBOpenDeviceBySerial {\"handle\":-1,\"serial\":54321}, "
                                           "came rzConfigUSBOpenDeviceBySerial {\"handle\":-1,\"serial\":12345}";
    QTest::newRow("an image of other bytes") << 9 << "\"sha256\":\"9" << "\"sha256\":\"0"
                                             << diverged.arg(9)
                                                    + "expected rzConfigUSBWriteBootSector {\"handle\":2,\"imagePath\":"
                                                      "{\"name\":\"./firmware/RZ610R-Cypress-Boot-v4.img\",\"sha256\":\"0";
    QTest::newRow("a call past the end")
        << 8 << "" << "" << diverged.arg(8) + "expected the end of the recording, came rzConfigUSBClearBootSector {\"handle\":2}";
}

void RecordingReplayTest::divergenceFailsTheRun()
{
    QFETCH(int, call);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, message);
    SimulatedInstrument instrument;
    const QString recording = instrument.path("changed.jsonl");
    QFile changed(recording);
    QVERIFY(changed.open(QIODevice::WriteOnly));
    for (const QByteArray& line : linesOf(corpus + "/update-usb.jsonl")) {
        const bool thatCall = jsonOf(line).value("call").toInt() == call;
        if (thatCall && from.isEmpty())
            break;
        QVERIFY(!thatCall || line.contains(from.toUtf8()));
        changed.write((thatCall ? QString::fromUtf8(line).replace(from, to).toUtf8() : line) + '\n');
    }
    changed.close();

    std::unique_ptr<UpdaterRun> run(replay(recording, {}));
    QVERIFY(run->finish() != 0);
    QVERIFY2(run->errors.startsWith(message.toUtf8()), run->errors.constData());
    QVERIFY(!instrument.trace().filter("  # " + message).isEmpty());
}

// The run goes on as it would have, unrecorded, and says so once.
void RecordingReplayTest::unwritableRecordingIsSaidOnce()
{
    const QJsonObject expected = jsonOf(linesOf(corpus + "/update-usb.expected.json").join('\n'));
    SimulatedInstrument instrument;
    const QString nowhere = instrument.path("missing/run.jsonl");
    std::unique_ptr<UpdaterRun> run(replay(corpus + "/update-usb.jsonl", expected, {{"RZ_API_RECORD", nowhere}}));
    QCOMPARE(run->finish(), 0);
    const QStringList first{"Could not record the device library's calls: " + nowhere + ": No such file or directory",
                            rehearsalLine(corpus + "/update-usb.jsonl")};
    QCOMPARE(shownLines(*run), first + expected.value("lines").toVariant().toStringList());
}

// The window's operator presses "Check Versions", then "Update": the same
// calls as the command line's update, recorded alike.
void RecordingReplayTest::windowRecordsAsTheCommandLine()
{
    SimulatedInstrument instrument;
    const QString recording = corpus + "/update-usb.jsonl";
    QProcess window;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("RZ_SIM_REPLAY", recording);
    environment.insert("RZ_SIM_TIME_SCALE", "0");
    environment.insert("RZ_API_RECORD", instrument.path("window.jsonl"));
    window.setProcessEnvironment(environment);
    window.start(QCoreApplication::applicationDirPath() + "/WindowExitProbe", {"update-close"});
    QVERIFY(window.waitForFinished(60000));
    QCOMPARE(window.exitCode(), 0);
    QCOMPARE(callsOf(instrument.path("window.jsonl")), callsOf(recording));
    QCOMPARE(jsonOf(linesOf(instrument.path("window.jsonl")).value(0)).value("action").toString(), "window");
}

QTEST_GUILESS_MAIN(RecordingReplayTest)
#include "RecordingReplayTest.moc"
