#include "catalogue/Catalogue.h"

#include <QtTest>

// FirmwareVersion has no QDebug operator; compare it field by field.
#define COMPARE_VERSION(actual, type, boot, run, fpga)   \
    do {                                                 \
        const FirmwareVersion v_ = (actual);             \
        QCOMPARE(v_.deviceType, type);                   \
        QCOMPARE(v_.bootVersion, boot);                  \
        QCOMPARE(v_.runVersion, run);                    \
        QCOMPARE(v_.fpgaVersion, fpga);                  \
    } while (false)

class CatalogueTest : public QObject
{
    Q_OBJECT

private slots:
    void targetsOfTheFourModels_data();
    void targetsOfTheFourModels();
    void targetOutsideTheCatalogueKeepsItsTypeWithZeroVersions();
    void networkFirmwareNumbers_data();
    void networkFirmwareNumbers();
    void networkFirmwareNineIsTheRz610tTarget();
    void imagePathsOfThisRelease_data();
    void imagePathsOfThisRelease();
    void imagePathsAreEmptyOutsideTheCatalogue();
    void imagePathsUseTheRecordsOwnVersions();
    void versionStringKeepsSignsAndPlainDecimals();
    void deviceTypeNames();
};

void CatalogueTest::targetsOfTheFourModels_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("boot");
    QTest::addColumn<int>("run");
    QTest::addColumn<int>("fpga");
    QTest::addColumn<QString>("text");
    QTest::newRow("RZ610R") << 0 << 4 << 5 << 10 << "4.5.10";
    QTest::newRow("RZ610S") << 1 << 4 << 8 << 14 << "4.8.14";
    QTest::newRow("RZ610T") << 2 << 9 << 9 << 7 << "9.9.7";
    QTest::newRow("RZ870S") << 3 << 2 << 4 << 4 << "2.4.4";
}

void CatalogueTest::targetsOfTheFourModels()
{
    QFETCH(int, type);
    QFETCH(int, boot);
    QFETCH(int, run);
    QFETCH(int, fpga);
    QFETCH(QString, text);
    COMPARE_VERSION(targetVersion(type), type, boot, run, fpga);
    QCOMPARE(targetVersion(type).versionString(), text);
}

void CatalogueTest::targetOutsideTheCatalogueKeepsItsTypeWithZeroVersions()
{
    COMPARE_VERSION(targetVersion(7), 7, 0, 0, 0);
    COMPARE_VERSION(targetVersion(-1), -1, 0, 0, 0);
    COMPARE_VERSION(targetVersion(4), 4, 0, 0, 0);
    QCOMPARE(targetVersion(7).versionString(), QStringLiteral("0.0.0"));
}

void CatalogueTest::networkFirmwareNumbers_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("version");
    QTest::addColumn<int>("fpga");
    QTest::newRow("1") << 1 << 1 << 1;
    QTest::newRow("3") << 3 << 3 << 1;
    QTest::newRow("4") << 4 << 4 << 2;
    QTest::newRow("5") << 5 << 5 << 3;
    QTest::newRow("8") << 8 << 8 << 6;
    QTest::newRow("9") << 9 << 9 << 7;
    QTest::newRow("0 has no entry") << 0 << 0 << 0;
    QTest::newRow("10 is newer, FPGA unknown") << 10 << 10 << 0;
    QTest::newRow("-5 has no entry") << -5 << 0 << 0;
}

void CatalogueTest::networkFirmwareNumbers()
{
    QFETCH(int, number);
    QFETCH(int, version);
    QFETCH(int, fpga);
    COMPARE_VERSION(versionFromNetworkFirmware(number), 2, version, version, fpga);
}

void CatalogueTest::networkFirmwareNineIsTheRz610tTarget()
{
    QVERIFY(versionFromNetworkFirmware(9) == targetVersion(2));
    QVERIFY(versionFromNetworkFirmware(8) != targetVersion(2));
    QCOMPARE(versionFromNetworkFirmware(8).versionString(), QStringLiteral("8.8.6"));
}

