#include "catalogue/Catalogue.h"

namespace {

const FirmwareVersion releaseVersions[4] = {
    {0, 4, 5, 10},
    {1, 4, 8, 14},
    {2, 9, 9, 7},
    {3, 2, 4, 4},
};

// FPGA version of an RZ610T by its firmware number 1 to 9.
const int networkFpgaVersions[9] = {1, 1, 1, 2, 3, 4, 5, 6, 7};

const char* const deviceTypeNames[4] = {"RZ610R", "RZ610S", "RZ610T", "RZ870S"};

} // namespace

bool isKnownDeviceType(int deviceType)
{
    return deviceType >= 0 && deviceType <= 3;
}

FirmwareVersion targetVersion(int deviceType)
{
    if (!isKnownDeviceType(deviceType))
        return FirmwareVersion{deviceType, 0, 0, 0};
    return releaseVersions[deviceType];
}

// A number past the table is firmware newer than this release: its FX3
// versions compare as newer, and its FPGA version, unknown, as 0, so a
// confirmed downgrade rewrites the FPGA too.
FirmwareVersion versionFromNetworkFirmware(int firmwareNumber)
{
    if (firmwareNumber > 9)
        return FirmwareVersion{2, firmwareNumber, firmwareNumber, 0};
    if (firmwareNumber < 1)
        return FirmwareVersion{2, 0, 0, 0};
    return FirmwareVersion{2, firmwareNumber, firmwareNumber, networkFpgaVersions[firmwareNumber - 1]};
}

QStringList componentNames(int deviceType)
{
    if (!isKnownDeviceType(deviceType))
        return {};
    if (deviceType == 2)
        return {QStringLiteral("fx3"), QStringLiteral("fpga")};
    return {QStringLiteral("boot"), QStringLiteral("run"), QStringLiteral("fpga")};
}

QString deviceTypeName(int deviceType)
{
    if (!isKnownDeviceType(deviceType))
        return QStringLiteral("Invalid device type");
    return QString::fromLatin1(deviceTypeNames[deviceType]);
}

int deviceTypeNamed(const QString& name)
{
    for (int type = 0; isKnownDeviceType(type); ++type) {
        if (name == QLatin1String(deviceTypeNames[type]))
            return type;
    }
    return -1;
}
