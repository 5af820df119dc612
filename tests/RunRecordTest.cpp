// The run's record alone keeps the session log, the history's row and the
// report for scripts: for each sequence of events the work may report, the
// three must tell the same story.

#include "catalogue/ModelTable.h"
#include "records/history/HistoryReader.h"
#include "records/run/RunRecord.h"
#include "tests/support/Samples.h"
#include "tests/support/SimulatedInstrument.h"

#include <QFile>
#include <QJsonArray>
#include <QtTest>

namespace {

const QString disconnectWarning = QStringLiteral("Do NOT disconnect the device at any time during the update.");

// Shows nothing; what was shown reaches the report's lines.
class NoDisplay : public RunDisplay
{
public:
    void showLines(const OperatorLines&, Kind) override {}
    void showPercent(int) override {}
};

DeviceState rz610r()
{
    const int type = ModelTable::named(QStringLiteral("RZ610R"))->deviceType;
    return sampleInstrument(type, FirmwareVersion{type, 4, 5, 9});
}

// A step as the work reports it: "found", "opened", "erased", "failure:LINE",
// "line:LINE" or "verdict" (how the run ended).
RunEvent eventOf(const QString& step, FlowOutcome outcome)
{
    const QString text = step.section(QLatin1Char(':'), 1);
    if (step == QLatin1String("found"))
        return RunEvent::found(rz610r(), std::nullopt);
    if (step == QLatin1String("opened"))
        return RunEvent::attemptOpened(sampleAttempt(), false);
    if (step == QLatin1String("erased"))
        return RunEvent::erased();
    if (step.startsWith(QLatin1String("failure:")))
        return RunEvent::failure(OperatorText::verbatim(text));
    if (step == QLatin1String("verdict"))
        return RunEvent::verdict(outcome);
    return RunEvent::line(OperatorText::verbatim(text));
}

QString logOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

class RunRecordTest : public QObject
{
    Q_OBJECT

private slots:
    void logRowAndReportAgree_data();
    void logRowAndReportAgree();
};

void RunRecordTest::logRowAndReportAgree_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("outcome");          // FlowOutcome
    QTest::addColumn<QString>("state");        // the history's row; empty: no row
    QTest::addColumn<bool>("erased");
    QTest::addColumn<QString>("firmwareAfter"); // empty: not known
    const int done = int(FlowOutcome::Done), failed = int(FlowOutcome::Failed);
    const int refused = int(FlowOutcome::Refused), stalled = int(FlowOutcome::Stalled);
    QTest::newRow("success") << QStringList{"found", "opened", "erased", "line:Firmware updated successfully.", "verdict"}
                             << done << "succeeded" << true << "4.5.10";
    QTest::newRow("failure after erase")
        << QStringList{"found", "opened", "erased", "failure:Failed Writing", "line:Failed Writing", "verdict"} << failed
        << "failed" << true << "";
    QTest::newRow("a check's failure, then a write that fails")
        << QStringList{"failure:The release is not signed by a trusted key.", "found", "opened", "erased",
                       "failure:Failed Writing", "verdict"}
        << failed << "failed" << true << "";
    QTest::newRow("stop before erase")
        << QStringList{"found", "failure:Stopped before anything was erased.", "opened", "verdict"} << refused
        << "failed" << false << "4.5.9";
    QTest::newRow("no answer after erase")
        << QStringList{"found", "opened", "erased", "failure:The instrument stopped answering while writing FPGA",
                       "verdict"}
        << stalled << "interrupted" << true << "";
    QTest::newRow("refusal before anything touched")
        << QStringList{"found", "failure:RZ610R 12345 holds newer firmware than this release."} << refused << ""
        << false << "4.5.9";
}

void RunRecordTest::logRowAndReportAgree()
{
    QFETCH(QStringList, steps);
    QFETCH(int, outcome);
    QFETCH(QString, state);
    QFETCH(bool, erased);
    QFETCH(QString, firmwareAfter);
    SimulatedInstrument instrument; // a state folder of its own
    NoDisplay display;
    QJsonObject report;
    QString logPath;
    {
        RunRecord record(display, QStringLiteral("update"));
        record.begin(false, QStringLiteral("update"));
        for (const QString& step : steps)
            record.note(eventOf(step, FlowOutcome(outcome)));
        record.sync();
        report = record.finishReport(FlowOutcome(outcome), outcome == int(FlowOutcome::Done) ? 0 : 1);
        logPath = record.logPath();
    }
    const HistoryReader reader([](const OperatorText& line) { QFAIL(qPrintable(line.english())); });
    const QList<UpdateAttempt> rows = reader.page({}, false, 0, 10).value_or(QList<UpdateAttempt>());
    QCOMPARE(rows.size(), state.isEmpty() ? 0 : 1);
    QCOMPARE(report.value("erased").toBool(), erased);
    QCOMPARE(report.value("firmwareAfter").toString(), firmwareAfter);
    QCOMPARE(report.value("written").toBool(), state == "succeeded");
    // A terminal hides the banner: the warning is shown before the first erase, and only then.
    const QStringList shown = report.value("lines").toVariant().toStringList();
    QCOMPARE(shown.contains(disconnectWarning), steps.contains("opened"));
    const QString log = logOf(logPath);
    for (const QString& line : shown)
        QVERIFY2(log.contains(line), qPrintable(line));
    QCOMPARE(report.value("logFile").toString(), logPath);
    if (rows.isEmpty()) {
        QVERIFY(report.value("attemptId").isNull());
        return;
    }
    const UpdateAttempt& row = rows.first();
    QCOMPARE(AttemptState::stored(row.state), state);
    QCOMPARE(report.value("attemptId").toVariant().toLongLong(), row.id);
    QCOMPARE(row.log, logPath);
    QCOMPARE(row.error, report.value("reason").toString());
    QCOMPARE(row.libraryVersion, report.value("libraryVersion").toString());
    QCOMPARE(row.serial, report.value("serial").toInt());
    QCOMPARE(row.model, report.value("model").toString());
}

QTEST_MAIN(RunRecordTest)
#include "RunRecordTest.moc"
