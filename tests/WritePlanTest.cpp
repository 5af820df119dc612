#include "catalogue/Catalogue.h"
#include "families/DeviceFamily.h"
#include "workflows/workers/WritePlan.h"

#include <QtTest>

// The plan of a write, made without a thread or a call of the device
// library: which components an update or a restore writes, in which order,
// with the estimate its line announces and the budget of its clear and of
// its write; what the pending record holds; and what a stop during the first
// write waits for.
class WritePlanTest : public QObject
{
    Q_OBJECT

private slots:
    void planFollowsVersionsAndRecord_data();
    void planFollowsVersionsAndRecord();
};

void WritePlanTest::planFollowsVersionsAndRecord_data()
{
    QTest::addColumn<bool>("restore");
    QTest::addColumn<int>("type");
    QTest::addColumn<QList<int>>("current"); // boot, run, fpga (an RZ610T's FX3 is its boot)
    QTest::addColumn<QStringList>("pending");
    QTest::addColumn<QStringList>("steps"); // component, estimate / budget of each call, in seconds
    QTest::addColumn<QString>("recorded");  // what the pending record holds
    // A stop once the first component's clear returned: what is still to
    // write, and the longest that may take in seconds.
    QTest::addColumn<QString>("stopWaits");
    const QList<int> rz610rOld{4, 5, 9};
    QTest::newRow("RZ610R, FPGA behind") << false << 0 << rz610rOld << QStringList()
                                        << QStringList{"boot skipped", "run skipped", "fpga 360/1080"}
                                        << "fpga 4.5.10" << "FPGA 1080";
    QTest::newRow("RZ610R, all behind") << false << 0 << QList<int>{3, 4, 9} << QStringList()
                                        << QStringList{"boot 10/120", "run 10/120", "fpga 360/1080"}
                                        << "boot,run,fpga 4.5.10" << "boot Fx3, run Fx3, FPGA 2520";
    QTest::newRow("RZ610R, newer FPGA, downgraded") << false << 0 << QList<int>{4, 5, 11} << QStringList()
                                                    << QStringList{"boot skipped", "run skipped", "fpga 360/1080"}
                                                    << "fpga 4.5.10" << "FPGA 1080";
    QTest::newRow("RZ610R current, its run on record") << false << 0 << QList<int>{4, 5, 10} << QStringList{"run"}
                                                       << QStringList{"boot skipped", "run 10/120", "fpga skipped"}
                                                       << "run 4.5.10" << "run Fx3 120";
    QTest::newRow("RZ610R current, all on record") << false << 0 << QList<int>{4, 5, 10} << QStringList{"all"}
                                                   << QStringList{"boot 10/120", "run 10/120", "fpga 360/1080"}
                                                   << "boot,run,fpga 4.5.10" << "boot Fx3, run Fx3, FPGA 2520";
    QTest::newRow("RZ610R current, nothing on record") << false << 0 << QList<int>{4, 5, 10} << QStringList()
                                                       << QStringList{"boot skipped", "run skipped", "fpga skipped"}
                                                       << "" << " 0";
    QTest::newRow("RZ610S restore, versions aside") << true << 1 << QList<int>{4, 8, 14} << QStringList()
                                                    << QStringList{"boot 10/120", "run 10/120", "fpga 360/1080"}
                                                    << "boot,run,fpga 4.8.14" << "boot Fx3, run Fx3, FPGA 2580";
    QTest::newRow("RZ610T, both behind: preset after") << false << 2 << QList<int>{8, 8, 6} << QStringList()
                                                       << QStringList{"fx3 20/120", "fpga 600/1800"} << "fx3,fpga 9.9.7"
                                                       << "FX3, FPGA 3780";
    QTest::newRow("RZ610T restore: its own FX3 estimate") << true << 2 << QList<int>{0, 0, 0} << QStringList()
                                                          << QStringList{"fx3 10/120", "fpga 600/1800"} << "fx3,fpga 9.9.7"
                                                          << "FX3, FPGA 3780";
}

void WritePlanTest::planFollowsVersionsAndRecord()
{
    QFETCH(bool, restore);
    QFETCH(int, type);
    QFETCH(QList<int>, current);
    QFETCH(QStringList, pending);
    QFETCH(QStringList, steps);
    QFETCH(QString, recorded);
    QFETCH(QString, stopWaits);
    DeviceState state;
    state.status = restore ? NeedsRestore : Operational;
    state.deviceType = type;
    state.serialNumber = 12345;
    state.currentVersion = FirmwareVersion{type, current[0], current[1], current[2]};
    state.targetVersion = targetVersion(type);
    const WritePlan plan(restore ? WritePlan::Procedure::Restore : WritePlan::Procedure::Update, state,
                         DeviceFamily::of(type), pending);
    QStringList planned;
    for (const WriteStep& step : plan.steps())
        planned << step.component + (step.skipped ? QStringLiteral(" skipped")
                                                  : QStringLiteral(" %1/%2").arg(step.estimate.count()).arg(step.budget.count()));
    QCOMPARE(planned, steps);
    QCOMPARE(plan.resumes(), !pending.isEmpty());
    QCOMPARE(plan.written().isEmpty() ? QString() : plan.written().join(',') + ' ' + plan.recordedVersion(), recorded);
    const WritePlan::Wait wait = plan.waitFrom(1, std::nullopt);
    QCOMPARE(OperatorText::englishOf(wait.components).join(", ") + ' ' + QString::number(wait.atMost.count() / 1000), stopWaits);
}

QTEST_GUILESS_MAIN(WritePlanTest)
#include "WritePlanTest.moc"