void CatalogueTest::imagePathsOfThisRelease_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("boot");
    QTest::addColumn<QString>("run");
    QTest::addColumn<QString>("fpga");
    QTest::newRow("RZ610R") << 0 << "./firmware/RZ610R-Cypress-Boot-v4.img"
                            << "./firmware/RZ610R-Cypress-Run-v5.img" << "./firmware/RZ610R-FPGA-v10.rbf";
    QTest::newRow("RZ610S") << 1 << "./firmware/RZ610S-Cypress-Boot-v4.img"
                            << "./firmware/RZ610S-Cypress-Run-v8.img" << "./firmware/RZ610S-FPGA-v14.rbf";
    QTest::newRow("RZ610T has no run image") << 2 << "./firmware/RZ610T-Cypress-v9.img" << ""
                                             << "./firmware/RZ610T-FPGA-v7.rbf";
    QTest::newRow("RZ870S") << 3 << "./firmware/RZ870S-Cypress-Boot-v2.img"
                            << "./firmware/RZ870S-Cypress-Run-v4.img" << "./firmware/RZ870S-FPGA-v4.rbf";
}

void CatalogueTest::imagePathsOfThisRelease()
{
    QFETCH(int, type);
    QFETCH(QString, boot);
    QFETCH(QString, run);
    QFETCH(QString, fpga);
    const FirmwareVersion target = targetVersion(type);
    QCOMPARE(QString::fromStdString(target.bootImagePath()), boot);
    QCOMPARE(QString::fromStdString(target.runImagePath()), run);
    QCOMPARE(QString::fromStdString(target.fpgaImagePath()), fpga);
}

void CatalogueTest::imagePathsAreEmptyOutsideTheCatalogue()
{
    for (int type : {4, -1, 1000}) {
        const FirmwareVersion version{type, 4, 5, 10};
        QVERIFY(version.bootImagePath().empty());
        QVERIFY(version.runImagePath().empty());
        QVERIFY(version.fpgaImagePath().empty());
    }
}

void CatalogueTest::imagePathsUseTheRecordsOwnVersions()
{
    const FirmwareVersion version{0, 3, -7, 2147483647};
    QCOMPARE(version.bootImagePath(), std::string("./firmware/RZ610R-Cypress-Boot-v3.img"));
    QCOMPARE(version.runImagePath(), std::string("./firmware/RZ610R-Cypress-Run-v-7.img"));
    QCOMPARE(version.fpgaImagePath(), std::string("./firmware/RZ610R-FPGA-v2147483647.rbf"));
    const FirmwareVersion longest{3, -2147483647 - 1, 0, 0};
    QCOMPARE(longest.bootImagePath(), std::string("./firmware/RZ870S-Cypress-Boot-v-2147483648.img"));
}

void CatalogueTest::versionStringKeepsSignsAndPlainDecimals()
{
    QCOMPARE((FirmwareVersion{5, -1, 0, 12}).versionString(), QStringLiteral("-1.0.12"));
    QCOMPARE((FirmwareVersion{0, 7, 8, 9}).versionString(), QStringLiteral("7.8.9"));
}

void CatalogueTest::deviceTypeNames()
{
    QCOMPARE(deviceTypeName(0), QStringLiteral("RZ610R"));
    QCOMPARE(deviceTypeName(1), QStringLiteral("RZ610S"));
    QCOMPARE(deviceTypeName(2), QStringLiteral("RZ610T"));
    QCOMPARE(deviceTypeName(3), QStringLiteral("RZ870S"));
    QCOMPARE(deviceTypeName(4), QStringLiteral("Invalid device type"));
    QCOMPARE(deviceTypeName(-1), QStringLiteral("Invalid device type"));
}

QTEST_APPLESS_MAIN(CatalogueTest)
#include "CatalogueTest.moc"
