#include "device/rz_api.h"

#include <QtTest>

class SimulatorTest : public QObject
{
    Q_OBJECT

private slots:
    void reportsItsVersion();
};

void SimulatorTest::reportsItsVersion()
{
    QVERIFY(QByteArray(rzGetAPIVersion()).startsWith("rzsim"));
}

QTEST_GUILESS_MAIN(SimulatorTest)
#include "SimulatorTest.moc"
