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

QString firmwareFolder()
{
    return QStringLiteral("./firmware");
}

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

FirmwareVersion versionFromNetworkFirmware(int firmwareNumber)
{
    if (firmwareNumber < 1 || firmwareNumber > 9)
        return FirmwareVersion{2, 0, 0, 0};
    return FirmwareVersion{2, firmwareNumber, firmwareNumber, networkFpgaVersions[firmwareNumber - 1]};
}

QString deviceTypeName(int deviceType)
{
    if (!isKnownDeviceType(deviceType))
        return QStringLiteral("Invalid device type");
    return QString::fromLatin1(deviceTypeNames[deviceType]);
}
