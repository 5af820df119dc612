#include "catalogue/FirmwareVersion.h"

#include <cstdio>

namespace {

enum Component { Boot, Run, Fpga };

// File name patterns by device type and component; null where there is none.
const char* const imagePatterns[4][3] = {
    {"./firmware/RZ610R-Cypress-Boot-v%d.img", "./firmware/RZ610R-Cypress-Run-v%d.img",
     "./firmware/RZ610R-FPGA-v%d.rbf"},
    {"./firmware/RZ610S-Cypress-Boot-v%d.img", "./firmware/RZ610S-Cypress-Run-v%d.img",
     "./firmware/RZ610S-FPGA-v%d.rbf"},
    {"./firmware/RZ610T-Cypress-v%d.img", nullptr, "./firmware/RZ610T-FPGA-v%d.rbf"},
    {"./firmware/RZ870S-Cypress-Boot-v%d.img", "./firmware/RZ870S-Cypress-Run-v%d.img",
     "./firmware/RZ870S-FPGA-v%d.rbf"},
};

std::string imagePath(int deviceType, Component component, int version)
{
    if (deviceType < 0 || deviceType > 3)
        return std::string();
    const char* pattern = imagePatterns[deviceType][component];
    if (!pattern)
        return std::string();
    char buffer[256] = {};
    std::snprintf(buffer, sizeof buffer, pattern, version);
    return std::string(buffer);
}

} // namespace

QString FirmwareVersion::versionString() const
{
    return QString::asprintf("%d.%d.%d", bootVersion, runVersion, fpgaVersion);
}

std::string FirmwareVersion::bootImagePath() const
{
    return imagePath(deviceType, Boot, bootVersion);
}

std::string FirmwareVersion::runImagePath() const
{
    return imagePath(deviceType, Run, runVersion);
}

std::string FirmwareVersion::fpgaImagePath() const
{
    return imagePath(deviceType, Fpga, fpgaVersion);
}

bool FirmwareVersion::operator==(const FirmwareVersion& other) const
{
    return deviceType == other.deviceType && bootVersion == other.bootVersion
           && runVersion == other.runVersion && fpgaVersion == other.fpgaVersion;
}
